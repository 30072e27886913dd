#include "reader/load_pass.h"

#include "reader/ansi_text.h"
#include "reader/traced.h"

#include "vb/convert.h"

namespace tiraq {

bool LoadPass::DXFDimension() {
    return Traced(host_, " ->  DXFDimension.", [&] {
        LoadEntity();
        const std::string_view name = groupValue_[2];
        if (name.empty()) return true;
        const std::int32_t color = EntityColor();
        const std::int32_t layerIndex = SetLayerID(groupValue_[8]);
        const double offsetX = Val(12) + db_.XOffset;
        const double offsetY = Val(22) + db_.YOffset;
        const std::int32_t block = FindBlock(name);
        if (inBlock_ && block == db_.BlockIndex()) return true;  // a dimension never holds itself
        if (block != 0) {
            ReplayDimension(block, offsetX, offsetY, layerIndex, color);
            return true;
        }
        // Outside any block, an undefined block has nothing to be placed into later.
        if (!inBlock_) return true;
        Placement placement;
        placement.X = BlockX(vb::CSng(offsetX));
        placement.Y = BlockY(vb::CSng(offsetY));
        RecordInsertTransform(name, layerIndex, placement);
        return true;
    });
}

void LoadPass::ReplayDimension(std::int32_t block, double offsetX, double offsetY, std::int32_t layerIndex,
                               std::int32_t entityColor) {
    // Inside a block definition the whole dimension goes into that block, relative to its base.
    const bool toSpool = inBlock_;
    if (toSpool) {
        offsetX -= db_.Blocks[db_.BlockIndex()].X;
        offsetY -= db_.Blocks[db_.BlockIndex()].Y;
    }
    const auto x = [&](float value) { return vb::CSng(value + offsetX); };
    const auto y = [&](float value) { return vb::CSng(value + offsetY); };
    const ExpansionCost cost = spools_.DimensionCost(block);
    CountExpanded(toSpool ? cost.Spooled : cost.Placed);
    for (const SpoolEntry* entry : spools_.DimensionEntries(block)) {
        const SpoolEntry& source = *entry;
        SpoolEntry e;
        e.Kind = source.Kind;
        e.LayerIndex = layerIndex;
        e.EntityColor = entityColor;
        switch (source.Kind) {
            case DisplayKind::Line:
                e.X1 = x(source.X1), e.Y1 = y(source.Y1), e.X2 = x(source.X2), e.Y2 = y(source.Y2);
                e.Linewidth = source.Linewidth, e.LineType = source.LineType;
                if (!toSpool) {
                    db_.AppendDrawn(LineRecord{.X1 = e.X1, .Y1 = e.Y1, .X2 = e.X2, .Y2 = e.Y2,
                                               .LayerIndex = layerIndex, .EntityColor = entityColor,
                                               .LineType = e.LineType, .Linewidth = e.Linewidth});
                    CheckExtents(e.X1, e.Y1, e.X2, e.Y2);
                }
                break;
            case DisplayKind::Text:
                e.X1 = x(source.X1), e.Y1 = y(source.Y1), e.Txt = source.Txt, e.Height = source.Height;
                e.Rotation = source.Rotation, e.HorzAlign = source.HorzAlign;
                e.FontName = source.FontName, e.FontScalar = source.FontScalar;
                if (!toSpool)
                    db_.AppendDrawn(TextRecord{.X1 = e.X1, .Y1 = e.Y1, .Txt = FitField(e.Txt, kTextFieldWidth),
                                               .Height = e.Height, .Rotation = e.Rotation, .HorzAlign = e.HorzAlign,
                                               .LayerIndex = layerIndex, .EntityColor = entityColor,
                                               .FontName = FitField(e.FontName, kFontNameFieldWidth),
                                               .FontScalar = e.FontScalar});
                break;
            case DisplayKind::Circle:
                e.X1 = x(source.X1), e.Y1 = y(source.Y1), e.Radius = source.Radius;
                e.StartAngle = source.StartAngle, e.EndAngle = source.EndAngle, e.LineType = source.LineType;
                e.Linewidth = source.Linewidth;
                if (!toSpool)
                    db_.AppendDrawn(CircleRecord{.X1 = e.X1, .Y1 = e.Y1, .Radius = e.Radius,
                                                 .StartAngle = e.StartAngle, .EndAngle = e.EndAngle,
                                                 .LayerIndex = layerIndex, .EntityColor = entityColor,
                                                 .LineType = e.LineType});
                break;
            case DisplayKind::Solid:
                e.X1 = x(source.X1), e.Y1 = y(source.Y1), e.X2 = x(source.X2), e.Y2 = y(source.Y2);
                e.X3 = x(source.X3), e.Y3 = y(source.Y3), e.X4 = x(source.X4), e.Y4 = y(source.Y4);
                if (!toSpool) {
                    db_.AppendDrawn(SolidRecord{.X1 = e.X1, .Y1 = e.Y1, .X2 = e.X2, .Y2 = e.Y2, .X3 = e.X3,
                                                .Y3 = e.Y3, .X4 = e.X4, .Y4 = e.Y4, .LayerIndex = layerIndex,
                                                .EntityColor = entityColor});
                    CheckExtents(e.X3, e.Y3, e.X4, e.Y4);
                }
                break;
            case DisplayKind::Point:
                e.X1 = x(source.X1), e.Y1 = y(source.Y1);
                if (!toSpool)
                    db_.AppendDrawn(PointRecord{.X1 = e.X1, .Y1 = e.Y1, .LayerIndex = layerIndex,
                                                .EntityColor = entityColor});
                break;
            case DisplayKind::Polyline:  // none of these is among what a dimension copies
            case DisplayKind::Attribute:
            case DisplayKind::Ellipse:
                continue;
        }
        if (toSpool) spools_.Write(e);
    }
}

}  // namespace tiraq
