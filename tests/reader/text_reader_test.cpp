#include "reader_fixture.h"

#include "reader/text_helpers.h"

#include <gtest/gtest.h>

namespace tiraq::test {
namespace {

using TextReader = ReaderTest;

TEST(TextHelpers, ControlCodesBecomeTheirCharacters) {
    std::int32_t underline = 0;
    std::string text = "%%c50 45%%d %%p0.1 %%x";
    ApplyControlCodes(text, underline);
    EXPECT_EQ(text, "\xD8" "50 45\xB0 \xB1" "0.1 ");
    EXPECT_EQ(underline, 0);
    // The underline code is removed where it stands, not from the start.
    text = "AB%%uCD";
    ApplyControlCodes(text, underline);
    EXPECT_EQ(text, "ABCD");
    EXPECT_EQ(underline, -1);
    for (const char* odd : {"%%", "x%%", "%%%", "%%%%%", "%%%%u%%"}) {
        text = odd;
        ApplyControlCodes(text, underline);
        EXPECT_EQ(text.find("%%"), std::string::npos) << odd;
    }
}

TEST(TextHelpers, QuotesBecomeTwoApostrophesAndAnglesComeBelow360) {
    std::string text = "say \"hi\"";
    EXPECT_EQ(EscapeQuotes(text), "say ''hi''");
    float angle = 725;
    EXPECT_EQ(NormalizeAngle(angle), 5);
    angle = -10;
    EXPECT_EQ(NormalizeAngle(angle), -10);
    angle = 3e38f;  // subtracting 360 from this would never end
    EXPECT_LT(NormalizeAngle(angle), 360);
    EXPECT_GE(angle, 0);
    angle = 360;
    EXPECT_EQ(NormalizeAngle(angle), 0);
}

TEST_F(TextReader, AnchorsByAlignmentAndKeepsTheLargestHeight) {
    DxfBuilder dxf;
    dxf.Entity("TEXT", {{8, "0"}, {10, "1"}, {20, "2"}, {11, "30"}, {21, "40"}, {40, "2.5"}, {1, "left"}});
    dxf.Entity("TEXT", {{8, "0"}, {10, "1"}, {20, "2"}, {11, "30"}, {21, "40"}, {40, "5"}, {72, "2"}, {1, "r"}});
    dxf.Entity("TEXT", {{8, "0"}, {10, "1"}, {20, "2"}, {11, "30"}, {21, "40"}, {72, "4"}, {1, "m"}});
    dxf.Entity("TEXT", {{8, "0"}, {10, "1"}, {20, "2"}, {11, "30"}, {21, "40"}, {72, "7"}, {1, "odd"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.Texts[1].X1, 1);
    EXPECT_EQ(db.Texts[1].Y1, 2);
    EXPECT_EQ(db.Texts[2].X1, 30);
    EXPECT_EQ(db.Texts[2].Y1, 2);
    EXPECT_EQ(db.Texts[2].HorzAlign, 2);
    EXPECT_EQ(db.Texts[3].X1, 30);
    EXPECT_EQ(db.Texts[3].Y1, 40);
    EXPECT_EQ(db.Texts[4].X1, 0);
    EXPECT_EQ(db.Texts[4].Y1, 0);
    EXPECT_EQ(reader.Properties.RedlineTextHeight, 5);
}

TEST_F(TextReader, MirroredTextTurnsButMTextKeepsItsRotation) {
    DxfBuilder dxf;
    dxf.Entity("TEXT", {{8, "0"}, {50, "30"}, {71, "2"}, {1, "mirrored"}});
    dxf.Entity("MTEXT", {{8, "0"}, {50, "30"}, {71, "2"}, {1, "top centre"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.Texts[1].Rotation, -150);
    EXPECT_EQ(db.Texts[2].Rotation, 30);
}

TEST_F(TextReader, MTextJoinsItsChunksAndDropsALeadingFormatCode) {
    DxfBuilder dxf;
    dxf.Entity("MTEXT", {{8, "0"}, {3, "one "}, {3, "two "}, {1, "three"}});
    dxf.Entity("MTEXT", {{8, "0"}, {1, "\\A1;Centred"}});
    dxf.Entity("TEXT", {{8, "0"}, {1, "a;b keeps its start"}});
    dxf.Entity("TEXT", {{8, "0"}, {1, "\\A;"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.Texts[1].Txt, "one two three");
    EXPECT_EQ(db.Texts[2].Txt, "Centred");
    EXPECT_EQ(db.Texts[3].Txt, "a;b keeps its start");
    EXPECT_EQ(db.Texts[4].Txt, "");
}

TEST_F(TextReader, CodesQuotesStylesAndLengths) {
    DxfBuilder dxf;
    dxf.Entity("TEXT", {{8, "0"}, {1, "%%uTitle"}, {7, "romans"}});
    dxf.Entity("TEXT", {{8, "0"}, {1, "a \"b\""}});
    const std::string longText(150, 'x');
    dxf.Entity("TEXT", {{8, "0"}, {1, longText}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.Texts[1].Txt, "Title");
    EXPECT_EQ(db.Texts[1].Underline, -1);
    EXPECT_EQ(db.Texts[1].FontName, "ROMANS");
    EXPECT_EQ(db.Texts[1].FontScalar, 1.4f);
    EXPECT_EQ(db.Texts[2].Txt, "a ''b''");
    EXPECT_EQ(db.Texts[2].FontName, "TXT");
    EXPECT_EQ(db.Texts[3].Txt, std::string(100, 'x'));
}

TEST_F(TextReader, AHugeTextOfCodesAndQuotesIsReadInOnePass) {
    // A text whose every code or quote moved the rest of the text along would take many
    // minutes over a line of a few megabytes.
    std::string value;
    for (int i = 0; i < 400000; ++i) value += "%%d\"%%u";
    DxfBuilder dxf;
    dxf.Entity("TEXT", {{8, "0"}, {1, value}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    std::string expected;
    for (int i = 0; i < 34; ++i) expected += "\xB0''";
    EXPECT_EQ(db.Texts[1].Txt, expected.substr(0, 100));
    EXPECT_EQ(db.Texts[1].Underline, -1);
}

TEST_F(TextReader, ALongTextStaysWholeInABlockUntilItIsPlaced) {
    DxfBuilder dxf;
    dxf.Section("BLOCKS").Block("B").Entity("TEXT", {{8, "0"}, {1, std::string(150, 'y')}}).EndBlock().EndSection();
    dxf.Section("ENTITIES").Entity("INSERT", {{8, "0"}, {2, "B"}}).EndSection();
    ASSERT_TRUE(Load(dxf.Text()));
    ASSERT_EQ(db.TextCount(), 1);
    EXPECT_EQ(db.Texts[1].Txt, std::string(100, 'y'));
}

TEST_F(TextReader, FittedTextsTakeTheAngleOfTheirBaseline) {
    DxfBuilder dxf;
    dxf.Entity("TEXT", {{8, "0"}, {10, "0"}, {20, "0"}, {11, "10"}, {21, "10"}, {72, "5"}, {50, "0"}, {1, "fit"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_NEAR(db.Texts[1].Rotation, 45, 1e-3);
}

}  // namespace
}  // namespace tiraq::test
