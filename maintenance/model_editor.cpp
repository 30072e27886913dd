#include "model_editor.h"

#include "bound_table_model.h"
#include "data_control.h"
#include "data_grid.h"
#include "database_error.h"
#include "database_path.h"
#include "drawing_viewer.h"
#include "model_fields.h"
#include "model_list.h"
#include "stored_drawing.h"
#include "water_correction.h"

#include "gui/child_control.h"
#include "gui/dialog_service.h"
#include "gui/function_filter.h"
#include "gui/mdi_frame.h"
#include "gui/option_group.h"
#include "gui/wait_cursor.h"

#include "vb/convert.h"
#include "vb/error.h"
#include "vb/val.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quellmar::maintenance {
namespace {

constexpr int kMaxDescription = 80;

// Runs a handler when the focus leaves a box, as a Validate event does.
void OnFocusLeaving(QLineEdit& box, std::function<void()> handler) {
    gui::FilterEvents(box, [handler = std::move(handler)](QObject*, QEvent* event) {
        // Another window or a menu taking the focus for a while is no leaving of the box.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) handler();
        }
        return false;
    });
}

// A curve grid with its heading and the captions of its two columns.
QVBoxLayout* CurveColumn(QWidget* parent, const QString& heading, const QString& flow, const QString& value, DataGrid* grid) {
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(heading, parent));
    auto* axes = new QHBoxLayout;
    axes->addWidget(new QLabel(flow, parent));
    axes->addWidget(new QLabel(value, parent));
    column->addLayout(axes);
    column->addWidget(grid);
    return column;
}

// A field the user may not change is drawn on the window's colour, as an inactive box is.
void LookReadOnly(QWidget& field) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field.setPalette(palette);
}

// The width a column of the header needs to show `text` whole: the header's own measure of its
// caption, with the caption's text exchanged for `text`.
int HeaderWidth(const QHeaderView& header, int column, const QString& text) {
    const QFontMetrics metrics = header.fontMetrics();
    const QString caption = header.model()->headerData(column, Qt::Horizontal).toString();
    return header.sectionSizeHint(column) - metrics.horizontalAdvance(caption) + metrics.horizontalAdvance(text);
}

}  // namespace

ModelEditor::ModelEditor(const QString& formName, Family family, QString editCaption, QString viewCaption)
    : MaintenanceForm(formName),
      editCaption_(std::move(editCaption)),
      viewCaption_(std::move(viewCaption)),
      // The controls come in the tab order as they are made: the model's boxes and options first
      // (the name has the focus at open), then the drawing's buttons and OK, then the curves, whose
      // grids take their place when they are laid in.
      grid1_(new DataGrid),
      grid2_(new DataGrid) {
    grid1_->setObjectName("DBGrid1");
    grid2_->setObjectName("DBGrid2");
    auto* fields = new QGridLayout;
    // The option groups stand beside the boxes rather than under them, so the editor with its
    // curves fits the main window's area.
    auto* optionColumn = new QVBoxLayout;
    const ModelFieldControls controls =
        BuildModelFields(*this, *fields, EditorFields(family), OptionArrays(family), optionColumn);
    optionColumn->addStretch();
    bound_ = controls.bound;
    options_ = controls.options;
    for (std::size_t i = 0; i < options_.size(); ++i) {
        QLineEdit* codeBox = gui::ChildControl<QLineEdit>(*this, OptionArrays(family)[i].codeBox);
        codeBoxes_.push_back(codeBox);
        connect(options_[i], &gui::OptionGroup::Click, this, [codeBox](int index) { codeBox->setText(QString::number(index + 1)); });
    }
    txtDescription_ = gui::ChildControl<QLineEdit>(*this, "txtDescription");
    OnFocusLeaving(*txtDescription_, [this] { txtDescription_Validate(); });

    cmdLoadDxf_ = CommandButton("cmdLoadDxf", "&Load", [this] { cmdLoadDxf_Click(); });
    cmdViewDxf_ = CommandButton("cmdViewDxf", "&View", [this] { cmdViewDxf_Click(); });
    cmdDelete_ = CommandButton("cmdDelete", "&Delete", [this] { cmdDelete_Click(); });
    auto* drawing = new QVBoxLayout;
    drawing->addWidget(new QLabel("DXF File", this));
    for (QPushButton* button : {cmdLoadDxf_, cmdViewDxf_, cmdDelete_}) drawing->addWidget(button);
    drawing->addStretch();
    drawing->addWidget(CommandButton("cmdOk", "&OK", [this] { cmdOK_Click(); }));

    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addLayout(optionColumn);
    top->addLayout(drawing);
    auto* curves = new QHBoxLayout;
    curves->addLayout(CurveColumn(this, "Cooling Capacity Curve", "LPM Oil Flow", "kW/degree C", grid1_));
    curves->addLayout(CurveColumn(this, "Oil Pressure Drop Curve", "LPM Oil Flow", "BAR@30Cst", grid2_));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(curves);

    // Created after the grids, so they go after them.
    data1_ = new DataControl(this);
    data2_ = new DataControl(this);
    data3_ = new DataControl(this);
    for (auto [grid, data] : {std::pair{grid1_, data2_}, std::pair{grid2_, data3_}})
        connect(grid, &DataGrid::OnAddNew, this, [this, data = data](int row) {
            // Every curve point added here belongs to this model.
            BoundTableModel& model = data->Model();
            model.setData(model.index(row, model.fieldIndex("CoolerID")), request_.id);
        });
}

ModelEditor::~ModelEditor() = default;

void ModelEditor::Initialise(qint64 ID, EditorMode Mode, ModelList* myParent) {
    request_ = {ID, Mode, myParent};
}

void ModelEditor::Form_Load() {
    MoveToTop();
    databasePath_ = CoolerDatabasePath();
    for (DataControl* data : {data1_, data2_, data3_}) data->SetDatabaseName(databasePath_);
    BindFields();
    const QString key = QString("CoolerID = %1").arg(request_.id);
    data1_->SetRecordSource("Coolers", key);
    data2_->SetRecordSource("CoolingCapacity", key, "CoolingCapacityOilFlow");
    data2_->Refresh();
    data3_->SetRecordSource("PressureDrop", key, "PressureDropOilFlow");
    data3_->Refresh();
    grid1_->SetDataSource(*data2_);
    grid2_->SetDataSource(*data3_);
    FormatCurveGrids();
    const bool viewing = request_.mode == EditorMode::View;
    setWindowTitle(viewing ? viewCaption_ : editCaption_);
    if (viewing) LockForView();
    cmdLoadDxf_->setEnabled(!viewing);
    cmdDelete_->setEnabled(!viewing);
    data1_->Refresh();
    if (data1_->Model().rowCount() == 0)
        throw DatabaseError(QString("The model with the key %1 no longer exists.").arg(request_.id).toStdString());
    SelectOptionsFromCodes();
}

void ModelEditor::BindFields() {
    for (QWidget* control : bound_) data1_->Bind(control, control->property("Tag").toString());
}

void ModelEditor::FormatCurveGrids() {
    // The headers show the curves' axis captions rather than the field names, in columns wide
    // enough for them.
    for (auto [grid, valueCaption] : {std::pair{grid1_, "kW/degree C"}, std::pair{grid2_, "BAR@30Cst"}}) {
        BoundTableModel& model = grid->DataSource()->Model();
        model.setHeaderData(1, Qt::Horizontal, "LPM Oil Flow");
        model.setHeaderData(2, Qt::Horizontal, valueCaption);
    }
    const QHeaderView& header = *grid1_->horizontalHeader();
    const int flowWidth = HeaderWidth(header, 1, "LPM Oil Flow");
    const int valueWidth = HeaderWidth(header, 1, "Cooling Capacity");
    for (DataGrid* grid : {grid1_, grid2_}) {
        const BoundTableModel& model = grid->DataSource()->Model();
        grid->setColumnHidden(0, true);
        // The point key is the database's, never the user's.
        grid->setColumnHidden(model.fieldIndex("PointID"), true);
        grid->setColumnWidth(1, flowWidth);
        grid->setColumnWidth(2, valueWidth);
    }
    grid1_->setFixedWidth(flowWidth + valueWidth + 2 * header.fontMetrics().horizontalAdvance("LPM"));
}

void ModelEditor::LockForView() {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setReadOnly(true);
        LookReadOnly(*box);
    }
    for (QRadioButton* option : findChildren<QRadioButton*>()) option->setEnabled(false);
    for (QCheckBox* check : findChildren<QCheckBox*>()) check->setEnabled(false);
    for (DataGrid* grid : findChildren<DataGrid*>()) {
        grid->SetAllowAddNew(false);
        grid->SetAllowUpdate(false);
        grid->SetAllowDelete(false);
        LookReadOnly(*grid);
    }
}

void ModelEditor::SelectOptionsFromCodes() {
    for (std::size_t i = 0; i < codeBoxes_.size(); ++i) {
        const std::string code = codeBoxes_[i]->text().toStdString();
        // A row without a usable code shows no option selected.
        if (!vb::IsNumeric(code)) continue;
        try {
            options_[i]->SetValue(vb::CInt(vb::Val(code)) - 1, true);
        } catch (const vb::RuntimeError&) {
        }
    }
}

void ModelEditor::txtDescription_Validate() {
    if (txtDescription_->isReadOnly() || txtDescription_->text().size() <= kMaxDescription) return;
    gui::Dialogs().MsgBox("Description field has a maximum of 80 characters", gui::vbOKOnly, "Quellmar_customer");
    txtDescription_->setText(txtDescription_->text().left(kMaxDescription));
}

bool ModelEditor::StorePendingEdits() {
    // A description typed into and never left is checked as leaving the box would have; one the
    // user did not change is kept as stored.
    if (txtDescription_->text() != data1_->Field("Description").toString()) txtDescription_Validate();
    for (DataGrid* grid : {grid1_, grid2_}) grid->CommitOpenCell();
    try {
        for (DataControl* data : {data1_, data2_, data3_}) data->UpdateRecord();
        return true;
    } catch (const std::exception& error) {
        const int answer = gui::Dialogs().MsgBox(
            QString::fromUtf8(error.what()) + "\r\n\r\nClose the window and discard the changes that were not stored?",
            gui::vbYesNo | gui::vbExclamation, "Quellmar");
        if (answer != gui::vbYes) return false;
        for (DataControl* data : {data1_, data2_, data3_}) data->CancelUpdate();
        return true;
    }
}

void ModelEditor::cmdOK_Click() {
    if (request_.mode != EditorMode::View && !StorePendingEdits()) return;
    closedByOK_ = true;
    BeforeClosingByOK();
    Unload();
}

bool ModelEditor::Form_Unload() {
    if (request_.mode != EditorMode::View && !StorePendingEdits()) return false;
    if (request_.list) ShowListAgain(*request_.list);
    request_.list = nullptr;
    return true;
}

void ModelEditor::ShowListAgain(ModelList& list) {
    if (request_.mode == EditorMode::Add) Handle([&] { list.FillListBox(); });
    list.SetFormVisible(true);
}

QString ModelEditor::GetDxfFileName() {
    const std::optional<QString> chosen =
        gui::Dialogs().ShowOpen({"DXF Files (*.dxf)|*.dxf|All Files (*.*)|*.*", 1, QString()});
    return chosen.value_or(QString());
}

void ModelEditor::cmdLoadDxf_Click() {
    const QString file = GetDxfFileName();
    if (file.isEmpty()) return;
    Handle([&] {
        gui::WaitCursor hourglass;
        LoadDxfFile(request_.id, databasePath_, file);
    });
}

void ModelEditor::cmdViewDxf_Click() {
    Handle([this] {
        const std::optional<StoredDrawing> drawing = ReadStoredDrawing(databasePath_, request_.id);
        ShowStoredDrawing(drawing ? drawing->text : std::nullopt, drawing ? drawing->name : QString());
    });
}

void ModelEditor::cmdDelete_Click() {
    Handle([this] { DeleteStoredDrawing(databasePath_, request_.id); });
}

frmEditAir::frmEditAir() : ModelEditor("frmEditAir", Family::Air, "Edit Air-Cooled Model", "View Air-Cooled Model") {}

frmEditMobile::frmEditMobile() : ModelEditor("frmEditMobile", Family::Mobile, "Edit Mobile Model", "View Mobile Model") {}

frmEditWater::frmEditWater()
    : ModelEditor("frmEditWater", Family::Water, "Edit Water-Cooled Model", "View Water-Cooled Model") {}

void frmEditWater::BeforeClosingByOK() {
    if (Mode() != EditorMode::Add) return;
    auto* corrections = new frmWaterCorrection;
    corrections->Initialise(ID(), EditorMode::Add, Parent());
    gui::ShowMdiChild(corrections);
}

void frmEditWater::ShowListAgain(ModelList& list) {
    // After an add, OK hands the list on to the correction-factor editor. Closed by its close box,
    // the editor brings the list back itself, so it is never left hidden with nothing to show it.
    if (Mode() == EditorMode::Add && ClosedByOK()) return;
    ModelEditor::ShowListAgain(list);
}

ModelEditor* MakeModelEditor(Family family) {
    return NewOfFamily<ModelEditor, frmEditAir, frmEditWater, frmEditMobile>(family);
}

}  // namespace quellmar::maintenance
