#include "test_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using quellmar::data::Contents;
using quellmar::test::TempFolder;
using quellmar::test::TestDatabase;

class Reader {
public:
    explicit Reader(const std::filesystem::path& file) {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + file.string());
    }
    ~Reader() { sqlite3_close(db_); }

    std::vector<std::vector<std::string>> Rows(const std::string& sql) const {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_) + std::string(" in ") + sql);
        std::vector<std::vector<std::string>> rows;
        while (sqlite3_step(s) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                const auto* text = sqlite3_column_text(s, c);
                row.emplace_back(text ? reinterpret_cast<const char*>(text) : "<null>");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(s);
        return rows;
    }
    double Number(const std::string& sql) const { return std::stod(Rows(sql).at(0).at(0)); }

private:
    sqlite3* db_ = nullptr;
};

std::vector<std::string> Columns(const Reader& r, const std::string& table) {
    std::vector<std::string> names;
    for (const auto& row : r.Rows("PRAGMA table_info(" + table + ")")) names.push_back(row.at(1));
    return names;
}

const std::map<std::string, std::vector<std::string>>& ExpectedTables() {
    static const std::map<std::string, std::vector<std::string>> tables = {
        {"Coolers", {"CoolerID", "Name", "PartNumber", "Description", "MaxOilFlow", "NoiseLevel", "CostRanking",
                     "SalesLeaflet", "Weight", "CoolerType", "MotorType", "ProductRange", "Series", "StockItem",
                     "ShellOilSidePressureRating", "WaterSidePressureRating", "Dxf"}},
        {"CoolingCapacity", {"CoolerID", "CoolingCapacityOilFlow", "CoolingCapacity"}},
        {"PressureDrop", {"CoolerID", "PressureDropOilFlow", "PressureDrop"}},
        {"HTCorrectionWaterFlow", {"CoolerID", "HTCorrectionWaterFlow"}},
        {"HTCorrectionOilFlow", {"CoolerID", "HTCorrectionOilFlow"}},
        {"HTCorrection", {"CoolerID", "RowNum", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8"}},
        {"PDCorrectionViscosity", {"CoolerID", "PDCorrectionViscosity"}},
        {"PDCorrectionOilFlow", {"CoolerID", "PDCorrectionOilFlow"}},
        {"PDCorrection", {"CoolerID", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8"}},
        {"CoolerTypes", {"Code", "CoolerType"}},
        {"MotorTypes", {"Code", "MotorType"}},
        {"ProductRange", {"Code", "ProductRange"}},
        {"Series", {"Code", "Series"}},
        {"AirPDCorrections", {"ViscosityCst", "AirPDCorrection"}},
        {"HTCorrectionMobile", {"AFVMperSec"}},
        {"dbAttributes", {"vcAttribute", "vcValue"}},
    };
    return tables;
}

void ExpectEveryTable(const Reader& r) {
    for (const auto& [table, expected] : ExpectedTables()) {
        const auto actual = Columns(r, table);
        ASSERT_GE(actual.size(), expected.size()) << table;
        // Columns read by position keep their places; any key column stands after them.
        for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << table;
    }
    const auto vis = Columns(r, "VisTemp");
    ASSERT_EQ(vis.size(), 39u);
    EXPECT_EQ(vis[0], "OilGrade");
    for (int n = 0; n < 38; ++n) EXPECT_EQ(vis[static_cast<std::size_t>(n) + 1], std::to_string(n));
}

TEST(Schema, TheBuiltProgramDatabaseHasEveryTableAndColumn) {
    const std::filesystem::path built = std::filesystem::path(QUELLMAR_PROGRAM_DIR) / "quellmar.mdb";
    ASSERT_TRUE(std::filesystem::exists(built)) << built;
    ExpectEveryTable(Reader(built));
}

TEST(Schema, ATestDatabaseHasTheCodeListsAndNoModels) {
    const TestDatabase db;
    const Reader r(db.Path());
    ExpectEveryTable(r);
    EXPECT_EQ(r.Number("SELECT count(*) FROM Coolers"), 0);
    EXPECT_EQ(r.Rows("SELECT CoolerType FROM CoolerTypes ORDER BY Code"),
              (std::vector<std::vector<std::string>>{{"Air"}, {"Water"}, {"Mobile"}}));
    EXPECT_EQ(r.Rows("SELECT MotorType FROM MotorTypes ORDER BY Code"),
              (std::vector<std::vector<std::string>>{{"StdAC"}, {"StdAC1ph"}, {"StdDC"}, {"StdHy"}, {"SpecAC"}}));
    EXPECT_EQ(r.Rows("SELECT Series FROM Series ORDER BY Code"),
              (std::vector<std::vector<std::string>>{{"PSeries"}, {"WPSeries"}, {"WPMSeries"}, {"OtherSeries"}}));
    EXPECT_EQ(r.Number("SELECT count(*) FROM ProductRange"), 2);
    EXPECT_EQ(r.Rows("SELECT vcValue FROM dbAttributes WHERE vcAttribute = 'version'").size(), 1u);
}

TEST(Schema, TextComparisonsDisregardCaseAsTheQueriesExpect) {
    const TestDatabase db;
    const Reader r(db.Path());
    EXPECT_EQ(r.Number("SELECT Code FROM CoolerTypes WHERE CoolerType = 'air'"), 1);
    EXPECT_EQ(r.Number("SELECT Code FROM CoolerTypes WHERE CoolerType='mobile'"), 3);
    EXPECT_EQ(r.Number("SELECT Code FROM ProductRange WHERE ProductRange = 'ostravine'"), 2);
    EXPECT_EQ(r.Number("SELECT Code FROM MotorTypes WHERE MotorType = 'stdhy'"), 4);
    EXPECT_EQ(r.Number("SELECT count(*) FROM dbattributes WHERE VCATTRIBUTE = 'VERSION'"), 1);
    db.Exec("INSERT INTO Coolers (Name) VALUES ('AOC 100')");
    EXPECT_EQ(r.Number("select count(*) as Num from coolers where name = 'aoc 100'"), 1);
}

// The correction-factor editor shows at most 6 rows by 8 columns of each water model's tables and
// writes back what it shows, so a bundled table any larger would lose its extra rows on the first save.
TEST(Schema, BundledWaterCorrectionTablesFitTheEditorsSixByEightGrids) {
    const std::filesystem::path built = std::filesystem::path(QUELLMAR_PROGRAM_DIR) / "quellmar.mdb";
    const Reader r(built);
    const auto most = [&](const std::string& table) {
        return r.Number("SELECT max(n) FROM (SELECT count(*) AS n FROM " + table + " GROUP BY CoolerID)");
    };
    EXPECT_LE(most("HTCorrectionWaterFlow"), 6);
    EXPECT_LE(most("HTCorrection"), 6);
    EXPECT_LE(most("HTCorrectionOilFlow"), 8);
    EXPECT_LE(most("PDCorrectionViscosity"), 6);
    EXPECT_LE(most("PDCorrection"), 6);
    EXPECT_LE(most("PDCorrectionOilFlow"), 8);
    EXPECT_GT(most("HTCorrection"), 0);
}

TEST(Schema, PressureDropCorrectionRowsComeBackInTheOrderTheyWereWritten) {
    const TestDatabase db;
    db.Exec("INSERT INTO PDCorrection (CoolerID, c1) VALUES (7, 3.0), (7, 1.0), (7, 2.0)");
    const Reader r(db.Path());
    EXPECT_EQ(r.Rows("SELECT c1 FROM PDCorrection WHERE CoolerID = 7 ORDER BY rowid"),
              (std::vector<std::vector<std::string>>{{"3.0"}, {"1.0"}, {"2.0"}}));
}

TEST(VisTemp, HoldsEveryGradeAtItsNominalViscosityAndFallsWithTemperature) {
    const TestDatabase db;
    const Reader r(db.Path());
    EXPECT_EQ(r.Number("SELECT count(*) FROM VisTemp"), 15);
    // Column 11 is 40 degrees C; grade 5 is ISO VG 46.
    EXPECT_NEAR(r.Number("SELECT [11] FROM VisTemp WHERE OilGrade = 5"), 46.0, 0.46);
    const int grades[] = {7, 10, 15, 22, 32, 46, 68, 100, 150, 220, 320, 460, 680, 1000, 1500};
    for (int g = 0; g < 15; ++g)
        EXPECT_NEAR(r.Number("SELECT [11] FROM VisTemp WHERE OilGrade = " + std::to_string(g)), grades[g],
                    grades[g] * 0.01);
    for (const auto& row : r.Rows("SELECT * FROM VisTemp ORDER BY OilGrade")) {
        for (std::size_t c = 2; c < row.size(); ++c)
            EXPECT_LT(std::stod(row[c]), std::stod(row[c - 1])) << "grade " << row[0] << " column " << c - 1;
        EXPECT_GT(std::stod(row.back()), 0.0);
    }
    // Heavier grades are thicker at every temperature.
    for (int c = 0; c < 38; ++c) {
        const auto column = r.Rows("SELECT [" + std::to_string(c) + "] FROM VisTemp ORDER BY OilGrade");
        for (std::size_t g = 1; g < column.size(); ++g) EXPECT_GT(std::stod(column[g][0]), std::stod(column[g - 1][0]));
    }
}

TEST(DatabaseBuilder, AFailedBuildLeavesNoDatabaseBehind) {
    const TempFolder data;
    const TempFolder out;
    for (const char* name : {"schema.sql", "codes.sql", "vistemp.sql"})
        std::filesystem::copy_file(std::filesystem::path(QUELLMAR_DATA_DIR) / name, data / name);
    std::filesystem::create_directory(data / "models");
    std::ofstream(data / "models" / "broken.sql") << "INSERT INTO NoSuchTable VALUES (1);";
    EXPECT_THROW(quellmar::data::BuildDatabase(data.Path(), out / "quellmar.mdb", Contents::Full),
                 quellmar::data::BuildError);
    EXPECT_TRUE(std::filesystem::is_empty(out.Path()));
}

TEST(DatabaseBuilder, StoresEachDrawingInTheModelOfItsName) {
    const TempFolder data;
    const TempFolder out;
    for (const char* name : {"schema.sql", "codes.sql", "vistemp.sql"})
        std::filesystem::copy_file(std::filesystem::path(QUELLMAR_DATA_DIR) / name, data / name);
    std::filesystem::create_directory(data / "models");
    std::filesystem::create_directory(data / "drawings");
    std::ofstream(data / "models" / "one.sql") << "INSERT INTO Coolers (Name) VALUES ('AOC 1');";
    std::ofstream(data / "drawings" / "AOC 1.dxf", std::ios::binary) << "0\r\nEOF\r\n";
    quellmar::data::BuildDatabase(data.Path(), out / "quellmar.mdb", Contents::Full);
    const Reader r(out / "quellmar.mdb");
    EXPECT_EQ(r.Rows("SELECT Dxf FROM Coolers WHERE Name = 'AOC 1'").at(0).at(0), "0\r\nEOF\r\n");
}

}  // namespace
