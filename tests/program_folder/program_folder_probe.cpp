// Does in the program folder it lies in what a user does there, with the libraries, component,
// registry and database of that folder, and prints what the user would see, one "step: result"
// line each. The steps are named on the command line:
//   search   an air-cooled search in a new document ("selected" and the model)
//   version  the about box's database version line
//   models   the air-cooled model list (its number of entries)
//   write    a changed version stored through the version editor
//   drawing  the selected model's drawing window (the pixels drawn, the component's library)
//   limit    from here on, no file of the process may grow beyond 1024 bytes (the shell's
//            `ulimit -f 1`)
// Every message box the program raises is printed as "message: <text>". The probe starts as the
// program starts.
#include "about_box.h"
#include "air_selection.h"
#include "drawing_window.h"
#include "maintenance_windows.h"
#include "main_window.h"
#include "model_list.h"
#include "program_services.h"
#include "version_form.h"

#include "doubles/scripted_dialogs.h"
#include "gui/mdi_frame.h"
#include "vb/file_size_signal.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

using namespace quellmar;

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// The file the process loaded the drawing component from.
std::string LoadedComponent() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (const auto at = line.find('/'); at != std::string::npos && line.ends_with("/libTiraq.so")) return line.substr(at);
    return "none";
}

// Pixels of the picture that differ from its corner, the background.
int DrawnPixels(QWidget& picture) {
    const QImage image = picture.grab().toImage();
    if (image.isNull()) return 0;
    const QRgb background = image.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != background;
    return drawn;
}

class Probe {
public:
    Probe() {
        shell::RegisterProgramServices();
        maintenance::RegisterMaintenanceWindows();
        gui::InstallDialogs(std::unique_ptr<gui::DialogService>(dialogs_ = new gui::ScriptedDialogs));
        frame_.show();
        document_ = new shell::frmAirSelection;
        shell::ShowDocument(document_);
        Settle();
    }

    void Run(const std::string& step) {
        if (step == "search") Search();
        else if (step == "version") Version();
        else if (step == "models") Models();
        else if (step == "write") Write();
        else if (step == "drawing") Drawing();
        else if (step == "limit") LimitFileSize();
        else std::cout << step << ": no such step\n";
        for (const QString& text : dialogs_->MessageTexts()) std::cout << "message: " << text.toStdString() << "\n";
        dialogs_->Clear();
    }

private:
    void Search() {
        for (const auto& [box, text] : {std::pair{"txtHeatLoad", "20"}, {"txtOilFlow", "60"}, {"txtAirTemp", "30"}, {"txtOilTemp", "60"}})
            document_->TextBox(box)->setText(text);
        document_->findChild<QPushButton*>("cmdOK")->click();
        Settle();
        std::cout << "search: " << (document_->CoolerShown() ? "selected " + document_->Label("lblModel")->text().toStdString() : "no cooler")
                  << "\n";
    }

    void Version() {
        shell::frmHelpAbout about(&frame_);
        std::string text = about.findChild<QLabel*>("Label1")->text().toStdString();
        std::cout << "version: " << text.substr(text.find('\n') + 1) << "\n";
    }

    void Models() {
        // A list that cannot load closes itself.
        QPointer<maintenance::frmSelectEdit> list = new maintenance::frmSelectEdit;
        list->Initialise(maintenance::Family::Air);
        gui::ShowMdiChild(list);
        Settle();
        if (!list) {
            std::cout << "models: none, the list closed\n";
            return;
        }
        std::cout << "models: " << list->List1()->count() << "\n";
        list->cmdCancel_Click();
    }

    void Write() {
        QPointer<maintenance::frmVersion> editor = new maintenance::frmVersion;
        gui::ShowMdiChild(editor);
        Settle();
        if (!editor) {
            std::cout << "write: none, the editor closed\n";
            return;
        }
        auto* box = editor->findChild<QLineEdit*>("txtVersion");
        box->setText(box->text() + " edited");
        editor->findChild<QPushButton*>("cmdOK")->click();
        Settle();
        std::cout << "write: " << (dialogs_->Messages().empty() ? "stored" : "refused") << "\n";
    }

    static void LimitFileSize() {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1024;
        std::cout << "limit: " << (setrlimit(RLIMIT_FSIZE, &limit) == 0 ? "1024 bytes" : "not set") << "\n";
    }

    void Drawing() {
        document_->DisplayDxf();
        Settle();
        auto* window = frame_.Area()->currentSubWindow();
        auto* form = window ? dynamic_cast<maintenance::frmDXF*>(window->widget()) : nullptr;
        QWidget* picture = form ? form->DXF1Window()->findChild<QWidget*>("picTiraq") : nullptr;
        std::cout << "drawing: " << (picture ? DrawnPixels(*picture) : 0) << " pixels\n";
        std::cout << "component: " << LoadedComponent() << "\n";
    }

    gui::ScriptedDialogs* dialogs_ = nullptr;
    shell::frmQuellmar frame_;
    shell::frmAirSelection* document_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    vb::IgnoreFileSizeSignal();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    Probe probe;
    for (int i = 1; i < argc; ++i) probe.Run(argv[i]);
    std::cout.flush();
    return 0;
}
