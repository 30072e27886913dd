#include "reader_fixture.h"

#include <gtest/gtest.h>

namespace tiraq::test {
namespace {

using InitDB = ReaderTest;

TEST_F(InitDB, ResetEmptiesTheDrawingAndAMergeKeepsIt) {
    DxfBuilder dxf;
    dxf.Line("0", "0", "1", "1").Entity("POINT", {{8, "P"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_TRUE(reader.InitDB(false));
    EXPECT_EQ(db.LineCount(), 1);
    EXPECT_EQ(db.Layers->Count(), 2);
    EXPECT_TRUE(reader.InitDB(true));
    EXPECT_EQ(db.LineCount(), 0);
    EXPECT_EQ(db.PointCount(), 0);
    EXPECT_EQ(db.Layers->Count(), 0);
}

TEST_F(InitDB, AMergedDrawingCannotInsertTheBlocksOfTheFirst) {
    DxfBuilder first;
    first.Section("BLOCKS").Block("B").Line("0", "0", "1", "0").EndBlock().EndSection();
    first.Section("ENTITIES").Entity("INSERT", {{8, "0"}, {2, "B"}}).EndSection();
    ASSERT_TRUE(Load(first.Text()));
    ASSERT_EQ(db.LineCount(), 1);
    DxfBuilder second;
    second.Entity("INSERT", {{8, "0"}, {2, "B"}});
    ASSERT_TRUE(Load(Drawing(second), dxfMergeAdd));
    EXPECT_EQ(db.LineCount(), 1);
    EXPECT_EQ(db.BlockIndex(), 0);
    EXPECT_EQ(db.InsertCount(), 1);
}

TEST_F(InitDB, AMergeAfterABrokenBlockStartsOutsideAnyBlock) {
    DxfBuilder broken;
    broken.Section("BLOCKS").Block("B").Line("0", "0", "1", "0").Entity("LINE", {{8, "0"}, {10, "1E+99"}});
    EXPECT_FALSE(LoadError(broken.Text()).empty());
    DxfBuilder second;
    second.Line("0", "0", "2", "0");
    ASSERT_TRUE(Load(Drawing(second), dxfMergeAdd));
    EXPECT_EQ(db.LineCount(), 1);
    EXPECT_EQ(db.Lines[1].X2, 2);
}

}  // namespace
}  // namespace tiraq::test
