#include "display/display_state.h"
#include "display/entity_colour.h"
#include "display/pixel_geometry.h"
#include "reader/dxf_layers.h"
#include "reader/error_chain.h"

#include <gtest/gtest.h>

namespace tiraq {
namespace {

DisplayState StateOfTheExample() {
    DisplayState state;
    state.SetCvtParams(300, 10, 20, 2, 0);
    return state;
}

TEST(Conversion, RoundsHalvesToEvenAndFlipsY) {
    const DisplayState state = StateOfTheExample();
    EXPECT_EQ(state.CvtX(10), 0);
    EXPECT_EQ(state.CvtX(12.25f), 4);
    EXPECT_EQ(state.CvtY(20), 300);
    EXPECT_EQ(state.CvtY(30), 280);
    EXPECT_EQ(state.CvtHeight(2.5f, 1.5f), 8) << "7.5 rounds to the even 8";
}

TEST(Conversion, PublicConversionsKeepTheirErrorsBeyondTheLongRange) {
    const DisplayState state = StateOfTheExample();
    try {
        state.CvtX(2e9f);
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrTiraq);
        EXPECT_EQ(e.Description(), "Error in CvtX.");
    }
    try {
        state.CvtY(-2e9f);
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Description(), "Error in CvtY.");
    }
    EXPECT_EQ(state.CvtHeight(2e9f, 1), 0) << "a text too tall for a Long has no height";
}

TEST(Conversion, PixelsBackToTheWorld) {
    DisplayState state;
    EXPECT_EQ(state.IntToRealX(123), 0) << "before the first pass";
    EXPECT_EQ(state.IntToRealY(45), 0);
    state.CurrentView = ViewRect{10, 170, 210, 20};
    state.SetCvtParams(300, 10, 20, 2, 0);
    for (float x : {10.0f, 33.3f, 99.9f}) EXPECT_NEAR(state.IntToRealX(state.CvtX(x)), x, 0.25 + 1e-4);
    EXPECT_NEAR(state.IntToRealY(state.CvtY(57.7f)), 57.7f, 0.25 + 1e-4);
}

TEST(Culling, TestRectWidensFlatRectanglesAndCullingIncludesRowAndColumnZero) {
    DeviceRect test;
    EXPECT_TRUE(MakeTestRect({5, 7, 5, 7}, test));
    EXPECT_EQ(test.Left, 3);
    EXPECT_EQ(test.Top, 5);
    EXPECT_EQ(test.Right, 5);
    EXPECT_EQ(test.Bottom, 7);

    const ClipArea area{400, 300};
    MakeTestRect({0, 10, 0, 200}, test);
    EXPECT_TRUE(area.Meets(test)) << "a vertical line on column 0 is visible";
    MakeTestRect({10, 0, 300, 0}, test);
    EXPECT_TRUE(area.Meets(test)) << "a horizontal line on row 0 is visible";
    EXPECT_TRUE(area.Meets({399, 299, 500, 400}));
    EXPECT_FALSE(area.Meets({400, 10, 500, 20}));
    EXPECT_TRUE(area.Meets({50, 250, 10, 20})) << "corners in any order";
}

TEST(Clipping, SegmentsAndPolygonsEndJustOutsideTheTarget) {
    const ClipArea area{400, 300};
    DevicePoint from{-1e12, 150}, to{1e12, 150};
    ASSERT_TRUE(ClipSegment(from, to, area, 5));
    EXPECT_DOUBLE_EQ(from.X, -5);
    EXPECT_DOUBLE_EQ(to.X, 404);
    DevicePoint above{-10, -1e9}, aboveToo{1e9, -1e9};
    EXPECT_FALSE(ClipSegment(above, aboveToo, area, 5));

    const std::vector<DevicePoint> square{{-1e10, -1e10}, {1e10, -1e10}, {1e10, 1e10}, {-1e10, 1e10}};
    const auto clipped = ClipPolygon(square, area, 5);
    ASSERT_EQ(clipped.size(), 4u);
    for (const gui::PixelPoint& p : clipped) {
        EXPECT_TRUE(p.x == -5 || p.x == 404);
        EXPECT_TRUE(p.y == -5 || p.y == 304);
    }
}

TEST(Tracing, AHugeCircleIsTracedOnlyWhereItCrossesTheTarget) {
    const ClipArea area{400, 300};
    const double r = 1e9;  // centre far below, the circle's top runs across the target
    const EllipticArc circle{{200, 150 + r}, {r, 0}, {0, -r}, 0, 2 * 3.141592653589793};
    const auto runs = TraceArc(circle, area, 5);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_LT(runs[0].size(), 100u);
    for (const gui::PixelPoint& p : runs[0]) {
        EXPECT_GE(p.x, -5);
        EXPECT_LE(p.x, 404);
        EXPECT_NEAR(p.y, 150, 1);
    }
    const EllipticArc away{{200, 150 + r}, {r, 0}, {0, -r}, 3.2, 2.9};  // the lower part only
    EXPECT_TRUE(TraceArc(away, area, 5).empty());
}

struct Colours : ::testing::Test {
    Colours() {
        layers.Add(-1, 0x0000FF, "RED", 0, false, 0);
        layers.Add(0, 0x00FF00, "OFF", 0, false, 0);
        layers.Add(-1, 0x00FF00, "GONE", 0, false, 0)->SetDeleted(true);
    }
    DXFLayers layers;
};

TEST_F(Colours, EntityLayerAndAllBlackColours) {
    ColourSettings white;
    EXPECT_EQ(ResolveEntityColor(&layers, white, 1, 0, false), 0x0000FFu) << "by layer";
    EXPECT_EQ(ResolveEntityColor(&layers, white, 1, 0x123456, false), 0x123456u);
    ColourSettings allBlack{.DisplayAllBlack = true};
    EXPECT_EQ(ResolveEntityColor(&layers, allBlack, 1, 0x123456, false), gui::kBlack);
    allBlack.BackColor = gui::kBlack;
    EXPECT_EQ(ResolveEntityColor(&layers, allBlack, 1, 0x123456, false), gui::kWhite);
    ColourSettings printBlack{.PrintAllBlack = true};
    EXPECT_EQ(ResolveEntityColor(&layers, printBlack, 1, 0x123456, true), gui::kBlack);
    EXPECT_EQ(ResolveEntityColor(&layers, printBlack, 1, 0x123456, false), 0x123456u);
    EXPECT_EQ(ResolveEntityColor(&layers, white, 99, 0, false), gui::kBlack) << "no layer behind the index";
}

TEST_F(Colours, WhiteOnWhiteAndBlackOnBlackSwapOnScreenWhiteTurnsBlackOnPaper) {
    ColourSettings white;
    EXPECT_EQ(ResolveEntityColor(&layers, white, 1, 0xFFFFFF, false), gui::kBlack);
    EXPECT_EQ(ResolveEntityColor(&layers, white, 1, 0xFEFFFF, false), 0xFEFFFFu) << "only exact white swaps";
    ColourSettings black{.BackColor = gui::kBlack};
    EXPECT_EQ(ResolveEntityColor(&layers, black, 1, 0xFFFFFF, false), gui::kWhite);
    EXPECT_EQ(ResolveEntityColor(&layers, black, 99, 0, false), gui::kWhite);
    EXPECT_EQ(ResolveEntityColor(&layers, white, 1, 0xFFFFFF, true), gui::kBlack);
}

TEST_F(Colours, HiddenAndDeletedLayersHideTheirEntities) {
    EXPECT_TRUE(LayerVisible(&layers, 1));
    EXPECT_FALSE(LayerVisible(&layers, 2));
    EXPECT_FALSE(LayerVisible(&layers, 3));
    EXPECT_TRUE(LayerVisible(&layers, 4));
    EXPECT_TRUE(LayerVisible(nullptr, 1));
}

}  // namespace
}  // namespace tiraq
