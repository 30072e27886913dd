#include "water_correction.h"

#include "axis_alignment.h"
#include "database_path.h"
#include "model_list.h"

#include "gui/dialog_service.h"
#include "gui/keyboard_helpers.h"

#include "vb/convert.h"
#include "vb/format.h"
#include "vb/val.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <optional>

namespace quellmar::maintenance {
namespace {

const char* const kArrayNames[kCorrectionArrays] = {"txtHTOil", "txtHTWater", "txtHTCorrection",
                                                    "txtPDOil", "txtPDViscosity", "txtPDCorrection"};

bool IsFactors(int array) { return array == HTFactors || array == PDFactors; }

QString Shown(double value, int array) {
    return QString::fromStdString(vb::Format(value, IsFactors(array) ? "fixed" : "0.0"));
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

frmWaterCorrection::frmWaterCorrection()
    : MaintenanceForm("frmWaterCorrection"),
      txtName_(new QLineEdit(this)),
      cmdOK_(CommandButton("cmdOK", "&OK", [this] { cmdOK_Click(); })),
      cmdCancel_(CommandButton("cmdCancel", "&Cancel", [this] { cmdCancel_Click(); })) {
    setWindowTitle("Water-Cooled Model Corerction Factors");
    txtName_->setObjectName("txtName");
    BuildBoxes();
}

void frmWaterCorrection::BuildBoxes() {
    for (int array = 0; array < kCorrectionArrays; ++array) {
        const int count = CorrectionArraySize(static_cast<CorrectionArray>(array));
        for (int i = 0; i < count; ++i) {
            auto* box = SelectingBox(new QLineEdit("0.0", this));
            box->setObjectName(QString("%1(%2)").arg(kArrayNames[array]).arg(i));
            box->setFixedWidth(fontMetrics().horizontalAdvance("00000.00") + 8);
            connect(box, &QLineEdit::textChanged, this, [this, array] { changed_.set(static_cast<std::size_t>(array)); });
            boxes_[static_cast<std::size_t>(array)].push_back(box);
        }
    }
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(txtName_);
    top->addStretch();
    layout->addLayout(top);
    // One grid per table: the oil-flow row across the top, the row axis down the left, the factors.
    // The table's heading stands in the corner left free by the two axes, so that the window fits
    // the main window's first size with its buttons in sight.
    const auto grid = [this, layout](const QStringList& heading, CorrectionArray oil, CorrectionArray rows,
                                     CorrectionArray factors, const std::function<QString(int)>& rowLabel) {
        auto* cells = new QGridLayout;
        cells->setVerticalSpacing(2);
        for (int line = 0; line < heading.size(); ++line) cells->addWidget(new QLabel(heading[line], this), line, 0, 1, 2);
        for (int column = 0; column < kCorrectionColumns; ++column) {
            cells->addWidget(Caption(QString("Oil %1").arg(column + 1), this), 0, column + 2);
            cells->addWidget(Box(oil, column), 1, column + 2);
        }
        for (int row = 0; row < kCorrectionRows; ++row) {
            cells->addWidget(new QLabel(rowLabel(row), this), row + 2, 0);
            cells->addWidget(Box(rows, row), row + 2, 1);
            for (int column = 0; column < kCorrectionColumns; ++column)
                cells->addWidget(Box(factors, row * kCorrectionColumns + column), row + 2, column + 2);
        }
        layout->addLayout(cells);
    };
    grid({"HT Corrections Flow"}, HTOilFlow, HTWaterFlow, HTFactors, [](int) { return QString("Water l/min"); });
    layout->addSpacing(layout->spacing());
    grid({"Oil Pressure Drop", "Correction Factors"}, PDOilFlow, PDViscosity, PDFactors,
         [](int row) { return QString("Oil Cst %1").arg(row + 1); });
    layout->addLayout(ButtonRow({cmdOK_, cmdCancel_}));
    // The buttons were made before the boxes; they come after them, as they stand below them.
    gui::SetTabOrder({boxes_[PDFactors].back(), cmdOK_, cmdCancel_});
}

QLineEdit* frmWaterCorrection::Box(CorrectionArray array, int index) const {
    return boxes_[static_cast<std::size_t>(array)][static_cast<std::size_t>(index)];
}

void frmWaterCorrection::Initialise(qint64 ID, EditorMode Mode, ModelList* myParent) {
    request_ = {ID, Mode, myParent};
}

void frmWaterCorrection::Form_Load() {
    MoveToTop();
    databasePath_ = CoolerDatabasePath();
    const StoredCorrections stored = ReadCorrectionTables(databasePath_, request_.id);
    txtName_->setText(stored.name);
    loaded_ = stored.cells;
    for (int array = 0; array < kCorrectionArrays; ++array) {
        const std::vector<CorrectionCell>& cells = loaded_[static_cast<std::size_t>(array)];
        std::vector<QString>& texts = loadedTexts_[static_cast<std::size_t>(array)];
        texts.clear();
        // A Null cell, and a cell the model does not have, shows an empty box.
        for (const CorrectionCell& cell : cells) texts.push_back(cell && !cell->isNull() ? Shown(cell->toDouble(), array) : QString());
        for (std::size_t i = 0; i < texts.size(); ++i) Box(static_cast<CorrectionArray>(array), static_cast<int>(i))->setText(texts[i]);
    }
    changed_.reset();
    if (request_.mode == EditorMode::Add) cmdCancel_->setEnabled(false);
}

bool frmWaterCorrection::BoxCell(CorrectionArray array, int index, CorrectionCell& cell) {
    const auto a = static_cast<std::size_t>(array);
    const auto i = static_cast<std::size_t>(index);
    QLineEdit* box = Box(array, index);
    // The boxes show the cells rounded; a box left as it was keeps its cell as stored.
    if (box->text() == loadedTexts_[a][i]) {
        cell = loaded_[a][i];
        return true;
    }
    if (box->text().trimmed().isEmpty()) {
        cell.reset();
        return true;
    }
    const std::string text = box->text().toStdString();
    if (!vb::IsNumeric(text)) {
        gui::Dialogs().MsgBox("\"" + box->text() + "\" is not a number. Nothing was saved.", gui::vbOKOnly | gui::vbExclamation,
                              "Data Changed");
        box->setFocus();
        gui::SelectAllText(*box);
        return false;
    }
    // A typed number is stored as the Single it is, written as decimal text: "1.10" is stored as 1.1.
    cell = QVariant(vb::Val(vb::SingleToText(vb::CSng(vb::Val(text)))));
    return true;
}

bool frmWaterCorrection::SaveCorrections() {
    if (changed_.none()) return true;
    // The tables as they would stand after the save: the changed ones from their boxes.
    CorrectionCells cells = loaded_;
    for (int array = 0; array < kCorrectionArrays; ++array) {
        if (!changed_[static_cast<std::size_t>(array)]) continue;
        std::vector<CorrectionCell>& table = cells[static_cast<std::size_t>(array)];
        table.resize(boxes_[static_cast<std::size_t>(array)].size());
        // Every box of every changed table is checked before any table is touched.
        for (std::size_t i = 0; i < table.size(); ++i)
            if (!BoxCell(static_cast<CorrectionArray>(array), static_cast<int>(i), table[i])) return false;
    }
    if (const std::optional<AxisGap> gap = FindAxisGap(loaded_, cells, changed_)) {
        gui::Dialogs().MsgBox(AxisGapMessage(*gap), gui::vbOKOnly | gui::vbExclamation, "Data Changed");
        Box(gap->axis, gap->index)->setFocus();
        return false;
    }
    std::bitset<kCorrectionArrays> rewritten = changed_;
    DropRowsOfRemovedValues(loaded_, cells, rewritten);
    return Handle([&] { SaveCorrectionTables(databasePath_, request_.id, cells, rewritten); });
}

void frmWaterCorrection::cmdOK_Click() {
    if (request_.mode == EditorMode::Add) changed_.set();
    if (changed_.any()) {
        if (!SaveCorrections()) return;
        saved_ = true;
    }
    Unload();
}

void frmWaterCorrection::cmdCancel_Click() {
    cancelled_ = true;
    Unload();
}

bool frmWaterCorrection::Form_Unload() {
    if (!cancelled_ && !saved_ && changed_.any()) {
        if (gui::Dialogs().MsgBox("Do you want to save changes", gui::vbYesNo, "Data Changed") == gui::vbYes) {
            if (!SaveCorrections()) return false;
            saved_ = true;
        }
    }
    if (request_.list) {
        if (request_.mode == EditorMode::Add) Handle([this] { request_.list->FillListBox(); });
        request_.list->SetFormVisible(true);
    }
    request_.list = nullptr;
    return true;
}

}  // namespace quellmar::maintenance
