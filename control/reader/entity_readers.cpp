#include "reader/load_pass.h"

#include "reader/pen_styles.h"
#include "reader/rotation.h"
#include "reader/text_helpers.h"
#include "reader/traced.h"

#include "vb/convert.h"

#include <cmath>

namespace tiraq {

template <typename Record>
Record LoadPass::StartRecord() {
    LoadEntity();
    Record r;
    r.LayerIndex = SetLayerID(groupValue_[8]);
    r.EntityColor = EntityColor();
    r.X1 = XAt(10), r.Y1 = YAt(20);
    if constexpr (requires { r.Z1; }) r.Z1 = ZAt(30);
    return r;
}

template <typename Record, typename Spooled>
bool LoadPass::Place(Record&& r, Spooled&& spooled) {
    if (inBlock_) spools_.Write(spooled());
    else db_.AppendDrawn(std::move(r));
    return true;
}

bool LoadPass::DXFLine() {
    return Traced(host_, " ->  DXFLine.", [&] {
        LineRecord r = StartRecord<LineRecord>();
        r.LineType = LayerLineTypeOr(LineTypeToPenStyle(groupValue_[6]), r.LayerIndex);
        r.X2 = XAt(11), r.Y2 = YAt(21), r.Z2 = ZAt(31);
        CheckExtents(r.X1, r.Y1, r.X2, r.Y2);
        return Place(std::move(r), [&] {
            return SpoolEntry{.Kind = DisplayKind::Line,
                              .X1 = BlockX(r.X1), .Y1 = BlockY(r.Y1), .X2 = BlockX(r.X2), .Y2 = BlockY(r.Y2),
                              .EntityColor = r.EntityColor, .LayerIndex = r.LayerIndex, .LineType = r.LineType};
        });
    });
}

bool LoadPass::DXF3DFace() {
    return Traced(host_, " ->  DXF3DFace.", [&] {
        LoadEntity();
        const std::int32_t layerIndex = SetLayerID(groupValue_[8]);
        const std::int32_t color = EntityColor();
        const std::int32_t lineType = LineTypeToPenStyle(groupValue_[6]);
        const float x[4] = {XAt(10), XAt(11), XAt(12), XAt(13)};
        const float y[4] = {YAt(20), YAt(21), YAt(22), YAt(23)};
        CheckExtents(vb::CSng(Val(10)), vb::CSng(Val(20)), vb::CSng(Val(11)), vb::CSng(Val(21)));
        for (int edge = 0; edge < 4; ++edge) {
            const int from = edge;
            const int to = (edge + 1) % 4;
            Place(LineRecord{.X1 = x[from], .Y1 = y[from], .X2 = x[to], .Y2 = y[to],
                             .LayerIndex = layerIndex, .EntityColor = color, .LineType = lineType},
                  [&] {
                      return SpoolEntry{.Kind = DisplayKind::Line,
                                        .X1 = BlockX(x[from]), .Y1 = BlockY(y[from]),
                                        .X2 = BlockX(x[to]), .Y2 = BlockY(y[to]),
                                        .Linewidth = 1, .EntityColor = color, .LayerIndex = layerIndex,
                                        .LineType = lineType};
                  });
        }
        return true;
    });
}

bool LoadPass::DXFCircle() {
    return Traced(host_, " ->  DXFCircle.", [&] {
        CircleRecord r = StartRecord<CircleRecord>();
        r.LineType = LayerLineTypeOr(LineTypeToPenStyle(groupValue_[6]), r.LayerIndex);
        r.Radius = vb::CSng(Val(40));
        r.StartAngle = vb::CSng(Val(50));
        r.EndAngle = vb::CSng(Val(51));
        NormalizeAngle(r.StartAngle);
        NormalizeAngle(r.EndAngle);
        const double x = r.X1, y = r.Y1, radius = r.Radius;
        if (r.StartAngle != r.EndAngle) {
            const double s = r.StartAngle * kPi / 180, e = r.EndAngle * kPi / 180;
            CheckExtents(vb::CSng(x + radius * std::cos(s)), vb::CSng(y + radius * std::sin(s)),
                         vb::CSng(x + radius * std::cos(e)), vb::CSng(y + radius * std::sin(e)));
        } else {
            CheckExtents(vb::CSng(x - radius), vb::CSng(y - radius), vb::CSng(x + radius), vb::CSng(y + radius));
        }
        return Place(std::move(r), [&] {
            return SpoolEntry{.Kind = DisplayKind::Circle, .X1 = BlockX(r.X1), .Y1 = BlockY(r.Y1),
                              .Radius = r.Radius, .StartAngle = r.StartAngle, .EndAngle = r.EndAngle,
                              .EntityColor = r.EntityColor, .LayerIndex = r.LayerIndex, .LineType = r.LineType};
        });
    });
}

bool LoadPass::DXFEllipse() {
    return Traced(host_, " ->  DXFEllipse.", [&] {
        EllipseRecord r = StartRecord<EllipseRecord>();
        r.LineType = LineTypeToPenStyle(groupValue_[6]);
        r.MajorX = vb::CSng(Val(11)), r.MajorY = vb::CSng(Val(21));
        r.Ratio = vb::CSng(Val(40));
        r.StartParam = vb::CSng(Val(41));
        r.EndParam = vb::CSng(Val(42));
        NormalizeAngle(r.EndParam);
        return Place(std::move(r), [&] {
            return SpoolEntry{.Kind = DisplayKind::Ellipse, .X1 = BlockX(r.X1), .Y1 = BlockY(r.Y1),
                              .X2 = r.MajorX, .Y2 = r.MajorY, .Ratio = r.Ratio,
                              .StartParam = r.StartParam, .EndParam = r.EndParam,
                              .EntityColor = r.EntityColor, .LayerIndex = r.LayerIndex, .LineType = r.LineType};
        });
    });
}

bool LoadPass::DXFPoint() {
    return Traced(host_, " ->  DXFPoint.", [&] {
        PointRecord r = StartRecord<PointRecord>();
        return Place(std::move(r), [&] {
            return SpoolEntry{.Kind = DisplayKind::Point, .X1 = BlockX(r.X1), .Y1 = BlockY(r.Y1),
                              .EntityColor = r.EntityColor, .LayerIndex = r.LayerIndex};
        });
    });
}

bool LoadPass::DXFSolid() {
    return Traced(host_, " ->  DXFSolid .", [&] {
        SolidRecord r = StartRecord<SolidRecord>();
        r.X2 = XAt(11), r.Y2 = YAt(21), r.Z2 = ZAt(31);
        r.X3 = XAt(13), r.Y3 = YAt(23), r.Z3 = ZAt(33);
        r.X4 = XAt(12), r.Y4 = YAt(22), r.Z4 = ZAt(32);
        CheckExtents(r.X1, r.Y1, r.X2, r.Y2);
        if (!inBlock_) CheckExtents(r.X3, r.Y3, r.X4, r.Y4);
        return Place(std::move(r), [&] {
            return SpoolEntry{.Kind = DisplayKind::Solid,
                              .X1 = BlockX(r.X1), .Y1 = BlockY(r.Y1), .X2 = BlockX(r.X2), .Y2 = BlockY(r.Y2),
                              .X3 = BlockX(r.X3), .Y3 = BlockY(r.Y3), .X4 = BlockX(r.X4), .Y4 = BlockY(r.Y4),
                              .EntityColor = r.EntityColor, .LayerIndex = r.LayerIndex};
        });
    });
}

bool LoadPass::DXFMaxExtents() {
    return HeaderExtent(" ->  DXFMaxExtents.", db_.DrawingExtents.Right, db_.DrawingExtents.Top, maxExtentsRead_);
}

bool LoadPass::DXFMinExtents() {
    return HeaderExtent(" ->  DXFMinExtents.", db_.DrawingExtents.Left, db_.DrawingExtents.Bottom, minExtentsRead_);
}

bool LoadPass::HeaderExtent(std::string_view trace, float& x, float& y, bool& read) {
    return Traced(host_, trace, [&] {
        LoadEntity();
        x = vb::CSng(Val(10));
        y = vb::CSng(Val(20));
        read = true;
        if (!minExtentsRead_ || !maxExtentsRead_) return true;
        const ViewRect& header = db_.DrawingExtents;
        headerExtentsKnown_ = header.Left < header.Right && header.Bottom < header.Top;
        // Programs that do not know a drawing's extents write a minimum above the maximum (1E+20
        // and -1E+20), or the same point for both, or no number at all: the extents then come
        // from the entities, those read so far included.
        if (!headerExtentsKnown_) db_.DrawingExtents = entityExtents_;
        return true;
    });
}

}  // namespace tiraq
