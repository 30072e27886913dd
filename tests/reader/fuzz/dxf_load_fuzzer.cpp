// Loads arbitrary bytes as a DXF drawing and reads every entity back, as a host would.
#include "reader/drawing_database.h"
#include "reader/dxf_reader.h"
#include "reader/entity_queries.h"

#include "vb/error.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

template <typename Query, typename Item>
void Drain(Query query, const tiraq::DrawingDatabase& db) {
    std::string error;
    tiraq::KeyedCollection<Item> items;
    query(db, error, items);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tiraq::DrawingDatabase db;
    tiraq::ReaderHost host;
    tiraq::DXFReader reader(db, host);
    const char* spool = std::getenv("TIRAQ_FUZZ_SPOOL");
    reader.Properties.TmpFileNamePath = spool != nullptr ? spool : "";
    // Small inputs may still nest blocks deeply; keep each run quick.
    reader.MaxExpansionBytes = 4'000'000;
    reader.InitDB(true);
    try {
        reader.LoadDXFText(std::string(reinterpret_cast<const char*>(data), size), "fuzz.dxf");
    } catch (const vb::RuntimeError&) {
    }
    std::string error;
    tiraq::KeyedCollection<tiraq::clsLine> lines;
    tiraq::GetLines(db, host, error, lines);
    Drain<decltype(&tiraq::GetStrings), tiraq::clsString>(&tiraq::GetStrings, db);
    Drain<decltype(&tiraq::GetPolyLines), tiraq::clsPolyline>(&tiraq::GetPolyLines, db);
    Drain<decltype(&tiraq::GetCircles), tiraq::clsCircle>(&tiraq::GetCircles, db);
    Drain<decltype(&tiraq::GetSolids), tiraq::clsSolid>(&tiraq::GetSolids, db);
    Drain<decltype(&tiraq::GetPoints), tiraq::clsPoint>(&tiraq::GetPoints, db);
    Drain<decltype(&tiraq::GetAttribs), tiraq::clsInsertAttrib>(&tiraq::GetAttribs, db);
    Drain<decltype(&tiraq::GetInserts), tiraq::clsInsert>(&tiraq::GetInserts, db);
    Drain<decltype(&tiraq::GetBlocks), tiraq::clsBlock>(&tiraq::GetBlocks, db);
    return 0;
}
