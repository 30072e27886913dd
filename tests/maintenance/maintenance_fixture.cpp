#include "maintenance_fixture.h"

#include "gui/mdi_frame.h"
#include "vb/program_folder.h"

#include <QApplication>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const char* const kModels = R"SQL(
INSERT INTO Coolers (CoolerID, Name, PartNumber, Description, MaxOilFlow, NoiseLevel, CostRanking, SalesLeaflet, Weight,
                     CoolerType, MotorType, ProductRange, Series, StockItem)
VALUES (1, 'Alpha', 'A-1', 'First air model', 100, 70, 2, 'L-1', 12.5, 1, 3, 2, NULL, 0),
       (2, 'beta', 'B-2', 'Second air model', 150, 72, 1, 'L-2', 20, 1, 1, 1, NULL, 0),
       (3, 'Mob 1', 'M-1', 'Mobile model', 80, NULL, NULL, 'ML-1', 9, 3, NULL, NULL, NULL, 1),
       (4, 'W 1', 'W-1', 'Water model', 60, NULL, NULL, 'WL-1', 30, 2, NULL, NULL, 3, 0),
       (5, 'W 2', 'W-2', 'Water model two', 90, NULL, NULL, 'WL-2', 40, 2, NULL, NULL, 2, 1);
INSERT INTO CoolingCapacity (CoolerID, CoolingCapacityOilFlow, CoolingCapacity)
VALUES (1, 20, 0.5), (1, 10, 0.3), (1, 40, 0.8), (2, 10, 0.4), (2, 50, 1.2), (3, 10, 0.2), (4, 10, 0.3), (4, 60, 0.9);
INSERT INTO PressureDrop (CoolerID, PressureDropOilFlow, PressureDrop)
VALUES (1, 10, 0.1), (1, 40, 0.9), (2, 10, 0.2), (3, 10, 0.3), (4, 10, 0.1), (4, 60, 1.1);
INSERT INTO HTCorrectionOilFlow (CoolerID, HTCorrectionOilFlow)
VALUES (4, 80), (4, 10), (4, 20), (4, 30), (4, 40), (4, 50), (4, 60), (4, 70), (5, 15), (5, 25);
INSERT INTO HTCorrectionWaterFlow (CoolerID, HTCorrectionWaterFlow) VALUES (4, 5), (4, 10), (4, 15), (4, 20), (4, 25), (4, 30), (5, 8);
INSERT INTO PDCorrectionOilFlow (CoolerID, PDCorrectionOilFlow)
VALUES (4, 10), (4, 20), (4, 30), (4, 40), (4, 50), (4, 60), (4, 70), (4, 80);
INSERT INTO PDCorrectionViscosity (CoolerID, PDCorrectionViscosity) VALUES (4, 10), (4, 22), (4, 46), (4, 100), (4, 220), (4, 460), (5, 32);
)SQL";

void AddCorrectionRows(const quellmar::test::TestDatabase& database) {
    std::string sql;
    for (int row = 1; row <= 6; ++row) {
        std::string values;
        for (int column = 1; column <= 8; ++column) values += ", " + std::to_string(row) + "." + std::to_string(column);
        // Heat-transfer rows stored out of order: they are read by row number.
        const int rowNum = 7 - row;
        sql += "INSERT INTO HTCorrection (CoolerID, RowNum, c1, c2, c3, c4, c5, c6, c7, c8) VALUES (4, " +
               std::to_string(rowNum) + values + ");\n";
        // Pressure-drop rows whose first factor falls while the viscosity rises: only their stored
        // order ties them to the viscosities.
        std::string pd;
        for (int column = 1; column <= 8; ++column) pd += ", " + std::to_string(10 - row) + "." + std::to_string(column);
        sql += "INSERT INTO PDCorrection (CoolerID, c1, c2, c3, c4, c5, c6, c7, c8) VALUES (4" + pd + ");\n";
    }
    sql += "INSERT INTO HTCorrection (CoolerID, RowNum, c1, c2, c3, c4, c5, c6, c7, c8) VALUES (5, 1, 1, 2, 3, 4, 5, 6, 7, 8);\n";
    database.Exec(sql);
}

std::string Text(sqlite3_stmt* statement, int column) {
    if (sqlite3_column_type(statement, column) == SQLITE_NULL) return "NULL";
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

}  // namespace

MaintenanceTest::MaintenanceTest(quellmar::data::Contents contents) : database(contents), area(new QMdiArea) {
    if (contents == quellmar::data::Contents::Base) {
        database.Exec(kModels);
        AddCorrectionRows(database);
    }
    vb::SetProgramFolder(database.Folder());
    frame.setCentralWidget(area);
    frame.resize(1400, 1000);
    gui::SetMdiFrame(&frame, area);
    frame.show();
}

MaintenanceTest::~MaintenanceTest() {
    area->closeAllSubWindows();
    Settle();
    gui::SetMdiFrame(nullptr, nullptr);
    vb::SetProgramFolder({});
}

void MaintenanceTest::Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

std::vector<std::string> MaintenanceTest::Column(const std::string& sql) const {
    sqlite3* db = nullptr;
    std::vector<std::string> values;
    EXPECT_EQ(sqlite3_open_v2(database.Path().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db) << " in " << sql;
    while (statement && sqlite3_step(statement) == SQLITE_ROW) values.push_back(Text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return values;
}

std::vector<std::vector<std::string>> MaintenanceTest::ExactRows(const std::string& sql) const {
    sqlite3* db = nullptr;
    std::vector<std::vector<std::string>> rows;
    EXPECT_EQ(sqlite3_open_v2(database.Path().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db) << " in " << sql;
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
            switch (sqlite3_column_type(statement, column)) {
                case SQLITE_NULL: row.push_back("null"); break;
                case SQLITE_INTEGER: row.push_back("integer " + std::to_string(sqlite3_column_int64(statement, column))); break;
                case SQLITE_FLOAT: {
                    const double value = sqlite3_column_double(statement, column);
                    std::uint64_t bits = 0;
                    std::memcpy(&bits, &value, sizeof bits);
                    char hex[17];
                    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(bits));
                    row.push_back(std::string("real ") + hex);
                    break;
                }
                default: row.push_back("text " + Text(statement, column)); break;
            }
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

std::string MaintenanceTest::Value(const std::string& sql) const {
    const std::vector<std::string> values = Column(sql);
    return values.empty() ? std::string("no row") : values.front();
}

long long MaintenanceTest::Count(const std::string& sql) const { return std::stoll(Value("SELECT count(*) FROM " + sql)); }

void MaintenanceTest::Refuse(const std::string& when, const std::string& table) const {
    database.Exec("CREATE TRIGGER refuse_" + table + "_" + when + " BEFORE " + when + " ON " + table +
                  " BEGIN SELECT RAISE(ABORT, 'refused by the test'); END;");
}
