#include "control_fixture.h"

namespace tiraq::test {
namespace {

TEST_F(ControlTest, ZoomPreviousAfterALoadStaysAtTheExtents) {
    Load();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(dxf->ZoomPrevious(), -1);
        EXPECT_TRUE(ViewNear(View(), kExtents));
    }
}

TEST_F(ControlTest, DrillDownsWalkBackThroughThePreviousViews) {
    Load();
    ASSERT_EQ(dxf->OnTheSpotZoom(200, 150, {}), -1);  // left button: 200 %
    const ViewRect first = View();
    EXPECT_TRUE(ViewNear(first, ViewRect{100, 225, 300, 75}));
    dxf->OnTheSpotZoom(0, 300, std::int16_t{1});  // a corner stays at its corner
    const ViewRect second = View();
    EXPECT_TRUE(ViewNear(second, ViewRect{100, 150, 200, 75}));
    dxf->OnTheSpotZoom(200, 150, std::int16_t{2});  // right button: 50 %
    EXPECT_TRUE(ViewNear(View(), ViewRect{50, 187.5f, 250, 37.5f}));

    dxf->ZoomPrevious();
    EXPECT_TRUE(ViewNear(View(), second));
    dxf->ZoomPrevious();
    EXPECT_TRUE(ViewNear(View(), first));
    dxf->ZoomPrevious();
    EXPECT_TRUE(ViewNear(View(), kExtents));
    dxf->ZoomPrevious();
    EXPECT_TRUE(ViewNear(View(), kExtents));
}

TEST_F(ControlTest, ADrillDownThatDividesByZeroTakesItsErrorToTheHost) {
    Load();
    const auto chain = [&] {
        try {
            dxf->OnTheSpotZoom(100, 100, {});
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Number(), kErrTiraq);
            return e.Description();
        }
        return std::string("no error");
    };
    dxf->LetOnTheSpotZoomPctLeft(0);
    EXPECT_EQ(chain(), "Division by zero\r\n ->  StationaryZoom.\r\n ->  OnTheSpotZoom.");
    EXPECT_TRUE(ViewNear(View(), kExtents));
    EXPECT_EQ(Shown(200, 150), kWhite) << "the surface is cleared";
    EXPECT_EQ(dxf->ZoomPrevious(), -1);
    EXPECT_TRUE(ViewNear(View(), kExtents)) << "nothing was pushed";
    dxf->LetOnTheSpotZoomPctLeft(200);
    dxf->DXFZoom(0, 7, 400, 7);  // a view without height, drawn as a square
    EXPECT_EQ(chain(), "Division by zero\r\n ->  StationaryZoom.\r\n ->  OnTheSpotZoom.");
    EXPECT_TRUE(ViewNear(View(), ViewRect{0, 7, 400, 7}));
}

TEST_F(ControlTest, ScrollingMovesByTheChangeOfPosition) {
    Load();
    EXPECT_EQ(dxf->VerticalScroll(10), -1);
    EXPECT_TRUE(ViewNear(View(), ViewRect{0, 270, 400, -30})) << "down a tenth of the drawing's height";
    dxf->VerticalScroll(10);
    EXPECT_TRUE(ViewNear(View(), ViewRect{0, 270, 400, -30})) << "the same position does not move";
    dxf->VerticalScroll(0);
    EXPECT_TRUE(ViewNear(View(), kExtents));
    dxf->HorizontalScroll(25);
    EXPECT_TRUE(ViewNear(View(), ViewRect{100, 300, 500, 0})) << "right a quarter of the width";
}

TEST_F(ControlTest, FindPansToEachMatchInTurn) {
    Load();
    EXPECT_EQ(dxf->Find("pump", 0, {}), 1);
    EXPECT_TRUE(ViewNear(View(), ViewRect{-150, 200, 250, -100})) << "centred on (50, 50)";
    EXPECT_EQ(dxf->Find("pump", 0, {}), 2);
    EXPECT_TRUE(ViewNear(View(), ViewRect{100, 350, 500, 50}));
    EXPECT_EQ(dxf->Find("pump", 0, false), 4);
    EXPECT_TRUE(ViewNear(View(), ViewRect{100, 350, 500, 50})) << "no pan";
    EXPECT_EQ(dxf->Find("pump", 0, {}), 1) << "round again";
    dxf->ZoomPrevious();
    EXPECT_TRUE(ViewNear(View(), ViewRect{100, 350, 500, 50})) << "every pan was pushed";
    EXPECT_EQ(dxf->Find("valve", 0, {}), 0);
    EXPECT_TRUE(ViewNear(View(), ViewRect{100, 350, 500, 50})) << "no text, no change";
}

TEST_F(ControlTest, FindStartsAgainInANewDrawing) {
    Load();
    EXPECT_EQ(dxf->Find("PUMP", 0, false), 1);
    EXPECT_EQ(dxf->Find("PUMP", 0, false), 2);
    Load();
    EXPECT_EQ(dxf->Find("PUMP", 0, false), 1);
}

TEST_F(ControlTest, DXFZoomShowsTheRectangleGiven) {
    Load();
    EXPECT_TRUE(dxf->DXFZoom(0, 150, 200, 0));
    EXPECT_TRUE(ViewNear(View(), ViewRect{0, 150, 200, 0}));
    EXPECT_EQ(Shown(0, 100), kRed) << "the drawing's left edge";
    EXPECT_EQ(Shown(200, 100), kWhite);
    EXPECT_TRUE(dxf->ZoomExtents());
    EXPECT_TRUE(ViewNear(View(), kExtents));
}

}  // namespace
}  // namespace tiraq::test
