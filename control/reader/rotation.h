#pragma once

#include "vb/convert.h"

namespace tiraq {

// The drawing's value of pi, used as written wherever the control turns degrees into radians.
inline constexpr double kPi = 3.14159;

struct SinglePoint {
    float X = 0;
    float Y = 0;
};

struct SingleRect {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// A rotation by one angle for many points, with the same values as RotatePoint.
class PointRotator {
public:
    explicit PointRotator(float Angle);
    void Apply(float& X, float& Y) const {
        const double oldX = X;
        const double oldY = Y;
        X = vb::CSng(oldX * cosine_ - oldY * sine_);
        Y = vb::CSng(oldY * cosine_ + oldX * sine_);
    }

private:
    double cosine_;
    double sine_;
};

// Rotate in place, counterclockwise about the origin, by `Angle` degrees. Both return 1.
int RotatePoint(SinglePoint& Point, float Angle);
int RotateRect(SingleRect& Rect, float Angle);

}  // namespace tiraq
