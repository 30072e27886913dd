#include "cooler_fixture.h"

#include "vb/format.h"

namespace quellmar::test {
namespace {

std::string Number(double v) { return vb::CStr(v); }

std::string PointRows(const std::string& table, int id, const Points& points) {
    std::string sql;
    for (const auto& [x, y] : points)
        sql += "INSERT INTO " + table + " VALUES (" + std::to_string(id) + ", " + Number(x) + ", " + Number(y) + ", NULL);";
    return sql;
}

std::string Axis(const std::string& table, int id, const std::vector<double>& values) {
    std::string sql;
    for (const double v : values) sql += "INSERT INTO " + table + " VALUES (" + std::to_string(id) + ", " + Number(v) + ");";
    return sql;
}

// Factor rows with the key first; `rowNumbers` puts a RowNum after the key.
std::string FactorRows(const std::string& table, int id, const CoolerFixture::Rows& rows, bool rowNumbers) {
    std::string sql;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::string columns = "CoolerID", values = std::to_string(id);
        if (rowNumbers) columns += ", RowNum", values += ", " + std::to_string(r + 1);
        for (std::size_t c = 0; c < rows[r].size(); ++c) columns += ", c" + std::to_string(c + 1), values += ", " + Number(rows[r][c]);
        sql += "INSERT INTO " + table + " (" + columns + ") VALUES (" + values + ");";
    }
    return sql;
}

}  // namespace

void CoolerFixture::HeatTransferTable(int id, const std::vector<double>& waterFlows, const std::vector<double>& oilFlows,
                                      const Rows& factors) const {
    Exec(Axis("HTCorrectionWaterFlow", id, waterFlows) + Axis("HTCorrectionOilFlow", id, oilFlows) +
         FactorRows("HTCorrection", id, factors, true));
}

void CoolerFixture::PressureDropTable(int id, const std::vector<double>& viscosities, const std::vector<double>& oilFlows,
                                      const Rows& factors) const {
    Exec(Axis("PDCorrectionViscosity", id, viscosities) + Axis("PDCorrectionOilFlow", id, oilFlows) +
         FactorRows("PDCorrection", id, factors, false));
}

void CoolerFixture::Add(const ModelRows& m) const {
    Exec("INSERT INTO Coolers (CoolerID, Name, PartNumber, Description, MaxOilFlow, NoiseLevel, CostRanking, SalesLeaflet, "
         "Weight, CoolerType, MotorType, ProductRange, Series, ShellOilSidePressureRating, WaterSidePressureRating) VALUES (" +
         std::to_string(m.id) + ", '" + m.name + "', 'PN-" + m.name + "', 'Cooler " + m.name + "', " + Number(m.maxOilFlow) +
         ", " + Number(m.noise) + ", " + Number(m.cost) + ", 'L-" + m.name + "', 50, " + std::to_string(m.type) + ", " +
         std::to_string(m.motor) + ", " + std::to_string(m.range) + ", " + std::to_string(m.series) + ", 16, 10);" +
         PointRows("CoolingCapacity", m.id, m.capacity) + PointRows("PressureDrop", m.id, m.pressureDrop));
}

void CoolerFixture::FlatViscosity(int grade, double cst) const {
    std::string sets;
    for (int c = 0; c < 38; ++c) sets += (c ? ", [" : "[") + std::to_string(c) + "] = " + Number(cst);
    Exec("UPDATE VisTemp SET " + sets + " WHERE OilGrade = " + std::to_string(grade));
}

void CoolerFixture::FamilyTable(const std::string& table, const Points& points) const {
    std::string sql = "DELETE FROM " + table + ";";
    for (const auto& [x, y] : points) sql += "INSERT INTO " + table + " VALUES (" + Number(x) + ", " + Number(y) + ");";
    Exec(sql);
}

void CoolerFixture::CaseSensitiveCodeLists() const {
    for (const char* table : {"CoolerTypes", "MotorTypes", "ProductRange", "Series"}) {
        const std::string column = std::string(table) == "CoolerTypes" ? "CoolerType"
                                   : std::string(table) == "MotorTypes" ? "MotorType"
                                                                        : table;
        Exec("CREATE TABLE Upper AS SELECT Code, upper(" + column + ") AS Name FROM " + table + "; DROP TABLE " + table +
             "; CREATE TABLE " + table + " (Code INTEGER PRIMARY KEY, " + column + " TEXT); INSERT INTO " + table +
             " SELECT Code, Name FROM Upper; DROP TABLE Upper;");
    }
}

}  // namespace quellmar::test
