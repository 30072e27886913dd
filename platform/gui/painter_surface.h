#pragma once

#include "drawing/arc_points.h"
#include "drawing/drawing_surface.h"
#include "drawing/raster_image.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRawFont>

#include <map>
#include <optional>
#include <tuple>
#include <vector>

class QPaintDevice;

namespace gui {

QColor ToQColor(Colour colour);
Colour FromQRgb(QRgb rgb);

// A drawing surface over a QPainter on an image, a widget or a printer. It paints without
// antialiasing, so that on a Format_RGB32 image every pixel has exactly the colour drawn (hit tests
// read them back), and keeps the pens and fonts it has made, since a pass draws the same few
// thousand times. On a Format_RGB32 image it rasterises every one-pixel figure itself
// (RasterImage), in every pen style and raster operation, with the painter's own pixels for lines;
// the painter draws wide pens, texts and filled boxes there, and everything on other devices.
// Curves are traced here on every device.
class PainterSurface : public DrawingSurface {
public:
    // A surface that paints nowhere until it begins on a device.
    PainterSurface();
    // Begins painting on the device; painting ends with the surface.
    explicit PainterSurface(QPaintDevice& device);
    ~PainterSurface() override;

    // Moves the surface to another device (or the same again), keeping its pens and fonts, so that
    // whoever holds the surface draws on the new device.
    void Begin(QPaintDevice& device);
    void End();
    bool IsActive() const { return painter_.isActive(); }
    QPaintDevice* Device() const { return painter_.device(); }
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    QPainter& Painter() { return painter_; }

    void SetRasterOp(RasterOp op) override;
    void DrawLine(const Pen& pen, PixelPoint from, PixelPoint to) override;
    void DrawPolyline(const Pen& pen, std::span<const PixelPoint> points) override;
    void DrawArc(const Pen& pen, const PixelRect& box, PixelPoint start, PixelPoint end) override;
    void DrawEllipse(const Pen& pen, const PixelRect& box) override;
    void SetPixel(PixelPoint point, Colour colour) override;
    void FillPolygon(std::span<const PixelPoint> corners, Colour colour) override;
    void DrawRectangle(const Pen& pen, const PixelRect& box, bool filled) override;
    void DrawText(const TextFont& font, PixelPoint anchor, double rotation, TextAlign align, Colour colour,
                  std::string_view text) override;
    TextMetrics MeasureText(const TextFont& font, std::string_view text) override;

private:
    struct CachedFont {
        QFont font;
        QFontMetricsF metrics;
        // Advances and glyphs of the ASCII characters, found once: a pass measures and draws
        // thousands of texts, and a run of known glyphs skips the text layout.
        std::vector<double> asciiAdvances;
        QRawFont raw;
        QList<quint32> asciiGlyphs;
    };
    using FontKey = std::tuple<std::string, double, int, int, bool, bool>;

    void UsePen(const Pen& pen);
    // A polyline, or the pixel of a single point.
    void Stroke(const Pen& pen, std::span<const PixelPoint> points);
    // The curve traced into curveVertices_.
    void StrokeCurve(const Pen& pen);
    void ResetPainterState();
    // The image's words when figures of this pen are rasterised on them, with the pen made ready
    // in rasterPen_.
    RasterImage* Direct(const Pen& pen);
    bool DrawGlyphs(CachedFont& font, QPointF origin, std::string_view text);
    void UseNoBrush();
    CachedFont& FontFor(const TextFont& font);
    double TextWidth(CachedFont& font, std::string_view text);
    double EmPerCell(const QString& face);

    QPainter painter_;
    std::optional<RasterImage> raster_;
    RasterPen rasterPen_;
    // Kept between calls, as curves are drawn by the thousand.
    std::vector<PixelPoint> curveVertices_;
    std::vector<PixelPoint> curvePixels_;
    TextFont lastFontSpec_;
    RasterOp rasterOp_ = RasterOp::CopyPen;
    std::optional<Pen> pen_;
    bool brushSet_ = false;
    std::map<FontKey, CachedFont> fonts_;
    CachedFont* lastFont_ = nullptr;
    const CachedFont* fontSet_ = nullptr;
    std::map<QString, double> emPerCell_;
    int fontDpi_ = 0;  // the device resolution the cached metrics are for
};

}  // namespace gui
