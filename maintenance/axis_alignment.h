#pragma once

#include "correction_tables.h"

#include <QString>

#include <bitset>
#include <optional>

namespace quellmar::maintenance {

// Each factor of a correction matrix belongs to an axis value by its place: column N to the N-th oil
// flow, row N to the N-th water flow or viscosity. An axis stores only its values, in order, so an
// empty box inside an axis would hand every factor after it to the next value, and a value removed
// while its factors stay would leave them without one.

// An axis box that may not be saved empty.
struct AxisGap {
    CorrectionArray axis;
    int index;
    // True: the box lost its value while its row or column of factors still holds one. False: a
    // later box of the axis holds a value.
    bool factorsRemain;
};

// The first such box among the axes whose flag is set, given the cells as loaded and as they would
// be saved (every array at its full size). An axis may lose values only from its end, each together
// with its whole row or column of factors.
std::optional<AxisGap> FindAxisGap(const CorrectionCells& loaded, const CorrectionCells& saved,
                                   std::bitset<kCorrectionArrays> changed);

// Lets each row of factors go with its water flow or viscosity where that value was removed (from
// the end of its axis, with no factor left in its row): the row's cells become absent, so that the
// row is not stored, and its matrix is rewritten. Call it once FindAxisGap has found nothing.
void DropRowsOfRemovedValues(const CorrectionCells& loaded, CorrectionCells& saved,
                             std::bitset<kCorrectionArrays>& changed);

// What the user is told: the box by its caption, why it cannot be empty, and what to do instead.
QString AxisGapMessage(const AxisGap& gap);

}  // namespace quellmar::maintenance
