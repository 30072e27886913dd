#include "display/drawing_routine.h"

#include "display/drawing_pass.h"
#include "display/entity_drawing.h"
#include "reader/drawing_database.h"
#include "reader/error_chain.h"
#include "reader/reader_host.h"
#include "reader/record_array.h"

#include "vb/convert.h"

#include <algorithm>
#include <cmath>

namespace tiraq {
namespace {

constexpr float kSmallestScale = 1E-6f;
constexpr float kLargestScale = 1E6f;

// The devices a printer or metafile pass opened: the print document and the metafile are ended,
// and the screen's conversion put back, on every way out of the pass.
class PassDevices {
public:
    PassDevices(DisplayState& state, gui::PrintingTarget* printer, gui::MetafileDevice* metafile)
        : state_(state), saved_(state.Conversion), printer_(printer), metafile_(metafile) {}
    ~PassDevices() {
        try {
            Finish();
        } catch (...) {
        }
    }
    PassDevices(const PassDevices&) = delete;
    PassDevices& operator=(const PassDevices&) = delete;

    void Finish() {
        if (finished_ || (metafile_ == nullptr && printer_ == nullptr)) return;
        finished_ = true;
        // First, since the printer may refuse the document: the screen's conversion comes back anyway.
        state_.Conversion = saved_;
        if (metafile_ != nullptr)
            metafile_->CloseMetaFile();
        else
            printer_->EndDoc();
    }

private:
    DisplayState& state_;
    ConversionState saved_;
    gui::PrintingTarget* printer_;
    gui::MetafileDevice* metafile_;
    bool finished_ = false;
};

// The view widened to the right or upward to the target's aspect; Left and Bottom stay.
bool FitAspect(ViewRect& view, std::int32_t pixelWidth, std::int32_t pixelHeight, float& aspect, float& width) {
    float w = std::fabs(view.Right - view.Left);
    float h = std::fabs(view.Top - view.Bottom);
    if (w == 0) return false;
    if (h == 0) h = w;
    aspect = float(pixelWidth) / float(pixelHeight);
    if (aspect >= w / h) {
        w = aspect * h;
        view.Right = view.Left + w;
    } else {
        h = w / aspect;
        view.Top = view.Bottom + h;
    }
    width = w;
    return true;
}

void ShowOutOfRange(gui::DrawingTarget& target) {
    static constexpr std::string_view kText = "Zoom out of range";
    target.SetCurrentX((target.ScaleWidth() - target.TextWidth(kText)) / 2);
    target.SetCurrentY(target.ScaleHeight() / 2);
    target.Print(kText);
}

}  // namespace

DrawingRoutine::DrawingRoutine(const DrawingDatabase& db, DisplayState& state, DisplayHost& host,
                               gui::DrawingTarget& picture)
    : db_(db), state_(state), host_(host), picture_(picture) {}

bool DrawingRoutine::Zoom(const ViewRect& View, gui::DrawingTarget& Target, gui::MetafileDevice* MetaDC,
                          bool Printing, bool NewestOnly) {
    if (db_.SeqCount() == 0) {
        host_.SetMousePointer(kPointerDefault);
        return false;
    }
    const bool printerPass = MetaDC == nullptr && Printing;
    try {
        if (printerPass && Printer == nullptr) RaiseTiraqError("No printer is set up.");
        host_.HideGrips();
        host_.SetMousePointer(kPointerHourglass);
        PassDevices devices(state_, printerPass ? Printer : nullptr, MetaDC);
        const bool drawn = Draw(View, Target, MetaDC, printerPass, NewestOnly);
        // However the drawing ended, the document ends here, where a file that cannot be written
        // fails the pass; only a failure of the drawing itself leaves it to the devices' end.
        devices.Finish();
        if (!drawn) return false;
        if (db_.DXFComplete && (printerPass || MetaDC != nullptr)) host_.RedrawScreen();
        host_.ZoomComplete();
        host_.SetMousePointer(kPointerDefault);
        return true;
    } catch (...) {
        host_.ClearDrawing();
        host_.SetMousePointer(kPointerDefault);
        throw ChainedError(" ->  Zoom.");
    }
}

bool DrawingRoutine::Draw(const ViewRect& View, gui::DrawingTarget& Target, gui::MetafileDevice* MetaDC,
                          bool printerPass, bool NewestOnly) {
    const std::int32_t seqCount = db_.SeqCount();
    const bool metafilePass = MetaDC != nullptr;
    ViewRect view = View;
    gui::DrawingSurface* dc = nullptr;
    std::int32_t pixelWidth = 0, pixelHeight = 0;
    std::uintptr_t targetWindow = 0;
    if (metafilePass) {
        dc = &MetaDC->Surface();
        pixelWidth = vb::CLng(picture_.ScaleWidth());
        pixelHeight = vb::CLng(picture_.ScaleHeight());
    } else if (printerPass) {
        Printer->SetScaleMode(gui::kScalePixels);
        Printer->Print("");
        dc = &Printer->Surface();
        const float h = std::fabs(view.Top - view.Bottom);
        view.Bottom -= 0.05f * h;
        view.Top += 0.05f * h;
        const float w = std::fabs(view.Right - view.Left);
        view.Left -= 0.05f * w;
        view.Right += 0.05f * w;
        pixelWidth = vb::CLng(Printer->ScaleWidth());
        pixelHeight = vb::CLng(Printer->ScaleHeight());
    } else {
        targetWindow = Target.WindowHandle();
        dc = &Target.Surface();
        pixelWidth = vb::CLng(Target.ScaleWidth());
        pixelHeight = vb::CLng(Target.ScaleHeight());
    }
    state_.Conversion.PixelWidth = pixelWidth;
    state_.Conversion.PixelHeight = pixelHeight;

    // A view spans the target's width and height, so its right and bottom edges fall on the
    // pixels just outside. The drawing's extents are spanned from the first to the last pixel
    // instead, so that a border on them is drawn whole; a print has its own margin around them.
    const bool extentsInside = !printerPass && View == db_.DrawingExtents && pixelWidth > 1 && pixelHeight > 1;
    const std::int32_t spanWidth = extentsInside ? pixelWidth - 1 : pixelWidth;
    const std::int32_t spanHeight = extentsInside ? pixelHeight - 1 : pixelHeight;

    float aspect = 0, width = 0;
    if (pixelWidth <= 0 || pixelHeight <= 0 || !FitAspect(view, spanWidth, spanHeight, aspect, width)) {
        host_.SetMousePointer(kPointerDefault);
        return false;
    }
    state_.Conversion.PixelAspect = aspect;
    if (!metafilePass && !printerPass) state_.CurrentView = View;

    const float scale = float(spanWidth) / width;
    if (!(scale >= kSmallestScale && scale <= kLargestScale)) {
        ShowOutOfRange(Target);
        host_.SetMousePointer(kPointerDefault);
        return false;
    }
    state_.Conversion.ViewScale = scale;
    state_.SetCvtParams(spanHeight, view.Left, view.Bottom, scale, targetWindow);

    const ColourSettings colours{Settings.DisplayAllBlack, Settings.PrintAllBlack, picture_.BackColor()};
    const DrawingPass pass{db_, state_, colours, *dc, ClipArea{pixelWidth, pixelHeight}, printerPass};

    // The partly drawn picture is shown about every 500 entries, but not more often than the
    // progress interval allows: showing copies the whole picture.
    const float step = 50000.0f / float(seqCount);
    float threshold = step;
    auto lastShown = std::chrono::steady_clock::now();
    const std::int32_t first = NewestOnly ? std::max(1, seqCount - 4) : 1;
    for (std::int32_t i = first; i <= seqCount; ++i) {
        const float percent = float(i) / float(seqCount) * 100;
        if (percent > threshold) {
            threshold += step;
            const auto now = std::chrono::steady_clock::now();
            if (now - lastShown >= ProgressInterval) {
                Target.Refresh();
                lastShown = now;
            }
        }
        try {
            DrawEntity(pass, picture_, Settings.DisplayAttributes, db_.SeqArray[i]);
        } catch (const vb::RuntimeError& e) {
            if (e.Number() == kErrSubscriptOutOfRange) {
                host_.SetMousePointer(kPointerDefault);
                return false;
            }
            if (e.Number() != vb::kErrOverflow) throw;
            host_.SetMousePointer(kPointerDefault);  // the entry is skipped
        }
    }
    return true;
}

}  // namespace tiraq
