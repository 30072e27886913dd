#include "reader_fixture.h"

#include "reader/colour_table.h"

#include <gtest/gtest.h>

namespace tiraq::test {
namespace {

using DimensionReader = ReaderTest;

// An anonymous dimension block: two extension lines, a dimension line, two arrowheads, a text
// and three definition points.
DxfBuilder& DimensionBlock(DxfBuilder& dxf, const char* name) {
    dxf.Block(name).Line("0", "0", "0", "5").Line("10", "0", "10", "5").Line("0", "4", "10", "4");
    for (const char* x : {"0", "10"})
        dxf.Entity("SOLID", {{8, "0"}, {10, x}, {20, "4"}, {11, x}, {21, "4.2"}, {12, x}, {22, "3.8"}, {13, x},
                             {23, "4"}});
    dxf.Entity("TEXT", {{8, "0"}, {10, "5"}, {20, "4.5"}, {40, "1"}, {1, "10"}});
    for (const char* x : {"0", "10", "5"}) dxf.Entity("POINT", {{8, "DEFPOINTS"}, {10, x}, {20, "0"}});
    return dxf.EndBlock();
}

TEST_F(DimensionReader, CopiesItsBlockInItsOwnLayerAndColourMovedByItsPoint) {
    DxfBuilder dxf;
    dxf.Section("BLOCKS");
    DimensionBlock(dxf, "*D1").EndSection().Section("ENTITIES");
    dxf.Entity("DIMENSION", {{8, "DIMS"}, {62, "2"}, {2, "*D1"}, {12, "100"}, {22, "0"}, {70, "0"}});
    dxf.Entity("DIMENSION", {{8, "DIMS"}, {2, ""}});
    ASSERT_TRUE(Load(dxf.EndSection().Text()));
    EXPECT_EQ(db.LineCount(), 3);
    EXPECT_EQ(db.SolidCount(), 2);
    EXPECT_EQ(db.TextCount(), 1);
    EXPECT_EQ(db.PointCount(), 3);
    EXPECT_EQ(db.InsertCount(), 0);
    const std::int32_t dims = db.Layers->FindByEntityName("DIMS");
    EXPECT_EQ(db.Lines[3].LayerIndex, dims);
    EXPECT_EQ(db.Points[1].LayerIndex, dims);
    EXPECT_EQ(db.Texts[1].EntityColor, ACIToRGB(2));
    EXPECT_EQ(db.Lines[2].X1, 110);
    EXPECT_EQ(db.Texts[1].X1, 105);
    EXPECT_EQ(db.Lines[1].InsertID, 0);
}

TEST_F(DimensionReader, ADimensionInsideABlockGoesWhollyIntoThatBlock) {
    DxfBuilder dxf;
    dxf.Section("BLOCKS");
    DimensionBlock(dxf, "*D1");
    dxf.Block("PART", "1", "1").Entity("DIMENSION", {{8, "0"}, {2, "*D1"}, {12, "1"}, {22, "1"}});
    dxf.Entity("DIMENSION", {{8, "0"}, {2, "PART"}}).EndBlock();
    dxf.EndSection().Section("ENTITIES");
    ASSERT_TRUE(Load(dxf.EndSection().Text()));
    EXPECT_EQ(db.SeqCount(), 0);
    DxfBuilder placed;
    placed.Section("BLOCKS");
    DimensionBlock(placed, "*D1");
    placed.Block("PART", "1", "1").Entity("DIMENSION", {{8, "0"}, {2, "*D1"}, {12, "1"}, {22, "1"}}).EndBlock();
    placed.EndSection().Section("ENTITIES").Entity("INSERT", {{8, "0"}, {2, "PART"}, {10, "50"}, {20, "0"}});
    ASSERT_TRUE(Load(placed.EndSection().Text()));
    EXPECT_EQ(db.SeqCount(), 9);
    EXPECT_EQ(db.Lines[2].X1, 60);
    EXPECT_EQ(db.Points[3].X1, 55);
}

}  // namespace
}  // namespace tiraq::test
