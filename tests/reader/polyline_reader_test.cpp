#include "reader_fixture.h"

#include <gtest/gtest.h>

namespace tiraq::test {
namespace {

using PolylineReader = ReaderTest;

struct V {
    const char* x;
    const char* y;
    const char* bulge = "0";
    const char* flags = "0";
};

void Polyline(DxfBuilder& dxf, const char* flags, std::initializer_list<V> vertices, bool seqend = true,
              const char* extrusionZ = nullptr) {
    dxf.Entity("POLYLINE", {{8, "0"}, {66, "1"}, {70, flags}});
    if (extrusionZ != nullptr) dxf.Group(210, "0").Group(220, "0").Group(230, extrusionZ);
    for (const V& v : vertices)
        dxf.Entity("VERTEX", {{8, "0"}, {10, v.x}, {20, v.y}, {42, v.bulge}, {70, v.flags}});
    if (seqend) dxf.Entity("SEQEND", {{8, "0"}});
}

TEST_F(PolylineReader, OpenAndClosedPolylines) {
    DxfBuilder dxf;
    Polyline(dxf, "0", {{"0", "0"}, {"10", "0"}, {"10", "10"}});
    Polyline(dxf, "1", {{"0", "0"}, {"10", "0"}, {"10", "10"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    ASSERT_EQ(db.PolylineCount(), 5);
    const PolylineRecord& closing = db.Polylines[5];
    EXPECT_EQ((std::vector<float>{closing.X1, closing.Y1, closing.X2, closing.Y2}),
              (std::vector<float>{0, 0, 10, 10}));
    EXPECT_EQ(closing.Bulge, 0);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(db.SeqArray[i].EntityKind, DisplayKind::Polyline);
}

TEST_F(PolylineReader, BulgesBelongToTheSegmentStartingAtTheirVertex) {
    DxfBuilder dxf;
    Polyline(dxf, "1", {{"0", "0", "1"}, {"10", "0"}, {"10", "10", "0.5"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.Polylines[1].Bulge, 1);
    EXPECT_EQ(db.Polylines[2].Bulge, 0);
    // The closing segment runs first to last, so it carries the last vertex's bulge turned round.
    EXPECT_EQ(db.Polylines[3].Bulge, -0.5f);
}

TEST_F(PolylineReader, TheClosingBulgeIsTurnedRoundInsideBlocksToo) {
    DxfBuilder dxf;
    dxf.Section("BLOCKS").Block("P");
    Polyline(dxf, "1", {{"0", "0"}, {"10", "0"}, {"10", "10", "0.5"}});
    dxf.EndBlock().EndSection().Section("ENTITIES").Entity("INSERT", {{8, "0"}, {2, "P"}}).EndSection();
    ASSERT_TRUE(Load(dxf.Text()));
    ASSERT_EQ(db.PolylineCount(), 3);
    EXPECT_EQ(db.Polylines[3].Bulge, -0.5f);
    EXPECT_EQ(db.Polylines[3].InsertID, 1);
}

TEST_F(PolylineReader, ANegativeExtrusionMirrorsXAndItsArcs) {
    DxfBuilder dxf;
    Polyline(dxf, "0", {{"1", "2", "1"}, {"3", "4"}}, true, "-1");
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.Polylines[1].X1, -1);
    EXPECT_EQ(db.Polylines[1].Y1, 2);
    EXPECT_EQ(db.Polylines[1].X2, -3);
    EXPECT_EQ(db.Polylines[1].Bulge, -1);
}

TEST_F(PolylineReader, AHeadWithoutVerticesFails) {
    DxfBuilder dxf;
    dxf.Entity("POLYLINE", {{8, "0"}, {70, "0"}}).Entity("SEQEND", {{8, "0"}});
    EXPECT_EQ(LoadError(Drawing(dxf)), "At entity type 'SEQEND'. \r\nPolyline read error\r\n ->  DXFPoly.\r\n ->  LoadDXF.");
}

TEST_F(PolylineReader, SplineFrameVerticesEndNoSegmentButStartOne) {
    DxfBuilder dxf;
    Polyline(dxf, "0", {{"0", "0"}, {"5", "5", "0", "16"}, {"10", "0"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    ASSERT_EQ(db.PolylineCount(), 1);
    EXPECT_EQ(db.Polylines[1].X1, 5);
    EXPECT_EQ(db.Polylines[1].X2, 10);
}

TEST_F(PolylineReader, AMissingSeqendEndsThePolylineWithoutSwallowingTheNextEntity) {
    DxfBuilder dxf;
    Polyline(dxf, "1", {{"0", "0"}, {"10", "0"}, {"10", "10"}}, false);
    dxf.Line("0", "0", "1", "1");
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.PolylineCount(), 3);
    EXPECT_EQ(db.LineCount(), 1);
}

TEST_F(PolylineReader, APolylineCutOffByTheEndOfTheFileIsATruncatedDrawing) {
    DxfBuilder cut;
    cut.Section("ENTITIES");
    Polyline(cut, "0", {{"0", "0"}, {"10", "0"}}, false);
    EXPECT_EQ(LoadError(cut.Unclosed() + "  0\r\n"),
              "At entity type 'VERTEX'. \r\nInput past end of file\r\n ->  DXFPoly.\r\n ->  LoadDXF.");
    EXPECT_FALSE(db.DXFComplete);

    DxfBuilder mesh;
    mesh.Section("ENTITIES").Entity("POLYLINE", {{8, "0"}, {70, "64"}});
    mesh.Entity("VERTEX", {{8, "0"}, {10, "1"}, {20, "1"}, {70, "192"}});
    EXPECT_EQ(LoadError(mesh.Unclosed() + "  0\r\n"), "At entity type 'VERTEX'. \r\nInput past end of file"
                                                       "\r\n ->  DXFPolyFace.\r\n ->  DXFPoly.\r\n ->  LoadDXF.");
}

void Face(DxfBuilder& dxf, const char* a, const char* b, const char* c, const char* d = "0") {
    dxf.Entity("VERTEX", {{8, "0"}, {10, "0"}, {20, "0"}, {70, "128"}, {71, a}, {72, b}, {73, c}, {74, d}});
}

void MeshVertex(DxfBuilder& dxf, const char* x, const char* y) {
    dxf.Entity("VERTEX", {{8, "0"}, {10, x}, {20, y}, {70, "192"}});
}

TEST_F(PolylineReader, PolyfaceMeshesDrawTheirVisibleEdgesFromTheirOwnVertices) {
    DxfBuilder dxf;
    dxf.Entity("POLYLINE", {{8, "0"}, {70, "64"}, {71, "3"}, {72, "1"}});
    MeshVertex(dxf, "0", "0");
    MeshVertex(dxf, "10", "0");
    MeshVertex(dxf, "0", "10");
    Face(dxf, "1", "-2", "3");
    dxf.Entity("SEQEND", {{8, "0"}});
    dxf.Entity("POLYLINE", {{8, "0"}, {70, "64"}});
    MeshVertex(dxf, "100", "100");
    MeshVertex(dxf, "200", "100");
    Face(dxf, "1", "2", "0");
    Face(dxf, "1", "7", "-9000");  // numbers beyond this mesh's vertices name none
    dxf.Entity("SEQEND", {{8, "0"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    ASSERT_EQ(db.PolylineCount(), 4);
    auto segment = [&](int i) {
        const PolylineRecord& p = db.Polylines[i];
        return std::vector<float>{p.X1, p.Y1, p.X2, p.Y2};
    };
    EXPECT_EQ(segment(1), (std::vector<float>{0, 0, 10, 0}));
    EXPECT_EQ(segment(2), (std::vector<float>{0, 10, 0, 0}));
    EXPECT_EQ(segment(3), (std::vector<float>{100, 100, 200, 100}));
    EXPECT_EQ(segment(4), (std::vector<float>{200, 100, 100, 100}));
    EXPECT_EQ(db.VertexCount(), 5);
}

TEST_F(PolylineReader, APolylineInABlockAppearsOncePerInsert) {
    DxfBuilder dxf;
    dxf.Section("BLOCKS").Block("P", "1", "1");
    Polyline(dxf, "0", {{"1", "1"}, {"2", "1"}});
    dxf.EndBlock().EndSection().Section("ENTITIES");
    dxf.Entity("INSERT", {{8, "0"}, {2, "P"}, {10, "10"}, {20, "0"}});
    dxf.Entity("INSERT", {{8, "0"}, {2, "P"}, {10, "20"}, {20, "0"}});
    ASSERT_TRUE(Load(dxf.EndSection().Text()));
    ASSERT_EQ(db.PolylineCount(), 2);
    EXPECT_EQ(db.Polylines[1].X1, 10);
    EXPECT_EQ(db.Polylines[1].X2, 11);
    EXPECT_EQ(db.Polylines[2].X1, 20);
}

}  // namespace
}  // namespace tiraq::test
