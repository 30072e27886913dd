// The main window's commands open the maintenance windows.
#include "fake_rating.h"
#include "maintenance_fixture.h"

#include "main_window.h"
#include "maintenance_windows.h"
#include "model_list.h"
#include "select_dxf.h"
#include "version_form.h"

#include "gui/child_frame.h"
#include "gui/mdi_frame.h"

#include <QAction>
#include <QMdiSubWindow>

using namespace quellmar::maintenance;

namespace {

class Routes : public MaintenanceTest {
protected:
    Routes() {
        RegisterMaintenanceWindows();
        main.show();
    }
    ~Routes() override {
        main.Area()->closeAllSubWindows();
        Settle();
        quellmar::shell::ChildWindows() = {};
    }
    QWidget* Active() const { return gui::ActiveChild(); }

    FakeAirEngine engine;
    quellmar::shell::frmQuellmar main;
};

}  // namespace

TEST_F(Routes, TheModelsMenuOpensTheListsAndTheVersionEditor) {
    main.MenuItem("mnuAirDev")->trigger();
    Settle();
    auto* air = qobject_cast<frmSelectEdit*>(Active());
    ASSERT_NE(air, nullptr);
    EXPECT_EQ(air->windowTitle(), "Air-Cooled Models");
    main.MenuItem("mnuMobileDev")->trigger();
    Settle();
    ASSERT_NE(qobject_cast<frmSelectEdit*>(Active()), nullptr);
    EXPECT_EQ(Active()->windowTitle(), "Mobile Models");
    main.MenuItem("mnuWaterDev")->trigger();
    Settle();
    ASSERT_NE(qobject_cast<frmSelectEditWater*>(Active()), nullptr);
    main.MenuItem("mnuVersion")->trigger();
    Settle();
    ASSERT_NE(qobject_cast<frmVersion*>(Active()), nullptr);
}

TEST_F(Routes, TheDrawingsCommandAndToolbarButtonOpenABrowserEach) {
    main.MenuItem("mnuEditAllDrawings")->trigger();
    main.ToolbarButton("dxf")->trigger();
    Settle();
    int browsers = 0;
    for (QMdiSubWindow* child : main.Area()->subWindowList())
        if (qobject_cast<frmSelectDxf*>(child->widget())) ++browsers;
    EXPECT_EQ(browsers, 2);
}

TEST_F(Routes, AListIsCentredInTheClientAreaAndAnEditorStartsAtItsTop) {
    main.resize(1200, 900);
    main.MenuItem("mnuAirDev")->trigger();
    Settle();
    auto* list = qobject_cast<frmSelectEdit*>(Active());
    ASSERT_NE(list, nullptr);
    const QMdiSubWindow* frame = gui::ChildFrame(*list);
    const QSize area = main.Area()->viewport()->size();
    EXPECT_NEAR(frame->x(), (area.width() - frame->width()) / 2, 1);
    EXPECT_NEAR(frame->y(), (area.height() - frame->height()) / 2, 1);
    list->cmdEdit_Click();
    Settle();
    EXPECT_EQ(gui::ChildFrame(*Active())->y(), 0);
}
