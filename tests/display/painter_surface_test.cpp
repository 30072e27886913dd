#include "gui/font_faces.h"
#include "gui/painter_surface.h"

#include <QFontInfo>
#include <QImage>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <array>

namespace gui {
namespace {

QImage WhiteImage(int w = 100, int h = 100) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

Colour At(const QImage& image, int x, int y) { return FromQRgb(image.pixel(x, y)); }

int CountColour(const QImage& image, Colour colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == colour ? 1 : 0;
    return n;
}

TEST(PainterSurface, DrawsExactColoursWithRedInTheLowByte) {
    QImage image = WhiteImage();
    {
        PainterSurface surface(image);
        surface.DrawLine(Pen{PenStyle::Solid, 1, 0x0010FF}, {10, 10}, {90, 10});
        surface.SetPixel({5, 5}, 0x63DF9C);
    }
    EXPECT_EQ(At(image, 10, 10), 0x0010FFu);
    EXPECT_EQ(At(image, 90, 10), 0x0010FFu) << "both end points are drawn";
    EXPECT_EQ(qRed(image.pixel(50, 10)), 0xFF);
    EXPECT_EQ(At(image, 5, 5), 0x63DF9Cu);
    // Aliased: nothing but the two colours and white on the image.
    EXPECT_EQ(CountColour(image, 0x0010FF) + CountColour(image, 0x63DF9C) + CountColour(image, kWhite), 100 * 100);
}

TEST(PainterSurface, StylesDashOnlyOnePixelPens) {
    QImage image = WhiteImage(200, 40);
    {
        PainterSurface surface(image);
        surface.DrawLine(Pen{PenStyle::Dash, 1, kBlack}, {0, 5}, {199, 5});
        surface.DrawLine(Pen{PenStyle::Dot, 0, kBlack}, {0, 10}, {199, 10});
        surface.DrawLine(Pen{PenStyle::Dash, 3, kBlack}, {0, 20}, {199, 20});
    }
    int dashGaps = 0, dotGaps = 0, wideGaps = 0;
    for (int x = 2; x < 198; ++x) {
        dashGaps += At(image, x, 5) == kWhite;
        dotGaps += At(image, x, 10) == kWhite;
        wideGaps += At(image, x, 20) == kWhite;
    }
    EXPECT_GT(dashGaps, 30);
    EXPECT_LT(dashGaps, 70) << "a dash is three times its gap";
    EXPECT_GT(dotGaps, 80) << "dots are as long as their gaps";
    EXPECT_EQ(wideGaps, 0) << "a wide pen draws solid";
    EXPECT_EQ(At(image, 100, 21), kBlack) << "three pixels wide";
}

TEST(PainterSurface, ArcRunsCounterClockwiseFromStartToEnd) {
    QImage image = WhiteImage();
    {
        PainterSurface surface(image);
        // From the right end of the box's axis to the left: the upper half on screen.
        surface.DrawArc(Pen{}, PixelRect{10, 10, 90, 90}, {90, 50}, {10, 50});
    }
    int upper = 0, lower = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (At(image, x, y) == kBlack) {
                upper += y < 48;
                lower += y > 52;
            }
    EXPECT_GT(upper, 100);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(At(image, 50, 10), kBlack);
}

TEST(PainterSurface, EqualRaysDrawTheWholeEllipseAndEllipsesStayHollow) {
    QImage image = WhiteImage();
    {
        PainterSurface surface(image);
        surface.DrawArc(Pen{}, PixelRect{10, 10, 90, 90}, {90, 50}, {90, 50});
        surface.DrawEllipse(Pen{PenStyle::Solid, 1, 0xFF0000}, PixelRect{30, 70, 70, 30});
    }
    EXPECT_EQ(At(image, 50, 10), kBlack);
    EXPECT_EQ(At(image, 50, 90), kBlack);
    EXPECT_EQ(At(image, 50, 30), 0xFF0000u);
    EXPECT_EQ(At(image, 50, 50), kWhite) << "the inside is not filled";
}

TEST(PainterSurface, FillsPolygonsByTheOddEvenRule) {
    QImage image = WhiteImage();
    // A five-pointed star drawn in one stroke: its centre is crossed twice and stays empty.
    const std::array<PixelPoint, 5> star{{{50, 5}, {78, 92}, {5, 36}, {95, 36}, {22, 92}}};
    {
        PainterSurface surface(image);
        surface.FillPolygon(star, 0x00FF00);
    }
    EXPECT_EQ(At(image, 50, 55), kWhite);
    EXPECT_EQ(At(image, 50, 20), 0x00FF00u) << "a point of the star is filled";
    EXPECT_EQ(At(image, 50, 5), 0x00FF00u) << "the outline is drawn in the fill colour";
}

TEST(PainterSurface, InvertingTwiceRestoresEveryPixel) {
    QImage image(120, 90, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, 0xFF000000u | random.generate());
    const QImage before = image.copy();
    {
        PainterSurface surface(image);
        surface.SetRasterOp(RasterOp::Invert);
        for (int pass = 0; pass < 2; ++pass) {
            surface.DrawRectangle(Pen{}, PixelRect{100, 80, 3, 4}, false);
            surface.DrawLine(Pen{}, {0, 0}, {119, 89});
            surface.DrawEllipse(Pen{}, PixelRect{20, 20, 60, 50});
        }
    }
    EXPECT_TRUE(image == before);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
}

TEST(PainterSurface, InvertedBoxTouchesEachEdgePixelOnce) {
    QImage image = WhiteImage(20, 20);
    {
        PainterSurface surface(image);
        surface.SetRasterOp(RasterOp::Invert);
        surface.DrawRectangle(Pen{}, PixelRect{2, 3, 12, 15}, false);
    }
    EXPECT_EQ(At(image, 2, 3), kBlack) << "corners invert like the rest";
    EXPECT_EQ(At(image, 12, 15), kBlack);
    EXPECT_EQ(At(image, 7, 3), kBlack);
    EXPECT_EQ(At(image, 7, 8), kWhite);
    EXPECT_EQ(CountColour(image, kBlack), 2 * 11 + 2 * 11);
}

TEST(PainterSurface, CellHeightCoversAscentAndDescent) {
    QImage image = WhiteImage();
    PainterSurface surface(image);
    const TextMetrics cell = surface.MeasureText(TextFont{.face = "Arial", .pixelHeight = 40}, "Hg");
    EXPECT_NEAR(cell.height, 40, 1.5);
    const TextMetrics em = surface.MeasureText(
        TextFont{.face = "Arial", .pixelHeight = 40, .heightKind = TextFont::Height::Em}, "Hg");
    EXPECT_GT(em.height, cell.height) << "an em of 40 pixels has a taller cell";
    const TextMetrics wide = surface.MeasureText(TextFont{.face = "Arial", .pixelHeight = 40}, "HgHg");
    EXPECT_NEAR(wide.width, 2 * cell.width, 1.0);
}

TEST(PainterSurface, RotatedTextTurnsAboutItsAnchor) {
    QImage image = WhiteImage(200, 200);
    {
        PainterSurface surface(image);
        surface.DrawText(TextFont{.face = "Arial", .pixelHeight = 30}, {100, 100}, 90, TextAlign::Left, kBlack,
                         "MMMM");
    }
    int above = 0, right = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            if (At(image, x, y) != kBlack) continue;
            above += y < 95;
            right += x > 102;
        }
    EXPECT_GT(above, 50) << "text rotated by 90 degrees runs upward";
    EXPECT_EQ(right, 0) << "its glyphs lie left of the baseline";
}

TEST(PainterSurface, TextIsDrawnInItsExactColourAndOnItsBaseline) {
    QImage image = WhiteImage(200, 60);
    {
        PainterSurface surface(image);
        surface.DrawText(TextFont{.face = "TXT", .pixelHeight = 30}, {10, 40}, 0, TextAlign::Left, 0x2040C0, "Quellmar gauge 42");
        surface.DrawText(TextFont{.face = "TXT", .pixelHeight = 30}, {190, 40}, 0, TextAlign::Right, 0x2040C0, "\xC3\xA9");
    }
    const int inked = CountColour(image, 0x2040C0);
    EXPECT_GT(inked, 200);
    EXPECT_EQ(inked + CountColour(image, kWhite), 200 * 60) << "no blended pixels";
    int belowBaseline = 0;
    for (int y = 41; y < 60; ++y)
        for (int x = 0; x < 150; ++x) belowBaseline += At(image, x, y) == 0x2040C0;
    EXPECT_LT(belowBaseline, 150) << "only the descenders of the g";
    EXPECT_GT(belowBaseline, 0);
}

TEST(FontFaces, DrawingAndLayoutFacesMapToInstalledFaces) {
    EXPECT_EQ(SubstituteFace("TXT").family, "Liberation Sans");
    EXPECT_EQ(SubstituteFace(" romans ").family, "Liberation Sans");
    EXPECT_EQ(SubstituteFace("ROMANC").family, "Liberation Serif");
    EXPECT_EQ(SubstituteFace("Courier New").family, "Liberation Mono");
    EXPECT_EQ(SubstituteFace("Times New Roman").family, "Liberation Serif");
    EXPECT_EQ(SubstituteFace("Arial Narrow").stretch, 82);
    EXPECT_EQ(SubstituteFace("DejaVu Serif").family, "DejaVu Serif");
    EXPECT_EQ(SubstituteFace("No Such Face").family, "Liberation Sans");
    EXPECT_EQ(QFontInfo(AliasedFont("MONOTXT")).family(), "Liberation Mono");
}

}  // namespace
}  // namespace gui
