#pragma once

#include <cstdint>
#include <string_view>

namespace tiraq {

class DrawingDatabase;

// Appending redline mark-up to the drawing database: each call adds one record, flagged as a
// redline and not deleted, and its display-list entry, on the layer of that name (added when
// there is none), and returns the new display-list count, the entry's position. Nothing is drawn.

// The line keeps the given points crosswise: (X2, Y2) is its first end point, (X1, Y1) its
// second. The four lines of one redline rectangle share a rectangle ID other than 0.
std::int32_t AddRedlineLine(DrawingDatabase& db, float X1, float Y1, float X2, float Y2, std::string_view LayerName,
                            std::int32_t RedlineRectangleID);
// The corners in the order given, around the outline.
std::int32_t AddRedlineSolid(DrawingDatabase& db, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                             float X4, float Y4, std::string_view LayerName);
// A full circle about the centre through the rim point.
std::int32_t AddRedlineCircle(DrawingDatabase& db, float CenterX, float CenterY, float RadiusX, float RadiusY,
                              std::string_view LayerName);
// The text cut to its field of 100 characters, in "Arial" at scale 1.
std::int32_t AddRedlineText(DrawingDatabase& db, float X1, float Y1, std::string_view Text, std::string_view LayerName,
                            float Height, std::int32_t HorzAlign, float Rotation);

}  // namespace tiraq
