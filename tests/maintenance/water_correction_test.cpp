// The water-cooler correction-factor editor.
#include "maintenance_fixture.h"

#include "model_editor.h"
#include "model_list.h"
#include "new_model_form.h"
#include "water_correction.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <utility>

using namespace quellmar::maintenance;

namespace {

const char* const kTables[] = {"HTCorrectionOilFlow", "HTCorrectionWaterFlow", "HTCorrection",
                               "PDCorrectionOilFlow", "PDCorrectionViscosity", "PDCorrection"};

// How each table's rows are read: the axes and the pressure-drop rows in stored order, the
// heat-transfer rows by row number; the key is left out, so two models' tables compare.
const char* const kTableRows[] = {
    "SELECT HTCorrectionOilFlow FROM HTCorrectionOilFlow WHERE CoolerID = %1 ORDER BY rowid",
    "SELECT HTCorrectionWaterFlow FROM HTCorrectionWaterFlow WHERE CoolerID = %1 ORDER BY rowid",
    "SELECT RowNum, c1, c2, c3, c4, c5, c6, c7, c8 FROM HTCorrection WHERE CoolerID = %1 ORDER BY RowNum",
    "SELECT PDCorrectionOilFlow FROM PDCorrectionOilFlow WHERE CoolerID = %1 ORDER BY rowid",
    "SELECT PDCorrectionViscosity FROM PDCorrectionViscosity WHERE CoolerID = %1 ORDER BY rowid",
    "SELECT c1, c2, c3, c4, c5, c6, c7, c8 FROM PDCorrection WHERE CoolerID = %1 ORDER BY rowid"};

class Corrections : public MaintenanceTest {
protected:
    explicit Corrections(quellmar::data::Contents contents = quellmar::data::Contents::Base) : MaintenanceTest(contents) {}

    using Rows = std::vector<std::vector<std::string>>;
    // A table of a model, cell by cell as stored.
    Rows Table(CorrectionArray array, qint64 id) const {
        return ExactRows(QString(kTableRows[array]).arg(id).toStdString());
    }
    std::vector<Rows> Tables(qint64 id) const {
        std::vector<Rows> tables;
        for (int array = 0; array < 6; ++array) tables.push_back(Table(static_cast<CorrectionArray>(array), id));
        return tables;
    }
    frmWaterCorrection* Open(qint64 id, EditorMode mode, ModelList* list = nullptr) {
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
    auto* window = Open(4, EditorMode::Edit);
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

TEST_F(Corrections, CorrectionNullAndAbsentCellsShowEmptyAndStayAsTheyAreWhenUntouched) {
    Exec("UPDATE HTCorrection SET c3 = NULL WHERE CoolerID = 5");
    const std::vector<Rows> before = Tables(5);
    auto* window = Open(5, EditorMode::Edit);
    EXPECT_EQ(Text(window, HTOilFlow, 1), "25.0");
    EXPECT_EQ(Text(window, HTOilFlow, 2), "") << "a flow the model does not have";
    EXPECT_EQ(Text(window, HTFactors, 2), "") << "a Null factor";
    EXPECT_EQ(Text(window, HTFactors, 8), "") << "a row the model does not have";
    EXPECT_EQ(Text(window, PDFactors, 0), "");
    window->Box(HTFactors, 0)->setText("1.5");
    window->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(CountOf<frmWaterCorrection>(), 0);
    Rows factors = before[HTFactors];
    factors[0][1] = ExactRows("SELECT 1.5")[0][0];
    EXPECT_EQ(Table(HTFactors, 5), factors) << "one row still, its Null still Null";
    for (CorrectionArray other : {HTOilFlow, HTWaterFlow, PDOilFlow, PDViscosity, PDFactors})
        EXPECT_EQ(Table(other, 5), before[other]) << kTables[other];

    // After an add every table is written from the boxes: untouched ones come back as they were.
    const std::vector<Rows> edited = Tables(5);
    Open(5, EditorMode::Add)->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Tables(5), edited);
}

TEST_F(Corrections, CorrectionEmptyBoxesDropTheLastAxisValueWithItsFactorsAndLeaveNullFactorsInTheirRows) {
    auto* window = Open(4, EditorMode::Edit);
    // The last oil flow with its column of factors.
    window->Box(HTOilFlow, 7)->setText("");
    for (int row = 0; row < 6; ++row) window->Box(HTFactors, row * 8 + 7)->setText("");
    window->Box(HTFactors, 13)->setText("");
    // The whole last pressure-drop row and the whole of a middle one.
    for (int column = 0; column < 8; ++column) {
        window->Box(PDFactors, 40 + column)->setText("");
        window->Box(PDFactors, 16 + column)->setText(" ");
    }
    window->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Count("HTCorrectionOilFlow WHERE CoolerID = 4"), 7);
    EXPECT_EQ(Value("SELECT max(HTCorrectionOilFlow) FROM HTCorrectionOilFlow WHERE CoolerID = 4"), "70.0");
    EXPECT_EQ(Value("SELECT coalesce(c6, 'Null') || ' ' || c5 FROM HTCorrection WHERE CoolerID = 4 AND RowNum = 2"), "Null 5.5");
    EXPECT_EQ(Count("HTCorrection WHERE CoolerID = 4 AND c8 IS NULL"), 6);
    // The middle row stays in its place, so the rows after it keep their viscosities.
    EXPECT_EQ(Column("SELECT coalesce(c1, 'Null') FROM PDCorrection WHERE CoolerID = 4 ORDER BY rowid"),
              (std::vector<std::string>{"9.1", "8.1", "Null", "6.1", "5.1"}));

    // A value typed into a row the model did not have adds that row, Null but for what was typed.
    auto* few = Open(5, EditorMode::Edit);
    few->Box(HTOilFlow, 2)->setText("35");
    few->Box(HTFactors, 8 + 3)->setText("2.25");
    few->cmdOK_Click();
    Settle();
    EXPECT_EQ(Column("SELECT HTCorrectionOilFlow FROM HTCorrectionOilFlow WHERE CoolerID = 5 ORDER BY rowid"),
              (std::vector<std::string>{"15.0", "25.0", "35.0"}));
    EXPECT_EQ(Column("SELECT RowNum || ':' || coalesce(c1, 'Null') || ':' || c4 FROM HTCorrection WHERE CoolerID = 5 ORDER BY RowNum"),
              (std::vector<std::string>{"1:1.0:4.0", "2:Null:2.25"}));
}

TEST_F(Corrections, CorrectionTypedNumbersAreStoredWithTheirOwnPrecisionNotAsShown) {
    Exec("UPDATE HTCorrection SET c1 = 0.6817, c2 = 0.80845 WHERE CoolerID = 4 AND RowNum = 1");
    auto* window = Open(4, EditorMode::Edit);
    EXPECT_EQ(Text(window, HTFactors, 0), "0.68");
    EXPECT_EQ(Text(window, HTFactors, 1), "0.81");
    window->Box(HTFactors, 2)->setText("0.6823");
    window->Box(HTFactors, 3)->setText("1.10");
    window->cmdOK_Click();
    Settle();
    EXPECT_EQ(ExactRows("SELECT c1, c2, c3, c4 FROM HTCorrection WHERE CoolerID = 4 AND RowNum = 1"),
              ExactRows("SELECT 0.6817, 0.80845, 0.6823, 1.1"));
}

TEST_F(Corrections, ChangingOneFactorRewritesOnlyThatTable) {
    const std::vector<std::string> before = Snapshot(4);
    auto* window = Open(4, EditorMode::Edit);
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
    Open(4, EditorMode::Edit)->Unload();
    Settle();
    Open(4, EditorMode::Edit)->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Snapshot(4), before);
}

TEST_F(Corrections, ClosingAfterAChangeAsksAndNoLeavesTheDatabaseAsItWas) {
    const std::vector<std::string> before = Snapshot(4);
    auto* window = Open(4, EditorMode::Edit);
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
    auto* again = Open(4, EditorMode::Edit);
    again->Box(PDOilFlow, 0)->setText("11");
    Dialogs().QueueMessageAnswer(gui::vbYes);
    again->Unload();
    Settle();
    EXPECT_EQ(Value("SELECT min(PDCorrectionOilFlow) FROM PDCorrectionOilFlow WHERE CoolerID = 4"), "11.0");
    auto* cancelled = Open(4, EditorMode::Edit);
    cancelled->Box(PDOilFlow, 0)->setText("12");
    cancelled->cmdCancel_Click();
    Settle();
    EXPECT_EQ(Dialogs().Messages().size(), 2u);
    EXPECT_EQ(Value("SELECT min(PDCorrectionOilFlow) FROM PDCorrectionOilFlow WHERE CoolerID = 4"), "11.0");
}

TEST_F(Corrections, AfterAnAddOkWritesWhatTheBoxesHoldAndRefillsTheList) {
    auto* list = Show(new frmSelectEditWater);
    Exec("INSERT INTO Coolers (CoolerID, Name, CoolerType) VALUES (9, 'Fresh', 2)");
    auto* window = Open(9, EditorMode::Add, list);
    EXPECT_FALSE(window->findChild<QPushButton*>("cmdCancel")->isEnabled());
    window->Box(HTOilFlow, 0)->setText("10");
    window->Box(HTWaterFlow, 0)->setText("5");
    window->Box(HTFactors, 0)->setText("0.9");
    window->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Value("SELECT HTCorrectionOilFlow FROM HTCorrectionOilFlow WHERE CoolerID = 9"), "10.0");
    EXPECT_EQ(Value("SELECT HTCorrectionWaterFlow FROM HTCorrectionWaterFlow WHERE CoolerID = 9"), "5.0");
    EXPECT_EQ(Value("SELECT RowNum || ' ' || c1 || ' ' || coalesce(c2, 'Null') FROM HTCorrection WHERE CoolerID = 9"), "1 0.9 Null");
    for (const char* empty : {"PDCorrectionOilFlow", "PDCorrectionViscosity", "PDCorrection"})
        EXPECT_EQ(Count(std::string(empty) + " WHERE CoolerID = 9"), 0) << "empty boxes store no rows";
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 3);
}

TEST_F(Corrections, ABoxThatIsNoNumberStopsTheSaveBeforeAnyTableIsTouched) {
    const std::vector<std::string> before = Snapshot(4);
    auto* window = Open(4, EditorMode::Edit);
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
    auto* window = Open(4, EditorMode::Edit);
    window->Box(HTOilFlow, 0)->setText("15");
    window->Box(PDFactors, 0)->setText("3");
    window->cmdOK_Click();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.contains("refused by the test"));
    EXPECT_EQ(Snapshot(4), before);
    EXPECT_EQ(Newest<frmWaterCorrection>(), window);
}

namespace {

// The bundled sample models, whatever their values are.
class BundledCorrections : public Corrections {
protected:
    BundledCorrections() : Corrections(quellmar::data::Contents::Full) {}

    // The water model with the fewest pressure-drop oil flows: the most boxes over Null cells.
    qint64 SparsestWaterModel() const {
        return std::stoll(Value("SELECT CoolerID FROM Coolers WHERE CoolerType = 2 ORDER BY (SELECT count(*) FROM "
                                "PDCorrectionOilFlow p WHERE p.CoolerID = Coolers.CoolerID), Name LIMIT 1"));
    }
    // The bundled WP 9: 7 heat-transfer oil flows, 6 water flows, 5 pressure-drop oil flows and 6
    // viscosities.
    qint64 WP9() const { return std::stoll(Value("SELECT CoolerID FROM Coolers WHERE Name = 'WP 9'")); }
    // The database file as it lies on disk.
    std::string FileBytes() const {
        std::ifstream file(database.Path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    // Empties the boxes, presses OK and expects the save refused with a message naming `named`,
    // the focus on the first box emptied and the database file unchanged to the byte.
    void ExpectRefused(std::initializer_list<std::pair<CorrectionArray, int>> emptied, const QString& named) {
        const qint64 id = WP9();
        const std::string bytes = FileBytes();
        const std::vector<Rows> before = Tables(id);
        auto* window = Open(id, EditorMode::Edit);
        for (const auto& [array, index] : emptied) window->Box(array, index)->setText("");
        Dialogs().Clear();
        window->cmdOK_Click();
        Settle();
        ASSERT_EQ(Dialogs().Messages().size(), 1u) << named.toStdString();
        EXPECT_TRUE(Dialogs().Messages()[0].text.startsWith(named)) << Dialogs().Messages()[0].text.toStdString();
        EXPECT_TRUE(Dialogs().Messages()[0].text.endsWith("Nothing was saved.")) << named.toStdString();
        EXPECT_EQ(Newest<frmWaterCorrection>(), window) << "the window stays for the correction";
        EXPECT_EQ(window->focusWidget(), window->Box(emptied.begin()->first, emptied.begin()->second));
        EXPECT_EQ(Tables(id), before) << named.toStdString();
        EXPECT_EQ(FileBytes(), bytes) << named.toStdString();
        window->cmdCancel_Click();
        Settle();
    }
    // Everything outside the model's correction tables.
    std::vector<Rows> Elsewhere(qint64 id) const {
        std::vector<Rows> rest{ExactRows("SELECT * FROM Coolers ORDER BY CoolerID")};
        for (const char* table : kTables)
            rest.push_back(ExactRows(std::string("SELECT * FROM ") + table + " WHERE CoolerID <> " + std::to_string(id) +
                                     " ORDER BY rowid"));
        return rest;
    }
};

}  // namespace

TEST_F(BundledCorrections, CorrectionOneFactorEditChangesThatCellAloneKeepingUntouchedPrecisionAndNull) {
    const qint64 id = SparsestWaterModel();
    const std::vector<Rows> before = Tables(id);
    const std::vector<Rows> rest = Elsewhere(id);
    ASSERT_FALSE(before[PDFactors].empty());
    ASSERT_NE(before[PDFactors][0][1], ExactRows("SELECT 0.4321")[0][0]);
    auto* window = Open(id, EditorMode::Edit);
    window->Box(PDFactors, 1)->setText("0.4321");
    window->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty()) << Dialogs().Messages()[0].text.toStdString();
    EXPECT_EQ(CountOf<frmWaterCorrection>(), 0) << "saved and closed";
    std::vector<Rows> expected = before;
    expected[PDFactors][0][1] = ExactRows("SELECT 0.4321")[0][0];
    EXPECT_EQ(Tables(id), expected);
    EXPECT_EQ(Elsewhere(id), rest);
}

TEST_F(BundledCorrections, TheAddWaterModelFlowFinishesThroughTheCorrectionEditorWithUntouchedTablesCopiedExactly) {
    auto* list = Show(new frmSelectEditWater);
    const qint64 templateId = list->List1()->currentItem()->data(Qt::UserRole).toLongLong();
    const int models = list->List1()->count();
    list->cmdNew_Click();
    Settle();
    auto* form = Newest<frmAddWater>();
    ASSERT_NE(form, nullptr);
    form->findChild<QLineEdit*>("txtName")->setText("Added in a test");
    const qint64 id = form->NewCoolerID();
    form->cmdOK_Click();
    Settle();
    auto* editor = Newest<frmEditWater>();
    ASSERT_NE(editor, nullptr);
    editor->cmdOK_Click();
    Settle();
    auto* corrections = Newest<frmWaterCorrection>();
    ASSERT_NE(corrections, nullptr);
    EXPECT_FALSE(corrections->findChild<QPushButton*>("cmdCancel")->isEnabled());
    // A slip of the keyboard is reported and mended; the flow still finishes.
    const QString shown = Text(corrections, HTWaterFlow, 0);
    corrections->Box(HTWaterFlow, 0)->setText("5,5");
    corrections->cmdOK_Click();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Newest<frmWaterCorrection>(), corrections);
    corrections->Box(HTWaterFlow, 0)->setText(shown);
    corrections->cmdOK_Click();
    Settle();
    EXPECT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(CountOf<frmWaterCorrection>(), 0);
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), models + 1);
    EXPECT_EQ(Tables(id), Tables(templateId));
}

TEST_F(BundledCorrections, TheAddWaterModelFlowCancelsStoringNothing) {
    auto* list = Show(new frmSelectEditWater);
    const long long models = Count("Coolers");
    list->cmdNew_Click();
    Settle();
    auto* form = Newest<frmAddWater>();
    ASSERT_NE(form, nullptr);
    form->findChild<QLineEdit*>("txtName")->setText("Never stored");
    form->cmdCancel_Click();
    Settle();
    EXPECT_EQ(CountOf<frmAddWater>(), 0);
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(Count("Coolers"), models);
}

TEST_F(BundledCorrections, CorrectionAnEmptyInteriorAxisBoxIsRefusedNamingItAndTheDatabaseStaysByteIdentical) {
    ExpectRefused({{HTOilFlow, 1}}, "Oil flow \"Oil 2\" of the heat-transfer corrections is empty");
    ExpectRefused({{HTWaterFlow, 2}}, "Water flow 3 (\"Water l/min\") of the heat-transfer corrections is empty");
    ExpectRefused({{PDOilFlow, 3}}, "Oil flow \"Oil 4\" of the pressure-drop corrections is empty");
    ExpectRefused({{PDViscosity, 0}}, "Viscosity \"Oil Cst 1\" of the pressure-drop corrections is empty");
    // Interior with its factors gone too: the factors after it would still move.
    ExpectRefused({{HTOilFlow, 4}, {HTFactors, 4}, {HTFactors, 12}, {HTFactors, 20}, {HTFactors, 28}, {HTFactors, 36}, {HTFactors, 44}},
                  "Oil flow \"Oil 5\" of the heat-transfer corrections is empty, but a later oil flow is not");
    EXPECT_EQ(Dialogs().Messages()[0].text,
              "Oil flow \"Oil 5\" of the heat-transfer corrections is empty, but a later oil flow is not, so the factors would "
              "move to other oil flows. Enter the oil flow, or remove oil flows from the last one back, each with its column "
              "of factors. Nothing was saved.");
}

TEST_F(BundledCorrections, CorrectionAValueTypedPastAnEmptyInteriorAxisBoxIsRefused) {
    const qint64 id = WP9();
    const std::string bytes = FileBytes();
    auto* window = Open(id, EditorMode::Edit);
    // The model has five pressure-drop oil flows: a seventh leaves the sixth box empty.
    window->Box(PDOilFlow, 6)->setText("80");
    window->cmdOK_Click();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.startsWith("Oil flow \"Oil 6\" of the pressure-drop corrections is empty"));
    EXPECT_EQ(window->focusWidget(), window->Box(PDOilFlow, 5));
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(BundledCorrections, CorrectionALastAxisValueWhoseFactorsRemainIsRefusedOnEveryAxis) {
    ExpectRefused({{HTOilFlow, 6}}, "Oil flow \"Oil 7\" of the heat-transfer corrections is empty, but its column");
    EXPECT_EQ(Dialogs().Messages()[0].text,
              "Oil flow \"Oil 7\" of the heat-transfer corrections is empty, but its column of factors is not. Empty the "
              "factors too to remove the oil flow. Nothing was saved.");
    ExpectRefused({{HTWaterFlow, 5}, {HTFactors, 40}, {HTFactors, 41}},
                  "Water flow 6 (\"Water l/min\") of the heat-transfer corrections is empty, but its row");
    ExpectRefused({{PDOilFlow, 4}}, "Oil flow \"Oil 5\" of the pressure-drop corrections is empty, but its column");
    // The last two viscosities, the last one with its row of factors.
    ExpectRefused({{PDViscosity, 4}, {PDViscosity, 5}, {PDFactors, 40}, {PDFactors, 41}, {PDFactors, 42}, {PDFactors, 43}, {PDFactors, 44}},
                  "Viscosity \"Oil Cst 5\" of the pressure-drop corrections is empty, but its row");
}

TEST_F(BundledCorrections, CorrectionALastAxisValueEmptiedWithItsFactorsIsRemovedAndEveryOtherCellKeptExactly) {
    const qint64 id = WP9();
    const std::vector<Rows> before = Tables(id);
    const std::vector<Rows> rest = Elsewhere(id);
    auto* window = Open(id, EditorMode::Edit);
    window->Box(HTOilFlow, 6)->setText("");
    window->Box(HTWaterFlow, 5)->setText("");
    for (int i = 0; i < 8; ++i) window->Box(HTFactors, 40 + i)->setText("");
    for (int row = 0; row < 6; ++row) window->Box(HTFactors, row * 8 + 6)->setText("");
    window->Box(PDOilFlow, 4)->setText("");
    for (int row = 0; row < 6; ++row) window->Box(PDFactors, row * 8 + 4)->setText("");
    window->Box(PDViscosity, 5)->setText("");
    for (int i = 0; i < 4; ++i) window->Box(PDFactors, 40 + i)->setText("");
    window->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty()) << Dialogs().Messages()[0].text.toStdString();
    EXPECT_EQ(CountOf<frmWaterCorrection>(), 0) << "saved and closed";

    std::vector<Rows> expected = before;
    for (CorrectionArray axis : {HTOilFlow, HTWaterFlow, PDOilFlow, PDViscosity}) expected[axis].pop_back();
    expected[HTFactors].pop_back();
    expected[PDFactors].pop_back();
    for (auto& row : expected[HTFactors]) row[7] = "null";  // c7, after RowNum
    for (auto& row : expected[PDFactors]) row[4] = "null";  // c5
    EXPECT_EQ(Tables(id), expected);
    EXPECT_EQ(Elsewhere(id), rest);
}
