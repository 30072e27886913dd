#include "reader/drawing_database.h"

#include <algorithm>
#include <limits>

namespace tiraq {

DrawingDatabase::DrawingDatabase() : Layers(std::make_shared<DXFLayers>()) {}

void DrawingDatabase::ResetEntities() {
    SeqArray.Reset(100);
    Lines.Reset(50);
    Polylines.Reset(50);
    Vertices.Reset();
    Texts.Reset(50);
    Circles.Reset(10);
    Solids.Reset(10);
    Inserts.Reset(10);
    insertCount_ = 0;
    Layers = std::make_shared<DXFLayers>();
    Attribs.Reset(5);
    InsertTransforms.Reset();
    Points.Reset();
    Ellipses.Reset();
}

void DrawingDatabase::SetInsertCount(std::int32_t count) {
    insertCount_ = count;
    if (Inserts.Count() > std::max(count, 0)) Inserts.Resize(std::max(count, 0));
}

std::int32_t DrawingDatabase::AppendInsert(InsertRecord record) {
    if (insertCount_ == std::numeric_limits<std::int32_t>::max()) throw vb::RuntimeError(vb::kErrOverflow, "Overflow");
    const std::int32_t index = insertCount_ + 1;
    if (index < 1) throw vb::RuntimeError(kErrSubscriptOutOfRange, "Subscript out of range");
    Inserts.Resize(index - 1);
    Inserts.Append(std::move(record));
    insertCount_ = index;
    return index;
}

std::int32_t DrawingDatabase::SetLayerID(std::string_view LayerName) {
    const std::int32_t found = Layers->FindByEntityName(LayerName);
    if (found != 0) return found;
    Layers->Add(-1, 0, std::string(LayerName), 0, false, 0);
    return Layers->Count();
}

void WidenExtents(ViewRect& extents, float X1, float Y1, float X2, float Y2) noexcept {
    extents.Left = std::min({extents.Left, X1, X2});
    extents.Right = std::max({extents.Right, X1, X2});
    extents.Bottom = std::min({extents.Bottom, Y1, Y2});
    extents.Top = std::max({extents.Top, Y1, Y2});
}

void DrawingDatabase::CheckExtents(float X1, float Y1, float X2, float Y2) noexcept {
    WidenExtents(DrawingExtents, X1, Y1, X2, Y2);
}

}  // namespace tiraq
