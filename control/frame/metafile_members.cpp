// The current view as a metafile, in a file or on the clipboard.

#include "frame/dxf_control.h"

#include "gui/dialog_service.h"
#include "gui/picture_box.h"
#include "output/metafile_clipboard.h"
#include "output/metafile_output.h"
#include "vb/convert.h"

#include <QScreen>

#include <functional>

namespace tiraq {
namespace {

constexpr double kMillimetresPerInch = 25.4;

std::optional<std::string> GivenFileName(const std::optional<vb::Variant>& Filename) {
    if (!Filename || Filename->IsEmpty()) return std::nullopt;
    return Filename->ToString();
}

// The drawing picture as the metafile frames measure it.
PictureGeometry Geometry(gui::PictureBox& picture) {
    const auto millimetres = [&](int pixels) { return pixels * kMillimetresPerInch / picture.DotsPerInch(); };
    return PictureGeometry{.WidthMm = millimetres(picture.PixelWidth()),
                           .HeightMm = millimetres(picture.PixelHeight()),
                           .Left = double(picture.x()),
                           .Top = double(picture.y()),
                           .Width = double(picture.PixelWidth()),
                           .Height = double(picture.PixelHeight())};
}

// The device the picture is drawn in: the screen it is shown on, at the picture's resolution.
ReferenceDevice Device(gui::PictureBox& picture) {
    const QSize screen = picture.screen()->size();
    return ReferenceDevice{screen.width(), screen.height(), picture.DotsPerInch()};
}

}  // namespace

void DXFControl::DrawIntoMetafile(gui::MetafileDevice& metafile) {
    SyncLayout();
    routine_.Zoom(state_.CurrentView, *picTiraq_, &metafile, false);
}

bool DXFControl::MakeEnhancedMetafile(const std::optional<std::string>& name, const MetafileFrame& frame,
                                      std::string_view description) {
    const ReferenceDevice device = Device(*picTiraq_);
    const MetafilePass pass = std::bind_front(&DXFControl::DrawIntoMetafile, this);
    if (name) return WriteEnhancedMetafile(*name, frame, device, description, pass);
    const std::optional<std::string> metafile = EnhancedMetafileBytes(frame, device, description, pass);
    if (metafile) PutMetafileOnClipboard(*metafile, picTiraq_->Image());
    return metafile.has_value();
}

std::int16_t DXFControl::SaveWMF(std::optional<vb::Variant> Filename) {
    return Chained("SaveWMF", [&]() -> std::int16_t {
        SetMousePointer(kPointerHourglass);
        SyncLayout();
        const std::optional<std::string> name = GivenFileName(Filename);
        if (!MakeEnhancedMetafile(name, EnlargedFrame(Geometry(*picTiraq_)), kMetafileDescription) && name)
            SavePlaceableWMF(*name);
        SetMousePointer(kPointerDefault);
        return 0;
    });
}

std::int16_t DXFControl::SaveWMFOld(std::optional<vb::Variant> Filename) {
    return Chained("SaveWMFOld", [&]() -> std::int16_t {
        SetMousePointer(kPointerHourglass);
        SyncLayout();
        const bool created =
            MakeEnhancedMetafile(GivenFileName(Filename), PictureFrame(Geometry(*picTiraq_)), kOldMetafileDescription);
        SetMousePointer(kPointerDefault);
        // The runtime's default title: the control's project name.
        if (!created) gui::Dialogs().MsgBox("WMF not created", gui::vbOKOnly, "TIRAQOCX");
        return 0;
    });
}

void DXFControl::SavePlaceableWMF(const std::string& FileName) {
    Chained("SavePlaceableWMF", [&] {
        SetMousePointer(kPointerHourglass);
        const PlaceableHeader header{.Left = 0,
                                     .Top = 0,
                                     .Right = vb::CInt(picTiraq_->ScaleWidth()),
                                     .Bottom = vb::CInt(picTiraq_->ScaleHeight()),
                                     .Inch = std::uint16_t(vb::CInt(picTiraq_->DotsPerInch()))};
        WritePlaceableMetafile(FileName, header, std::bind_front(&DXFControl::DrawIntoMetafile, this));
        SetMousePointer(kPointerDefault);
    });
}

}  // namespace tiraq
