// The main window's commands open the maintenance windows.
#include "fake_rating.h"
#include "maintenance_fixture.h"

#include "main_window.h"
#include "maintenance_windows.h"
#include "model_editor.h"
#include "model_list.h"
#include "new_model_form.h"
#include "select_dxf.h"
#include "version_form.h"
#include "water_correction.h"

#include "gui/child_frame.h"
#include "gui/mdi_frame.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPushButton>

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

TEST_F(Routes, EveryMaintenanceWindowOpensWithItsCommandButtonsInsideTheMainWindowAtItsFirstSize) {
    const auto expectButtonsInside = [this](MaintenanceForm* window) {
        Show(window);
        SCOPED_TRACE(window->objectName().toStdString());
        const QWidget* viewport = main.Area()->viewport();
        const QRect visible(QPoint(0, 0), viewport->size());
        const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
        EXPECT_FALSE(buttons.isEmpty());
        for (const QPushButton* button : buttons) {
            if (!button->isVisibleTo(window)) continue;
            const QRect place(button->mapTo(viewport, QPoint(0, 0)), button->size());
            EXPECT_TRUE(visible.contains(place)) << button->objectName().toStdString() << " lies at " << place.x() << ","
                                                 << place.y() << " " << place.width() << "x" << place.height() << " of "
                                                 << visible.width() << "x" << visible.height();
        }
        window->Unload();
        Settle();
    };
    const auto editor = [](ModelEditor* window, qint64 id, EditorMode mode) {
        window->Initialise(id, mode, nullptr);
        return window;
    };
    const auto adding = [](NewModelForm* form, qint64 templateId) {
        form->SetTemplateID(templateId, nullptr);
        return form;
    };
    auto* air = new frmSelectEdit;
    air->Initialise(Family::Air);
    expectButtonsInside(air);
    expectButtonsInside(new frmSelectEditWater);
    expectButtonsInside(new frmSelectDxf);
    expectButtonsInside(new frmVersion);
    expectButtonsInside(editor(new frmEditAir, 1, EditorMode::Edit));
    expectButtonsInside(editor(new frmEditMobile, 3, EditorMode::View));
    expectButtonsInside(editor(new frmEditWater, 4, EditorMode::Edit));
    expectButtonsInside(adding(new frmAddAir, 1));
    expectButtonsInside(adding(new frmAddMobile, 3));
    expectButtonsInside(adding(new frmAddWater, 4));
    auto* corrections = new frmWaterCorrection;
    corrections->Initialise(4, EditorMode::Edit, nullptr);
    expectButtonsInside(corrections);
}
