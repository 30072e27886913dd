// The drags that the host drives from its mouse handlers: ZoomInitiate on the press,
// ZoomFeedback on every move, ZoomEnd on the release.

#include "frame/dxf_control.h"

#include "com/error.h"
#include "display/rubber_band.h"
#include "gui/dialog_service.h"
#include "gui/picture_box.h"
#include "vb/convert.h"

namespace tiraq {
namespace {

bool DrawsBoxOrLineBand(ZoomFunctionEnum function) {
    switch (function) {
    case dxfWindow:
    case dxfPan:
    case dxfRedLineLine:
    case dxfRedLineRectangle:
    case dxfDrawBox:
    case dxfRedlineSolid: return true;
    default: return false;
    }
}

std::array<std::int32_t, 4> Shifted(const std::array<std::int32_t, 4>& box, double dx, double dy) {
    return {vb::CLng(box[0] + dx), vb::CLng(box[1] + dy), vb::CLng(box[2] + dx), vb::CLng(box[3] + dy)};
}

}  // namespace

std::int16_t DXFControl::ZoomInitiate(float X, float Y) {
    return Chained("ZoomInitiate", [&]() -> std::int16_t {
        switch (zoomFunction_) {
        case dxfRedLineSelect: RedlineSelect(X, Y); return 0;
        case dxfRedlineMove:
            drag_.ZoomActive = true;
            drag_.MoveBox = drag_.SelectionBox;
            drag_.MoveStartX = X;
            drag_.MoveStartY = Y;
            drag_.MoveDeltaX = drag_.MoveDeltaY = 0;
            drag_.BandShown = false;
            return 0;
        default:
            picTiraq_->SetAutoRedraw(false);
            drag_.ZoomStartX = drag_.ZoomEndX = vb::CInt(X);
            drag_.ZoomStartY = drag_.ZoomEndY = vb::CInt(Y);
            drag_.ZoomActive = true;
            drag_.BandShown = false;
            return -1;
        }
    });
}

void DXFControl::BoxBand(const std::array<std::int32_t, 4>& box) {
    RubberBand(*picTiraq_, state_, *this, vb::CInt(box[0]), vb::CInt(box[1]), vb::CInt(box[2]), vb::CInt(box[3]),
               gui::kBlack);
}

vb::Variant DXFControl::ZoomFeedback(float X, float Y) {
    return Chained("ZoomFeedback", [&]() -> vb::Variant {
        if (!drag_.ZoomActive) return {};
        const std::int16_t x = vb::CInt(X), y = vb::CInt(Y);
        if (DrawsBoxOrLineBand(zoomFunction_)) {
            // The band is drawn inverted: drawing the last one again erases it.
            if (drag_.BandShown)
                RubberBand(*picTiraq_, state_, *this, drag_.ZoomStartX, drag_.ZoomStartY, drag_.ZoomEndX,
                           drag_.ZoomEndY, gui::kBlack);
            RubberBand(*picTiraq_, state_, *this, drag_.ZoomStartX, drag_.ZoomStartY, x, y, gui::kBlack);
        } else if (zoomFunction_ == dxfRedLineCircle) {
            if (drag_.BandShown)
                RubberBandCircle(*picTiraq_, *this, drag_.ZoomStartX, drag_.ZoomStartY, drag_.ZoomEndX,
                                 drag_.ZoomEndY);
            RubberBandCircle(*picTiraq_, *this, drag_.ZoomStartX, drag_.ZoomStartY, x, y);
        } else if (zoomFunction_ == dxfRedlineMove) {
            drag_.MoveDeltaX = X - drag_.MoveStartX;
            drag_.MoveDeltaY = Y - drag_.MoveStartY;
            if (drag_.BandShown) BoxBand(drag_.MovedBox);
            drag_.MovedBox = Shifted(drag_.MoveBox, drag_.MoveDeltaX, drag_.MoveDeltaY);
            BoxBand(drag_.MovedBox);
            drag_.BandShown = true;
            return {};
        } else {
            return {};
        }
        drag_.ZoomEndX = x;
        drag_.ZoomEndY = y;
        drag_.BandShown = true;
        return {};
    });
}

std::int16_t DXFControl::ZoomEnd() {
    try {
        switch (zoomFunction_) {
        case dxfWindow: return EndWindowZoom();
        case dxfPan: return EndPan();
        case dxfRedLineLine:
        case dxfRedLineCircle:
        case dxfRedLineRectangle:
        case dxfRedlineSolid: return EndRedline();
        case dxfDrawBox: drag_.ZoomActive = false; return -1;
        case dxfRedlineMove: return EndMove();
        default:
            // Nothing to do, but the drag is over.
            drag_.ZoomActive = false;
            picTiraq_->SetAutoRedraw(true);
            return -1;
        }
    } catch (const vb::RuntimeError& error) {
        SetMousePointer(kPointerDefault);
        throw com::Error(kErrTiraq, error.Description(), "ZoomEnd");
    } catch (...) {
        SetMousePointer(kPointerDefault);
        throw com::Error(kErrTiraq, CurrentErrorDescription(), "ZoomEnd");
    }
}

void DXFControl::ShowTarget() {
    if (HasArea(targetView_)) {
        DrawingPass(targetView_);
        picTiraq_->Refresh();
    }
    state_.CurrentView = targetView_;
    prevZoomStack_.Push(targetView_);
}

std::int16_t DXFControl::EndWindowZoom() {
    picTiraq_->SetAutoRedraw(true);
    drag_.ZoomActive = false;
    const PixelBox box{drag_.ZoomStartX, drag_.ZoomStartY, drag_.ZoomEndX, drag_.ZoomEndY};
    // A click without movement asks for no window.
    if (box.Width() == 0 && box.Height() == 0) return 0;
    if (WindowTooSmall(box)) {
        SetMousePointer(kPointerDefault);
        gui::Dialogs().MsgBox("Rectangle selected is too small - please select a larger window", gui::vbExclamation,
                              "Zoom area");
        return 0;
    }
    if (state_.Conversion.ViewScale == 0) return 0;
    targetView_ = WindowZoomView(state_.CurrentView, state_.Conversion, box);
    picTiraq_->Cls();
    ShowTarget();
    return -1;
}

std::int16_t DXFControl::EndPan() {
    const ViewRect moved = state_.Conversion.ViewScale == 0
                               ? state_.CurrentView
                               : PanView(state_.CurrentView, state_.Conversion.ViewScale, drag_.ZoomStartX,
                                         drag_.ZoomStartY, drag_.ZoomEndX, drag_.ZoomEndY);
    picTiraq_->SetAutoRedraw(true);
    drag_.ZoomActive = false;
    if (state_.Conversion.ViewScale == 0) return 0;
    targetView_ = moved;
    picTiraq_->Cls();
    ShowTarget();
    return -1;
}

std::int16_t DXFControl::EndRedline() {
    drag_.ZoomActive = false;
    const float sx = state_.IntToRealX(drag_.ZoomStartX), sy = state_.IntToRealY(drag_.ZoomStartY);
    const float ex = state_.IntToRealX(drag_.ZoomEndX), ey = state_.IntToRealY(drag_.ZoomEndY);
    const std::string& layer = redlineCurrentLayer_;
    std::int32_t added = 0;
    switch (zoomFunction_) {
    case dxfRedLineLine: added = DXFAddLine(sx, sy, ex, ey, layer, 0); break;
    case dxfRedLineCircle: added = DXFAddCircle(sx, sy, ex, ey, layer); break;
    case dxfRedLineRectangle: {
        const std::int32_t id = ++drag_.LastRectangleID;
        DXFAddLine(sx, sy, sx, ey, layer, id);
        DXFAddLine(sx, ey, ex, ey, layer, id);
        DXFAddLine(ex, ey, ex, sy, layer, id);
        added = DXFAddLine(ex, sy, sx, sy, layer, id);
        break;
    }
    default: added = DXFAddSolid(ex, ey, sx, ey, sx, sy, ex, sy, layer); break;
    }
    redlineEntityID_ = added;
    picTiraq_->SetAutoRedraw(true);
    DrawingPass(state_.CurrentView, true);
    picTiraq_->Refresh();
    return -1;
}

std::int16_t DXFControl::EndMove() {
    drag_.ZoomActive = false;
    const double ox = double(state_.IntToRealX(drag_.MoveDeltaX)) - state_.IntToRealX(0);
    const double oy = double(state_.IntToRealY(drag_.MoveDeltaY)) - state_.IntToRealY(0);
    const std::int32_t selected = redlineEntitySelected_.ToLong();
    if (redlineEntityType_ == dxfRedLineNewSolid && db_.Solids.Contains(selected)) {
        SolidRecord& solid = db_.Solids[selected];
        for (float* x : {&solid.X1, &solid.X2, &solid.X3, &solid.X4}) *x = vb::CSng(*x + ox);
        for (float* y : {&solid.Y1, &solid.Y2, &solid.Y3, &solid.Y4}) *y = vb::CSng(*y + oy);
    } else if (redlineEntityType_ == dxfRedLineNewLine) {
        for (std::int32_t i = 1; i <= db_.LineCount(); ++i) {
            LineRecord& line = db_.Lines[i];
            const bool sameRectangle = drag_.SelectedRectangleID != 0 && line.RedlineRectangleID == drag_.SelectedRectangleID;
            if (i != selected && !sameRectangle) continue;
            line.X1 = vb::CSng(line.X1 + ox);
            line.X2 = vb::CSng(line.X2 + ox);
            line.Y1 = vb::CSng(line.Y1 + oy);
            line.Y2 = vb::CSng(line.Y2 + oy);
        }
    }
    picTiraq_->SetAutoRedraw(true);
    picTiraq_->Cls();
    DrawingPass(state_.CurrentView);
    picTiraq_->Refresh();
    return -1;
}

}  // namespace tiraq
