// The bound-data layer: connections, transactions, the data control and its grid.
#include "maintenance_fixture.h"

#include "bound_table_model.h"
#include "connection.h"
#include "data_control.h"
#include "data_grid.h"
#include "database_error.h"
#include "database_path.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QStyledItemDelegate>
#include <QTest>

#include <filesystem>
#include <sqlite3.h>

using namespace quellmar::maintenance;

namespace {

class DataLayer : public MaintenanceTest {
protected:
    QString Path() const { return CoolerDatabasePath(); }
    // A control over rows of a table, read.
    void Open(DataControl& data, const QString& table, const QString& filter, const QString& order = {}) const {
        data.SetDatabaseName(Path());
        data.SetRecordSource(table, filter, order);
        data.Refresh();
    }
};

}  // namespace

TEST_F(DataLayer, AMissingDatabaseIsAnErrorAndNoFileIsMade) {
    const std::filesystem::path missing = database.Folder() / "none" / "quellmar.mdb";
    EXPECT_THROW(Connection(QString::fromStdString(missing.string())), DatabaseError);
    const std::filesystem::path beside = database.Folder() / "other.mdb";
    EXPECT_THROW(Connection(QString::fromStdString(beside.string())), DatabaseError);
    EXPECT_FALSE(std::filesystem::exists(beside));
}

TEST_F(DataLayer, ATransactionLeftWithoutCommitUndoesEverythingItsPartsDid) {
    Connection db(Path());
    try {
        Transaction outer(db);
        db.Execute("delete from PressureDrop where coolerid = ?", {1});
        {
            Transaction part(db);
            db.Execute("delete from CoolingCapacity where coolerid = ?", {1});
            part.Commit();
        }
        throw DatabaseError("stop");
    } catch (const DatabaseError&) {
    }
    EXPECT_EQ(Count("PressureDrop WHERE CoolerID = 1"), 2);
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = 1"), 3);
    {
        Transaction outer(db);
        db.Execute("delete from PressureDrop where coolerid = ?", {1});
        {
            Transaction part(db);
            db.Execute("delete from CoolingCapacity where coolerid = ?", {1});
        }
        outer.Commit();
    }
    EXPECT_EQ(Count("PressureDrop WHERE CoolerID = 1"), 0);
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = 1"), 3) << "the part that was not committed is undone";
}

TEST_F(DataLayer, BoundValuesAreNeverReadAsSql) {
    Connection db(Path());
    db.Execute("update coolers set name = ? where coolerid = ?", {"O'Brien\"; delete from coolers; --", 1});
    EXPECT_EQ(Value("SELECT Name FROM Coolers WHERE CoolerID = 1"), "O'Brien\"; delete from coolers; --");
    EXPECT_EQ(Count("Coolers"), 5);
}

TEST_F(DataLayer, TheNewRowKeyIsTheDatabasesCounterAndNeverGivenTwice) {
    DataControl first, second;
    for (DataControl* data : {&first, &second}) Open(*data, "Coolers", "0");
    const qint64 a = first.AddNew();
    const qint64 b = second.AddNew();
    EXPECT_EQ(a, 6);
    EXPECT_EQ(b, 7) << "a row begun elsewhere takes the next key";
    first.CancelUpdate();
    second.SetField("Name", "Kept");
    second.UpdateRecord();
    EXPECT_EQ(Value("SELECT Name FROM Coolers WHERE CoolerID = 7"), "Kept");
    EXPECT_EQ(Count("Coolers WHERE CoolerID = 6"), 0);
    EXPECT_EQ(Value("SELECT StockItem FROM Coolers WHERE CoolerID = 7"), "0") << "fields not set take their defaults";
    // A cancelled key is not reused, as a counter never is.
    DataControl third;
    Open(third, "Coolers", "0");
    EXPECT_EQ(third.AddNew(), 8);
}

TEST_F(DataLayer, TheFirstNewRowOfAnEmptyTableStartsTheCounter) {
    Exec("DELETE FROM Coolers");
    DataControl data;
    Open(data, "coolers", "0");
    EXPECT_EQ(data.AddNew(), 6) << "above every key the table ever had";
    data.UpdateRecord();
    Exec("INSERT INTO Coolers (Name) VALUES ('next')");
    EXPECT_EQ(Value("SELECT CoolerID FROM Coolers WHERE Name = 'next'"), "7");
}

TEST_F(DataLayer, BoxTextsBecomeNumbersByTheProgramsRulesWhateverTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DataControl data;
    QLineEdit flow, weight, name;
    data.SetDatabaseName(Path());
    data.SetRecordSource("Coolers", "CoolerID = 1");
    data.Bind(&flow, "MaxOilFlow");
    data.Bind(&weight, "Weight");
    data.Bind(&name, "Name");
    data.Refresh();
    EXPECT_EQ(flow.text(), "100");
    EXPECT_EQ(weight.text(), "12.5");
    flow.setText(" 123.25 ");
    weight.setText("");
    data.UpdateRecord();
    QLocale::setDefault(previous);
    EXPECT_EQ(Value("SELECT typeof(MaxOilFlow) || ' ' || MaxOilFlow FROM Coolers WHERE CoolerID = 1"), "real 123.25");
    EXPECT_EQ(Value("SELECT Weight FROM Coolers WHERE CoolerID = 1"), "NULL");
    EXPECT_EQ(name.text(), "Alpha");
}

TEST_F(DataLayer, ATextThatIsNoNumberIsRefusedAndNothingOfTheRowIsWritten) {
    DataControl data;
    QLineEdit flow, name;
    data.SetDatabaseName(Path());
    data.SetRecordSource("Coolers", "CoolerID = 1");
    data.Bind(&flow, "MaxOilFlow");
    data.Bind(&name, "Name");
    data.Refresh();
    name.setText("Renamed");
    flow.setText("12,5");
    try {
        data.UpdateRecord();
        FAIL() << "a comma number was stored";
    } catch (const DatabaseError& error) {
        EXPECT_STREQ(error.what(), "The MaxOilFlow value \"12,5\" is not a number.");
    }
    EXPECT_EQ(Value("SELECT Name || ' ' || MaxOilFlow FROM Coolers WHERE CoolerID = 1"), "Alpha 100.0");
    EXPECT_TRUE(data.HasPendingEdits()) << "the edits wait to be corrected";
    flow.setText("12.5");
    data.UpdateRecord();
    EXPECT_EQ(Value("SELECT Name || ' ' || MaxOilFlow FROM Coolers WHERE CoolerID = 1"), "Renamed 12.5");
}

TEST_F(DataLayer, OpeningAndStoringUntouchedBoxesWritesNothing) {
    Exec("UPDATE Coolers SET PartNumber = NULL WHERE CoolerID = 3");
    Exec("CREATE TABLE Writes (n); CREATE TRIGGER count_writes AFTER UPDATE ON Coolers BEGIN INSERT INTO Writes VALUES (1); END;");
    DataControl data;
    QLineEdit part, flow;
    QCheckBox stock;
    data.SetDatabaseName(Path());
    data.SetRecordSource("Coolers", "CoolerID = 3");
    data.Bind(&part, "PartNumber");
    data.Bind(&flow, "NoiseLevel");
    data.Bind(&stock, "StockItem");
    data.Refresh();
    EXPECT_TRUE(stock.isChecked());
    EXPECT_FALSE(data.HasPendingEdits());
    data.UpdateRecord();
    EXPECT_EQ(Count("Writes"), 0);
    EXPECT_EQ(Value("SELECT PartNumber FROM Coolers WHERE CoolerID = 3"), "NULL") << "an empty box keeps a Null text";
    stock.setChecked(false);
    data.UpdateRecord();
    EXPECT_EQ(Value("SELECT StockItem FROM Coolers WHERE CoolerID = 3"), "0");
}

TEST_F(DataLayer, ARefusedWriteLeavesEveryRowAsItWasAndKeepsTheEdits) {
    DataControl data;
    Open(data, "CoolingCapacity", "CoolerID = 1", "CoolingCapacityOilFlow");
    BoundTableModel& model = data.Model();
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(0, 1)).toDouble(), 10) << "ordered by the flow";
    model.setData(model.index(0, 2), "0.35");
    Refuse("DELETE", "CoolingCapacity");
    EXPECT_THROW(data.DeleteRows({2}), DatabaseError);
    EXPECT_EQ(Value("SELECT CoolingCapacity FROM CoolingCapacity WHERE CoolerID = 1 AND CoolingCapacityOilFlow = 10"), "0.3");
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = 1"), 3);
    Exec("DROP TRIGGER refuse_CoolingCapacity_DELETE");
    data.DeleteRows({2});
    EXPECT_EQ(Value("SELECT CoolingCapacity FROM CoolingCapacity WHERE CoolerID = 1 AND CoolingCapacityOilFlow = 10"), "0.35");
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = 1"), 2);
}

// What the database's refusal says to the user.
template <class Action>
std::string Said(Action action) {
    try {
        action();
    } catch (const DatabaseError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST_F(DataLayer, ABusyDatabaseAndAFullDiskAreSaidInTheProgramsWords) {
    Connection connection(Path());
    // Another program is in the middle of a change; the wait for it is cut short here.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(database.Path().c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    connection.Select("PRAGMA busy_timeout = 0");
    EXPECT_EQ(Said([&] { Transaction change(connection); }),
              "Another window or program is changing the cooler database; try again when it has finished.");
    EXPECT_EQ(Said([&] { connection.Select("SELECT COUNT(*) FROM Coolers"); }),
              "Another window or program is changing the cooler database; try again when it has finished.");
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    // A file that cannot grow, as on a full disk.
    const QVariant pages = connection.Select("PRAGMA page_count").front().value(0);
    connection.Select("PRAGMA max_page_count = " + pages.toString());
    const QByteArray drawing(1 << 20, 'x');
    EXPECT_EQ(Said([&] { connection.Execute("UPDATE Coolers SET Dxf = ? WHERE CoolerID = 1", {drawing}); }),
              "The disk is full.");
    EXPECT_EQ(Value("SELECT length(Dxf) FROM Coolers WHERE CoolerID = 1"), "NULL");
}

TEST_F(DataLayer, TheGridsEmptyRowBeginsANewRowThatTheHookKeys) {
    DataControl data;
    Open(data, "PressureDrop", "CoolerID = 2", "PressureDropOilFlow");
    DataGrid grid;
    grid.SetDataSource(data);
    int hooked = -1;
    QObject::connect(&grid, &DataGrid::OnAddNew, [&](int row) {
        hooked = row;
        data.Model().setData(data.Model().index(row, 0), 2);
    });
    QAbstractItemModel* shown = grid.model();
    ASSERT_EQ(shown->rowCount(), 2) << "the row and the empty row";
    EXPECT_EQ(shown->headerData(1, Qt::Vertical).toString(), "*");
    ASSERT_TRUE(shown->setData(shown->index(1, 1), "30"));
    EXPECT_EQ(hooked, 1);
    EXPECT_EQ(shown->rowCount(), 3) << "a new empty row below the begun one";
    ASSERT_TRUE(shown->setData(shown->index(1, 2), "0.6"));
    EXPECT_EQ(shown->rowCount(), 3) << "the second field goes into the same new row";
    grid.SubmitPending();
    EXPECT_EQ(Column("SELECT PressureDropOilFlow || '/' || PressureDrop FROM PressureDrop WHERE CoolerID = 2 ORDER BY 1"),
              (std::vector<std::string>{"10.0/0.2", "30.0/0.6"}));
}

TEST_F(DataLayer, TheGridWritesARowWhenTheUserMovesToAnotherOne) {
    DataControl data;
    Open(data, "CoolingCapacity", "CoolerID = 1", "CoolingCapacityOilFlow");
    DataGrid grid;
    grid.SetDataSource(data);
    grid.show();
    grid.setCurrentIndex(grid.model()->index(0, 2));
    grid.model()->setData(grid.model()->index(0, 2), "0.33");
    EXPECT_EQ(Value("SELECT CoolingCapacity FROM CoolingCapacity WHERE CoolerID = 1 AND CoolingCapacityOilFlow = 10"), "0.3");
    grid.setCurrentIndex(grid.model()->index(1, 2));
    Settle();
    EXPECT_EQ(Value("SELECT CoolingCapacity FROM CoolingCapacity WHERE CoolerID = 1 AND CoolingCapacityOilFlow = 10"), "0.33");
    EXPECT_EQ(grid.currentIndex().row(), 1);
}

TEST_F(DataLayer, DeleteRemovesTheSelectedRowsAtOnceUnlessForbidden) {
    DataControl data;
    Open(data, "CoolingCapacity", "CoolerID = 1", "CoolingCapacityOilFlow");
    DataGrid grid;
    grid.SetDataSource(data);
    grid.show();
    grid.SetAllowDelete(false);
    grid.selectRow(0);
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(Count("CoolingCapacity WHERE CoolerID = 1"), 3);
    grid.SetAllowDelete(true);
    grid.selectRow(0);
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(Column("SELECT CoolingCapacityOilFlow FROM CoolingCapacity WHERE CoolerID = 1 ORDER BY 1"),
              (std::vector<std::string>{"20.0", "40.0"}));
}

TEST_F(DataLayer, AGridThatMayNotAddOrChangeOffersNoEmptyRowAndNoEditing) {
    DataControl data;
    Open(data, "CoolingCapacity", "CoolerID = 1");
    DataGrid grid;
    grid.SetDataSource(data);
    grid.SetAllowAddNew(false);
    grid.SetAllowUpdate(false);
    QAbstractItemModel* shown = grid.model();
    EXPECT_EQ(shown->rowCount(), 3);
    EXPECT_FALSE(shown->flags(shown->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(shown->setData(shown->index(0, 1), "5"));
}

TEST_F(DataLayer, GridCellsShowAndEditNumbersAsTheProgramWritesThemWhateverTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Exec("UPDATE CoolingCapacity SET CoolingCapacity = 0.0591 WHERE CoolerID = 1 AND CoolingCapacityOilFlow = 10");
    DataControl data;
    Open(data, "CoolingCapacity", "CoolerID = 1", "CoolingCapacityOilFlow");
    DataGrid grid;
    grid.SetDataSource(data);
    grid.show();
    const QModelIndex cell = grid.model()->index(0, 2);
    QAbstractItemDelegate* delegate = grid.itemDelegateForIndex(cell);
    EXPECT_EQ(static_cast<QStyledItemDelegate*>(delegate)->displayText(cell.data(), QLocale()), "0.0591");
    std::unique_ptr<QWidget> editor(delegate->createEditor(grid.viewport(), QStyleOptionViewItem(), cell));
    auto* box = qobject_cast<QLineEdit*>(editor.get());
    ASSERT_NE(box, nullptr) << "a text box, not a spin box that keeps two decimals";
    delegate->setEditorData(box, cell);
    EXPECT_EQ(box->text(), "0.0591");
    box->setText("0.05915");
    delegate->setModelData(box, grid.model(), cell);
    data.UpdateRecord();
    QLocale::setDefault(previous);
    EXPECT_EQ(Value("SELECT CoolingCapacity FROM CoolingCapacity WHERE CoolerID = 1 AND CoolingCapacityOilFlow = 10"), "0.05915");
}
