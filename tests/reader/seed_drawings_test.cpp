#include "reader_fixture.h"

#include "reader/entity_queries.h"

#include <gtest/gtest.h>

namespace tiraq::test {
namespace {

// The drawings in seeds/ are also the fuzzer's starting corpus.
class SeedDrawings : public ReaderTest {
protected:
    bool LoadSeed(const char* name) {
        return reader.ReadDrawing(dxfMergeNew, std::string(QUELLMAR_SOURCE_DIR) + "/tests/reader/seeds/" + name);
    }
    std::string SeedError(const char* name) {
        try {
            LoadSeed(name);
        } catch (const vb::RuntimeError& e) {
            return e.Description();
        }
        return "";
    }
};

TEST_F(SeedDrawings, MixedEntities) {
    ASSERT_TRUE(LoadSeed("mixed_entities.dxf"));
    // The unread LWPOLYLINE's layer "LINE" passes the loop as a keyword and starts a line there.
    EXPECT_EQ(db.LineCount(), 9);
    EXPECT_EQ(db.CircleCount(), 2);
    EXPECT_EQ(db.EllipseCount(), 1);
    EXPECT_EQ(db.PointCount(), 1);
    EXPECT_EQ(db.SolidCount(), 1);
    EXPECT_EQ(db.TextCount(), 5);
    EXPECT_EQ(db.PolylineCount(), 4 + 1 + 5);
    EXPECT_EQ(db.Layers->Count(), 9);
    EXPECT_EQ(db.DrawingExtents, (ViewRect{-10, 160, 210, -10}));
    EXPECT_EQ(db.Texts[5].Txt, "first chunk, second chunk, \\A1;last");
}

TEST_F(SeedDrawings, NestedBlocks) {
    ASSERT_TRUE(LoadSeed("nested_blocks.dxf"));
    EXPECT_EQ(db.BlockIndex(), 6);
    EXPECT_EQ(db.InsertTransformCount(), 2);  // NUT, defined after FLANGE, and NEVER, never defined
    EXPECT_EQ(db.AttribCount(), 1);
    std::string error;
    KeyedCollection<clsInsert> inserts;
    ASSERT_TRUE(GetInserts(db, error, inserts));
    EXPECT_EQ(inserts.Count(), 7);
    EXPECT_EQ(SpoolEntriesLeft(), 0);
}

TEST_F(SeedDrawings, Dimensions) {
    ASSERT_TRUE(LoadSeed("dimensions.dxf"));
    EXPECT_EQ(db.InsertCount(), 1);
    EXPECT_EQ(db.LineCount(), 3 + 3 + 3);
    EXPECT_EQ(db.PointCount(), 9);
}

TEST_F(SeedDrawings, BrokenAndUnixFilesEndInClearErrors) {
    EXPECT_EQ(SeedError("broken.dxf"),
              "At entity type 'LINE'. \r\nInput past end of file. Error in LoadEntity.\r\n ->  DXFLine.\r\n ->  LoadDXF.");
    EXPECT_NE(SeedError("unix_lines.dxf").find("does not appear to be a DXF file."), std::string::npos);
}

}  // namespace
}  // namespace tiraq::test
