#pragma once

// The program as a user meets it: the main window over the bundled sample database, with the
// documents of every family and the rating engine behind them.
#include "child_windows.h"
#include "main_window.h"
#include "program_services.h"
#include "rating_object.h"
#include "selection_document.h"
#include "shell_fixture.h"
#include "temp_folder.h"
#include "test_database.h"

#include "gui/mdi_frame.h"
#include "gui/option_group.h"
#include "vb/program_folder.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <string>
#include <utility>
#include <vector>

// A selection as a user types it: the New menu item, the options chosen, the texts of the boxes.
struct TypedSelection {
    const char* family;  // for test names and files
    const char* menu;
    std::vector<std::pair<const char*, int>> options;
    std::vector<std::pair<const char*, QString>> boxes;
};

// A duty of each family that selects a cooler of the sample database, typed in options other
// than the documents' defaults wherever the family has them.
inline const TypedSelection kAirSelection{"air",
                                          "mnuAir",
                                          {{"optHeatUnits", 5},
                                           {"optFlowRate", 2},
                                           {"optTempUnits", 1},
                                           {"optViscosity", 4},
                                           {"optMotor", 1},
                                           {"optProduct", 0}},
                                          {{"txtHeatLoad", "68000"},
                                           {"txtOilFlow", "16"},
                                           {"txtAirTemp", "86"},
                                           {"txtOilTemp", "140"}}};
inline const TypedSelection kWaterSelection{"water",
                                            "mnuWater",
                                            {{"optFlowRate", 2}, {"optTempUnits", 1}, {"optViscosity", 4}, {"optSeries", 2}},
                                            {{"txtHeatLoad", "50"},
                                             {"txtOilFlow", "26.4"},
                                             {"txtWaterFlow", "15.9"},
                                             {"txtWaterTemp", "77"},
                                             {"txtOilTemp", "131"}}};
inline const TypedSelection kMobileSelection{"mobile",
                                             "mnuMobile",
                                             {{"optHeatUnits", 0}, {"optViscosity", 6}},
                                             {{"txtHeatLoad", "10"},
                                              {"txtOilFlow", "40"},
                                              {"txtAirTemp", "30"},
                                              {"txtOilTemp", "65"},
                                              {"txtAirFaceV", "4.8"}}};

// The customer of every selection: commas and letters beyond ASCII in the texts.
inline const QString kCompany = QString::fromUtf8("Société Lyonnaise, Fils");

class ProgramTest : public ShellTest {
protected:
    ProgramTest() : database(quellmar::data::Contents::Full) {
        vb::SetProgramFolder(database.Folder());
        quellmar::shell::RegisterProgramServices();
        frame.show();
        frame.activateWindow();
    }
    ~ProgramTest() override {
        // Nothing asks about unsaved changes when the main window goes.
        for (QMdiSubWindow* child : frame.Area()->subWindowList())
            if (auto* document = qobject_cast<quellmar::shell::SelectionDocument*>(child->widget()))
                document->IsDirty(false);
        quellmar::shell::AirRatingMaker() = nullptr;
        quellmar::shell::MobileRatingMaker() = nullptr;
        quellmar::shell::WaterRatingMaker() = nullptr;
        quellmar::shell::ChildWindows().waterSelection = nullptr;
        quellmar::shell::ChildWindows().mobileSelection = nullptr;
        vb::SetProgramFolder({});
    }

    void Menu(const char* name) { frame.MenuItem(name)->trigger(); }
    QString Path(const std::string& name) const { return QString::fromStdString((folder / name).string()); }
    quellmar::shell::SelectionDocument* Active() const {
        return qobject_cast<quellmar::shell::SelectionDocument*>(gui::ActiveChild());
    }
    // The child windows of that form name.
    int Children(const QString& formName) const {
        int count = 0;
        for (QMdiSubWindow* child : frame.Area()->subWindowList())
            if (child->widget() && child->widget()->objectName() == formName) ++count;
        return count;
    }
    int Documents() const {
        int count = 0;
        for (QMdiSubWindow* child : frame.Area()->subWindowList())
            if (qobject_cast<quellmar::shell::SelectionDocument*>(child->widget())) ++count;
        return count;
    }
    static void Settle() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    // A new document of the selection's family, typed in, given the customer and searched.
    quellmar::shell::SelectionDocument* Searched(const TypedSelection& selection) {
        Menu(selection.menu);
        quellmar::shell::SelectionDocument* document = Active();
        for (const auto& [group, index] : selection.options) document->Options(group)->SetValue(index, true);
        for (const auto& [box, text] : selection.boxes) document->TextBox(box)->setText(text);
        document->SetCustomerDetails(vb::DateSerial(2004, 2, 29), kCompany, "12 Quai, Lyon", "M. Dupont", "RFQ 7/3",
                                     "Ann");
        document->FindSuitableCooler();
        return document;
    }

    quellmar::test::TestDatabase database;
    quellmar::test::TempFolder folder;
    quellmar::shell::frmQuellmar frame;
};
