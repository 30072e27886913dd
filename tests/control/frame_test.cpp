#include "control_fixture.h"

#include "frame/image_picture.h"
#include "gui/control_window.h"
#include "gui/wait_cursor.h"

#include <QTest>

#include <functional>

namespace tiraq::test {
namespace {

TEST_F(ControlTest, AStoreWithoutKeysGivesEveryDefault) {
    const com::PropertyBag empty;
    dxf->ReadProperties(empty);
    EXPECT_EQ(dxf->BackColor(), 0x80000005u) << "the second read decides: the system window colour";
    EXPECT_EQ(Picture().ScaleMode(), gui::kScalePixels) << "the second ScaleMode read decides";
    EXPECT_FLOAT_EQ(dxf->OnTheSpotZoomPctLeft(), 200);
    EXPECT_FLOAT_EQ(dxf->OnTheSpotZoomPctRight(), 50);
    EXPECT_EQ(dxf->ZoomFunction(), dxfDrillDown);
    EXPECT_EQ(dxf->Filename(), "");
    EXPECT_EQ(dxf->PropFontName(), "Arial");
    EXPECT_EQ(dxf->MonoFontName(), "Courier New");
    EXPECT_EQ(dxf->TmpFileNamePath(), "C:\\TEMP") << "stored as read, without a backslash";
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNone);
    EXPECT_TRUE(dxf->UseDXFFonts());
    EXPECT_TRUE(dxf->AutoRedraw());
    EXPECT_FALSE(dxf->Enabled());
    EXPECT_EQ(dxf->StatusBarLocation(), posBottom);
    EXPECT_EQ(dxf->Font(), site->ambient) << "the host's ambient font";
}

TEST_F(ControlTest, SavedScaleValuesApplyOnlyToASurfaceSavedInAScaleOfItsOwn) {
    com::PropertyBag bag;
    bag.WriteProperty("ScaleHeight", 100.0);
    bag.WriteProperty("ScaleWidth", 50.0);
    dxf->ReadProperties(bag);
    EXPECT_EQ(Picture().ScaleMode(), gui::kScalePixels) << "saved scale values do not switch the pixel scale";
    EXPECT_FLOAT_EQ(dxf->ScaleWidth(), 401);
    bag.WriteProperty("ScaleMode", std::int32_t{gui::kScaleUser});
    dxf->ReadProperties(bag);
    EXPECT_EQ(Picture().ScaleMode(), gui::kScaleUser);
    EXPECT_FLOAT_EQ(dxf->ScaleHeight(), 100);
    EXPECT_FLOAT_EQ(dxf->ScaleWidth(), 50);
}

TEST_F(ControlTest, WrittenPropertiesReadBackTheSameSettings) {
    dxf->LetBackColor(0x00FFFF);
    dxf->LetZoomFunction(dxfPan);
    dxf->LetOnTheSpotZoomPctLeft(300);
    dxf->LetMonoFontName("Liberation Mono");
    dxf->LetPrintAllBlack(true);
    dxf->LetStatusBarLocation(posTop);
    com::PropertyBag bag;
    dxf->WriteProperties(bag);
    auto other = vb::New<DXFControl>();
    other->SetSite(site);
    other->ReadProperties(bag);
    EXPECT_EQ(other->BackColor(), 0x00FFFFu);
    EXPECT_EQ(other->ZoomFunction(), dxfPan);
    EXPECT_FLOAT_EQ(other->OnTheSpotZoomPctLeft(), 300);
    EXPECT_EQ(other->MonoFontName(), "Liberation Mono");
    EXPECT_TRUE(other->PrintAllBlack());
    EXPECT_EQ(other->StatusBarLocation(), posTop);
    EXPECT_EQ(other->TmpFileNamePath(), dxf->TmpFileNamePath());

    // Defaults are not kept, so a store of a control left as it started is empty but for the
    // values that differ from the defaults of the table.
    auto fresh = vb::New<DXFControl>();
    fresh->SetSite(site);
    fresh->ReadProperties(com::PropertyBag());
    com::PropertyBag freshBag;
    fresh->WriteProperties(freshBag);
    EXPECT_EQ(freshBag.ReadProperty("BackColor", "absent").ToString(), "absent");
    EXPECT_EQ(freshBag.ReadProperty("ScaleMode", "absent").ToString(), "absent");
}

TEST_F(ControlTest, PropertyLetsTellTheHostUnderTheSavedKey) {
    site->changed.clear();
    dxf->LetFilename("a.dxf");
    dxf->LetZoomFunction(dxfWindow);
    dxf->LetEnabled(true);
    EXPECT_EQ(site->changed, (std::vector<std::string>{"FileName", "ZoomFunction", "Enabled"}));
}

TEST_F(ControlTest, TheTemporaryFolderGetsATrailingBackslash) {
    dxf->LetTmpFileNamePath("/tmp/spool");
    EXPECT_EQ(dxf->TmpFileNamePath(), "/tmp/spool\\");
    dxf->LetTmpFileNamePath("C:\\TEMP\\");
    EXPECT_EQ(dxf->TmpFileNamePath(), "C:\\TEMP\\");
}

TEST_F(ControlTest, AStoredWindowsFolderOrAMissingOneSpoolsInTheSystemTemporaryFolder) {
    DxfBuilder b;
    b.Section("BLOCKS").Block("B").Line("0", "0", "10", "10").EndBlock().EndSection();
    b.Section("ENTITIES").Entity("INSERT", {{8, "0"}, {2, "B"}, {10, "5"}, {20, "5"}}).EndSection();
    for (const char* folderPath : {"C:\\TEMP", "/no/such/folder/"}) {
        com::PropertyBag bag;
        bag.WriteProperty("TmpFileNamePath", folderPath);
        dxf->ReadProperties(bag);
        EXPECT_EQ(Load(b.Text()), -1) << folderPath;
        std::string error;
        vb::Ref<vb::Collection> lines;
        ASSERT_TRUE(dxf->GetLines(error, lines)) << error;
        EXPECT_EQ(lines->Count(), 1);
    }
}

TEST_F(ControlTest, InsertCountIsSetOnlyWhileTheProgramRuns) {
    site->userMode = false;
    try {
        dxf->LetInsertCount(3);
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 382);
    }
    EXPECT_EQ(dxf->InsertCount(), 0);
    site->userMode = true;
    site->changed.clear();
    dxf->LetInsertCount(3);
    EXPECT_EQ(dxf->InsertCount(), 3);
    EXPECT_EQ(site->changed, std::vector<std::string>{"InsertCount"});
}

TEST_F(ControlTest, TheStatusBarStaysAlongTheBottomAtFullWidth) {
    dxf->LetStatusBarLocation(posTop);
    dxf->Widget()->show();
    dxf->Widget()->resize(500, 320);
    QCoreApplication::processEvents();
    EXPECT_EQ(dxf->StatusBar().geometry(), QRect(0, 320 - dxf->StatusBar().height(), 500, dxf->StatusBar().height()));
    EXPECT_EQ(Picture().size(), QSize(500, 320));
    EXPECT_TRUE(dxf->StatusBar().isHidden()) << "shown only while a file is read";
    Load();
    EXPECT_TRUE(dxf->StatusBar().isHidden());
}

TEST_F(ControlTest, TheHostReachesTheWindowThroughTheControl) {
    const auto window = com::QueryInterface<gui::ControlWindow>(static_cast<DXF*>(dxf.get()));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Widget(), dxf->Widget());
    EXPECT_EQ(Picture().parentWidget(), dxf->Widget());
}

TEST_F(ControlTest, MouseEventsReachTheHostUnchangedAndDoNothingElse) {
    Load();
    const ViewRect before = View();
    dxf->Widget()->show();
    QTest::mousePress(&Picture(), Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseMove(&Picture(), QPoint(60, 80));
    QTest::mouseRelease(&Picture(), Qt::RightButton, {}, QPoint(60, 80));
    ASSERT_GE(sink->mouse.size(), 3u);
    EXPECT_EQ(sink->mouse.front().what, "down");
    EXPECT_EQ(sink->mouse.front().button, 1);
    EXPECT_FLOAT_EQ(sink->mouse.front().x, 30);
    EXPECT_FLOAT_EQ(sink->mouse.front().y, 40);
    EXPECT_EQ(sink->mouse.back().what, "up");
    EXPECT_EQ(sink->mouse.back().button, 2);
    EXPECT_EQ(View(), before);
}

TEST_F(ControlTest, DisplayAttributesRedrawsOnlyAfterAPreviousViewWasDrawn) {
    Load();
    const int passes = sink->zoomCompletes;
    dxf->LetDisplayAttributes(dxfAttribsOn);
    EXPECT_EQ(sink->zoomCompletes, passes) << "right after Regen nothing is redrawn";
    EXPECT_EQ(dxf->ZoomPrevious(), -1);
    dxf->LetDisplayAttributes(dxfAttribsOff);
    EXPECT_EQ(sink->zoomCompletes, passes + 2);
}

TEST_F(ControlTest, ClearErasesOnlyTheSurface) {
    Load();
    EXPECT_EQ(Shown(200, 150), kRed) << "the diagonal";
    dxf->Clear();
    EXPECT_EQ(Shown(200, 150), kWhite);
    std::string error = "x";
    EXPECT_TRUE(dxf->Refresh(error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(Shown(200, 150), kRed);
    float l, t, r, b;
    EXPECT_TRUE(dxf->GetExtents(l, t, r, b));
    EXPECT_TRUE(ViewNear(ViewRect{l, t, r, b}, kExtents));
}

TEST_F(ControlTest, FailedConversionsRestoreThePointerAndThoseFromPixelsClearTheSurface) {
    Load();
    const auto description = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Number(), kErrTiraq);
            return e.Description();
        }
        return std::string("no error");
    };
    gui::SetScreenMousePointer(11);
    EXPECT_EQ(description([&] { dxf->CvtX(3e38f); }), "Error in CvtX.");
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
    gui::SetScreenMousePointer(11);
    EXPECT_EQ(description([&] { dxf->CvtY(-3e38f); }), "Error in CvtY.");
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
    EXPECT_EQ(Shown(200, 150), kRed) << "the world-to-pixel conversions leave the surface alone";

    gui::SetScreenMousePointer(11);
    const std::string overflow = description([&] { dxf->IntToRealX(vb::Variant(1e300)); });
    EXPECT_TRUE(overflow.ends_with("\r\n ->  IntToRealX.")) << overflow;
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
    EXPECT_EQ(Shown(200, 150), kWhite) << "cleared";

    dxf->DXFRefresh();
    gui::SetScreenMousePointer(11);
    const std::string mismatch = description([&] { dxf->IntToRealY(vb::Variant(std::string("abc"))); });
    EXPECT_TRUE(mismatch.ends_with("\r\n ->  IntToRealY.")) << mismatch;
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
    EXPECT_EQ(Shown(200, 150), kWhite) << "cleared";
}

TEST_F(ControlTest, BackColorIsUsedByTheNextPass) {
    Load();
    dxf->LetBackColor(0x000000);
    EXPECT_EQ(Shown(10, 10), kWhite) << "no redraw";
    dxf->DXFRefresh();
    EXPECT_EQ(Shown(10, 10), 0x000000u);
}

TEST_F(ControlTest, LayersAreTheLoadedDrawingsLayers) {
    Load();
    const auto layers = dxf->Layers();
    ASSERT_EQ(layers->Count(), 2);
    EXPECT_EQ(layers->Item(std::int32_t{2})->LayerName(), "NOTES");
    layers->Item(std::int32_t{2})->LetLayerOn(0);
    EXPECT_EQ(dxf->Layers()->Item(std::int32_t{2})->LayerOn(), 0) << "the object, not a copy";
    EXPECT_THROW(layers->Item("NOTES"), vb::RuntimeError) << "layers have no keys";
    EXPECT_THROW(layers->Item(std::int32_t{3}), vb::RuntimeError);
}

TEST_F(ControlTest, AutoSizeTakesThePicturesSize) {
    std::string error;
    dxf->Refresh(error);
    dxf->SetPicture(dxf->Image());  // a picture of 401 x 301 pixels
    dxf->Widget()->resize(100, 80);
    dxf->LetAutoSize(true);
    EXPECT_TRUE(dxf->AutoSize());
    EXPECT_EQ(dxf->Widget()->size(), QSize(401, 301));
}

// The host's picture lies under the drawing and comes back at every clear; the custom pointer shows the icon.
TEST_F(ControlTest, ThePictureIsShownUnderTheDrawingAndTheMouseIconIsTheCustomPointer) {
    QImage green(20, 10, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    const vb::Ref<com::Picture> picture = MakeImagePicture(green, gui::PictureBox::kScreenDotsPerInch);
    dxf->SetPicture(picture);
    EXPECT_EQ(Shown(5, 5), 0x00FF00u) << "shown at once";
    dxf->Clear();
    EXPECT_EQ(Shown(19, 9), 0x00FF00u) << "and again after a clear";
    EXPECT_EQ(Shown(20, 10), kWhite) << "the back colour beyond it";
    dxf->SetPicture(nullptr);
    dxf->Clear();
    EXPECT_EQ(Shown(5, 5), kWhite);

    dxf->LetMousePointer(99);
    EXPECT_EQ(Picture().cursor().shape(), Qt::ArrowCursor) << "no icon yet";
    dxf->SetMouseIcon(picture);
    EXPECT_EQ(Picture().cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(Picture().cursor().pixmap().size(), QSize(20, 10));
    dxf->LetMousePointer(2);
    EXPECT_EQ(Picture().cursor().shape(), Qt::CrossCursor);
}

}  // namespace
}  // namespace tiraq::test
