#include "reader_fixture.h"

#include "reader/colour_table.h"
#include "reader/pen_styles.h"

#include <gtest/gtest.h>

#include <array>

namespace tiraq::test {
namespace {

using EntityReaders = ReaderTest;

DxfBuilder DashedLayerTable() {
    DxfBuilder dxf;
    dxf.Section("TABLES").LayerTable().Layer("0").Layer("HIDDEN", "3", "0", "DASHED").EndTable().EndSection();
    return dxf;
}

TEST_F(EntityReaders, LineColoursComeFromGroup62WithByLayerAsZero) {
    DxfBuilder dxf;
    dxf.Entity("LINE", {{8, "0"}, {10, "0"}});
    dxf.Entity("LINE", {{8, "0"}, {62, "1"}});
    dxf.Entity("LINE", {{8, "0"}, {62, "256"}});
    dxf.Entity("LINE", {{8, "0"}, {62, "0"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    ASSERT_EQ(db.LineCount(), 4);
    EXPECT_EQ(db.Lines[1].EntityColor, 0);
    EXPECT_EQ(db.Lines[2].EntityColor, ACIToRGB(1));
    EXPECT_EQ(db.Lines[3].EntityColor, 0);  // by layer, not white
    EXPECT_EQ(db.Lines[4].EntityColor, 0);
}

TEST_F(EntityReaders, LinesAndCirclesTakeTheLayersLineTypeOthersKeepSolid) {
    DxfBuilder dxf = DashedLayerTable();
    dxf.Section("ENTITIES");
    dxf.Entity("LINE", {{8, "HIDDEN"}, {6, "CONTINUOUS"}});
    dxf.Entity("LINE", {{8, "HIDDEN"}, {6, "DOT"}});
    dxf.Entity("CIRCLE", {{8, "HIDDEN"}, {40, "1"}});
    dxf.Entity("ELLIPSE", {{8, "HIDDEN"}, {11, "1"}, {40, "0.5"}});
    dxf.Entity("3DFACE", {{8, "HIDDEN"}});
    ASSERT_TRUE(Load(dxf.EndSection().Text()));
    EXPECT_EQ(db.Lines[1].LineType, kPenDash);
    EXPECT_EQ(db.Lines[2].LineType, kPenDot);
    EXPECT_EQ(db.Circles[1].LineType, kPenDash);
    EXPECT_EQ(db.Ellipses[1].LineType, kPenSolid);
    EXPECT_EQ(db.Lines[3].LineType, kPenSolid);
}

TEST_F(EntityReaders, ArcAnglesAreBroughtBelow360AndCirclesWidenBySquare) {
    DxfBuilder dxf;
    dxf.Entity("ARC", {{8, "0"}, {10, "0"}, {20, "0"}, {40, "2"}, {50, "370"}, {51, "10"}});
    dxf.Entity("ARC", {{8, "0"}, {10, "100"}, {20, "0"}, {40, "1"}, {50, "-10"}, {51, "1E+30"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.Circles[1].StartAngle, 10);
    EXPECT_EQ(db.Circles[1].EndAngle, 10);
    EXPECT_EQ(db.Circles[2].StartAngle, -10);
    EXPECT_GE(db.Circles[2].EndAngle, 0);
    EXPECT_LT(db.Circles[2].EndAngle, 360);
    // The first counts as a full circle: its square; the second by its arc's end points.
    EXPECT_EQ(db.DrawingExtents.Left, -2);
    EXPECT_EQ(db.DrawingExtents.Bottom, -2);
    EXPECT_GT(db.DrawingExtents.Right, 100);

    DxfBuilder circle;
    circle.Entity("CIRCLE", {{8, "0"}, {10, "5"}, {20, "5"}, {40, "1"}});
    ASSERT_TRUE(Load(Drawing(circle)));
    EXPECT_EQ(db.Circles[1].StartAngle, 0);
    EXPECT_EQ(db.Circles[1].EndAngle, 0);
    EXPECT_EQ(db.DrawingExtents, (ViewRect{4, 6, 6, 4}));
}

TEST_F(EntityReaders, SolidsAreStoredInOutlineOrderAndThreeDFacesAsFourLines) {
    DxfBuilder dxf;
    dxf.Entity("SOLID", {{8, "0"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}, {12, "0"}, {22, "1"}, {13, "1"},
                         {23, "1"}});
    dxf.Entity("3DFACE", {{8, "0"}, {10, "0"}, {20, "0"}, {11, "2"}, {21, "0"}, {12, "2"}, {22, "2"}, {13, "0"},
                          {23, "2"}});
    ASSERT_TRUE(Load(Drawing(dxf)));
    const SolidRecord& s = db.Solids[1];
    EXPECT_EQ((std::vector<float>{s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3, s.X4, s.Y4}),
              (std::vector<float>{0, 0, 1, 0, 1, 1, 0, 1}));
    ASSERT_EQ(db.LineCount(), 4);
    EXPECT_EQ(db.SeqCount(), 5);
    EXPECT_EQ(db.Lines[2].X1, 2);
    EXPECT_EQ(db.Lines[2].Y2, 2);
    EXPECT_EQ(db.Lines[4].X1, 0);
    EXPECT_EQ(db.Lines[4].Y1, 2);
    EXPECT_EQ(db.Lines[4].X2, 0);
    EXPECT_EQ(db.Lines[4].Y2, 0);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(db.SeqArray[i + 1].EntityKind, DisplayKind::Line);
}

TEST_F(EntityReaders, PointsAndEllipsesKeepTheirValuesAndWidenNothing) {
    DxfBuilder dxf;
    dxf.Entity("POINT", {{8, "0"}, {10, "50"}, {20, "60"}, {30, "7"}});
    dxf.Entity("ELLIPSE", {{8, "0"}, {10, "1"}, {20, "2"}, {11, "3"}, {21, "4"}, {40, "0.5"}, {41, "0"},
                           {42, "6.5"}});
    dxf.Line("0", "0", "1", "1");
    ASSERT_TRUE(Load(Drawing(dxf)));
    EXPECT_EQ(db.Points[1].Z1, 7);
    EXPECT_EQ(db.Ellipses[1].MajorX, 3);
    EXPECT_EQ(db.Ellipses[1].Ratio, 0.5f);
    EXPECT_EQ(db.Ellipses[1].EndParam, 6.5f);
    EXPECT_EQ(db.SeqArray[2].EntityKind, DisplayKind::Ellipse);
    EXPECT_EQ(db.DrawingExtents, (ViewRect{0, 1, 1, 0}));
}

DxfBuilder HeaderWith(bool min, bool max) {
    DxfBuilder dxf;
    dxf.Section("HEADER");
    if (min) dxf.Group(9, "$EXTMIN").Group(10, "0").Group(20, "0").Group(30, "0");
    if (max) dxf.Group(9, "$EXTMAX").Group(10, "10").Group(20, "10").Group(30, "0");
    dxf.EndSection().Section("ENTITIES").Line("-5", "-5", "20", "30").EndSection();
    return dxf;
}

TEST_F(EntityReaders, HeaderExtentsHoldUnlessTheControlCalculatesThem) {
    ASSERT_TRUE(Load(HeaderWith(true, true).Text()));
    EXPECT_EQ(db.DrawingExtents, (ViewRect{0, 10, 10, 0}));
    reader.Properties.CalcExtents = true;
    ASSERT_TRUE(Load(HeaderWith(true, true).Text()));
    EXPECT_EQ(db.DrawingExtents, (ViewRect{-5, 30, 20, -5}));
    reader.Properties.CalcExtents = false;
    // Only $EXTMIN: the entities widen from it and from -1E+30.
    ASSERT_TRUE(Load(HeaderWith(true, false).Text()));
    EXPECT_EQ(db.DrawingExtents, (ViewRect{-5, 30, 20, -5}));
    ASSERT_TRUE(Load(DxfBuilder()
                         .Section("HEADER").Group(9, "$EXTMIN").Group(10, "-100").Group(20, "-100").EndSection()
                         .Section("ENTITIES").Line("1", "1", "2", "2").EndSection().Text()));
    EXPECT_EQ(db.DrawingExtents, (ViewRect{-100, 2, 2, -100}));
}

TEST_F(EntityReaders, AHeaderThatKnowsNoExtentsLeavesThemToTheEntities) {
    // Programs that do not know a drawing's extents write the minimum above the maximum, the same
    // point for both, or no number at all; a header that gives them no width or no height knows
    // none either.
    const std::array<std::array<const char*, 4>, 4> headers = {{
        {"1.000000000000000E+20", "1.000000000000000E+20", "-1.000000000000000E+20", "-1.000000000000000E+20"},
        {"5", "5", "5", "5"},
        {"n/a", "n/a", "n/a", "n/a"},
        {"0", "7", "50", "7"},
    }};
    for (const auto& header : headers) {
        SCOPED_TRACE(std::string(header[0]) + " " + header[3]);
        const auto unknown = [&](DxfBuilder& dxf) {
            dxf.Section("HEADER").Group(9, "$EXTMIN").Group(10, header[0]).Group(20, header[1]);
            dxf.Group(9, "$EXTMAX").Group(10, header[2]).Group(20, header[3]).EndSection();
        };
        DxfBuilder dxf;
        unknown(dxf);
        dxf.Section("ENTITIES").Line("-5", "-5", "20", "30").EndSection();
        ASSERT_TRUE(Load(dxf.Text()));
        EXPECT_EQ(db.DrawingExtents, (ViewRect{-5, 30, 20, -5}));
        EXPECT_EQ(host.previousViews.back(), (ViewRect{-5, 30, 20, -5}));

        // Entities before such a header count too.
        DxfBuilder late;
        late.Section("ENTITIES").Line("100", "100", "101", "101").EndSection();
        unknown(late);
        late.Section("ENTITIES").Line("-5", "-5", "20", "30").EndSection();
        ASSERT_TRUE(Load(late.Text()));
        EXPECT_EQ(db.DrawingExtents, (ViewRect{-5, 101, 101, -5}));
    }
}

TEST_F(EntityReaders, OffsetsMoveEveryCoordinateButZAndTheEllipseAxis) {
    DxfBuilder dxf;
    dxf.Entity("LINE", {{8, "0"}, {10, "1"}, {20, "2"}, {30, "3"}, {11, "4"}, {21, "5"}, {31, "6"}});
    dxf.Entity("ELLIPSE", {{8, "0"}, {10, "1"}, {20, "2"}, {11, "3"}, {21, "4"}});
    ASSERT_TRUE(Load(Drawing(dxf), dxfMergeNew, 10, 20));
    const LineRecord& l = db.Lines[1];
    EXPECT_EQ((std::vector<float>{l.X1, l.Y1, l.Z1, l.X2, l.Y2, l.Z2}), (std::vector<float>{11, 22, 3, 14, 25, 6}));
    EXPECT_EQ(db.Ellipses[1].X1, 11);
    EXPECT_EQ(db.Ellipses[1].MajorX, 3);
}

TEST_F(EntityReaders, LayerEntriesSetColourVisibilityLineTypeAndRedline) {
    DxfBuilder dxf;
    dxf.Section("TABLES").LayerTable();
    dxf.Layer("OFF", "-5").Layer("FROZEN", "5", "1").Layer("LOCKED", "5", "4", "PHANTOM");
    dxf.Entity("LAYER", {{2, "RL"}, {70, "0"}, {62, "1"}, {999, "Tiraq REDLINE layer"}});
    dxf.Entity("LAYER", {{2, "rl"}, {70, "0"}, {62, "1"}, {999, "redline"}});
    ASSERT_TRUE(Load(dxf.EndTable().EndSection().Text()));
    ASSERT_EQ(db.Layers->Count(), 5);
    EXPECT_EQ(db.Layers->Item(1)->LayerOn(), 0);
    EXPECT_EQ(db.Layers->Item(1)->LayerColor(), ACIToRGB(5));
    EXPECT_EQ(db.Layers->Item(2)->LayerOn(), 0);
    EXPECT_EQ(db.Layers->Item(3)->LayerOn(), -1);
    EXPECT_EQ(db.Layers->Item(3)->LayerLineType(), kPenDashDotDot);
    EXPECT_TRUE(db.Layers->Item(4)->RedlineLayer());
    EXPECT_FALSE(db.Layers->Item(5)->RedlineLayer());
}

TEST_F(EntityReaders, EntitiesFindTableLayersOrCreateThem) {
    DxfBuilder dxf;
    dxf.Section("TABLES").LayerTable().Layer("0").Entity("LAYER", {{2, " Walls "}, {62, "2"}}).EndTable().EndSection();
    dxf.Section("ENTITIES").Line("0", "0", "1", "1", "WALLS").Line("0", "0", "1", "1", "NEW");
    dxf.Line("0", "0", "1", "1", "new").EndSection();
    ASSERT_TRUE(Load(dxf.Text()));
    EXPECT_EQ(db.Lines[1].LayerIndex, 2);
    EXPECT_EQ(db.Lines[2].LayerIndex, 3);
    EXPECT_EQ(db.Lines[3].LayerIndex, 3);
    EXPECT_EQ(db.Layers->Item(3)->LayerOn(), -1);
    EXPECT_EQ(db.Layers->Item(3)->LayerColor(), 0);
}

}  // namespace
}  // namespace tiraq::test
