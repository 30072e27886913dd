#pragma once

#include "reader/drawing_records.h"

#include <cstdint>

namespace tiraq {

// The world-to-pixel conversion of the last drawing pass.
struct ConversionState {
    float ViewScale = 0;  // pixels per drawing unit; 0 until the first pass
    float XOrigin = 0;    // world X at pixel column 0
    float YOrigin = 0;    // world Y at pixel row PixelHeight
    std::int32_t PixelWidth = 0;
    // The target's height in pixels; the last row's number when the pass spans the drawing's
    // extents from the first row to the last.
    std::int32_t PixelHeight = 0;
    float PixelAspect = 0;
    std::uintptr_t TargetWindow = 0;
    bool operator==(const ConversionState&) const = default;
};

// The view and conversion state of one control: every control instance owns one, so two drawing
// windows never see each other's views or drags.
class DisplayState {
public:
    ConversionState Conversion;
    ViewRect CurrentView;
    // The copy of ZoomFunction that the rubber bands follow: set only by the property's let, so
    // it starts at 0 (window) whatever the host stored.
    std::int16_t BandZoomFunction = 0;

    // Pixel column and row of a world point, rounded half to even; a result outside the Long
    // range raises the control's error "Error in CvtX." / "Error in CvtY.".
    std::int32_t CvtX(float X) const;
    std::int32_t CvtY(float Y) const;
    // World X and Y of a pixel column and row; 0 before the first pass.
    float IntToRealX(double XPixel) const;
    float IntToRealY(double YPixel) const;
    bool GetCurrentZoom(float& Left, float& top, float& right, float& bottom) const;
    bool SetCvtParams(std::int32_t PixelHeight, float XOrigin, float YOrigin, float ViewScale,
                      std::uintptr_t TargetWindow);
    // Pixel height of a text, rounded; 0 when it does not fit a Long.
    std::int32_t CvtHeight(float Height, float Scalar) const;

    // The same conversions unrounded and unbounded, in double, for the drawing routine, which
    // clips what lies beyond a Long instead of failing.
    double PixelX(double X) const { return (X - double(Conversion.XOrigin)) * double(Conversion.ViewScale); }
    double PixelY(double Y) const {
        return double(Conversion.PixelHeight) - (Y - double(Conversion.YOrigin)) * double(Conversion.ViewScale);
    }
};

}  // namespace tiraq
