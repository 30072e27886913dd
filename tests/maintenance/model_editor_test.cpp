// The model editors and their drawing buttons.
#include "maintenance_fixture.h"

#include "data_grid.h"
#include "model_editor.h"
#include "model_list.h"
#include "water_correction.h"

#include "gui/option_group.h"
#include "gui/twips.h"
#include "gui/wait_cursor.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <fstream>

using namespace quellmar::maintenance;

namespace {

class ModelEditors : public MaintenanceTest {
protected:
    template <typename Editor>
    Editor* Open(qint64 id, int mode, ModelList* list = nullptr) {
        auto* editor = new Editor;
        editor->Initialise(id, mode, list);
        if (list) list->SetFormVisible(false);
        return Show(editor);
    }
    frmSelectEdit* AirList() {
        auto* list = new frmSelectEdit;
        list->Initialise(1);
        return Show(list);
    }
    static QLineEdit* Box(QWidget* window, const char* name) { return window->findChild<QLineEdit*>(name); }
    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = database.Folder() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

}  // namespace

TEST_F(ModelEditors, ViewModeShowsTheModelAndLetsNothingBeChangedButTheDrawingBeShown) {
    auto* editor = Open<frmEditAir>(1, 1);
    EXPECT_EQ(editor->windowTitle(), "View Air-Cooled Model");
    EXPECT_EQ(Box(editor, "txtName")->text(), "Alpha");
    EXPECT_EQ(Box(editor, "txtWeight")->text(), "12.5");
    for (QLineEdit* box : editor->findChildren<QLineEdit*>()) EXPECT_TRUE(box->isReadOnly()) << box->objectName().toStdString();
    for (QRadioButton* option : editor->findChildren<QRadioButton*>()) EXPECT_FALSE(option->isEnabled());
    for (DataGrid* grid : {editor->DBGrid1(), editor->DBGrid2()}) {
        EXPECT_FALSE(grid->AllowAddNew());
        EXPECT_FALSE(grid->AllowUpdate());
        EXPECT_FALSE(grid->AllowDelete());
    }
    EXPECT_FALSE(editor->findChild<QPushButton*>("cmdLoadDxf")->isEnabled());
    EXPECT_FALSE(editor->findChild<QPushButton*>("cmdDelete")->isEnabled());
    EXPECT_TRUE(editor->findChild<QPushButton*>("cmdViewDxf")->isEnabled());

    auto* mobile = Open<frmEditMobile>(3, 1);
    EXPECT_EQ(mobile->windowTitle(), "View Mobile Model");
    EXPECT_TRUE(mobile->findChild<QCheckBox*>("chkStock")->isChecked());
    EXPECT_FALSE(mobile->findChild<QCheckBox*>("chkStock")->isEnabled());
}

TEST_F(ModelEditors, OptionsShowTheStoredCodesAndAClickStoresIndexPlusOne) {
    auto* editor = Open<frmEditAir>(1, 2);
    EXPECT_EQ(editor->windowTitle(), "Edit Air-Cooled Model");
    EXPECT_EQ(editor->Options("optMotor")->Selected(), 2) << "motor type 3";
    EXPECT_EQ(editor->Options("optRange")->Selected(), 1) << "product range 2";
    editor->Options("optMotor")->Button(4)->click();
    editor->Options("optRange")->Button(0)->click();
    editor->cmdOK_Click();
    Settle();
    EXPECT_EQ(Value("SELECT MotorType || ' ' || ProductRange FROM Coolers WHERE CoolerID = 1"), "5 1");

    auto* water = Open<frmEditWater>(4, 2);
    EXPECT_EQ(water->Options("optSeries")->Selected(), 2);
    Exec("UPDATE Coolers SET Series = 9 WHERE CoolerID = 5");
    auto* odd = Open<frmEditWater>(5, 2);
    EXPECT_EQ(odd->Options("optSeries")->Selected(), -1) << "a code outside the options selects none";
}

TEST_F(ModelEditors, EveryEditorFitsTheMainWindowsFirstAreaWithRowsOfBothCurvesInSight) {
    frame.resize(gui::TwipsToPixels(11880, 8145 - 390));
    const QRect visible(QPoint(0, 0), area->viewport()->size());
    const std::vector<std::pair<QWidget*, const char*>> editors{
        {Open<frmEditAir>(1, 2), "air"}, {Open<frmEditMobile>(3, 2), "mobile"}, {Open<frmEditWater>(4, 2), "water"}};
    for (const auto& [editor, family] : editors) {
        SCOPED_TRACE(family);
        const QWidget* frameOfEditor = editor->parentWidget();
        EXPECT_TRUE(visible.contains(frameOfEditor->geometry()));
        EXPECT_GE(editor->width(), editor->minimumSizeHint().width());
        EXPECT_GE(editor->height(), editor->minimumSizeHint().height());
        for (const char* name : {"DBGrid1", "DBGrid2"}) {
            const auto* grid = editor->findChild<QTableView*>(name);
            EXPECT_GE(grid->viewport()->height(), 5 * grid->verticalHeader()->defaultSectionSize()) << name;
        }
        EXPECT_TRUE(editor->rect().contains(editor->findChild<QPushButton*>("cmdOk")->geometry()));
    }
}

TEST_F(ModelEditors, ADescriptionOfMoreThanEightyCharactersIsCutWithAMessage) {
    auto* editor = Open<frmEditAir>(1, 2);
    QLineEdit* description = Box(editor, "txtDescription");
    description->setText(QString(80, 'x'));
    editor->txtDescription_Validate();
    EXPECT_TRUE(Dialogs().Messages().empty());
    description->setText(QString(80, 'y') + "z");
    editor->txtDescription_Validate();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "Description field has a maximum of 80 characters");
    EXPECT_EQ(Dialogs().Messages()[0].style, gui::vbOKOnly);
    EXPECT_EQ(description->text(), QString(80, 'y'));
    // Left by the close box without the focus ever leaving the box, it is cut all the same.
    description->setText(QString(90, 'w'));
    editor->Unload();
    Settle();
    EXPECT_EQ(Value("SELECT length(Description) FROM Coolers WHERE CoolerID = 1"), "80");
}

TEST_F(ModelEditors, ACurvePointAddedInEitherGridCarriesTheModelsKey) {
    auto* editor = Open<frmEditMobile>(3, 2);
    for (DataGrid* grid : {editor->DBGrid1(), editor->DBGrid2()}) {
        EXPECT_TRUE(grid->isColumnHidden(0));
        QAbstractItemModel* shown = grid->model();
        const int empty = shown->rowCount() - 1;
        ASSERT_TRUE(shown->setData(shown->index(empty, 1), "25"));
        ASSERT_TRUE(shown->setData(shown->index(empty, 2), "0.45"));
    }
    editor->cmdOK_Click();
    Settle();
    EXPECT_EQ(Column("SELECT CoolerID FROM CoolingCapacity WHERE CoolingCapacityOilFlow = 25"), (std::vector<std::string>{"3"}));
    EXPECT_EQ(Column("SELECT CoolerID FROM PressureDrop WHERE PressureDropOilFlow = 25"), (std::vector<std::string>{"3"}));
}

TEST_F(ModelEditors, TheCapacityGridIsAsWideAsItsColumnsAndTwiceLpm) {
    auto* editor = Open<frmEditAir>(1, 2);
    const QFontMetrics metrics = editor->fontMetrics();
    const int flow = metrics.horizontalAdvance("LPM Oil Flow");
    const int value = metrics.horizontalAdvance("Cooling Capacity");
    EXPECT_EQ(editor->DBGrid1()->columnWidth(1), flow);
    EXPECT_EQ(editor->DBGrid1()->columnWidth(2), value);
    EXPECT_EQ(editor->DBGrid2()->columnWidth(2), value);
    EXPECT_EQ(editor->DBGrid1()->width(), flow + value + 2 * metrics.horizontalAdvance("LPM"));
    EXPECT_NE(editor->DBGrid2()->width(), editor->DBGrid1()->width());
}

TEST_F(ModelEditors, ClosingAfterAnAddRefillsTheListAndAfterAnEditOnlyShowsIt) {
    frmSelectEdit* list = AirList();
    Exec("INSERT INTO Coolers (CoolerID, Name, CoolerType) VALUES (9, 'Added', 1)");
    auto* edited = Open<frmEditAir>(1, 2, list);
    edited->Unload();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 2) << "not refilled";
    auto* added = Open<frmEditAir>(9, 3, list);
    EXPECT_FALSE(list->FormVisible());
    added->Unload();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 3);
}

TEST_F(ModelEditors, AWaterEditorAfterAnAddGoesOnToTheCorrectionFactorsOnOK) {
    auto* list = Show(new frmSelectEditWater);
    auto* editor = Open<frmEditWater>(5, 3, list);
    editor->cmdOK_Click();
    Settle();
    EXPECT_EQ(CountOf<frmEditWater>(), 0);
    EXPECT_FALSE(list->FormVisible()) << "the correction-factor editor carries the list on";
    auto* corrections = Newest<frmWaterCorrection>();
    ASSERT_NE(corrections, nullptr);
    EXPECT_EQ(corrections->findChild<QLineEdit*>("txtName")->text(), "W 2");
    EXPECT_FALSE(corrections->findChild<QPushButton*>("cmdCancel")->isEnabled()) << "mode 3";

    // Closed by its close box instead, the editor brings the list back refilled.
    Exec("INSERT INTO Coolers (CoolerID, Name, CoolerType) VALUES (9, 'Added', 2)");
    corrections->cmdOK_Click();
    Settle();
    auto* second = Open<frmEditWater>(9, 3, list);
    second->Unload();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 3);
    EXPECT_EQ(CountOf<frmWaterCorrection>(), 0);
}

TEST_F(ModelEditors, AnEditThatCannotBeStoredKeepsTheWindowOpenUnlessTheUserLetsItGo) {
    auto* editor = Open<frmEditAir>(1, 2);
    Box(editor, "txtName")->setText("Renamed");
    Box(editor, "txtMaxFlow")->setText("lots");
    Dialogs().QueueMessageAnswer(gui::vbNo);
    editor->cmdOK_Click();
    Settle();
    ASSERT_EQ(Newest<frmEditAir>(), editor) << "No keeps the window";
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text,
              "The MaxOilFlow value \"lots\" is not a number.\r\n\r\nClose the window and discard the changes that were not stored?");
    Dialogs().QueueMessageAnswer(gui::vbYes);
    editor->Unload();
    Settle();
    EXPECT_EQ(CountOf<frmEditAir>(), 0);
    EXPECT_EQ(Value("SELECT Name || ' ' || MaxOilFlow FROM Coolers WHERE CoolerID = 1"), "Alpha 100.0");
}

TEST_F(ModelEditors, EditsAreStoredWhenTheWindowCloses) {
    auto* editor = Open<frmEditWater>(4, 2);
    Box(editor, "txtName")->setText("W 1 'special'");
    Box(editor, "txtOilShell")->setText("25.5");
    editor->findChild<QCheckBox*>("chkStock")->setChecked(true);
    editor->Options("optSeries")->Button(0)->click();
    editor->Unload();
    Settle();
    EXPECT_EQ(Value("SELECT Name || '|' || ShellOilSidePressureRating || '|' || StockItem || '|' || Series FROM Coolers "
                    "WHERE CoolerID = 4"),
              "W 1 'special'|25.5|1|1");
}

TEST_F(ModelEditors, ADeletedModelCannotBeOpened) {
    Exec("DELETE FROM Coolers WHERE CoolerID = 2");
    Open<frmEditAir>(2, 2);
    Settle();
    EXPECT_EQ(CountOf<frmEditAir>(), 0);
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "The model with the key 2 no longer exists.");
}

TEST_F(ModelEditors, LoadStoresTheWholeFileAndViewShowsItUnderTheModelsName) {
    auto* editor = Open<frmEditAir>(1, 2);
    std::string bytes;
    for (int i = 0; i < 5000; ++i) bytes += static_cast<char>(i % 2 ? '\n' : 'A' + i % 26);
    Dialogs().QueueFileName(QString::fromStdString(WriteFile("drawing.dxf", bytes)));
    editor->cmdLoadDxf_Click();
    const std::vector<gui::ShownDialog>& shown = Dialogs().Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, gui::ShownDialog::Kind::Open);
    EXPECT_EQ(shown[0].text, "DXF Files (*.dxf)|*.dxf|All Files (*.*)|*.*");
    EXPECT_EQ(Value("SELECT length(CAST(Dxf AS BLOB)) || ' ' || typeof(Dxf) FROM Coolers WHERE CoolerID = 1"), "5000 text");
    editor->cmdViewDxf_Click();
    EXPECT_EQ(windows.log->calls, (std::vector<std::string>{"SetFileName", "Caption=Alpha", "Show"}));
    EXPECT_EQ(windows.log->fileTextAtCaption, bytes + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(windows.log->fileName.toStdString()));

    Dialogs().QueueFileName(QString::fromStdString(WriteFile("exact.dxf", std::string(4096, 'q'))));
    editor->cmdLoadDxf_Click();
    EXPECT_EQ(Value("SELECT length(Dxf) FROM Coolers WHERE CoolerID = 1"), "4096");
    // One character per byte: a Windows-1252 text is stored as its bytes, line ends as they stand.
    Dialogs().QueueFileName(QString::fromStdString(WriteFile("code page.dxf", "40\xB0" "C\r\nEOF\n")));
    editor->cmdLoadDxf_Click();
    EXPECT_EQ(Value("SELECT hex(CAST(Dxf AS BLOB)) FROM Coolers WHERE CoolerID = 1"), "3430B0430D0A454F460A");
}

TEST_F(ModelEditors, AnEmptyFileStoresAnEmptyTextAndCancellingChangesNothing) {
    auto* editor = Open<frmEditMobile>(3, 2);
    Dialogs().QueueFileName(std::nullopt);
    editor->cmdLoadDxf_Click();
    EXPECT_EQ(Value("SELECT Dxf FROM Coolers WHERE CoolerID = 3"), "NULL");
    Dialogs().QueueFileName(QString::fromStdString(WriteFile("empty.dxf", "")));
    editor->cmdLoadDxf_Click();
    EXPECT_EQ(Value("SELECT typeof(Dxf) || ':' || Dxf FROM Coolers WHERE CoolerID = 3"), "text:");
    editor->cmdViewDxf_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 1u) << "an empty drawing is no drawing";
    EXPECT_EQ(Dialogs().Messages()[0].text, "No DXF file available\r\nConsult catalogue or sales office for drawing.");
}

TEST_F(ModelEditors, AFileThatCannotBeReadLeavesTheStoredDrawingAsItWas) {
    Exec("UPDATE Coolers SET Dxf = 'old drawing' WHERE CoolerID = 1");
    auto* editor = Open<frmEditAir>(1, 2);
    Dialogs().QueueFileName(QString::fromStdString((database.Folder() / "missing.dxf").string()));
    editor->cmdLoadDxf_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.startsWith("The drawing file")) << Dialogs().Messages()[0].text.toStdString();
    EXPECT_EQ(Value("SELECT Dxf FROM Coolers WHERE CoolerID = 1"), "old drawing");
    EXPECT_EQ(gui::ScreenMousePointer(), 0) << "the hourglass is gone";
}

TEST_F(ModelEditors, DeleteRemovesTheDrawingAndViewThenSaysThereIsNone) {
    Exec("UPDATE Coolers SET Dxf = 'drawing' WHERE CoolerID = 2");
    auto* editor = Open<frmEditAir>(2, 2);
    editor->cmdDelete_Click();
    EXPECT_EQ(Value("SELECT Dxf FROM Coolers WHERE CoolerID = 2"), "NULL");
    editor->cmdViewDxf_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].title, "Quellmar");
    EXPECT_TRUE(windows.log->calls.empty());
    // Closing the editor afterwards does not bring the drawing back from its own copy of the row.
    Box(editor, "txtPartNo")->setText("B-22");
    editor->Unload();
    Settle();
    EXPECT_EQ(Value("SELECT PartNumber || ' ' || coalesce(Dxf, 'none') FROM Coolers WHERE CoolerID = 2"), "B-22 none");
}

TEST_F(ModelEditors, ACellStillBeingTypedIntoIsStoredWhenTheWindowCloses) {
    auto* editor = Open<frmEditAir>(1, 2);
    const auto typeInto = [](DataGrid* grid, int row, int column, const QString& text) {
        const QModelIndex cell = grid->model()->index(row, column);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* box = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(box, nullptr) << "the cell opens for editing";
        box->setText(text);
    };
    // A changed point in the capacity grid, a new point in the pressure-drop grid; neither cell is left.
    typeInto(editor->DBGrid1(), 0, 2, "7.25");
    typeInto(editor->DBGrid2(), editor->DBGrid2()->model()->rowCount() - 1, 1, "33");
    editor->Unload();
    Settle();
    EXPECT_EQ(CountOf<frmEditAir>(), 0);
    EXPECT_EQ(Value("SELECT CoolingCapacity FROM CoolingCapacity WHERE CoolerID = 1 ORDER BY CoolingCapacityOilFlow LIMIT 1"),
              "7.25");
    EXPECT_EQ(Column("SELECT CoolerID FROM PressureDrop WHERE PressureDropOilFlow = 33"), (std::vector<std::string>{"1"}));
}
