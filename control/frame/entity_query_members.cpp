// The entity queries and the line-ending repair as the host calls them: the records go out as
// collections of record objects.

#include "frame/dxf_control.h"

#include "frame/record_objects.h"
#include "reader/entity_queries.h"
#include "reader/line_ending_repair.h"

namespace tiraq {
namespace {

// Runs a query into its own collection and hands the host the record objects only on success.
template <class Fields, class Query>
bool Handed(vb::Ref<vb::Collection>& out, Query query) {
    KeyedCollection<Fields> records;
    if (!query(records)) return false;
    out = ToCollection(records);
    return true;
}

}  // namespace

bool DXFControl::GetLines(std::string& strError, vb::Ref<vb::Collection>& colLines) {
    return Handed<clsLine>(colLines, [&](auto& records) {
        return tiraq::GetLines(db_, static_cast<ReaderHost&>(*this), strError, records);
    });
}

bool DXFControl::GetPoints(std::string& strError, vb::Ref<vb::Collection>& colPoints) {
    return Handed<clsPoint>(colPoints, [&](auto& records) { return tiraq::GetPoints(db_, strError, records); });
}

bool DXFControl::GetPolyLines(std::string& strError, vb::Ref<vb::Collection>& colPolyLines) {
    return Handed<clsPolyline>(colPolyLines,
                               [&](auto& records) { return tiraq::GetPolyLines(db_, strError, records); });
}

bool DXFControl::GetStrings(std::string& strError, vb::Ref<vb::Collection>& colStrings) {
    return Handed<clsString>(colStrings, [&](auto& records) { return tiraq::GetStrings(db_, strError, records); });
}

bool DXFControl::GetSolids(std::string& strError, vb::Ref<vb::Collection>& colSolids) {
    return Handed<clsSolid>(colSolids, [&](auto& records) { return tiraq::GetSolids(db_, strError, records); });
}

bool DXFControl::GetCircles(std::string& strError, vb::Ref<vb::Collection>& colCircles) {
    return Handed<clsCircle>(colCircles, [&](auto& records) { return tiraq::GetCircles(db_, strError, records); });
}

bool DXFControl::GetAttribs(std::string& strError, vb::Ref<vb::Collection>& colAttribs) {
    return Handed<clsInsertAttrib>(colAttribs,
                                   [&](auto& records) { return tiraq::GetAttribs(db_, strError, records); });
}

bool DXFControl::GetInserts(std::string& strError, vb::Ref<vb::Collection>& colInserts) {
    return Handed<clsInsert>(colInserts, [&](auto& records) { return tiraq::GetInserts(db_, strError, records); });
}

bool DXFControl::GetBlocks(std::string& strError, vb::Ref<vb::Collection>& colBlocks) {
    return Handed<clsBlock>(colBlocks, [&](auto& records) { return tiraq::GetBlocks(db_, strError, records); });
}

bool DXFControl::GetInsert(std::string& strError, std::int32_t InsertIndex, std::string& strBaseBlockName, float& X,
                           float& Y, vb::Ref<vb::Collection>& colAttribs) {
    return Handed<clsInsertAttrib>(colAttribs, [&](auto& records) {
        return tiraq::GetInsert(db_, strError, InsertIndex, strBaseBlockName, X, Y, records);
    });
}

bool DXFControl::FixUNIXFile(std::string& strError, const std::string& InFileName, const std::string& OutFileName) {
    return tiraq::FixUNIXFile(strError, InFileName, OutFileName, static_cast<ReaderHost&>(*this));
}

}  // namespace tiraq
