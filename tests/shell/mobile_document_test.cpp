#include "document_fixture.h"
#include "mobile_selection.h"
#include "stand_in_windows.h"

#include "gui/option_group.h"

#include <QDialog>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using namespace quellmar::shell;
using gui::ScriptedDialogs;

namespace {

class MobileDocument : public DocumentTest<frmMobileSelection, FakeMobileEngine> {
protected:
    void Duty(const QString& heat, const QString& flow, const QString& air, const QString& oil, const QString& face) {
        Type("txtHeatLoad", heat);
        Type("txtOilFlow", flow);
        Type("txtAirTemp", air);
        Type("txtOilTemp", oil);
        Type("txtAirFaceV", face);
    }
    void TypicalSearch() {
        Duty("20", "60", "30", "60", "5.55");
        PressOK();
    }
};

const QString kFaceVelocity = "Air face velocity must be numeric.";

}  // namespace

TEST_F(MobileDocument, NewDocumentIsCleanWithTheFaceVelocityAndNoMotorOrRange) {
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(document->windowTitle(), "Input Mobile-Cooled Selection Parameters");
    for (const char* box : {"txtHeatLoad", "txtOilFlow", "txtAirTemp", "txtOilTemp"})
        EXPECT_EQ(document->TextBox(box)->text(), "0.0") << box;
    EXPECT_EQ(document->TextBox("txtAirFaceV")->text(), "5.55");
    EXPECT_TRUE(document->Options("optViscosity")->Value(5));
    for (const char* group : {"optHeatUnits", "optFlowRate", "optTempUnits"})
        EXPECT_TRUE(document->Options(group)->Value(0)) << group;
    EXPECT_EQ(document->Options("optMotor"), nullptr);
    EXPECT_EQ(document->Options("optProduct"), nullptr);
    EXPECT_EQ(document->Label("lblProductRange"), nullptr);
    EXPECT_EQ(document->Label("lblMotorType"), nullptr);
    EXPECT_EQ(*engine.made, 1);
    EXPECT_EQ(document->PageFamily(), 2);
}

TEST_F(MobileDocument, SearchHandsTheFaceVelocityAfterTheDutyAsTyped) {
    document->Options("optHeatUnits")->Button(3)->click();
    Duty("1137", "60", "30", "60", "-1");
    PressOK();
    const std::vector<std::string> expected = {"new",         "HeatUnits=3",     "OilFlowUnits=0",    "TempUnits=0",
                                               "AirTemp=30",  "HeatLoad=1137",   "InletTemp=60",      "OilFlow=60",
                                               "AirFaceVelocity=-1", "Viscosity=5", "FindCooler",     "Recalculate"};
    EXPECT_EQ(*engine.calls, expected);
    EXPECT_EQ(document->windowTitle(), "Mobile Heat Exchanger Selection");
    EXPECT_EQ(document->Tab(), 1);
}

TEST_F(MobileDocument, AFaceVelocityThatIsNoNumberIsRefusedAndFocused) {
    for (const QString& face : {QString("fast"), QString()}) {
        Dialogs().Clear();
        Duty("20", "60", "30", "60", face);
        PressOK();
        ASSERT_EQ(Dialogs().Messages().size(), 1u);
        EXPECT_EQ(Dialogs().Messages()[0].text, kFaceVelocity);
        EXPECT_EQ(Dialogs().Messages()[0].title, "Error entering data.");
        EXPECT_EQ(document->focusWidget(), document->TextBox("txtAirFaceV"));
        EXPECT_EQ(document->TextBox("txtAirFaceV")->selectedText(), face);
    }
    EXPECT_TRUE(engine.calls->empty());
    EXPECT_EQ(*engine.made, 1);
    // A bad duty is reported first; the face velocity box gets no focus from it.
    Dialogs().Clear();
    Duty("20", "60", "warm", "60", "fast");
    PressOK();
    EXPECT_EQ(Dialogs().MessageTexts(), std::vector<QString>{kNumeric});
    EXPECT_EQ(document->focusWidget(), document->TextBox("txtAirTemp"));
}

TEST_F(MobileDocument, ChecksAndLimitsAreThoseOfTheAirCooledDocument) {
    Duty("0", "0", "30", "60", "5.55");
    PressOK();
    const std::vector<QString> positives = {"Heat load must be greater than zero.", "Oil flow must be greater than zero."};
    EXPECT_EQ(Dialogs().MessageTexts(), positives);

    Dialogs().Clear();
    Duty("20", "60", "-5", "130", "5.55");
    PressOK();
    ASSERT_EQ(Dialogs().Messages().size(), 2u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "Minimum ambient air temperature is 0" + kDeg +
                                                 "C.\r\nAir temperature has been reset to 0" + kDeg + "C.");
    EXPECT_TRUE(Called("AirTemp=0"));
    EXPECT_TRUE(Called("InletTemp=120"));

    // The oil clamped to 120 is not above an ambient of 120: refused, no search.
    Dialogs().Clear();
    engine.calls->clear();
    Duty("20", "60", "120", "130", "5.55");
    PressOK();
    ASSERT_EQ(Dialogs().Messages().size(), 2u);
    EXPECT_EQ(Dialogs().Messages()[1].text, "Ambient air temperature must be cooler than inlet oil temperature.");
    EXPECT_TRUE(engine.calls->empty());
}

TEST_F(MobileDocument, FaceVelocityShowsWithoutALeadingZero) {
    Duty("20", "60", "30", "60", "0.5");
    PressOK();
    EXPECT_EQ(Text("lblAirFaceV"), ".50 Metres/second");
    Type("txtAirFaceV", "5.55");
    PressOK();
    EXPECT_EQ(Text("lblAirFaceV"), "5.55 Metres/second");
}

TEST_F(MobileDocument, NoCoolerStillFillsEverySelectionParameter) {
    engine.values->outOfRange = true;
    engine.values->errorMessage = "OilFlow out of program range.";
    Duty("20", "60", "30", "60", "2");
    PressOK();
    EXPECT_FALSE(document->CoolerShown());
    EXPECT_EQ(Text("lblErrorMsg"), "OilFlow out of program range.");
    EXPECT_EQ(Text("lblAirFaceV"), "2.00 Metres/second");
    EXPECT_EQ(Text("lblDesiredInletC"), "60.0" + kDeg + "C");
    EXPECT_EQ(Text("lblAirTempF"), "86.0" + kDeg + "F");
    EXPECT_EQ(Text("lblHeatkW"), "20.00 kW");
    EXPECT_EQ(Text("lblOilFlowCI"), "3661 Cu Ins/min");
    EXPECT_EQ(Text("lblCst"), "25 Cst");
    EXPECT_FALSE(Called("Recalculate"));
}

TEST_F(MobileDocument, SelectedCoolerReadsAsOnTheAirCooledDocument) {
    engine.values->correctedVoC = 151.5;
    engine.values->pressureDrop = 2.5;
    TypicalSearch();
    EXPECT_EQ(Text("lblPressureDrop"), ">2.500 BAR");
    EXPECT_EQ(Colour("lblPressureDrop"), 0);
    EXPECT_EQ(Text("lblMaxAmbient"), "33.3" + kDeg + "C");
    EXPECT_EQ(Text("lblOilTempC"), "57.0" + kDeg + "C");
    EXPECT_EQ(Text("lblMaxOilFlow"), "90.0 l/min");
    EXPECT_EQ(Text("lblAvgViscosity"), "152 Cst");
    EXPECT_EQ(Text("lblSpecial"), "");
    EXPECT_EQ(Colour("lblSpecial"), 255);
}

TEST_F(MobileDocument, SortsAreRefusedWithTheirMessageAndChangeNothing) {
    TypicalSearch();
    engine.calls->clear();
    document->IsDirty(false);
    document->SelectByPresDrop();
    document->SelectByPrice();
    document->SelectByNoise();
    const std::vector<QString> expected = {"Pressure Drop sort not available for mobile models.",
                                           "Cost sort not available for mobile models.",
                                           "Noise sort not available for mobile models."};
    EXPECT_EQ(Dialogs().MessageTexts(), expected);
    for (const auto& message : Dialogs().Messages()) {
        EXPECT_EQ(message.title, "Function Unavailable");
        EXPECT_EQ(message.style, gui::vbOKOnly);
    }
    EXPECT_TRUE(engine.calls->empty());
    EXPECT_FALSE(document->IsDirty());
}

TEST_F(MobileDocument, OtherModelsIsSilentWithoutModelsAndLoadsAChoice) {
    TypicalSearch();
    document->SelectOtherCooler();
    EXPECT_TRUE(Dialogs().Shown().empty());
    engine.values->suitable = {{"MB 12", 102, 0.4, 0}, {"QA 55 AC", 104, 0.75, 0}};
    engine.calls->clear();
    Dialogs().QueueModal([](QDialog& dialog) {
        dialog.findChild<QListWidget*>("List1")->setCurrentRow(0);
        ScriptedDialogs::Click("cmdOK")(dialog);
    });
    document->SelectOtherCooler();
    const std::vector<std::string> expected = {"CoolerID=102", "Recalculate"};
    EXPECT_EQ(*engine.calls, expected);
}

TEST_F(MobileDocument, EnterInTheFaceVelocityMovesToOKWithoutPressingIt) {
    QLineEdit* face = document->TextBox("txtAirFaceV");
    face->setFocus();
    QTest::keyClick(face, Qt::Key_Return);
    EXPECT_EQ(document->focusWidget(), document->findChild<QPushButton*>("cmdOK"));
    EXPECT_EQ(face->text(), "5.55");
    EXPECT_TRUE(engine.calls->empty());
    EXPECT_TRUE(Dialogs().Shown().empty());
}

TEST_F(MobileDocument, PrintRequestsNameTheMobilePageWithOrWithoutACooler) {
    StandInWindows windows;
    engine.values->outOfRange = true;
    TypicalSearch();
    document->PrintPreview();
    document->PrintFormData();
    const std::vector<std::string> expected = {"SetPrintDetails  0 2 2", "SetPrintDetails  0 2 1", "PrintIt"};
    EXPECT_EQ(windows.log->calls, expected);
}
