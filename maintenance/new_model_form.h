#pragma once

#include "cooler_family.h"
#include "maintenance_form.h"

#include <QPointer>

#include <vector>

class QLineEdit;

namespace gui {
class OptionGroup;
}

namespace quellmar::maintenance {

class DataControl;
class ModelList;

// A new-model form: begins a new model row, fills it from a template model, and on OK stores it
// with copies of the template's curves (and water-cooled correction tables), then hands over to
// the family's editor for the new model. Cancel, or the close box, stores nothing.
class NewModelForm : public MaintenanceForm {
    Q_OBJECT

public:
    // The template model (0 or less: none) and the list to show again.
    void SetTemplateID(qint64 ID, ModelList* myParent);

    qint64 NewCoolerID() const { return newCoolerId_; }

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    NewModelForm(const QString& formName, Family family, QString caption, QString templateQuery,
                 std::vector<const char*> templateFields, std::vector<int> defaultOptions);
    void Form_Load() override;
    bool Form_Unload() override;

private:
    void CopyTemplateFields();

    Family family_;
    QString caption_;
    QString templateQuery_;
    std::vector<const char*> templateFields_;
    std::vector<int> defaultOptions_;
    QString databasePath_;
    qint64 newCoolerId_ = 0;
    qint64 templateId_ = 0;
    QPointer<ModelList> myParent_;
    bool stored_ = false;
    std::vector<QWidget*> bound_;
    std::vector<gui::OptionGroup*> options_;
    QLineEdit* txtName_;
    DataControl* data1_;
};

class frmAddAir final : public NewModelForm {
    Q_OBJECT

public:
    frmAddAir();
};

class frmAddMobile final : public NewModelForm {
    Q_OBJECT

public:
    frmAddMobile();
};

class frmAddWater final : public NewModelForm {
    Q_OBJECT

public:
    frmAddWater();
};

// A new new-model form of the family.
NewModelForm* MakeNewModelForm(Family family);

}  // namespace quellmar::maintenance
