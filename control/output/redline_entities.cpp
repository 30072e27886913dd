#include "output/redline_entities.h"

#include "reader/ansi_text.h"
#include "reader/drawing_database.h"
#include "vb/convert.h"
#include "vb/error.h"

#include <climits>
#include <cmath>

namespace tiraq {
namespace {

constexpr std::int16_t kTrue = -1;

template <typename Record>
std::int32_t Append(DrawingDatabase& db, const RecordArray<Record>& array, Record record) {
    if (db.SeqCount() == INT32_MAX || array.Count() == INT32_MAX) vb::RaiseOverflow();
    db.AppendDrawn(std::move(record));
    return db.SeqCount();
}

}  // namespace

std::int32_t AddRedlineLine(DrawingDatabase& db, float X1, float Y1, float X2, float Y2, std::string_view LayerName,
                            std::int32_t RedlineRectangleID) {
    LineRecord line;
    line.X1 = X2;
    line.Y1 = Y2;
    line.X2 = X1;
    line.Y2 = Y1;
    line.LayerIndex = db.SetLayerID(LayerName);
    line.IsRedline = kTrue;
    line.RedlineRectangleID = RedlineRectangleID;
    return Append(db, db.Lines, line);
}

std::int32_t AddRedlineSolid(DrawingDatabase& db, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                             float X4, float Y4, std::string_view LayerName) {
    SolidRecord solid;
    solid.X1 = X1, solid.Y1 = Y1;
    solid.X2 = X2, solid.Y2 = Y2;
    solid.X3 = X3, solid.Y3 = Y3;
    solid.X4 = X4, solid.Y4 = Y4;
    solid.LayerIndex = db.SetLayerID(LayerName);
    solid.IsRedline = kTrue;
    return Append(db, db.Solids, solid);
}

std::int32_t AddRedlineCircle(DrawingDatabase& db, float CenterX, float CenterY, float RadiusX, float RadiusY,
                              std::string_view LayerName) {
    CircleRecord circle;
    circle.X1 = CenterX;
    circle.Y1 = CenterY;
    const double dx = double(RadiusX) - CenterX, dy = double(RadiusY) - CenterY;
    circle.Radius = vb::CSng(std::sqrt(dx * dx + dy * dy));
    circle.LayerIndex = db.SetLayerID(LayerName);
    circle.IsRedline = kTrue;
    return Append(db, db.Circles, circle);
}

std::int32_t AddRedlineText(DrawingDatabase& db, float X1, float Y1, std::string_view Text, std::string_view LayerName,
                            float Height, std::int32_t HorzAlign, float Rotation) {
    TextRecord text;
    text.X1 = X1;
    text.Y1 = Y1;
    text.Txt = FitField(Text, kTextFieldWidth);
    text.Height = Height;
    text.HorzAlign = HorzAlign;
    text.Rotation = Rotation;
    text.LayerIndex = db.SetLayerID(LayerName);
    text.FontName = "Arial";
    text.FontScalar = 1.0f;
    text.IsRedline = kTrue;
    return Append(db, db.Texts, text);
}

}  // namespace tiraq
