#include "document_fixture.h"
#include "stand_in_windows.h"
#include "water_selection.h"

#include "gui/option_group.h"

#include <QDialog>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using namespace quellmar::shell;
using gui::ScriptedDialogs;

namespace {

class WaterDocument : public DocumentTest<frmWaterSelection, FakeWaterEngine> {
protected:
    void Duty(const QString& heat, const QString& oilFlow, const QString& waterFlow, const QString& water,
              const QString& oil) {
        Type("txtHeatLoad", heat);
        Type("txtOilFlow", oilFlow);
        Type("txtWaterFlow", waterFlow);
        Type("txtWaterTemp", water);
        Type("txtOilTemp", oil);
    }
    void TypicalSearch() {
        Duty("20", "60", "40", "20", "60");
        PressOK();
    }
};

const QString kOrder = "Inlet water temperature must be cooler than inlet oil temperature.";

}  // namespace

TEST_F(WaterDocument, NewDocumentIsCleanWithTheFirstSeriesOfItsGroup) {
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(document->windowTitle(), "Input Water-Cooled Selection Parameters");
    EXPECT_EQ(document->Tab(), 0);
    for (const char* box : {"txtHeatLoad", "txtOilFlow", "txtWaterFlow", "txtWaterTemp", "txtOilTemp"})
        EXPECT_EQ(document->TextBox(box)->text(), "0.0") << box;
    const gui::OptionGroup* series = document->Options("optSeries");
    EXPECT_EQ(series->FirstIndex(), 1);
    EXPECT_EQ(series->Button(0), nullptr);
    EXPECT_EQ(series->Button(1)->text(), "WP Series");
    EXPECT_TRUE(series->Value(1));
    EXPECT_EQ(document->OptionIndex("optSeries"), 1);
    EXPECT_TRUE(document->Options("optViscosity")->Value(5));
    EXPECT_EQ(document->Options("optMotor"), nullptr);
    EXPECT_EQ(*engine.made, 1);
    EXPECT_EQ(document->PageFamily(), 3);
}

TEST_F(WaterDocument, SearchHandsTheRatingObjectItsInputsInOrder) {
    document->Options("optSeries")->Button(3)->click();
    document->Options("optFlowRate")->Button(1)->click();
    document->IsDirty(false);
    Duty("20", "13.2", "8.8", "20", "60");
    document->IsDirty(false);
    PressOK();
    const std::vector<std::string> expected = {
        "new",        "Series=3",      "HeatUnits=0",  "OilFlowUnits=1", "TempUnits=0",  "WaterTemp=20", "HeatLoad=20",
        "InletTemp=60", "OilFlow=13.2", "WaterFlow=8.8", "Viscosity=5",  "FindCooler",   "Recalculate"};
    EXPECT_EQ(*engine.calls, expected);
    EXPECT_EQ(document->windowTitle(), "Water Cooled Heat Exchanger Selection");
    EXPECT_EQ(document->Tab(), 1);
    EXPECT_TRUE(document->CoolerShown());
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(Text("lblProductRange"), "Other Series");
}

TEST_F(WaterDocument, ChecksComeInTheirOrderAndStopTheSearch) {
    Duty("x", "y", "40", "20", "60");
    PressOK();
    EXPECT_EQ(Dialogs().MessageTexts(), std::vector<QString>{kNumeric});
    EXPECT_EQ(Dialogs().Messages()[0].title, "Error entering data.");
    EXPECT_EQ(document->focusWidget(), document->TextBox("txtHeatLoad"));
    EXPECT_EQ(document->TextBox("txtHeatLoad")->selectedText(), "x");

    Dialogs().Clear();
    Duty("20", "60", "plenty", "20", "60");
    PressOK();
    EXPECT_EQ(Dialogs().MessageTexts(), std::vector<QString>{kNumeric});
    EXPECT_EQ(document->focusWidget(), document->TextBox("txtWaterFlow"));

    Dialogs().Clear();
    Duty("0", "0", "0", "20", "60");
    PressOK();
    const std::vector<QString> positives = {"Heat load must be greater than zero.", "Oil flow must be greater than zero.",
                                            "Water flow must be greater than zero."};
    EXPECT_EQ(Dialogs().MessageTexts(), positives);

    Dialogs().Clear();
    Duty("20", "60", "40", "30", "30");
    PressOK();
    EXPECT_EQ(Dialogs().MessageTexts(), std::vector<QString>{kOrder});
    EXPECT_TRUE(engine.calls->empty());
    EXPECT_EQ(*engine.made, 1);
    EXPECT_EQ(document->Tab(), 0);
}

TEST_F(WaterDocument, WaterAndOilLimitsResetTheBoxesAndTheSearchUsesThem) {
    Duty("20", "60", "40", "0.5", "130");
    document->IsDirty(false);
    PressOK();
    const std::vector<QString> expected = {
        "Minimum water temperature is 1" + kDeg + "C.\r\nWater temperature has been reset to 1" + kDeg + "C.",
        "Maximium oil inlet temperature is 120" + kDeg + "C.\r\nOil temperature has been reset to 120" + kDeg + "C."};
    EXPECT_EQ(Dialogs().MessageTexts(), expected);
    EXPECT_EQ(Dialogs().Messages()[0].title, "Temperature too high.");
    EXPECT_EQ(document->TextBox("txtWaterTemp")->text(), "1");
    EXPECT_EQ(document->TextBox("txtOilTemp")->text(), "120");
    EXPECT_TRUE(Called("WaterTemp=1"));
    EXPECT_TRUE(Called("InletTemp=120"));
    EXPECT_TRUE(document->IsDirty());

    // In Fahrenheit the water minimum is 33 (not 33.8), and 33 itself stays as typed.
    Dialogs().Clear();
    document->Options("optTempUnits")->Button(1)->click();
    Duty("20", "60", "40", "32", "140");
    PressOK();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "Minimum water temperature is 33" + kDeg +
                                                 "F.\r\nWater temperature has been reset to 33" + kDeg + "F.");
    EXPECT_EQ(document->TextBox("txtWaterTemp")->text(), "33");
    Dialogs().Clear();
    Duty("20", "60", "40", "33", "248");
    PressOK();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(document->TextBox("txtWaterTemp")->text(), "33");
}

TEST_F(WaterDocument, ClampedOilTemperatureNotAboveTheWaterIsRefusedWithoutSearch) {
    Duty("20", "60", "40", "125", "130");
    PressOK();
    ASSERT_EQ(Dialogs().Messages().size(), 2u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.startsWith("Maximium oil inlet temperature is 120"));
    EXPECT_EQ(Dialogs().Messages()[1].text, kOrder);
    EXPECT_EQ(Dialogs().Messages()[1].title, "Error entering data.");
    EXPECT_FALSE(Called("FindCooler"));
    EXPECT_EQ(document->Tab(), 0);
}

TEST_F(WaterDocument, ResultLabelsTellTheDesiredFromTheCorrectedInletTemperature) {
    engine.values->margin = -5;
    TypicalSearch();
    // lblOilTempC/F: the desired inlet temperature; lblInletOilTempC/F: the corrected one.
    EXPECT_EQ(Text("lblOilTempC"), "60.0" + kDeg + "C");
    EXPECT_EQ(Text("lblOilTempF"), "140.0" + kDeg + "F");
    EXPECT_EQ(Colour("lblOilTempC"), 0);
    EXPECT_EQ(Text("lblInletOilTempC"), "57.0" + kDeg + "C");
    EXPECT_EQ(Text("lblInletOilTempF"), "134.6" + kDeg + "F");
    EXPECT_EQ(Colour("lblInletOilTempC"), 255);
    EXPECT_EQ(Colour("lblInletOilTempF"), 255);
    EXPECT_EQ(Text("lblHTMargin"), "-5.0 Oil temp exceeds max. desired");
    EXPECT_EQ(Text("lblWaterTempC"), "20.0" + kDeg + "C");
    EXPECT_EQ(Text("lblWaterTempF"), "68.0" + kDeg + "F");
    EXPECT_EQ(Text("lblETDC"), "40.0" + kDeg + "C");
    EXPECT_EQ(Text("lblETDF"), "72.0" + kDeg + "F");
    EXPECT_EQ(Text("lblWaterFlowL"), "120.0 l/min");
    EXPECT_EQ(Text("lblWaterFlowIG"), "26.4 Imp GPM");
    EXPECT_EQ(Text("lblWaterFlowUSG"), "31.7 US GPM");
    EXPECT_EQ(Text("lblWaterFlowCI"), "7323 Cu Ins/min");
    EXPECT_EQ(Text("lblProductRange"), "WP Series");
    EXPECT_EQ(Text("lblHeatKjH"), "72000 kJ/h");
    EXPECT_EQ(Text("lblMaxOilFlow"), "90.0 l/min");
    EXPECT_EQ(Text("lblMaxOilSidePressure"), "16.0 BAR");
    EXPECT_EQ(Text("lblMaxWaterFlow"), "150.0 l/min");
    EXPECT_EQ(Text("lblMaxWaterSidePressure"), "10.0 BAR");
    EXPECT_EQ(Text("lblAvailableETD"), "26.7" + kDeg + "C");
    EXPECT_EQ(Text("lblExitWaterTemp"), "27.5" + kDeg + "C");
    EXPECT_EQ(Text("lblExitWaterTempF"), "81.5" + kDeg + "F");
    EXPECT_EQ(Text("lblAvgOilTemp"), "51.0" + kDeg + "C");
    EXPECT_EQ(Text("lblAvgViscosity"), "29 Cst");
    EXPECT_EQ(Text("lblPressureDrop"), "0.900 BAR");
    EXPECT_EQ(document->Label("lblMaxAmbient"), nullptr);
    EXPECT_EQ(Colour("lblSpecial"), 255);

    engine.values->margin = 0;
    PressOK();
    EXPECT_EQ(Colour("lblInletOilTempC"), 0);
    EXPECT_EQ(Colour("lblHTMargin"), 0);
}

TEST_F(WaterDocument, PressureDropMarkersReadAsWordsAndZeroAsANumber) {
    const std::vector<std::tuple<double, QString, long>> cases = {{-1, "VISCOSITY HIGH", 255},
                                                                  {-2, "NEGLIGIBLE", 255},
                                                                  {0, "0.000 BAR", 0},
                                                                  {2.5, "2.500 BAR", 0},
                                                                  {2.6, "2.600 BAR", 255},
                                                                  {1.25, "1.250 BAR", 0}};
    Duty("20", "60", "40", "20", "60");
    for (const auto& [pressureDrop, text, colour] : cases) {
        engine.values->pressureDrop = pressureDrop;
        PressOK();
        EXPECT_EQ(Text("lblPressureDrop"), text) << pressureDrop;
        EXPECT_EQ(Colour("lblPressureDrop"), colour) << pressureDrop;
    }
}

TEST_F(WaterDocument, ViscosityWarningShowsAbove150AndHidesAgain) {
    engine.values->correctedVoC = 150.4;
    engine.values->avgOil = 37.177;
    TypicalSearch();
    QLabel* warning = document->Label("lblViscosityHigh");
    EXPECT_FALSE(warning->isHidden());
    EXPECT_EQ(warning->text(), "150 Cst VISCOSITY AT AVERAGE TEMPERATURE TOO HIGH. REFER TO SALES OFFICE\r\n37.18" +
                                   kDeg + "C IS AVERAGE TEMPERATURE.");
    EXPECT_EQ(Colour("lblViscosityHigh"), 255);
    engine.values->correctedVoC = 150;
    PressOK();
    EXPECT_TRUE(warning->isHidden());
}

TEST_F(WaterDocument, SortsAreRefusedWithTheirMessageAndChangeNothing) {
    TypicalSearch();
    engine.calls->clear();
    document->IsDirty(false);
    document->SelectByPresDrop();
    document->SelectByPrice();
    document->SelectByNoise();
    const std::vector<QString> expected = {"Pressure Drop sort not available for water-cooled models.",
                                           "Cost sort not available for water-cooled models.",
                                           "Noise sort not available for water-cooled models."};
    EXPECT_EQ(Dialogs().MessageTexts(), expected);
    for (const auto& message : Dialogs().Messages()) {
        EXPECT_EQ(message.title, "Function Unavailable");
        EXPECT_EQ(message.style, gui::vbOKOnly);
    }
    EXPECT_TRUE(engine.calls->empty());
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(Text("lblModel"), "QA 55 AC");
}

TEST_F(WaterDocument, OtherModelsSaysWhenThereAreNoneAndAChoiceRefillsTheModel) {
    TypicalSearch();
    document->SelectOtherCooler();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "No models available for selection.");
    EXPECT_EQ(Dialogs().Messages()[0].title, "Selection unavailable.");
    EXPECT_EQ(Dialogs().Messages()[0].mousePointer, 0);
    EXPECT_TRUE(Dialogs().ModalNames().empty());

    engine.values->suitable = {{"WP 20", 203, 1.5, 0}, {"QA 55 AC", 204, 2.1, 0}, {"WP 40", 205, 3.2, 0}};
    // A series chosen since the search is not shown: only the selected-model labels are filled again.
    document->Options("optSeries")->Button(2)->click();
    engine.calls->clear();
    Dialogs().QueueModal([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Select Larger or Smaller Model");
        auto* list = dialog.findChild<QListWidget*>("List1");
        EXPECT_EQ(list->currentRow(), 1);
        list->setCurrentRow(2);
        ScriptedDialogs::Click("cmdOK")(dialog);
    });
    engine.values->coolerName = "WP 40";
    document->SelectOtherCooler();
    const std::vector<std::string> expected = {"CoolerID=205", "Recalculate"};
    EXPECT_EQ(*engine.calls, expected);
    EXPECT_EQ(Text("lblModel"), "WP 40");
    EXPECT_EQ(Text("lblProductRange"), "WP Series");
}

TEST_F(WaterDocument, EnterMovesThroughTheBoxesToOK) {
    QLineEdit* waterFlow = document->TextBox("txtWaterFlow");
    waterFlow->setFocus();
    QTest::keyClick(waterFlow, Qt::Key_Return);
    EXPECT_EQ(document->focusWidget(), document->TextBox("txtWaterTemp"));
    document->TextBox("txtOilTemp")->setFocus();
    QTest::keyClick(document->TextBox("txtOilTemp"), Qt::Key_Return);
    EXPECT_EQ(document->focusWidget(), document->findChild<QPushButton*>("cmdOK"));
    EXPECT_EQ(document->TextBox("txtOilTemp")->text(), "0.0");
    EXPECT_TRUE(engine.calls->empty());
}

TEST_F(WaterDocument, PrintRequestsNameTheWaterCooledPage) {
    StandInWindows windows;
    document->PrintPreview();
    TypicalSearch();
    document->PrintFormData();
    const std::vector<std::string> expected = {"SetPrintDetails  0 3 2", "SetPrintDetails  1 3 1", "PrintIt"};
    EXPECT_EQ(windows.log->calls, expected);
}
