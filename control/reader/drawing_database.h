#pragma once

#include "reader/drawing_records.h"
#include "reader/dxf_layers.h"
#include "reader/record_array.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <tuple>
#include <utility>

namespace tiraq {

// Extents before any point widened them: every point is outside on every side.
inline constexpr ViewRect kNoExtents{1e30f, -1e30f, -1e30f, 1e30f};

// Widens extents to take in both points.
void WidenExtents(ViewRect& extents, float X1, float Y1, float X2, float Y2) noexcept;

// The control's in-memory model of one loaded drawing (or of several merged ones): one 1-based
// array per entity kind, each counted by its last index, the display list `SeqArray` of every
// drawn record in file order, the layer collection and the drawing extents.
class DrawingDatabase {
public:
    DrawingDatabase();

    RecordArray<SeqEntry> SeqArray;
    RecordArray<LineRecord> Lines;
    RecordArray<PolylineRecord> Polylines;
    RecordArray<VertexRecord> Vertices;
    RecordArray<TextRecord> Texts;
    RecordArray<CircleRecord> Circles;
    RecordArray<SolidRecord> Solids;
    RecordArray<PointRecord> Points;
    RecordArray<EllipseRecord> Ellipses;
    RecordArray<AttribRecord> Attribs;
    RecordArray<InsertRecord> Inserts;
    RecordArray<InsertTransformRecord> InsertTransforms;
    RecordArray<BlockRecord> Blocks;

    // Replaced by every reset, so a host's reference to the old collection no longer belongs here.
    std::shared_ptr<DXFLayers> Layers;

    // Smallest X (Left), largest Y (Top), largest X (Right), smallest Y (Bottom) seen.
    ViewRect DrawingExtents;
    // Added to every X and Y a reader takes from the file, to place a merged drawing.
    float XOffset = 0;
    float YOffset = 0;
    // False while a load runs, true after a complete one.
    bool DXFComplete = false;

    std::int32_t SeqCount() const noexcept { return SeqArray.Count(); }
    std::int32_t LineCount() const noexcept { return Lines.Count(); }
    std::int32_t PolylineCount() const noexcept { return Polylines.Count(); }
    std::int32_t VertexCount() const noexcept { return Vertices.Count(); }
    std::int32_t TextCount() const noexcept { return Texts.Count(); }
    std::int32_t CircleCount() const noexcept { return Circles.Count(); }
    std::int32_t SolidCount() const noexcept { return Solids.Count(); }
    std::int32_t PointCount() const noexcept { return Points.Count(); }
    std::int32_t EllipseCount() const noexcept { return Ellipses.Count(); }
    std::int32_t AttribCount() const noexcept { return Attribs.Count(); }
    std::int32_t InsertCount() const noexcept { return insertCount_; }
    std::int32_t InsertTransformCount() const noexcept { return InsertTransforms.Count(); }
    std::int32_t BlockIndex() const noexcept { return Blocks.Count(); }

    // A host may set the public insert count to any number. It is kept as a number: the records stay
    // those placed (fewer when the count drops), and the next insert placed takes the index after it.
    void SetInsertCount(std::int32_t count);
    // Places an insert record at the index after the count; returns that index, the new count.
    std::int32_t AppendInsert(InsertRecord record);

    // Empties every entity array and the display list and makes a new, empty layer collection.
    void ResetEntities();

    // Appends a record to its array and its entry to the display list; returns the record's index.
    template <typename Record>
    std::int32_t AppendDrawn(Record record) {
        auto drawn = std::tie(Lines, Polylines, Texts, Circles, Solids, Points, Attribs, Ellipses);
        const std::int32_t index = std::get<RecordArray<Record>&>(drawn).Append(std::move(record));
        SeqArray.Append(SeqEntry{Record::kKind, index});
        return index;
    }

    // The one way from a layer name to a layer index: the first layer whose name, upper-cased
    // and trimmed, equals the upper-cased `LayerName`; a new visible layer of colour 0 and solid
    // pen, named as passed, when there is none.
    std::int32_t SetLayerID(std::string_view LayerName);

    // Widens the extents to take in both points.
    void CheckExtents(float X1, float Y1, float X2, float Y2) noexcept;

private:
    std::int32_t insertCount_ = 0;
};

// Calls `visit` with the record that an entry of the display list stands for.
template <typename Visit>
void VisitDrawn(const DrawingDatabase& db, const SeqEntry& entry, Visit&& visit) {
    switch (entry.EntityKind) {
    case DisplayKind::Line: return visit(db.Lines.At(entry.Index));
    case DisplayKind::Polyline: return visit(db.Polylines.At(entry.Index));
    case DisplayKind::Text: return visit(db.Texts.At(entry.Index));
    case DisplayKind::Circle: return visit(db.Circles.At(entry.Index));
    case DisplayKind::Solid: return visit(db.Solids.At(entry.Index));
    case DisplayKind::Point: return visit(db.Points.At(entry.Index));
    case DisplayKind::Attribute: return visit(db.Attribs.At(entry.Index));
    case DisplayKind::Ellipse: return visit(db.Ellipses.At(entry.Index));
    }
}

}  // namespace tiraq
