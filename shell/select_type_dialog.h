#pragma once

#include <QDialog>

namespace gui {
class OptionGroup;
}

namespace quellmar::shell {

// frmSelectType: asks the kind of a new selection document. coolerType is 0 air-cooled,
// 1 water-cooled, 2 mobile, or -1 after Cancel (or when the dialog is closed by its frame).
class SelectTypeDialog : public QDialog {
    Q_OBJECT

public:
    explicit SelectTypeDialog(QWidget* parent);

    int coolerType = -1;

protected:
    void reject() override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    gui::OptionGroup* optType_;
};

}  // namespace quellmar::shell
