#include "reader_fixture.h"

#include "reader/error_chain.h"

#include <gtest/gtest.h>

#include <random>

namespace tiraq::test {
namespace {

using LoadDriver = ReaderTest;

TEST_F(LoadDriver, RefusesAFileWithoutSection) {
    const std::string path = Write("  0\r\nNOTHING\r\n  1\r\nlast line\r\n");
    try {
        reader.ReadDrawing(dxfMergeNew, path);
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrTiraq);
        EXPECT_EQ(e.Description(), "At entity type 'last line'. \r\n" + path +
                                       " does not appear to be a DXF file.\r\n ->  LoadDXF.");
    }
    EXPECT_FALSE(db.DXFComplete);
    EXPECT_EQ(host.pointers.back(), kPointerDefault);
}

TEST_F(LoadDriver, TheCheckForSectionLooksOnlyAtTheNewFile) {
    // The last line read by this load is "SECTION" ...
    ASSERT_TRUE(Load("  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nSECTION"));
    // ... which says nothing about the next file.
    EXPECT_NE(LoadError("hello\r\nworld\r\n").find("does not appear to be a DXF file."), std::string::npos);
}

TEST_F(LoadDriver, RefusesBareLineFeedsAndQuotesAtMost200Characters) {
    std::string text = "  0\nSECTION\n  2\nENTITIES\n";
    while (text.size() < 400) text += "  0\nLINE\n 10\n1\n";
    const std::string error = LoadError(text);
    EXPECT_NE(error.find("does not appear to be a DXF file."), std::string::npos);
    EXPECT_EQ(error.find("'. \r\n"), std::string("At entity type '").size() + 200);
}

TEST_F(LoadDriver, AFileOfRandomBytesIsQuotedByAShortPrintableExcerpt) {
    std::mt19937 generator(7);
    for (int file = 0; file < 20; ++file) {
        std::string bytes(4096, '\0');
        for (char& byte : bytes) byte = static_cast<char>(generator());
        const std::string error = LoadError(bytes);
        const std::size_t start = std::string("At entity type '").size();
        const std::string quoted = error.substr(start, error.find("'. \r\n") - start);
        EXPECT_LE(quoted.size(), 40u) << error;
        for (const char c : quoted) EXPECT_TRUE(c >= ' ' && c <= '~') << "byte " << int(static_cast<unsigned char>(c)) << " in " << quoted;
        EXPECT_LE(error.size(), 300u) << error;
    }
}

TEST_F(LoadDriver, ReportsAMissingFile) {
    try {
        reader.ReadDrawing(dxfMergeNew, (folder / "missing.dxf").string());
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Description(), "At entity type ''. \r\nFile not found\r\n ->  LoadDXF.");
    }
}

TEST_F(LoadDriver, HeaderOnlyFileLoadsEmptyWithUntouchedExtents) {
    EXPECT_TRUE(Load(DxfBuilder().Section("HEADER").EndSection().Text()));
    EXPECT_TRUE(db.DXFComplete);
    EXPECT_EQ(db.SeqCount(), 0);
    const ViewRect empty{1e30f, -1e30f, -1e30f, 1e30f};
    EXPECT_EQ(db.DrawingExtents, empty);
    ASSERT_EQ(host.previousViews.size(), 1u);
    EXPECT_EQ(host.previousViews[0], empty);
    EXPECT_EQ(host.shown, std::vector<bool>{true});
    EXPECT_EQ(host.hidden, 1);
}

TEST_F(LoadDriver, TheFirstLayerLineNamesTheTable) {
    DxfBuilder dxf;
    dxf.Section("TABLES").LayerTable().Layer("0").Layer("WALLS", "1").EndTable().EndSection();
    ASSERT_TRUE(Load(dxf.Text()));
    ASSERT_EQ(db.Layers->Count(), 2);
    EXPECT_EQ(db.Layers->Item(1)->LayerName(), "0");
    EXPECT_EQ(db.Layers->Item(2)->LayerName(), "WALLS");
}

TEST_F(LoadDriver, SkipsGroupCodesAbove1000AndHugeOrNegativeOnes) {
    DxfBuilder dxf;
    dxf.Entity("LINE", {{8, "0"}, {1001, "APP"}, {10, "1"}, {99999999, "x"}, {20, "2"}, {-5, "y"}, {11, "3"},
                        {21, "4"}});
    dxf.Group(0, "LINE").Raw("1E+300").Raw("junk").Group(10, "5");
    // A code line is read by its leading number, rounded.
    dxf.Group(0, "LINE").Raw("+10").Raw("6").Raw("2E1").Raw("7").Raw(" 11.0 ").Raw("8").Raw("20.6x").Raw("9");
    ASSERT_TRUE(Load(Drawing(dxf)));
    ASSERT_EQ(db.LineCount(), 3);
    EXPECT_EQ(std::tie(db.Lines[3].X1, db.Lines[3].Y1, db.Lines[3].X2, db.Lines[3].Y2),
              std::tuple(6.0f, 7.0f, 8.0f, 9.0f))
        << "20.6 is the code 21";
    EXPECT_EQ(db.Lines[1].X1, 1);
    EXPECT_EQ(db.Lines[1].Y1, 2);
    EXPECT_EQ(db.Lines[1].X2, 3);
    EXPECT_EQ(db.Lines[1].Y2, 4);
    EXPECT_EQ(db.Lines[2].X1, 5);
}

TEST_F(LoadDriver, GarbageNumbersCountAsZeroAndOverflowsEndInTheChain) {
    DxfBuilder good;
    good.Entity("LINE", {{8, "0"}, {10, "abc"}, {20, "  2.5xyz"}, {11, "-.5"}, {21, "1e2"}});
    ASSERT_TRUE(Load(Drawing(good)));
    EXPECT_EQ(db.Lines[1].X1, 0);
    EXPECT_EQ(db.Lines[1].Y1, 2.5f);
    EXPECT_EQ(db.Lines[1].X2, -0.5f);
    EXPECT_EQ(db.Lines[1].Y2, 100);

    DxfBuilder bad;
    bad.Entity("LINE", {{8, "0"}, {10, "1E+39"}});
    EXPECT_EQ(LoadError(Drawing(bad)),
              "At entity type 'LINE'. \r\nOverflow\r\n ->  DXFLine.\r\n ->  LoadDXF.");
    EXPECT_GT(host.cleared, 0);

    DxfBuilder badCode;
    badCode.Entity("LINE", {{8, "0"}}).Raw("1E999").Raw("1");
    EXPECT_EQ(LoadError(Drawing(badCode)),
              "At entity type 'LINE'. \r\nOverflow. Error in LoadEntity.\r\n ->  DXFLine.\r\n ->  LoadDXF.")
        << "a code too large for any number";
}

TEST_F(LoadDriver, ATruncatedEntityEndsInTheChain) {
    DxfBuilder dxf;
    dxf.Section("ENTITIES").Entity("LINE", {{8, "0"}, {10, "1"}}).Raw(" 20");
    EXPECT_EQ(LoadError(dxf.Unclosed()), "At entity type 'LINE'. \r\nInput past end of file. Error in LoadEntity."
                                         "\r\n ->  DXFLine.\r\n ->  LoadDXF.");
    EXPECT_FALSE(db.DXFComplete);
    EXPECT_GE(host.hidden, 1);
}

TEST_F(LoadDriver, AFileEndingAfterAnEntityIsRead) {
    DxfBuilder dxf;
    dxf.Section("ENTITIES").Line("0", "0", "1", "1").Group(0, "LINE");
    EXPECT_TRUE(Load(dxf.Unclosed().substr(0, dxf.Unclosed().size() - 6)));
    EXPECT_EQ(db.LineCount(), 1);
}

TEST_F(LoadDriver, ABinaryDxfIsRefused) {
    std::string binary("AutoCAD Binary DXF\r\n\x1a\0", 22);
    for (int i = 0; i < 64; ++i) binary += std::string("\0\x01SECTION\0\x02HEADER\0", 19);
    EXPECT_NE(LoadError(binary).find("does not appear to be a DXF file."), std::string::npos);
}

TEST_F(LoadDriver, PaintsOneProgressBoxPerLineAtMostNineteenInAll) {
    DxfBuilder dxf;
    for (int i = 0; i < 400; ++i) dxf.Line("0", "0", "1", "1");
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(host.progress.size(), 19u);
    for (std::size_t i = 1; i < host.progress.size(); ++i) EXPECT_GT(host.progress[i], host.progress[i - 1]);
    EXPECT_LT(host.progress.back(), 1.0f);

    // One long line in a short file carries the position past several marks at once.
    host.progress.clear();
    DxfBuilder jump;
    jump.Entity("JUNK", {{999, std::string(2000, 'x')}});
    for (int i = 0; i < 3; ++i) jump.Line("0", "0", "1", "1");
    ASSERT_TRUE(Load(Drawing(jump)));
    ASSERT_GE(host.progress.size(), 2u);
    EXPECT_GT(host.progress[0], 0.5f);
    // The marks it jumped over are passed one per following line.
    EXPECT_GT(host.progress[1], host.progress[0]);
}

TEST_F(LoadDriver, ResetsHeaderExtentFlagsForEveryLoad) {
    DxfBuilder header;
    header.Section("HEADER").Group(9, "$EXTMIN").Group(10, "0").Group(20, "0").Group(9, "$EXTMAX");
    header.Group(10, "10").Group(20, "10").EndSection().Section("ENTITIES").Line("-5", "-5", "20", "20").EndSection();
    ASSERT_TRUE(Load(header.Text()));
    EXPECT_EQ(db.DrawingExtents, (ViewRect{0, 10, 10, 0}));
    // The next file has no header extents: its entities decide them.
    DxfBuilder plain;
    plain.Line("-5", "-5", "20", "20");
    ASSERT_TRUE(Load(Drawing(plain)));
    EXPECT_EQ(db.DrawingExtents, (ViewRect{-5, 20, 20, -5}));
}

TEST_F(LoadDriver, MergeAddKeepsTheDrawingAndShiftsTheNewOne) {
    DxfBuilder first;
    first.Line("0", "0", "1", "1", "A");
    ASSERT_TRUE(Load(Drawing(first)));
    DxfBuilder second;
    second.Line("0", "0", "1", "1", "B");
    ASSERT_TRUE(Load(Drawing(second), dxfMergeAdd, 100, 5));
    ASSERT_EQ(db.LineCount(), 2);
    EXPECT_EQ(db.Lines[2].X1, 100);
    EXPECT_EQ(db.Lines[2].Y2, 6);
    EXPECT_EQ(db.Layers->Count(), 2);
    EXPECT_EQ(db.DrawingExtents, (ViewRect{100, 6, 101, 5}));
    ASSERT_TRUE(Load(Drawing(second), dxfMergeParse));
    EXPECT_EQ(db.LineCount(), 1);
}

}  // namespace
}  // namespace tiraq::test
