#include "model_list.h"

#include "database_path.h"
#include "model_catalogue.h"
#include "model_editor.h"
#include "model_list_box.h"
#include "new_model_form.h"
#include "water_correction.h"

#include "gui/dialog_service.h"
#include "gui/mdi_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quellmar::maintenance {
namespace {

QString ListCaption(Family family) {
    switch (family) {
        case Family::Air: return "Air-Cooled Models";
        case Family::Mobile: return "Mobile Models";
        case Family::Water: break;
    }
    return "Water-Cooled Models";
}

}  // namespace

ModelList::ModelList(const QString& formName, Family family)
    : MaintenanceForm(formName), family_(family), list_(new QListWidget(this)), buttons_(new QVBoxLayout) {
    auto* label = new QLabel("Model Name", this);
    label->setObjectName("Label1");
    list_->setObjectName("List1");
    list_->setMinimumSize(260, 260);
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(list_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addLayout(buttons_);
    buttons_->addStretch();
    AddButton("cmdView", "&View", [this] { cmdView_Click(); });
    AddButton("cmdEdit", "&Edit", [this] { cmdEdit_Click(); });
    AddButton("cmdNew", "&New", [this] { cmdNew_Click(); });
    AddButton("cmdDelete", "&Delete", [this] { cmdDelete_Click(); });
    AddButton("cmdCancel", "&Cancel", [this] { cmdCancel_Click(); });
}

QPushButton* ModelList::AddButton(const char* name, const QString& caption, const std::function<void()>& click) {
    QPushButton* button = CommandButton(name, caption, click);
    // Above the stretch that keeps the buttons together at the top.
    buttons_->insertWidget(buttons_->count() - 1, button);
    return button;
}

void ModelList::Form_Load() {
    CentreInClientArea();
    databasePath_ = CoolerDatabasePath();
    FillListBox();
}

QWidget* ModelList::DefaultFocus() { return list_; }

void ModelList::FillListBox() {
    setWindowTitle(ListCaption(family_));
    FillModelListBox(*list_, ListModels(databasePath_, family_));
}

qint64 ModelList::SelectedID() const { return SelectedCoolerID(*list_); }

void ModelList::OpenChild(MaintenanceForm* window) {
    SetFormVisible(false);
    gui::ShowMdiChild(window);
}

void ModelList::OpenEditor(EditorMode mode) {
    const qint64 id = SelectedID();
    if (id == 0) return;
    ModelEditor* editor = MakeModelEditor(family_);
    editor->Initialise(id, mode, this);
    OpenChild(editor);
}

void ModelList::cmdView_Click() { OpenEditor(EditorMode::View); }

void ModelList::cmdEdit_Click() { OpenEditor(EditorMode::Edit); }

void ModelList::cmdNew_Click() {
    NewModelForm* form = MakeNewModelForm(family_);
    // The form gets the list even without a template, so that it can show the list again.
    form->SetTemplateID(SelectedID(), this);
    OpenChild(form);
}

void ModelList::cmdDelete_Click() {
    const qint64 id = SelectedID();
    if (id == 0) return;
    const QString name = list_->currentItem()->text();
    if (gui::Dialogs().MsgBox("Delete " + name + " from database?", gui::vbOKCancel, "Confirm Deletion") != gui::vbOK) return;
    Handle([&] { DeleteModel(databasePath_, family_, id); });
    Handle([this] { FillListBox(); });
}

void ModelList::cmdCancel_Click() { Unload(); }

frmSelectEdit::frmSelectEdit() : ModelList("frmSelectEdit", Family::Air) {}

void frmSelectEdit::Initialise(Family cType) { SetFamily(cType == Family::Mobile ? Family::Mobile : Family::Air); }

frmSelectEditWater::frmSelectEditWater() : ModelList("frmSelectEditWater", Family::Water) {
    AddButton("cmdCorrection", " C&orrection      Factors", [this] { cmdCorrection_Click(); });
}

void frmSelectEditWater::cmdCorrection_Click() {
    const qint64 id = SelectedID();
    if (id == 0) return;
    auto* corrections = new frmWaterCorrection;
    corrections->Initialise(id, EditorMode::Edit, this);
    OpenChild(corrections);
}

}  // namespace quellmar::maintenance
