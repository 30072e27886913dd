#include "reader/entity_queries.h"

#include "reader/ansi_text.h"
#include "reader/error_chain.h"

#include "vb/convert.h"

#include <functional>
#include <optional>

namespace tiraq {
namespace {

const std::string& LayerNameOf(const DrawingDatabase& db, std::int32_t layerIndex) {
    return db.Layers->Item(layerIndex)->LayerName();
}

std::string Trimmed(const std::string& field) { return std::string(TrimBlanks(field)); }

// Copies records 1 to Count() through `copy` into a new collection, handed out only when every
// record was copied.
template <typename Record, typename Object, typename Copy>
bool CopyRecords(const char* method, const RecordArray<Record>& records, std::string& strError,
                 KeyedCollection<Object>& out, Copy copy,
                 const std::function<void(std::int32_t)>& beforeEach = nullptr,
                 std::optional<std::int32_t> count = std::nullopt) {
    return Reported(strError, std::string("An error occurred in ") + method + ". The message is: ", [&] {
        KeyedCollection<Object> collection;
        const std::int32_t last = count.value_or(records.Count());
        for (std::int32_t i = 1; i <= last; ++i) {
            if (beforeEach) beforeEach(i);
            collection.Add(copy(records.At(i)), std::to_string(i));
        }
        out = std::move(collection);
    });
}

}  // namespace

bool GetLines(const DrawingDatabase& db, ReaderHost& host, std::string& strError, KeyedCollection<clsLine>& colLines) {
    const std::int32_t count = db.LineCount();
    const auto progress = [&](std::int32_t i) {
        if (i % 100 == 0) host.LinesRead(static_cast<float>(static_cast<double>(i) / count));
        if (i == count) host.LinesRead(1.0f);
    };
    return CopyRecords("GetLines", db.Lines, strError, colLines, [&](const LineRecord& r) {
        return clsLine{r.X1, r.Y1, r.X2, r.Y2, LayerNameOf(db, r.LayerIndex), r.EntityColor, r.LineType,
                       r.Linewidth, r.InsertID, r.Z1, r.Z2};
    }, progress);
}

bool GetPoints(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsPoint>& colPoints) {
    return CopyRecords("GetPoints", db.Points, strError, colPoints, [&](const PointRecord& r) {
        return clsPoint{r.X1, r.Y1, LayerNameOf(db, r.LayerIndex), r.EntityColor, r.InsertID, r.Z1};
    });
}

bool GetPolyLines(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsPolyline>& colPolyLines) {
    return CopyRecords("GetPolyLines", db.Polylines, strError, colPolyLines, [&](const PolylineRecord& r) {
        return clsPolyline{r.X1, r.Y1, r.X2, r.Y2, LayerNameOf(db, r.LayerIndex), r.EntityColor, r.Bulge,
                           r.Linewidth, r.LineType, r.InsertID, r.Z1, r.Z2};
    });
}

bool GetStrings(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsString>& colStrings) {
    return CopyRecords("GetStrings", db.Texts, strError, colStrings, [&](const TextRecord& r) {
        return clsString{r.X1, r.Y1, LayerNameOf(db, r.LayerIndex), r.EntityColor, Trimmed(r.Txt), r.Height,
                         r.Rotation, r.InsertID, vb::CInt(r.HorzAlign), vb::CInt(r.Underline), r.Z1};
    });
}

bool GetSolids(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsSolid>& colSolids) {
    return CopyRecords("GetSolids", db.Solids, strError, colSolids, [&](const SolidRecord& r) {
        return clsSolid{r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3, r.X4, r.Y4, LayerNameOf(db, r.LayerIndex),
                        r.EntityColor, 0, 0, r.InsertID, r.Z1, r.Z2, r.Z3, r.Z4};
    });
}

bool GetCircles(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsCircle>& colCircles) {
    return CopyRecords("GetCircles", db.Circles, strError, colCircles, [&](const CircleRecord& r) {
        return clsCircle{r.X1, r.Y1, r.Radius, r.StartAngle, r.EndAngle, LayerNameOf(db, r.LayerIndex),
                         r.EntityColor, r.LineType, r.Linewidth, r.InsertID, r.Z1};
    });
}

bool GetAttribs(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsInsertAttrib>& colAttribs) {
    return CopyRecords("GetAttribs", db.Attribs, strError, colAttribs, [&](const AttribRecord& r) {
        return clsInsertAttrib{Trimmed(r.TagName), Trimmed(r.TagValue), r.X, r.Y, r.Rotation, r.ParentInsert, 0};
    });
}

bool GetInserts(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsInsert>& colInserts) {
    return CopyRecords("GetInserts", db.Inserts, strError, colInserts, [&](const InsertRecord& r) {
        return clsInsert{r.X, r.Y, Trimmed(r.BlockName), LayerNameOf(db, r.LayerIndex), 0};
    }, nullptr, db.InsertCount());
}

bool GetBlocks(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsBlock>& colBlocks) {
    return CopyRecords("GetBlocks", db.Blocks, strError, colBlocks, [&](const BlockRecord& r) {
        return clsBlock{r.X, r.Y, Trimmed(r.BlockName), 0};
    });
}

bool GetInsert(const DrawingDatabase& db, std::string& strError, std::int32_t InsertIndex,
               std::string& strBaseBlockName, float& X, float& Y, KeyedCollection<clsInsertAttrib>& colAttribs) {
    return Reported(strError, "An error occurred in GetInsert. The message is: ", [&] {
        const InsertRecord& insert = db.Inserts.At(InsertIndex);
        KeyedCollection<clsInsertAttrib> attribs;
        for (const AttribRecord& r : db.Attribs) {
            if (r.ParentInsert != InsertIndex) continue;
            attribs.Add(clsInsertAttrib{Trimmed(r.TagName), Trimmed(r.TagValue), r.X, r.Y, r.Rotation, 0, 0},
                        std::to_string(attribs.Count() + 1));
        }
        strBaseBlockName = Trimmed(insert.BlockName);
        X = insert.X;
        Y = insert.Y;
        colAttribs = std::move(attribs);
    });
}

}  // namespace tiraq
