#pragma once

#include "gui/drawing_surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <map>
#include <optional>
#include <tuple>

class QPaintDevice;

namespace gui {

QColor ToQColor(Colour colour);
Colour FromQRgb(QRgb rgb);

// A drawing surface over a QPainter on an image, a widget or a printer. It paints without
// antialiasing, so that on a Format_RGB32 image every pixel has exactly the colour drawn (hit tests
// read them back), and keeps the pens and fonts it has made, since a pass draws the same few
// thousand times.
class PainterSurface : public DrawingSurface {
public:
    // Begins painting on the device; painting ends with the surface.
    explicit PainterSurface(QPaintDevice& device);
    ~PainterSurface() override;
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
    };
    using FontKey = std::tuple<std::string, double, int, int, bool, bool>;

    void UsePen(const Pen& pen);
    void UseNoBrush();
    const CachedFont& FontFor(const TextFont& font);
    double EmPerCell(const QString& face);

    QPainter painter_;
    std::optional<Pen> pen_;
    bool brushSet_ = false;
    std::map<FontKey, CachedFont> fonts_;
    const CachedFont* lastFont_ = nullptr;
    const CachedFont* fontSet_ = nullptr;
    FontKey lastFontKey_;
    std::map<QString, double> emPerCell_;
};

}  // namespace gui
