#pragma once

// MergeEnum, how a load treats the drawing already in the database: the type library's own.
#include "control/dxf_enums.h"
#include "reader/drawing_database.h"
#include "reader/expansion_estimate.h"
#include "reader/reader_host.h"
#include "reader/reader_properties.h"

#include <cstdint>
#include <string>

namespace tiraq {

// The DXF reader of one control: reads the ASCII form of a DXF file in one pass into the drawing
// database. Errors leave it as the control's error chain (vb::RuntimeError of number kErrTiraq
// whose text ends in " ->  LoadDXF.").
class DXFReader {
public:
    DXFReader(DrawingDatabase& db, ReaderHost& host) : db_(db), host_(host) {}

    ReaderProperties Properties;
    // The memory that block expansion may take in one load. A drawing whose blocks would take
    // more, by the estimate made before any block is expanded, is refused as "Drawing too
    // complex": a few blocks nested a few levels deep multiply without bound otherwise.
    std::int64_t MaxExpansionBytes = ExpansionMemoryLimit();

    // Resets the database (Reset true) or keeps it for a merge (false); the blocks of an earlier
    // load are forgotten either way. Returns true.
    bool InitDB(bool Reset);

    // The load steps of the control's Regen: the database reset or kept by the merge mode, the
    // offsets set, the block and insert-transform counts cleared, then LoadDXF.
    bool ReadDrawing(MergeEnum Merge, const std::string& FileName, float XOffset = 0, float YOffset = 0);

    // Reads one DXF file into the database; true when the file was read to its end.
    bool LoadDXF(const std::string& FileName);
    // The same over a file's text already in memory; `FileName` names it in messages.
    bool LoadDXFText(std::string text, const std::string& FileName);

    // What block expansion cost in the last load, in bytes, by the measure that its limit holds
    // it to: the estimate made before the expansion, once the expansion is done.
    double ExpandedBytes() const noexcept { return expandedBytes_; }

    // Names the block spool files; rises with every BLOCK read, over the control's whole life.
    std::int32_t BlockSpoolCounter() const noexcept { return blockSpoolCounter_; }

private:
    DrawingDatabase& db_;
    ReaderHost& host_;
    std::int32_t blockSpoolCounter_ = 0;
    double expandedBytes_ = 0;
};

}  // namespace tiraq
