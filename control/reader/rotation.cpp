#include "reader/rotation.h"

#include <cmath>

namespace tiraq {

PointRotator::PointRotator(float Angle) {
    const double a = Angle * 2 * kPi / 360;
    cosine_ = std::cos(a);
    sine_ = std::sin(a);
}

int RotatePoint(SinglePoint& Point, float Angle) {
    PointRotator(Angle).Apply(Point.X, Point.Y);
    return 1;
}

int RotateRect(SingleRect& Rect, float Angle) {
    const PointRotator rotator(Angle);
    rotator.Apply(Rect.X1, Rect.Y1);
    rotator.Apply(Rect.X2, Rect.Y2);
    return 1;
}

}  // namespace tiraq
