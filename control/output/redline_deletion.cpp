#include "output/redline_deletion.h"

#include "reader/drawing_database.h"
#include "reader/error_chain.h"

#include <string>

namespace tiraq {
namespace {

constexpr std::int16_t kTrue = -1;

// A line marked deleted takes the other lines of its rectangle with it.
void DeleteLine(DrawingDatabase& db, std::int32_t index, bool redlinesOnly) {
    LineRecord& line = db.Lines.At(index);
    line.IsDeleted = kTrue;
    const std::int32_t rectangle = line.RedlineRectangleID;
    if (rectangle == 0) return;
    for (LineRecord& other : db.Lines) {
        if (other.RedlineRectangleID != rectangle) continue;
        if (redlinesOnly && (other.IsRedline == 0 || other.IsDeleted != 0)) continue;
        other.IsDeleted = kTrue;
    }
}

template <typename Record>
void UnDelete(RecordArray<Record>& records) {
    for (Record& record : records) record.IsDeleted = 0;
}

template <typename Record>
void Recolour(RecordArray<Record>& records, std::int32_t InsertIndex, std::int32_t BlockColor) {
    for (Record& record : records)
        if (record.InsertID == InsertIndex) record.EntityColor = BlockColor;
}

}  // namespace

void DeleteRedlineEntity(DrawingDatabase& db, EntityTypesEnum type, std::int32_t index) {
    switch (type) {
    case dxfRedLineNewLine: DeleteLine(db, index, true); break;
    case dxfRedLineNewCircle: db.Circles.At(index).IsDeleted = kTrue; break;
    case dxfRedLineNewText: db.Texts.At(index).IsDeleted = kTrue; break;
    case dxfRedLineNewSolid: db.Solids.At(index).IsDeleted = kTrue; break;
    case dxfRedLineNone: break;
    }
}

void UnDeleteRedlineEntities(DrawingDatabase& db) {
    UnDelete(db.Lines);
    UnDelete(db.Circles);
    UnDelete(db.Texts);
    UnDelete(db.Solids);
}

void TagForDelete(DrawingDatabase& db, std::int32_t EntityID) {
    const SeqEntry entry = db.SeqArray.At(EntityID);
    switch (entry.EntityKind) {
    case DisplayKind::Line: DeleteLine(db, entry.Index, false); break;
    case DisplayKind::Text: db.Texts.At(entry.Index).IsDeleted = kTrue; break;
    case DisplayKind::Circle: db.Circles.At(entry.Index).IsDeleted = kTrue; break;
    case DisplayKind::Solid: db.Solids.At(entry.Index).IsDeleted = kTrue; break;
    default: break;
    }
}

void SetInsertColor(DrawingDatabase& db, std::int32_t InsertIndex, std::int32_t BlockColor) {
    if (InsertIndex == 0)
        throw vb::RuntimeError(kErrTiraq, "Cannot change the color of inserted block '0'.");
    Recolour(db.Lines, InsertIndex, BlockColor);
    Recolour(db.Polylines, InsertIndex, BlockColor);
    Recolour(db.Circles, InsertIndex, BlockColor);
    Recolour(db.Texts, InsertIndex, BlockColor);
    Recolour(db.Solids, InsertIndex, BlockColor);
}

}  // namespace tiraq
