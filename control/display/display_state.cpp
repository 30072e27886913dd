#include "display/display_state.h"

#include "reader/error_chain.h"

#include "vb/convert.h"

#include <cmath>

namespace tiraq {

std::int32_t DisplayState::CvtX(float X) const {
    try {
        return vb::CLng(PixelX(X));
    } catch (...) {
        RaiseTiraqError("Error in CvtX.");
    }
}

std::int32_t DisplayState::CvtY(float Y) const {
    try {
        return vb::CLng(PixelY(Y));
    } catch (...) {
        RaiseTiraqError("Error in CvtY.");
    }
}

float DisplayState::IntToRealX(double XPixel) const {
    if (Conversion.ViewScale == 0) return 0;
    try {
        return vb::CSng(XPixel / double(Conversion.ViewScale) + double(CurrentView.Left));
    } catch (...) {
        throw ChainedError(" ->  IntToRealX.");
    }
}

float DisplayState::IntToRealY(double YPixel) const {
    if (Conversion.ViewScale == 0) return 0;
    try {
        return vb::CSng(double(CurrentView.Bottom) -
                        (YPixel - double(Conversion.PixelHeight)) / double(Conversion.ViewScale));
    } catch (...) {
        throw ChainedError(" ->  IntToRealY.");
    }
}

bool DisplayState::GetCurrentZoom(float& Left, float& top, float& right, float& bottom) const {
    Left = CurrentView.Left;
    top = CurrentView.Top;
    right = CurrentView.Right;
    bottom = CurrentView.Bottom;
    return true;
}

bool DisplayState::SetCvtParams(std::int32_t PixelHeight, float XOrigin, float YOrigin, float ViewScale,
                                std::uintptr_t TargetWindow) {
    Conversion.PixelHeight = PixelHeight;
    Conversion.XOrigin = XOrigin;
    Conversion.YOrigin = YOrigin;
    Conversion.ViewScale = ViewScale;
    Conversion.TargetWindow = TargetWindow;
    return true;
}

std::int32_t DisplayState::CvtHeight(float Height, float Scalar) const {
    try {
        return vb::CLng(double(Height) * double(Scalar) * double(Conversion.ViewScale));
    } catch (...) {
        return 0;
    }
}

}  // namespace tiraq
