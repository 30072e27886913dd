#include "display/bulge.h"

#include "display/drawing_pass.h"
#include "display/primitives.h"
#include "reader/drawing_database.h"
#include "reader/error_chain.h"
#include "reader/rotation.h"

#include <cmath>

namespace tiraq {
namespace {

constexpr float kHalfPi = 1.570795f;
constexpr double kSentinelPixel = 50000;

int Sgn(float value) { return value > 0 ? 1 : value < 0 ? -1 : 0; }

// The arc in double precision straight from the end points, for arcs beyond the device range,
// where single-precision angles would put the ends hundreds of pixels off.
EllipticArc ExactArc(const DrawingPass& pass, const PolylineRecord& segment) {
    const double x1 = segment.X1, y1 = segment.Y1, x2 = segment.X2, y2 = segment.Y2;
    const double dx = x2 - x1, dy = y2 - y1, chord = std::hypot(dx, dy);
    const double theta = 4 * std::atan(double(segment.Bulge));
    const double toCentre = chord / 2 / std::tan(theta / 2);  // along the left normal of the chord
    const double cx = (x1 + x2) / 2 - dy / chord * toCentre, cy = (y1 + y2) / 2 + dx / chord * toCentre;
    const double radius = chord / 2 / std::fabs(std::sin(theta / 2));
    // A negative bulge runs clockwise from the first point: the same arc counter-clockwise from the second.
    const double fromX = theta > 0 ? x1 : x2, fromY = theta > 0 ? y1 : y2;
    const double scale = pass.state.Conversion.ViewScale, pixelRadius = radius * scale;
    EllipticArc arc;
    arc.Centre = pass.Pixel(cx, cy);
    arc.Major = {pixelRadius, 0};
    arc.Minor = {0, -pixelRadius};  // world Y grows upward, device Y downward
    arc.Start = std::atan2(fromY - cy, fromX - cx);
    arc.Sweep = std::fabs(theta);
    return arc;
}

}  // namespace

float BulgeCenterX(float dx, float dy, float X1, float XOffset, float Bulge) {
    if (Sgn(Bulge) == Sgn(dx) || (dx == 0 && Sgn(Bulge) == Sgn(dy))) return X1 - XOffset;
    return X1 + XOffset;
}

float BulgeCenterY(float dx, float dy, float Y1, float YOffset, float Bulge) {
    if (dx == 0) return Y1 + dy / 2;
    if (Sgn(dx) != Sgn(Bulge)) return Y1 - YOffset;
    return Y1 + YOffset;
}

float BulgeStartAngle(float dx, float dy, float Phi, float Bulge, float Theta) {
    const float pi = float(kPi);
    if (dx > 0) return Bulge > 0 ? -Phi : Theta + pi - Phi;
    if (dx < 0) return Bulge > 0 ? pi - Phi : Theta - Phi;
    if (dy >= 0) return Bulge > 0 ? Phi - Theta : Theta + pi - Phi;
    return Bulge > 0 ? Phi - Theta - pi : Theta - Phi;
}

float BulgeEndAngle(float Bulge, float StartAngle, float Theta) {
    return Bulge >= 0 ? StartAngle + Theta : StartAngle - Theta;
}

void BulgeDraw(const DrawingPass& pass, std::int32_t Index) {
    try {
        const PolylineRecord& segment = pass.db.Polylines.At(Index);
        const float b = segment.Bulge;
        {
            // An arc of at most half a turn lies within half its chord of the chord's middle, a
            // larger one within twice its radius, c (1 + b^2) / (4 |b|). Arcs off the target, and
            // arcs within one pixel, whose ends fall on one pixel, are done before any trigonometry.
            const double chordX = double(segment.X2) - segment.X1, chordY = double(segment.Y2) - segment.Y1;
            const double chord = std::sqrt(chordX * chordX + chordY * chordY), bulge = std::fabs(double(b));
            const double reach = bulge <= 1 ? chord / 2 : chord * (1 + bulge * bulge) / (2 * bulge);
            const double midX = (double(segment.X1) + segment.X2) / 2, midY = (double(segment.Y1) + segment.Y2) / 2;
            const DeviceRect bound{pass.state.PixelX(midX - reach), pass.state.PixelY(midY + reach),
                                   pass.state.PixelX(midX + reach), pass.state.PixelY(midY - reach)};
            if (!pass.clip.Meets(bound)) return;
            if (RoundPixel(bound.Left) == RoundPixel(bound.Right) && RoundPixel(bound.Top) == RoundPixel(bound.Bottom)) {
                return;
            }
        }
        const float dx = segment.X2 - segment.X1, dy = segment.Y2 - segment.Y1;
        const float chord = float(std::sqrt(double(dx) * dx + double(dy) * dy));
        const float theta = float(4 * std::atan(double(b)));
        const float r = float(std::fabs(double(chord) / (2 * std::sin(double(theta) / 2))));
        const float beta = (float(kPi) - theta) / 2;
        const float sigma = dx != 0 ? float(std::atan(double(dy) / double(dx))) : kHalfPi;
        const float phi = float(kPi) - beta - sigma;
        const float offsetX = float(double(r) * std::cos(double(phi)));
        const float offsetY = float(double(r) * std::sin(double(phi)));
        const float cx = BulgeCenterX(dx, dy, segment.X1, offsetX, b);
        const float cy = BulgeCenterY(dx, dy, segment.Y1, offsetY, b);
        const gui::Colour colour = pass.Colour(segment.LayerIndex, segment.EntityColor);

        const DeviceRect box{RoundPixel(pass.state.PixelX(double(cx) - r)), RoundPixel(pass.state.PixelY(double(cy) + r)),
                             RoundPixel(pass.state.PixelX(double(cx) + r)), RoundPixel(pass.state.PixelY(double(cy) - r))};
        const float start = BulgeStartAngle(dx, dy, phi, b, theta);
        const float end = BulgeEndAngle(b, start, theta);
        const DevicePoint from{RoundPixel(pass.state.PixelX(double(r) * std::cos(double(start)) + cx)),
                               RoundPixel(pass.state.PixelY(double(r) * std::sin(double(start)) + cy))};
        const DevicePoint to{RoundPixel(pass.state.PixelX(double(r) * std::cos(double(end)) + cx)),
                             RoundPixel(pass.state.PixelY(double(r) * std::sin(double(end)) + cy))};
        for (double value : {box.Left, box.Top, box.Right, box.Bottom, from.X, from.Y, to.X, to.Y}) {
            if (value == kSentinelPixel) return;
        }
        if (!pass.clip.Meets(box)) return;
        if (InDeviceRange(box)) {
            if (from.X != to.X || from.Y != to.Y) DrawArc(pass.DC, ToDevice(box), ToDevice(from), ToDevice(to), colour, 0, 1);
            return;
        }
        const double sagitta = std::fabs(double(b)) * std::hypot(double(dx), double(dy)) / 2 *
                               double(pass.state.Conversion.ViewScale);
        if (sagitta < 0.5) {
            pass.Line(pass.Pixel(segment.X1, segment.Y1), pass.Pixel(segment.X2, segment.Y2), 1, colour, 0);
        } else {
            pass.Traced(ExactArc(pass, segment), MakePen(0, 1, colour));
        }
    } catch (...) {
        throw ChainedError(" ->  BulgeDraw.");
    }
}

}  // namespace tiraq
