// The view operations that need no drag: extents, a given view, the previous views, drill-down,
// scrolling and finding a text.

#include "frame/dxf_control.h"

#include "gui/picture_box.h"
#include "vb/convert.h"

namespace tiraq {

bool DXFControl::ZoomExtents() {
    return Chained("ZoomExtents", [&] { return ShowView(db_.DrawingExtents); });
}

bool DXFControl::DXFZoom(float Left, float top, float right, float bottom) {
    return Chained("DXFZoom", [&] { return ShowView(ViewRect{Left, top, right, bottom}); });
}

std::int16_t DXFControl::ZoomPrevious() {
    return Chained("ZoomPrevious", [&]() -> std::int16_t {
        const ViewRect view = prevZoomStack_.Pop(db_.DrawingExtents);
        picTiraq_->Cls();
        lastPassDrawn_ = DrawingPass(view);
        picTiraq_->Refresh();
        return lastPassDrawn_ ? -1 : 0;
    });
}

std::int16_t DXFControl::OnTheSpotZoom(float X, float Y, std::optional<std::int16_t> Button) {
    return Chained("OnTheSpotZoom", [&] {
        const float percentage = Button.value_or(0) == 2 ? onTheSpotZoomPctRight_ : onTheSpotZoomPctLeft_;
        return StationaryZoom(X, Y, vb::CInt(percentage));
    });
}

std::int16_t DXFControl::StationaryZoom(float X, float Y, std::int16_t percentage) {
    return Chained("StationaryZoom", [&]() -> std::int16_t {
        targetView_ = DrillDownView(state_.CurrentView, state_.Conversion, X, Y, percentage);
        picTiraq_->Cls();
        prevZoomStack_.Push(targetView_);
        std::int16_t result = 0;
        if (HasArea(targetView_)) {
            result = DrawingPass(targetView_) ? -1 : 0;
            picTiraq_->Refresh();
        }
        state_.CurrentView = targetView_;
        SetMousePointer(kPointerDefault);
        return result;
    });
}

// Moves the view on screen by `f` times the drawing's extent along one axis and draws it.
std::int16_t DXFControl::ScrollView(double f, float ViewRect::*lower, float ViewRect::*upper) {
    const ViewRect& extents = db_.DrawingExtents;
    const double shift = f * (double(extents.*upper) - extents.*lower);
    state_.CurrentView.*lower = vb::CSng(state_.CurrentView.*lower + shift);
    state_.CurrentView.*upper = vb::CSng(state_.CurrentView.*upper + shift);
    DXFRefresh();
    return -1;
}

// A host passes a scroll bar's position in percent of the extents: moving a vertical bar down
// moves the view down.
std::int16_t DXFControl::VerticalScroll(float DeltaY) {
    return Chained("VerticalScroll", [&] {
        const double f = (double(lastScrollY_) - DeltaY) / 100;
        lastScrollY_ = DeltaY;
        return ScrollView(f, &ViewRect::Bottom, &ViewRect::Top);
    });
}

std::int16_t DXFControl::HorizontalScroll(float DeltaX) {
    return Chained("HorizontalScroll", [&] {
        const double f = (double(DeltaX) - lastScrollX_) / 100;
        lastScrollX_ = DeltaX;
        return ScrollView(f, &ViewRect::Left, &ViewRect::Right);
    });
}

std::int32_t DXFControl::Find(const std::string& TextToFind, std::int16_t LayerID, std::optional<bool> Pan) {
    return Chained("Find", [&]() -> std::int32_t {
        const std::int32_t found = finder_.Next(db_, TextToFind, LayerID);
        if (found != 0 && Pan.value_or(true)) {
            if (state_.Conversion.ViewScale == 0) return found;
            const TextRecord& text = db_.Texts[found];
            targetView_ = CentredView(state_.CurrentView, text.X1, text.Y1);
            prevZoomStack_.Push(targetView_);
            picTiraq_->Cls();
            DrawingPass(targetView_);
            picTiraq_->Refresh();
        }
        SetMousePointer(kPointerDefault);
        return found;
    });
}

}  // namespace tiraq
