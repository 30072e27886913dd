#include "reader/load_pass.h"

#include "reader/ansi_text.h"
#include "reader/colour_table.h"
#include "reader/error_chain.h"
#include "reader/traced.h"

#include "vb/convert.h"
#include "vb/val.h"

#include <algorithm>

namespace tiraq {

LoadPass::LoadPass(DXFReader& reader, DrawingDatabase& db, ReaderHost& host, std::int32_t& spoolCounter,
                   std::string text)
    : reader_(reader),
      db_(db),
      host_(host),
      properties_(reader.Properties),
      spoolCounter_(spoolCounter),
      text_(std::move(text)),
      walk_(text_, reader.Properties.CalcExtents, host),
      groupValue_(walk_.Groups()),
      firstTransform_(db.InsertTransformCount() + 1),
      spools_(reader.Properties.TmpFileNamePath) {}

bool LoadPass::MakeSureFileIsDXF() {
    return Traced(host_, " ->  MakeSureFileIsDXF.", [&] { return walk_.FindSectionLine(); });
}

void LoadPass::ShowProgress() {
    if (walk_.Size() == 0) return;
    const float fraction =
        std::min(1.0f, static_cast<float>(walk_.Position()) / static_cast<float>(walk_.Size()));
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
    Keyword keyword = Keyword::None;
    while (lastResult && walk_.Next(keyword)) {
        ShowProgress();
        lastResult = Dispatch(keyword);
    }
    host_.SetPreviousViews(db_.DrawingExtents);
    host_.HideStatusBar();
    db_.DXFComplete = true;
    RemoveSpoolFiles();
    return lastResult;
}

bool LoadPass::Dispatch(Keyword keyword) {
    switch (keyword) {
        case Keyword::None: return true;
        case Keyword::ExtMin: return DXFMinExtents();
        case Keyword::ExtMax: return DXFMaxExtents();
        case Keyword::AttDef: return DXFAttDef();
        case Keyword::Layer: return DXFNewLayer();
        case Keyword::Block: return DXFBlock();
        case Keyword::EndBlock: return EndBlock();
        case Keyword::Line: return DXFLine();
        case Keyword::Circle: return DXFCircle();
        case Keyword::Ellipse: return DXFEllipse();
        case Keyword::Point: return DXFPoint();
        case Keyword::Polyline: return DXFPoly();
        case Keyword::Text: return DXFText("TEXT");
        case Keyword::MText: return DXFText("MTEXT");
        case Keyword::Solid: return DXFSolid();
        case Keyword::Face3D: return DXF3DFace();
        case Keyword::Insert: return DXFBlockInsert(0);
        case Keyword::Dimension: return DXFDimension();
        case Keyword::Attrib: return DXFAttrib();
        case Keyword::Entities: return StartEntities();
    }
    return true;
}

void LoadPass::RemoveSpoolFiles() noexcept {
    spools_.RemoveAll();
    for (BlockRecord& block : db_.Blocks) block.SpoolFileName.clear();
}

double LoadPass::Val(int code) const { return walk_.Val(code); }

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
