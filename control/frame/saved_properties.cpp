// The control's start-up defaults and its saved properties in the host's store.

#include "frame/dxf_control.h"

#include "frame/ole_colour.h"
#include "gui/picture_box.h"
#include "vb/convert.h"

#include <cmath>

namespace tiraq {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kSystemWindow = 0x80000005;
constexpr double kTwoTo32 = 4294967296.0;

// OLE colours are unsigned, the store keeps them as the Long of the same bits.
vb::Variant ColourValue(std::uint32_t colour) { return vb::Variant(static_cast<std::int32_t>(colour)); }

std::uint32_t ToColour(const vb::Variant& value) {
    double number = value.ToDouble();
    if (number < 0) number += kTwoTo32;
    if (!(number >= 0 && number < kTwoTo32)) vb::RaiseOverflow();
    return static_cast<std::uint32_t>(number);
}

vb::Variant SingleValue(float value) { return vb::Variant(double(value)); }
vb::Variant IntegerValue(std::int32_t value) { return vb::Variant(value); }
float ToSingle(const vb::Variant& value) { return vb::CSng(value.ToDouble()); }
std::int16_t ToInteger(const vb::Variant& value) { return vb::CInt(value.ToDouble()); }

template <class I>
vb::Ref<I> ToObject(const vb::Variant& value) {
    return com::QueryInterface<I>(value.ToObject());
}

}  // namespace

void DXFControl::InitProperties() {
    onTheSpotZoomPctLeft_ = 200;
    onTheSpotZoomPctRight_ = 50;
    zoomFunction_ = dxfDrillDown;
    filename_.clear();
    routine_.Settings.DisplayAttributes = dxfAttribsOff;
    reader_.Properties.RedlineTextHeight = 1;
    about_ = vb::Variant(std::int32_t{0});
    enabled_ = false;
    reader_.Properties.Fonts.PropFontName = "Arial";
    reader_.Properties.Fonts.MonoFontName = "Courier New";
    reader_.Properties.Fonts.PropFontScalar = 1;
    reader_.Properties.Fonts.MonoFontScalar = 1;
    routine_.Settings.PrintAllBlack = false;
    redlineEntitySelected_ = vb::Variant(std::int32_t{0});
    redlineEntityType_ = dxfRedLineNone;
    redlineCurrentLayer_.clear();
    reader_.Properties.Fonts.UseDXFFonts = true;
}

void DXFControl::ReadProperties(const com::PropertyBag& bag) {
    const auto read = [&bag](std::string_view name, const vb::Variant& defaultValue) {
        return bag.ReadProperty(name, defaultValue);
    };
    const auto backColor = [&](std::uint32_t defaultColour) {
        backColor_ = ToColour(read("BackColor", ColourValue(defaultColour)));
        picTiraq_->SetBackColor(ResolveOleColour(backColor_));
    };
    onTheSpotZoomPctLeft_ = ToSingle(read("OnTheSpotZoomPctLeft", SingleValue(200)));
    onTheSpotZoomPctRight_ = ToSingle(read("OnTheSpotZoomPctRight", SingleValue(50)));
    backColor(kWhite);
    zoomFunction_ = ZoomFunctionEnum(ToInteger(read("ZoomFunction", IntegerValue(dxfDrillDown))));
    filename_ = read("FileName", "").ToString();
    routine_.Settings.DisplayAttributes = ToInteger(read("DisplayAttributes", IntegerValue(0)));
    reader_.Properties.RedlineTextHeight = ToSingle(read("RedlineTextHeight", SingleValue(1)));
    backColor(kSystemWindow);
    about_ = read("About", IntegerValue(0));
    enabled_ = read("Enabled", false).ToBool();
    reader_.Properties.Fonts.PropFontName = read("PropFontName", "Arial").ToString();
    reader_.Properties.Fonts.PropFontScalar = ToSingle(read("PropFontScalar", SingleValue(1)));
    reader_.Properties.Fonts.MonoFontName = read("MonoFontName", "Courier New").ToString();
    reader_.Properties.Fonts.MonoFontScalar = ToSingle(read("MonoFontScalar", SingleValue(1)));
    reader_.Properties.TmpFileNamePath = read("TmpFileNamePath", "C:\\TEMP").ToString();
    routine_.Settings.PrintAllBlack = read("PrintAllBlack", false).ToBool();
    redlineEntitySelected_ = read("RedlineEntitySelected", IntegerValue(0));
    redlineEntityType_ = EntityTypesEnum(ToInteger(read("RedlineEntityType", IntegerValue(dxfRedLineNone))));
    redlineCurrentLayer_ = read("RedlineCurrentLayer", "").ToString();
    reader_.Properties.CalcExtents = read("CalcExtents", false).ToBool();
    picTiraq_->SetScaleMode(ToInteger(read("ScaleMode", IntegerValue(gui::kScaleTwips))));
    SetPicture(ToObject<com::Picture>(read("Picture", vb::Variant::Nothing())));
    picTiraq_->SetAutoRedraw(read("AutoRedraw", true).ToBool());
    picTiraq_->SetDrawMode(ToInteger(read("DrawMode", IntegerValue(gui::kDrawCopyPen))));
    dxfDisplayed_ = read("DXFDisplayed", false).ToBool();
    routine_.Settings.DisplayAllBlack = read("DisplayAllBlack", false).ToBool();
    read("OLEDropMode", IntegerValue(0));  // the surface takes no drops and starts no drags
    read("OLEDragMode", IntegerValue(0));
    SetMouseIcon(ToObject<com::Picture>(read("MouseIcon", vb::Variant::Nothing())));
    LetMousePointer(ToInteger(read("MousePointer", IntegerValue(0))));
    SetPicture(ToObject<com::Picture>(read("Picture", vb::Variant::Nothing())));
    statusBarLocation_ = StatusBarPosEnum(ToInteger(read("StatusBarLocation", IntegerValue(posBottom))));
    vb::Ref<com::Font> ambient = site_ ? site_->AmbientFont() : vb::Ref<com::Font>();
    SetFont(ToObject<com::Font>(read("Font", vb::Variant(ambient))));
    db_.SetInsertCount(read("InsertCount", IntegerValue(0)).ToLong());
    redlineEntityID_ = read("RedlineEntityID", IntegerValue(0)).ToLong();
    db_.DXFComplete = read("DXFComplete", false).ToBool();
    picTiraq_->SetCurrentX(ToSingle(read("CurrentX", SingleValue(0))));
    picTiraq_->SetCurrentY(ToSingle(read("CurrentY", SingleValue(0))));
    autoSize_ = read("AutoSize", false).ToBool();
    picTiraq_->SetScaleMode(ToInteger(read("ScaleMode", IntegerValue(gui::kScalePixels))));
    // Setting a scale height or width switches a surface to a scale of its own: the saved
    // values apply only to a surface that was saved in such a scale.
    const float scaleHeight = ToSingle(read("ScaleHeight", SingleValue(345)));
    const float scaleWidth = ToSingle(read("ScaleWidth", SingleValue(303)));
    if (picTiraq_->ScaleMode() == gui::kScaleUser) {
        picTiraq_->SetScaleHeight(scaleHeight);
        picTiraq_->SetScaleWidth(scaleWidth);
    }
    reader_.Properties.Fonts.UseDXFFonts = read("UseDXFFonts", true).ToBool();
}

void DXFControl::WriteProperties(com::PropertyBag& bag) {
    const auto write = [&bag](std::string_view name, const vb::Variant& value, const vb::Variant& defaultValue) {
        bag.WriteProperty(name, value, defaultValue);
    };
    write("OnTheSpotZoomPctLeft", SingleValue(onTheSpotZoomPctLeft_), SingleValue(200));
    write("OnTheSpotZoomPctRight", SingleValue(onTheSpotZoomPctRight_), SingleValue(50));
    write("BackColor", ColourValue(backColor_), ColourValue(kWhite));
    write("ZoomFunction", IntegerValue(zoomFunction_), IntegerValue(dxfDrillDown));
    write("FileName", filename_, "");
    write("DisplayAttributes", IntegerValue(routine_.Settings.DisplayAttributes), IntegerValue(0));
    write("RedlineTextHeight", SingleValue(reader_.Properties.RedlineTextHeight), SingleValue(1));
    write("BackColor", ColourValue(backColor_), ColourValue(kSystemWindow));
    write("About", about_, IntegerValue(0));
    write("Enabled", enabled_, false);
    write("PropFontName", reader_.Properties.Fonts.PropFontName, "Arial");
    write("PropFontScalar", SingleValue(reader_.Properties.Fonts.PropFontScalar), SingleValue(1));
    write("MonoFontName", reader_.Properties.Fonts.MonoFontName, "Courier New");
    write("MonoFontScalar", SingleValue(reader_.Properties.Fonts.MonoFontScalar), SingleValue(1));
    write("TmpFileNamePath", reader_.Properties.TmpFileNamePath, "C:\\TEMP");
    write("PrintAllBlack", routine_.Settings.PrintAllBlack, false);
    write("RedlineEntitySelected", redlineEntitySelected_, IntegerValue(0));
    write("RedlineEntityType", IntegerValue(redlineEntityType_), IntegerValue(dxfRedLineNone));
    write("RedlineCurrentLayer", redlineCurrentLayer_, "");
    write("CalcExtents", reader_.Properties.CalcExtents, false);
    write("ScaleMode", IntegerValue(picTiraq_->ScaleMode()), IntegerValue(gui::kScaleTwips));
    write("Picture", vb::Variant(picture_), vb::Variant::Nothing());
    write("AutoRedraw", picTiraq_->AutoRedraw(), true);
    write("DrawMode", IntegerValue(picTiraq_->DrawMode()), IntegerValue(gui::kDrawCopyPen));
    write("DXFDisplayed", dxfDisplayed_, false);
    write("DisplayAllBlack", routine_.Settings.DisplayAllBlack, false);
    write("OLEDropMode", IntegerValue(0), IntegerValue(0));
    write("OLEDragMode", IntegerValue(0), IntegerValue(0));
    write("MouseIcon", vb::Variant(mouseIcon_), vb::Variant::Nothing());
    write("MousePointer", IntegerValue(mousePointer_), IntegerValue(0));
    write("Picture", vb::Variant(picture_), vb::Variant::Nothing());
    write("StatusBarLocation", IntegerValue(statusBarLocation_), IntegerValue(posBottom));
    const vb::Variant ambient(site_ ? site_->AmbientFont() : vb::Ref<com::Font>());
    write("Font", vb::Variant(font_), ambient);
    write("FontSize", picTiraq_->FontSize(), IntegerValue(0));
    write("Font", vb::Variant(font_), ambient);
    write("InsertCount", IntegerValue(db_.InsertCount()), IntegerValue(0));
    write("RedlineEntityID", IntegerValue(redlineEntityID_), IntegerValue(0));
    write("DXFComplete", db_.DXFComplete, false);
    write("CurrentX", SingleValue(float(picTiraq_->CurrentX())), SingleValue(0));
    write("CurrentY", SingleValue(float(picTiraq_->CurrentY())), SingleValue(0));
    write("AutoSize", autoSize_, false);
    write("ScaleMode", IntegerValue(picTiraq_->ScaleMode()), IntegerValue(gui::kScalePixels));
    write("ScaleHeight", SingleValue(float(picTiraq_->ScaleHeight())), SingleValue(345));
    write("ScaleWidth", SingleValue(float(picTiraq_->ScaleWidth())), SingleValue(303));
    write("UseDXFFonts", reader_.Properties.Fonts.UseDXFFonts, true);
}

}  // namespace tiraq
