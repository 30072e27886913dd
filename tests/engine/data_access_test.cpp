#include "engine/data_access.h"
#include "engine/engine_error.h"
#include "engine/performance_id.h"
#include "test_database.h"
#include "unprivileged.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using quellmar::engine::DataAccess;
using quellmar::engine::DatabaseError;
using quellmar::test::TempFolder;
using quellmar::test::TestDatabase;

TEST(DataAccess, ReturnsEveryRowFieldFirstWithNullsKeptAndEmptyForNoSql) {
    const TestDatabase db;
    db.Exec("INSERT INTO Coolers (CoolerID, Name, Weight, Description) VALUES (1, 'AOC 1', 12.5, NULL), (2, 'AOC 2', 7, 'x')");
    DataAccess data(db.Path());
    EXPECT_TRUE(data.Execute("").IsEmpty());

    const auto rows = data.Execute("SELECT Name, Weight, Description, CoolerID FROM Coolers ORDER BY CoolerID");
    ASSERT_EQ(rows.Fields(), 4u);
    ASSERT_EQ(rows.Rows(), 2u);
    EXPECT_EQ(rows.At(0, 1), vb::Variant("AOC 2"));
    EXPECT_EQ(rows.At(1, 0), vb::Variant(12.5));
    EXPECT_EQ(rows.At(1, 1), vb::Variant(7.0));  // a REAL column
    EXPECT_EQ(rows.At(3, 1), vb::Variant(std::int32_t{2}));
    EXPECT_TRUE(rows.At(2, 0).IsNull());

    const auto none = data.Execute("SELECT Name FROM Coolers WHERE CoolerID = 99");
    EXPECT_FALSE(none.IsEmpty());
    EXPECT_EQ(none.Rows(), 0u);
}

TEST(DataAccess, FetchesMoreThanFiveHundredRows) {
    const TestDatabase db;
    db.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 501) "
            "INSERT INTO CoolingCapacity (CoolerID, CoolingCapacityOilFlow) SELECT 1, i FROM n");
    DataAccess data(db.Path());
    const auto rows = data.Execute("SELECT CoolingCapacityOilFlow FROM CoolingCapacity ORDER BY 1");
    ASSERT_EQ(rows.Rows(), 501u);
    EXPECT_EQ(rows.At(0, 500).ToDouble(), 501.0);
}

TEST(DataAccess, BindsValuesSoTextNeverBecomesSql) {
    const TestDatabase db;
    db.Exec("INSERT INTO Coolers (CoolerID, Name) VALUES (1, 'O''Brien 1'), (2, 'AOC 2')");
    DataAccess data(db.Path());
    EXPECT_EQ(data.Execute("SELECT CoolerID FROM Coolers WHERE Name = ?1", {"o'brien 1"}).At(0, 0).ToLong(), 1);
    EXPECT_EQ(data.Execute("SELECT CoolerID FROM Coolers WHERE Name = ?1", {"x' OR '1'='1"}).Rows(), 0u);
    EXPECT_THROW(data.Execute("SELECT CoolerID FROM Coolers WHERE Name = ?1"), DatabaseError);
}

TEST(DataAccess, AMissingOrForeignFileAndABadQueryAreDatabaseErrors) {
    const TempFolder folder;
    EXPECT_THROW(DataAccess(folder / "quellmar.mdb"), DatabaseError);
    EXPECT_FALSE(std::filesystem::exists(folder / "quellmar.mdb"));
    std::ofstream(folder / "text.mdb") << "this is no database, just some text long enough to have a header of sorts";
    EXPECT_THROW(DataAccess(folder / "text.mdb"), DatabaseError);

    const TestDatabase db;
    DataAccess data(db.Path());
    try {
        data.Execute("SELECT NoSuchColumn FROM Coolers");
        FAIL() << "no error";
    } catch (const vb::RuntimeError& e) {
        EXPECT_NE(std::string(e.what()).find("NoSuchColumn"), std::string::npos);
    }
}

TEST(DataAccess, AnEmptyFileOrOneWithoutTheCoolerTablesIsRefusedByNameAndLeftAsItWas) {
    const TempFolder folder;
    const auto refusal = [](const std::filesystem::path& file) {
        try {
            DataAccess data(file);
        } catch (const DatabaseError& e) {
            return e.Description();
        }
        return std::string("opened");
    };
    const auto empty = folder / "quellmar.mdb";
    std::ofstream{empty};
    EXPECT_EQ(refusal(empty), "The file " + empty.string() + " is not a cooler database: it is empty.");
    EXPECT_EQ(std::filesystem::file_size(empty), 0u);

    const TestDatabase other;
    other.Exec("DROP TABLE VisTemp; DROP TABLE dbAttributes;");
    const auto size = std::filesystem::file_size(other.Path());
    EXPECT_EQ(refusal(other.Path()),
              "The file " + other.Path().string() + " is not a cooler database: it has no table VisTemp, dbAttributes.");
    EXPECT_EQ(std::filesystem::file_size(other.Path()), size);

    const auto foreign = folder / "notes.db";
    sqlite3* db = nullptr;
    sqlite3_open(foreign.c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE Notes (Text)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(refusal(foreign), "The file " + foreign.string() + " is not a cooler database: it holds none of the cooler tables.");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++files;
    EXPECT_EQ(files, 2u) << "no journal or log beside the files";
}

// A program that dies in the middle of a change: its journal stays beside the database, and the
// next reader has to undo the change, which writes the file and removes the journal.
void InterruptAChange(const std::filesystem::path& database) {
    const pid_t writer = ::fork();
    if (writer == 0) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        // A small cache makes the change reach the file before it would be committed.
        sqlite3_exec(db,
                     "PRAGMA cache_size = 1; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                     "WHERE i < 2000) INSERT INTO Coolers (Name, Description) SELECT 'Model ' || i, hex(randomblob(200)) "
                     "FROM n; UPDATE dbAttributes SET vcValue = 'half changed';",
                     nullptr, nullptr, nullptr);
        ::_exit(0);
    }
    ::waitpid(writer, nullptr, 0);
}

TEST(DataAccess, AnInterruptedChangeBesideAReadOnlyDatabaseSaysItNeedsWriteAccessOnce) {
    if (quellmar::test::RanAsUnprivilegedUser()) return;
    const TestDatabase db;
    InterruptAChange(db.Path());
    const std::filesystem::path journal = std::filesystem::path(db.Path()) += "-journal";
    ASSERT_GT(std::filesystem::file_size(journal), 0u);
    std::string refusal = "opened";
    {
        const quellmar::test::WriteProtectedTree readOnly(db.Folder());
        try {
            DataAccess data(db.Path());
        } catch (const DatabaseError& e) {
            refusal = e.Description();
        }
    }
    EXPECT_EQ(refusal, "A change to the cooler database " + db.Path().string() +
                           " was interrupted and must be finished before the database can be read: open it once as a "
                           "user who may write to the file and to its folder " + db.Folder().string() +
                           ". (attempt to write a readonly database)");
    // Where it may write, the next reader finishes it: the change is undone and the database reads.
    DataAccess data(db.Path());
    EXPECT_FALSE(std::filesystem::exists(journal));
    EXPECT_EQ(data.Execute("SELECT COUNT(*) FROM Coolers").At(0, 0), vb::Variant(std::int32_t{0}));
}

TEST(PerformanceID, StartsWithNoCooler) {
    const quellmar::engine::PerformanceID p;
    EXPECT_EQ(p.Performance(), 0.0);
    EXPECT_EQ(p.ID(), 0);
}

}  // namespace
