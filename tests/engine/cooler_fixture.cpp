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

}  // namespace

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

void CoolerFixture::AirPDCorrections(const Points& points) const {
    std::string sql = "DELETE FROM AirPDCorrections;";
    for (const auto& [v, k] : points) sql += "INSERT INTO AirPDCorrections VALUES (" + Number(v) + ", " + Number(k) + ");";
    Exec(sql);
}

}  // namespace quellmar::test
