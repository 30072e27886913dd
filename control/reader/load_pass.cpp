#include "reader/load_pass.h"

#include "reader/ansi_text.h"
#include "reader/colour_table.h"
#include "reader/error_chain.h"
#include "reader/traced.h"

#include "vb/convert.h"
#include "vb/val.h"

#include <algorithm>

namespace tiraq {
namespace {

[[noreturn]] void RaiseInputPastEnd() { throw vb::RuntimeError(kErrInputPastEnd, "Input past end of file"); }

}  // namespace

LoadPass::LoadPass(DXFReader& reader, DrawingDatabase& db, ReaderHost& host, std::int32_t& spoolCounter,
                   std::string text)
    : reader_(reader),
      db_(db),
      host_(host),
      properties_(reader.Properties),
      spoolCounter_(spoolCounter),
      text_(std::move(text)),
      lines_(text_),
      firstTransform_(db.InsertTransformCount() + 1),
      spools_(reader.Properties.TmpFileNamePath) {}

bool LoadPass::NextLine() {
    if (lineHeld_) {
        lineHeld_ = false;
        return true;
    }
    std::string_view line;
    if (!lines_.Next(line)) return false;
    currentLine_ = line;
    return true;
}

void LoadPass::ReadNextLine() {
    if (!NextLine()) RaiseInputPastEnd();
}

bool LoadPass::LoadEntity() {
    try {
        groupValue_.Clear();
        const bool complete = ReadGroups(lines_, [&](int code, std::string_view value) {
            if (code > 0) groupValue_.Set(code, value);
        });
        if (!complete) RaiseInputPastEnd();
        return true;
    } catch (...) {
        host_.SetMousePointer(kPointerDefault);
        throw vb::RuntimeError(kErrTiraq, CurrentErrorDescription() + ". Error in LoadEntity.");
    }
}

bool LoadPass::MakeSureFileIsDXF() {
    return Traced(host_, " ->  MakeSureFileIsDXF.", [&] {
        vb::LineScanner scan(text_);
        std::string_view line;
        while (TrimBlanks(currentLine_) != "SECTION" && scan.Next(line)) currentLine_ = line;
        return TrimBlanks(currentLine_) == "SECTION";
    });
}

void LoadPass::ShowProgress() {
    if (text_.empty()) return;
    const float fraction =
        std::min(1.0f, static_cast<float>(lines_.Position()) / static_cast<float>(text_.size()));
    if (fraction > nextMark_) {
        host_.PaintProgress(fraction);
        nextMark_ += 0.05f;
    }
}

bool LoadPass::Run(const std::string& fileName) {
    if (!MakeSureFileIsDXF()) {
        host_.SetMousePointer(kPointerDefault);
        RaiseTiraqError(fileName + " does not appear to be a DXF file.");
    }
    db_.DrawingExtents = kNoExtents;
    host_.ShowStatusBar(true);
    bool lastResult = true;
    while (lastResult && NextLine()) {
        ShowProgress();
        lastResult = Dispatch();
    }
    host_.SetPreviousViews(db_.DrawingExtents);
    host_.HideStatusBar();
    db_.DXFComplete = true;
    RemoveSpoolFiles();
    return lastResult;
}

bool LoadPass::Dispatch() {
    const std::string_view line = currentLine_;
    if (line.size() < 3 || line.size() > 9) return true;
    if (line == "$EXTMIN") return DXFMinExtents();
    if (line == "$EXTMAX") return DXFMaxExtents();
    if (line == "ATTDEF") return DXFAttDef();
    if (line == "LAYER") {
        if (!layerTableNamePending_) return DXFNewLayer();
        layerTableNamePending_ = false;
        return true;
    }
    if (line == "BLOCK") return DXFBlock();
    if (line == "ENDBLK") return EndBlock();
    if (line == "LINE") return DXFLine();
    if (line == "CIRCLE" || line == "ARC") return DXFCircle();
    if (line == "ELLIPSE") return DXFEllipse();
    if (line == "POINT") return DXFPoint();
    if (line == "POLYLINE") return DXFPoly();
    if (line == "TEXT") return DXFText("TEXT");
    if (line == "MTEXT") return DXFText("MTEXT");
    if (line == "SOLID") return DXFSolid();
    if (line == "3DFACE") return DXF3DFace();
    if (line == "INSERT") return DXFBlockInsert(0);
    if (line == "DIMENSION") return DXFDimension();
    if (line == "ATTRIB") return DXFAttrib();
    if (line == "ENTITIES") return StartEntities();
    return true;
}

void LoadPass::RemoveSpoolFiles() noexcept {
    spools_.RemoveAll();
    for (BlockRecord& block : db_.Blocks) block.SpoolFileName.clear();
}

double LoadPass::Val(int code) const { return vb::Val(groupValue_[code]); }

float LoadPass::XAt(int code) const { return vb::CSng(Val(code) + db_.XOffset); }

float LoadPass::YAt(int code) const { return vb::CSng(Val(code) + db_.YOffset); }

float LoadPass::ZAt(int code) const { return vb::CSng(Val(code)); }

std::int32_t LoadPass::EntityColor() const {
    const std::string_view value = groupValue_[62];
    if (value.empty()) return 0;
    const std::int16_t index = vb::CInt(vb::Val(value));
    // 256 stands for the layer's colour, which a record keeps as 0.
    return index == 256 ? 0 : ACIToRGB(index);
}

std::int32_t LoadPass::SetLayerID(std::string_view layerName) {
    return Traced(host_, " ->  SetLayerID.", [&] { return db_.SetLayerID(layerName); });
}

std::int32_t LoadPass::LayerLineTypeOr(std::int32_t lineType, std::int32_t layerIndex) const {
    if (lineType != 0) return lineType;
    const DXFLayer* layer = db_.Layers->TryItem(layerIndex);
    return layer == nullptr ? 0 : layer->LayerLineType();
}

void LoadPass::CheckExtents(float x1, float y1, float x2, float y2) {
    if (headerExtentsKnown_) return;
    db_.CheckExtents(x1, y1, x2, y2);
    WidenExtents(entityExtents_, x1, y1, x2, y2);
}

float LoadPass::BlockX(float x) const { return vb::CSng(static_cast<double>(x) - db_.Blocks[db_.BlockIndex()].X); }

float LoadPass::BlockY(float y) const { return vb::CSng(static_cast<double>(y) - db_.Blocks[db_.BlockIndex()].Y); }

}  // namespace tiraq
