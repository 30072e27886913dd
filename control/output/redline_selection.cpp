#include "output/redline_selection.h"

#include "display/display_state.h"
#include "display/pixel_geometry.h"
#include "display/text_extents.h"
#include "reader/drawing_database.h"
#include "vb/convert.h"

#include <algorithm>
#include <string>

namespace tiraq {
namespace {

template <typename Record>
bool Selectable(const Record& record) {
    return record.IsRedline != 0 && record.IsDeleted == 0;
}

// The colour an entity is drawn in on the screen: its own or its layer's, after the display's
// black and white swaps.
template <typename Record>
gui::Colour DrawnColour(const DrawingDatabase& db, const ColourSettings& colours, const Record& record) {
    return ResolveEntityColor(db.Layers.get(), colours, record.LayerIndex, record.EntityColor, false);
}

// The box around every line of a redline rectangle, grown from the box of the line that was hit.
RedlineBox RectangleBox(const DrawingDatabase& db, const DisplayState& state, std::int32_t rectangleID, RedlineBox box) {
    for (const LineRecord& line : db.Lines) {
        if (line.RedlineRectangleID != rectangleID) continue;
        box[0] = std::min(box[0], state.CvtX(line.X1));
        box[1] = std::max(box[1], state.CvtY(line.Y1));
        box[2] = std::max(box[2], state.CvtX(line.X2));
        box[3] = std::min(box[3], state.CvtY(line.Y2));
    }
    return box;
}

}  // namespace

bool RedlineEntityHit(const RedlineBox& box, float X, float Y, gui::Colour drawnColour, gui::DrawingTarget& picture,
                      RedlineBox& hitBox) {
    DeviceRect test;
    MakeTestRect(DeviceRect{double(box[0]), double(box[1]), double(box[2]), double(box[3])}, test);
    const std::int32_t x = vb::CLng(X), y = vb::CLng(Y);
    const bool inside = x >= std::min(test.Left, test.Right) && x <= std::max(test.Left, test.Right) &&
                        y >= std::min(test.Top, test.Bottom) && y <= std::max(test.Top, test.Bottom);
    if (!inside || picture.Point(x, y) != std::int64_t(drawnColour)) return false;
    hitBox = {std::int32_t(test.Left), std::int32_t(test.Top), std::int32_t(test.Right), std::int32_t(test.Bottom)};
    return true;
}

std::optional<RedlineSelection> FindRedlineEntity(const DrawingDatabase& db, const DisplayState& state,
                                                  const ColourSettings& colours, gui::DrawingTarget& picture, float X,
                                                  float Y) {
    RedlineSelection hit;
    // Whether a selectable record of the array, first to last, is drawn under the point: `hit` then
    // names it. Nothing when the box of one cannot be measured.
    const auto find = [&](const auto& records, EntityTypesEnum type, const auto& boxOf) -> std::optional<bool> {
        for (std::int32_t i = 1; i <= records.Count(); ++i) {
            if (!Selectable(records[i])) continue;
            const std::optional<RedlineBox> box = boxOf(records[i], i);
            if (!box) return std::nullopt;
            if (!RedlineEntityHit(*box, X, Y, DrawnColour(db, colours, records[i]), picture, hit.Box)) continue;
            hit.Type = type;
            hit.Index = i;
            return true;
        }
        return false;
    };
    const auto lineBox = [&](const LineRecord& line, std::int32_t) -> std::optional<RedlineBox> {
        return RedlineBox{state.CvtX(line.X1) - 1, state.CvtY(line.Y1) + 1, state.CvtX(line.X2) + 1,
                          state.CvtY(line.Y2) - 1};
    };
    const auto circleBox = [&](const CircleRecord& circle, std::int32_t) -> std::optional<RedlineBox> {
        return RedlineBox{state.CvtX(circle.X1 - circle.Radius), state.CvtY(circle.Y1 + circle.Radius),
                          state.CvtX(circle.X1 + circle.Radius), state.CvtY(circle.Y1 - circle.Radius)};
    };
    const auto solidBox = [&](const SolidRecord& solid, std::int32_t) -> std::optional<RedlineBox> {
        return RedlineBox{state.CvtX(solid.X1), state.CvtY(solid.Y1), state.CvtX(solid.X3), state.CvtY(solid.Y3)};
    };
    const auto textBox = [&](const TextRecord& text, std::int32_t i) -> std::optional<RedlineBox> {
        std::string strError;
        std::int32_t width = 0, height = 0;
        if (!GetStringDimensions(db, state, picture, strError, i, width, height)) return std::nullopt;
        const std::int32_t left = state.CvtX(text.X1), top = state.CvtY(text.Y1);
        return RedlineBox{left, top, left + width, top - height};
    };

    if (*find(db.Lines, dxfRedLineNewLine, lineBox)) {
        const LineRecord& line = db.Lines[hit.Index];
        hit.RectangleID = line.RedlineRectangleID;
        if (hit.RectangleID != 0) hit.Box = RectangleBox(db, state, hit.RectangleID, *lineBox(line, hit.Index));
        return hit;
    }
    if (*find(db.Circles, dxfRedLineNewCircle, circleBox) || *find(db.Solids, dxfRedLineNewSolid, solidBox)) return hit;
    const std::optional<bool> text = find(db.Texts, dxfRedLineNewText, textBox);
    if (!text || !*text) return std::nullopt;
    return hit;
}

}  // namespace tiraq
