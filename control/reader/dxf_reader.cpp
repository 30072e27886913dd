#include "reader/dxf_reader.h"

#include "reader/error_chain.h"
#include "reader/file_io.h"
#include "reader/load_pass.h"
#include "reader/traced.h"

#include <algorithm>

namespace tiraq {
namespace {

// The load's error texts quote the line they stopped at, up to this many characters.
constexpr std::size_t kQuotedLineLength = 200;
// A line with control characters in it (other than tabs and the line feeds of a file with bare
// line feeds) is no text but the bytes of a binary file; only this many of them are quoted, each
// that is not plain printable text as "?".
constexpr std::size_t kQuotedBytesLength = 32;

std::string QuotedLine(std::string_view line) {
    const auto control = [](unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n') || c == 0x7f; };
    if (std::none_of(line.begin(), line.end(), control)) return std::string(line.substr(0, kQuotedLineLength));
    std::string excerpt;
    for (const unsigned char c : line.substr(0, kQuotedBytesLength)) excerpt += c >= 0x20 && c < 0x7f ? static_cast<char>(c) : '?';
    return excerpt + "...";
}

}  // namespace

bool DXFReader::InitDB(bool Reset) {
    return Traced(host_, " ->  InitDB.", [&] {
        if (Reset) db_.ResetEntities();
        db_.Blocks.Reset(5);
        return true;
    });
}

bool DXFReader::ReadDrawing(MergeEnum Merge, const std::string& FileName, float XOffset, float YOffset) {
    if (!InitDB(Merge != dxfMergeAdd)) RaiseTiraqError("Internal data bases could not be initialized.");
    db_.XOffset = XOffset;
    db_.YOffset = YOffset;
    db_.Blocks.Reset();
    db_.InsertTransforms.Reset();
    return LoadDXF(FileName);
}

bool DXFReader::LoadDXF(const std::string& FileName) {
    db_.DXFComplete = false;
    Properties.RedlineTextHeight = 0;
    std::string text;
    try {
        text = ReadWholeFile(FileName);
    } catch (...) {
        host_.SetMousePointer(kPointerDefault);
        throw vb::RuntimeError(kErrTiraq, "At entity type ''. \r\n" + CurrentErrorDescription() + "\r\n ->  LoadDXF.");
    }
    return LoadDXFText(std::move(text), FileName);
}

bool DXFReader::LoadDXFText(std::string text, const std::string& FileName) {
    db_.DXFComplete = false;
    Properties.RedlineTextHeight = 0;
    LoadPass pass(*this, db_, host_, blockSpoolCounter_, std::move(text));
    try {
        const bool result = pass.Run(FileName);
        expandedBytes_ = pass.ExpandedBytes();
        return result;
    } catch (...) {
        expandedBytes_ = pass.ExpandedBytes();
        const std::string description = CurrentErrorDescription();
        host_.SetMousePointer(kPointerDefault);
        db_.DXFComplete = false;
        pass.RemoveSpoolFiles();
        host_.HideStatusBar();
        throw vb::RuntimeError(kErrTiraq,
                               "At entity type '" + QuotedLine(pass.CurrentLine()) + "'. \r\n" + description + "\r\n ->  LoadDXF.");
    }
}

}  // namespace tiraq
