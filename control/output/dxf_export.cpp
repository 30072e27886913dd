#include "output/dxf_export.h"

#include "output/dxf_group_writer.h"
#include "reader/ansi_text.h"
#include "reader/colour_table.h"
#include "reader/drawing_database.h"
#include "reader/error_chain.h"
#include "vb/replacing_file.h"

#include <memory>
#include <string_view>

namespace tiraq {
namespace {

// One entry of the fixed line-type table, its texts exactly as every export writes them.
struct LineTypeEntry {
    std::string_view name, description, elementCount, totalLength;
    std::initializer_list<std::string_view> elements;
};

// The writers of an export, in the order ExportDXF calls them.
class ExportWriter {
public:
    explicit ExportWriter(const std::string& fileName) : file_(fileName), out_(file_) {}

    void WriteHeaderSection(float minX, float minY, float maxX, float maxY) {
        out_.Group(0, "SECTION");
        out_.Group(2, "HEADER");
        out_.Group(9, "$EXTMIN");
        out_.Real(10, minX);
        out_.Real(20, minY);
        out_.Group(9, "$EXTMAX");
        out_.Real(10, maxX);
        out_.Real(20, maxY);
        out_.Group(0, "ENDSEC");
    }

    void WriteTablesSection(std::int32_t layerCount) {
        out_.Group(0, "SECTION");
        out_.Group(2, "TABLES");
        WriteLineTypes();
        out_.Group(0, "TABLE");
        out_.Group(2, "LAYER");
        out_.Integer(70, layerCount);
    }

    void WriteLineTypes() {
        static const LineTypeEntry kLineTypes[] = {
            {"CONTINUOUS", "Solid line", "0", "0.0", {}},
            {"DASHED", "Dashed line", "2", "0.8", {"0.5", "-0.3"}},
            {"DOT", "Dotted line", "2", "0.2", {"0.1", "-0.1"}},
            {"DASHDOT", "Dotted line", "4", "1", {"0.5", "-0.2", "0.1", "-0.2"}},
            {"SMALLDOT", "Small dotted", "2", "0.1", {"0", "-0.1"}},
            {"CENTER", "Centerline", "4", "1.1", {"0.8", "-0.1", "0.1", "-0.1"}},
        };
        out_.Group(0, "TABLE");
        out_.Group(2, "LTYPE");
        out_.Group(70, "4");
        for (const LineTypeEntry& type : kLineTypes) {
            out_.Group(0, "LTYPE");
            out_.Group(2, type.name);
            out_.Group(70, "64");
            out_.Group(3, type.description);
            out_.Group(72, "65");
            out_.Group(73, type.elementCount);
            out_.Group(40, type.totalLength);
            for (const std::string_view element : type.elements) out_.Group(49, element);
        }
        out_.Group(0, "ENDTAB");
    }

    void WriteLayer(std::string_view name, std::int32_t colourIndex) {
        out_.Group(0, "LAYER");
        out_.Group(2, name);
        out_.Group(70, "0");
        out_.Integer(62, colourIndex);
        out_.Group(6, "CONTINUOUS");
    }

    void WriteEndTable() { out_.Group(0, "ENDTAB"); }
    void WriteEndSection() { out_.Group(0, "ENDSEC"); }
    void WriteEntitiesSection() {
        out_.Group(0, "SECTION");
        out_.Group(2, "ENTITIES");
    }

    void Write(const LineRecord& line, std::string_view layer) {
        Begin("LINE", layer);
        Point(10, line.X1, line.Y1);
        Point(11, line.X2, line.Y2);
        Colour(line.EntityColor);
    }

    // A segment goes out as a polyline of its two vertices.
    void Write(const PolylineRecord& segment, std::string_view layer) {
        Begin("POLYLINE", layer);
        out_.Real(40, segment.Linewidth);
        out_.Real(41, segment.Linewidth);
        out_.Group(66, "1");
        Colour(segment.EntityColor);
        WriteVertex(segment.X1, segment.Y1, segment, layer);
        WriteVertex(segment.X2, segment.Y2, segment, layer);
        out_.Group(0, "SEQEND");
    }

    void WriteVertex(float x, float y, const PolylineRecord& segment, std::string_view layer) {
        Begin("VERTEX", layer);
        Point(10, x, y);
        out_.Real(42, segment.Bulge);
        Colour(segment.EntityColor);
    }

    void WriteText(std::string_view layer, float x, float y, float height, std::string_view text, float rotation,
                   std::int32_t alignment, std::int32_t colour) {
        Begin("TEXT", layer);
        out_.Real(10, x);
        out_.Real(20, y);
        if (alignment == 1 || alignment == 2 || alignment == 4) {
            out_.Real(11, x);
            out_.Real(21, y);
        }
        out_.Group(30, "0");
        out_.Real(40, height);
        out_.Group(1, TrimBlanks(text));
        out_.Real(50, rotation);
        if (alignment != 0) out_.Integer(72, alignment);
        Colour(colour);
    }

    void Write(const TextRecord& text, std::string_view layer) {
        WriteText(layer, text.X1, text.Y1, text.Height, text.Txt, text.Rotation, text.HorzAlign, text.EntityColor);
    }

    void Write(const AttribRecord& attribute, std::string_view layer) {
        WriteText(layer, attribute.X, attribute.Y, attribute.Height, attribute.TagValue, attribute.Rotation,
                  attribute.HorzAlign, attribute.EntityColor);
    }

    void Write(const CircleRecord& circle, std::string_view layer) {
        if (circle.StartAngle != circle.EndAngle) WriteArc(circle, layer);
        else WriteCircle(circle, layer);
    }

    void WriteArc(const CircleRecord& arc, std::string_view layer) {
        Begin("ARC", layer);
        Point(10, arc.X1, arc.Y1);
        out_.Real(40, arc.Radius);
        out_.Real(50, arc.StartAngle);
        out_.Real(51, arc.EndAngle);
        Colour(arc.EntityColor);
    }

    void WriteCircle(const CircleRecord& circle, std::string_view layer) {
        Begin("CIRCLE", layer);
        Point(10, circle.X1, circle.Y1);
        out_.Real(40, circle.Radius);
        Colour(circle.EntityColor);
    }

    // The record keeps the corners around the outline; the file wants the third and the fourth
    // the other way round.
    void Write(const SolidRecord& solid, std::string_view layer) {
        Begin("SOLID", layer);
        Point(10, solid.X1, solid.Y1);
        Point(11, solid.X2, solid.Y2);
        Point(12, solid.X4, solid.Y4);
        Point(13, solid.X3, solid.Y3);
        Colour(solid.EntityColor);
    }

    void CloseExportFile() {
        out_.Group(0, "ENDSEC");
        out_.Group(0, "EOF");
        out_.Flush();
        file_.Commit();
    }

private:
    void Begin(std::string_view type, std::string_view layer) {
        out_.Group(0, type);
        out_.Group(8, layer);
    }
    // A point with the Z that every export writes: 0.
    void Point(int xCode, float x, float y) {
        out_.Real(xCode, x);
        out_.Real(xCode + 10, y);
        out_.Group(xCode + 20, "0");
    }
    void Colour(std::int32_t rgb) {
        if (rgb != 0) out_.Integer(62, RGBToACI(rgb));
    }

    vb::ReplacingFile file_;
    DxfGroupWriter out_;
};

// The name of a layer as the export writes it, in the layer table and in every entity on it;
// false when the layer is marked deleted, so that it and everything on it are left out.
bool ExportedLayer(const DXFLayers& layers, std::int32_t index, std::string_view& name) {
    const DXFLayer& layer = *layers.Item(index);
    if (layer.Deleted()) return false;
    name = TrimBlanks(layer.LayerName());
    return true;
}

// Writes the entity unless its layer is marked deleted; points and ellipses are not exported.
void WriteEntity(ExportWriter& writer, const DrawingDatabase& db, const SeqEntry& entry) {
    VisitDrawn(db, entry, [&](const auto& record) {
        if constexpr (requires { writer.Write(record, std::string_view()); }) {
            std::string_view name;
            if (ExportedLayer(*db.Layers, record.LayerIndex, name)) writer.Write(record, name);
        }
    });
}

}  // namespace

bool ExportDXF(const DrawingDatabase& db, const std::string& ExportFileName, std::string& strError) {
    if (ExportFileName.empty()) {
        strError = "The ExportFileName is blank.";
        return false;
    }
    std::unique_ptr<ExportWriter> writer;
    try {
        writer = std::make_unique<ExportWriter>(ExportFileName);
    } catch (const vb::RuntimeError& error) {
        strError = "Error " + std::to_string(error.Number()) + " performing this action.  " + error.Description();
        return false;
    }
    return Reported(strError, "An error has occurred in ExportDXF. The message is: ", [&] {
        const ViewRect& extents = db.DrawingExtents;
        writer->WriteHeaderSection(extents.Left, extents.Bottom, extents.Right, extents.Top);
        const DXFLayers& layers = *db.Layers;
        writer->WriteTablesSection(layers.Count());
        for (std::int32_t i = 1; i <= layers.Count(); ++i) {
            const DXFLayer& layer = *layers.Item(i);
            if (!layer.Deleted()) writer->WriteLayer(TrimBlanks(layer.LayerName()), RGBToACI(layer.LayerColor()));
        }
        writer->WriteEndTable();
        writer->WriteEndSection();
        writer->WriteEntitiesSection();
        for (std::int32_t i = 1; i <= db.SeqCount(); ++i) WriteEntity(*writer, db, db.SeqArray[i]);
        writer->CloseExportFile();
    });
}

}  // namespace tiraq
