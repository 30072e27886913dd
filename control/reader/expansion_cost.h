#pragma once

#include "reader/drawing_records.h"
#include "reader/spool_entry.h"

#include <algorithm>

namespace tiraq {

// What block expansion costs in bytes each time a replay reads an entry of a block: copied into
// another block's spool file, or placed into the drawing.
struct ExpansionCost {
    double Spooled = 0;
    double Placed = 0;

    ExpansionCost& operator+=(const ExpansionCost& other) noexcept {
        Spooled += other.Spooled;
        Placed += other.Placed;
        return *this;
    }
};

// A spooled entry is written to the file and, once its block is replayed, read back whole and
// parsed: its fixed fields take a text line and a parsed entry, its texts three times their
// length (in the file, in the file's text read back, in the parsed entry). A placed entry is a
// record of its kind with its display-list entry, its texts cut to the record's fields. A replay
// counts only the entries it copies: the others (ellipses, and a dimension's polyline segments)
// it never reads.
inline ExpansionCost CostOf(const SpoolEntry& entry) noexcept {
    constexpr double kSpooledFields = sizeof(SpoolEntry) + 64;
    const double texts = double(entry.Txt.size() + entry.FontName.size());
    double record = 0;
    switch (entry.Kind) {
        case DisplayKind::Line: record = sizeof(LineRecord); break;
        case DisplayKind::Polyline: record = sizeof(PolylineRecord); break;
        case DisplayKind::Text:
            record = double(sizeof(TextRecord) + std::min(entry.Txt.size(), kTextFieldWidth) +
                            std::min(entry.FontName.size(), kFontNameFieldWidth));
            break;
        case DisplayKind::Circle: record = sizeof(CircleRecord); break;
        case DisplayKind::Solid: record = sizeof(SolidRecord); break;
        case DisplayKind::Point: record = sizeof(PointRecord); break;
        case DisplayKind::Attribute: record = sizeof(AttribRecord); break;
        case DisplayKind::Ellipse: record = sizeof(EllipseRecord); break;
    }
    return {kSpooledFields + 3 * texts, record + double(sizeof(SeqEntry))};
}

}  // namespace tiraq
