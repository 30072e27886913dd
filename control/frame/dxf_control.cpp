#include "frame/dxf_control.h"

#include "frame/dxf_dispatch.h"
#include "frame/layers_object.h"
#include "frame/user_control.h"
#include "gui/guarded.h"
#include "gui/picture_box.h"
#include "gui/printer_object.h"
#include "gui/wait_cursor.h"
#include "reader/error_chain.h"

#include <atomic>

namespace tiraq {
namespace {

// The handles the control gives out as its hDC and hWnd: numbers unique in the process.
std::int32_t NewHandle() {
    static std::atomic<std::int32_t> last{0};
    return ++last;
}

}  // namespace

DXFControl::DXFControl()
    : window_(new UserControl), picTiraq_(window_->picTiraq), routine_(db_, state_, *this, *picTiraq_) {
    routine_.Printer = &gui::Printer();
    deviceHandle_ = NewHandle();
    windowHandle_ = NewHandle();
    picTiraq_->SetScaleMode(gui::kScalePixels);
    picTiraq_->SetAutoRedraw(true);
    window_->picTiraqAlignedTop = true;
    window_->Resized = [this] { UserControl_Resize(); };
    QObject::connect(picTiraq_, &gui::PictureBox::MouseDown, window_, [this](int b, int s, double x, double y) {
        PictureMouse(&DXFEvents::MouseDown, " ->  MouseDown.", b, s, x, y);
    });
    QObject::connect(picTiraq_, &gui::PictureBox::MouseMove, window_, [this](int b, int s, double x, double y) {
        PictureMouse(&DXFEvents::MouseMove, " ->  picTiraq_MouseMove.", b, s, x, y);
    });
    QObject::connect(picTiraq_, &gui::PictureBox::MouseUp, window_, [this](int b, int s, double x, double y) {
        PictureMouse(&DXFEvents::MouseUp, " ->  picTiraq_MouseUp.", b, s, x, y);
    });
}

DXFControl::~DXFControl() { delete window_.data(); }

void* DXFControl::QueryInterface(const com::InterfaceId& iid) {
    if (iid == gui::ControlWindow::kIid) {
        AddRef();
        return static_cast<void*>(static_cast<gui::ControlWindow*>(this));
    }
    return com::Object<DXF>::QueryInterface(iid);
}

QWidget* DXFControl::Widget() { return window_; }

com::DispId DXFControl::GetIDOfName(std::string_view name) { return DXFDispatchTable().IdOf(name); }

vb::Variant DXFControl::Invoke(com::DispId member, com::InvokeKind kind, std::span<vb::Variant> arguments) {
    return DXFDispatchTable().Invoke(*this, member, kind, arguments);
}

com::Cookie DXFControl::Advise(vb::Ref<DXFEvents> sink) { return events_.Advise(std::move(sink)); }

void DXFControl::Unadvise(com::Cookie cookie) { events_.Unadvise(cookie); }

gui::PictureBox& DXFControl::DrawingSurface() const { return *picTiraq_; }
gui::PictureBox& DXFControl::StatusBar() const { return *window_->picStatusBar; }
gui::PictureBox& DXFControl::Grip(std::size_t index) const { return *window_->picHandle.at(index); }

void DXFControl::SetSite(vb::Ref<com::ControlSite> site) { site_ = std::move(site); }

void DXFControl::PropertyChanged(std::string_view name) {
    if (site_) site_->PropertyChanged(name);
}

void DXFControl::RequireUserMode() {
    if (site_ && !site_->UserMode()) throw vb::RuntimeError(382, "Set not supported at runtime");
}

// --- the window and its events ---

void DXFControl::UserControl_Resize() {
    gui::Guarded(
        [&] {
            Chained("UserControl_Resize", [&] {
                const int width = window_->width(), height = window_->height();
                if (window_->picTiraqAlignedTop) picTiraq_->setGeometry(0, 0, width, height);
                gui::PictureBox& bar = *window_->picStatusBar;
                bar.setGeometry(0, height - bar.height(), width, bar.height());
            });
        },
        "DXF");
}

void DXFControl::PictureMouse(void (DXFEvents::*event)(std::int16_t&, std::int16_t&, float&, float&),
                              std::string_view trace, int button, int shift, double x, double y) {
    // An error from the host's handler ends here, in a message: nothing may leave the window
    // system's event dispatch.
    try {
        std::int16_t Button = std::int16_t(button), Shift = std::int16_t(shift);
        float X = float(x), Y = float(y);
        events_.Raise(event, Button, Shift, X, Y);
    } catch (...) {
        SetMousePointer(kPointerDefault);
        picTiraq_->Cls();
        gui::ReportError(ChainedError(trace), "DXF");
    }
}

// --- what the reader and the drawing routine ask of the control ---

void DXFControl::ShowStatusBar(bool placeByLocation) {
    gui::PictureBox& bar = *window_->picStatusBar;
    if (placeByLocation) {
        switch (statusBarLocation_) {
        case posTop:
            bar.move(0, 0);
            bar.show();
            break;
        case posOff: bar.hide(); break;
        default:
            bar.move(0, window_->height() - bar.height());
            bar.show();
            break;
        }
    } else {
        bar.show();
    }
    bar.raise();
    bar.Refresh();
}

void DXFControl::PaintProgress(float fraction) {
    gui::PictureBox& bar = *window_->picStatusBar;
    bar.Line(0, 0, bar.ScaleWidth() * fraction, bar.ScaleHeight(), gui::Colour{0xFF0000}, gui::LineShape::FilledBox);
    bar.Refresh();
}

void DXFControl::HideStatusBar() {
    gui::PictureBox& bar = *window_->picStatusBar;
    bar.hide();
    bar.Cls();
}

void DXFControl::SetMousePointer(int pointer) { gui::SetScreenMousePointer(pointer); }

void DXFControl::ClearDrawing() { picTiraq_->Cls(); }

void DXFControl::SetPreviousViews(const ViewRect& extents) { prevZoomStack_.Fill(extents); }

void DXFControl::LinesRead(float PctRead) { events_.Raise(&DXFEvents::LinesRead, PctRead); }

void DXFControl::HideGrips() {
    for (gui::PictureBox* grip : window_->picHandle) grip->hide();
    redlineEntitySelected_ = vb::Variant(std::int32_t{0});
    redlineEntityType_ = dxfRedLineNone;
}

void DXFControl::ZoomComplete() {
    if (!zoomCompleteHeld_) events_.Raise(&DXFEvents::ZoomComplete);
}

void DXFControl::RedrawScreen() { DXFRefresh(); }

// --- small methods ---

void DXFControl::Clear() { picTiraq_->Cls(); }

bool DXFControl::GetExtents(float& Left, float& top, float& right, float& bottom) {
    Left = db_.DrawingExtents.Left;
    top = db_.DrawingExtents.Top;
    right = db_.DrawingExtents.Right;
    bottom = db_.DrawingExtents.Bottom;
    return true;
}

vb::Ref<DXFLayersInterface> DXFControl::Layers() { return MakeLayersObject(db_.Layers); }

bool DXFControl::GetCurrentZoom(float& Left, float& top, float& right, float& bottom) {
    return state_.GetCurrentZoom(Left, top, right, bottom);
}

// A failed conversion leaves the host with the default pointer; one from pixels also clears the
// surface, as every procedure of the error chain does.
float DXFControl::PixelToWorld(const vb::Variant& pixel, float (DisplayState::*convert)(double) const,
                               std::string_view trace) {
    try {
        double value = 0;
        try {
            value = pixel.ToDouble();
        } catch (...) {
            throw ChainedError(trace);
        }
        return (state_.*convert)(value);
    } catch (...) {
        SetMousePointer(kPointerDefault);
        ClearDrawing();
        throw;
    }
}

float DXFControl::IntToRealX(const vb::Variant& XPixel) {
    return PixelToWorld(XPixel, &DisplayState::IntToRealX, " ->  IntToRealX.");
}
float DXFControl::IntToRealY(const vb::Variant& YPixel) {
    return PixelToWorld(YPixel, &DisplayState::IntToRealY, " ->  IntToRealY.");
}

std::int32_t DXFControl::WorldToPixel(float value, std::int32_t (DisplayState::*convert)(float) const) {
    try {
        return (state_.*convert)(value);
    } catch (...) {
        SetMousePointer(kPointerDefault);
        throw;
    }
}

std::int32_t DXFControl::CvtX(float X) { return WorldToPixel(X, &DisplayState::CvtX); }
std::int32_t DXFControl::CvtY(float Y) { return WorldToPixel(Y, &DisplayState::CvtY); }

}  // namespace tiraq
