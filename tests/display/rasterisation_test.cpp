// A one-pixel figure has one set of pixels: drawn straight into a picture's image or through the
// painter, solid or dashed, copied or inverted.

#include "gui/painter_surface.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

namespace gui {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 160;

using Figures = std::function<void(DrawingSurface&, const Pen&)>;

// The figures drawn on a white image of that format, as 32-bit pixels.
QImage Drawn(QImage::Format format, const Pen& pen, const Figures& figures, RasterOp op = RasterOp::CopyPen) {
    QImage image(kWidth, kHeight, format);
    image.fill(Qt::white);
    {
        PainterSurface surface(image);
        surface.SetRasterOp(op);
        figures(surface, pen);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

struct Comparison {
    int onlyFirst = 0;
    int onlySecond = 0;
    int both = 0;
};

Comparison Compare(const QImage& first, const QImage& second) {
    Comparison c;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool a = first.pixel(x, y) != qRgb(255, 255, 255), b = second.pixel(x, y) != qRgb(255, 255, 255);
            c.onlyFirst += a && !b;
            c.onlySecond += b && !a;
            c.both += a && b;
        }
    return c;
}

PixelPoint RandomPoint(std::mt19937& random, int margin = 0) {
    return {int(random() % (kWidth + 2 * margin)) - margin, int(random() % (kHeight + 2 * margin)) - margin};
}

// Lines of every slope and length, single pixels among them.
void Lines(DrawingSurface& surface, const Pen& pen) {
    std::mt19937 random(11);
    for (int i = 0; i < 40; ++i) surface.DrawLine(pen, RandomPoint(random), RandomPoint(random));
    for (int i = 0; i < 40; ++i) {
        const PixelPoint from = RandomPoint(random);
        surface.DrawLine(pen, from, {from.x + int(random() % 13) - 6, from.y + int(random() % 13) - 6});
    }
    surface.DrawLine(pen, {5, 150}, {230, 150});
    surface.DrawLine(pen, {235, 5}, {235, 155});
    surface.DrawLine(pen, {10, 10}, {110, 110});
}

void Polylines(DrawingSurface& surface, const Pen& pen) {
    std::mt19937 random(12);
    for (int i = 0; i < 8; ++i) {
        std::vector<PixelPoint> points{RandomPoint(random)};
        for (int k = 0; k < 5; ++k)
            points.push_back({points.back().x + int(random() % 61) - 30, points.back().y + int(random() % 61) - 30});
        surface.DrawPolyline(pen, points);
    }
}

// Arcs of boxes from a few pixels to larger than the image, some reaching off it.
void Arcs(DrawingSurface& surface, const Pen& pen) {
    std::mt19937 random(13);
    for (int i = 0; i < 30; ++i) {
        const PixelPoint corner = RandomPoint(random, 40);
        const int w = int(random() % (i < 10 ? 6 : 200)), h = int(random() % (i < 10 ? 6 : 200));
        surface.DrawArc(pen, PixelRect{corner.x, corner.y, corner.x + w, corner.y + h}, RandomPoint(random, 40),
                        RandomPoint(random, 40));
    }
}

void Ellipses(DrawingSurface& surface, const Pen& pen) {
    std::mt19937 random(14);
    for (int i = 0; i < 30; ++i) {
        const PixelPoint corner = RandomPoint(random, 40);
        const int w = int(random() % (i < 10 ? 5 : 180)), h = int(random() % (i < 10 ? 5 : 180));
        surface.DrawEllipse(pen, PixelRect{corner.x + w, corner.y, corner.x, corner.y + h});
    }
    surface.DrawEllipse(pen, PixelRect{20, 70, 220, 72});  // flat
}

void Boxes(DrawingSurface& surface, const Pen& pen) {
    surface.DrawRectangle(pen, PixelRect{10, 10, 120, 90}, false);
    surface.DrawRectangle(pen, PixelRect{200, 150, 130, 40}, false);
    surface.DrawRectangle(pen, PixelRect{60, 120, 61, 121}, false);
}

TEST(Rasterisation, LinesHaveThePaintersPixelsWhenDrawnDirectly) {
    // A picture's image is drawn on directly; an image of another format only through the painter.
    for (int style = 0; style <= 4; ++style) {
        const Pen pen{PenStyle(style), 1, kBlack};
        const Comparison c = Compare(Drawn(QImage::Format_RGB32, pen, Lines), Drawn(QImage::Format_RGB888, pen, Lines));
        EXPECT_GT(c.both, 1000) << "style " << style;
        EXPECT_EQ(c.onlyFirst + c.onlySecond, 0) << "style " << style << ": " << c.onlyFirst
                                                 << " pixels drawn only directly, " << c.onlySecond
                                                 << " only through the painter";
    }
}

// A figure that leaves the image keeps, on the image, the pixels and dashes it has on a larger
// image that holds it whole.
TEST(Rasterisation, FiguresLeavingTheImageKeepTheirPixelsOnIt) {
    const auto figures = [](DrawingSurface& s, const Pen& pen, int shift) {
        std::mt19937 random(16);
        const auto at = [&](int margin) {
            const PixelPoint p = RandomPoint(random, margin);
            return PixelPoint{p.x + shift, p.y + shift};
        };
        for (int i = 0; i < 60; ++i) s.DrawLine(pen, at(300), at(300));
        std::vector<PixelPoint> points;
        for (int i = 0; i < 12; ++i) points.push_back(at(200));
        s.DrawPolyline(pen, points);
        for (int i = 0; i < 10; ++i) {
            const PixelPoint corner = at(200);
            s.DrawEllipse(pen, PixelRect{corner.x, corner.y, corner.x + 400, corner.y + 250});
        }
    };
    constexpr int kShift = 1000;
    for (int style = 0; style <= 4; ++style) {
        const Pen pen{PenStyle(style), 1, kBlack};
        const QImage small = Drawn(QImage::Format_RGB32, pen, [&](DrawingSurface& s, const Pen& p) { figures(s, p, 0); });
        QImage large(kWidth + 2 * kShift, kHeight + 2 * kShift, QImage::Format_RGB32);
        large.fill(Qt::white);
        {
            PainterSurface surface(large);
            figures(surface, pen, kShift);
        }
        const Comparison c = Compare(small, large.copy(kShift, kShift, kWidth, kHeight));
        EXPECT_GT(c.both, 500) << "style " << style;
        EXPECT_EQ(c.onlyFirst + c.onlySecond, 0) << "style " << style;
    }
}

TEST(Rasterisation, AFigureKeepsItsPixelsDashedOrInverted) {
    const struct {
        const char* name;
        Figures figures;
    } kinds[] = {{"lines", Lines}, {"polylines", Polylines}, {"arcs", Arcs}, {"ellipses", Ellipses}, {"boxes", Boxes}};
    for (const auto& kind : kinds) {
        const QImage solid = Drawn(QImage::Format_RGB32, Pen{}, kind.figures);
        for (int style = 1; style <= 4; ++style) {
            const Comparison dashed =
                Compare(solid, Drawn(QImage::Format_RGB32, Pen{PenStyle(style), 1, kBlack}, kind.figures));
            EXPECT_EQ(dashed.onlySecond, 0) << kind.name << ": dashes lie on the solid pixels, style " << style;
            EXPECT_GT(dashed.onlyFirst, dashed.both / 6) << kind.name << ": with gaps, style " << style;
        }
    }
    // Inverting white gives black: each figure alone inverts every one of its pixels exactly once,
    // its joints and the ends of a closed curve included.
    const PixelPoint zigzag[] = {{10, 150}, {60, 110}, {61, 150}, {120, 149}, {60, 110}};
    const Figures single[] = {
        [](DrawingSurface& s, const Pen& pen) { s.DrawLine(pen, {5, 7}, {230, 101}); },
        [&](DrawingSurface& s, const Pen& pen) { s.DrawPolyline(pen, zigzag); },
        [](DrawingSurface& s, const Pen& pen) { s.DrawArc(pen, PixelRect{20, 20, 200, 140}, {200, 20}, {20, 80}); },
        [](DrawingSurface& s, const Pen& pen) { s.DrawEllipse(pen, PixelRect{100, 30, 160, 60}); },
        [](DrawingSurface& s, const Pen& pen) { s.DrawEllipse(pen, PixelRect{5, 5, 7, 7}); },
        [](DrawingSurface& s, const Pen& pen) { s.DrawRectangle(Pen{PenStyle::Dot, 1, pen.colour}, {9, 9, 30, 20}, false); },
    };
    for (std::size_t i = 0; i < std::size(single); ++i) {
        const Comparison inverted = Compare(Drawn(QImage::Format_RGB32, Pen{}, single[i]),
                                            Drawn(QImage::Format_RGB32, Pen{}, single[i], RasterOp::Invert));
        EXPECT_EQ(inverted.onlyFirst + inverted.onlySecond, 0) << "figure " << i;
    }
    const QImage polyline = Drawn(QImage::Format_RGB32, Pen{}, single[1]);
    for (const PixelPoint& p : zigzag) EXPECT_EQ(polyline.pixel(p.x, p.y), qRgb(0, 0, 0)) << "every joint is drawn";
}

// Pixels of curves lie within a pixel and a half of their ellipse (the chords' ends are pixels,
// the chords within a quarter pixel of the curve, and a pixel within half a pixel of its chord),
// leave no gap, and a curve far larger than the image is drawn where it passes the image.
TEST(Rasterisation, CurvesLieOnTheirEllipseWithoutGaps) {
    const PixelRect boxes[] = {{10, 10, 230, 150}, {100, 60, 108, 64}, {3, 3, 6, 7}, {-3000, 20, 3000, 900},
                               {-30000, 100, 30240, 60340}};
    for (const PixelRect& box : boxes) {
        const Figures ellipse = [&](DrawingSurface& s, const Pen& pen) { s.DrawEllipse(pen, box); };
        const QImage image = Drawn(QImage::Format_RGB32, Pen{}, ellipse);
        const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
        const double rx = (box.right - box.left) / 2.0, ry = (box.bottom - box.top) / 2.0;
        int drawn = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                if (image.pixel(x, y) == qRgb(255, 255, 255)) continue;
                ++drawn;
                // Distance to the ellipse by its implicit function over its gradient.
                const double u = (x - cx) / rx, v = (y - cy) / ry;
                const double distance = std::fabs(u * u + v * v - 1) / std::hypot(2 * u / rx, 2 * v / ry);
                EXPECT_LE(distance, 1.5) << "pixel (" << x << ", " << y << ") of the ellipse in (" << box.left << ", "
                                         << box.top << ")-(" << box.right << ", " << box.bottom << ")";
            }
        int missed = 0;
        for (int i = 0; i < 200000; ++i) {
            const double t = 2 * std::numbers::pi * i / 200000;
            const int x = int(std::lround(cx + rx * std::cos(t))), y = int(std::lround(cy + ry * std::sin(t)));
            if (x < 1 || y < 1 || x >= kWidth - 1 || y >= kHeight - 1) continue;
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) near = near || image.pixel(x + dx, y + dy) != qRgb(255, 255, 255);
            missed += !near;
        }
        EXPECT_GT(drawn, 8);
        EXPECT_EQ(missed, 0) << "gaps in the ellipse in (" << box.left << ", " << box.top << ")-(" << box.right << ", "
                             << box.bottom << ")";
    }
}

}  // namespace
}  // namespace gui
