#include "control_fixture.h"

#include "control/dxf_records.h"
#include "frame/user_control.h"

namespace tiraq::test {
namespace {

constexpr std::uint32_t kBlack = 0x000000;

// The frame drawing on a 400 x 300 picture: one drawing unit is one pixel, pixel (x, y) is the
// world point (x, 300 - y).
class RedlineTest : public ControlTest {
protected:
    RedlineTest() {
        Load();
        dxf->LetRedlineCurrentLayer("MARKUP");
    }
    void Drag(ZoomFunctionEnum function, float x1, float y1, float x2, float y2) {
        dxf->LetZoomFunction(function);
        dxf->ZoomInitiate(x1, y1);
        dxf->ZoomFeedback(x2, y2);
        dxf->ZoomEnd();
    }
    void Click(float x, float y) {
        dxf->LetZoomFunction(dxfRedLineSelect);
        EXPECT_EQ(dxf->ZoomInitiate(x, y), 0);
    }
    std::int32_t Selected() { return dxf->RedlineEntitySelected().ToLong(); }
    // Whether the grips stand centred on the corners of the box.
    ::testing::AssertionResult GripsFrame(int left, int top, int right, int bottom) {
        const int half = UserControl::kGripSize / 2;
        const QPoint expected[4] = {{left - half, top - half}, {right - half, top - half},
                                    {left - half, bottom - half}, {right - half, bottom - half}};
        for (std::size_t i = 0; i < 4; ++i) {
            if (dxf->Grip(i).isHidden()) return ::testing::AssertionFailure() << "grip " << i << " is hidden";
            if (dxf->Grip(i).pos() != expected[i])
                return ::testing::AssertionFailure() << "grip " << i << " at " << dxf->Grip(i).x() << ", "
                                                     << dxf->Grip(i).y();
        }
        return ::testing::AssertionSuccess();
    }
    bool GripsHidden() {
        for (std::size_t i = 0; i < 4; ++i)
            if (!dxf->Grip(i).isHidden()) return false;
        return true;
    }
};

TEST_F(RedlineTest, ALineDragAddsALineOnTheCurrentLayerAndDrawsIt) {
    Drag(dxfRedLineLine, 100, 200, 200, 200);
    EXPECT_EQ(Shown(150, 200), kBlack) << "the new layer's colour 0";
    EXPECT_EQ(dxf->RedlineEntityID(), 10) << "nine entities were loaded";
    EXPECT_EQ(dxf->Layers()->Item(vb::Variant(dxf->Layers()->Count()))->LayerName(), "MARKUP");
}

TEST_F(RedlineTest, AClickOnALineSelectsItAndShowsItsGripsButTheBackgroundBesideItDoesNot) {
    Drag(dxfRedLineLine, 100, 200, 200, 200);
    Click(150, 201);
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNone) << "inside the box, on a background pixel";
    EXPECT_TRUE(GripsHidden());
    Click(150, 200);
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNewLine);
    EXPECT_EQ(Selected(), 6);
    // The line keeps (200, 100) as its first end point: the box runs from x 199 to 101.
    EXPECT_TRUE(GripsFrame(199, 201, 101, 199));
}

TEST_F(RedlineTest, ARectangleIsPickedDeletedAndBroughtBackWhole) {
    Drag(dxfRedLineRectangle, 100, 100, 200, 180);
    Drag(dxfRedLineRectangle, 250, 100, 300, 150);
    Click(100, 140);
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNewLine);
    // The hit side's box, one pixel wider than the side, grown over the corners of the others.
    EXPECT_TRUE(GripsFrame(99, 181, 200, 99)) << "the grips frame the whole rectangle";
    std::string error = "x";
    ASSERT_TRUE(dxf->RedlineDeleteEntity(error)) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNone);
    EXPECT_TRUE(GripsHidden());
    for (const auto& [x, y] : {std::pair{100, 140}, {150, 100}, {200, 140}, {150, 180}})
        EXPECT_EQ(Shown(x, y), kWhite) << x << ", " << y;
    EXPECT_EQ(Shown(250, 120), kBlack) << "the other rectangle stays";
    ASSERT_TRUE(dxf->RedlineUnDeleteEntity(error)) << error;
    EXPECT_EQ(Shown(150, 100), kBlack);
    EXPECT_EQ(Shown(200, 140), kBlack);
}

TEST_F(RedlineTest, LinesAreTestedBeforeCircles) {
    dxf->DXFAddCircle(150, 150, 150, 100, "MARKUP");
    Drag(dxfRedLineLine, 100, 200, 200, 200);
    Click(150, 200);
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNewLine);
    Click(200, 150);
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNewCircle);
    EXPECT_EQ(Selected(), 1);
}

TEST_F(RedlineTest, ASelectedLineMovesWithTheMouse) {
    Drag(dxfRedLineLine, 100, 200, 200, 200);
    Click(150, 200);
    Drag(dxfRedlineMove, 150, 200, 160, 190);
    EXPECT_EQ(Shown(150, 200), kWhite);
    EXPECT_EQ(Shown(160, 190), kBlack);
    EXPECT_EQ(Shown(205, 190), kBlack);
}

TEST_F(RedlineTest, SolidsAndTextsAreSelectedByWhatWasDrawn) {
    Drag(dxfRedlineSolid, 300, 250, 340, 280);
    dxf->DXFAddText(50, 100, "MARK", "MARKUP", dxfRealWorld, vb::Variant(20.0), {}, {});
    std::string error;
    dxf->Refresh(error);
    Click(320, 265);
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNewSolid);
    bool textSelected = false;
    for (int x = 52; x < 100 && !textSelected; ++x)
        for (int y = 190; y < 200 && !textSelected; ++y)
            if (Shown(x, y) == kBlack) {
                Click(float(x), float(y));
                textSelected = dxf->RedlineEntityType() == dxfRedLineNewText;
            }
    EXPECT_TRUE(textSelected) << "a pixel of the text picks it";
}

// On a black picture a black layer's mark-up is drawn white, and is picked all the same.
TEST_F(RedlineTest, MarkupDrawnInAnotherColourThanItsLayersIsStillPicked) {
    dxf->LetBackColor(kBlack);
    Drag(dxfRedLineLine, 100, 200, 200, 200);
    std::string error;
    dxf->Refresh(error);
    ASSERT_EQ(Shown(150, 200), kWhite);
    Click(150, 200);
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNewLine);
}

TEST_F(RedlineTest, PixelTextsLandWhereTheViewShowsThemAndTakeTheDefaultHeight) {
    dxf->LetRedlineTextHeight(2.5f);
    dxf->DXFAddText(0, 0, "corner", "MARKUP", dxfPixel, {}, {}, {});
    dxf->DXFAddText(10, 20, "given", "MARKUP", dxfRealWorld, vb::Variant(1.0), vb::Variant(std::int32_t{2}),
                    vb::Variant(45.0));
    std::string error;
    vb::Ref<vb::Collection> texts;
    ASSERT_TRUE(dxf->GetStrings(error, texts)) << error;
    const auto text = [&](std::int32_t i) {
        return com::QueryInterface<DXFRecord<clsString>>(texts->Item(i).ToObject())->Record();
    };
    const clsString corner = text(texts->Count() - 1), given = text(texts->Count());
    EXPECT_FLOAT_EQ(corner.X1, 0);
    EXPECT_FLOAT_EQ(corner.Y1, 300) << "the upper left corner of the view";
    EXPECT_FLOAT_EQ(corner.Height, 2.5f);
    EXPECT_FLOAT_EQ(given.Height, 1);
    EXPECT_EQ(given.HorzAlign, 2);
    EXPECT_FLOAT_EQ(given.Rotation, 45);
}

// A mark-up text in the host's UTF-8 is kept in the drawing's code page, like the texts read from the file,
// so it is found again by the text the host typed.
TEST_F(RedlineTest, AMarkupTextWithAccentsIsStoredInTheDrawingsCodePage) {
    dxf->DXFAddText(10, 20, "45\u00B0 \u00D8", "MARKUP", dxfRealWorld, vb::Variant(1.0), {}, {});
    std::string error;
    vb::Ref<vb::Collection> texts;
    ASSERT_TRUE(dxf->GetStrings(error, texts)) << error;
    const clsString added =
        com::QueryInterface<DXFRecord<clsString>>(texts->Item(texts->Count()).ToObject())->Record();
    EXPECT_TRUE(added.Txt.starts_with("45\xB0 \xD8")) << added.Txt;
    EXPECT_EQ(dxf->Find("45\u00B0 \u00D8", 0, {}), texts->Count());
}

TEST_F(RedlineTest, TheSelectionCanBeSetOnlyWhileTheProgramRuns) {
    site->userMode = false;
    for (const auto& set : std::initializer_list<std::function<void()>>{
             [&] { dxf->LetRedlineEntityType(dxfRedLineNewCircle); },
             [&] { dxf->LetRedlineEntitySelected(vb::Variant(std::int32_t{2})); },
             [&] { dxf->LetRedlineEntityID(3); }}) {
        try {
            set();
            ADD_FAILURE();
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Number(), 382);
        }
    }
    EXPECT_EQ(dxf->RedlineEntityType(), dxfRedLineNone);
    dxf->LetRedlineCurrentLayer("ANY");
    EXPECT_EQ(dxf->RedlineCurrentLayer(), "ANY");
}

TEST_F(RedlineTest, TheDeleteMembersAnswerWithTheirOwnMessages) {
    std::string error;
    dxf->LetRedlineEntityType(dxfRedLineNewSolid);
    dxf->LetRedlineEntitySelected(vb::Variant(std::int32_t{9}));
    EXPECT_FALSE(dxf->RedlineDeleteEntity(error));
    EXPECT_EQ(error, "An error occured in RedlineDeleteEntity. The message is: Subscript out of range.");
    std::int32_t position = 99;
    EXPECT_FALSE(dxf->RedlineTagForDelete(error, position));
    EXPECT_EQ(error, "An error occurred in RedlineTagForDelete. The message is Subscript out of range");
    position = 1;
    ASSERT_TRUE(dxf->RedlineTagForDelete(error, position));
    EXPECT_EQ(Shown(0, 150), kRed) << "no redraw";
    dxf->Refresh(error);
    EXPECT_EQ(Shown(200, 299), kWhite) << "the bottom edge of the frame is gone";
    EXPECT_FALSE(dxf->SetInsertColor(error, 0, 0xFF));
    EXPECT_EQ(error, "DXF.SetInsertColor: Cannot change the color of inserted block '0'.");
}

}  // namespace
}  // namespace tiraq::test

namespace tiraq::test {
namespace {

// For reviewers: a selected redline rectangle in its grips, beside a line, a circle, a solid and a text.
TEST_F(RedlineTest, ScreenshotOfASelectedRectangle) {
    Drag(dxfRedLineRectangle, 100, 100, 200, 180);
    Drag(dxfRedLineLine, 220, 60, 380, 120);
    Drag(dxfRedLineCircle, 300, 200, 330, 200);
    Drag(dxfRedlineSolid, 30, 200, 80, 260);
    dxf->DXFAddText(120, 60, "CHECK", "MARKUP", dxfRealWorld, vb::Variant(16.0), {}, {});
    std::string error;
    dxf->Refresh(error);
    Click(100, 140);
    ASSERT_EQ(dxf->RedlineEntityType(), dxfRedLineNewLine);
    const std::filesystem::path shots = std::filesystem::path(QUELLMAR_PROGRAM_DIR).parent_path() / "screenshots";
    std::filesystem::create_directories(shots);
    dxf->Widget()->show();
    EXPECT_TRUE(dxf->Widget()->grab().save(QString::fromStdString((shots / "output_redline_selection.png").string())));
}

}  // namespace
}  // namespace tiraq::test
