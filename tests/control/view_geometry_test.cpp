#include "frame/text_finder.h"
#include "frame/view_geometry.h"

#include <gtest/gtest.h>

namespace tiraq {
namespace {

constexpr ViewRect kA{0, 10, 10, 0}, kB{1, 9, 9, 1}, kC{2, 8, 8, 2}, kD{3, 7, 7, 3}, kE{4, 6, 6, 4};

TEST(PreviousViews, KeepFourAndWalkBackToTheExtents) {
    PreviousViews stack;
    stack.Fill(kA);
    for (const ViewRect& v : {kB, kC, kD, kE}) stack.Push(v);
    EXPECT_EQ(stack[0], kE);
    EXPECT_EQ(stack[3], kB) << "the oldest (the extents) is lost";
    EXPECT_EQ(stack.Pop(kA), kD);
    EXPECT_EQ(stack.Pop(kA), kC);
    EXPECT_EQ(stack.Pop(kA), kB);
    EXPECT_EQ(stack.Pop(kA), kA);
    EXPECT_EQ(stack.Pop(kA), kA);
}

ConversionState Unit(std::int32_t height = 300) {
    ConversionState c;
    c.ViewScale = 1;
    c.PixelHeight = height;
    return c;
}

TEST(DrillDownView, KeepsTheClickedPointWhereItWas) {
    const ViewRect view{0, 300, 400, 0};
    EXPECT_EQ(DrillDownView(view, Unit(), 200, 150, 200), (ViewRect{100, 225, 300, 75}));
    EXPECT_EQ(DrillDownView(view, Unit(), 0, 300, 200), (ViewRect{0, 150, 200, 0})) << "bottom left pixel";
    EXPECT_EQ(DrillDownView(view, Unit(), 400, 0, 50), (ViewRect{-400, 300, 400, -300})) << "top right, zoomed out";
}

// The runtime's error of the division that has no result.
std::string DivisionError(const ViewRect& view, const ConversionState& conversion, float x, float y,
                          std::int16_t percentage) {
    try {
        DrillDownView(view, conversion, x, y, percentage);
    } catch (const vb::RuntimeError& e) {
        return std::to_string(e.Number()) + " " + e.Description();
    }
    return "no error";
}

TEST(DrillDownView, RaisesTheRuntimesErrorWhereItDividesByZero) {
    EXPECT_EQ(DivisionError(ViewRect{0, 300, 400, 0}, Unit(), 10, 10, 0), "11 Division by zero");
    EXPECT_EQ(DivisionError(ViewRect{5, 300, 5, 0}, Unit(), 10, 10, 200), "11 Division by zero") << "no width";
    EXPECT_EQ(DivisionError(ViewRect{0, 7, 400, 7}, Unit(), 10, 10, 200), "11 Division by zero") << "no height";
    EXPECT_EQ(DivisionError(ViewRect{5, 300, 5, 0}, Unit(), 0, 10, 200), "6 Overflow") << "0 / 0 at the left edge";
    EXPECT_EQ(DivisionError(ViewRect{0, 300, 400, 0}, ConversionState{}, 10, 10, 200), "11 Division by zero")
        << "no pass yet";
}

TEST(WindowDrag, IsTooSmallUnderThreePixelsBothWaysOrWithoutASide) {
    EXPECT_TRUE(WindowTooSmall(PixelBox{10, 10, 12, 12}));
    EXPECT_FALSE(WindowTooSmall(PixelBox{10, 10, 12, 13}));
    EXPECT_FALSE(WindowTooSmall(PixelBox{13, 10, 10, 12})) << "either direction";
    EXPECT_TRUE(WindowTooSmall(PixelBox{10, 10, 10, 15})) << "no width";
    EXPECT_TRUE(WindowTooSmall(PixelBox{10, 10, 90, 10})) << "no height";
}

TEST(WindowDrag, GivesTheSameViewWhicheverCornerItStartsFrom) {
    const ViewRect view{100, 400, 500, 100};
    ConversionState conversion = Unit(600);
    conversion.ViewScale = 2;
    const ViewRect forward = WindowZoomView(view, conversion, PixelBox{20, 40, 220, 140});
    EXPECT_EQ(forward, (ViewRect{110, 380, 210, 330}));
    EXPECT_EQ(WindowZoomView(view, conversion, PixelBox{220, 140, 20, 40}), forward);
}

TEST(PanDrag, MovesTheDrawingWithTheMouse) {
    const ViewRect view{0, 300, 400, 0};
    EXPECT_EQ(PanView(view, 2, 100, 100, 110, 100), (ViewRect{-5, 300, 395, 0})) << "right: view moves left";
    EXPECT_EQ(PanView(view, 1, 100, 100, 100, 120), (ViewRect{0, 320, 400, 20})) << "down: view moves up";
    EXPECT_THROW(PanView(view, 1, -30000, 0, 30000, 0), vb::RuntimeError) << "Integer overflow";
}

TEST(CentredView, KeepsTheSize) { EXPECT_EQ(CentredView(ViewRect{0, 30, 40, 0}, 100, 50), (ViewRect{80, 65, 120, 35})); }

TEST(TextFinder, GoesOnAfterTheLastHitAndStartsAgainAtTheEnd) {
    DrawingDatabase db;
    db.ResetEntities();
    const std::int32_t layer0 = db.SetLayerID("0"), notes = db.SetLayerID("NOTES");
    const auto add = [&](std::int32_t layer, std::string txt) {
        TextRecord t;
        t.LayerIndex = layer;
        t.Txt = std::move(txt);
        db.AppendDrawn(t);
    };
    add(layer0, "PUMP");
    add(notes, "  pump ");
    add(layer0, "PUMP  HOUSING");
    add(notes, "Pump");
    TextFinder finder;
    EXPECT_EQ(finder.Next(db, "pump", 0), 1);
    EXPECT_EQ(finder.Next(db, "pump", 0), 2) << "case and outer blanks do not count";
    EXPECT_EQ(finder.Next(db, "pump", 0), 4) << "inner blanks do";
    EXPECT_EQ(finder.Next(db, "pump", 0), 1) << "after the last text the search starts again";
    EXPECT_EQ(finder.Next(db, "PUMP", notes), 2) << "a new layer restarts the search";
    EXPECT_EQ(finder.Next(db, "PUMP", notes), 4);
    EXPECT_EQ(finder.Next(db, "PUMP", notes), 2);
    EXPECT_EQ(finder.Next(db, "VALVE", 0), 0);
    finder.Next(db, "pump", 0);
    finder.Reset();
    EXPECT_EQ(finder.Next(db, "pump", 0), 1);
}

TEST(TextFinder, FindsTheHostsTextInTheDrawingsCodePage) {
    DrawingDatabase db;
    db.ResetEntities();
    TextRecord t;
    t.LayerIndex = db.SetLayerID("0");
    t.Txt = "\xC4RGER 45\xB0";  // as the file holds it: Windows-1252 bytes
    db.AppendDrawn(t);
    TextFinder finder;
    EXPECT_EQ(finder.Next(db, "\xC3\xA4rger 45\xC2\xB0", 0), 1) << "UTF-8, lower case";
}

}  // namespace
}  // namespace tiraq
