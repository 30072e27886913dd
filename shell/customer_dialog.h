#pragma once

#include "vb/date.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace quellmar::shell {

// frmCustomer: edits the customer particulars of a document. The caller fills it, shows it, and
// when Cancel is false reads the six boxes. OK refuses a date that is not day/month/year.
class CustomerDialog : public QDialog {
    Q_OBJECT

public:
    explicit CustomerDialog(QWidget* parent);

    void FillValues(vb::DateValue dat, const QString& co, const QString& addr, const QString& attn, const QString& ref,
                    const QString& sized);
    // The date of txtDate; nothing when it is not a valid day/month/year date.
    std::optional<vb::DateValue> EnteredDate() const;
    const QLineEdit* txtCompany() const { return txtCompany_; }
    const QLineEdit* txtAddress() const { return txtAddress_; }
    const QLineEdit* txtAttention() const { return txtAttention_; }
    const QLineEdit* txtReference() const { return txtReference_; }
    const QLineEdit* txtSized() const { return txtSized_; }

    bool Cancel = true;

protected:
    void reject() override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    QLineEdit* txtDate_ = nullptr;
    QLineEdit* txtCompany_ = nullptr;
    QLineEdit* txtAddress_ = nullptr;
    QLineEdit* txtAttention_ = nullptr;
    QLineEdit* txtReference_ = nullptr;
    QLineEdit* txtSized_ = nullptr;
    QLabel* lblError_;
};

}  // namespace quellmar::shell
