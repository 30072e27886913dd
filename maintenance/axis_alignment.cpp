#include "axis_alignment.h"

namespace quellmar::maintenance {
namespace {

struct Axis {
    CorrectionArray axis;
    CorrectionArray factors;
    bool columns;        // the axis runs across the matrix: its values head columns
    const char* box;     // the box as the window captions it, %1 its number
    const char* value;   // one value of the axis
    const char* values;  // several
};

const Axis kAxes[] = {
    {HTOilFlow, HTFactors, true, "Oil flow \"Oil %1\" of the heat-transfer corrections", "oil flow", "oil flows"},
    {HTWaterFlow, HTFactors, false, "Water flow %1 (\"Water l/min\") of the heat-transfer corrections", "water flow",
     "water flows"},
    {PDOilFlow, PDFactors, true, "Oil flow \"Oil %1\" of the pressure-drop corrections", "oil flow", "oil flows"},
    {PDViscosity, PDFactors, false, "Viscosity \"Oil Cst %1\" of the pressure-drop corrections", "viscosity",
     "viscosities"},
};

bool HoldsValue(const CorrectionCell& cell) { return cell && !cell->isNull(); }

const std::vector<CorrectionCell>& Cells(const CorrectionCells& cells, CorrectionArray array) {
    return cells[static_cast<std::size_t>(array)];
}

// Whether a factor of the axis value's row or column holds a value.
bool FactorsRemain(const Axis& axis, const CorrectionCells& saved, int index) {
    const std::vector<CorrectionCell>& factors = Cells(saved, axis.factors);
    const int count = axis.columns ? kCorrectionRows : kCorrectionColumns;
    for (int other = 0; other < count; ++other) {
        const int cell = axis.columns ? other * kCorrectionColumns + index : index * kCorrectionColumns + other;
        if (HoldsValue(factors[static_cast<std::size_t>(cell)])) return true;
    }
    return false;
}

const Axis& AxisOf(CorrectionArray array) {
    for (const Axis& axis : kAxes)
        if (axis.axis == array) return axis;
    return kAxes[0];
}

}  // namespace

std::optional<AxisGap> FindAxisGap(const CorrectionCells& loaded, const CorrectionCells& saved,
                                   std::bitset<kCorrectionArrays> changed) {
    for (const Axis& axis : kAxes) {
        if (!changed[static_cast<std::size_t>(axis.axis)]) continue;
        const std::vector<CorrectionCell>& values = Cells(saved, axis.axis);
        const std::vector<CorrectionCell>& before = Cells(loaded, axis.axis);
        bool laterValue = false;
        // From the end back, so that each empty box knows whether a value follows it.
        std::optional<AxisGap> first;
        for (int index = static_cast<int>(values.size()) - 1; index >= 0; --index) {
            const auto i = static_cast<std::size_t>(index);
            if (HoldsValue(values[i])) {
                laterValue = true;
                continue;
            }
            if (laterValue)
                first = AxisGap{axis.axis, index, false};
            else if (i < before.size() && HoldsValue(before[i]) && FactorsRemain(axis, saved, index))
                first = AxisGap{axis.axis, index, true};
        }
        if (first) return first;
    }
    return std::nullopt;
}

void DropRowsOfRemovedValues(const CorrectionCells& loaded, CorrectionCells& saved,
                             std::bitset<kCorrectionArrays>& changed) {
    for (const Axis& axis : kAxes) {
        if (axis.columns || !changed[static_cast<std::size_t>(axis.axis)]) continue;
        const std::vector<CorrectionCell>& before = Cells(loaded, axis.axis);
        const std::vector<CorrectionCell>& values = Cells(saved, axis.axis);
        std::vector<CorrectionCell>& factors = saved[static_cast<std::size_t>(axis.factors)];
        for (std::size_t index = 0; index < values.size() && index < before.size(); ++index) {
            if (!HoldsValue(before[index]) || HoldsValue(values[index])) continue;
            for (std::size_t column = 0; column < kCorrectionColumns; ++column) {
                CorrectionCell& cell = factors[index * kCorrectionColumns + column];
                if (!cell) continue;
                cell.reset();
                changed.set(static_cast<std::size_t>(axis.factors));
            }
        }
    }
}

QString AxisGapMessage(const AxisGap& gap) {
    const Axis& axis = AxisOf(gap.axis);
    const QString box = QString(axis.box).arg(gap.index + 1);
    const QString line = axis.columns ? "column" : "row";
    if (gap.factorsRemain)
        return QString("%1 is empty, but its %2 of factors is not. Empty the factors too to remove the %3. Nothing was saved.")
            .arg(box, line, QString(axis.value));
    return QString("%1 is empty, but a later %2 is not, so the factors would move to other %3. Enter the %2, or remove "
                   "%3 from the last one back, each with its %4 of factors. Nothing was saved.")
        .arg(box, QString(axis.value), QString(axis.values), line);
}

}  // namespace quellmar::maintenance
