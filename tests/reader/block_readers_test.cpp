#include "reader_fixture.h"

#include "reader/block_spool.h"
#include "reader/colour_table.h"
#include "reader/expansion_estimate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tiraq::test {
namespace {

using BlockReaders = ReaderTest;

std::vector<float> Ends(const LineRecord& l) { return {l.X1, l.Y1, l.X2, l.Y2}; }

// A drawing whose BLOCKS section holds `blocks` and whose ENTITIES section holds `entities`.
std::string BlocksAndEntities(const DxfBuilder& blocks, const DxfBuilder& entities) {
    return "  0\r\nSECTION\r\n  2\r\nBLOCKS\r\n" + blocks.Unclosed() + "  0\r\nENDSEC\r\n" + Drawing(entities);
}

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

// Blocks L1 to L`depth`, each inserting the one before it `copies` times (after a line of its own
// where `ownLine`), L0 holding a line; the drawing inserts the deepest once.
std::string NestedBlocks(int depth, int copies, bool ownLine = false) {
    DxfBuilder blocks;
    blocks.Block("L0").Line("0", "0", "1", "0").EndBlock();
    for (int level = 1; level <= depth; ++level) {
        const std::string name = "L" + std::to_string(level), inner = "L" + std::to_string(level - 1);
        blocks.Block(name);
        if (ownLine) blocks.Line("0", std::to_string(level), "1", std::to_string(level));
        for (int i = 0; i < copies; ++i) blocks.Entity("INSERT", {{8, "0"}, {2, inner}});
        blocks.EndBlock();
    }
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "L" + std::to_string(depth)}});
    return BlocksAndEntities(blocks, entities);
}

constexpr const char* kTooComplexAtTheFirstBlock =
    "At entity type 'BLOCK'. \r\nDrawing too complex\r\n ->  DXFBlock.\r\n ->  LoadDXF.";

TEST_F(BlockReaders, NestingsBeyondTheMachinesMemoryAreRefusedBeforeAnySpoolFileIsWritten) {
    // 5 000 levels of two inserts each, and 9 levels of ten.
    for (const auto& [depth, copies] : {std::pair{5000, 2}, std::pair{9, 10}}) {
        EXPECT_EQ(LoadError(NestedBlocks(depth, copies)), kTooComplexAtTheFirstBlock) << depth;
        EXPECT_EQ(reader.BlockSpoolCounter(), 0) << "no block was spooled";
        EXPECT_EQ(SpoolEntriesLeft(), 0);
        EXPECT_FALSE(db.DXFComplete);
    }
    // A nesting that fits loads as before.
    ASSERT_TRUE(Load(NestedBlocks(12, 2)));
    EXPECT_EQ(db.LineCount(), 4096);
}

TEST_F(BlockReaders, AChainOfBlocksThatEachAddALineIsRefusedForItsSpoolsNotItsLines) {
    // 5 000 lines in the end, but every block's spool holds all the lines below it: 12.5 M entries.
    const std::string chain = NestedBlocks(5000, 1, true);
    const double bytes = ExpansionBytes(chain);
    EXPECT_GT(bytes, 12'500'000.0 * kSpoolEntryBytes);
    // The limit of a 24 GB machine refuses it at its first block; one large enough to hold it would
    // spend its time on the spools.
    reader.MaxExpansionBytes = 2'400'000'000;
    EXPECT_EQ(LoadError(chain), kTooComplexAtTheFirstBlock);
    EXPECT_EQ(reader.BlockSpoolCounter(), 0);
    // A short chain of the same kind loads every line.
    ASSERT_TRUE(Load(NestedBlocks(100, 1, true)));
    EXPECT_EQ(db.LineCount(), 101);
}

TEST_F(BlockReaders, TheEstimateMultipliesNestedInsertsAsTheExpansionDoes) {
    DxfBuilder blocks;
    // A inserts C before C is defined, B inserts A three times, D holds B and itself.
    blocks.Block("A").Line("0", "0", "1", "0").Line("0", "0", "0", "1");
    blocks.Entity("INSERT", {{8, "0"}, {2, "C"}}).EndBlock();
    blocks.Block("B").Line("0", "0", "2", "0");
    for (int i = 0; i < 3; ++i) blocks.Entity("INSERT", {{8, "0"}, {2, "A"}});
    blocks.EndBlock();
    blocks.Block("C").Entity("3DFACE", {{8, "0"}, {10, "0"}, {11, "1"}, {12, "1"}, {22, "1"}}).EndBlock();
    blocks.Block("D").Entity("INSERT", {{8, "0"}, {2, "B"}}).Entity("INSERT", {{8, "0"}, {2, "D"}}).EndBlock();
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "B"}}).Entity("INSERT", {{8, "0"}, {2, "B"}});
    entities.Entity("INSERT", {{8, "0"}, {2, "NOWHERE"}});
    const std::string text = BlocksAndEntities(blocks, entities);
    ASSERT_TRUE(Load(text));
    // A: its 2 lines and C's 4 edges; B: its line and three As; D: one B (it never holds itself).
    const double spooled = 6 + 19 + 4 + 19, placed = 2 * 19;
    EXPECT_EQ(ExpansionBytes(text), spooled * kSpoolEntryBytes + placed * kPlacedRecordBytes);
    // B took A before A received C, so the drawing holds fewer lines than the estimate allows.
    EXPECT_LE(db.LineCount(), placed);

    // Exactly at the limit the drawing loads; a byte less and it is refused at its first block.
    reader.MaxExpansionBytes = std::int64_t(ExpansionBytes(text));
    EXPECT_TRUE(Load(text));
    reader.MaxExpansionBytes -= 1;
    EXPECT_EQ(LoadError(text), kTooComplexAtTheFirstBlock);
}

TEST_F(BlockReaders, AnExpansionBeyondTheEstimateIsStillRefused) {
    // Each face of a polyface mesh may draw four edges, which the estimate counts as one entry.
    DxfBuilder blocks;
    blocks.Block("MESH").Entity("POLYLINE", {{8, "0"}, {70, "64"}});
    for (const auto& [x, y] : {std::pair{"0", "0"}, std::pair{"1", "0"}, std::pair{"1", "1"}, std::pair{"0", "1"}})
        blocks.Entity("VERTEX", {{8, "0"}, {10, x}, {20, y}, {70, "192"}});
    for (int i = 0; i < 20; ++i)
        blocks.Entity("VERTEX", {{8, "0"}, {70, "128"}, {71, "1"}, {72, "2"}, {73, "3"}, {74, "4"}});
    blocks.Entity("SEQEND").EndBlock();
    DxfBuilder entities;
    for (int i = 0; i < 10; ++i) entities.Entity("INSERT", {{8, "0"}, {2, "MESH"}});
    const std::string text = BlocksAndEntities(blocks, entities);
    ASSERT_TRUE(Load(text));
    ASSERT_EQ(db.PolylineCount(), 800);
    reader.MaxExpansionBytes = std::int64_t(ExpansionBytes(text)) + 100 * kPlacedRecordBytes;
    EXPECT_EQ(LoadError(text), "At entity type 'INSERT'. \r\nDrawing too complex\r\n ->  DXFBlockInsert.\r\n ->  LoadDXF.");
    EXPECT_EQ(SpoolEntriesLeft(), 0);

    // Entries that a replay passes over (ellipses) count all the same: each insert reads them.
    DxfBuilder ellipses;
    ellipses.Block("E");
    for (int i = 0; i < 10; ++i) ellipses.Entity("ELLIPSE", {{8, "0"}, {11, "1"}, {40, "0.5"}});
    ellipses.EndBlock();
    DxfBuilder inserts;
    for (int i = 0; i < 200; ++i) inserts.Entity("INSERT", {{8, "0"}, {2, "E"}});
    reader.MaxExpansionBytes = 1000 * kPlacedRecordBytes;
    EXPECT_EQ(LoadError(BlocksAndEntities(ellipses, inserts)), kTooComplexAtTheFirstBlock);
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
