#pragma once

#include "control/entity_classes.h"
#include "reader/drawing_database.h"
#include "reader/reader_host.h"

#include <cstdint>
#include <string>

namespace tiraq {

// The entity queries of the control: each copies every record of one kind, up to the kind's
// count and whatever its flags, into a new collection keyed by the record index as decimal text.
// Each returns true with `strError` "" on success; on any failure false with the method's message
// in `strError`, and the out collection is left untouched.
bool GetLines(const DrawingDatabase& db, ReaderHost& host, std::string& strError, KeyedCollection<clsLine>& colLines);
bool GetPoints(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsPoint>& colPoints);
bool GetPolyLines(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsPolyline>& colPolyLines);
bool GetStrings(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsString>& colStrings);
bool GetSolids(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsSolid>& colSolids);
bool GetCircles(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsCircle>& colCircles);
bool GetAttribs(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsInsertAttrib>& colAttribs);
bool GetInserts(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsInsert>& colInserts);
bool GetBlocks(const DrawingDatabase& db, std::string& strError, KeyedCollection<clsBlock>& colBlocks);

// One insert (1 to InsertCount) with its attributes, keyed from "1".
bool GetInsert(const DrawingDatabase& db, std::string& strError, std::int32_t InsertIndex,
               std::string& strBaseBlockName, float& X, float& Y, KeyedCollection<clsInsertAttrib>& colAttribs);

}  // namespace tiraq
