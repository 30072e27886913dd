#include "control_fixture.h"

#include "control/dxf_records.h"
#include "gui/wait_cursor.h"

namespace tiraq::test {
namespace {

TEST_F(ControlTest, RegenReadsAndDrawsTheExtents) {
    EXPECT_EQ(Load(), -1);
    EXPECT_TRUE(dxf->DXFDisplayed());
    EXPECT_TRUE(dxf->DXFComplete());
    EXPECT_TRUE(ViewNear(View(), kExtents));
    EXPECT_EQ(sink->zoomCompletes, 1);
    EXPECT_EQ(Shown(200, 150), kRed);
    EXPECT_EQ(Shown(100, 40), kWhite);
    EXPECT_EQ(Picture().ScaleMode(), gui::kScalePixels);
}

TEST_F(ControlTest, ADrawingWhoseHeaderKnowsNoExtentsIsShownWhole) {
    // Newer programs write a minimum above the maximum when they do not know the extents.
    std::string text = FrameDrawing();
    const auto replace = [&](std::string_view from, std::string_view to) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, from.size(), to);
    };
    replace("$EXTMIN\r\n 10\r\n0\r\n 20\r\n0\r\n", "$EXTMIN\r\n 10\r\n1E+20\r\n 20\r\n1E+20\r\n");
    replace("$EXTMAX\r\n 10\r\n400\r\n 20\r\n300\r\n", "$EXTMAX\r\n 10\r\n-1E+20\r\n 20\r\n-1E+20\r\n");
    EXPECT_EQ(Load(text), -1);
    EXPECT_TRUE(dialogs->Messages().empty());
    EXPECT_TRUE(ViewNear(View(), kExtents));
    EXPECT_EQ(Shown(200, 150), kRed);
}

TEST_F(ControlTest, RegenWithoutAFileNameReadsNothing) {
    EXPECT_EQ(dxf->Regen(dxfMergeNew, {}, {}), 0);
    EXPECT_FALSE(dxf->DXFDisplayed());
    EXPECT_EQ(sink->zoomCompletes, 0);
}

TEST_F(ControlTest, AParseReadsWithoutDrawing) {
    Load();
    dxf->Clear();
    EXPECT_EQ(Load(FrameDrawing(), dxfMergeParse), 0);
    EXPECT_FALSE(dxf->DXFDisplayed());
    EXPECT_EQ(sink->zoomCompletes, 1);
    EXPECT_EQ(Shown(200, 150), kWhite);
    std::string error;
    vb::Ref<vb::Collection> lines;
    ASSERT_TRUE(dxf->GetLines(error, lines));
    EXPECT_EQ(lines->Count(), 5) << "the database was reset and filled once";
}

TEST_F(ControlTest, AMergeAddsTheShiftedDrawingAndShowsItsExtents) {
    Load();
    DxfBuilder second;
    second.Section("ENTITIES").Line("0", "0", "50", "20").EndSection();
    EXPECT_EQ(Load(second.Text(), dxfMergeAdd, 100.0f, 0.0f), -1);
    std::string error;
    vb::Ref<vb::Collection> lines;
    ASSERT_TRUE(dxf->GetLines(error, lines));
    ASSERT_EQ(lines->Count(), 6);
    const auto last = com::QueryInterface<DXFRecord<clsLine>>(lines->Item("6").ToObject());
    ASSERT_TRUE(last);
    EXPECT_FLOAT_EQ(last->Record().X1, 100);
    EXPECT_FLOAT_EQ(last->Record().X2, 150);
    EXPECT_TRUE(ViewNear(View(), ViewRect{100, 20, 150, 0}));
}

TEST_F(ControlTest, AnEmptyDrawingIsDisplayedButNotDrawn) {
    DxfBuilder empty;
    empty.Section("ENTITIES").EndSection();
    EXPECT_EQ(Load(empty.Text()), 0);
    EXPECT_TRUE(dxf->DXFDisplayed());
    std::string error;
    EXPECT_TRUE(dxf->Refresh(error)) << "drawing nothing is no failure";
}

TEST_F(ControlTest, AFileThatIsNoDrawingEndsInTheChainAndLeavesNothingShown) {
    Load();
    try {
        dxf->LetFilename(Write("hello\r\nworld\r\n", "note.txt"));
        dxf->Regen(dxfMergeNew, {}, {});
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrTiraq);
        const std::string text = e.Description();
        EXPECT_NE(text.find("does not appear to be a DXF file."), std::string::npos) << text;
        const std::string tail = "\r\n ->  LoadDXF.\r\n ->  Regen.";
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << text;
    }
    EXPECT_FALSE(dxf->DXFDisplayed());
    EXPECT_EQ(Shown(200, 150), kWhite) << "the surface was cleared";
    EXPECT_EQ(gui::ScreenMousePointer(), 0);
}

TEST_F(ControlTest, EntityQueriesHandOutRecordObjectsKeyedByIndex) {
    Load();
    std::string error;
    vb::Ref<vb::Collection> strings;
    ASSERT_TRUE(dxf->GetStrings(error, strings)) << error;
    ASSERT_EQ(strings->Count(), 4);
    const auto second = com::QueryInterface<DXFRecord<clsString>>(strings->Item("2").ToObject());
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Record().LayerName, "NOTES");
    EXPECT_FALSE(com::QueryInterface<DXFRecord<clsLine>>(strings->Item(1).ToObject()));
    vb::Ref<vb::Collection> lines;
    ASSERT_TRUE(dxf->GetLines(error, lines));
    EXPECT_EQ(sink->linesRead, 1) << "the host hears how far the lines were read";
    vb::Ref<vb::Collection> untouched;
    std::string block;
    float x = 0, y = 0;
    EXPECT_FALSE(dxf->GetInsert(error, 1, block, x, y, untouched)) << "the drawing has no insert";
    EXPECT_FALSE(untouched);
}

}  // namespace
}  // namespace tiraq::test
