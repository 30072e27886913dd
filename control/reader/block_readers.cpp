#include "reader/load_pass.h"

#include "reader/ansi_text.h"
#include "reader/error_chain.h"
#include "reader/rotation.h"
#include "reader/text_fonts.h"
#include "reader/traced.h"

#include "vb/convert.h"

#include <cmath>
#include <utility>

namespace tiraq {
namespace {

float ScaleOf(double value) { return value == 0 ? 1.0f : vb::CSng(value); }

// Moves a block entry from the block's base point to its place: scaled, rotated about the base
// point, then moved to the insertion point.
class EntryTransform {
public:
    explicit EntryTransform(const Placement& placement) : p_(placement), rotator_(placement.Rotation) {}

    void Point(float& x, float& y) const {
        x = vb::CSng(static_cast<double>(p_.XScale) * x);
        y = vb::CSng(static_cast<double>(p_.YScale) * y);
        if (p_.Rotation != 0) rotator_.Apply(x, y);
        x = vb::CSng(static_cast<double>(x) + p_.X);
        y = vb::CSng(static_cast<double>(y) + p_.Y);
    }

    void Apply(SpoolEntry& e) const {
        const bool mirrored = (p_.XScale < 0) != (p_.YScale < 0);
        switch (e.Kind) {
            case DisplayKind::Line:
                Point(e.X1, e.Y1), Point(e.X2, e.Y2);
                break;
            case DisplayKind::Polyline:
                Point(e.X1, e.Y1), Point(e.X2, e.Y2);
                // A mirror image turns every arc the other way round.
                if (mirrored) e.Bulge = -e.Bulge;
                break;
            case DisplayKind::Text:
                Point(e.X1, e.Y1);
                // Mirrored inserts keep their texts upright in size.
                e.Height = vb::CSng(static_cast<double>(e.Height) * std::fabs(p_.XScale));
                e.Rotation = vb::CSng(static_cast<double>(e.Rotation) + p_.Rotation);
                break;
            case DisplayKind::Circle:
                Point(e.X1, e.Y1);
                e.Radius = vb::CSng(std::fabs(p_.XScale) * static_cast<double>(e.Radius));
                if (p_.XScale < 0)
                    std::tie(e.StartAngle, e.EndAngle) =
                        std::pair(vb::CSng(180.0 - e.EndAngle), vb::CSng(180.0 - e.StartAngle));
                if (p_.YScale < 0) std::tie(e.StartAngle, e.EndAngle) = std::pair(-e.EndAngle, -e.StartAngle);
                e.StartAngle = vb::CSng(static_cast<double>(e.StartAngle) + p_.Rotation);
                e.EndAngle = vb::CSng(static_cast<double>(e.EndAngle) + p_.Rotation);
                break;
            case DisplayKind::Solid:
                Point(e.X1, e.Y1), Point(e.X2, e.Y2), Point(e.X3, e.Y3), Point(e.X4, e.Y4);
                break;
            case DisplayKind::Point:
                Point(e.X1, e.Y1);
                break;
            case DisplayKind::Attribute:
            case DisplayKind::Ellipse:
                break;
        }
    }

private:
    const Placement& p_;
    PointRotator rotator_;
};

}  // namespace

std::int32_t LoadPass::FindBlock(std::string_view name) const { return blockNames_.Find(name); }

// The estimate made at the first block is held to as the expansion goes, each replay counted
// before it copies anything.
void LoadPass::CountExpanded(double bytes) {
    expanded_ += bytes;
    if (expanded_ > double(reader_.MaxExpansionBytes)) RaiseTiraqError("Drawing too complex");
}

void LoadPass::CloseBlock() {
    inBlock_ = false;
    spools_.Close();
}

bool LoadPass::EndBlock() {
    CloseBlock();
    return true;
}

bool LoadPass::DXFBlock() {
    return Traced(host_, " ->  DXFBlock.", [&] {
        // Refused before any spool file is written.
        if (!expansionEstimated_) {
            expansionEstimated_ = true;
            if (ExpansionBytes(text_, properties_) > double(reader_.MaxExpansionBytes))
                RaiseTiraqError("Drawing too complex");
        }
        LoadEntity();
        // A block without its ENDBLK ends where the next one begins.
        CloseBlock();
        const std::string name(TrimBlanks(groupValue_[2]));
        BlockRecord record;
        record.X = XAt(10);
        record.Y = YAt(20);
        record.BlockName = FitField(name, kBlockNameFieldWidth);
        ++spoolCounter_;
        const std::int32_t index = db_.Blocks.Append(std::move(record));
        blockNames_.Add(name, index);
        db_.Blocks[index].SpoolFileName = FitField(spools_.Create(index, spoolCounter_), kSpoolNameFieldWidth);
        inBlock_ = true;
        return true;
    });
}

bool LoadPass::StartEntities() {
    // A block without its ENDBLK ends where the entities begin.
    CloseBlock();
    if (entitiesPlaced_) return true;
    entitiesPlaced_ = true;
    for (std::int32_t i = firstTransform_; i <= db_.InsertTransformCount(); ++i) DXFBlockInsert(i);
    return true;
}

void LoadPass::RecordInsertTransform(std::string_view name, std::int32_t layerIndex, const Placement& placement) {
    InsertTransformRecord record;
    record.ContainerBlock = db_.BlockIndex();
    record.ContainerSpoolFile = db_.Blocks[record.ContainerBlock].SpoolFileName;
    record.BlockName = std::string(name);
    record.LayerIndex = layerIndex;
    record.X = placement.X, record.Y = placement.Y, record.Z = placement.Z;
    record.Rotation = placement.Rotation;
    record.XScale = placement.XScale, record.YScale = placement.YScale, record.ZScale = placement.ZScale;
    db_.InsertTransforms.Append(std::move(record));
}

bool LoadPass::DXFBlockInsert(std::int32_t transformIndex) {
    return Traced(host_, " ->  DXFBlockInsert.", [&] {
        if (transformIndex > 0) {
            const InsertTransformRecord t = db_.InsertTransforms[transformIndex];
            const std::int32_t block = FindBlock(TrimBlanks(t.BlockName));
            // Still undefined, or the containing block itself: nothing can be placed.
            if (block == 0 || block == t.ContainerBlock) return true;
            spools_.OpenForAppend(t.ContainerBlock);
            insertLayerIndex_ = t.LayerIndex;
            const Placement placement{t.X, t.Y, t.Z, t.Rotation, t.XScale, t.YScale, t.ZScale, 0};
            inBlock_ = true;
            Replay(block, placement, insertLayerIndex_);
            CloseBlock();
            return true;
        }

        LoadEntity();
        const std::string_view name = groupValue_[2];
        insertLayerIndex_ = SetLayerID(groupValue_[8]);
        Placement placement;
        placement.X = XAt(10), placement.Y = YAt(20), placement.Z = ZAt(30);
        placement.Rotation = vb::CSng(Val(50));
        placement.XScale = ScaleOf(Val(41)), placement.YScale = ScaleOf(Val(42)), placement.ZScale = ScaleOf(Val(43));
        placement.Color = EntityColor();
        const std::int32_t block = FindBlock(name);
        if (inBlock_) {
            // A block never inserts itself.
            if (block == db_.BlockIndex()) return true;
            placement.X = BlockX(placement.X), placement.Y = BlockY(placement.Y);
            if (block == 0) {
                RecordInsertTransform(name, insertLayerIndex_, placement);
                return true;
            }
        } else if (block == 0) {
            // Outside any block, an undefined block has nothing to be placed into later.
            return true;
        }
        db_.AppendInsert(InsertRecord{vb::CSng(static_cast<double>(placement.X) * placement.XScale),
                                        vb::CSng(static_cast<double>(placement.Y) * placement.YScale),
                                        vb::CSng(static_cast<double>(placement.Z) * placement.ZScale),
                                        FitField(name, kBlockNameFieldWidth), insertLayerIndex_});
        Replay(block, placement, insertLayerIndex_);
        return true;
    });
}

void LoadPass::Replay(std::int32_t block, const Placement& placement, std::int32_t insertLayerIndex) {
    const EntryTransform transform(placement);
    const ExpansionCost cost = spools_.Cost(block);
    CountExpanded(inBlock_ ? cost.Spooled : cost.Placed);
    for (const SpoolEntry& source : spools_.Entries(block)) {
        SpoolEntry entry = source;
        // Entities on the drawing's first layer (normally "0") take the insert's layer.
        if (entry.LayerIndex == 1) entry.LayerIndex = insertLayerIndex;
        transform.Apply(entry);
        if (inBlock_) {
            if (entry.Kind == DisplayKind::Line) entry.Linewidth = 1;
            spools_.Write(entry);
        } else {
            StoreReplayed(entry, placement);
        }
    }
}

void LoadPass::StoreReplayed(SpoolEntry& e, const Placement& placement) {
    const std::int32_t insertID = db_.InsertCount();
    const std::int32_t lineColor = placement.Color != 0 ? placement.Color : e.EntityColor;
    switch (e.Kind) {
        case DisplayKind::Line:
            db_.AppendDrawn(LineRecord{.X1 = e.X1, .Y1 = e.Y1, .X2 = e.X2, .Y2 = e.Y2, .LayerIndex = e.LayerIndex,
                                       .EntityColor = lineColor, .LineType = e.LineType, .Linewidth = e.Linewidth,
                                       .InsertID = insertID});
            CheckExtents(e.X1, e.Y1, e.X2, e.Y2);
            break;
        case DisplayKind::Polyline:
            db_.AppendDrawn(PolylineRecord{.X1 = e.X1, .Y1 = e.Y1, .X2 = e.X2, .Y2 = e.Y2, .Linewidth = e.Linewidth,
                                           .LayerIndex = e.LayerIndex, .EntityColor = lineColor, .Bulge = e.Bulge,
                                           .InsertID = insertID});
            CheckExtents(e.X1, e.Y1, e.X2, e.Y2);
            break;
        case DisplayKind::Text:
            db_.AppendDrawn(TextRecord{.X1 = e.X1, .Y1 = e.Y1, .Txt = FitField(e.Txt, kTextFieldWidth),
                                       .Height = e.Height, .Rotation = e.Rotation, .HorzAlign = e.HorzAlign,
                                       .LayerIndex = e.LayerIndex, .Underline = e.Underline,
                                       .EntityColor = e.EntityColor,
                                       .FontName = FitField(e.FontName, kFontNameFieldWidth),
                                       .FontScalar = e.FontScalar, .InsertID = insertID});
            break;
        case DisplayKind::Circle:
            db_.AppendDrawn(CircleRecord{.X1 = e.X1, .Y1 = e.Y1, .Radius = e.Radius, .StartAngle = e.StartAngle,
                                         .EndAngle = e.EndAngle, .LayerIndex = e.LayerIndex,
                                         .EntityColor = e.EntityColor, .LineType = e.LineType,
                                         .Linewidth = e.Linewidth, .InsertID = insertID});
            break;
        case DisplayKind::Solid:
            db_.AppendDrawn(SolidRecord{.X1 = e.X1, .Y1 = e.Y1, .X2 = e.X2, .Y2 = e.Y2, .X3 = e.X3, .Y3 = e.Y3,
                                        .X4 = e.X4, .Y4 = e.Y4, .LayerIndex = e.LayerIndex,
                                        .EntityColor = e.EntityColor, .InsertID = insertID});
            CheckExtents(e.X3, e.Y3, e.X4, e.Y4);
            break;
        case DisplayKind::Point:
            db_.AppendDrawn(PointRecord{.X1 = e.X1, .Y1 = e.Y1, .LayerIndex = e.LayerIndex,
                                        .EntityColor = e.EntityColor});
            break;
        case DisplayKind::Attribute:
        case DisplayKind::Ellipse:
            break;
    }
}

bool LoadPass::DXFAttDef() {
    return Traced(host_, " ->  DXFAttDef.", [&] { return LoadEntity(); });
}

bool LoadPass::DXFAttrib() {
    return Traced(host_, " ->  DXFAttrib.", [&] {
        LoadEntity();
        // Attributes of block definitions, and invisible ones, are not kept.
        if (inBlock_ || Val(70) == 1) return true;
        AttribRecord r;
        r.BlockIndex = db_.BlockIndex();
        r.LayerIndex = insertLayerIndex_;
        r.EntityColor = EntityColor();
        r.HorzAlign = vb::CLng(Val(72));
        if (r.HorzAlign == 1 || r.HorzAlign == 2) {
            r.X = XAt(11), r.Y = YAt(21);
        } else if (r.HorzAlign == 4) {
            r.X = XAt(11), r.Y = YAt(20);
        } else {
            r.X = XAt(10), r.Y = YAt(20);
        }
        r.Height = vb::CSng(Val(40));
        r.FontName = StyleFontName(groupValue_[7], r.FontScalar, properties_.Fonts);
        r.TagValue = FitField(groupValue_[1], kTextFieldWidth);
        r.TagName = FitField(groupValue_[2], kTextFieldWidth);
        r.Rotation = vb::CSng(Val(50));
        const double x2 = Val(11), y2 = Val(21), x1 = Val(10), y1 = Val(20);
        if (r.HorzAlign == 5 && x2 != 0 && y2 != 0 && x2 - x1 != 0)
            r.Rotation = vb::CSng(std::atan((y2 - y1) / (x2 - x1)) * 180 / kPi);
        r.ParentInsert = db_.InsertCount();
        const float x = r.X, y = r.Y;
        db_.AppendDrawn(std::move(r));
        CheckExtents(x, y, x, y);
        return true;
    });
}

}  // namespace tiraq
