#include "about_box.h"
#include "air_selection.h"
#include "child_windows.h"
#include "fake_rating.h"
#include "main_window.h"
#include "mobile_selection.h"
#include "shell_fixture.h"
#include "stand_in_windows.h"
#include "temp_folder.h"
#include "test_database.h"
#include "water_selection.h"

#include "gui/mdi_frame.h"
#include "vb/program_folder.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>

#include <fstream>

using namespace quellmar::shell;
using gui::ScriptedDialogs;

namespace {

class MainWindow : public ShellTest {
protected:
    MainWindow() {
        frame.show();
        frame.activateWindow();
    }
    ~MainWindow() override {
        for (QMdiSubWindow* child : frame.Area()->subWindowList())
            if (auto* document = qobject_cast<SelectionDocument*>(child->widget())) document->IsDirty(false);
        vb::SetProgramFolder({});
    }

    void Menu(const char* name) { frame.MenuItem(name)->trigger(); }
    void Button(const char* key) { frame.ToolbarButton(key)->trigger(); }
    int Children() const {
        int count = 0;
        for (QMdiSubWindow* child : frame.Area()->subWindowList())
            if (!child->isHidden()) ++count;
        return count;
    }
    frmAirSelection* NewAir() {
        Menu("mnuAir");
        return qobject_cast<frmAirSelection*>(gui::ActiveChild());
    }
    frmAirSelection* SearchedAir() {
        frmAirSelection* document = NewAir();
        document->TextBox("txtHeatLoad")->setText("20");
        document->TextBox("txtOilFlow")->setText("60");
        document->TextBox("txtAirTemp")->setText("30");
        document->TextBox("txtOilTemp")->setText("60");
        document->FindSuitableCooler();
        return document;
    }

    // The type chooser answers with the button of a family.
    static ScriptedDialogs::ModalAction ChooseType(int type) {
        return [type](QDialog& dialog) {
            dialog.findChild<QWidget*>(QString("optType(%1)").arg(type))->setProperty("checked", true);
            ScriptedDialogs::Click("cmdOK")(dialog);
        };
    }

    FakeAirEngine engine;
    StandInWindows windows;
    frmQuellmar frame;
};

}  // namespace

TEST_F(MainWindow, StartsAtTheTopLeftWithItsMenusAndToolbar) {
    EXPECT_EQ(frame.windowTitle(), "QUELLMAR Heat Exchangers");
    EXPECT_EQ(frame.pos(), QPoint(0, 0));
    EXPECT_FALSE(frame.MenuItem("mnuModels")->isVisible());
    EXPECT_TRUE(frame.MenuItem("mnuFile")->isVisible());
    EXPECT_EQ(frame.MenuItem("mnuExit")->text(), "E&xit          Alt+F4");
    EXPECT_TRUE(frame.MenuItem("mnuExit")->shortcut().isEmpty());
    std::vector<QString> keys, tips;
    int separators = 0;
    for (QAction* action : frame.Toolbar1()->actions()) {
        if (action->isSeparator()) {
            ++separators;
            continue;
        }
        keys.push_back(action->data().toString());
        tips.push_back(action->toolTip());
        EXPECT_FALSE(action->icon().isNull());
    }
    const std::vector<QString> expected = {"new",    "open",  "save", "select", "customer", "size",   "deltap",
                                           "price",  "noise", "dxf",  "print",  "preview",  "help"};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(separators, 5);
    EXPECT_EQ(tips[0], "New document");
    EXPECT_EQ(tips[6], "Sort by pressure drop");
    EXPECT_EQ(tips[10], "Print current document");
}

TEST_F(MainWindow, WithNoChildOnlyTheToolbarsSelectOpensADocument) {
    for (const char* item : {"mnuEditSelect", "mnuPreview", "mnuPrint", "mnuEditCustomer", "mnuEditPerformance",
                             "mnuEditDrawing", "mnuSave", "mnuSaveAs"})
        Menu(item);
    for (const char* key : {"save", "size", "customer", "preview", "print"}) Button(key);
    EXPECT_EQ(Children(), 0);
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_TRUE(windows.log->calls.empty());
    Button("select");
    EXPECT_EQ(Children(), 1);
    EXPECT_EQ(gui::FormName(gui::ActiveChild()), "frmAirSelection");
}

TEST_F(MainWindow, WithADrawingWindowToolbarPrintPrintsIt) {
    auto* drawing = new StandInDrawingWindow(windows.log);
    gui::ShowMdiChild(drawing);
    Menu("mnuPrint");
    EXPECT_TRUE(windows.log->calls.empty());
    Button("print");
    EXPECT_EQ(windows.log->calls, std::vector<std::string>{"PrintDrawing"});
    Menu("mnuEditSelect");
    EXPECT_EQ(gui::FormName(gui::ActiveChild()), "frmAirSelection");
    EXPECT_EQ(Children(), 2);
}

TEST_F(MainWindow, OnTheInputTabTheMenuActsAndTheToolbarDoesNot) {
    frmAirSelection* document = NewAir();
    for (const char* key : {"save", "preview", "print", "customer", "size", "select"}) Button(key);
    for (const char* item : {"mnuEditPerformance", "mnuEditPressure", "mnuEditCost", "mnuEditNoise", "mnuEditDrawing"})
        Menu(item);
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_TRUE(windows.log->calls.empty());
    EXPECT_EQ(document->Tab(), 0);

    Menu("mnuPreview");
    // The preview is the active child now; the document becomes active again.
    frame.Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(document->parentWidget()));
    Menu("mnuPrint");
    const std::vector<std::string> expected = {"SetPrintDetails  0 1 2", "SetPrintDetails  0 1 1", "PrintIt"};
    EXPECT_EQ(windows.log->calls, expected);
    EXPECT_EQ(Children(), 2);
    // Save on a document never saved asks for a name.
    Menu("mnuSave");
    ASSERT_EQ(Dialogs().Shown().size(), 1u);
    EXPECT_EQ(Dialogs().Shown()[0].kind, gui::ShownDialog::Kind::Save);
    EXPECT_EQ(Dialogs().Shown()[0].text, "QUO Files (*.quo)|*.quo|All Files (*.*)|*.*");
    EXPECT_TRUE(document->SavedFileName().isEmpty());
}

TEST_F(MainWindow, OnTheResultsTabTheToolbarReachesTheDocument) {
    engine.values->suitable = {{"QA 55 AC", 7, 0.75, 0}};
    frmAirSelection* document = SearchedAir();
    ASSERT_EQ(document->Tab(), 1);
    Button("size");
    Button("customer");
    const std::vector<QString> expected = {"frmOtherModels", "frmCustomer"};
    EXPECT_EQ(Dialogs().ModalNames(), expected);
    Menu("mnuEditDrawing");
    EXPECT_EQ(Dialogs().MessageTexts().size(), 1u);
    Button("select");
    EXPECT_EQ(document->Tab(), 0);
    document->SetTab(1);
    Menu("mnuEditSelect");
    EXPECT_EQ(document->Tab(), 0);
}

TEST_F(MainWindow, ModelDrawingOpensTheDrawingWindowAndRemovesTheFile) {
    quellmar::test::TempFolder folder;
    vb::SetProgramFolder(folder.Path());
    engine.values->dxf = "0\r\nSECTION\r\n0\r\nEOF";
    SearchedAir();
    Menu("mnuEditDrawing");
    const std::vector<std::string> expected = {"SetFileName", "Caption=QA 55 AC", "Show"};
    EXPECT_EQ(windows.log->calls, expected);
    EXPECT_EQ(windows.log->fileTextAtCaption, "0\r\nSECTION\r\n0\r\nEOF\r\n");
    EXPECT_TRUE(windows.log->fileName.startsWith(QString::fromStdString(folder.Path().string())));
    EXPECT_FALSE(QFile::exists(windows.log->fileName));
    EXPECT_EQ(gui::FormName(gui::ActiveChild()), "frmDXF");
}

TEST_F(MainWindow, ToolbarNewAsksTheTypeAndCancelCreatesNothing) {
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdCancel"));
    Button("new");
    EXPECT_EQ(Children(), 0);
    Dialogs().QueueModal(ScriptedDialogs::CloseByFrame());
    Button("new");
    EXPECT_EQ(Children(), 0);
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdOK"));
    Button("new");
    EXPECT_EQ(Children(), 1);
    // A family whose document has not been registered opens nothing.
    Dialogs().QueueModal(ChooseType(1));
    Button("new");
    EXPECT_EQ(Children(), 1);
    EXPECT_EQ(Dialogs().ModalNames().size(), 4u);
}

TEST_F(MainWindow, WaterAndMobileDocumentsOpenFromTheMenuAndTheTypeChooser) {
    FakeWaterEngine water;
    FakeMobileEngine mobile;
    ChildWindows().waterSelection = [] { return new frmWaterSelection; };
    ChildWindows().mobileSelection = [] { return new frmMobileSelection; };
    Menu("mnuWater");
    EXPECT_EQ(gui::FormName(gui::ActiveChild()), "frmWaterSelection");
    Menu("mnuMobile");
    EXPECT_EQ(gui::FormName(gui::ActiveChild()), "frmMobileSelection");
    Dialogs().QueueModal(ChooseType(1));
    Button("new");
    EXPECT_EQ(gui::FormName(gui::ActiveChild()), "frmWaterSelection");
    Dialogs().QueueModal(ChooseType(2));
    Button("new");
    EXPECT_EQ(gui::FormName(gui::ActiveChild()), "frmMobileSelection");
    EXPECT_EQ(Children(), 4);
    EXPECT_EQ(*water.made, 2);
    EXPECT_EQ(*mobile.made, 2);
    // Every document fits the main window's area.
    for (QMdiSubWindow* child : frame.Area()->subWindowList()) {
        EXPECT_EQ(child->pos(), QPoint(child->x(), 0));
        EXPECT_GE(child->x(), 0) << gui::FormName(child->widget()).toStdString();
        EXPECT_LE(child->minimumSizeHint().width(), frame.Area()->viewport()->width());
    }

    // The sort commands of the results tab reach the mobile document, which refuses them.
    auto* document = qobject_cast<SelectionDocument*>(gui::ActiveChild());
    document->SetTab(1);
    Button("deltap");
    Menu("mnuEditNoise");
    const std::vector<QString> expected = {"Pressure Drop sort not available for mobile models.",
                                           "Noise sort not available for mobile models."};
    EXPECT_EQ(Dialogs().MessageTexts(), expected);
    Menu("mnuPreview");
    EXPECT_EQ(windows.log->calls, std::vector<std::string>{"SetPrintDetails  0 2 2"});
    for (QMdiSubWindow* child : frame.Area()->subWindowList())
        if (auto* open = qobject_cast<SelectionDocument*>(child->widget())) open->IsDirty(false);
    frame.Area()->closeAllSubWindows();
    ChildWindows().waterSelection = nullptr;
    ChildWindows().mobileSelection = nullptr;
}

TEST_F(MainWindow, FileNewThreeTimesOpensThreeDocuments) {
    for (int i = 0; i < 3; ++i) Menu("mnuAir");
    EXPECT_EQ(Children(), 3);
    EXPECT_EQ(*engine.made, 3);
    for (QMdiSubWindow* child : frame.Area()->subWindowList()) EXPECT_EQ(child->y(), 0);
}

TEST_F(MainWindow, HelpOpensTheProgramsPageOrSaysItIsMissing) {
    quellmar::test::TempFolder folder;
    vb::SetProgramFolder(folder.Path());
    Menu("mnuContents");
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.contains("Mainhelp.html"));
    std::ofstream(folder / "Mainhelp.html") << "<html></html>";
    Dialogs().Clear();
    Button("help");
    ASSERT_EQ(Dialogs().Shown().size(), 1u);
    EXPECT_EQ(Dialogs().Shown()[0].kind, gui::ShownDialog::Kind::Browser);
    EXPECT_EQ(Dialogs().Shown()[0].text, QString::fromStdString((folder / "Mainhelp.html").string()));
}

TEST_F(MainWindow, AboutShowsTheDatabaseVersionEachTime) {
    quellmar::test::TestDatabase database;
    vb::SetProgramFolder(database.Folder());
    database.Exec("UPDATE dbAttributes SET vcValue = '2.1' WHERE vcAttribute = 'version'");
    QString first, second;
    Dialogs().QueueModal(ScriptedDialogs::Then(
        [&](QDialog& dialog) { first = dialog.findChild<QLabel*>("Label1")->text(); }, "cmdOK"));
    Menu("mnuHlpAboout");
    database.Exec("UPDATE dbAttributes SET vcValue = '2.2' WHERE vcAttribute = 'version'");
    Dialogs().QueueModal(ScriptedDialogs::Then(
        [&](QDialog& dialog) { second = dialog.findChild<QLabel*>("Label1")->text(); }, "cmdOK"));
    Menu("mnuHlpAboout");
    EXPECT_EQ(first, "Quellmar Heat Exchangers\nVersion: 2.1");
    EXPECT_EQ(second, "Quellmar Heat Exchangers\nVersion: 2.2");
    EXPECT_FALSE(Dialogs().Shown()[0].closedByFrame);
}

TEST_F(MainWindow, AboutSaysTheVersionIsUnavailableWithoutADatabase) {
    quellmar::test::TempFolder folder;
    vb::SetProgramFolder(folder.Path());
    frmHelpAbout about(&frame);
    EXPECT_EQ(about.findChild<QLabel*>("Label1")->text(), "Quellmar Heat Exchangers\nVersion: unavailable");
    const int inner = about.width();
    for (const char* name : {"Label1", "Label2", "Label3"})
        EXPECT_EQ(about.findChild<QLabel*>(name)->width(), inner - 4) << name;
    EXPECT_FALSE(QFile::exists(QString::fromStdString((folder / "quellmar.mdb").string())));
}
