#pragma once

#include "maintenance_form.h"

class QLineEdit;

namespace quellmar::maintenance {

// frmVersion, "Database Version": the database's version text, written back when OK finds it
// changed.
class frmVersion final : public MaintenanceForm {
    Q_OBJECT

public:
    frmVersion();

    QLineEdit* txtVersion() const { return txtVersion_; }
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;

private:
    QLineEdit* txtVersion_;
};

}  // namespace quellmar::maintenance
