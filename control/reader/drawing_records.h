#pragma once

#include <cstdint>
#include <string>

namespace tiraq {

// The records of the drawing database. Coordinates are Singles in world units with Y up, colours
// Windows RGB values (&H00BBGGRR, 0 = the layer's colour), line types Windows pen styles 0 to 4,
// layer references 1-based positions in the layer collection, flags -1 (true) or 0.
//
// Text fields hold at most their stated width (the fixed-length fields of the drawing format);
// the blank padding of such a field is implied, and every reader of a field trims it.

inline constexpr std::size_t kTextFieldWidth = 100;       // Txt, TagValue, TagName
inline constexpr std::size_t kFontNameFieldWidth = 20;    // FontName
inline constexpr std::size_t kBlockNameFieldWidth = 50;   // BlockName
inline constexpr std::size_t kSpoolNameFieldWidth = 100;  // SpoolFileName

// What a display-list entry points at; the value is also the kind code of a block spool entry.
enum class DisplayKind : std::int32_t {
    Line = 1,
    Polyline = 2,  // one polyline segment
    Text = 3,
    Circle = 4,    // circle or arc
    Solid = 5,
    Point = 6,
    Attribute = 7,
    Ellipse = 9,
};

struct SeqEntry {
    DisplayKind EntityKind = DisplayKind::Line;
    std::int32_t Index = 0;  // 1-based index into the kind's array
};

// A world rectangle: Left, Top, Right, Bottom with Top above Bottom.
struct ViewRect {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    bool operator==(const ViewRect&) const = default;
};

// One LINE, one edge of a 3DFACE, or one redline line.
struct LineRecord {
    static constexpr DisplayKind kKind = DisplayKind::Line;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, Z1 = 0, Z2 = 0;
    std::int32_t LayerIndex = 0;
    std::int32_t EntityColor = 0;
    std::int32_t LineType = 0;
    float Linewidth = 0;
    std::int16_t IsRedline = 0;
    std::int16_t IsDeleted = 0;
    std::int32_t RedlineRectangleID = 0;  // shared by the four lines of one redline rectangle
    std::int32_t InsertID = 0;            // the insert whose expansion made it, 0 for the drawing's own
};

// One segment between two consecutive vertices of a POLYLINE, or one visible polyface edge.
struct PolylineRecord {
    static constexpr DisplayKind kKind = DisplayKind::Polyline;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, Z1 = 0, Z2 = 0;
    float Linewidth = 0;
    std::int32_t LineType = 0;
    std::int32_t LayerIndex = 0;
    std::int32_t EntityColor = 0;
    float Bulge = 0;  // of the start vertex: 0 straight, else an arc
    std::int32_t InsertID = 0;
};

// One TEXT, MTEXT or redline text.
struct TextRecord {
    static constexpr DisplayKind kKind = DisplayKind::Text;
    float X1 = 0, Y1 = 0, Z1 = 0;  // insertion point (alignment point for aligned texts)
    std::string Txt{};               // at most kTextFieldWidth characters, the file's bytes
    float Height = 0;
    float Rotation = 0;  // degrees
    std::int32_t HorzAlign = 0;
    std::int32_t LayerIndex = 0;
    std::int32_t Underline = 0;
    std::int32_t EntityColor = 0;
    std::string FontName{};  // at most kFontNameFieldWidth characters
    float FontScalar = 0;
    std::int16_t IsRedline = 0;
    std::int16_t IsDeleted = 0;
    std::int32_t InsertID = 0;
};

// One CIRCLE, ARC or redline circle; a full circle has StartAngle = EndAngle (both 0 as read).
struct CircleRecord {
    static constexpr DisplayKind kKind = DisplayKind::Circle;
    float X1 = 0, Y1 = 0, Z1 = 0;  // centre
    float Radius = 0;
    float StartAngle = 0, EndAngle = 0;  // degrees
    std::int32_t LayerIndex = 0;
    std::int32_t EntityColor = 0;
    std::int32_t LineType = 0;
    float Linewidth = 0;
    std::int16_t IsRedline = 0;
    std::int16_t IsDeleted = 0;
    std::int32_t InsertID = 0;
};

// One ELLIPSE.
struct EllipseRecord {
    static constexpr DisplayKind kKind = DisplayKind::Ellipse;
    float X1 = 0, Y1 = 0;          // centre
    float MajorX = 0, MajorY = 0;  // end of the major axis relative to the centre
    float Ratio = 0;               // minor to major axis
    float StartParam = 0, EndParam = 0;
    std::int32_t LayerIndex = 0;
    std::int32_t EntityColor = 0;
    std::int32_t LineType = 0;
};

// One SOLID or redline solid; the corners in outline order (DXF corners 1, 2, 4, 3).
struct SolidRecord {
    static constexpr DisplayKind kKind = DisplayKind::Solid;
    float X1 = 0, Y1 = 0, Z1 = 0;
    float X2 = 0, Y2 = 0, Z2 = 0;
    float X3 = 0, Y3 = 0, Z3 = 0;
    float X4 = 0, Y4 = 0, Z4 = 0;
    std::int32_t LayerIndex = 0;
    std::int32_t EntityColor = 0;
    std::int16_t IsRedline = 0;
    std::int16_t IsDeleted = 0;
    std::int32_t InsertID = 0;
};

// One POINT.
struct PointRecord {
    static constexpr DisplayKind kKind = DisplayKind::Point;
    float X1 = 0, Y1 = 0, Z1 = 0;
    std::int32_t LayerIndex = 0;
    std::int32_t EntityColor = 0;
    std::int32_t InsertID = 0;
};

// One coordinate vertex of a polyface mesh.
struct VertexRecord {
    float X = 0, Y = 0;
};

// One visible ATTRIB of an insert.
struct AttribRecord {
    static constexpr DisplayKind kKind = DisplayKind::Attribute;
    std::int32_t BlockIndex = 0;  // the block count when the attribute was read
    float X = 0, Y = 0, Z = 0;
    std::string TagValue{};  // at most kTextFieldWidth characters
    std::string TagName{};   // at most kTextFieldWidth characters
    float Height = 0;
    float Rotation = 0;  // degrees
    std::int32_t HorzAlign = 0;
    std::int32_t LayerIndex = 0;
    std::int32_t EntityColor = 0;
    std::string FontName{};  // at most kFontNameFieldWidth characters
    float FontScalar = 0;
    std::int32_t ParentInsert = 0;  // the insert the attribute belongs to
};

// One INSERT placed at once.
struct InsertRecord {
    float X = 0, Y = 0, Z = 0;  // insertion point times the insert's scale factors
    std::string BlockName{};      // as read, at most kBlockNameFieldWidth characters
    std::int32_t LayerIndex = 0;
};

// One INSERT (or DIMENSION) met inside a block definition before its block was defined; placed
// into the containing block when the ENTITIES section starts.
struct InsertTransformRecord {
    std::string ContainerSpoolFile{};   // spool file of the containing block
    std::int32_t ContainerBlock = 0;  // index of the containing block
    std::string BlockName{};            // the inserted block's name as read
    std::int32_t LayerIndex = 0;
    float X = 0, Y = 0, Z = 0;  // relative to the containing block's base point
    float Rotation = 0;         // degrees
    float XScale = 1, YScale = 1, ZScale = 1;
};

// One BLOCK definition.
struct BlockRecord {
    float X = 0, Y = 0, Z = 0;  // base point
    std::string BlockName{};      // trimmed, at most kBlockNameFieldWidth characters
    std::string SpoolFileName{};  // the block's spool file while the load runs, "" afterwards
};

}  // namespace tiraq
