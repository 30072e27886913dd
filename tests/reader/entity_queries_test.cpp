#include "reader_fixture.h"

#include "reader/entity_queries.h"

#include <gtest/gtest.h>

#include <limits>

namespace tiraq::test {
namespace {

using EntityQueries = ReaderTest;

// The host may set the insert count to any number: it is kept as a number, not as so many records.
TEST_F(EntityQueries, AnInsertCountSetByTheHostIsANumberTheNextInsertFollows) {
    std::string error;
    KeyedCollection<clsInsert> inserts;
    db.SetInsertCount(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(db.InsertCount(), std::numeric_limits<std::int32_t>::max());
    EXPECT_FALSE(GetInserts(db, error, inserts));
    EXPECT_EQ(error, "An error occurred in GetInserts. The message is: Subscript out of range");
    EXPECT_THROW(db.AppendInsert(InsertRecord{}), vb::RuntimeError) << "the count cannot pass a Long";

    db.SetInsertCount(2);
    EXPECT_EQ(db.AppendInsert(InsertRecord{.BlockName = "B", .LayerIndex = db.SetLayerID("0")}), 3);
    EXPECT_EQ(db.Inserts.Count(), 3);
    std::string name;
    float x = 0, y = 0;
    KeyedCollection<clsInsertAttrib> attribs;
    ASSERT_TRUE(GetInsert(db, error, 3, name, x, y, attribs)) << error;
    EXPECT_EQ(name, "B");
    db.SetInsertCount(1);
    EXPECT_EQ(db.Inserts.Count(), 1) << "records beyond the count are dropped";
    db.SetInsertCount(-4);
    ASSERT_TRUE(GetInserts(db, error, inserts));
    EXPECT_EQ(inserts.Count(), 0);
    EXPECT_THROW(db.AppendInsert(InsertRecord{}), vb::RuntimeError);
}

TEST_F(EntityQueries, AnEmptyDrawingGivesEmptyCollections) {
    ASSERT_TRUE(Load(Drawing(DxfBuilder())));
    std::string error = "old";
    KeyedCollection<clsLine> lines;
    EXPECT_TRUE(GetLines(db, host, error, lines));
    EXPECT_EQ(error, "");
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_TRUE(host.linesRead.empty());
    KeyedCollection<clsBlock> blocks;
    EXPECT_TRUE(GetBlocks(db, error, blocks));
    EXPECT_EQ(blocks.Count(), 0);
}

TEST_F(EntityQueries, GetLinesReportsItsProgress) {
    for (int i = 0; i < 250; ++i) db.AppendDrawn(LineRecord{.LayerIndex = db.SetLayerID("0")});
    std::string error;
    KeyedCollection<clsLine> lines;
    ASSERT_TRUE(GetLines(db, host, error, lines));
    EXPECT_EQ(host.linesRead, (std::vector<float>{0.4f, 0.8f, 1.0f}));
    db.Lines.Resize(200);
    host.linesRead.clear();
    ASSERT_TRUE(GetLines(db, host, error, lines));
    EXPECT_EQ(host.linesRead, (std::vector<float>{0.5f, 1.0f, 1.0f}));
    EXPECT_EQ(lines.Count(), 200);
    EXPECT_EQ(lines.Key(200), "200");
}

TEST_F(EntityQueries, InsertsAndTheirLinesAreHandedOutByIndex) {
    DxfBuilder dxf;
    dxf.Section("BLOCKS").Block("B").Line("0", "0", "1", "0").EndBlock().Block("T").EndBlock().EndSection();
    dxf.Section("ENTITIES").Entity("INSERT", {{8, "0"}, {2, "B"}, {10, "3"}, {20, "4"}});
    dxf.Entity("ATTRIB", {{8, "0"}, {1, " V1 "}, {2, "K1"}});
    dxf.Entity("INSERT", {{8, "0"}, {2, "B"}, {10, "5"}, {20, "6"}, {41, "2"}});
    dxf.Entity("ATTRIB", {{8, "0"}, {1, "V2"}, {2, "K2"}}).Entity("ATTRIB", {{8, "0"}, {1, "V3"}, {2, "K3"}});
    ASSERT_TRUE(Load(dxf.EndSection().Text()));
    std::string error;
    KeyedCollection<clsLine> lines;
    ASSERT_TRUE(GetLines(db, host, error, lines));
    ASSERT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Find("1")->InsertID, 1);
    EXPECT_EQ(lines.Find("2")->InsertID, 2);
    EXPECT_EQ(lines.Find("2")->LayerName, "0");
    KeyedCollection<clsInsert> inserts;
    ASSERT_TRUE(GetInserts(db, error, inserts));
    EXPECT_EQ(inserts.Key(2), "2");
    EXPECT_EQ(inserts[2].BlockName, "B");
    EXPECT_EQ(inserts[2].X, 10);
    KeyedCollection<clsInsertAttrib> all;
    ASSERT_TRUE(GetAttribs(db, error, all));
    EXPECT_EQ(all.Count(), 3);
    EXPECT_EQ(all[1].TagValue, "V1");
    EXPECT_EQ(all[3].ParentBlock, 2);

    std::string name;
    float x = 0, y = 0;
    KeyedCollection<clsInsertAttrib> attribs;
    ASSERT_TRUE(GetInsert(db, error, 2, name, x, y, attribs));
    EXPECT_EQ(name, "B");
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 6);
    ASSERT_EQ(attribs.Count(), 2);
    EXPECT_EQ(attribs.Key(1), "1");
    EXPECT_EQ(attribs[1].TagName, "K2");
    EXPECT_EQ(attribs[1].ParentBlock, 0);
    KeyedCollection<clsBlock> blocks;
    ASSERT_TRUE(GetBlocks(db, error, blocks));
    EXPECT_EQ(blocks[2].BlockName, "T");
}

TEST_F(EntityQueries, RefusesInsertsOutsideTheCountAndLayersThatDoNotExist) {
    db.Inserts.Append(InsertRecord{.BlockName = "B", .LayerIndex = db.SetLayerID("0")});
    db.Inserts.Reset(10);
    std::string error, name = "kept";
    float x = 7, y = 7;
    KeyedCollection<clsInsertAttrib> attribs;
    EXPECT_FALSE(GetInsert(db, error, 1, name, x, y, attribs));
    EXPECT_EQ(error, "An error occurred in GetInsert. The message is: Subscript out of range");
    EXPECT_EQ(name, "kept");
    EXPECT_FALSE(GetInsert(db, error, 0, name, x, y, attribs));

    db.AppendDrawn(CircleRecord{.LayerIndex = 5});
    KeyedCollection<clsCircle> circles;
    circles.Add(clsCircle{}, "old");
    EXPECT_FALSE(GetCircles(db, error, circles));
    EXPECT_EQ(error, "An error occurred in GetCircles. The message is: Subscript out of range");
    EXPECT_EQ(circles.Count(), 1);
}

TEST_F(EntityQueries, RecordsOfEveryFlagAreCopied) {
    const std::int32_t layer = db.SetLayerID("RED");
    db.AppendDrawn(LineRecord{.X1 = 1, .LayerIndex = layer, .IsRedline = -1, .IsDeleted = -1});
    db.AppendDrawn(TextRecord{.Txt = "  padded  ", .LayerIndex = layer, .Underline = -1});
    db.AppendDrawn(SolidRecord{.X4 = 4, .LayerIndex = layer});
    db.AppendDrawn(PolylineRecord{.LayerIndex = layer, .Bulge = 0.5f});
    db.AppendDrawn(PointRecord{.Z1 = 3, .LayerIndex = layer});
    std::string error;
    KeyedCollection<clsLine> lines;
    ASSERT_TRUE(GetLines(db, host, error, lines));
    EXPECT_EQ(lines[1].X1, 1);
    KeyedCollection<clsString> strings;
    ASSERT_TRUE(GetStrings(db, error, strings));
    EXPECT_EQ(strings[1].Txt, "padded");
    EXPECT_EQ(strings[1].Underline, -1);
    EXPECT_EQ(strings[1].LayerName, "RED");
    KeyedCollection<clsSolid> solids;
    ASSERT_TRUE(GetSolids(db, error, solids));
    EXPECT_EQ(solids[1].X4, 4);
    KeyedCollection<clsPolyline> polylines;
    ASSERT_TRUE(GetPolyLines(db, error, polylines));
    EXPECT_EQ(polylines[1].Bulge, 0.5f);
    KeyedCollection<clsPoint> points;
    ASSERT_TRUE(GetPoints(db, error, points));
    EXPECT_EQ(points[1].Z1, 3);

    // The host's alignment field is an Integer: an alignment beyond it is an error, not a
    // wrapped number.
    db.AppendDrawn(TextRecord{.HorzAlign = 40000, .LayerIndex = layer});
    EXPECT_FALSE(GetStrings(db, error, strings));
    EXPECT_EQ(error, "An error occurred in GetStrings. The message is: Overflow");
    EXPECT_EQ(strings.Count(), 1);
}

}  // namespace
}  // namespace tiraq::test
