#include "reader/dxf_reader.h"

#include "reader/error_chain.h"
#include "reader/file_io.h"
#include "reader/load_pass.h"
#include "reader/traced.h"

namespace tiraq {
namespace {

// The load's error texts quote the line they stopped at, up to this many characters.
constexpr std::size_t kQuotedLineLength = 200;

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
        throw vb::RuntimeError(kErrTiraq, "At entity type '" +
                                              std::string(pass.CurrentLine().substr(0, kQuotedLineLength)) +
                                              "'. \r\n" + description + "\r\n ->  LoadDXF.");
    }
}

}  // namespace tiraq
