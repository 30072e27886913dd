#pragma once

#include <QString>
#include <QVariant>

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

// A cell of a table: absent (no row holds it), Null, or the value exactly as stored.
using CorrectionCell = std::optional<QVariant>;
// Every array at its full size, cell by cell; a factor matrix row by row, 8 cells each.
using CorrectionCells = std::array<std::vector<CorrectionCell>, kCorrectionArrays>;

// A model's tables as stored: each axis in ascending order, the heat-transfer rows by row number,
// the pressure-drop rows in the order they were written (the order the rating engine takes them
// in, one per viscosity). The cells past what the model holds are absent.
struct StoredCorrections {
    QString name;
    CorrectionCells cells;
};
StoredCorrections ReadCorrectionTables(const QString& databasePath, qint64 coolerId);

// Rewrites each table whose flag is set with its cells (its rows of the model deleted, then one
// row per present axis cell, and the matrix rows up to the last one that holds a present cell,
// absent cells of those rows Null), all tables in one transaction: a failure leaves every table as
// it was. Throws DatabaseError.
void SaveCorrectionTables(const QString& databasePath, qint64 coolerId, const CorrectionCells& cells,
                          std::bitset<kCorrectionArrays> changed);

}  // namespace quellmar::maintenance
