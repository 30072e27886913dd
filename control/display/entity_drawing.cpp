#include "display/entity_drawing.h"

#include "display/bulge.h"
#include "display/drawing_pass.h"
#include "display/primitives.h"
#include "display/text_extents.h"
#include "reader/ansi_text.h"
#include "reader/drawing_database.h"
#include "reader/rotation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace tiraq {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr std::int32_t kSentinelHeight = 50000;
// Sagittas up to this many pixels draw an arc as its chord.
constexpr double kFlatArcPixels = 3;

DevicePoint Rounded(DevicePoint p) { return {RoundPixel(p.X), RoundPixel(p.Y)}; }

bool Visible(const DrawingPass& pass, std::int32_t layerIndex) { return LayerVisible(pass.db.Layers.get(), layerIndex); }

bool PassesCulling(const DrawingPass& pass, const DeviceRect& rect) {
    DeviceRect test;
    MakeTestRect(rect, test);
    return pass.clip.Meets(test);
}

// The pixel box of a circle about a world centre.
DeviceRect CircleBox(const DrawingPass& pass, float X, float Y, float Radius) {
    return DeviceRect{RoundPixel(pass.state.PixelX(X - Radius)), RoundPixel(pass.state.PixelY(Y + Radius)),
                      RoundPixel(pass.state.PixelX(X + Radius)), RoundPixel(pass.state.PixelY(Y - Radius))};
}

EllipticArc CircleArc(const DrawingPass& pass, float X, float Y, float Radius, double start, double sweep) {
    const double r = double(Radius) * pass.state.Conversion.ViewScale;
    return EllipticArc{pass.Pixel(X, Y), {r, 0}, {0, -r}, start, sweep};
}

void DrawLineEntity(const DrawingPass& pass, const LineRecord& line) {
    if (!Visible(pass, line.LayerIndex) || line.IsDeleted != 0) return;
    const DevicePoint from = Rounded(pass.Pixel(line.X1, line.Y1)), to = Rounded(pass.Pixel(line.X2, line.Y2));
    if (!PassesCulling(pass, {from.X, from.Y, to.X, to.Y})) return;
    const std::int32_t width = line.LineType != 0 ? 0 : MakePen(0, line.Linewidth, 0).width;
    pass.Line(from, to, width, pass.Colour(line.LayerIndex, line.EntityColor), line.LineType);
}

void DrawPolylineEntity(const DrawingPass& pass, std::int32_t index) {
    const PolylineRecord& segment = pass.db.Polylines.At(index);
    if (!Visible(pass, segment.LayerIndex)) return;
    if (segment.Bulge != 0) {
        BulgeDraw(pass, index);
        return;
    }
    const DevicePoint from = Rounded(pass.Pixel(segment.X1, segment.Y1));
    const DevicePoint to = Rounded(pass.Pixel(segment.X2, segment.Y2));
    if (!PassesCulling(pass, {from.X, from.Y, to.X, to.Y})) return;
    const double width = double(segment.Linewidth) * pass.state.Conversion.ViewScale;
    pass.Line(from, to, std::max<std::int32_t>(1, MakePen(0, width, 0).width),
              pass.Colour(segment.LayerIndex, segment.EntityColor), segment.LineType);
}

// A text or attribute value at its anchor. The culling box is a square about the anchor that holds
// the text whatever its rotation and alignment.
void DrawTextAt(const DrawingPass& pass, gui::DrawingTarget& picture, std::string_view text, float X, float Y,
                float Height, float FontScalar, float Rotation, std::int32_t HorzAlign, std::int32_t LayerIndex,
                std::int32_t EntityColor, std::string_view FontName) {
    const std::int32_t h = pass.state.CvtHeight(Height, FontScalar);
    if (h <= 1 || h == kSentinelHeight || h > kDeviceRange) return;
    const DevicePoint anchor = Rounded(pass.Pixel(X, Y));
    if (!InDeviceRange(anchor.X) || !InDeviceRange(anchor.Y)) return;
    // No glyph is wider than one and a half cells: a text whose box by that bound misses the
    // target is skipped unmeasured, one whose box lies wholly on it is drawn unmeasured, and only
    // the texts between are measured to decide.
    const double longest = (double(TrimBlanks(text).size()) + 1) * 1.5 * h + h;
    const DeviceRect bound{anchor.X - longest, anchor.Y - longest, anchor.X + longest, anchor.Y + longest};
    if (!pass.clip.Meets(bound)) return;
    const bool wholly = bound.Left >= 0 && bound.Top >= 0 && bound.Right < pass.clip.Width && bound.Bottom < pass.clip.Height;
    if (!wholly) {
        std::int32_t w = 0, d = 0;
        MeasureString(picture, text, h, w, d);
        const double reach = 2.0 * (double(w) + d) + h;
        if (!pass.clip.Meets({anchor.X - reach, anchor.Y - reach, anchor.X + reach, anchor.Y + reach})) return;
    }
    DrawString(pass.DC, TrimBlanks(text), std::int32_t(anchor.X), std::int32_t(anchor.Y), h, Rotation, HorzAlign,
               pass.Colour(LayerIndex, EntityColor), TrimBlanks(FontName));
}

void DrawCircleEntity(const DrawingPass& pass, const CircleRecord& circle) {
    if (!Visible(pass, circle.LayerIndex) || circle.IsDeleted != 0) return;
    const DeviceRect box = CircleBox(pass, circle.X1, circle.Y1, circle.Radius);
    if (!PassesCulling(pass, box)) return;
    const gui::Colour colour = pass.Colour(circle.LayerIndex, circle.EntityColor);
    if (circle.StartAngle == circle.EndAngle) {
        if (InDeviceRange(box)) {
            DrawCircle(pass.DC, ToDevice(box), colour, circle.LineType, circle.Linewidth);
        } else {
            pass.Traced(CircleArc(pass, circle.X1, circle.Y1, circle.Radius, 0, kTwoPi),
                        MakePen(circle.LineType, circle.Linewidth, colour));
        }
        return;
    }
    const float s = float(circle.StartAngle * 2 * float(kPi) / 360);
    const float e = float(circle.EndAngle * 2 * float(kPi) / 360);
    // The sweep runs counter-clockwise from start to end, also across 0 degrees.
    double sweepDegrees = std::fmod(double(circle.EndAngle) - circle.StartAngle, 360.0);
    if (sweepDegrees <= 0) sweepDegrees += 360;
    const double sweep = sweepDegrees * 2 * kPi / 360;
    const double R = RoundPixel(double(circle.Radius) * pass.state.Conversion.ViewScale);
    const double sagitta = RoundPixel(std::fabs(R - R * std::cos(sweep / 2)));
    const DevicePoint start =
        Rounded(pass.Pixel(circle.Radius * std::cos(double(s)) + circle.X1, circle.Radius * std::sin(double(s)) + circle.Y1));
    const DevicePoint end =
        Rounded(pass.Pixel(circle.Radius * std::cos(double(e)) + circle.X1, circle.Radius * std::sin(double(e)) + circle.Y1));
    if (sagitta <= kFlatArcPixels) {
        pass.Line(start, end, 1, colour, circle.LineType);
    } else if (InDeviceRange(box)) {
        // Ends on one pixel draw the whole circle: the arc goes all the way round.
        DrawArc(pass.DC, ToDevice(box), ToDevice(start), ToDevice(end), colour, circle.LineType, circle.Linewidth);
    } else {
        pass.Traced(CircleArc(pass, circle.X1, circle.Y1, circle.Radius, s, sweep),
                    MakePen(circle.LineType, circle.Linewidth, colour));
    }
}

void DrawSolidEntity(const DrawingPass& pass, const SolidRecord& solid) {
    if (!Visible(pass, solid.LayerIndex) || solid.IsDeleted != 0) return;
    const std::array<DevicePoint, 4> corners{Rounded(pass.Pixel(solid.X1, solid.Y1)), Rounded(pass.Pixel(solid.X2, solid.Y2)),
                                           Rounded(pass.Pixel(solid.X3, solid.Y3)), Rounded(pass.Pixel(solid.X4, solid.Y4))};
    // Off the target a solid changes no pixel: skipping it saves the device a fill.
    DeviceRect box{corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
    for (const DevicePoint& p : corners) {
        box.Left = std::min(box.Left, p.X), box.Right = std::max(box.Right, p.X);
        box.Top = std::min(box.Top, p.Y), box.Bottom = std::max(box.Bottom, p.Y);
    }
    if (!pass.clip.Meets(box)) return;
    const gui::Colour colour = pass.Colour(solid.LayerIndex, solid.EntityColor);
    const bool inRange = std::all_of(corners.begin(), corners.end(),
                                     [](const DevicePoint& p) { return InDeviceRange(p.X) && InDeviceRange(p.Y); });
    if (inRange) {
        const gui::PixelPoint points[4] = {ToDevice(corners[0]), ToDevice(corners[1]), ToDevice(corners[2]),
                                           ToDevice(corners[3])};
        DrawSolid(pass.DC, points, colour);
        return;
    }
    const std::vector<gui::PixelPoint> clipped = ClipPolygon(corners, pass.clip, ClipMargin(MakePen(0, 1, colour)));
    if (clipped.size() >= 3) pass.DC.FillPolygon(clipped, colour);
}

void DrawPointEntity(const DrawingPass& pass, const PointRecord& point) {
    if (!Visible(pass, point.LayerIndex)) return;
    const DevicePoint at = Rounded(pass.Pixel(point.X1, point.Y1));
    if (!pass.clip.Meets({at.X, at.Y, at.X, at.Y})) return;
    DrawPoint(pass.DC, ToDevice(at), pass.Colour(point.LayerIndex, point.EntityColor));
}

bool FullTurn(double sweep) { return sweep < 1e-5 || sweep > kTwoPi - 1e-5; }

void DrawEllipseEntity(const DrawingPass& pass, const EllipseRecord& ellipse) {
    if (!Visible(pass, ellipse.LayerIndex)) return;
    const gui::Colour colour = pass.Colour(ellipse.LayerIndex, ellipse.EntityColor);
    const double sweep = std::fmod(std::fmod(double(ellipse.EndParam) - ellipse.StartParam, kTwoPi) + kTwoPi, kTwoPi);
    const bool axisAligned = ellipse.MajorX == 0 || ellipse.MajorY == 0;
    if (axisAligned && FullTurn(sweep)) {
        float fullWidth, fullHeight;
        if (ellipse.MajorX == 0) {
            fullHeight = std::fabs(2 * ellipse.MajorY);
            fullWidth = fullHeight * ellipse.Ratio;
        } else {
            fullWidth = std::fabs(2 * ellipse.MajorX);
            fullHeight = fullWidth * ellipse.Ratio;
        }
        const DeviceRect box{RoundPixel(pass.state.PixelX(ellipse.X1 - fullWidth / 2)),
                             RoundPixel(pass.state.PixelY(ellipse.Y1 + fullHeight / 2)),
                             RoundPixel(pass.state.PixelX(ellipse.X1 + fullWidth / 2)),
                             RoundPixel(pass.state.PixelY(ellipse.Y1 - fullHeight / 2))};
        if (!PassesCulling(pass, box)) return;
        if (InDeviceRange(box)) {
            DrawCircle(pass.DC, ToDevice(box), colour, ellipse.LineType, 1.0f);
            return;
        }
    }
    // Tilted ellipses and elliptical arcs are traced true, from the start parameter
    // counter-clockwise to the end one.
    const double scale = pass.state.Conversion.ViewScale;
    const double minorX = -double(ellipse.MajorY) * ellipse.Ratio, minorY = double(ellipse.MajorX) * ellipse.Ratio;
    const EllipticArc arc{pass.Pixel(ellipse.X1, ellipse.Y1),
                          {ellipse.MajorX * scale, -ellipse.MajorY * scale},
                          {minorX * scale, -minorY * scale},
                          ellipse.StartParam,
                          FullTurn(sweep) ? kTwoPi : sweep};
    const double reach = std::hypot(arc.Major.X, arc.Major.Y) + std::hypot(arc.Minor.X, arc.Minor.Y);
    if (!pass.clip.Meets({arc.Centre.X - reach, arc.Centre.Y - reach, arc.Centre.X + reach, arc.Centre.Y + reach})) return;
    pass.Traced(arc, MakePen(ellipse.LineType, 1, colour));
}

}  // namespace

void DrawEntity(const DrawingPass& pass, gui::DrawingTarget& picture, std::int16_t DisplayAttributes, SeqEntry entry) {
    const DrawingDatabase& db = pass.db;
    switch (entry.EntityKind) {
    case DisplayKind::Line: DrawLineEntity(pass, db.Lines.At(entry.Index)); break;
    case DisplayKind::Polyline: DrawPolylineEntity(pass, entry.Index); break;
    case DisplayKind::Text: {
        const TextRecord& text = db.Texts.At(entry.Index);
        if (!Visible(pass, text.LayerIndex) || text.IsDeleted != 0) break;
        DrawTextAt(pass, picture, text.Txt, text.X1, text.Y1, text.Height, text.FontScalar, text.Rotation,
                   text.HorzAlign, text.LayerIndex, text.EntityColor, text.FontName);
        break;
    }
    case DisplayKind::Circle: DrawCircleEntity(pass, db.Circles.At(entry.Index)); break;
    case DisplayKind::Solid: DrawSolidEntity(pass, db.Solids.At(entry.Index)); break;
    case DisplayKind::Point: DrawPointEntity(pass, db.Points.At(entry.Index)); break;
    case DisplayKind::Attribute: {
        const AttribRecord& attribute = db.Attribs.At(entry.Index);
        if (DisplayAttributes == 0 || !Visible(pass, attribute.LayerIndex)) break;
        DrawTextAt(pass, picture, attribute.TagValue, attribute.X, attribute.Y, attribute.Height, attribute.FontScalar,
                   attribute.Rotation, attribute.HorzAlign, attribute.LayerIndex, attribute.EntityColor,
                   attribute.FontName);
        break;
    }
    case DisplayKind::Ellipse: DrawEllipseEntity(pass, db.Ellipses.At(entry.Index)); break;
    default: break;
    }
}

}  // namespace tiraq
