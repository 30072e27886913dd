#include "air_selection.h"
#include "document_fixture.h"
#include "stand_in_windows.h"

#include "gui/option_group.h"
#include "gui/wait_cursor.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

using namespace quellmar::shell;
using gui::ScriptedDialogs;

namespace {

class AirDocument : public DocumentTest<frmAirSelection, FakeAirEngine> {
protected:
    void Duty(const QString& heat, const QString& flow, const QString& air, const QString& oil) {
        Type("txtHeatLoad", heat);
        Type("txtOilFlow", flow);
        Type("txtAirTemp", air);
        Type("txtOilTemp", oil);
    }
};

}  // namespace

TEST_F(AirDocument, NewDocumentIsCleanWithItsDefaults) {
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(document->windowTitle(), "Input Air-Cooled Selection Parameters");
    EXPECT_EQ(document->Tab(), 0);
    EXPECT_EQ(document->TextBox("txtHeatLoad")->text(), "0.0");
    EXPECT_TRUE(document->Options("optViscosity")->Value(5));
    EXPECT_TRUE(document->Options("optProduct")->Value(2));
    EXPECT_TRUE(document->Options("optMotor")->Value(0));
    EXPECT_EQ(document->OptionIndex("optProduct"), 2);
    EXPECT_FALSE(document->CoolerShown());
    EXPECT_EQ(*engine.made, 1);
    EXPECT_EQ(document->QuoteDate(), "1899-12-30");
}

TEST_F(AirDocument, TypingOrClickingMakesDirtyButASearchDoesNot) {
    document->TextBox("txtOilFlow")->setText("60");
    EXPECT_TRUE(document->IsDirty());
    document->IsDirty(false);
    document->Options("optHeatUnits")->Button(2)->click();
    EXPECT_TRUE(document->IsDirty());
    EXPECT_EQ(document->OptionIndex("optHeatUnits"), 2);
    Duty("20", "60", "30", "60");
    document->IsDirty(false);
    PressOK();
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(document->Tab(), 1);
    document->SetCustomerDetails(vb::DateSerial(2004, 2, 29), "Co", "Addr", "Attn", "Ref", "Me");
    document->SavedFileName("/tmp/x.quo");
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(document->QuoteDate(), "2004-02-29");
}

TEST_F(AirDocument, SearchHandsTheRatingObjectItsInputsInOrder) {
    document->Options("optFlowRate")->Button(2)->click();
    document->Options("optMotor")->Button(3)->click();
    document->Options("optProduct")->Button(0)->click();
    Duty("20", "15.5", "30", "60");
    PressOK();
    const std::vector<std::string> expected = {"new",         "ProductRange=0", "HeatUnits=0",    "OilFlowUnits=2",
                                               "TempUnits=0", "MotorType=3",    "AirTemp=30",     "HeatLoad=20",
                                               "InletTemp=60", "OilFlow=15.5",  "Viscosity=5",    "FindCooler",
                                               "Recalculate"};
    EXPECT_EQ(*engine.calls, expected);
    EXPECT_EQ(document->windowTitle(), "Air Cooled Heat Exchanger Selection");
    EXPECT_TRUE(document->CoolerShown());
    // Each OK starts from a fresh rating object.
    PressOK();
    EXPECT_EQ(*engine.made, 3);
}

TEST_F(AirDocument, NonNumericInputFocusesTheFirstFailingBoxAndKeepsTheRatingObject) {
    Duty("", "x", "30", "60");
    PressOK();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, kNumeric);
    EXPECT_EQ(Dialogs().Messages()[0].title, "Error entering data.");
    EXPECT_EQ(document->focusWidget(), document->TextBox("txtHeatLoad"));
    EXPECT_TRUE(engine.calls->empty());

    Dialogs().Clear();
    Duty("20", "60", "warm", "60");
    document->TextBox("txtAirTemp")->setText("12.5x");
    PressOK();
    EXPECT_EQ(document->focusWidget(), document->TextBox("txtAirTemp"));
    EXPECT_EQ(document->TextBox("txtAirTemp")->selectedText(), "12.5x");
    // A number too large for single precision is no number here.
    Dialogs().Clear();
    Duty("1e39", "60", "30", "60");
    PressOK();
    EXPECT_EQ(Dialogs().MessageTexts().size(), 1u);
    EXPECT_EQ(*engine.made, 1);
}

TEST_F(AirDocument, EveryFailingCheckHasItsOwnMessage) {
    Duty("0", "-1", "30", "30");
    PressOK();
    const std::vector<QString> expected = {"Heat load must be greater than zero.", "Oil flow must be greater than zero.",
                                           "Ambient air temperature must be cooler than inlet oil temperature."};
    EXPECT_EQ(Dialogs().MessageTexts(), expected);
    EXPECT_TRUE(engine.calls->empty());
    EXPECT_EQ(document->Tab(), 0);
}

TEST_F(AirDocument, TemperatureLimitsResetTheBoxesAndTheSearchUsesThem) {
    Duty("20", "60", "-5", "130");
    document->IsDirty(false);
    PressOK();
    const std::vector<QString> expected = {
        "Minimum ambient air temperature is 0" + kDeg + "C.\r\nAir temperature has been reset to 0" + kDeg + "C.",
        "Maximium oil inlet temperature is 120" + kDeg + "C.\r\nOil temperature has been reset to 120" + kDeg + "C."};
    EXPECT_EQ(Dialogs().MessageTexts(), expected);
    EXPECT_EQ(Dialogs().Messages()[0].title, "Temperature too high.");
    EXPECT_EQ(document->TextBox("txtAirTemp")->text(), "0");
    EXPECT_EQ(document->TextBox("txtOilTemp")->text(), "120");
    EXPECT_TRUE(Called("AirTemp=0"));
    EXPECT_TRUE(Called("InletTemp=120"));
    EXPECT_TRUE(document->IsDirty());
}

TEST_F(AirDocument, FahrenheitLimitsAcceptTheirExactBounds) {
    document->Options("optTempUnits")->Button(1)->click();
    Duty("20", "60", "32", "248");
    PressOK();
    EXPECT_TRUE(Dialogs().Messages().empty());
    Duty("20", "60", "40", "250");
    PressOK();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "Maximium oil inlet temperature is 248" + kDeg +
                                                 "F.\r\nOil temperature has been reset to 248" + kDeg + "F.");
}

TEST_F(AirDocument, ClampedOilTemperatureNotAboveAmbientIsRefusedWithoutSearch) {
    Duty("20", "60", "120", "130");
    PressOK();
    ASSERT_EQ(Dialogs().Messages().size(), 2u);
    EXPECT_EQ(Dialogs().Messages()[1].text, "Ambient air temperature must be cooler than inlet oil temperature.");
    EXPECT_FALSE(Called("FindCooler"));
    EXPECT_EQ(*engine.made, 1);
}

TEST_F(AirDocument, EnterMovesToTheNextBoxAndLeavesNoCharacter) {
    QLineEdit* heat = document->TextBox("txtHeatLoad");
    heat->setFocus();
    QTest::keyClick(heat, Qt::Key_Return);
    EXPECT_EQ(document->focusWidget(), document->TextBox("txtOilFlow"));
    EXPECT_EQ(heat->text(), "0.0");
    // The focus selects the whole text, so the next key replaces it.
    EXPECT_EQ(document->TextBox("txtOilFlow")->selectedText(), "0.0");
    document->TextBox("txtOilTemp")->setFocus();
    QTest::keyClick(document->TextBox("txtOilTemp"), Qt::Key_Enter);
    EXPECT_EQ(document->focusWidget(), document->findChild<QPushButton*>("cmdOK"));
    EXPECT_TRUE(engine.calls->empty());
}

TEST_F(AirDocument, ResultLabelsFollowTheRulesAndRedTurnsBlackAgain) {
    engine.values->margin = -5;
    engine.values->pressureDrop = 2.6;
    engine.values->correctedVoC = 7.4;
    engine.values->cst = 2.9;
    engine.values->oilFlowL = 85;
    Duty("20", "60", "30", "60");
    PressOK();
    EXPECT_EQ(Text("lblHeatkW"), "20.00 kW");
    EXPECT_EQ(Text("lblHeatKjH"), "72000 kJ/h");
    EXPECT_EQ(Text("lblHTMargin"), "-5.0 Oil temp exceeds max. desired");
    EXPECT_EQ(Colour("lblHTMargin"), 255);
    EXPECT_EQ(Text("lblPressureDrop"), "<2.600 BAR");
    EXPECT_EQ(Colour("lblPressureDrop"), 255);
    EXPECT_EQ(Colour("lblOilTempC"), 255);
    EXPECT_EQ(Colour("lblOilTempF"), 255);
    EXPECT_EQ(Text("lblCst"), "OUTSIDE STANDARD RANGE");
    EXPECT_EQ(Colour("lblCst"), 255);
    EXPECT_EQ(Text("lblSUS"), "");
    EXPECT_EQ(Text("lblSpecial"), "Selected Model is Near Oil Flow Limit. Refer Maximum Oil Flow. Try next largest");
    EXPECT_EQ(Text("lblETDC"), "30.0" + kDeg + "C");
    EXPECT_EQ(Text("lblProductRange"), "Either Quellmar or Ostravine");
    EXPECT_EQ(Text("lblMotorType"), "Standard Package AC 3 Phase Power");
    EXPECT_EQ(Text("lblHTRating"), "0.750 kW/" + kDeg + "C ETD");
    EXPECT_EQ(Text("lblExitOilTempF"), "113.0" + kDeg + "F");

    *engine.values = FakeValues{};
    PressOK();
    EXPECT_EQ(Text("lblHTMargin"), "12.4");
    EXPECT_EQ(Colour("lblHTMargin"), 0);
    EXPECT_EQ(Colour("lblPressureDrop"), 0);
    EXPECT_EQ(Colour("lblOilTempC"), 0);
    EXPECT_EQ(Colour("lblCst"), 0);
    EXPECT_EQ(Text("lblCst"), "25 Cst");
    EXPECT_EQ(Text("lblSpecial"), "");
}

TEST_F(AirDocument, NoCoolerShowsTheReasonAndHidesTheResults) {
    engine.values->outOfRange = true;
    engine.values->errorMessage = "No cooler selected. Parameters out of range.\r\nPlease note input parameters.";
    Duty("20", "60", "30", "60");
    PressOK();
    EXPECT_FALSE(document->CoolerShown());
    EXPECT_EQ(Text("lblErrorMsg"), QString::fromStdString(engine.values->errorMessage));
    EXPECT_EQ(Text("lblHeatkW"), "20.00 kW");
    EXPECT_EQ(document->Tab(), 1);
    EXPECT_FALSE(Called("Recalculate"));
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
    // A later search that finds a cooler no longer shows the old reason.
    engine.values->outOfRange = false;
    PressOK();
    EXPECT_TRUE(document->CoolerShown());
    EXPECT_EQ(Text("lblErrorMsg"), "");
}

TEST_F(AirDocument, AlternativesOpenOnTheShownModelAndOkUnchangedChangesNothing) {
    engine.values->suitable = {{"QA 40", 4, 0.5, 0}, {"qa 55 ac", 7, 0.75, 0}, {"QA 90", 9, 1.1, 0}};
    Duty("20", "60", "30", "60");
    PressOK();
    engine.calls->clear();
    int shownRow = -1;
    QString heading;
    Dialogs().QueueModal([&](QDialog& dialog) {
        shownRow = dialog.findChild<QListWidget*>("List1")->currentRow();
        heading = dialog.findChild<QLabel*>("lblRowHeading")->text();
        EXPECT_EQ(dialog.windowTitle(), "Select Larger or Smaller Model");
        EXPECT_EQ(dialog.findChild<QListWidget*>("List1")->item(0)->text(), "QA 40\t0.500");
        EXPECT_EQ(gui::ScreenMousePointer(), 0);
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    document->SelectOtherCooler();
    EXPECT_EQ(shownRow, 1);
    EXPECT_EQ(heading, "    Model" + QString(35, ' ') + "kW/" + kDeg + "C ETD");
    EXPECT_TRUE(engine.calls->empty());

    // A double click on another row chooses it; the results are filled again.
    Dialogs().QueueModal([](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("List1");
        list->setCurrentRow(2);
        emit list->itemDoubleClicked(list->item(2));
    });
    document->SelectOtherCooler();
    const std::vector<std::string> expected = {"CoolerID=9", "Recalculate"};
    EXPECT_EQ(*engine.calls, expected);

    // Cancel, or closing the dialog by its frame, after moving the highlight changes nothing.
    engine.calls->clear();
    Dialogs().QueueModal(ScriptedDialogs::Then(
        [](QDialog& dialog) { dialog.findChild<QListWidget*>("List1")->setCurrentRow(0); }, "cmdCancel"));
    document->SelectOtherCooler();
    Dialogs().QueueModal([](QDialog& dialog) {
        dialog.findChild<QListWidget*>("List1")->setCurrentRow(0);
        dialog.close();
    });
    document->SelectOtherCooler();
    EXPECT_TRUE(engine.calls->empty());
}

TEST_F(AirDocument, EmptyListsShowNothingOrTheSelectionErrorMessage) {
    Duty("20", "60", "30", "60");
    PressOK();
    document->SelectOtherCooler();
    EXPECT_TRUE(Dialogs().Shown().empty());
    document->SelectByPresDrop();
    document->SelectByPrice();
    document->SelectByNoise();
    ASSERT_EQ(Dialogs().Messages().size(), 3u);
    for (const auto& message : Dialogs().Messages()) {
        EXPECT_EQ(message.text, "No models available for selection.");
        EXPECT_EQ(message.title, "Selection Error");
        EXPECT_EQ(message.mousePointer, 0);
    }
    EXPECT_TRUE(Dialogs().ModalNames().empty());
}

TEST_F(AirDocument, SortedListsShowTheirKeysAsThePartsSay) {
    engine.values->byPressure = {{"QA 55 AC", 7, 0.75, 0.9}, {"QA 90", 9, 1.1, 1.25}};
    engine.values->byNoise = {{"QA 90", 9, 1.1, 71.5}};
    engine.values->byPrice = {{"QA 90", 9, 1.1, 3}};
    Duty("20", "60", "30", "60");
    PressOK();
    std::vector<QString> rows;
    const auto firstRow = [&rows](QDialog& dialog) { rows.push_back(dialog.findChild<QListWidget*>("List1")->item(0)->text()); };
    for (int i = 0; i < 3; ++i) Dialogs().QueueModal(ScriptedDialogs::Then(firstRow, "cmdCancel"));
    document->SelectByPresDrop();
    document->SelectByPrice();
    document->SelectByNoise();
    const std::vector<QString> expected = {"QA 55 AC\t0.90\t0.750", "QA 90\t1.100", "QA 90\t71.5\t1.100"};
    EXPECT_EQ(rows, expected);
}

TEST_F(AirDocument, DrawingWithoutTextGivesTheMessage) {
    document->DisplayDxf();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "No DXF file available\r\nConsult catalogue or sales office for drawing.");
    EXPECT_EQ(Dialogs().Messages()[0].title, "Quellmar");
    EXPECT_EQ(Dialogs().Messages()[0].style, gui::vbExclamation);
}

TEST_F(AirDocument, CustomerDetailsStoreWhatChanged) {
    document->SetCustomerDetails(vb::DateSerial(2004, 1, 5), "Acme", "", "", "", "");
    QString shownDate;
    Dialogs().QueueModal(ScriptedDialogs::Then(
        [&](QDialog& dialog) {
            shownDate = dialog.findChild<QLineEdit*>("txtDate")->text();
            dialog.findChild<QLineEdit*>("txtAddress")->setText("1 Mill Lane, Lowtown");
        },
        "cmdOK"));
    document->GetCustomerDetails();
    EXPECT_EQ(shownDate, "5/1/2004");
    EXPECT_EQ(document->Address(), "1 Mill Lane, Lowtown");
    EXPECT_TRUE(document->IsDirty());

    document->IsDirty(false);
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdOK"));
    document->GetCustomerDetails();
    EXPECT_FALSE(document->IsDirty());

    // Cancel and the frame store nothing.
    Dialogs().QueueModal(ScriptedDialogs::Then(
        [](QDialog& dialog) { dialog.findChild<QLineEdit*>("txtCompany")->setText("Other"); }, "cmdCancel"));
    document->GetCustomerDetails();
    Dialogs().QueueModal([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("txtCompany")->setText("Other");
        dialog.close();
    });
    document->GetCustomerDetails();
    EXPECT_EQ(document->Company(), "Acme");
    EXPECT_FALSE(document->IsDirty());
}

TEST_F(AirDocument, NeverSetDateBecomesTodayAndMakesTheDocumentDirty) {
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdOK"));
    document->GetCustomerDetails();
    EXPECT_EQ(document->QuoteDateValue(), vb::Today());
    EXPECT_TRUE(document->IsDirty());
}

TEST_F(AirDocument, ModelChosenAfterASearchThatFoundNoneIsShown) {
    engine.values->outOfRange = true;
    engine.values->errorMessage = "OilFlow, Heat Load combination out of program range.";
    engine.values->suitable = {{"QA 40", 4, 0.5, 0}, {"QA 90", 9, 1.1, 0}};
    Duty("20", "60", "30", "60");
    PressOK();
    ASSERT_FALSE(document->CoolerShown());
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdOK"));
    document->SelectOtherCooler();
    EXPECT_TRUE(Called("CoolerID=4"));
    EXPECT_TRUE(document->CoolerShown());
    EXPECT_EQ(Text("lblErrorMsg"), "");
}

TEST_F(AirDocument, RefusedOperatingPointShowsTheReasonInsteadOfTheResults) {
    const std::string refusal = "Operating point beyond program range: no heat transfer.\r\nChoose another model.";
    engine.values->refusal = refusal;
    engine.values->suitable = {{"QA 40", 4, 0.5, 0}, {"QA 90", 9, 1.1, 0}};
    Duty("20", "60", "30", "60");
    PressOK();
    EXPECT_TRUE(Called("Recalculate"));
    EXPECT_FALSE(document->CoolerShown());
    EXPECT_EQ(Text("lblErrorMsg"), QString::fromStdString(refusal));
    EXPECT_EQ(Text("lblHeatkW"), "20.00 kW");
    EXPECT_EQ(document->Tab(), 1);
    EXPECT_TRUE(Dialogs().MessageTexts().empty());
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
    {
        // The quotation page prints no recommendation either.
        StandInWindows windows;
        document->PrintFormData();
        const std::vector<std::string> expected = {"SetPrintDetails  0 1 1", "PrintIt"};
        EXPECT_EQ(windows.log->calls, expected);
    }

    // Another model whose operating point can be worked out is shown in its place ...
    engine.values->refusal.clear();
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdOK"));
    document->SelectOtherCooler();
    EXPECT_TRUE(Called("CoolerID=4"));
    EXPECT_TRUE(document->CoolerShown());
    EXPECT_EQ(Text("lblErrorMsg"), "");
    // ... and a choice the rating object refuses hides it again with the reason.
    engine.values->refusal = refusal;
    Dialogs().QueueModal(ScriptedDialogs::Then([](QDialog& dialog) { dialog.findChild<QListWidget*>("List1")->setCurrentRow(1); },
                                               "cmdOK"));
    document->SelectOtherCooler();
    EXPECT_TRUE(Called("CoolerID=9"));
    EXPECT_FALSE(document->CoolerShown());
    EXPECT_EQ(Text("lblErrorMsg"), QString::fromStdString(refusal));
    EXPECT_TRUE(Dialogs().MessageTexts().empty());
}
