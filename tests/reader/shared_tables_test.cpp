#include "reader/colour_table.h"
#include "reader/flag_bits.h"
#include "reader/pen_styles.h"
#include "reader/rotation.h"
#include "reader/text_fonts.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace tiraq;

TEST(ColourTable, MapsIndexesAndTheLayerColourNumber) {
    EXPECT_EQ(ACIToRGB(0), 0);
    EXPECT_EQ(ACIToRGB(1), 0x0010FF);
    EXPECT_EQ(ACIToRGB(10), 0x0010FF);
    EXPECT_EQ(ACIToRGB(7), 0xFFFFFF);
    EXPECT_EQ(ACIToRGB(256), 0xFFFFFF);
    EXPECT_EQ(ACIToRGB(259), 0xFFFFFF);
    EXPECT_EQ(ACIToRGB(254), 0xD6D7D6);
    EXPECT_EQ(ACIToRGB(-1), 0);
    EXPECT_EQ(ACIToRGB(300), 0);
}

TEST(ColourTable, InverseGivesTheSmallestIndexOfAColour) {
    EXPECT_EQ(RGBToACI(0x0010FF), 1);
    EXPECT_EQ(RGBToACI(0x0000FF), 1);
    EXPECT_EQ(RGBToACI(0xFF0000), 5);
    EXPECT_EQ(RGBToACI(0xFF00FF), 6);
    EXPECT_EQ(RGBToACI(0x313031), 19);
    EXPECT_EQ(RGBToACI(0x123456), 7);
    EXPECT_EQ(RGBToACI(0), 0);
    std::set<std::int32_t> colours;
    for (int i = 0; i < 260; ++i) {
        colours.insert(ACIToRGB(i));
        EXPECT_EQ(ACIToRGB(RGBToACI(ACIToRGB(i))), ACIToRGB(i)) << i;
        EXPECT_LE(RGBToACI(ACIToRGB(i)), i);
    }
    EXPECT_EQ(colours.size(), 141u);
}

TEST(PenStyles, MapLineTypeNamesCaseSensitively) {
    EXPECT_EQ(LineTypeToPenStyle("DASHED"), kPenDash);
    EXPECT_EQ(LineTypeToPenStyle("dashed"), kPenSolid);
    EXPECT_EQ(LineTypeToPenStyle("TRATTEGGIATA2"), kPenDash);
    EXPECT_EQ(LineTypeToPenStyle("DOTX2"), kPenDot);
    EXPECT_EQ(LineTypeToPenStyle("DASHDOT"), kPenDashDot);
    EXPECT_EQ(LineTypeToPenStyle("PHANTOM2"), kPenDashDotDot);
    EXPECT_EQ(LineTypeToPenStyle("CONTINUOUS"), kPenSolid);
    EXPECT_EQ(LineTypeToPenStyle(""), kPenSolid);
    EXPECT_EQ(LineTypeToPenStyle("BYLAYER"), kPenSolid);
}

TEST(FlagBits, TestsTheNineFlagBits) {
    EXPECT_TRUE(IsBitSet(64, 6));
    EXPECT_TRUE(IsBitSet(65, 0));
    EXPECT_FALSE(IsBitSet(64, 0));
    EXPECT_TRUE(IsBitSet(16, 4));
    EXPECT_FALSE(IsBitSet(1, 9));
    EXPECT_FALSE(IsBitSet(-1, 0));
    // A plain bit test also above 511: 512 has none of the nine bits set.
    for (int bit = 0; bit <= 8; ++bit) EXPECT_FALSE(IsBitSet(512, bit));
    EXPECT_TRUE(IsBitSet(513, 0));
}

TEST(Rotation, UsesTheDrawingsPi) {
    SinglePoint p{1, 0};
    EXPECT_EQ(RotatePoint(p, 90), 1);
    EXPECT_NEAR(p.X, 0, 1e-5);
    EXPECT_NEAR(p.Y, 1, 1e-6);
    EXPECT_NE(p.X, 0.0f);  // 3.14159 leaves a residue in the cosine
    SingleRect r{1, 0, 0, 2};
    RotateRect(r, 180);
    EXPECT_NEAR(r.X1, -1, 1e-5);
    EXPECT_NEAR(r.Y1, 0, 1e-5);
    EXPECT_NEAR(r.X2, 0, 1e-5);
    EXPECT_NEAR(r.Y2, -2, 1e-5);
}

TEST(TextFonts, MapsStylesWithTheDxfFonts) {
    const TextFontSettings settings;
    std::string name = " romans ";
    float scalar = 0;
    MapTextFont(name, scalar, settings);
    EXPECT_EQ(name, "ROMANS");
    EXPECT_FLOAT_EQ(scalar, 1.4f);
    name = "Standard";
    MapTextFont(name, scalar, settings);
    EXPECT_EQ(name, "TXT");
    EXPECT_FLOAT_EQ(scalar, 2.0f);
    name = "CKSTANDARD";
    MapTextFont(name, scalar, settings);
    EXPECT_EQ(name, "Arial Narrow");
    EXPECT_FLOAT_EQ(scalar, 1.3f);
    name = "NOSUCHSTYLE";
    MapTextFont(name, scalar, settings);
    EXPECT_EQ(name, "TXT");
    EXPECT_FLOAT_EQ(scalar, 1.5f);
}

TEST(TextFonts, MapsStylesToTheChosenFacesWithoutDxfFonts) {
    TextFontSettings settings;
    settings.UseDXFFonts = false;
    settings.PropFontName = "Prop";
    settings.PropFontScalar = 0.8f;
    settings.MonoFontName = "Mono";
    settings.MonoFontScalar = 1.1f;
    for (const char* proportional : {"DUPLEX", "romanc", "TITLE"}) {
        std::string name = proportional;
        float scalar = 0;
        MapTextFont(name, scalar, settings);
        EXPECT_EQ(name, "Prop") << proportional;
        EXPECT_FLOAT_EQ(scalar, 0.8f);
    }
    for (const char* mono : {"MAP", "CKSTANDARD", "1", "", "STANDARD"}) {
        std::string name = mono;
        float scalar = 0;
        MapTextFont(name, scalar, settings);
        EXPECT_EQ(name, "Mono") << mono;
        EXPECT_FLOAT_EQ(scalar, 1.1f);
    }
}

}  // namespace
