#include "engine/data_access.h"
#include "engine/engine_error.h"
#include "engine/functions.h"
#include "engine/values.h"

#include <cmath>
#include <string>

namespace quellmar::engine::Functions {
namespace {

// Column n of VisTemp holds the viscosity at (n - 3) * 5 degrees C.
constexpr int kLastColumn = 37;

// The column whose pair with the next one interpolates at `temperature`: the 5-degree step at or
// below it, the first or the last pair beyond the table. A temperature that is no number is refused.
int ColumnAtOrBelow(double temperature) {
    if (!std::isfinite(temperature))
        throw RatingError("The oil viscosity cannot be looked up: the oil temperature is no number.");
    if (temperature < kViscosityTableColdest) return 0;
    if (temperature >= kViscosityTableHottest) return kLastColumn - 1;
    return static_cast<int>(std::floor(std::floor(temperature) / 5.0)) + 3;
}

DataError NoRowFor(std::int32_t grade) {
    return DataError("The viscosity table VisTemp has no row for oil grade " + std::to_string(grade) + ".");
}

// The one interpolation of the table: between the stored values of column c and c + 1.
double Between(const vb::Variant& atColumn, const vb::Variant& atNext, int c, double temperature, std::int32_t grade) {
    const std::string what = "the viscosity of oil grade " + std::to_string(grade);
    const double v1 = RequiredNumber(atColumn, what);
    const double v2 = RequiredNumber(atNext, what);
    return v1 - ((temperature - (c - 3) * 5.0) / 5.0) * (v1 - v2);
}

std::string EveryColumn() {
    std::string columns;
    for (int c = 0; c <= kLastColumn; ++c) columns += (c ? ", [" : "[") + std::to_string(c) + "]";
    return columns;
}

}  // namespace

double ViscosityAtTemp(double temperature, std::int32_t grade) {
    return ViscosityAtTemp(DataAccess::DefaultDatabase(), temperature, grade);
}

double ViscosityAtTemp(const std::filesystem::path& database, double temperature, std::int32_t grade) {
    const int c = ColumnAtOrBelow(temperature);
    DataAccess data(database);
    const auto rows = data.Execute("SELECT [" + std::to_string(c) + "], [" + std::to_string(c + 1) +
                                       "] FROM VisTemp WHERE OilGrade = ?1",
                                   {vb::Variant(grade)});
    if (rows.Rows() == 0) throw NoRowFor(grade);
    return Between(rows.At(0, 0), rows.At(1, 0), c, temperature, grade);
}

ViscosityRow::ViscosityRow(DataAccess& data, std::int32_t grade)
    : columns_(data.Execute("SELECT " + EveryColumn() + " FROM VisTemp WHERE OilGrade = ?1", {vb::Variant(grade)})), grade_(grade) {
    if (columns_.Rows() == 0) throw NoRowFor(grade);
}

double ViscosityRow::At(double temperature) const {
    const int c = ColumnAtOrBelow(temperature);
    const auto column = static_cast<std::size_t>(c);
    return Between(columns_.At(column, 0), columns_.At(column + 1, 0), c, temperature, grade_);
}

}  // namespace quellmar::engine::Functions
