// The sample drawings of the bundled database: every model has one, and each loads through the
// drawing component's reader with its layers, title block, dimensions and rounded corners, inside
// its header extents, and names its own model.

#include "reader/drawing_database.h"
#include "reader/dxf_reader.h"
#include "reader/pen_styles.h"
#include "test_database.h"
#include "vb/error.h"
#include "vb/val.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using quellmar::test::TempFolder;
using quellmar::test::TestDatabase;

struct Model {
    std::string name, partNumber, dxf;
    double weight = 0;
    int coolerType = 0;
};

// The models of the bundled database with their drawings, read once for all tests.
const std::vector<Model>& BundledModels() {
    static const std::vector<Model> models = [] {
        TestDatabase database(quellmar::data::Contents::Full);
        sqlite3* raw = nullptr;
        EXPECT_EQ(sqlite3_open_v2(database.Path().c_str(), &raw, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(raw, "SELECT Name, PartNumber, Weight, CoolerType, coalesce(Dxf, '') FROM Coolers ORDER BY CoolerID",
                           -1, &statement, nullptr);
        std::vector<Model> rows;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            auto text = [&](int column) {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                return std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
            };
            rows.push_back({text(0), text(1), text(4), sqlite3_column_double(statement, 2), sqlite3_column_int(statement, 3)});
        }
        sqlite3_finalize(statement);
        return rows;
    }();
    return models;
}

// One drawing read into a drawing database as the component reads it: from a file, spooling its
// blocks into a folder of the test's own.
struct LoadedDrawing {
    TempFolder folder;
    tiraq::DrawingDatabase db;
    tiraq::ReaderHost host;
    tiraq::DXFReader reader{db, host};
    std::string error;

    explicit LoadedDrawing(const std::string& text) {
        const auto file = folder / "drawing.dxf";
        std::ofstream(file, std::ios::binary) << text;
        reader.Properties.TmpFileNamePath = folder.Path().string();
        try {
            if (!reader.ReadDrawing(tiraq::dxfMergeNew, file.string())) error = "the load stopped early";
        } catch (const vb::RuntimeError& e) {
            error = e.Description();
        }
    }

    std::string LayerName(std::int32_t index) const { return db.Layers->Item(index)->LayerName(); }
    // The index of the layer of that name, 0 when there is none.
    std::int32_t Layer(const std::string& name) const {
        for (std::int32_t i = 1; i <= db.Layers->Count(); ++i)
            if (LayerName(i) == name) return i;
        return 0;
    }
    std::map<std::string, std::string> Attributes() const {
        std::map<std::string, std::string> values;
        for (std::int32_t i = 1; i <= db.AttribCount(); ++i) values[db.Attribs[i].TagName] = db.Attribs[i].TagValue;
        return values;
    }
};

TEST(SampleDrawings, EveryBundledModelHasAnR12DrawingWithCrLfLineEndsOnly) {
    const auto& models = BundledModels();
    ASSERT_EQ(models.size(), 36u + 8u + 25u);
    for (const Model& model : models) {
        SCOPED_TRACE(model.name);
        ASSERT_FALSE(model.dxf.empty());
        EXPECT_EQ(model.dxf.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n", 0), 0u);
        EXPECT_TRUE(model.dxf.ends_with("\r\n  0\r\nEOF\r\n"));
        EXPECT_LT(model.dxf.size(), 64u * 1024u);
        std::size_t bare = 0;
        for (std::size_t i = 0; i < model.dxf.size(); ++i) {
            const char c = model.dxf[i];
            if (c == '\n' && (i == 0 || model.dxf[i - 1] != '\r')) ++bare;
            if (c == '\r' && (i + 1 == model.dxf.size() || model.dxf[i + 1] != '\n')) ++bare;
            if (static_cast<unsigned char>(c) >= 0x80) ++bare;
        }
        EXPECT_EQ(bare, 0u) << "bare CR or LF, or a character outside ASCII";
    }
}

TEST(SampleDrawings, EveryDrawingLoadsWithItsLayersTitleBlockDimensionsAndRoundedCorners) {
    const std::set<std::string> common = {"0",          "BORDER",    "TITLE", "OUTLINE",     "HIDDEN",  "CENTER",
                                          "DIMENSIONS", "DEFPOINTS", "NOTES", "CONNECTIONS", "MOUNTING"};
    const float quarterBulge = static_cast<float>(std::tan(M_PI / 8));
    for (const Model& model : BundledModels()) {
        SCOPED_TRACE(model.name);
        LoadedDrawing drawing(model.dxf);
        ASSERT_EQ(drawing.error, "");
        const auto& db = drawing.db;

        // The layer table lists every layer the entities use, each in a colour of its own.
        std::set<std::string> expected = common;
        if (model.coolerType == 2) expected.insert("BUNDLE");
        else expected.insert({"FAN", "MOTOR"});
        std::set<std::string> layers;
        std::set<std::int32_t> colours;
        for (std::int32_t i = 1; i <= db.Layers->Count(); ++i) {
            layers.insert(drawing.LayerName(i));
            if (drawing.LayerName(i) != "0") colours.insert(db.Layers->Item(i)->LayerColor());
        }
        EXPECT_EQ(layers, expected);
        EXPECT_EQ(colours.size(), expected.size() - 1);
        EXPECT_EQ(db.Layers->Item(drawing.Layer("HIDDEN"))->LayerLineType(), tiraq::kPenDash);
        EXPECT_EQ(db.Layers->Item(drawing.Layer("CENTER"))->LayerLineType(), tiraq::kPenDash);
        EXPECT_EQ(db.Layers->Count(), static_cast<std::int32_t>(expected.size()));

        // The title block: a block inserted once with its attributes, which name this model.
        const std::int32_t titleLayer = drawing.Layer("TITLE");
        std::int32_t titleInsert = 0;
        for (std::int32_t i = 1; i <= db.InsertCount(); ++i)
            if (db.Inserts[i].BlockName == "QM_TITLE") titleInsert = i;
        ASSERT_NE(titleInsert, 0);
        ASSERT_EQ(db.AttribCount(), 7);  // the eighth, the sales leaflet, is invisible
        for (std::int32_t i = 1; i <= db.AttribCount(); ++i) {
            EXPECT_EQ(db.Attribs[i].ParentInsert, titleInsert);
            EXPECT_EQ(db.Attribs[i].LayerIndex, titleLayer);
        }
        auto attributes = drawing.Attributes();
        EXPECT_EQ(attributes["MODEL"], model.name);
        EXPECT_EQ(attributes["PARTNO"], model.partNumber);
        EXPECT_EQ(attributes["DWGNO"], "QD-" + model.partNumber);
        EXPECT_NEAR(vb::Val(attributes["WEIGHT"]), model.weight, 0.05);
        EXPECT_TRUE(attributes["WEIGHT"].ends_with(" KG"));

        // The sheet is A3 at the scale the title block states.
        const auto& extents = db.DrawingExtents;
        const double k = vb::Val(attributes["SCALE"].substr(2));
        EXPECT_EQ(attributes["SCALE"].substr(0, 2), "1:");
        EXPECT_TRUE(k == 1 || k == 2 || k == 5 || k == 10 || k == 20) << attributes["SCALE"];
        EXPECT_NEAR(extents.Left, 0, 1e-3);
        EXPECT_NEAR(extents.Bottom, 0, 1e-3);
        EXPECT_NEAR(extents.Right, 420 * k, 1e-2);
        EXPECT_NEAR(extents.Top, 297 * k, 1e-2);

        // Dimensions: each anonymous block gives its lines, two arrowheads and its text on the
        // dimensions layer; none counts as an insert.
        const std::int32_t dimensionLayer = drawing.Layer("DIMENSIONS");
        int dimensionBlocks = 0, dimensionTexts = 0, arrowheads = 0, dimensionLines = 0;
        for (std::int32_t i = 1; i <= db.BlockIndex(); ++i) dimensionBlocks += db.Blocks[i].BlockName.starts_with("*D");
        for (std::int32_t i = 1; i <= db.TextCount(); ++i) dimensionTexts += db.Texts[i].LayerIndex == dimensionLayer;
        for (std::int32_t i = 1; i <= db.SolidCount(); ++i) arrowheads += db.Solids[i].LayerIndex == dimensionLayer;
        for (std::int32_t i = 1; i <= db.LineCount(); ++i) dimensionLines += db.Lines[i].LayerIndex == dimensionLayer;
        EXPECT_GE(dimensionBlocks, 4);
        EXPECT_EQ(dimensionTexts, dimensionBlocks);
        EXPECT_EQ(arrowheads, 2 * dimensionBlocks);
        EXPECT_GE(dimensionLines, dimensionBlocks);
        for (std::int32_t i = 1; i <= db.InsertCount(); ++i) EXPECT_FALSE(db.Inserts[i].BlockName.starts_with("*"));

        // Rounded corners are quarter-circle bulges; some segments are arcs of other sizes.
        int quarters = 0, otherArcs = 0;
        for (std::int32_t i = 1; i <= db.PolylineCount(); ++i) {
            const float bulge = std::fabs(db.Polylines[i].Bulge);
            if (std::fabs(bulge - quarterBulge) < 1e-5f) ++quarters;
            else if (bulge != 0) ++otherArcs;
        }
        EXPECT_GE(quarters, 4);
        EXPECT_GT(otherArcs, 0);
        int arcs = 0;
        for (std::int32_t i = 1; i <= db.CircleCount(); ++i) arcs += db.Circles[i].StartAngle != db.Circles[i].EndAngle;
        EXPECT_GT(arcs, 0);

        // Everything lies inside the header's extents.
        auto inside = [&](float x, float y) {
            return x >= extents.Left - 1e-3f && x <= extents.Right + 1e-3f && y >= extents.Bottom - 1e-3f &&
                   y <= extents.Top + 1e-3f;
        };
        int outside = 0;
        for (std::int32_t i = 1; i <= db.LineCount(); ++i) {
            const auto& r = db.Lines[i];
            outside += !inside(r.X1, r.Y1) + !inside(r.X2, r.Y2);
        }
        for (std::int32_t i = 1; i <= db.PolylineCount(); ++i) {
            const auto& r = db.Polylines[i];
            outside += !inside(r.X1, r.Y1) + !inside(r.X2, r.Y2);
        }
        for (std::int32_t i = 1; i <= db.CircleCount(); ++i) {
            const auto& r = db.Circles[i];
            outside += !inside(r.X1 - r.Radius, r.Y1 - r.Radius) + !inside(r.X1 + r.Radius, r.Y1 + r.Radius);
        }
        for (std::int32_t i = 1; i <= db.SolidCount(); ++i) {
            const auto& r = db.Solids[i];
            outside += !inside(r.X1, r.Y1) + !inside(r.X2, r.Y2) + !inside(r.X3, r.Y3) + !inside(r.X4, r.Y4);
        }
        for (std::int32_t i = 1; i <= db.TextCount(); ++i) outside += !inside(db.Texts[i].X1, db.Texts[i].Y1);
        for (std::int32_t i = 1; i <= db.PointCount(); ++i) outside += !inside(db.Points[i].X1, db.Points[i].Y1);
        for (std::int32_t i = 1; i <= db.AttribCount(); ++i) outside += !inside(db.Attribs[i].X, db.Attribs[i].Y);
        EXPECT_EQ(outside, 0);
    }
}

}  // namespace
