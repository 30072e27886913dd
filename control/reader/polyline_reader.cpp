#include "reader/load_pass.h"

#include "reader/error_chain.h"
#include "reader/flag_bits.h"
#include "reader/pen_styles.h"
#include "reader/traced.h"

#include "vb/convert.h"

#include <cstdlib>

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
        if (flags == 64) return DXFPolyFace(layerIndex, color);
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

        ReadNextLine();
        if (currentLine_ != "VERTEX") RaiseTiraqError("Polyline read error");
        LoadEntity();
        Vertex current = vertexAt();
        const Vertex first = current;
        Vertex previous = current;
        float bulge = bulgeAt();
        while (currentLine_ != "SEQEND") {
            // Another entity where SEQEND should be ends the polyline and is read next as usual;
            // the end of the file is a truncated drawing.
            ReadNextLine();
            if (currentLine_ != "VERTEX") {
                if (currentLine_ != "SEQEND") HoldLine();
                break;
            }
            LoadEntity();
            current = vertexAt();
            const std::int32_t vertexFlags = vb::CLng(Val(70));
            if (!IsBitSet(vertexFlags, 4)) segment(previous, current, bulge, true);
            previous = current;
            bulge = bulgeAt();
        }
        // The closing segment runs from the first vertex to the last, against the direction of
        // the last vertex's bulge.
        if (IsBitSet(flags, 0)) segment(first, previous, -bulge, false);
        return true;
    });
}

bool LoadPass::DXFPolyFace(std::int32_t layerIndex, std::int32_t entityColor) {
    return Traced(host_, " ->  DXFPolyFace.", [&] {
        // The mesh numbers its vertices from 1, after those of earlier meshes.
        const std::int32_t base = db_.VertexCount();
        for (;;) {
            ReadNextLine();
            if (currentLine_ == "SEQEND") return true;
            if (currentLine_ != "VERTEX") {
                HoldLine();
                return true;
            }
            LoadEntity();
            const std::int32_t flags = vb::CLng(Val(70));
            if (IsBitSet(flags, 6)) {
                db_.Vertices.Append(VertexRecord{XAt(10), YAt(20)});
                continue;
            }
            const std::int64_t corners[4] = {vb::CLng(Val(71)), vb::CLng(Val(72)), vb::CLng(Val(73)),
                                             vb::CLng(Val(74))};
            std::int64_t used[4];
            int usedCount = 0;
            for (const std::int64_t corner : corners)
                if (corner != 0) used[usedCount++] = corner;
            const std::int64_t vertexCount = db_.VertexCount() - base;
            for (int k = 0; k < usedCount; ++k) {
                const std::int64_t start = used[k];
                const std::int64_t end = std::llabs(k + 1 < usedCount ? used[k + 1] : corners[0]);
                // A negative number hides the edge; numbers beyond this mesh's vertices name none.
                if (start <= 0 || start > vertexCount || end < 1 || end > vertexCount) continue;
                const VertexRecord a = db_.Vertices[static_cast<std::int32_t>(base + start)];
                const VertexRecord b = db_.Vertices[static_cast<std::int32_t>(base + end)];
                if (inBlock_) {
                    spools_.Write(SpoolEntry{.Kind = DisplayKind::Polyline, .X1 = BlockX(a.X), .Y1 = BlockY(a.Y),
                                             .X2 = BlockX(b.X), .Y2 = BlockY(b.Y), .EntityColor = entityColor,
                                             .LayerIndex = layerIndex});
                } else {
                    db_.AppendDrawn(PolylineRecord{.X1 = a.X, .Y1 = a.Y, .X2 = b.X, .Y2 = b.Y,
                                                   .LayerIndex = layerIndex, .EntityColor = entityColor});
                }
            }
        }
    });
}

}  // namespace tiraq
