#include "reader_fixture.h"

#include "reader/expansion_cost.h"
#include "reader/expansion_estimate.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace tiraq::test {
namespace {

class BlockExpansion : public ReaderTest {
protected:
    double Estimate(const std::string& text) const { return ExpansionBytes(text, reader.Properties); }

    // Loads the drawing; what its expansion counted must be what the estimate said beforehand.
    void LoadAsEstimated(const std::string& text) {
        ASSERT_TRUE(Load(text));
        EXPECT_EQ(reader.ExpandedBytes(), Estimate(text));
    }
};

constexpr const char* kTooComplexAtTheFirstBlock =
    "At entity type 'BLOCK'. \r\nDrawing too complex\r\n ->  DXFBlock.\r\n ->  LoadDXF.";

// The limit of a machine of 24 GB.
constexpr std::int64_t kLimitOf24GB = 2'400'000'000;

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

TEST_F(BlockExpansion, NestingsBeyondTheMachinesMemoryAreRefusedBeforeAnySpoolFileIsWritten) {
    // 5 000 levels of two inserts each, and 9 levels of ten.
    for (const auto& [depth, copies] : {std::pair{5000, 2}, std::pair{9, 10}}) {
        EXPECT_EQ(LoadError(NestedBlocks(depth, copies)), kTooComplexAtTheFirstBlock) << depth;
        EXPECT_EQ(reader.BlockSpoolCounter(), 0) << "no block was spooled";
        EXPECT_EQ(SpoolEntriesLeft(), 0);
        EXPECT_FALSE(db.DXFComplete);
    }
    // A nesting that fits loads as before.
    LoadAsEstimated(NestedBlocks(12, 2));
    EXPECT_EQ(db.LineCount(), 4096);
}

TEST_F(BlockExpansion, AChainOfBlocksThatEachAddALineIsRefusedForItsSpoolsNotItsLines) {
    // 5 000 lines in the end, but every block's spool holds all the lines below it: 12.5 M entries.
    const std::string chain = NestedBlocks(5000, 1, true);
    EXPECT_GT(Estimate(chain), 12'500'000.0 * CostOf(SpoolEntry{.Kind = DisplayKind::Line}).Spooled);
    reader.MaxExpansionBytes = kLimitOf24GB;
    EXPECT_EQ(LoadError(chain), kTooComplexAtTheFirstBlock);
    EXPECT_EQ(reader.BlockSpoolCounter(), 0);
    // A short chain of the same kind loads every line.
    LoadAsEstimated(NestedBlocks(100, 1, true));
    EXPECT_EQ(db.LineCount(), 101);
}

// A text of `length` characters in block T, inserted `copies` times by block A, which block B
// inserts `copies` times; the drawing inserts B once.
std::string NestedText(int copies, std::size_t length) {
    DxfBuilder blocks;
    blocks.Block("T").Entity("TEXT", {{8, "0"}, {40, "1"}, {1, std::string(length, 'x')}}).EndBlock();
    for (const auto& [block, inner] : {std::pair{"A", "T"}, std::pair{"B", "A"}}) {
        blocks.Block(block);
        for (int i = 0; i < copies; ++i) blocks.Entity("INSERT", {{8, "0"}, {2, inner}});
        blocks.EndBlock();
    }
    DxfBuilder entities;
    entities.Entity("INSERT", {{8, "0"}, {2, "B"}});
    return BlocksAndEntities(blocks, entities);
}

TEST_F(BlockExpansion, ExpansionCountsTextsWholeSoALongTextNestedDeepIsRefusedAtOnce) {
    // 110 KB that would spool 10 000 copies of its text: a gigabyte on disk and twice that read back.
    reader.MaxExpansionBytes = kLimitOf24GB;
    EXPECT_EQ(LoadError(NestedText(100, 100'000)), kTooComplexAtTheFirstBlock);
    EXPECT_EQ(reader.BlockSpoolCounter(), 0);
    EXPECT_EQ(SpoolEntriesLeft(), 0);

    // Ten by ten loads, each text cut to its field in the drawing.
    LoadAsEstimated(NestedText(10, 100'000));
    ASSERT_EQ(db.TextCount(), 100);
    EXPECT_EQ(db.Texts[100].Txt, std::string(100, 'x'));
    EXPECT_GT(reader.ExpandedBytes(), 3 * 110 * 100'000.0) << "110 texts spooled, each written and read back";
}

TEST_F(BlockExpansion, ForwardReferencesAreExpandedOneLevelOnceAndLoadWithinTheLimit) {
    reader.MaxExpansionBytes = kLimitOf24GB;
    // A inserts B 800 times and B inserts C 800 times, each defined after the block that inserts
    // it. When the entities begin, A takes B as B is then, its line alone; B takes C's line after.
    DxfBuilder blocks;
    for (const auto& [block, inner] : {std::pair{"A", "B"}, std::pair{"B", "C"}}) {
        blocks.Block(block).Line("0", "0", "1", "0");
        for (int i = 0; i < 800; ++i) blocks.Entity("INSERT", {{8, "0"}, {2, inner}});
        blocks.EndBlock();
    }
    blocks.Block("C").Line("0", "0", "0", "1").EndBlock();
    DxfBuilder entities;
    for (int i = 0; i < 60; ++i) entities.Entity("INSERT", {{8, "0"}, {2, "A"}});
    entities.Entity("INSERT", {{8, "0"}, {2, "B"}});
    LoadAsEstimated(BlocksAndEntities(blocks, entities));
    EXPECT_EQ(db.InsertTransformCount(), 1600);
    EXPECT_EQ(db.InsertCount(), 61);
    EXPECT_EQ(db.LineCount(), 61 * 801);

    // 5 000 blocks, each holding a line and inserting the one defined after it: each takes the next
    // one's line only.
    DxfBuilder chain;
    for (int level = 1; level <= 5000; ++level) {
        chain.Block("L" + std::to_string(level)).Line("0", "0", "1", std::to_string(level));
        if (level < 5000) chain.Entity("INSERT", {{8, "0"}, {2, "L" + std::to_string(level + 1)}});
        chain.EndBlock();
    }
    DxfBuilder top;
    top.Entity("INSERT", {{8, "0"}, {2, "L1"}}).Entity("INSERT", {{8, "0"}, {2, "L4999"}});
    LoadAsEstimated(BlocksAndEntities(chain, top));
    ASSERT_EQ(db.LineCount(), 4);
    EXPECT_EQ(db.Lines[2].Y2, 2);
    EXPECT_EQ(db.Lines[4].Y2, 5000);
}

TEST_F(BlockExpansion, TheEstimateIsWhatTheExpansionCounts) {
    const std::vector<std::pair<const char*, std::function<void(DxfBuilder&, DxfBuilder&)>>> drawings = {
        {"nested, forward, undefined and self inserts",
         [](DxfBuilder& blocks, DxfBuilder& entities) {
             // A inserts C before C is defined, B inserts A three times, D holds B and itself.
             blocks.Block("A").Line("0", "0", "1", "0").Line("0", "0", "0", "1");
             blocks.Entity("INSERT", {{8, "0"}, {2, "C"}}).EndBlock();
             blocks.Block("B").Line("0", "0", "2", "0");
             for (int i = 0; i < 3; ++i) blocks.Entity("INSERT", {{8, "0"}, {2, "A"}});
             blocks.EndBlock();
             blocks.Block("C").Entity("3DFACE", {{8, "0"}, {10, "0"}, {11, "1"}, {12, "1"}, {22, "1"}}).EndBlock();
             blocks.Block("D").Entity("INSERT", {{8, "0"}, {2, "B"}}).Entity("INSERT", {{8, "0"}, {2, "D"}});
             blocks.EndBlock();
             entities.Entity("INSERT", {{8, "0"}, {2, "B"}}).Entity("INSERT", {{8, "0"}, {2, "B"}});
             entities.Entity("INSERT", {{8, "0"}, {2, "NOWHERE"}}).Entity("INSERT", {{8, "0"}, {2, "D"}});
         }},
        {"blocks inserting each other, names with blanks, an unterminated block",
         [](DxfBuilder& blocks, DxfBuilder& entities) {
             blocks.Block("A").Line("0", "0", "1", "0").Entity("INSERT", {{8, "0"}, {2, "B"}}).EndBlock();
             blocks.Block(" B ").Line("0", "0", "0", "1").Entity("INSERT", {{8, "0"}, {2, "A"}});
             blocks.Entity("INSERT", {{8, "0"}, {2, " A"}}).EndBlock();
             blocks.Block("E").Entity("INSERT", {{8, "0"}, {2, "B"}}).Entity("INSERT", {{8, "0"}, {2, "F"}});
             blocks.Block("F").Entity("CIRCLE", {{8, "0"}, {40, "1"}});
             entities.Entity("INSERT", {{8, "0"}, {2, "A"}}).Entity("INSERT", {{8, "0"}, {2, "B"}});
             entities.Entity("INSERT", {{8, "0"}, {2, " B "}}).Entity("INSERT", {{8, "0"}, {2, "E"}});
         }},
        {"texts, polylines, meshes, ellipses and dimensions",
         [](DxfBuilder& blocks, DxfBuilder& entities) {
             blocks.Block("*D1").Line("0", "0", "0", "5").Entity("POINT", {{8, "0"}});
             blocks.Entity("TEXT", {{8, "0"}, {1, "%%c50 \"a\""}, {7, "ROMANS"}});
             blocks.Entity("POLYLINE", {{8, "0"}, {70, "1"}});
             for (const char* flags : {"0", "16", "0"}) blocks.Entity("VERTEX", {{8, "0"}, {70, flags}});
             blocks.Entity("SEQEND").EndBlock();
             blocks.Block("MESH").Entity("POLYLINE", {{8, "0"}, {70, "64"}});
             for (int i = 0; i < 3; ++i) blocks.Entity("VERTEX", {{8, "0"}, {70, "192"}});
             blocks.Entity("VERTEX", {{8, "0"}, {70, "128"}, {71, "1"}, {72, "-2"}, {73, "3"}, {74, "9"}});
             blocks.Entity("SEQEND");
             blocks.Entity("ELLIPSE", {{8, "0"}, {11, "1"}, {40, "0.5"}});
             blocks.Entity("MTEXT", {{8, "0"}, {3, std::string(300, 'm')}, {1, "\\A1;end"}});
             blocks.Entity("DIMENSION", {{8, "0"}, {2, "*D1"}}).Entity("DIMENSION", {{8, "0"}, {2, "*D2"}});
             blocks.Entity("SOLID", {{8, "0"}, {11, "1"}}).EndBlock();
             blocks.Block("*D2").Line("0", "0", "1", "1").EndBlock();
             blocks.Block("TOP");
             for (int i = 0; i < 3; ++i) blocks.Entity("INSERT", {{8, "0"}, {2, "MESH"}});
             blocks.EndBlock();
             entities.Entity("INSERT", {{8, "0"}, {2, "TOP"}}).Entity("DIMENSION", {{8, "0"}, {2, "*D1"}});
         }},
    };
    for (const auto& [name, build] : drawings) {
        SCOPED_TRACE(name);
        DxfBuilder blocks, entities;
        build(blocks, entities);
        const std::string text = BlocksAndEntities(blocks, entities);
        LoadAsEstimated(text);
        EXPECT_GT(reader.ExpandedBytes(), 0);
        // Exactly at the limit the drawing loads; a byte less and it is refused at its first block.
        reader.MaxExpansionBytes = std::int64_t(Estimate(text));
        EXPECT_TRUE(Load(text));
        reader.MaxExpansionBytes -= 1;
        EXPECT_EQ(LoadError(text), kTooComplexAtTheFirstBlock);
        reader.MaxExpansionBytes = ExpansionMemoryLimit();
    }
}

TEST_F(BlockExpansion, EntriesNeverPlacedCostNoMoreThanReadingThem) {
    // Each block holds a line beside many entries that its users never place: the inserts place no
    // ellipse, the dimensions no polyline segment. Only the lines count, so a limit of exactly
    // what they take loads the drawing.
    const double line = CostOf(SpoolEntry{.Kind = DisplayKind::Line}).Placed;
    const std::vector<std::tuple<const char*, int, std::function<void(DxfBuilder&)>, std::string_view>> drawings = {
        {"1 000 ellipses inserted 60 000 times", 60'000,
         [](DxfBuilder& blocks) {
             for (int i = 0; i < 1000; ++i) blocks.Entity("ELLIPSE", {{8, "0"}, {11, "1"}, {40, "0.5"}});
         },
         "INSERT"},
        {"a 1 000-vertex polyline used by 50 000 dimensions", 50'000,
         [](DxfBuilder& blocks) {
             blocks.Entity("POLYLINE", {{8, "0"}, {66, "1"}});
             for (int i = 0; i < 1000; ++i) blocks.Entity("VERTEX", {{8, "0"}, {10, std::to_string(i)}});
             blocks.Entity("SEQEND");
         },
         "DIMENSION"},
    };
    for (const auto& [name, uses, unplaced, user] : drawings) {
        SCOPED_TRACE(name);
        DxfBuilder blocks, entities;
        blocks.Block("*U1").Line("0", "0", "1", "0");
        unplaced(blocks);
        blocks.EndBlock();
        for (int i = 0; i < uses; ++i) entities.Entity(user, {{8, "0"}, {2, "*U1"}});
        const std::string text = BlocksAndEntities(blocks, entities);
        EXPECT_EQ(Estimate(text), uses * line);
        reader.MaxExpansionBytes = std::int64_t(uses * line);
        LoadAsEstimated(text);
        EXPECT_EQ(db.LineCount(), uses);
        EXPECT_EQ(db.EllipseCount() + db.PolylineCount(), 0);
    }
}

TEST_F(BlockExpansion, BlocksThatOnlyCalculatedExtentsLetTheHeaderShowAreEstimated) {
    // The same blocks, once in the BLOCKS section and once each entity behind a $EXTMIN of the
    // header, as its group 1: a reader that computes the extents does not take $EXTMIN's groups,
    // so their value lines pass as keyword lines.
    DxfBuilder blocks, header;
    header.Section("HEADER");
    const auto entity = [&](std::string_view type, DxfBuilder::Groups groups) {
        blocks.Entity(type, groups);
        header.Group(9, "$EXTMIN").Group(1, type);
        for (const auto& [code, value] : groups) header.Group(code, value);
    };
    entity("BLOCK", {{8, "0"}, {2, "T"}});
    entity("LINE", {{8, "0"}, {11, "1"}, {21, "1"}});
    entity("ENDBLK", {{8, "0"}});
    entity("BLOCK", {{8, "0"}, {2, "A"}});
    for (int i = 0; i < 100; ++i) entity("INSERT", {{8, "0"}, {2, "T"}});
    entity("ENDBLK", {{8, "0"}});
    header.EndSection();
    DxfBuilder entities;
    for (int i = 0; i < 100; ++i) entities.Entity("INSERT", {{8, "0"}, {2, "A"}});
    const std::string hidden = header.Unclosed() + Drawing(entities);

    reader.Properties.CalcExtents = true;
    const double estimate = Estimate(BlocksAndEntities(blocks, entities));
    EXPECT_EQ(Estimate(hidden), estimate);
    LoadAsEstimated(hidden);
    EXPECT_EQ(db.LineCount(), 10'000);
    reader.MaxExpansionBytes = std::int64_t(estimate) - 1;
    EXPECT_EQ(LoadError(hidden), kTooComplexAtTheFirstBlock);
    EXPECT_EQ(reader.BlockSpoolCounter(), 2) << "no block of this load was spooled";

    // Read as header values, they are no blocks to either.
    reader.Properties.CalcExtents = false;
    EXPECT_EQ(Estimate(hidden), 0);
    LoadAsEstimated(hidden);
    EXPECT_EQ(db.LineCount(), 0);
}

}  // namespace
}  // namespace tiraq::test
