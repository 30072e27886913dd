#pragma once

#include <QDialog>

class QLabel;

namespace quellmar::shell {

// frmHelpAbout: names the product line and the version of the cooler database, with a note on how
// selections are rated and a disclaimer. Each showing reads the version anew.
class frmHelpAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmHelpAbout(QWidget* parent);

private:
    void Form_Load();

    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
};

}  // namespace quellmar::shell
