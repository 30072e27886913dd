#pragma once

#include "maintenance_form.h"

class QListWidget;

namespace quellmar::maintenance {

// frmSelectDxf, "Drawings Available": every model with a stored drawing, whose drawing opens in a
// drawing window of its own. The list is filled once, when the window loads.
class frmSelectDxf final : public MaintenanceForm {
    Q_OBJECT

public:
    frmSelectDxf();

    QListWidget* List1() const { return list_; }
    void FillDrawingList();
    void cmdView_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;

private:
    QString databasePath_;
    QListWidget* list_;
};

}  // namespace quellmar::maintenance
