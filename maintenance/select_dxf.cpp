#include "select_dxf.h"

#include "database_path.h"
#include "drawing_viewer.h"
#include "model_catalogue.h"
#include "model_list_box.h"
#include "stored_drawing.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quellmar::maintenance {

frmSelectDxf::frmSelectDxf() : MaintenanceForm("frmSelectDxf"), list_(new QListWidget(this)) {
    setWindowTitle("Drawings Available");
    auto* label = new QLabel("Models Which Have Drawings Available", this);
    label->setObjectName("Label1");
    list_->setObjectName("List1");
    list_->setMinimumSize(280, 260);
    QPushButton* view = CommandButton("cmdView", "&View", [this] { cmdView_Click(); });
    QPushButton* close = CommandButton("cmdCancel", "&Close", [this] { cmdCancel_Click(); });
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(list_, 1, 0, 3, 1);
    layout->addWidget(view, 1, 1);
    layout->addWidget(close, 2, 1);
    layout->setRowStretch(3, 1);
    connect(list_, &QListWidget::itemDoubleClicked, this, &frmSelectDxf::cmdView_Click);
}

void frmSelectDxf::Form_Load() {
    CentreInClientArea();
    databasePath_ = CoolerDatabasePath();
    FillDrawingList();
}

void frmSelectDxf::FillDrawingList() {
    FillModelListBox(*list_, ListModelsWithDrawings(databasePath_));
}

void frmSelectDxf::cmdView_Click() {
    const qint64 id = SelectedCoolerID(*list_);
    if (id == 0) return;
    const QString caption = list_->currentItem()->text();
    Handle([&] {
        const std::optional<StoredDrawing> drawing = ReadStoredDrawing(databasePath_, id);
        // A model deleted since the list was filled has no drawing either.
        ShowStoredDrawing(drawing ? drawing->text : std::nullopt, caption);
    });
}

void frmSelectDxf::cmdCancel_Click() { Unload(); }

}  // namespace quellmar::maintenance
