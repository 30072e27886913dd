// The water-cooler correction-factor editor.
#include "maintenance_fixture.h"

#include "model_list.h"
#include "water_correction.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

using namespace quellmar::maintenance;

namespace {

const char* const kTables[] = {"HTCorrectionOilFlow", "HTCorrectionWaterFlow", "HTCorrection",
                               "PDCorrectionOilFlow", "PDCorrectionViscosity", "PDCorrection"};

class Corrections : public MaintenanceTest {
protected:
    frmWaterCorrection* Open(qint64 id, int mode, ModelList* list = nullptr) {
        auto* window = new frmWaterCorrection;
        window->Initialise(id, mode, list);
        if (list) list->SetFormVisible(false);
        return Show(window);
    }
    // Every table's rows of a model with their row ids, to see which tables were rewritten.
    std::vector<std::string> Snapshot(int id) const {
        std::vector<std::string> rows;
        for (const char* table : kTables) {
            const std::vector<std::string> part =
                Column(std::string("SELECT '") + table + "' || rowid || ':' || quote(" +
                       (std::string(table).find("Flow") != std::string::npos || std::string(table).find("Viscosity") != std::string::npos
                            ? std::string(table)
                            : std::string("c1")) +
                       ") FROM " + table + " WHERE CoolerID = " + std::to_string(id) + " ORDER BY rowid");
            rows.insert(rows.end(), part.begin(), part.end());
        }
        return rows;
    }
    static QString Text(frmWaterCorrection* window, CorrectionArray array, int index) {
        return window->Box(array, index)->text();
    }
};

}  // namespace

TEST_F(Corrections, TheBoxesShowEachAxisInOrderAndEachMatrixRowByRow) {
    auto* window = Open(4, 2);
    EXPECT_EQ(window->windowTitle(), "Water-Cooled Model Corerction Factors");
    EXPECT_EQ(window->findChild<QLineEdit*>("txtName")->text(), "W 1");
    EXPECT_EQ(Text(window, HTOilFlow, 0), "10.0");
    EXPECT_EQ(Text(window, HTOilFlow, 7), "80.0");
    EXPECT_EQ(Text(window, HTWaterFlow, 5), "30.0");
    EXPECT_EQ(Text(window, HTFactors, 0), "6.10") << "row number 1 was stored last";
    EXPECT_EQ(Text(window, HTFactors, 47), "1.80");
    EXPECT_EQ(Text(window, PDViscosity, 0), "10.0");
    // Pressure-drop rows stay with the viscosities they were written for, as the rating engine
    // takes them, though their first factors fall.
    EXPECT_EQ(Text(window, PDFactors, 0), "9.10");
    EXPECT_EQ(Text(window, PDFactors, 40), "4.10");
}

TEST_F(Corrections, AModelWithFewRowsShowsTheRestAsZeroAndASaveStoresThemAll) {
    auto* window = Open(5, 2);
    EXPECT_EQ(Text(window, HTOilFlow, 1), "25.0");
    EXPECT_EQ(Text(window, HTOilFlow, 2), "0.0");
    EXPECT_EQ(Text(window, HTFactors, 7), "8.00");
    EXPECT_EQ(Text(window, HTFactors, 8), "0.0");
    EXPECT_EQ(Text(window, PDFactors, 0), "0.0");
    window->Box(HTOilFlow, 2)->setText("35");
    window->Box(PDFactors, 3)->setText("1.10");
    window->cmdOK_Click();
    Settle();
    EXPECT_EQ(Column("SELECT HTCorrectionOilFlow FROM HTCorrectionOilFlow WHERE CoolerID = 5 ORDER BY rowid"),
              (std::vector<std::string>{"15.0", "25.0", "35.0", "0.0", "0.0", "0.0", "0.0", "0.0"}));
    EXPECT_EQ(Count("PDCorrection WHERE CoolerID = 5"), 6);
    EXPECT_EQ(Value("SELECT c4 FROM PDCorrection WHERE CoolerID = 5 ORDER BY rowid LIMIT 1"), "1.1");
    EXPECT_EQ(Count("HTCorrection WHERE CoolerID = 5"), 1) << "an unchanged table is left alone";
}

TEST_F(Corrections, ChangingOneFactorRewritesOnlyThatTable) {
    const std::vector<std::string> before = Snapshot(4);
    auto* window = Open(4, 2);
    window->Box(HTFactors, 9)->setText("2.5");
    window->cmdOK_Click();
    Settle();
    EXPECT_EQ(Value("SELECT c2 FROM HTCorrection WHERE CoolerID = 4 AND RowNum = 2"), "2.5");
    EXPECT_EQ(Column("SELECT RowNum FROM HTCorrection WHERE CoolerID = 4 ORDER BY rowid"),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    const std::vector<std::string> after = Snapshot(4);
    for (const std::string& row : before) {
        const bool heatTransferFactors = row.rfind("HTCorrection", 0) == 0 && row.rfind("HTCorrectionOilFlow", 0) != 0 &&
                                         row.rfind("HTCorrectionWaterFlow", 0) != 0;
        if (heatTransferFactors) continue;
        EXPECT_NE(std::find(after.begin(), after.end(), row), after.end()) << row << " was rewritten";
    }
}

TEST_F(Corrections, OpeningAndClosingWithoutAChangeAsksNothingAndWritesNothing) {
    const std::vector<std::string> before = Snapshot(4);
    Open(4, 2)->Unload();
    Settle();
    Open(4, 2)->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Snapshot(4), before);
}

TEST_F(Corrections, ClosingAfterAChangeAsksAndNoLeavesTheDatabaseAsItWas) {
    const std::vector<std::string> before = Snapshot(4);
    auto* window = Open(4, 2);
    window->Box(PDOilFlow, 0)->setText("11");
    Dialogs().QueueMessageAnswer(gui::vbNo);
    window->Unload();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "Do you want to save changes");
    EXPECT_EQ(Dialogs().Messages()[0].title, "Data Changed");
    EXPECT_EQ(Dialogs().Messages()[0].style, gui::vbYesNo);
    EXPECT_EQ(Snapshot(4), before);
    // Yes stores it; Cancel never asks.
    auto* again = Open(4, 2);
    again->Box(PDOilFlow, 0)->setText("11");
    Dialogs().QueueMessageAnswer(gui::vbYes);
    again->Unload();
    Settle();
    EXPECT_EQ(Value("SELECT min(PDCorrectionOilFlow) FROM PDCorrectionOilFlow WHERE CoolerID = 4"), "11.0");
    auto* cancelled = Open(4, 2);
    cancelled->Box(PDOilFlow, 0)->setText("12");
    cancelled->cmdCancel_Click();
    Settle();
    EXPECT_EQ(Dialogs().Messages().size(), 2u);
    EXPECT_EQ(Value("SELECT min(PDCorrectionOilFlow) FROM PDCorrectionOilFlow WHERE CoolerID = 4"), "11.0");
}

TEST_F(Corrections, AfterAnAddOkWritesEveryTableAndRefillsTheList) {
    auto* list = Show(new frmSelectEditWater);
    Exec("INSERT INTO Coolers (CoolerID, Name, CoolerType) VALUES (9, 'Fresh', 2)");
    auto* window = Open(9, 3, list);
    EXPECT_FALSE(window->findChild<QPushButton*>("cmdCancel")->isEnabled());
    window->cmdOK_Click();
    Settle();
    const int sizes[] = {8, 6, 6, 8, 6, 6};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Count(std::string(kTables[i]) + " WHERE CoolerID = 9"), sizes[i]) << kTables[i];
    EXPECT_EQ(Column("SELECT RowNum FROM HTCorrection WHERE CoolerID = 9 ORDER BY rowid"),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 3);
}

TEST_F(Corrections, ABoxThatIsNoNumberStopsTheSaveBeforeAnyTableIsTouched) {
    const std::vector<std::string> before = Snapshot(4);
    auto* window = Open(4, 2);
    window->Box(HTOilFlow, 0)->setText("15");
    window->Box(PDFactors, 20)->setText("1,5");
    window->cmdOK_Click();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "\"1,5\" is not a number. Nothing was saved.");
    EXPECT_EQ(Snapshot(4), before);
    EXPECT_EQ(Newest<frmWaterCorrection>(), window) << "the window stays for the correction";
    EXPECT_EQ(window->Box(PDFactors, 20)->selectedText(), "1,5");
}

TEST_F(Corrections, ASaveTheDatabaseRefusesPartWayLeavesEveryTableAsItWas) {
    const std::vector<std::string> before = Snapshot(4);
    Refuse("INSERT", "PDCorrection");
    auto* window = Open(4, 2);
    window->Box(HTOilFlow, 0)->setText("15");
    window->Box(PDFactors, 0)->setText("3");
    window->cmdOK_Click();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.contains("refused by the test"));
    EXPECT_EQ(Snapshot(4), before);
    EXPECT_EQ(Newest<frmWaterCorrection>(), window);
}
