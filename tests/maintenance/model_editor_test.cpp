// The model editors and their drawing buttons.
#include "maintenance_fixture.h"

#include "data_grid.h"
#include "drawing_import.h"
#include "model_editor.h"
#include "named_pipe.h"
#include "model_list.h"
#include "water_correction.h"

#include "gui/option_group.h"
#include "gui/twips.h"
#include "gui/wait_cursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <cstdlib>
#include <fstream>

using namespace quellmar::maintenance;

namespace {

class ModelEditors : public MaintenanceTest {
protected:
    explicit ModelEditors(quellmar::data::Contents contents = quellmar::data::Contents::Base) : MaintenanceTest(contents) {}

    template <typename Editor>
    Editor* Open(qint64 id, EditorMode mode, ModelList* list = nullptr) {
        auto* editor = new Editor;
        editor->Initialise(id, mode, list);
        if (list) list->SetFormVisible(false);
        return Show(editor);
    }
    frmSelectEdit* AirList() {
        auto* list = new frmSelectEdit;
        list->Initialise(Family::Air);
        return Show(list);
    }
    static QLineEdit* Box(QWidget* window, const char* name) { return window->findChild<QLineEdit*>(name); }
    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = database.Folder() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    // A DXF drawing of exactly `size` bytes with CR LF line ends: an empty entities section and
    // a comment that fills it up.
    static std::string Drawing(std::size_t size) {
        const std::string head = "0\r\nSECTION\r\n2\r\nENTITIES\r\n999\r\n";
        const std::string tail = "\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
        return head + std::string(size - head.size() - tail.size(), 'c') + tail;
    }
};

}  // namespace

TEST_F(ModelEditors, ViewModeShowsTheModelAndLetsNothingBeChangedButTheDrawingBeShown) {
    auto* editor = Open<frmEditAir>(1, EditorMode::View);
    EXPECT_EQ(editor->windowTitle(), "View Air-Cooled Model");
    EXPECT_EQ(Box(editor, "txtName")->text(), "Alpha");
    EXPECT_EQ(Box(editor, "txtWeight")->text(), "12.5");
    // Read-only and drawn so: on the window's colour, where an editable box is white.
    const auto looksReadOnly = [](QWidget* field) { return field->palette().color(QPalette::Base) == field->palette().color(QPalette::Window); };
    for (QLineEdit* box : editor->findChildren<QLineEdit*>()) {
        EXPECT_TRUE(box->isReadOnly()) << box->objectName().toStdString();
        EXPECT_TRUE(looksReadOnly(box)) << box->objectName().toStdString();
    }
    EXPECT_TRUE(looksReadOnly(editor->DBGrid1()));
    EXPECT_FALSE(looksReadOnly(Box(Open<frmEditAir>(1, EditorMode::Edit), "txtName")));
    for (QRadioButton* option : editor->findChildren<QRadioButton*>()) EXPECT_FALSE(option->isEnabled());
    for (DataGrid* grid : {editor->DBGrid1(), editor->DBGrid2()}) {
        EXPECT_FALSE(grid->AllowAddNew());
        EXPECT_FALSE(grid->AllowUpdate());
        EXPECT_FALSE(grid->AllowDelete());
    }
    EXPECT_FALSE(editor->findChild<QPushButton*>("cmdLoadDxf")->isEnabled());
    EXPECT_FALSE(editor->findChild<QPushButton*>("cmdDelete")->isEnabled());
    EXPECT_TRUE(editor->findChild<QPushButton*>("cmdViewDxf")->isEnabled());

    auto* mobile = Open<frmEditMobile>(3, EditorMode::View);
    EXPECT_EQ(mobile->windowTitle(), "View Mobile Model");
    EXPECT_TRUE(mobile->findChild<QCheckBox*>("chkStock")->isChecked());
    EXPECT_FALSE(mobile->findChild<QCheckBox*>("chkStock")->isEnabled());
}

TEST_F(ModelEditors, OptionsShowTheStoredCodesAndAClickStoresIndexPlusOne) {
    auto* editor = Open<frmEditAir>(1, EditorMode::Edit);
    EXPECT_EQ(editor->windowTitle(), "Edit Air-Cooled Model");
    EXPECT_EQ(editor->Options("optMotor")->Selected(), 2) << "motor type 3";
    EXPECT_EQ(editor->Options("optRange")->Selected(), 1) << "product range 2";
    editor->Options("optMotor")->Button(4)->click();
    editor->Options("optRange")->Button(0)->click();
    editor->cmdOK_Click();
    Settle();
    EXPECT_EQ(Value("SELECT MotorType || ' ' || ProductRange FROM Coolers WHERE CoolerID = 1"), "5 1");

    auto* water = Open<frmEditWater>(4, EditorMode::Edit);
    EXPECT_EQ(water->Options("optSeries")->Selected(), 2);
    Exec("UPDATE Coolers SET Series = 9 WHERE CoolerID = 5");
    auto* odd = Open<frmEditWater>(5, EditorMode::Edit);
    EXPECT_EQ(odd->Options("optSeries")->Selected(), -1) << "a code outside the options selects none";
}

TEST_F(ModelEditors, EveryEditorFitsTheMainWindowsFirstAreaWithRowsOfBothCurvesInSight) {
    frame.resize(gui::TwipsToPixels(11880, 8145 - 390));
    const QRect visible(QPoint(0, 0), area->viewport()->size());
    const std::vector<std::pair<QWidget*, const char*>> editors{
        {Open<frmEditAir>(1, EditorMode::Edit), "air"}, {Open<frmEditMobile>(3, EditorMode::Edit), "mobile"}, {Open<frmEditWater>(4, EditorMode::Edit), "water"}};
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
    auto* editor = Open<frmEditAir>(1, EditorMode::Edit);
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
    // Typed into and left by the close box without the focus ever leaving the box, it is cut all the same.
    description->setText(QString(90, 'w'));
    editor->Unload();
    Settle();
    EXPECT_EQ(Value("SELECT length(Description) FROM Coolers WHERE CoolerID = 1"), "80");
}

TEST_F(ModelEditors, ACurvePointAddedInEitherGridCarriesTheModelsKey) {
    auto* editor = Open<frmEditMobile>(3, EditorMode::Edit);
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

TEST_F(ModelEditors, TheGridHeadersShowTheAxisCaptionsWholeAndTheCapacityGridIsAsWideAsItsColumnsAndTwiceLpm) {
    auto* editor = Open<frmEditAir>(1, EditorMode::Edit);
    for (auto [grid, value] : {std::pair{editor->DBGrid1(), "kW/degree C"}, std::pair{editor->DBGrid2(), "BAR@30Cst"}}) {
        QHeaderView* header = grid->horizontalHeader();
        EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "LPM Oil Flow");
        EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), value);
        for (int column : {1, 2}) EXPECT_LE(header->sectionSizeHint(column), grid->columnWidth(column)) << "clipped";
    }
    // The same two widths in both grids, the first one as wide as they are and twice "LPM".
    EXPECT_EQ(editor->DBGrid2()->columnWidth(1), editor->DBGrid1()->columnWidth(1));
    EXPECT_EQ(editor->DBGrid2()->columnWidth(2), editor->DBGrid1()->columnWidth(2));
    EXPECT_GE(editor->DBGrid1()->columnWidth(2), editor->DBGrid1()->horizontalHeader()->fontMetrics().horizontalAdvance("Cooling Capacity"));
    EXPECT_EQ(editor->DBGrid1()->width(), editor->DBGrid1()->columnWidth(1) + editor->DBGrid1()->columnWidth(2) +
                                              2 * editor->DBGrid1()->horizontalHeader()->fontMetrics().horizontalAdvance("LPM"));
    EXPECT_LT(editor->DBGrid2()->minimumWidth(), editor->DBGrid2()->maximumWidth()) << "the second grid keeps its own width";
}

TEST_F(ModelEditors, ClosingAfterAnAddRefillsTheListAndAfterAnEditOnlyShowsIt) {
    frmSelectEdit* list = AirList();
    Exec("INSERT INTO Coolers (CoolerID, Name, CoolerType) VALUES (9, 'Added', 1)");
    auto* edited = Open<frmEditAir>(1, EditorMode::Edit, list);
    edited->Unload();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 2) << "not refilled";
    auto* added = Open<frmEditAir>(9, EditorMode::Add, list);
    EXPECT_FALSE(list->FormVisible());
    added->Unload();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 3);
}

TEST_F(ModelEditors, AWaterEditorAfterAnAddGoesOnToTheCorrectionFactorsOnOK) {
    auto* list = Show(new frmSelectEditWater);
    auto* editor = Open<frmEditWater>(5, EditorMode::Add, list);
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
    auto* second = Open<frmEditWater>(9, EditorMode::Add, list);
    second->Unload();
    Settle();
    EXPECT_TRUE(list->FormVisible());
    EXPECT_EQ(list->List1()->count(), 3);
    EXPECT_EQ(CountOf<frmWaterCorrection>(), 0);
}

TEST_F(ModelEditors, AnEditThatCannotBeStoredKeepsTheWindowOpenUnlessTheUserLetsItGo) {
    auto* editor = Open<frmEditAir>(1, EditorMode::Edit);
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
    auto* editor = Open<frmEditWater>(4, EditorMode::Edit);
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
    Open<frmEditAir>(2, EditorMode::Edit);
    Settle();
    EXPECT_EQ(CountOf<frmEditAir>(), 0);
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "The model with the key 2 no longer exists.");
}

TEST_F(ModelEditors, LoadStoresTheWholeFileAndViewShowsItUnderTheModelsName) {
    auto* editor = Open<frmEditAir>(1, EditorMode::Edit);
    const std::string bytes = Drawing(5000);
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

    Dialogs().QueueFileName(QString::fromStdString(WriteFile("exact.dxf", Drawing(4096))));
    editor->cmdLoadDxf_Click();
    EXPECT_EQ(Value("SELECT length(Dxf) FROM Coolers WHERE CoolerID = 1"), "4096");
    // One character per byte: a Windows-1252 text is stored as its bytes, line ends as they stand.
    const std::string codePage = "0\r\nSECTION\r\n999\r\n40\xB0" "C\r\n0\r\nEOF\n";
    Dialogs().QueueFileName(QString::fromStdString(WriteFile("code page.dxf", codePage)));
    editor->cmdLoadDxf_Click();
    EXPECT_EQ(Value("SELECT hex(CAST(Dxf AS BLOB)) FROM Coolers WHERE CoolerID = 1"),
              QByteArray::fromStdString(codePage).toHex().toUpper().toStdString());
    EXPECT_TRUE(Dialogs().Messages().empty());
}

TEST_F(ModelEditors, CancellingTheLoadChangesNothingAndAnEmptyDrawingIsNoDrawing) {
    auto* editor = Open<frmEditMobile>(3, EditorMode::Edit);
    Dialogs().QueueFileName(std::nullopt);
    editor->cmdLoadDxf_Click();
    EXPECT_EQ(Value("SELECT Dxf FROM Coolers WHERE CoolerID = 3"), "NULL");
    Exec("UPDATE Coolers SET Dxf = '' WHERE CoolerID = 3");
    editor->cmdViewDxf_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "No DXF file available\r\nConsult catalogue or sales office for drawing.");
}

TEST_F(ModelEditors, LoadRefusesWhatNoDrawingWindowCouldShowAndKeepsTheStoredDrawing) {
    Exec("UPDATE Coolers SET Dxf = 'old drawing' WHERE CoolerID = 1");
    auto* editor = Open<frmEditAir>(1, EditorMode::Edit);
    const quellmar::test::NamedPipe pipe(database.Folder() / "pipe.dxf");
    std::filesystem::create_symlink("/dev/zero", database.Folder() / "zero.dxf");
    std::filesystem::create_directory(database.Folder() / "folder.dxf");
    const std::string huge = WriteFile("huge.dxf", "");
    std::filesystem::resize_file(huge, std::uintmax_t(kMostDrawingFileBytes) + 1);
    const std::string random = std::string("\x8F\x03\0\xE2", 4) + Drawing(200) + std::string("\0\x17", 2);
    const std::vector<std::pair<std::string, std::string>> refused = {
        {pipe.Path().string(), "cannot be read: This is a named pipe (FIFO), not a file."},
        {(database.Folder() / "zero.dxf").string(), "cannot be read: This is a device, not a file."},
        {(database.Folder() / "folder.dxf").string(), "cannot be read: This is a folder, not a file."},
        {WriteFile("empty.dxf", ""), "is empty. The stored drawing was not changed."},
        {huge,
         "holds 67106816 bytes, more than any drawing: a drawing file may hold at most 67106815 bytes. The stored "
         "drawing was not changed."},
        {WriteFile("binary.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0\0\x02SECTION", 31)),
         "is not a DXF drawing in text form. The stored drawing was not changed."},
        {WriteFile("random.dxf", random), "is not a DXF drawing in text form. The stored drawing was not changed."},
        {WriteFile("notes.dxf", "0\r\nSECTIONS\r\n"),
         "is not a DXF drawing in text form. The stored drawing was not changed."}};
    for (const auto& [file, why] : refused) {
        Dialogs().Clear();
        Dialogs().QueueFileName(QString::fromStdString(file));
        editor->cmdLoadDxf_Click();
        EXPECT_EQ(Dialogs().MessageTexts(), std::vector<QString>{QString::fromStdString("The drawing file " + file + " " + why)});
        EXPECT_EQ(Value("SELECT Dxf FROM Coolers WHERE CoolerID = 1"), "old drawing") << file;
        EXPECT_EQ(gui::ScreenMousePointer(), 0) << "the hourglass is gone";
    }
}

TEST_F(ModelEditors, LoadRepairsBareLineFeedsSoTheDrawingCanBeShown) {
    // The repair is the drawing component's own: it is found through the build's registry.
    setenv("QUELLMAR_COMPONENT_REGISTRY", QUELLMAR_PROGRAM_DIR "/components.reg", 1);
    const std::string drawing = Drawing(3000);
    std::string unix;
    for (char c : drawing)
        if (c != '\r') unix += c;
    auto* editor = Open<frmEditWater>(4, EditorMode::Edit);
    Dialogs().QueueFileName(QString::fromStdString(WriteFile("unix.dxf", unix)));
    editor->cmdLoadDxf_Click();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Value("SELECT CAST(Dxf AS BLOB) FROM Coolers WHERE CoolerID = 4"), drawing);
    unsetenv("QUELLMAR_COMPONENT_REGISTRY");
}

TEST_F(ModelEditors, AFileThatCannotBeReadLeavesTheStoredDrawingAsItWas) {
    Exec("UPDATE Coolers SET Dxf = 'old drawing' WHERE CoolerID = 1");
    auto* editor = Open<frmEditAir>(1, EditorMode::Edit);
    Dialogs().QueueFileName(QString::fromStdString((database.Folder() / "missing.dxf").string()));
    editor->cmdLoadDxf_Click();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_TRUE(Dialogs().Messages()[0].text.startsWith("The drawing file")) << Dialogs().Messages()[0].text.toStdString();
    EXPECT_EQ(Value("SELECT Dxf FROM Coolers WHERE CoolerID = 1"), "old drawing");
    EXPECT_EQ(gui::ScreenMousePointer(), 0) << "the hourglass is gone";
}

TEST_F(ModelEditors, DeleteRemovesTheDrawingAndViewThenSaysThereIsNone) {
    Exec("UPDATE Coolers SET Dxf = 'drawing' WHERE CoolerID = 2");
    auto* editor = Open<frmEditAir>(2, EditorMode::Edit);
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
    auto* editor = Open<frmEditAir>(1, EditorMode::Edit);
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

namespace {

class BundledEditors : public ModelEditors {
protected:
    BundledEditors() : ModelEditors(quellmar::data::Contents::Full) {}
};

}  // namespace

TEST_F(BundledEditors, AnUntouchedLongDescriptionIsKeptAndATypedOneIsCutWhenTheFocusLeavesIt) {
    // A new-model form stores a description of any length.
    const std::string id = Value("SELECT CoolerID FROM Coolers WHERE CoolerType = 2 ORDER BY Name LIMIT 1");
    const std::string longText(95, 'd');
    Exec("UPDATE Coolers SET Description = '" + longText + "' WHERE CoolerID = " + id);
    auto* editor = Open<frmEditWater>(std::stoll(id), EditorMode::Edit);
    EXPECT_EQ(Box(editor, "txtDescription")->text().toStdString(), longText);
    Box(editor, "txtWeight")->setText("99");
    // Another window taking the focus for a while is no leaving of the box.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Box(editor, "txtDescription"), &away);
    editor->Unload();
    Settle();
    auto* again = Open<frmEditWater>(std::stoll(id), EditorMode::Edit);
    again->cmdOK_Click();
    Settle();
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Value("SELECT Description || ' ' || Weight FROM Coolers WHERE CoolerID = " + id), longText + " 99.0");

    // Typed into, it is checked when the focus goes on to another box.
    auto* typed = Open<frmEditWater>(std::stoll(id), EditorMode::Edit);
    QApplication::setActiveWindow(&frame);
    QLineEdit* description = Box(typed, "txtDescription");
    description->setFocus();
    ASSERT_TRUE(description->hasFocus());
    description->setText(QString(81, 'e'));
    Box(typed, "txtPartNo")->setFocus();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, "Description field has a maximum of 80 characters");
    EXPECT_EQ(description->text(), QString(80, 'e'));
}
