#include "frame/view_geometry.h"

#include "reader/error_chain.h"
#include "vb/convert.h"

#include <algorithm>
#include <cstdlib>

namespace tiraq {

void PreviousViews::Push(const ViewRect& view) {
    std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_[0] = view;
}

const ViewRect& PreviousViews::Pop(const ViewRect& extents) {
    std::move(entries_.begin() + 1, entries_.end(), entries_.begin());
    entries_[3] = extents;
    return entries_[0];
}

namespace {

// The runtime's division: by zero it raises "Division by zero", or "Overflow" for 0 / 0.
double Quotient(double numerator, double denominator) {
    if (denominator != 0) return numerator / denominator;
    if (numerator == 0) vb::RaiseOverflow();
    throw vb::RuntimeError(kErrDivisionByZero, "Division by zero");
}

}  // namespace

ViewRect DrillDownView(const ViewRect& current, const ConversionState& conversion, float X, float Y,
                       std::int16_t Percentage) {
    const double s = conversion.ViewScale;
    const double W = double(current.Right) - current.Left;
    const double H = double(current.Top) - current.Bottom;
    const double wx = Quotient(X, s) + current.Left;
    const double wy = current.Bottom - Quotient(Y - double(conversion.PixelHeight), s);
    const double newWidth = Quotient(100.0, Percentage) * W;
    const double fx = Quotient(wx - current.Left, W);
    const double newHeight = Quotient(100.0, Percentage) * H;
    const double fy = Quotient(wy - current.Bottom, H);
    ViewRect target;
    target.Left = vb::CSng(wx - fx * newWidth);
    target.Right = vb::CSng(wx + (1 - fx) * newWidth);
    target.Top = vb::CSng(wy + (1 - fy) * newHeight);
    target.Bottom = vb::CSng(wy - fy * newHeight);
    return target;
}

int PixelBox::Width() const { return std::abs(int(X2) - int(X1)); }
int PixelBox::Height() const { return std::abs(int(Y2) - int(Y1)); }

bool WindowTooSmall(const PixelBox& box) {
    return (box.Width() < 3 && box.Height() < 3) || box.Width() == 0 || box.Height() == 0;
}

ViewRect WindowZoomView(const ViewRect& current, const ConversionState& conversion, const PixelBox& box) {
    const double s = conversion.ViewScale;
    const double bottomRow = conversion.PixelHeight;
    const double minX = std::min(box.X1, box.X2), maxX = std::max(box.X1, box.X2);
    const double minY = std::min(box.Y1, box.Y2), maxY = std::max(box.Y1, box.Y2);
    ViewRect target;
    target.Left = vb::CSng(minX / s + current.Left);
    target.Bottom = vb::CSng((bottomRow - maxY) / s + current.Bottom);
    target.Right = vb::CSng(maxX / s + current.Left);
    target.Top = vb::CSng((bottomRow - minY) / s + current.Bottom);
    return target;
}

ViewRect PanView(const ViewRect& current, float viewScale, std::int16_t startX, std::int16_t startY,
                 std::int16_t endX, std::int16_t endY) {
    // The runtime subtracts Integers in Integer arithmetic, so a difference beyond its range
    // overflows.
    const std::int16_t dx = vb::CInt(double(startX) - endX);
    const std::int16_t dy = vb::CInt(double(endY) - startY);
    const double mx = dx / double(viewScale), my = dy / double(viewScale);
    return ViewRect{vb::CSng(current.Left + mx), vb::CSng(current.Top + my), vb::CSng(current.Right + mx),
                    vb::CSng(current.Bottom + my)};
}

ViewRect CentredView(const ViewRect& current, float X, float Y) {
    const double W = double(current.Right) - current.Left;
    const double H = double(current.Top) - current.Bottom;
    return ViewRect{vb::CSng(X - W / 2), vb::CSng(Y + H / 2), vb::CSng(X + W / 2), vb::CSng(Y - H / 2)};
}

bool HasArea(const ViewRect& view) {
    return float(view.Left - view.Right) != 0 && float(view.Bottom - view.Top) != 0;
}

}  // namespace tiraq
