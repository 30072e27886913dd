// Saves pictures of the main window with each selection document (input and results tabs; the
// air-cooled results also with a red warning; every family with the longest texts its results can
// get) and of each dialog, for reviewers.
// Usage: shell_screenshots <output folder>.
#include "about_box.h"
#include "air_selection.h"
#include "customer_dialog.h"
#include "longest_texts.h"
#include "main_window.h"
#include "mobile_selection.h"
#include "program_services.h"
#include "question_dialog.h"
#include "select_type_dialog.h"
#include "water_selection.h"

#include "doubles/scripted_dialogs.h"
#include "gui/dialog_service.h"
#include "gui/option_group.h"
#include "vb/program_folder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <utility>
#include <vector>

using namespace quellmar::shell;

namespace {

QString folder;
bool failed = false;

void Save(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    const QString path = folder + "/" + name + ".png";
    if (!widget.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
        failed = true;
        return;
    }
    std::cout << path.toStdString() << "\n";
}

void Type(SelectionDocument& document, const char* box, const QString& text) { document.TextBox(box)->setText(text); }

// A document of a family shown alone in the main window, with a duty typed, on its input tab and
// after its search.
void SaveDocument(QMdiArea& area, SelectionDocument* document, const std::vector<std::pair<const char*, QString>>& duty,
                  const QString& name, const std::vector<std::pair<const char*, int>>& options = {}) {
    ShowDocument(document);
    for (const auto& [group, index] : options) document->Options(group)->SetValue(index, true);
    for (const auto& [box, text] : duty) Type(*document, box, text);
    Save(*area.window(), name + "-input");
    document->findChild<QPushButton*>("cmdOK")->click();
    Save(*area.window(), name + "-results");
    document->IsDirty(false);
    document->parentWidget()->close();
    QApplication::processEvents();
}

// A document of a family with the longest texts its results can get, every warning shown.
void SaveLongestResults(QMdiArea& area, SelectionDocument* document, const QString& name) {
    ShowDocument(document);
    document->SetTab(1);
    document->findChild<QWidget*>("Picture2")->show();
    const std::map<QString, QString> longest = LongestTexts();
    for (QLabel* label : document->SSTab1()->widget(1)->findChildren<QLabel*>(QRegularExpression("^lbl"))) {
        const auto text = longest.find(label->objectName());
        if (text == longest.end() || label->objectName() == "lblErrorMsg") continue;
        label->setText(text->second);
        label->show();
    }
    Save(*area.window(), name + "-results-longest");
    document->IsDirty(false);
    document->parentWidget()->close();
    QApplication::processEvents();
}

void SaveDialog(QDialog& dialog, const QString& name) {
    dialog.show();
    Save(dialog, name);
    dialog.hide();
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: shell_screenshots <output folder>\n";
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    vb::SetProgramFolder(QUELLMAR_PROGRAM_DIR);
    RegisterProgramServices();
    auto* dialogs = new gui::ScriptedDialogs;
    gui::InstallDialogs(std::unique_ptr<gui::DialogService>(dialogs));

    frmQuellmar frame;
    frame.show();
    auto* document = new frmAirSelection;
    ShowDocument(document);
    Type(*document, "txtHeatLoad", "20");
    Type(*document, "txtOilFlow", "60");
    Type(*document, "txtAirTemp", "30");
    Type(*document, "txtOilTemp", "60");
    Save(frame, "main-air-input");

    document->findChild<QPushButton*>("cmdOK")->click();
    Save(frame, "main-air-results");

    // The smallest suitable model is too small for the duty: its margin shows red.
    dialogs->QueueModal([](QDialog& dialog) {
        dialog.findChild<QListWidget*>("List1")->setCurrentRow(0);
        Save(dialog, "frmOtherModels");
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    document->SelectOtherCooler();
    Save(frame, "main-air-results-red");

    document->IsDirty(false);
    document->parentWidget()->close();
    QApplication::processEvents();
    SaveDocument(*frame.Area(), new frmWaterSelection,
                 {{"txtHeatLoad", "50"}, {"txtOilFlow", "100"}, {"txtWaterFlow", "60"}, {"txtWaterTemp", "25"},
                  {"txtOilTemp", "55"}},
                 "main-water");
    SaveDocument(*frame.Area(), new frmMobileSelection,
                 {{"txtHeatLoad", "10"}, {"txtOilFlow", "40"}, {"txtAirTemp", "30"}, {"txtOilTemp", "65"}},
                 "main-mobile");
    // A duty no cooler can meet, and a large cooler warming thick oil in freezing air to its operating point.
    SaveDocument(*frame.Area(), new frmAirSelection,
                 {{"txtHeatLoad", "97.9"}, {"txtOilFlow", "48.2"}, {"txtAirTemp", "20"}, {"txtOilTemp", "69"}},
                 "main-air-beyond-reach");
    SaveDocument(*frame.Area(), new frmMobileSelection,
                 {{"txtHeatLoad", "24.4"}, {"txtOilFlow", "85"}, {"txtAirTemp", "0"}, {"txtOilTemp", "80"},
                  {"txtAirFaceV", "6"}},
                 "main-mobile-cold-thick-oil", {{"optViscosity", 9}});

    SaveLongestResults(*frame.Area(), new frmAirSelection, "main-air");
    SaveLongestResults(*frame.Area(), new frmWaterSelection, "main-water");
    SaveLongestResults(*frame.Area(), new frmMobileSelection, "main-mobile");

    SelectTypeDialog chooser(&frame);
    SaveDialog(chooser, "frmSelectType");
    CustomerDialog customer(&frame);
    customer.FillValues(vb::DateSerial(2004, 2, 29), "Hydraulik Werke, Ltd", "12 Mill Lane, Lowtown", "J. Smith",
                        "Q-2004-117", "A. Engineer");
    SaveDialog(customer, "frmCustomer");
    std::unique_ptr<QuestionDialog> changed(QuestionDialog::NewQuoteChanged(&frame));
    SaveDialog(*changed, "frmQuoteChanged");
    std::unique_ptr<QuestionDialog> exists(QuestionDialog::NewFileExists(&frame));
    SaveDialog(*exists, "frmFileExists");
    frmHelpAbout about(&frame);
    SaveDialog(about, "frmHelpAbout");

    for (const gui::ShownDialog& shown : dialogs->Messages())
        std::cerr << "message: " << shown.title.toStdString() << ": " << shown.text.toStdString() << "\n";
    return failed ? 1 : 0;
}
