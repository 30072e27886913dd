#include "reader_fixture.h"

#include "reader/block_spool.h"
#include "reader/colour_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tiraq::test {
namespace {

using BlockReaders = ReaderTest;

std::vector<float> Ends(const LineRecord& l) { return {l.X1, l.Y1, l.X2, l.Y2}; }

TEST_F(BlockReaders, EachInsertPlacesItsOwnCopy) {
    DxfBuilder blocks;
    blocks.Block("B").Line("0", "0", "1", "0").EndBlock();
    DxfBuilder entities;
    for (const char* x : {"10", "20", "30"}) entities.Entity("INSERT", {{8, "0"}, {2, "B"}, {10, x}, {20, "5"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    ASSERT_EQ(db.LineCount(), 3);
    EXPECT_EQ(db.InsertCount(), 3);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(db.Lines[i].InsertID, i);
    EXPECT_EQ(Ends(db.Lines[2]), (std::vector<float>{20, 5, 21, 5}));
    EXPECT_EQ(db.Inserts[3].X, 30);
    EXPECT_EQ(db.Inserts[3].BlockName, "B");
    // A line in a block widens the extents with its coordinates relative to the base point.
    EXPECT_EQ(db.DrawingExtents.Left, 0);
}

TEST_F(BlockReaders, ScalesDefaultToOneAndRotationTurnsAboutTheBasePoint) {
    DxfBuilder blocks;
    blocks.Block("B").Line("0", "0", "1", "0").EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "B"}, {10, "10"}, {20, "10"}, {50, "90"}});
    entities.Entity("INSERT", {{8, "0"}, {2, "B"}, {10, "0"}, {20, "0"}, {41, "3"}, {42, "0"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    const LineRecord& turned = db.Lines[1];
    EXPECT_EQ(turned.X1, 10);
    EXPECT_EQ(turned.Y1, 10);
    EXPECT_NEAR(turned.X2, 10, 1e-5);
    EXPECT_NEAR(turned.Y2, 11, 1e-5);
    EXPECT_EQ(Ends(db.Lines[2]), (std::vector<float>{0, 0, 3, 0}));
}

TEST_F(BlockReaders, MirroredInsertsMirrorArcsAndBulgesButKeepTextHeights) {
    DxfBuilder blocks;
    blocks.Block("B");
    blocks.Entity("ARC", {{8, "0"}, {10, "0"}, {20, "0"}, {40, "1"}, {50, "0"}, {51, "90"}});
    blocks.Entity("TEXT", {{8, "0"}, {40, "2"}, {1, "label"}});
    blocks.Entity("POLYLINE", {{8, "0"}, {70, "0"}}).Entity("VERTEX", {{8, "0"}, {10, "0"}, {20, "0"}, {42, "1"}});
    blocks.Entity("VERTEX", {{8, "0"}, {10, "1"}, {20, "0"}}).Entity("SEQEND", {{8, "0"}});
    blocks.EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "B"}, {41, "-1"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(db.Circles[1].StartAngle, 90);
    EXPECT_EQ(db.Circles[1].EndAngle, 180);
    EXPECT_EQ(db.Texts[1].Height, 2);
    EXPECT_EQ(db.Polylines[1].X2, -1);
    EXPECT_EQ(db.Polylines[1].Bulge, -1);
}

TEST_F(BlockReaders, LayerZeroTakesTheInsertsLayerAndLinesItsColour) {
    DxfBuilder dxf;
    dxf.Section("TABLES").LayerTable().Layer("0").Layer("PARTS").Layer("BOLTS").EndTable().EndSection();
    DxfBuilder blocks;
    blocks.Block("B").Line("0", "0", "1", "0", "0").Line("0", "0", "1", "0", "BOLTS");
    blocks.Entity("CIRCLE", {{8, "0"}, {40, "1"}, {62, "3"}}).EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "PARTS"}, {2, "B"}, {62, "1"}});
    entities.Entity("INSERT", {{8, "PARTS"}, {2, "B"}, {62, "256"}});
    ASSERT_TRUE(Load(dxf.Unclosed() + BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(db.Lines[1].LayerIndex, 2);
    EXPECT_EQ(db.Lines[2].LayerIndex, 3);
    EXPECT_EQ(db.Lines[1].EntityColor, ACIToRGB(1));
    EXPECT_EQ(db.Circles[1].EntityColor, ACIToRGB(3));
    EXPECT_EQ(db.Lines[3].EntityColor, 0);  // an insert by layer gives its lines no colour
}

TEST_F(BlockReaders, ABlockDefinedLaterIsPlacedIntoItsContainerAtTheEntities) {
    DxfBuilder blocks;
    blocks.Block("A").Line("0", "0", "1", "0").Entity("INSERT", {{8, "0"}, {2, "B"}, {10, "5"}, {20, "0"}});
    blocks.EndBlock().Block("B").Line("0", "0", "0", "1").EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "A"}, {10, "100"}, {20, "0"}});
    entities.Entity("INSERT", {{8, "0"}, {2, "A"}, {10, "200"}, {20, "0"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(db.InsertTransformCount(), 1);
    EXPECT_EQ(db.InsertCount(), 2);
    ASSERT_EQ(db.LineCount(), 4);
    EXPECT_EQ(Ends(db.Lines[2]), (std::vector<float>{105, 0, 105, 1}));
    EXPECT_EQ(Ends(db.Lines[4]), (std::vector<float>{205, 0, 205, 1}));
    EXPECT_EQ(db.Lines[4].Linewidth, 1);  // a nested line is spooled with width 1
}

TEST_F(BlockReaders, ABlockDefinedEarlierIsExpandedIntoItsContainerAtOnce) {
    DxfBuilder blocks;
    blocks.Block("B").Line("0", "0", "0", "1").EndBlock();
    blocks.Block("A", "1", "1").Entity("INSERT", {{8, "0"}, {2, "B"}, {10, "6"}, {20, "1"}}).EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "A"}, {10, "100"}, {20, "0"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(db.InsertCount(), 2);
    EXPECT_EQ(db.Inserts[1].X, 5);
    ASSERT_EQ(db.LineCount(), 1);
    EXPECT_EQ(Ends(db.Lines[1]), (std::vector<float>{105, 0, 105, 1}));
    EXPECT_EQ(db.Lines[1].InsertID, 2);
}

TEST_F(BlockReaders, SelfInsertsAndUndefinedBlocksArePassedOver) {
    DxfBuilder blocks;
    blocks.Block("A").Line("0", "0", "1", "0").Entity("INSERT", {{8, "0"}, {2, "A"}});
    blocks.Entity("INSERT", {{8, "0"}, {2, " A"}}).EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "A"}}).Entity("INSERT", {{8, "0"}, {2, "NOWHERE"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(db.InsertCount(), 1);
    EXPECT_EQ(db.LineCount(), 1);
    EXPECT_EQ(SpoolEntriesLeft(), 0);
}

TEST_F(BlockReaders, BlocksInsertingEachOtherLoadOnce) {
    DxfBuilder blocks;
    blocks.Block("A").Line("0", "0", "1", "0").Entity("INSERT", {{8, "0"}, {2, "B"}, {10, "10"}}).EndBlock();
    blocks.Block("B").Line("0", "0", "0", "1").Entity("INSERT", {{8, "0"}, {2, "A"}, {10, "20"}}).EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "A"}}).Entity("INSERT", {{8, "0"}, {2, "B"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    // A holds its line, B's line and the copy of A that B made before B reached A; B holds its
    // line and A as it was then.
    EXPECT_EQ(db.LineCount(), 3 + 2);
}

TEST_F(BlockReaders, AnUnterminatedBlockEndsAtTheNextBlockOrTheEntities) {
    DxfBuilder blocks;
    blocks.Block("A").Line("0", "0", "1", "0");
    blocks.Block("B").Line("0", "0", "2", "0");
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "A"}}).Entity("INSERT", {{8, "0"}, {2, "B"}}).Line("0", "0", "3", "0");
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    ASSERT_EQ(db.LineCount(), 3);
    EXPECT_EQ(db.Lines[1].X2, 1);
    EXPECT_EQ(db.Lines[2].X2, 2);
    EXPECT_EQ(db.Lines[3].X2, 3);
    EXPECT_EQ(db.Lines[3].InsertID, 0);
}

TEST_F(BlockReaders, RecordedInsertsArePlacedAtTheFirstEntitiesLineOnly) {
    DxfBuilder blocks;
    blocks.Block("A").Entity("INSERT", {{8, "0"}, {2, "B"}}).EndBlock().Block("B").Line("0", "0", "1", "0").EndBlock();
    DxfBuilder entities;
    entities.Entity("JUNK", {{1, "x"}}).Raw("ENTITIES").Entity("INSERT", {{8, "0"}, {2, "A"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(db.LineCount(), 1);
}

TEST_F(BlockReaders, BlockNamesAreMatchedWhole) {
    const std::string stem(50, 'N');
    DxfBuilder blocks;
    blocks.Block(stem + "1").Line("0", "0", "1", "0").EndBlock().Block(stem + "2").Line("0", "0", "2", "0").EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, stem + "2"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    ASSERT_EQ(db.LineCount(), 1);
    EXPECT_EQ(db.Lines[1].X2, 2);
    EXPECT_EQ(db.Blocks[2].BlockName, stem);  // the record keeps its fixed width
}

TEST_F(BlockReaders, SpoolFilesArePrivateNumberedOnAndGoneAfterEveryLoad) {
    DxfBuilder blocks;
    for (const char* name : {"A", "B", "C", "D", "E"}) blocks.Block(name).Line("0", "0", "1", "0").EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "A"}});
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(reader.BlockSpoolCounter(), 5);
    EXPECT_EQ(SpoolEntriesLeft(), 0);
    EXPECT_EQ(db.Blocks[1].SpoolFileName, "");
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(reader.BlockSpoolCounter(), 10);

    // A folder that does not exist sends the spool files to the system's temporary folder.
    reader.Properties.TmpFileNamePath = "C:\\TEMP\\";
    ASSERT_TRUE(Load(BlocksAndEntities(blocks, entities)));
    EXPECT_EQ(db.LineCount(), 1);
    reader.Properties.TmpFileNamePath = SpoolFolder().string();
    DxfBuilder broken;
    broken.Entity("INSERT", {{8, "0"}, {2, "A"}}).Entity("LINE", {{8, "0"}, {10, "1E+99"}});
    EXPECT_FALSE(LoadError(BlocksAndEntities(blocks, broken)).empty());
    EXPECT_EQ(SpoolEntriesLeft(), 0);
}

TEST_F(BlockReaders, AttributesBelongToTheLastInsert) {
    DxfBuilder dxf;
    dxf.Section("TABLES").LayerTable().Layer("0").Layer("TITLE").EndTable().EndSection();
    DxfBuilder blocks;
    blocks.Block("T").Entity("ATTRIB", {{8, "0"}, {1, "ignored"}, {2, "TAG"}}).EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "TITLE"}, {2, "T"}, {66, "1"}});
    entities.Entity("ATTRIB", {{8, "0"}, {10, "1"}, {20, "2"}, {11, "30"}, {21, "40"}, {72, "4"}, {1, " Pump "},
                               {2, "MODEL"}, {40, "2.5"}});
    entities.Entity("ATTRIB", {{8, "0"}, {70, "1"}, {1, "hidden"}, {2, "H"}});
    entities.Entity("ATTRIB", {{8, "0"}, {70, "9"}, {1, "shown"}, {2, "S"}});
    entities.Entity("SEQEND", {{8, "0"}});
    ASSERT_TRUE(Load(dxf.Unclosed() + BlocksAndEntities(blocks, entities)));
    ASSERT_EQ(db.AttribCount(), 2);
    const AttribRecord& a = db.Attribs[1];
    EXPECT_EQ(a.LayerIndex, 2);
    EXPECT_EQ(a.ParentInsert, 1);
    EXPECT_EQ(a.BlockIndex, 1);
    EXPECT_EQ(a.X, 30);
    EXPECT_EQ(a.Y, 2);
    EXPECT_EQ(a.TagValue, " Pump ");
    EXPECT_EQ(a.FontName, "TXT");
    EXPECT_EQ(db.Attribs[2].TagName, "S");
    EXPECT_EQ(db.SeqArray[db.SeqCount()].EntityKind, DisplayKind::Attribute);
}

TEST(BlockSpoolFormat, EntriesReadBackExactly) {
    std::vector<SpoolEntry> written = {
        {.Kind = DisplayKind::Line, .X1 = 0.1f, .Y1 = -3e-7f, .X2 = 1e30f, .Y2 = 1.0f / 3, .Linewidth = 1,
         .EntityColor = 255, .LayerIndex = 2, .LineType = 3},
        {.Kind = DisplayKind::Text, .X1 = 1, .Y1 = 2, .Height = 2.5f, .Rotation = 30, .FontScalar = 1.4f,
         .LayerIndex = 1, .HorzAlign = 2, .Underline = -1, .Txt = "a, b; \xD8 c\nd", .FontName = "ROMANS"},
        {.Kind = DisplayKind::Ellipse, .X1 = 1, .Y1 = 2, .X2 = 3, .Y2 = 4, .Ratio = 0.5f, .EndParam = 6.28f},
        {.Kind = DisplayKind::Polyline, .X1 = 1, .Linewidth = 2, .Bulge = -0.41421357f},
    };
    std::string text;
    for (const SpoolEntry& e : written) AppendSpoolEntry(text, e);
    EXPECT_EQ(text.substr(0, text.find('\r', 3)), "1\r\n0.1,-3E-07,1E+30,0.33333334,255,2,1,3");
    const std::vector<SpoolEntry> read = ParseSpoolEntries(text);
    ASSERT_EQ(read.size(), written.size());
    EXPECT_EQ(read[0].Y2, written[0].Y2);
    EXPECT_EQ(read[0].X2, written[0].X2);
    EXPECT_EQ(read[1].Txt, written[1].Txt);
    EXPECT_EQ(read[1].FontName, "ROMANS");
    EXPECT_EQ(read[1].Underline, -1);
    EXPECT_EQ(read[2].EndParam, 6.28f);
    EXPECT_EQ(read[3].Bulge, written[3].Bulge);
}

}  // namespace
}  // namespace tiraq::test
