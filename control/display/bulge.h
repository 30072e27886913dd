#pragma once

#include <cstdint>

namespace tiraq {

struct DrawingPass;

// A polyline segment with a bulge is the arc between its end points whose included angle is
// 4 arctan(bulge), counter-clockwise from the first point to the second for a positive bulge.
// The centre and angles are found in single precision with the drawing's value of pi.
float BulgeCenterX(float dx, float dy, float X1, float XOffset, float Bulge);
float BulgeCenterY(float dx, float dy, float Y1, float YOffset, float Bulge);
// Radians counter-clockwise from +X; the end lies |included angle| counter-clockwise from the
// start, so for a negative bulge the arc runs from the second point back to the first.
float BulgeStartAngle(float dx, float dy, float Phi, float Bulge, float Theta);
float BulgeEndAngle(float Bulge, float StartAngle, float Theta);

// Draws the polyline segment at that index as its arc: solid, one pixel wide. An arc too large for
// the device is traced where it is visible; one whose sagitta is below half a pixel is its chord.
void BulgeDraw(const DrawingPass& pass, std::int32_t Index);

}  // namespace tiraq
