#include "drawing/drawing_target.h"

#include "vb/error.h"

#include <cmath>

namespace gui {
namespace {

constexpr long kErrInvalidPropertyValue = 380;

[[noreturn]] void RaiseInvalidProperty() { throw vb::RuntimeError(kErrInvalidPropertyValue, "Invalid property value"); }

std::int32_t RoundPixel(double value) {
    if (!(std::fabs(value) < 2147483647.0)) vb::RaiseOverflow();
    return std::int32_t(std::lround(value));
}

}  // namespace

void DrawingTarget::SetScaleMode(int mode) {
    if (mode < kScaleUser || mode > kScaleCentimetres) RaiseInvalidProperty();
    if (mode == kScaleUser && scaleMode_ != kScaleUser) {
        userLeft_ = ScaleLeft();
        userTop_ = ScaleTop();
        userWidth_ = ScaleWidth();
        userHeight_ = ScaleHeight();
    }
    scaleMode_ = mode;
}

double DrawingTarget::UnitsPerInch(bool vertical) const {
    switch (scaleMode_) {
    case kScaleTwips: return 1440;
    case kScalePoints: return 72;
    case kScaleCharacters: return vertical ? 6 : 12;
    case kScaleInches: return 1;
    case kScaleMillimetres: return 25.4;
    case kScaleCentimetres: return 2.54;
    default: return DotsPerInch();
    }
}

double DrawingTarget::UnitsPerPixelX() const {
    if (scaleMode_ == kScaleUser) return PixelWidth() > 0 ? userWidth_ / PixelWidth() : userWidth_;
    return UnitsPerInch(false) / DotsPerInch();
}

double DrawingTarget::UnitsPerPixelY() const {
    if (scaleMode_ == kScaleUser) return PixelHeight() > 0 ? userHeight_ / PixelHeight() : userHeight_;
    return UnitsPerInch(true) / DotsPerInch();
}

double DrawingTarget::ScaleLeft() const { return scaleMode_ == kScaleUser ? userLeft_ : 0; }
double DrawingTarget::ScaleTop() const { return scaleMode_ == kScaleUser ? userTop_ : 0; }
double DrawingTarget::ScaleWidth() const {
    return scaleMode_ == kScaleUser ? userWidth_ : PixelWidth() * UnitsPerPixelX();
}
double DrawingTarget::ScaleHeight() const {
    return scaleMode_ == kScaleUser ? userHeight_ : PixelHeight() * UnitsPerPixelY();
}

void DrawingTarget::SetScaleLeft(double value) {
    SetScaleMode(kScaleUser);
    userLeft_ = value;
}
void DrawingTarget::SetScaleTop(double value) {
    SetScaleMode(kScaleUser);
    userTop_ = value;
}
void DrawingTarget::SetScaleWidth(double value) {
    if (value == 0) RaiseInvalidProperty();
    SetScaleMode(kScaleUser);
    userWidth_ = value;
}
void DrawingTarget::SetScaleHeight(double value) {
    if (value == 0) RaiseInvalidProperty();
    SetScaleMode(kScaleUser);
    userHeight_ = value;
}

double DrawingTarget::ToPixelX(double x) const { return (x - ScaleLeft()) / UnitsPerPixelX(); }
double DrawingTarget::ToPixelY(double y) const { return (y - ScaleTop()) / UnitsPerPixelY(); }
double DrawingTarget::FromPixelX(double px) const { return px * UnitsPerPixelX() + ScaleLeft(); }
double DrawingTarget::FromPixelY(double py) const { return py * UnitsPerPixelY() + ScaleTop(); }

PixelPoint DrawingTarget::ToPixel(double x, double y) const {
    return PixelPoint{RoundPixel(ToPixelX(x)), RoundPixel(ToPixelY(y))};
}

void DrawingTarget::SetFontSize(double points) {
    if (!(points > 0) || !std::isfinite(points)) RaiseInvalidProperty();
    fontSize_ = points;
}

TextFont DrawingTarget::PixelFont() const {
    TextFont font = font_;
    font.pixelHeight = fontSize_ * DotsPerInch() / 72.0;
    return font;
}

double DrawingTarget::TextWidth(std::string_view text) {
    return Surface().MeasureText(PixelFont(), text).width * std::fabs(UnitsPerPixelX());
}

double DrawingTarget::TextHeight(std::string_view text) {
    (void)text;  // one line of any text is as high as the font
    return Surface().MeasureText(PixelFont(), {}).height * std::fabs(UnitsPerPixelY());
}

void DrawingTarget::Print(std::string_view text) {
    DrawingSurface& surface = DrawingSurfaceInMode();
    const TextFont font = PixelFont();
    const TextMetrics metrics = surface.MeasureText(font, text);
    if (!text.empty()) {
        const PixelPoint topLeft = ToPixel(currentX_, currentY_);
        surface.DrawText(font, PixelPoint{topLeft.x, topLeft.y + RoundPixel(metrics.ascent)}, 0, TextAlign::Left,
                         foreColor_, text);
    }
    currentX_ = ScaleLeft();
    currentY_ += metrics.height * UnitsPerPixelY();
}

void DrawingTarget::SetDrawMode(int mode) {
    if (mode < 1 || mode > 16) RaiseInvalidProperty();
    drawMode_ = mode;
    PrepareSurface(Surface());
}

void DrawingTarget::SetDrawWidth(int width) {
    if (width < 1 || width > 32767) RaiseInvalidProperty();
    drawWidth_ = width;
}

void DrawingTarget::SetDrawStyle(int style) {
    if (style < 0 || style > 6) RaiseInvalidProperty();
    drawStyle_ = style;
}

void DrawingTarget::PrepareSurface(DrawingSurface& surface) const {
    surface.SetRasterOp(drawMode_ == kDrawInvert ? RasterOp::Invert : RasterOp::CopyPen);
}

DrawingSurface& DrawingTarget::DrawingSurfaceInMode() {
    DrawingSurface& surface = Surface();
    PrepareSurface(surface);
    return surface;
}

Pen DrawingTarget::CurrentPen(Colour colour) const {
    // Styles 5 (transparent) and 6 (inside solid) draw as solid lines here; nothing uses them.
    const PenStyle style = drawStyle_ <= 4 ? PenStyle(drawStyle_) : PenStyle::Solid;
    return Pen{style, drawWidth_, colour};
}

void DrawingTarget::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
                         LineShape shape) {
    DrawingSurface& surface = DrawingSurfaceInMode();
    const Pen pen = CurrentPen(colour.value_or(foreColor_));
    const PixelPoint from = ToPixel(x1, y1), to = ToPixel(x2, y2);
    if (shape == LineShape::Line) {
        surface.DrawLine(pen, from, to);
    } else {
        surface.DrawRectangle(pen, PixelRect{from.x, from.y, to.x, to.y}, shape == LineShape::FilledBox);
    }
    currentX_ = x2;
    currentY_ = y2;
}

void DrawingTarget::Circle(double x, double y, double radius, std::optional<Colour> colour) {
    DrawingSurface& surface = DrawingSurfaceInMode();
    const PixelPoint centre = ToPixel(x, y);
    const std::int32_t r = RoundPixel(std::fabs(radius / UnitsPerPixelX()));
    surface.DrawEllipse(CurrentPen(colour.value_or(foreColor_)),
                        PixelRect{centre.x - r, centre.y - r, centre.x + r, centre.y + r});
    currentX_ = x;
    currentY_ = y;
}

void DrawingTarget::PSet(double x, double y, std::optional<Colour> colour) {
    DrawingSurfaceInMode().SetPixel(ToPixel(x, y), colour.value_or(foreColor_));
    currentX_ = x;
    currentY_ = y;
}

std::int64_t DrawingTarget::Point(double x, double y) {
    const double px = std::round(ToPixelX(x)), py = std::round(ToPixelY(y));
    if (px < 0 || py < 0 || px >= PixelWidth() || py >= PixelHeight()) return -1;
    return ReadPixel(PixelPoint{std::int32_t(px), std::int32_t(py)});
}

void DrawingTarget::Cls() {
    currentX_ = ScaleLeft();
    currentY_ = ScaleTop();
    if (PixelWidth() <= 0 || PixelHeight() <= 0) return;
    DrawingSurface& surface = Surface();
    surface.SetRasterOp(RasterOp::CopyPen);
    surface.DrawRectangle(Pen{PenStyle::Solid, 1, backColor_}, PixelRect{0, 0, PixelWidth() - 1, PixelHeight() - 1},
                          true);
    PrepareSurface(surface);
}

}  // namespace gui

