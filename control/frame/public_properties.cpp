// The control's properties: its own settings, which the host saves, and those of the drawing
// surface, which it forwards.

#include "frame/dxf_control.h"

#include "frame/image_picture.h"
#include "frame/ole_colour.h"
#include "frame/user_control.h"
#include "gui/picture_box.h"

#include <QCursor>
#include <QPixmap>

#include <cmath>

namespace tiraq {
namespace {

constexpr double kHimetricPerInch = 2540;

Qt::CursorShape CursorOf(std::int16_t pointer) {
    switch (pointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace

void DXFControl::LetEnabled(bool value) {
    enabled_ = value;
    PropertyChanged("Enabled");
}

void DXFControl::LetPrintAllBlack(bool value) {
    routine_.Settings.PrintAllBlack = value;
    PropertyChanged("PrintAllBlack");
}

void DXFControl::LetFilename(std::string value) {
    filename_ = value;
    workingFileName_ = std::move(value);
    PropertyChanged("FileName");
}

void DXFControl::LetTmpFileNamePath(std::string value) {
    if (value.empty() || value.back() != '\\') value += '\\';
    reader_.Properties.TmpFileNamePath = std::move(value);
    PropertyChanged("TmpFileNamePath");
}

void DXFControl::LetOnTheSpotZoomPctLeft(float value) {
    onTheSpotZoomPctLeft_ = value;
    PropertyChanged("OnTheSpotZoomPctLeft");
}

void DXFControl::LetOnTheSpotZoomPctRight(float value) {
    onTheSpotZoomPctRight_ = value;
    PropertyChanged("OnTheSpotZoomPctRight");
}

void DXFControl::LetMonoFontScalar(float value) {
    reader_.Properties.Fonts.MonoFontScalar = value;
    PropertyChanged("MonoFontScalar");
}

void DXFControl::LetMonoFontName(std::string value) {
    reader_.Properties.Fonts.MonoFontName = std::move(value);
    PropertyChanged("MonoFontName");
}

void DXFControl::LetPropFontName(std::string value) {
    reader_.Properties.Fonts.PropFontName = std::move(value);
    PropertyChanged("PropFontName");
}

void DXFControl::LetPropFontScalar(float value) {
    reader_.Properties.Fonts.PropFontScalar = value;
    PropertyChanged("PropFontScalar");
}

void DXFControl::LetZoomFunction(ZoomFunctionEnum value) {
    zoomFunction_ = value;
    state_.BandZoomFunction = std::int16_t(value);
    PropertyChanged("ZoomFunction");
}

void DXFControl::LetDisplayAttributes(DispAttribsEnum value) {
    routine_.Settings.DisplayAttributes = std::int16_t(value);
    PropertyChanged("DisplayAttributes");
    if (lastPassDrawn_) {
        picTiraq_->Cls();
        lastPassDrawn_ = DrawingPass(state_.CurrentView);
        picTiraq_->Refresh();
    }
}

void DXFControl::LetRedlineTextHeight(float value) {
    reader_.Properties.RedlineTextHeight = value;
    PropertyChanged("RedlineTextHeight");
}

void DXFControl::LetRedlineEntitySelected(vb::Variant value) {
    RequireUserMode();
    redlineEntitySelected_ = std::move(value);
    PropertyChanged("RedlineEntitySelected");
}

void DXFControl::LetRedlineEntityType(EntityTypesEnum value) {
    RequireUserMode();
    redlineEntityType_ = value;
    PropertyChanged("RedlineEntityType");
}

void DXFControl::LetRedlineCurrentLayer(std::string value) {
    redlineCurrentLayer_ = std::move(value);
    PropertyChanged("RedlineCurrentLayer");
}

void DXFControl::LetRedlineEntityID(std::int32_t value) {
    RequireUserMode();
    redlineEntityID_ = value;
    PropertyChanged("RedlineEntityID");
}

void DXFControl::LetCalcExtents(bool value) {
    reader_.Properties.CalcExtents = value;
    PropertyChanged("CalcExtents");
}

void DXFControl::LetDXFDisplayed(bool value) {
    dxfDisplayed_ = value;
    PropertyChanged("DXFDisplayed");
}

void DXFControl::LetDisplayAllBlack(bool value) {
    routine_.Settings.DisplayAllBlack = value;
    PropertyChanged("DisplayAllBlack");
}

void DXFControl::LetStatusBarLocation(StatusBarPosEnum value) {
    statusBarLocation_ = StatusBarPosEnum(std::int16_t(value));
    PropertyChanged("StatusBarLocation");
}

void DXFControl::LetInsertCount(std::int32_t value) {
    RequireUserMode();
    db_.SetInsertCount(value);
    PropertyChanged("InsertCount");
}

void DXFControl::LetDXFComplete(bool value) {
    db_.DXFComplete = value;
    PropertyChanged("DXFComplete");
}

void DXFControl::LetUseDXFFonts(bool value) {
    reader_.Properties.Fonts.UseDXFFonts = value;
    PropertyChanged("UseDXFFonts");
}

// --- forwarded to the drawing surface ---

void DXFControl::LetBackColor(std::uint32_t value) {
    backColor_ = value;
    picTiraq_->SetBackColor(ResolveOleColour(value));
    PropertyChanged("BackColor");
}

bool DXFControl::AutoRedraw() { return picTiraq_->AutoRedraw(); }

void DXFControl::LetAutoRedraw(bool value) {
    picTiraq_->SetAutoRedraw(value);
    PropertyChanged("AutoRedraw");
}

float DXFControl::CurrentX() { return float(picTiraq_->CurrentX()); }

void DXFControl::LetCurrentX(float value) {
    picTiraq_->SetCurrentX(value);
    PropertyChanged("CurrentX");
}

float DXFControl::CurrentY() { return float(picTiraq_->CurrentY()); }

void DXFControl::LetCurrentY(float value) {
    picTiraq_->SetCurrentY(value);
    PropertyChanged("CurrentY");
}

float DXFControl::ScaleHeight() {
    SyncLayout();
    return float(picTiraq_->ScaleHeight());
}

void DXFControl::LetScaleHeight(float value) {
    picTiraq_->SetScaleHeight(value);
    PropertyChanged("ScaleHeight");
}

float DXFControl::ScaleWidth() {
    SyncLayout();
    return float(picTiraq_->ScaleWidth());
}

void DXFControl::LetScaleWidth(float value) {
    picTiraq_->SetScaleWidth(value);
    PropertyChanged("ScaleWidth");
}

void DXFControl::ApplyMousePointer() {
    const QImage icon = mousePointer_ == kPointerCustom ? ImageOfPicture(mouseIcon_.get()) : QImage();
    if (!icon.isNull())
        picTiraq_->setCursor(QCursor(QPixmap::fromImage(icon)));
    else if (mousePointer_ == kPointerDefault)
        picTiraq_->unsetCursor();
    else
        picTiraq_->setCursor(CursorOf(mousePointer_));
}

void DXFControl::LetMousePointer(std::int16_t value) {
    mousePointer_ = value;
    ApplyMousePointer();
    PropertyChanged("MousePointer");
}

void DXFControl::SetMouseIcon(vb::Ref<com::Picture> value) {
    mouseIcon_ = std::move(value);
    ApplyMousePointer();
    PropertyChanged("MouseIcon");
}

void DXFControl::SetPicture(vb::Ref<com::Picture> value) {
    picture_ = std::move(value);
    picTiraq_->SetPicture(ImageOfPicture(picture_.get()));
    PropertyChanged("Picture");
}

void DXFControl::SetFont(vb::Ref<com::Font> value) {
    font_ = std::move(value);
    ApplyFont();
    PropertyChanged("Font");
}

void DXFControl::ApplyFont() {
    if (!font_) return;
    picTiraq_->SetFontName(font_->Name);
    if (font_->Size > 0) picTiraq_->SetFontSize(font_->Size);
    picTiraq_->SetFontBold(font_->Bold);
    picTiraq_->SetFontItalic(font_->Italic);
    picTiraq_->SetFontUnderline(font_->Underline);
}

vb::Ref<com::Picture> DXFControl::Image() {
    return MakeImagePicture(picTiraq_->Image().copy(), picTiraq_->DotsPerInch());
}

void DXFControl::LetAutoSize(bool value) {
    window_->picTiraqAlignedTop = false;
    autoSize_ = value;
    PropertyChanged("AutoSize");
    if (value && picture_) {
        const double perPixel = kHimetricPerInch / picTiraq_->DotsPerInch();
        picTiraq_->resize(int(std::lround(picture_->Width() / perPixel)),
                          int(std::lround(picture_->Height() / perPixel)));
    }
    window_->resize(picTiraq_->size());
    window_->picTiraqAlignedTop = true;
    UserControl_Resize();
}

}  // namespace tiraq
