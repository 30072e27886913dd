#pragma once

#include "engine/data_access.h"

#include <cstdint>
#include <filesystem>

namespace quellmar::engine::Functions {

// The temperatures (degrees C) of the first and last columns of VisTemp.
inline constexpr double kViscosityTableColdest = -15.0;
inline constexpr double kViscosityTableHottest = 170.0;

// Kinematic viscosity (cSt) of oil grade `grade` (0 to 14) at `temperature` degrees C from the table
// VisTemp: linear between its 5-degree columns, extended linearly from the first pair below -15 and
// from the last pair at and above 170. Every call opens and closes its own connection. A temperature
// that is no finite number is a RatingError; a grade without a row is a DataError.
double ViscosityAtTemp(double temperature, std::int32_t grade);
double ViscosityAtTemp(const std::filesystem::path& database, double temperature, std::int32_t grade);

// One grade's row of VisTemp, read once through an open connection, for a caller that needs the
// viscosity at many temperatures: At gives what ViscosityAtTemp gives on the same table, to the bit,
// and refuses alike.
class ViscosityRow {
public:
    ViscosityRow(DataAccess& data, std::int32_t grade);
    double At(double temperature) const;

private:
    QueryResult columns_;
    std::int32_t grade_;
};

}  // namespace quellmar::engine::Functions
