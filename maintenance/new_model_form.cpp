#include "new_model_form.h"

#include "connection.h"
#include "data_control.h"
#include "database_path.h"
#include "model_catalogue.h"
#include "model_editor.h"
#include "model_fields.h"
#include "model_list.h"

#include "gui/child_control.h"
#include "gui/dialog_service.h"
#include "gui/keyboard_helpers.h"
#include "gui/mdi_frame.h"
#include "gui/option_group.h"

#include "vb/convert.h"
#include "vb/error.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace quellmar::maintenance {

NewModelForm::NewModelForm(const QString& formName, Family family, QString caption, QString templateQuery,
                           std::vector<const char*> templateFields, std::vector<int> defaultOptions)
    : MaintenanceForm(formName),
      family_(family),
      caption_(std::move(caption)),
      templateQuery_(std::move(templateQuery)),
      templateFields_(std::move(templateFields)),
      defaultOptions_(std::move(defaultOptions)) {
    auto* fields = new QGridLayout;
    const ModelFieldControls controls = BuildModelFields(*this, *fields, NewModelFields(family), OptionArrays(family));
    bound_ = controls.bound;
    options_ = controls.options;
    txtName_ = gui::ChildControl<QLineEdit>(*this, "txtName");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(ButtonRow({CommandButton("cmdOk", "&OK", [this] { cmdOK_Click(); }),
                                 CommandButton("cmdCancel", "&Cancel", [this] { cmdCancel_Click(); })}));
    data1_ = new DataControl(this);
}

void NewModelForm::SetTemplateID(qint64 ID, ModelList* myParent) {
    templateId_ = ID;
    myParent_ = myParent;
}

void NewModelForm::Form_Load() {
    MoveToTop();
    databasePath_ = CoolerDatabasePath();
    data1_->SetDatabaseName(databasePath_);
    for (QWidget* control : bound_) data1_->Bind(control, control->property("Tag").toString());
    setWindowTitle(caption_);
    // The form edits only the row it begins.
    data1_->SetRecordSource("Coolers", "0");
    data1_->Refresh();
    newCoolerId_ = data1_->AddNew();
    for (std::size_t i = 0; i < options_.size(); ++i) options_[i]->SetValue(defaultOptions_[i], true);
    if (templateId_ > 0) CopyTemplateFields();
}

void NewModelForm::CopyTemplateFields() {
    const auto rows = data1_->Database().Select(templateQuery_ + "?", {templateId_});
    if (rows.empty()) return;
    const QSqlRecord& model = rows.front();
    for (const char* field : templateFields_) data1_->SetField(field, model.value(field));
    const std::vector<OptionArray>& arrays = OptionArrays(family_);
    for (std::size_t i = 0; i < arrays.size(); ++i) {
        const QVariant code = model.value(arrays[i].field);
        // A code outside the options leaves the default selected.
        if (code.isNull()) continue;
        try {
            options_[i]->SetValue(vb::CInt(code.toDouble()) - 1, true);
        } catch (const vb::RuntimeError&) {
        }
    }
}

void NewModelForm::cmdOK_Click() {
    const QString name = txtName_->text();
    if (name.isEmpty()) {
        gui::Dialogs().MsgBox("Cooler name cannot be blank", gui::vbOKOnly, "No Cooler Name Supplied");
        return;
    }
    Handle([&] {
        if (NameIsTaken(data1_->Database(), name)) {
            gui::Dialogs().MsgBox("There is already a cooler with that name", gui::vbOKOnly, "Cooler Already Exists");
            gui::SelectAllText(*txtName_);
            txtName_->setFocus();
            return;
        }
        data1_->SetField("CoolerType", static_cast<int>(family_));
        const std::vector<OptionArray>& arrays = OptionArrays(family_);
        for (std::size_t i = 0; i < arrays.size(); ++i) data1_->SetField(arrays[i].field, options_[i]->Selected() + 1);
        {
            // The model and the copies of its template's rows are stored together or not at all.
            Transaction transaction(data1_->Database());
            if (templateId_ > 0) CopyTemplateRows(data1_->Database(), family_, newCoolerId_, templateId_);
            data1_->UpdateRecord();
            transaction.Commit();
        }
        stored_ = true;
        ModelEditor* editor = MakeModelEditor(family_);
        editor->Initialise(newCoolerId_, EditorMode::Add, myParent_);
        gui::ShowMdiChild(editor);
        Unload();
    });
}

void NewModelForm::cmdCancel_Click() {
    data1_->CancelUpdate();
    Unload();
}

bool NewModelForm::Form_Unload() {
    // Cancelled or closed by its close box, the form has stored nothing and shows the list again;
    // after OK the editor has taken the list over.
    if (!stored_ && myParent_) myParent_->SetFormVisible(true);
    myParent_ = nullptr;
    return true;
}

frmAddAir::frmAddAir()
    : NewModelForm("frmAddAir", Family::Air, "Add New Air-Cooled Model",
                   "SELECT Name, PartNumber, ProductRange, MaxOilFlow, NoiseLevel, CostRanking, SalesLeaflet, Weight, "
                   "MotorType, Description FROM Coolers WHERE CoolerID = ",
                   {"Name", "PartNumber", "Description", "MaxOilFlow", "NoiseLevel", "CostRanking", "SalesLeaflet", "Weight"},
                   {0, 0}) {}

frmAddMobile::frmAddMobile()
    : NewModelForm("frmAddMobile", Family::Mobile, "Add New Mobile Model",
                   "SELECT Name, PartNumber, MaxOilFlow, SalesLeaflet, Weight, StockItem, Description FROM Coolers "
                   "WHERE CoolerID = ",
                   {"Name", "PartNumber", "Description", "MaxOilFlow", "SalesLeaflet", "Weight", "StockItem"}, {}) {}

frmAddWater::frmAddWater()
    : NewModelForm("frmAddWater", Family::Water, "Add New Water-Cooled Model",
                   "SELECT Name, PartNumber, ProductRange, MaxOilFlow, SalesLeaflet, Weight, StockItem, Series, "
                   "ShellOilSidePressureRating, Description, WaterSidePressureRating FROM Coolers WHERE CoolerID = ",
                   {"Name", "PartNumber", "Description", "MaxOilFlow", "ShellOilSidePressureRating", "WaterSidePressureRating",
                    "SalesLeaflet", "Weight", "StockItem"},
                   {1}) {}

NewModelForm* MakeNewModelForm(Family family) {
    return NewOfFamily<NewModelForm, frmAddAir, frmAddWater, frmAddMobile>(family);
}

}  // namespace quellmar::maintenance
