#pragma once

#include <QString>

#include <array>
#include <bitset>
#include <optional>
#include <vector>

namespace quellmar::maintenance {

// The six correction tables of a water-cooled model: the heat-transfer factors over water flow
// (rows) and oil flow (columns), and the pressure-drop factors over viscosity (rows) and oil flow
// (columns), each matrix 6 rows by 8 columns with its two axes. In this order:
enum CorrectionArray { HTOilFlow, HTWaterFlow, HTFactors, PDOilFlow, PDViscosity, PDFactors };
inline constexpr int kCorrectionArrays = 6;
inline constexpr int kCorrectionColumns = 8;
inline constexpr int kCorrectionRows = 6;

// How many values an array holds: 8 oil flows, 6 water flows or viscosities, 48 factors.
int CorrectionArraySize(CorrectionArray array);

// A model's tables as stored: each axis in ascending order, the heat-transfer rows by row number,
// the pressure-drop rows in the order they were written (the order the rating engine takes them
// in, one per viscosity). An array holds at most its size; a factor matrix row by row, 8 values
// each. A Null value stays empty.
struct StoredCorrections {
    QString name;
    std::array<std::vector<std::optional<double>>, kCorrectionArrays> values;
};
StoredCorrections ReadCorrectionTables(const QString& databasePath, qint64 coolerId);

// Single-precision values of every array at its full size, as the correction editor holds them.
using CorrectionValues = std::array<std::vector<float>, kCorrectionArrays>;

// Rewrites each table whose flag is set with its values (its rows of the model deleted, then one
// row per axis value or per matrix row inserted), all tables in one transaction: a failure leaves
// every table as it was. Throws DatabaseError.
void SaveCorrectionTables(const QString& databasePath, qint64 coolerId, const CorrectionValues& values,
                          std::bitset<kCorrectionArrays> changed);

}  // namespace quellmar::maintenance
