#include "reader/rotation.h"

#include "vb/convert.h"

#include <cmath>

namespace tiraq {
namespace {

void Rotate(float& x, float& y, double cosine, double sine) {
    const double oldX = x;
    const double oldY = y;
    x = vb::CSng(oldX * cosine - oldY * sine);
    y = vb::CSng(oldY * cosine + oldX * sine);
}

}  // namespace

int RotatePoint(SinglePoint& Point, float Angle) {
    const double a = Angle * 2 * kPi / 360;
    Rotate(Point.X, Point.Y, std::cos(a), std::sin(a));
    return 1;
}

int RotateRect(SingleRect& Rect, float Angle) {
    const double a = Angle * 2 * kPi / 360;
    const double cosine = std::cos(a);
    const double sine = std::sin(a);
    Rotate(Rect.X1, Rect.Y1, cosine, sine);
    Rotate(Rect.X2, Rect.Y2, cosine, sine);
    return 1;
}

}  // namespace tiraq
