#pragma once

#include <string>

namespace tiraq {

class DrawingDatabase;

// Writes the whole drawing database as a new, self-contained DXF file: the extents, a fixed
// line-type table, the layer table and every entity of the display list, except layers marked
// deleted and what lies on them. True with `strError` empty on success; false with the message
// otherwise. The file is written under a temporary name and takes the place of `ExportFileName`
// only when complete, so a failure leaves whatever was there before.
bool ExportDXF(const DrawingDatabase& db, const std::string& ExportFileName, std::string& strError);

}  // namespace tiraq
