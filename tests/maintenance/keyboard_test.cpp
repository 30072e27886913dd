// The maintenance windows by the keyboard: Tab goes round each of them, and their own letters
// come before the main window's menus.
#include "maintenance_fixture.h"
#include "tab_round.h"

#include "data_grid.h"
#include "model_editor.h"
#include "model_list.h"
#include "new_model_form.h"
#include "select_dxf.h"
#include "version_form.h"
#include "water_correction.h"

#include "gui/desktop_keyboard.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

using namespace quellmar::maintenance;

namespace {

class MaintenanceKeyboard : public MaintenanceTest {
protected:
    template <typename Window>
    Window* Opened(Window* window) {
        Show(window);
        QApplication::processEvents();
        return window;
    }
    frmSelectEdit* List(Family family) {
        auto* list = new frmSelectEdit;
        list->Initialise(family);
        return Opened(list);
    }
    template <typename Editor>
    Editor* Editing(qint64 id, EditorMode mode) {
        auto* editor = new Editor;
        editor->Initialise(id, mode, nullptr);
        return Opened(editor);
    }
    template <typename Form>
    Form* Adding(qint64 templateId) {
        auto* form = new Form;
        form->SetTemplateID(templateId, nullptr);
        return Opened(form);
    }
};

}  // namespace

TEST_F(MaintenanceKeyboard, TabGoesRoundEveryMaintenanceWindowAndShiftTabWalksItBackWhateverIsChosen) {
    // Each window as it opens, and the control that has the focus then.
    struct Opening {
        std::string name;
        std::function<QWidget*()> open;
        QString firstControl;
    };
    const std::vector<Opening> windows = {
        {"air list", [this] { return List(Family::Air); }, "List1"},
        {"mobile list", [this] { return List(Family::Mobile); }, "List1"},
        {"water list", [this] { return Opened(new frmSelectEditWater); }, "List1"},
        {"drawings", [this] { return Opened(new frmSelectDxf); }, "List1"},
        {"version", [this] { return Opened(new frmVersion); }, "txtVersion"},
        {"air view", [this] { return Editing<frmEditAir>(1, EditorMode::View); }, "txtName"},
        {"air edit", [this] { return Editing<frmEditAir>(1, EditorMode::Edit); }, "txtName"},
        {"mobile edit", [this] { return Editing<frmEditMobile>(3, EditorMode::Edit); }, "txtName"},
        {"water edit", [this] { return Editing<frmEditWater>(4, EditorMode::Edit); }, "txtName"},
        {"new air", [this] { return Adding<frmAddAir>(1); }, "txtName"},
        {"new mobile", [this] { return Adding<frmAddMobile>(3); }, "txtName"},
        {"new water", [this] { return Adding<frmAddWater>(4); }, "txtName"},
        {"corrections",
         [this] {
             auto* window = new frmWaterCorrection;
             window->Initialise(4, EditorMode::Edit, nullptr);
             return Opened(window);
         },
         "txtName"},
    };
    for (const Opening& opening : windows) {
        SCOPED_TRACE(opening.name);
        QWidget* window = opening.open();
        ASSERT_TRUE(window);
        ASSERT_TRUE(QApplication::focusWidget());
        EXPECT_EQ(QApplication::focusWidget()->objectName(), opening.firstControl);
        quellmar::test::ForEachChoice(*window, [&] {
            gui::FirstControl(*window)->setFocus();
            EXPECT_TRUE(quellmar::test::TabGoesRound());
        });
        area->closeAllSubWindows();
        Settle();
    }
}

// Tab from the model's name walks the tables' boxes before OK and Cancel, so that Enter after a Tab
// from the name never saves before a box was reached.
TEST_F(MaintenanceKeyboard, TheCorrectionEditorsBoxesComeBeforeOKAndCancelInTheTabOrder) {
    auto* window = new frmWaterCorrection;
    window->Initialise(4, EditorMode::Edit, nullptr);
    Opened(window);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "txtName");
    const std::vector<QWidget*> stops = quellmar::test::Walk(Qt::Key_Tab, 8 + 6 + 48 + 8 + 6 + 48 + 3);
    ASSERT_EQ(stops.size(), 8u + 6 + 48 + 8 + 6 + 48 + 3);
    EXPECT_EQ(stops.front()->objectName().toStdString(), "txtHTOil(0)") << quellmar::test::Names(stops);
    EXPECT_EQ(stops[stops.size() - 4]->objectName().toStdString(), "txtPDCorrection(47)");
    EXPECT_EQ(stops[stops.size() - 3]->objectName().toStdString(), "cmdOK");
    EXPECT_EQ(stops[stops.size() - 2]->objectName().toStdString(), "cmdCancel");
    EXPECT_EQ(stops.back()->objectName().toStdString(), "txtName");
}

TEST_F(MaintenanceKeyboard, AltAndALetterPressesTheListsOwnButtonBeforeTheMainWindowsMenu) {
    QMenu* edit = frame.menuBar()->addMenu("&Edit");
    frmSelectEdit* list = List(Family::Air);
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    Settle();
    EXPECT_FALSE(edit->isVisible());
    auto* editor = Newest<frmEditAir>();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->windowTitle(), "Edit Air-Cooled Model");
    EXPECT_FALSE(list->FormVisible());
}

TEST_F(MaintenanceKeyboard, TabLeavesAGridAndKeepsWhatWasTypedInItsCell) {
    auto* editor = Editing<frmEditAir>(1, EditorMode::Edit);
    DataGrid* grid = editor->DBGrid1();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::keyClick(grid, Qt::Key_0);  // typing opens the cell
    QTest::keyClicks(QApplication::focusWidget(), ".75");
    ASSERT_TRUE(grid->indexWidget(grid->currentIndex())) << "the cell is being typed into";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), editor->DBGrid2());
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), "0.75");
    // Arrows move between the cells; Shift+Tab from a cell being typed into goes back.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    editor->DBGrid2()->setFocus();
    QTest::keyClicks(editor->DBGrid2(), "2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), grid);
}
