#include "display_fixture.h"

#include "display/primitives.h"
#include "display/rubber_band.h"
#include "display/text_extents.h"
#include "reader/error_chain.h"
#include "reader/reader_host.h"
#include "vb/convert.h"

#include <algorithm>

namespace tiraq::test {
namespace {

using Kind = gui::DrawCall::Kind;

TEST_F(DisplayFixture, AnEmptyListDrawsNothingAndChangesNothing) {
    state.CurrentView = ViewRect{1, 2, 3, 4};
    EXPECT_FALSE(ZoomOnPicture());
    EXPECT_EQ(state.CurrentView, (ViewRect{1, 2, 3, 4}));
    EXPECT_EQ(host.zoomCompletes, 0);
    EXPECT_EQ(host.gripHides, 0);
    EXPECT_EQ(host.pointer, kPointerDefault);
}

TEST_F(DisplayFixture, ViewsWidenToTheRightOrUpwardAndBecomeTheCurrentView) {
    AddLine(0, 0, 10, 10);
    EXPECT_TRUE(ZoomOnPicture(ViewRect{10, 110, 110, 10}));  // square view on a 4:3 picture
    EXPECT_EQ(state.CurrentView, (ViewRect{10, 110, 110, 10})) << "as asked, not widened";
    EXPECT_FLOAT_EQ(state.Conversion.ViewScale, 3);
    EXPECT_FLOAT_EQ(state.Conversion.XOrigin, 10);
    EXPECT_FLOAT_EQ(state.Conversion.YOrigin, 10);
    EXPECT_EQ(host.zoomCompletes, 1);

    EXPECT_TRUE(ZoomOnPicture(ViewRect{0, 300, 100, 0}));  // taller than the picture: widened right
    EXPECT_FLOAT_EQ(state.Conversion.ViewScale, 1);
    EXPECT_TRUE(ZoomOnPicture(ViewRect{0, 10, 400, 10}));  // no height: square, then widened right
    EXPECT_FLOAT_EQ(state.Conversion.ViewScale, 0.75f);
}

TEST_F(DisplayFixture, EmptyViewsAndEmptySurfacesEndThePass) {
    AddLine(0, 0, 10, 10);
    EXPECT_FALSE(ZoomOnPicture(ViewRect{5, 10, 5, 0}));
    picture.Resize(0, 0);
    EXPECT_FALSE(ZoomOnPicture()) << "a picture of no size ends the pass without dividing by zero";
    picture.Resize(400, 0);
    EXPECT_FALSE(ZoomOnPicture());
    EXPECT_EQ(host.zoomCompletes, 0);
    EXPECT_EQ(host.pointer, kPointerDefault);
    EXPECT_TRUE(Calls(Kind::Line).empty());
}

TEST_F(DisplayFixture, AScaleOutOfRangeShowsTheMessageAndStillSetsTheView) {
    AddLine(0, 0, 10, 10);
    const ViewRect tiny{0, 1e-5f, 1e-5f, 0};
    EXPECT_FALSE(ZoomOnPicture(tiny));
    EXPECT_EQ(state.CurrentView, tiny);
    EXPECT_FLOAT_EQ(state.Conversion.ViewScale, 0) << "the scale keeps its old value";
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Zoom out of range");
    EXPECT_TRUE(Calls(Kind::Line).empty());
    EXPECT_EQ(host.zoomCompletes, 0);
}

TEST_F(DisplayFixture, NewestOnlyDrawsTheLastFiveEntriesOrAllOfFewer) {
    for (int i = 1; i <= 4; ++i) AddLine(float(i), 10, float(i), 20);
    EXPECT_TRUE(ZoomOnPicture(kUnitView, true));
    EXPECT_EQ(Calls(Kind::Line).size(), 4u) << "four entries: all four";
    picture.Recording().Clear();
    for (int i = 5; i <= 10; ++i) AddLine(float(i), 10, float(i), 20);
    EXPECT_TRUE(ZoomOnPicture(kUnitView, true));
    const auto lines = Calls(Kind::Line);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines.front().points[0].x, 6);
    EXPECT_EQ(lines.back().points[0].x, 10);
}

TEST_F(DisplayFixture, PenWidthsFollowLineTypeAndScaleAndAreClamped) {
    LineRecord dotted;
    dotted.X2 = 100, dotted.Y2 = 100, dotted.LineType = 2, dotted.Linewidth = 3, dotted.LayerIndex = layer;
    db.AppendDrawn(dotted);
    PolylineRecord thin;
    thin.X1 = 10, thin.X2 = 50, thin.Y1 = thin.Y2 = 50, thin.LayerIndex = layer;
    db.AppendDrawn(thin);
    PolylineRecord thick = thin;
    thick.Linewidth = 1e7f;
    db.AppendDrawn(thick);
    EXPECT_TRUE(ZoomOnPicture());
    const auto lines = Calls(Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].pen.width, 0);
    EXPECT_EQ(lines[0].pen.style, gui::PenStyle::Dot);
    EXPECT_EQ(lines[1].pen.width, 1);
    EXPECT_EQ(lines[2].pen.width, kWidestPen);
}

TEST_F(DisplayFixture, TextsOfOnePixelOrLessAreSkipped) {
    AddText(10, 10, 1, "one");
    AddText(10, 20, 2, "two");
    EXPECT_TRUE(ZoomOnPicture());
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "two");
    EXPECT_EQ(texts[0].font.pixelHeight, 2);
    EXPECT_EQ(texts[0].points[0], (gui::PixelPoint{10, 280}));
}

TEST_F(DisplayFixture, TextsCullOnABoxAroundTheirAnchorWhateverTheirAlignment) {
    AddText(430, 150, 20, "right aligned into view", 0, 2);  // anchor right of the picture
    AddText(200, -5, 20, "rotated up into view", 90);        // anchor below the picture
    AddText(2000, 150, 20, "far away");
    EXPECT_TRUE(ZoomOnPicture());
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].align, gui::TextAlign::Right);
    EXPECT_DOUBLE_EQ(texts[1].rotation, 90);
}

TEST_F(DisplayFixture, FontNamesAreTrimmedButKeepInnerBlanksAndTextIsDecoded) {
    TextRecord text;
    text.X1 = 10, text.Y1 = 10, text.Height = 20, text.FontScalar = 1, text.LayerIndex = layer;
    text.Txt = "  caf\xE9  ";
    text.FontName = " Arial Narrow ";
    db.AppendDrawn(text);
    EXPECT_TRUE(ZoomOnPicture());
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.face, "Arial Narrow");
    EXPECT_EQ(texts[0].text, "caf\xC3\xA9");
}

TEST_F(DisplayFixture, FlatArcsAreChordsAndTheSweepRunsAcrossZero) {
    AddArc(200, 150, 20, 0, 10);    // sagitta 0: a chord
    AddArc(200, 150, 20, 0, 180);   // a half circle: an arc
    AddArc(200, 150, 100, 355, 5);  // ten degrees across 0: a chord, not a 350 degree arc
    EXPECT_TRUE(ZoomOnPicture());
    const auto lines = Calls(Kind::Line);
    const auto arcs = Calls(Kind::Arc);
    EXPECT_EQ(lines.size(), 2u);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].box, (gui::PixelRect{180, 130, 220, 170}));
    EXPECT_EQ(arcs[0].points[0], (gui::PixelPoint{220, 150}));
    EXPECT_EQ(arcs[0].points[1], (gui::PixelPoint{180, 150}));
}

TEST_F(DisplayFixture, ArcsCullOnTheirCircleAndArcsWhoseEndsMeetAreWhole) {
    // Both ends lie below the picture; the arc's top passes through it.
    AddArc(200, -100, 250, 30, 150);
    // Nearly a full turn: both ends fall on one pixel.
    AddArc(200, 150, 50, 0, 359.9f);
    EXPECT_TRUE(ZoomOnPicture());
    const auto arcs = Calls(Kind::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[1].points[0], arcs[1].points[1]) << "equal rays: the surface draws the whole circle";
}

TEST_F(DisplayFixture, FullCirclesDrawHollowEllipsesInTheirBox) {
    AddArc(100, 100, 10, 0, 0);
    AddArc(50, 50, 0.1f, 0, 0);
    EXPECT_TRUE(ZoomOnPicture());
    const auto ellipses = Calls(Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].box, (gui::PixelRect{90, 190, 110, 210}));
    EXPECT_EQ(ellipses[1].box, (gui::PixelRect{49, 249, 51, 251})) << "a one-pixel box grows to three";
}

TEST_F(DisplayFixture, FarEntitiesInADeepZoomDoNotAbortThePass) {
    AddLine(-1e6f, 5e-4f, 1e6f, 5e-4f);          // crosses the view
    AddLine(1e6f, 1e6f, 2e6f, 2e6f);             // far away
    AddArc(5e-4f, -1000, 1000.0005f, 0, 0);      // a huge circle whose top crosses the view
    AddBulge(-1e5f, 2.5e-4f, 1e5f, 2.5e-4f, 1e-12f);  // a near-zero bulge
    EXPECT_TRUE(ZoomOnPicture(ViewRect{0, 1e-3f, 1e-3f, 0}));
    EXPECT_EQ(host.zoomCompletes, 1);
    const auto lines = Calls(Kind::Line);
    ASSERT_EQ(lines.size(), 2u) << "the crossing line and the bulge's chord";
    for (const auto& line : lines)
        for (const auto& p : line.points) EXPECT_TRUE(p.x >= -10 && p.x <= 410) << p.x;
    EXPECT_FALSE(Calls(Kind::Polyline).empty()) << "the huge circle is traced where it is seen";
}

TEST_F(DisplayFixture, EllipsesAxisAlignedAsBoxesTiltedAndPartialTraced) {
    EllipseRecord upright;
    upright.X1 = 100, upright.Y1 = 100, upright.MajorY = 5, upright.Ratio = 0.5f, upright.EndParam = 6.2831855f;
    upright.LayerIndex = layer;
    db.AppendDrawn(upright);
    EllipseRecord tilted = upright;
    tilted.MajorX = 30, tilted.MajorY = 30;
    db.AppendDrawn(tilted);
    EllipseRecord half = upright;
    half.MajorX = 40, half.MajorY = 0, half.EndParam = 3.14159265f;
    db.AppendDrawn(half);
    EXPECT_TRUE(ZoomOnPicture());
    const auto ellipses = Calls(Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].box, (gui::PixelRect{98, 195, 102, 205})) << "5 units wide, 10 high (rounded)";
    const auto traced = Calls(Kind::Polyline);
    ASSERT_EQ(traced.size(), 2u);
    // The half ellipse runs from the end of the major axis over the top to its other end.
    EXPECT_EQ(traced[1].points.front(), (gui::PixelPoint{140, 200}));
    EXPECT_EQ(traced[1].points.back(), (gui::PixelPoint{60, 200}));
    const auto top = std::min_element(traced[1].points.begin(), traced[1].points.end(),
                                      [](auto a, auto b) { return a.y < b.y; });
    EXPECT_EQ(top->y, 180);
}

TEST_F(DisplayFixture, BulgesDrawTheirArcsOnTheRightSide) {
    AddBulge(100, 100, 200, 100, 1);   // counter-clockwise: the half below the chord
    AddBulge(100, 100, 200, 100, -1);  // clockwise: the half above, from the second point
    AddBulge(100, 100, 100, 200, 1);   // vertical chord: centre on its bisector
    AddBulge(100, 100, 100, 100, 1);   // no chord: nothing
    EXPECT_TRUE(ZoomOnPicture());
    const auto arcs = Calls(Kind::Arc);
    ASSERT_EQ(arcs.size(), 3u);
    EXPECT_EQ(arcs[0].box, (gui::PixelRect{100, 150, 200, 250}));
    EXPECT_EQ(arcs[0].points[0], (gui::PixelPoint{100, 200}));
    EXPECT_EQ(arcs[0].points[1], (gui::PixelPoint{200, 200}));
    EXPECT_EQ(arcs[1].points[0], (gui::PixelPoint{200, 200}));
    EXPECT_EQ(arcs[1].points[1], (gui::PixelPoint{100, 200}));
    EXPECT_EQ((arcs[2].box.top + arcs[2].box.bottom) / 2, 150) << "centre at y 150 on the device";
    EXPECT_EQ(arcs[0].pen, (gui::Pen{gui::PenStyle::Solid, 1, gui::kBlack}));
}

TEST_F(DisplayFixture, SolidsPointsAndAttributes) {
    SolidRecord solid;
    solid.X2 = 10, solid.X3 = 10, solid.Y3 = 10, solid.Y4 = 10, solid.LayerIndex = layer;
    db.AppendDrawn(solid);
    PointRecord point;
    point.X1 = 5, point.Y1 = 5, point.LayerIndex = layer, point.EntityColor = 0x00FF00;
    db.AppendDrawn(point);
    AttribRecord attribute;
    attribute.X = 50, attribute.Y = 50, attribute.Height = 10, attribute.FontScalar = 1;
    attribute.TagValue = "TAG", attribute.LayerIndex = layer;
    db.AppendDrawn(attribute);

    EXPECT_TRUE(ZoomOnPicture());
    EXPECT_EQ(Calls(Kind::Polygon).size(), 1u);
    ASSERT_EQ(Calls(Kind::Pixel).size(), 1u);
    EXPECT_EQ(Calls(Kind::Pixel)[0].colour, 0x00FF00u);
    EXPECT_TRUE(Calls(Kind::Text).empty()) << "attributes are off";
    routine.Settings.DisplayAttributes = 1;
    EXPECT_TRUE(ZoomOnPicture());
    ASSERT_EQ(Calls(Kind::Text).size(), 1u);
    EXPECT_EQ(Calls(Kind::Text)[0].text, "TAG");
}

TEST_F(DisplayFixture, HiddenLayersAndDeletedRecordsAreNotDrawn) {
    AddLine(0, 0, 100, 100);
    db.Lines[1].IsDeleted = -1;
    LineRecord hidden;
    hidden.X2 = 10, hidden.LayerIndex = db.SetLayerID("HIDDEN");
    db.Layers->Item(hidden.LayerIndex)->SetLayerOn(0);
    db.AppendDrawn(hidden);
    EXPECT_TRUE(ZoomOnPicture());
    EXPECT_TRUE(Calls(Kind::Line).empty());
}

TEST_F(DisplayFixture, AnEntryBeyondItsArrayEndsThePassQuietly) {
    AddLine(0, 0, 10, 10);
    db.SeqArray.Append(SeqEntry{DisplayKind::Circle, 7});
    EXPECT_FALSE(ZoomOnPicture());
    EXPECT_EQ(host.zoomCompletes, 0);
    EXPECT_EQ(host.clears, 0);
}

TEST_F(DisplayFixture, OtherErrorsClearThePictureAndChainTheRoutinesName) {
    struct FailingHost : CountingHost {
        void HideGrips() override { throw vb::RuntimeError(kErrTiraq, "Grips failed."); }
    } failing;
    DrawingRoutine failingRoutine(db, state, failing, picture);
    AddLine(0, 0, 10, 10);
    try {
        failingRoutine.Zoom(kUnitView, picture, nullptr, false);
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrTiraq);
        EXPECT_EQ(e.Description(), "Grips failed.\r\n ->  Zoom.");
    }
    EXPECT_EQ(failing.clears, 1);
    EXPECT_EQ(failing.pointer, kPointerDefault);
    EXPECT_EQ(failing.zoomCompletes, 0);
}

TEST_F(DisplayFixture, ProgressIsShownByTimeNotByEveryFiveHundredEntries) {
    for (int i = 0; i < 3000; ++i) AddLine(float(i % 400), 0, float(i % 400), 10);
    routine.ProgressInterval = std::chrono::hours(1);
    EXPECT_TRUE(ZoomOnPicture());
    EXPECT_EQ(picture.Refreshes(), 0);
    routine.ProgressInterval = std::chrono::milliseconds(0);
    EXPECT_TRUE(ZoomOnPicture());
    EXPECT_GE(picture.Refreshes(), 5) << "about every 500 entries";
    EXPECT_LE(picture.Refreshes(), 6);
}

struct PrintingFixture : DisplayFixture {
    PrintingFixture() {
        AddLine(0, 0, 100, 100);
        routine.Printer = &printer;
        host.redraw = [this] { ZoomOnPicture(state.CurrentView); };
        EXPECT_TRUE(ZoomOnPicture(ViewRect{0, 300, 400, 0}));
        screen = state.Conversion;
        host.zoomCompletes = 0;
    }
    gui::RecordingTarget printer{1000, 750, 300};
    ConversionState screen;
};

TEST_F(PrintingFixture, APrintPassWidensTheViewEndsTheDocumentAndRedrawsTheScreen) {
    db.DXFComplete = true;
    EXPECT_TRUE(routine.Zoom(ViewRect{0, 300, 400, 0}, picture, nullptr, true));
    EXPECT_EQ(printer.DocumentsEnded(), 1);
    EXPECT_EQ(host.zoomCompletes, 2) << "the screen pass, then the print pass";
    EXPECT_EQ(state.Conversion, screen);
    EXPECT_EQ(state.CurrentView, (ViewRect{0, 300, 400, 0}));
    const auto printed = printer.Recording().CallsOf(Kind::Line);
    ASSERT_EQ(printed.size(), 1u);
    // 1000 pixels for 440 units after widening by 5 % on each side.
    EXPECT_EQ(printed[0].points[0], (gui::PixelPoint{45, 716}));
}

TEST_F(PrintingFixture, AnIncompleteDrawingStillEndsItsDocumentAndKeepsTheScreenConversion) {
    db.DXFComplete = false;
    EXPECT_TRUE(routine.Zoom(ViewRect{0, 300, 400, 0}, picture, nullptr, true));
    EXPECT_EQ(printer.DocumentsEnded(), 1);
    EXPECT_EQ(host.zoomCompletes, 1) << "no screen redraw";
    EXPECT_EQ(state.Conversion, screen);
}

TEST_F(PrintingFixture, APassEndedEarlyEndsTheDocumentToo) {
    EXPECT_FALSE(routine.Zoom(ViewRect{5, 300, 5, 0}, picture, nullptr, true));
    EXPECT_EQ(printer.DocumentsEnded(), 1);
    EXPECT_FALSE(printer.DocumentOpen());
    EXPECT_EQ(state.Conversion, screen);
}

struct RecordingMetafile : gui::MetafileDevice {
    gui::RecordingSurface surface;
    int closes = 0;
    gui::DrawingSurface& Surface() override { return surface; }
    void CloseMetaFile() override { ++closes; }
};

TEST_F(PrintingFixture, AMetafilePassDrawsInThePicturesPixelsAndClosesTheMetafile) {
    RecordingMetafile metafile;
    EXPECT_TRUE(routine.Zoom(state.CurrentView, picture, &metafile, false));
    EXPECT_EQ(metafile.closes, 1);
    EXPECT_EQ(metafile.surface.CallsOf(Kind::Line).size(), 1u);
    EXPECT_EQ(state.Conversion, screen);
    EXPECT_FALSE(routine.Zoom(ViewRect{5, 300, 5, 0}, picture, &metafile, false));
    EXPECT_EQ(metafile.closes, 2);
}

TEST_F(DisplayFixture, StringExtentsUseThePicturesFontAtTheTextsPixelHeight) {
    AddText(0, 0, 20, "  abcd ");
    state.SetCvtParams(300, 0, 0, 1, 0);
    std::string error = "x";
    std::int32_t w = -1, h = -1;
    ASSERT_TRUE(GetStringDimensions(db, state, picture, error, 1, w, h));
    EXPECT_EQ(error, "");
    // The recording surface: an em of 20 pixels is a cell of 25, a character half a cell wide.
    EXPECT_EQ(w, 50);
    EXPECT_EQ(h, vb::CLng(25 * 0.66));
    EXPECT_DOUBLE_EQ(picture.FontSize(), 15) << "left at 20 pixels in points";
    EXPECT_FALSE(GetStringDimensions(db, state, picture, error, 2, w, h));
    EXPECT_EQ(error, "An error ocurred in GetStringDimensions. The message is: Subscript out of range");
    EXPECT_EQ(w, 50);
}

TEST(RubberBand, EachControlsBandFollowsItsOwnZoomFunction) {
    gui::RecordingTarget picture(400, 300);
    picture.SetScaleMode(gui::kScalePixels);
    DisplayHost host;
    DisplayState windowZoom, pan;
    pan.BandZoomFunction = 2;
    RubberBand(picture, windowZoom, host, 10, 10, 50, 40, 0);
    RubberBand(picture, pan, host, 10, 10, 50, 40, 0);
    const auto& calls = picture.Recording().Calls();
    ASSERT_EQ(picture.Recording().CallsOf(Kind::Rectangle).size(), 1u);
    ASSERT_EQ(picture.Recording().CallsOf(Kind::Line).size(), 1u);
    EXPECT_EQ(calls[1].kind, Kind::RasterOp);
    EXPECT_EQ(calls[1].rasterOp, gui::RasterOp::Invert);
    EXPECT_EQ(picture.DrawMode(), gui::kDrawCopyPen) << "the draw mode is put back";
    RubberBandCircle(picture, host, 100, 100, 103, 104);
    ASSERT_EQ(picture.Recording().CallsOf(Kind::Ellipse).size(), 1u);
    EXPECT_EQ(picture.Recording().CallsOf(Kind::Ellipse)[0].box, (gui::PixelRect{95, 95, 105, 105}));
}

}  // namespace
}  // namespace tiraq::test
