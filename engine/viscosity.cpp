#include "engine/data_access.h"
#include "engine/engine_error.h"
#include "engine/functions.h"
#include "engine/values.h"

#include <cmath>
#include <string>

namespace quellmar::engine::Functions {
namespace {

// Column n of VisTemp holds the viscosity at (n - 3) * 5 degrees C.
int ColumnAtOrBelow(double temperature) {
    if (temperature < kViscosityTableColdest) return 0;
    if (temperature >= kViscosityTableHottest) return 36;
    return static_cast<int>(std::floor(std::floor(temperature) / 5.0)) + 3;
}

}  // namespace

double ViscosityAtTemp(double temperature, std::int32_t grade) {
    return ViscosityAtTemp(DataAccess::DefaultDatabase(), temperature, grade);
}

double ViscosityAtTemp(const std::filesystem::path& database, double temperature, std::int32_t grade) {
    if (!std::isfinite(temperature))
        throw RatingError("The oil viscosity cannot be looked up: the oil temperature is no number.");
    const int c = ColumnAtOrBelow(temperature);
    DataAccess data(database);
    const auto rows = data.Execute("SELECT [" + std::to_string(c) + "], [" + std::to_string(c + 1) +
                                       "] FROM VisTemp WHERE OilGrade = ?1",
                                   {vb::Variant(grade)});
    if (rows.Rows() == 0) throw DataError("The viscosity table VisTemp has no row for oil grade " + std::to_string(grade) + ".");
    const std::string what = "the viscosity of oil grade " + std::to_string(grade);
    const double v1 = RequiredNumber(rows.At(0, 0), what);
    const double v2 = RequiredNumber(rows.At(1, 0), what);
    return v1 - ((temperature - (c - 3) * 5.0) / 5.0) * (v1 - v2);
}

}  // namespace quellmar::engine::Functions
