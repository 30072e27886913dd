#pragma once

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;

namespace quellmar::shell {

// frmOtherModels: a list of models, one row each, with the current model highlighted.
// SelectedCoolerID holds the caller's preselection and becomes the chosen row's cooler on OK or a
// double click; Cancel (or closing the dialog by its frame) leaves it unchanged.
class OtherModelsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OtherModelsDialog(QWidget* parent);

    QListWidget* List1() const { return list_; }
    void SetTabStops(const std::vector<int>& stops);
    void AddRow(const QString& text, long coolerId);
    void SetRowHeading(const QString& heading);

    long SelectedCoolerID = 0;

protected:
    void reject() override;

private:
    void cmdOK_Click();

    QListWidget* list_;
    QLabel* heading_;
};

}  // namespace quellmar::shell
