#include "version_form.h"

#include "database_path.h"
#include "database_version.h"

#include "engine/data_access.h"
#include "gui/child_frame.h"
#include "gui/twips.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace quellmar::maintenance {

frmVersion::frmVersion() : MaintenanceForm("frmVersion"), txtVersion_(new QLineEdit(this)) {
    setWindowTitle("Database Version");
    txtVersion_->setObjectName("txtVersion");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtVersion_);
    layout->addLayout(ButtonRow({CommandButton("cmdOK", "OK", [this] { cmdOK_Click(); }),
                                 CommandButton("cmdCancel", "Cancel", [this] { cmdCancel_Click(); })}));
}

void frmVersion::Form_Load() {
    txtVersion_->setText(QString::fromStdString(engine::ReadDatabaseVersion(CoolerDatabasePath().toStdString())));
    txtVersion_->setProperty("Tag", txtVersion_->text());
    QWidget* frame = gui::ChildFrame(*this);
    (frame ? frame : static_cast<QWidget*>(this))->resize(gui::TwipsToPixels(4785, 1740));
}

void frmVersion::cmdOK_Click() {
    const QString text = txtVersion_->text();
    if (text != txtVersion_->property("Tag").toString()) {
        if (!Handle([&] { WriteDatabaseVersion(CoolerDatabasePath(), text); })) return;
    }
    Unload();
}

void frmVersion::cmdCancel_Click() { Unload(); }

}  // namespace quellmar::maintenance
