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
    dxf->OnTheSpotZoom(0, 301, std::int16_t{1});  // a corner stays at its corner
    const ViewRect second = View();
    EXPECT_TRUE(ViewNear(second, ViewRect{100, 150, 200, 75}));
    // Right button: 50 %, the point under the mouse staying there.
    const float x = dxf->IntToRealX(vb::Variant(200.0)), y = dxf->IntToRealY(vb::Variant(150.0));
    dxf->OnTheSpotZoom(200, 150, std::int16_t{2});
    const ViewRect third = View();
    EXPECT_NEAR(third.Right - third.Left, 200, 0.01);
    EXPECT_NEAR(third.Top - third.Bottom, 150, 0.01);
    EXPECT_NEAR(dxf->IntToRealX(vb::Variant(200.0)), x, 0.01);
    EXPECT_NEAR(dxf->IntToRealY(vb::Variant(150.0)), y, 0.01);

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

// The drawing's frame lies on its extents: at Zoom Extents all four sides show, whatever the
// picture's proportions, and the extents reach from the picture's first pixel to its last along
// the side that limits them. Pixels and drawing units still convert back and forth alike.
TEST_F(ControlTest, ExtentsEdgesAllHaveInkOnScreen) {
    Load();
    const auto red = [](QRgb pixel) { return gui::FromQRgb(pixel) == kRed; };
    for (const QSize size : {QSize(400, 300), QSize(640, 300), QSize(300, 400), QSize(1237, 771)}) {
        dxf->Widget()->resize(size);
        ASSERT_TRUE(dxf->ZoomExtents());
        const QImage shown = Picture().ScreenImage();
        ASSERT_EQ(shown.size(), size);
        EXPECT_TRUE(InkOnAllFourSides(shown, red)) << size.width() << " x " << size.height();
        EXPECT_EQ(dxf->CvtX(0), 0);
        EXPECT_EQ(dxf->CvtY(0), size.height() - 1);
        EXPECT_TRUE(dxf->CvtX(400) == size.width() - 1 || dxf->CvtY(300) == 0);
        EXPECT_NEAR(dxf->IntToRealX(vb::Variant(double(dxf->CvtX(400)))), 400, 1);
        EXPECT_NEAR(dxf->IntToRealY(vb::Variant(double(dxf->CvtY(0)))), 0, 1);
    }
}

// Any other view keeps the conversion as it was: its right and bottom edges fall on the pixels
// just past the picture's.
TEST_F(ControlTest, ExtentsEdgesOnlyAtTheExtentsOtherViewsSpanThePicture) {
    Load();
    dxf->Widget()->resize(400, 300);
    EXPECT_TRUE(dxf->DXFZoom(0, 150, 200, 0));
    EXPECT_EQ(dxf->CvtX(200), 400);
    EXPECT_EQ(dxf->CvtY(0), 300);
    EXPECT_EQ(dxf->CvtY(150), 0);
}

}  // namespace
}  // namespace tiraq::test
