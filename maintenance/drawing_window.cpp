#include "drawing_window.h"

#include "com/create.h"
#include "com/object.h"
#include "com/property_bag.h"
#include "gui/child_frame.h"
#include "gui/control_window.h"
#include "gui/guarded.h"
#include "gui/mdi_frame.h"
#include "gui/print_error.h"
#include "gui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QStyle>

#include <cmath>

namespace quellmar::maintenance {
namespace {

constexpr const char* kFontName = "MS Sans Serif";
constexpr double kFontSize = 8.25;

vb::Ref<com::Font> DesignFont() {
    auto font = vb::New<com::Font>();
    font->Name = kFontName;
    font->Size = kFontSize;
    return font;
}

// The control's settings stored with the window at design time.
com::PropertyBag DesignProperties() {
    com::PropertyBag bag;
    bag.WriteProperty("BackColor", std::int32_t{0xFFFFFF});
    bag.WriteProperty("TmpFileNamePath", "");
    bag.WriteProperty("Font", vb::Variant(DesignFont()));
    return bag;
}

// The main window's client size in pixels; without a main window, the screen's.
QSize MainClientSize() {
    if (QMainWindow* main = gui::MdiFrame()) return gui::ScaleSize(*main);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->availableSize();
    return {1024, 768};
}

}  // namespace

// The window's side of the control's events.
class frmDXF::Events final : public com::Object<tiraq::DXFEvents> {
public:
    explicit Events(frmDXF& form) : form_(form) {}
    void LinesRead(float&) override {}
    void ZoomComplete() override {}
    void MouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override { form_.DXF1_MouseDown(b, s, x, y); }
    void MouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override { form_.DXF1_MouseMove(b, s, x, y); }
    void MouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override { form_.DXF1_MouseUp(b, s, x, y); }

private:
    frmDXF& form_;
};

// What the control asks of the window it sits on.
class frmDXF::Site final : public com::Object<com::ControlSite> {
public:
    void PropertyChanged(std::string_view) override {}
    bool UserMode() override { return true; }
    vb::Ref<com::Font> AmbientFont() override { return DesignFont(); }
};

frmDXF::frmDXF() : Label1(new QLabel("Click and drag an area to zoom in. Right click to zoom out.", this)) {
    setObjectName("frmDXF");
    Label1->setObjectName("Label1");
    Label1->setFont(QFont(kFontName, 8));
    Label1->move(gui::TwipsToPixelsX(60), gui::TwipsToPixelsY(90));
    Label1->adjustSize();

    dxf_ = com::CreateInstance<tiraq::DXF>(tiraq::kDXFProgId);
    const auto window = com::QueryInterface<gui::ControlWindow>(dxf_.get());
    if (!window) throw vb::RuntimeError(com::kErrInterfaceNotSupported, "The drawing component has no window");
    dxfWindow_ = window->Widget();
    dxfWindow_->setObjectName("DXF1");
    dxfWindow_->setParent(this);
    dxfWindow_->move(gui::TwipsToPixelsX(30), gui::TwipsToPixelsY(450));
    dxf_->SetSite(vb::New<Site>());
    dxf_->ReadProperties(DesignProperties());
    cookie_ = dxf_->Advise(vb::New<Events>(*this));
}

frmDXF::~frmDXF() {
    Form_Unload();
    // The control owns its window: it goes before this window takes its children with it.
    dxf_->Unadvise(cookie_);
    dxfWindow_->setParent(nullptr);
    dxf_ = nullptr;
}

void frmDXF::SetFileName(const QString& strFile) { fileName_ = strFile; }

void frmDXF::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void frmDXF::Form_Load() {
    // The window's height is the main window's client height, its width 1.2 times that; the
    // frame's title and borders come off what is left for the control.
    const int height = MainClientSize().height();
    frameSize_ = QSize(int(std::lround(height * 1.2)), height);
    const QStyle* style = QApplication::style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight);
    resize(frameSize_.width() - 2 * border, frameSize_.height() - title - border);
    // The control ends at the window's right edge: a control as wide as the window, standing 30
    // twips in from its left, would hide its last pixels, and a drawing's right edge with them.
    dxfWindow_->resize(width() - dxfWindow_->x(), height - title - border - gui::TwipsToPixelsY(450));

    gui::Guarded([&] {
        dxf_->LetFilename(fileName_.toStdString());
        dxf_->Regen(tiraq::dxfMergeNew);
    });
    dxf_->LetEnabled(true);
    dxf_->LetZoomFunction(tiraq::dxfWindow);
}

void frmDXF::Show() {
    if (!loaded_) SetCaption(windowTitle());
    // The window has its size and its place at the top before it shows, so that showing can keep
    // it inside the visible area, or maximise it beside a maximised window.
    QMdiSubWindow* frame = gui::ChildFrame(*this);
    if (!frame) frame = gui::AddMdiChild(this);
    if (frame) {
        frame->resize(frameSize_);
        gui::MoveFormToTop(*this);
    }
    gui::ShowMdiChild(this);
}

void frmDXF::PrintDrawing() {
    try {
        dxf_->Plot(tiraq::dxfCurrentView, std::string(), std::int16_t{2});
    } catch (const std::exception& error) {
        gui::ReportPrintError(error);
    }
}

void frmDXF::DXF1_MouseDown(std::int16_t Button, std::int16_t, float X, float Y) {
    gui::Guarded([&] {
        if (Button == 2) {
            dxf_->ZoomExtents();
            Zooming = false;
        } else {
            Zooming = true;
            dxf_->ZoomInitiate(X, Y);
        }
    });
}

void frmDXF::DXF1_MouseMove(std::int16_t, std::int16_t, float X, float Y) {
    gui::Guarded([&] {
        if (Zooming) dxf_->ZoomFeedback(X, Y);
    });
}

void frmDXF::DXF1_MouseUp(std::int16_t, std::int16_t, float, float) {
    gui::Guarded([&] {
        if (Zooming) dxf_->ZoomEnd();
    });
}

void frmDXF::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmDXF::Form_Unload() {
    // The temporary file belongs to its opener, which has removed it by now: the window only
    // erases the control's surface.
    if (unloaded_) return;
    unloaded_ = true;
    gui::Guarded([&] { dxf_->Clear(); });
}

void RegisterDrawingWindow() {
    gui::SetDrawingWindowFactory([]() -> gui::DrawingWindow* { return new frmDXF; });
}

}  // namespace quellmar::maintenance
