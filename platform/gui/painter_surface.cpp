#include "gui/painter_surface.h"

#include "gui/font_faces.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPolygon>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace gui {

QColor ToQColor(Colour colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

Colour FromQRgb(QRgb rgb) {
    return Colour(qRed(rgb)) | (Colour(qGreen(rgb)) << 8) | (Colour(qBlue(rgb)) << 16);
}

namespace {

// The dash patterns of one-pixel pens where the painter draws them, as on a printer's page.
QVector<qreal> DashPattern(PenStyle style) {
    QVector<qreal> pattern;
    for (const int run : DashRuns(style)) pattern.append(run);
    return pattern;
}

QRect NormalRect(const PixelRect& box) {
    const int left = std::min(box.left, box.right), right = std::max(box.left, box.right);
    const int top = std::min(box.top, box.bottom), bottom = std::max(box.top, box.bottom);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QPolygon ToPolygon(std::span<const PixelPoint> points) {
    QPolygon polygon(int(points.size()));
    for (int i = 0; i < polygon.size(); ++i) polygon.setPoint(i, points[i].x, points[i].y);
    return polygon;
}

}  // namespace

PainterSurface::PainterSurface() = default;

PainterSurface::PainterSurface(QPaintDevice& device) { Begin(device); }

PainterSurface::~PainterSurface() = default;

void PainterSurface::Begin(QPaintDevice& device) {
    End();
    painter_.begin(&device);
    raster_.reset();
    if (device.devType() == QInternal::Image) {
        auto& image = static_cast<QImage&>(device);
        if (image.format() == QImage::Format_RGB32 && !image.isNull()) {
            raster_.emplace(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                            image.bytesPerLine() / 4);
        }
    }
    if (device.logicalDpiY() != fontDpi_) {
        fonts_.clear();
        emPerCell_.clear();
        lastFont_ = nullptr;
        fontDpi_ = device.logicalDpiY();
    }
    ResetPainterState();
}

void PainterSurface::End() {
    raster_.reset();
    if (painter_.isActive()) painter_.end();
}

RasterImage* PainterSurface::Direct(const Pen& pen) {
    if (!raster_ || pen.width > 1) return nullptr;
    rasterPen_ = RasterPen{PixelWord(pen.colour), pen.style, rasterOp_ == RasterOp::Invert};
    return &*raster_;
}

void PainterSurface::ResetPainterState() {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    rasterOp_ = RasterOp::CopyPen;
    pen_.reset();
    brushSet_ = false;
    fontSet_ = nullptr;
}

void PainterSurface::SetRasterOp(RasterOp op) {
    if (op == rasterOp_) return;
    rasterOp_ = op;
    painter_.setCompositionMode(op == RasterOp::Invert ? QPainter::RasterOp_NotDestination
                                                       : QPainter::CompositionMode_SourceOver);
}

void PainterSurface::UsePen(const Pen& pen) {
    if (pen_ && *pen_ == pen) return;
    pen_ = pen;
    QPen qpen(ToQColor(pen.colour));
    if (pen.width <= 1) {
        qpen.setWidth(1);
        qpen.setCosmetic(true);
        qpen.setCapStyle(Qt::SquareCap);  // a flat cap leaves out the last pixel
        if (pen.style != PenStyle::Solid) qpen.setDashPattern(DashPattern(pen.style));
    } else {
        qpen.setWidth(pen.width);
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(qpen);
}

void PainterSurface::UseNoBrush() {
    if (!brushSet_) return;
    painter_.setBrush(Qt::NoBrush);
    brushSet_ = false;
}

void PainterSurface::DrawLine(const Pen& pen, PixelPoint from, PixelPoint to) {
    if (RasterImage* raster = Direct(pen)) {
        raster->Line(from, to, rasterPen_);
        return;
    }
    UsePen(pen);
    if (from == to) {
        painter_.drawPoint(from.x, from.y);
    } else {
        painter_.drawLine(from.x, from.y, to.x, to.y);
    }
}

void PainterSurface::DrawPolyline(const Pen& pen, std::span<const PixelPoint> points) {
    if (points.size() < 2) return;
    Stroke(pen, points);
}

void PainterSurface::Stroke(const Pen& pen, std::span<const PixelPoint> points) {
    if (RasterImage* raster = Direct(pen)) {
        raster->Polyline(points, rasterPen_);
        return;
    }
    UsePen(pen);
    if (points.size() == 1) {
        painter_.drawPoint(points[0].x, points[0].y);
    } else {
        painter_.drawPolyline(ToPolygon(points));
    }
}

void PainterSurface::DrawArc(const Pen& pen, const PixelRect& box, PixelPoint start, PixelPoint end) {
    const QRect r = NormalRect(box);
    if (r.width() < 2 && r.height() < 2) return;
    BoxArcVertices(box, start, end, false, curveVertices_);
    StrokeCurve(pen);
}

void PainterSurface::DrawEllipse(const Pen& pen, const PixelRect& box) {
    BoxArcVertices(box, {}, {}, true, curveVertices_);
    StrokeCurve(pen);
}

void PainterSurface::StrokeCurve(const Pen& pen) {
    // On an image the pixels of the chords are drawn, each the one nearest its chord, so curves
    // stay round; on paper the chords themselves.
    if (RasterImage* raster = Direct(pen)) {
        ChordPixels(curveVertices_, raster->Area(), curvePixels_);
        raster->Polyline(curvePixels_, rasterPen_);
    } else {
        Stroke(pen, curveVertices_);
    }
}

void PainterSurface::SetPixel(PixelPoint point, Colour colour) {
    if (RasterImage* raster = Direct(Pen{PenStyle::Solid, 1, colour})) {
        raster->Pixel(point, rasterPen_);
        return;
    }
    UsePen(Pen{PenStyle::Solid, 1, colour});
    painter_.drawPoint(point.x, point.y);
}

void PainterSurface::FillPolygon(std::span<const PixelPoint> corners, Colour colour) {
    if (corners.empty()) return;
    if (RasterImage* raster = Direct(Pen{PenStyle::Solid, 1, colour})) {
        raster->FillPolygon(corners, rasterPen_);
        return;
    }
    UsePen(Pen{PenStyle::Solid, 1, colour});
    painter_.setBrush(ToQColor(colour));
    brushSet_ = true;
    painter_.drawPolygon(ToPolygon(corners), Qt::OddEvenFill);
}

void PainterSurface::DrawRectangle(const Pen& pen, const PixelRect& box, bool filled) {
    const QRect r = NormalRect(box);
    const QColor colour = ToQColor(pen.colour);
    if (filled) {
        painter_.fillRect(r, colour);
        return;
    }
    if (pen.style != PenStyle::Solid && pen.width <= 1) {
        // Dashes run once round from the top left corner.
        const PixelPoint corners[] = {{r.left(), r.top()}, {r.right(), r.top()}, {r.right(), r.bottom()},
                                      {r.left(), r.bottom()}, {r.left(), r.top()}};
        Stroke(pen, corners);
        return;
    }
    // Solid outlines as four strips that do not overlap, so that inverting touches every edge
    // pixel exactly once and the corners invert like the rest.
    const int w = std::max(1, std::min({pen.width, (r.width() + 1) / 2, (r.height() + 1) / 2}));
    painter_.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
    if (r.height() > w) painter_.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
    const int innerHeight = r.height() - 2 * w;
    if (innerHeight > 0) {
        painter_.fillRect(QRect(r.left(), r.top() + w, w, innerHeight), colour);
        if (r.width() > w) painter_.fillRect(QRect(r.right() - w + 1, r.top() + w, w, innerHeight), colour);
    }
}

double PainterSurface::EmPerCell(const QString& face) {
    auto found = emPerCell_.find(face);
    if (found != emPerCell_.end()) return found->second;
    QFont probe = AliasedFont(face);
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe, painter_.device());
    const double cell = metrics.ascent() + metrics.descent();
    const double ratio = cell > 0 ? 1000.0 / cell : 1.0;
    emPerCell_.emplace(face, ratio);
    return ratio;
}

PainterSurface::CachedFont& PainterSurface::FontFor(const TextFont& font) {
    if (lastFont_ && font == lastFontSpec_) return *lastFont_;
    FontKey key{font.face, font.pixelHeight, int(font.heightKind), font.weight, font.italic, font.underline};
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        const QString face = QString::fromStdString(font.face);
        QFont qfont = AliasedFont(face);
        double em = font.pixelHeight;
        if (font.heightKind == TextFont::Height::Cell) em *= EmPerCell(face);
        qfont.setPixelSize(std::max(1, int(std::lround(em))));
        qfont.setWeight(QFont::Weight(std::clamp(font.weight, 100, 900)));
        qfont.setItalic(font.italic);
        qfont.setUnderline(font.underline);
        found = fonts_.emplace(key, CachedFont{qfont, QFontMetricsF(qfont, painter_.device()), {}, {}, {}}).first;
    }
    lastFontSpec_ = font;
    lastFont_ = &found->second;
    return *lastFont_;
}

double PainterSurface::TextWidth(CachedFont& font, std::string_view text) {
    // Without kerning an ASCII text is as wide as its characters' advances together.
    if (std::all_of(text.begin(), text.end(), [](char c) { return (unsigned char)c < 0x80; })) {
        if (font.asciiAdvances.empty()) {
            font.asciiAdvances.resize(0x80);
            for (int c = 0; c < 0x80; ++c) font.asciiAdvances[c] = font.metrics.horizontalAdvance(QChar(c));
        }
        double width = 0;
        for (char c : text) width += font.asciiAdvances[(unsigned char)c];
        return width;
    }
    return font.metrics.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

bool PainterSurface::DrawGlyphs(CachedFont& font, QPointF origin, std::string_view text) {
    if (font.font.underline() || text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
        return false;
    }
    if (font.asciiGlyphs.isEmpty()) {
        font.raw = QRawFont::fromFont(font.font);
        if (!font.raw.isValid()) return false;
        QString ascii;
        for (int c = 0; c < 0x80; ++c) ascii.append(QChar(c));
        font.asciiGlyphs = font.raw.glyphIndexesForString(ascii);
        TextWidth(font, "");  // fills the advances
        if (font.asciiGlyphs.size() != 0x80) return false;
    }
    if (!font.raw.isValid()) return false;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(qsizetype(text.size()));
    positions.reserve(qsizetype(text.size()));
    double x = 0;
    for (char c : text) {
        glyphs.append(font.asciiGlyphs[c]);
        positions.append(QPointF(x, 0));
        x += font.asciiAdvances[std::size_t(c)];
    }
    QGlyphRun run;
    run.setRawFont(font.raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter_.drawGlyphRun(origin, run);
    return true;
}

TextMetrics PainterSurface::MeasureText(const TextFont& font, std::string_view text) {
    CachedFont& cached = FontFor(font);
    return TextMetrics{TextWidth(cached, text), cached.metrics.ascent() + cached.metrics.descent(),
                       cached.metrics.ascent()};
}

void PainterSurface::DrawText(const TextFont& font, PixelPoint anchor, double rotation, TextAlign align,
                              Colour colour, std::string_view text) {
    CachedFont& cached = FontFor(font);
    const QString qtext = QString::fromUtf8(text.data(), qsizetype(text.size()));
    double dx = 0;
    if (align != TextAlign::Left) {
        const double width = TextWidth(cached, text);
        dx = align == TextAlign::Center ? -width / 2 : -width;
    }
    UsePen(Pen{PenStyle::Solid, 1, colour});
    if (fontSet_ != &cached) {
        painter_.setFont(cached.font);
        fontSet_ = &cached;
    }
    if (rotation == 0) {
        if (!DrawGlyphs(cached, QPointF(anchor.x + dx, anchor.y), text)) painter_.drawText(QPointF(anchor.x + dx, anchor.y), qtext);
        return;
    }
    painter_.translate(anchor.x, anchor.y);
    painter_.rotate(-rotation);
    if (!DrawGlyphs(cached, QPointF(dx, 0), text)) painter_.drawText(QPointF(dx, 0), qtext);
    painter_.resetTransform();
}

}  // namespace gui
