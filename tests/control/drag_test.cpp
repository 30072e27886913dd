#include "control_fixture.h"

namespace tiraq::test {
namespace {

class DragTest : public ControlTest {
protected:
    DragTest() {
        Load();
        dxf->LetZoomFunction(dxfWindow);
    }
    void Drag(float x1, float y1, float x2, float y2) {
        dxf->ZoomInitiate(x1, y1);
        dxf->ZoomFeedback((x1 + x2) / 2, (y1 + y2) / 2);
        dxf->ZoomFeedback(x2, y2);
        dxf->ZoomEnd();
    }
};

TEST_F(DragTest, AWindowDragZoomsToTheBandAndZoomPreviousReturns) {
    Drag(100, 75, 300, 225);
    EXPECT_TRUE(ViewNear(View(), ViewRect{100, 225, 300, 75}));
    EXPECT_TRUE(dialogs->Messages().empty());
    EXPECT_TRUE(dxf->AutoRedraw());
    dxf->ZoomPrevious();
    EXPECT_TRUE(ViewNear(View(), kExtents));
}

TEST_F(DragTest, AReverseDragGivesTheSameView) {
    Drag(300, 225, 100, 75);
    EXPECT_TRUE(ViewNear(View(), ViewRect{100, 225, 300, 75}));
}

TEST_F(DragTest, TooSmallWindowsAreRefusedWithAMessage) {
    for (const auto& [w, h] : {std::pair{2, 2}, std::pair{0, 5}, std::pair{40, 0}}) {
        dialogs->Clear();
        Drag(100, 100, float(100 + w), float(100 + h));
        EXPECT_TRUE(ViewNear(View(), kExtents));
        ASSERT_EQ(dialogs->Messages().size(), 1u) << w << " x " << h;
        EXPECT_EQ(dialogs->Messages()[0].text, "Rectangle selected is too small - please select a larger window");
        EXPECT_EQ(dialogs->Messages()[0].title, "Zoom area");
        EXPECT_EQ(dialogs->Messages()[0].style, gui::vbExclamation);
        EXPECT_EQ(dialogs->Messages()[0].mousePointer, 0);
    }
    dialogs->Clear();
    Drag(100, 100, 102, 103);
    EXPECT_TRUE(dialogs->Messages().empty()) << "3 pixels one way are enough";
    EXPECT_NE(View(), kExtents);
}

TEST_F(DragTest, AClickWithoutMovementDoesNothing) {
    dxf->ZoomInitiate(100, 100);
    EXPECT_EQ(dxf->ZoomEnd(), 0);
    EXPECT_TRUE(dialogs->Messages().empty());
    EXPECT_TRUE(ViewNear(View(), kExtents));
    EXPECT_TRUE(dxf->AutoRedraw());
    EXPECT_EQ(Shown(200, 150), kRed) << "the drawing stays";
    dxf->ZoomPrevious();
    EXPECT_TRUE(ViewNear(View(), kExtents)) << "nothing was pushed";
}

TEST_F(DragTest, TheBandIsDrawnOnTheScreenOnlyAndErasedByTheNextOne) {
    dxf->ZoomInitiate(100, 100);
    dxf->ZoomFeedback(200, 200);
    EXPECT_NE(Shown(100, 100), kWhite) << "the band's fixed corner is drawn, not erased at once";
    EXPECT_NE(Shown(200, 180), kWhite) << "right edge of the band";
    EXPECT_EQ(gui::FromQRgb(Picture().Image().pixel(200, 180)), kWhite) << "the drawing itself is untouched";
    dxf->ZoomFeedback(150, 150);
    EXPECT_EQ(Shown(200, 120), kWhite) << "the first band is gone";
    EXPECT_NE(Shown(150, 120), kWhite);
    EXPECT_NE(Shown(100, 100), kWhite);
    dxf->ZoomEnd();
    EXPECT_EQ(Shown(100, 100), kWhite) << "the zoomed view has no band";
}

TEST_F(DragTest, APanMovesTheDrawingWithTheMouseAndIsPushed) {
    dxf->LetZoomFunction(dxfPan);
    EXPECT_EQ(Shown(0, 100), kRed);
    Drag(100, 100, 110, 100);
    EXPECT_TRUE(ViewNear(View(), ViewRect{-10, 300, 390, 0}));
    EXPECT_EQ(Shown(10, 100), kRed) << "the left edge moved 10 pixels right";
    EXPECT_EQ(Shown(0, 100), kWhite);
    dxf->ZoomPrevious();
    EXPECT_TRUE(ViewNear(View(), kExtents));
}

TEST_F(DragTest, AFunctionThatDoesNotZoomEndsTheDragAllTheSame) {
    dxf->LetZoomFunction(dxfDrillDown);
    EXPECT_EQ(dxf->ZoomInitiate(100, 100), -1);
    EXPECT_FALSE(dxf->AutoRedraw());
    EXPECT_EQ(dxf->ZoomEnd(), -1);
    EXPECT_TRUE(dxf->AutoRedraw());
    dxf->LetZoomFunction(dxfWindow);
    dxf->ZoomFeedback(200, 200);
    EXPECT_EQ(Shown(200, 180), kWhite) << "no drag is in progress, so no band";
    EXPECT_TRUE(ViewNear(View(), kExtents));
}

TEST_F(DragTest, FeedbackWithoutAPressDoesNothing) {
    EXPECT_TRUE(dxf->ZoomFeedback(200, 200).IsEmpty());
    EXPECT_EQ(Shown(200, 180), kWhite);
}

TEST_F(DragTest, ABandFollowsTheFunctionLastSetByTheHost) {
    com::PropertyBag bag;
    bag.WriteProperty("ZoomFunction", std::int32_t{dxfPan});
    auto restored = vb::New<DXFControl>();
    restored->SetSite(site);
    restored->ReadProperties(bag);
    restored->Widget()->resize(401, 301);
    restored->LetFilename(Write(FrameDrawing()));
    restored->Regen(dxfMergeNew, {}, {});
    ASSERT_EQ(restored->ZoomFunction(), dxfPan);
    restored->ZoomInitiate(100, 100);
    restored->ZoomFeedback(150, 120);
    const QImage& screen = restored->DrawingSurface().ScreenImage();
    EXPECT_NE(gui::FromQRgb(screen.pixel(150, 110)), kWhite) << "a box, since the band's copy is still 0";
}

}  // namespace
}  // namespace tiraq::test
