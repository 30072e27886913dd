#include "reader/load_pass.h"

#include "reader/pen_styles.h"
#include "reader/traced.h"

#include "vb/convert.h"

#include <optional>

namespace tiraq {
namespace {

struct Vertex {
    float X = 0, Y = 0, Z = 0;
};

}  // namespace

bool LoadPass::DXFPoly() {
    return Traced(host_, " ->  DXFPoly.", [&] {
        LoadEntity();
        const std::int32_t layerIndex = SetLayerID(groupValue_[8]);
        const std::int32_t color = EntityColor();
        const std::int32_t flags = vb::CLng(Val(70));
        const std::int32_t lineType = LayerLineTypeOr(LineTypeToPenStyle(groupValue_[6]), layerIndex);
        if (DxfWalk::IsPolyfaceMesh(flags)) return DXFPolyFace(layerIndex, color);
        const float linewidth = vb::CSng(Val(40));
        // Only the Z of the extrusion is used: -1 mirrors the polyline in X.
        float extrusion = vb::CSng(Val(230));
        if (extrusion == 0) extrusion = 1;

        const auto vertexAt = [&] { return Vertex{XAt(10), YAt(20), ZAt(30)}; };
        // Mirroring turns every arc the other way round.
        const auto bulgeAt = [&] { return vb::CSng(extrusion < 0 ? -Val(42) : Val(42)); };
        const auto segment = [&](const Vertex& p, const Vertex& c, float bulge, bool widens) {
            const float x1 = vb::CSng(static_cast<double>(p.X) * extrusion);
            const float x2 = vb::CSng(static_cast<double>(c.X) * extrusion);
            if (inBlock_) {
                spools_.Write(SpoolEntry{.Kind = DisplayKind::Polyline, .X1 = BlockX(x1), .Y1 = BlockY(p.Y),
                                         .X2 = BlockX(x2), .Y2 = BlockY(c.Y), .Linewidth = linewidth,
                                         .Bulge = bulge, .EntityColor = color, .LayerIndex = layerIndex});
                return;
            }
            db_.AppendDrawn(PolylineRecord{.X1 = x1, .Y1 = p.Y, .X2 = x2, .Y2 = c.Y, .Z1 = p.Z, .Z2 = c.Z,
                                           .Linewidth = linewidth, .LineType = lineType, .LayerIndex = layerIndex,
                                           .EntityColor = color, .Bulge = bulge});
            if (widens) CheckExtents(p.X, p.Y, c.X, c.Y);
        };

        std::optional<Vertex> first;
        Vertex previous;
        float bulge = 0;
        walk_.PolylineVertices(
            flags,
            [&](bool segmentEnds) {
                const Vertex current = vertexAt();
                if (segmentEnds) segment(previous, current, bulge, true);
                if (!first) first = current;
                previous = current;
                bulge = bulgeAt();
            },
            // The closing segment runs from the first vertex to the last, against the direction of
            // the last vertex's bulge.
            [&] { segment(*first, previous, -bulge, false); });
        return true;
    });
}

bool LoadPass::DXFPolyFace(std::int32_t layerIndex, std::int32_t entityColor) {
    return Traced(host_, " ->  DXFPolyFace.", [&] {
        // The mesh numbers its points from 1, after those of earlier meshes.
        const std::int32_t base = db_.VertexCount();
        walk_.MeshVertices([&] { db_.Vertices.Append(VertexRecord{XAt(10), YAt(20)}); },
                           [&](std::int64_t start, std::int64_t end) {
                               const VertexRecord a = db_.Vertices[static_cast<std::int32_t>(base + start)];
                               const VertexRecord b = db_.Vertices[static_cast<std::int32_t>(base + end)];
                               if (inBlock_) {
                                   spools_.Write(SpoolEntry{.Kind = DisplayKind::Polyline, .X1 = BlockX(a.X),
                                                            .Y1 = BlockY(a.Y), .X2 = BlockX(b.X), .Y2 = BlockY(b.Y),
                                                            .EntityColor = entityColor, .LayerIndex = layerIndex});
                               } else {
                                   db_.AppendDrawn(PolylineRecord{.X1 = a.X, .Y1 = a.Y, .X2 = b.X, .Y2 = b.Y,
                                                                  .LayerIndex = layerIndex,
                                                                  .EntityColor = entityColor});
                               }
                           });
        return true;
    });
}

}  // namespace tiraq
