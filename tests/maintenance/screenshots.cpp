// Saves a picture of every maintenance window, filled from the bundled sample models, for
// reviewers. Usage: maintenance_screenshots <output folder>.
#include "database_builder.h"
#include "main_window.h"
#include "model_editor.h"
#include "model_list.h"
#include "new_model_form.h"
#include "select_dxf.h"
#include "version_form.h"
#include "water_correction.h"

#include "doubles/scripted_dialogs.h"
#include "gui/child_frame.h"
#include "gui/dialog_service.h"
#include "gui/mdi_frame.h"
#include "vb/program_folder.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdlib>
#include <iostream>
#include <memory>

using namespace quellmar::maintenance;

namespace {

QString folder;
bool failed = false;

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Shows the window as the program does, at the size it opens with in the main window's first
// area, saves its child frame and closes it.
void Save(MaintenanceForm* window, const QString& name) {
    gui::ShowMdiChild(window);
    Settle();
    QWidget* frame = gui::ChildFrame(*window);
    if (!frame) frame = window;
    const QString path = folder + "/" + name + ".png";
    if (!frame->grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
        failed = true;
    } else {
        std::cout << path.toStdString() << "\n";
    }
    window->Unload();
    Settle();
}

template <typename Editor>
Editor* Editing(qint64 id, EditorMode mode) {
    auto* editor = new Editor;
    editor->Initialise(id, mode, nullptr);
    return editor;
}

template <typename Form>
Form* Adding(qint64 templateId) {
    auto* form = new Form;
    form->SetTemplateID(templateId, nullptr);
    return form;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: maintenance_screenshots <output folder>\n";
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir programFolder;
    const std::filesystem::path database = std::filesystem::path(programFolder.path().toStdString()) / "quellmar.mdb";
    quellmar::data::BuildDatabase(QUELLMAR_DATA_DIR, database, quellmar::data::Contents::Full);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "screenshots");
        db.setDatabaseName(QString::fromStdString(database.string()));
        db.open();
        QSqlQuery(db).exec("UPDATE Coolers SET Dxf = '0' || char(13) || char(10) || 'EOF' WHERE CoolerID IN (1, 2, 101, 201)");
    }
    QSqlDatabase::removeDatabase("screenshots");
    vb::SetProgramFolder(programFolder.path().toStdString());
    gui::InstallDialogs(std::make_unique<gui::ScriptedDialogs>());

    quellmar::shell::frmQuellmar frame;
    frame.show();

    auto* air = new frmSelectEdit;
    air->Initialise(Family::Air);
    Save(air, "frmSelectEdit-air");
    auto* mobile = new frmSelectEdit;
    mobile->Initialise(Family::Mobile);
    Save(mobile, "frmSelectEdit-mobile");
    Save(new frmSelectEditWater, "frmSelectEditWater");
    Save(new frmSelectDxf, "frmSelectDxf");
    Save(new frmVersion, "frmVersion");
    Save(Editing<frmEditAir>(1, EditorMode::Edit), "frmEditAir");
    Save(Editing<frmEditMobile>(101, EditorMode::View), "frmEditMobile-view");
    Save(Editing<frmEditWater>(201, EditorMode::Edit), "frmEditWater");
    Save(Adding<frmAddAir>(1), "frmAddAir");
    Save(Adding<frmAddMobile>(101), "frmAddMobile");
    Save(Adding<frmAddWater>(201), "frmAddWater");
    auto* corrections = new frmWaterCorrection;
    corrections->Initialise(201, EditorMode::Edit, nullptr);
    Save(corrections, "frmWaterCorrection");
    return failed ? 1 : 0;
}
