// The load entry and the redraws of the view on screen.

#include "frame/dxf_control.h"

#include "frame/user_control.h"
#include "gui/picture_box.h"

namespace tiraq {

void DXFControl::SyncLayout() {
    // A control that is not shown yet gets its size events only when it is shown: the surface
    // takes the size it will show with before it is drawn on or measured.
    if (window_->picTiraqAlignedTop && picTiraq_->size() != window_->size()) UserControl_Resize();
}

bool DXFControl::DrawingPass(const ViewRect& view, bool newestOnly) {
    SyncLayout();
    return routine_.Zoom(view, *picTiraq_, nullptr, false, newestOnly);
}

bool DXFControl::ShowView(const ViewRect& view) {
    picTiraq_->SetAutoRedraw(true);
    picTiraq_->raise();
    picTiraq_->Cls();
    picTiraq_->SetScaleMode(gui::kScalePixels);
    const bool drawn = DrawingPass(view);
    picTiraq_->Refresh();
    return drawn;
}

std::int32_t DXFControl::Regen(MergeEnum Merge, std::optional<float> XOffset, std::optional<float> YOffset) {
    return Chained("Regen", [&]() -> std::int32_t {
        dxfDisplayed_ = false;
        const float x = XOffset.value_or(0), y = YOffset.value_or(0);
        workingFileName_ = filename_;
        loadedFileName_ = filename_;
        if (workingFileName_.empty()) {
            SetMousePointer(kPointerDefault);
            return 0;
        }
        SetMousePointer(kPointerHourglass);
        // A search of an earlier drawing does not go on in this one.
        finder_.Reset();
        reader_.ReadDrawing(Merge, workingFileName_, x, y);
        std::int32_t result = 0;
        if (Merge != dxfMergeParse) {
            picTiraq_->Cls();
            picTiraq_->SetScaleMode(gui::kScalePixels);
            picTiraq_->SetAutoRedraw(true);
            result = DrawingPass(db_.DrawingExtents) ? -1 : 0;
            picTiraq_->Refresh();
            dxfDisplayed_ = true;
        }
        SetMousePointer(kPointerDefault);
        return result;
    });
}

bool DXFControl::Refresh(std::string& strError) {
    return Reported(strError, "Error in DXF.Refresh. The error is: ", [&] {
        picTiraq_->raise();
        picTiraq_->Cls();
        picTiraq_->SetAutoRedraw(true);
        picTiraq_->SetScaleMode(gui::kScalePixels);
        DrawingPass(state_.CurrentView);
        picTiraq_->Refresh();
    });
}

std::int16_t DXFControl::DXFRefresh() {
    return Chained("DXFRefresh", [&]() -> std::int16_t {
        picTiraq_->Cls();
        picTiraq_->SetScaleMode(gui::kScalePixels);
        picTiraq_->SetAutoRedraw(true);
        const bool drawn = DrawingPass(state_.CurrentView);
        picTiraq_->Refresh();
        return drawn ? -1 : 0;
    });
}

}  // namespace tiraq
