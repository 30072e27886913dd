#pragma once

#include "com/events.h"
#include "com/object.h"
#include "control/dxf.h"
#include "display/display_host.h"
#include "display/display_state.h"
#include "display/drawing_routine.h"
#include "frame/text_finder.h"
#include "frame/view_geometry.h"
#include "gui/control_window.h"
#include "reader/drawing_database.h"
#include "reader/dxf_reader.h"
#include "reader/reader_host.h"
#include "reader/traced.h"

#include <QPointer>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace gui {
class PictureBox;
}

namespace tiraq {

struct MetafileFrame;
class UserControl;

// The drag in progress and what the last one left.
struct DragState {
    std::int16_t ZoomStartX = 0, ZoomStartY = 0;
    std::int16_t ZoomEndX = 0, ZoomEndY = 0;
    bool ZoomActive = false;
    // Whether a band has been drawn since the drag began, so that the first feedback erases only
    // a band it drew itself.
    bool BandShown = false;

    // Moving the selected redline entity: the pixel where the move began and its distance, the
    // selected entity's box as the hit test left it, and that box where the last feedback drew it.
    float MoveStartX = 0, MoveStartY = 0;
    float MoveDeltaX = 0, MoveDeltaY = 0;
    std::array<std::int32_t, 4> SelectionBox{};  // left, top, right, bottom
    std::array<std::int32_t, 4> MoveBox{};
    std::array<std::int32_t, 4> MovedBox{};
    std::int32_t SelectedRectangleID = 0;
    // Rectangles drawn as redlines over the control's life.
    std::int32_t LastRectangleID = 0;
};

// The control DXF: its window with the drawing surface, the saved properties, the load, the
// views and drags, printing, the public properties, the DXF and metafile output and redlining.
class DXFControl final : public com::Object<DXF>, public gui::ControlWindow, private ReaderHost, private DisplayHost {
public:
    DXFControl();  // the control's Initialize
    ~DXFControl() override;

    void* QueryInterface(const com::InterfaceId& iid) override;
    QWidget* Widget() override;

    // Calls by dispatch identifier, and the host's event sinks.
    com::DispId GetIDOfName(std::string_view name) override;
    vb::Variant Invoke(com::DispId member, com::InvokeKind kind, std::span<vb::Variant> arguments) override;
    com::Cookie Advise(vb::Ref<DXFEvents> sink) override;
    void Unadvise(com::Cookie cookie) override;

    void SetSite(vb::Ref<com::ControlSite> site) override;
    void InitProperties() override;
    void ReadProperties(const com::PropertyBag& bag) override;
    void WriteProperties(com::PropertyBag& bag) override;

    // Entity queries.
    bool GetInsert(std::string& strError, std::int32_t InsertIndex, std::string& strBaseBlockName, float& X, float& Y,
                   vb::Ref<vb::Collection>& colAttribs) override;
    bool GetLines(std::string& strError, vb::Ref<vb::Collection>& colLines) override;
    bool GetPoints(std::string& strError, vb::Ref<vb::Collection>& colPoints) override;
    bool GetPolyLines(std::string& strError, vb::Ref<vb::Collection>& colPolyLines) override;
    bool GetStrings(std::string& strError, vb::Ref<vb::Collection>& colStrings) override;
    bool GetSolids(std::string& strError, vb::Ref<vb::Collection>& colSolids) override;
    bool GetCircles(std::string& strError, vb::Ref<vb::Collection>& colCircles) override;
    bool GetAttribs(std::string& strError, vb::Ref<vb::Collection>& colAttribs) override;
    bool GetInserts(std::string& strError, vb::Ref<vb::Collection>& colInserts) override;
    bool GetBlocks(std::string& strError, vb::Ref<vb::Collection>& colBlocks) override;
    bool FixUNIXFile(std::string& strError, const std::string& InFileName, const std::string& OutFileName) override;

    // Conversion.
    bool GetCurrentZoom(float& Left, float& top, float& right, float& bottom) override;
    float IntToRealX(const vb::Variant& XPixel) override;
    float IntToRealY(const vb::Variant& YPixel) override;
    std::int32_t CvtX(float X) override;
    std::int32_t CvtY(float Y) override;

    // Load and redraw.
    std::int32_t Regen(MergeEnum Merge, std::optional<float> XOffset, std::optional<float> YOffset) override;
    bool Refresh(std::string& strError) override;
    std::int16_t DXFRefresh() override;

    // Views.
    bool ZoomExtents() override;
    bool DXFZoom(float Left, float top, float right, float bottom) override;
    std::int16_t ZoomPrevious() override;
    std::int16_t OnTheSpotZoom(float X, float Y, std::optional<std::int16_t> Button) override;
    std::int16_t VerticalScroll(float DeltaY) override;
    std::int16_t HorizontalScroll(float DeltaX) override;
    std::int32_t Find(const std::string& TextToFind, std::int16_t LayerID, std::optional<bool> Pan) override;

    // Drags.
    std::int16_t ZoomInitiate(float X, float Y) override;
    vb::Variant ZoomFeedback(float X, float Y) override;
    std::int16_t ZoomEnd() override;

    bool Plot(PlotSizeEnum PlotSize, std::optional<std::string> DeviceName, std::optional<std::int16_t> Orientation,
              std::optional<std::int16_t> PaperBin, std::optional<std::int16_t> Copies,
              std::optional<std::int16_t> PaperSize) override;

    void Clear() override;
    bool GetExtents(float& Left, float& top, float& right, float& bottom) override;

    // DXF and metafile output.
    bool ExportDXF(std::string& strError) override;
    std::string ExportFileName() override { return exportFileName_; }
    void LetExportFileName(std::string value) override;
    std::int16_t Save(const std::string& NewFileName) override;
    std::int16_t SaveWMF(std::optional<vb::Variant> Filename) override;
    std::int16_t SaveWMFOld(std::optional<vb::Variant> Filename) override;

    // Redlining.
    std::int32_t DXFAddLine(float X1, float Y1, float X2, float Y2, const std::string& LayerName,
                            std::optional<std::int32_t> RedlineRectangleID) override;
    std::int32_t DXFAddSolid(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                             const std::string& LayerName) override;
    std::int32_t DXFAddCircle(float CenterX, float CenterY, float RadiusX, float RadiusY,
                              const std::string& LayerName) override;
    std::int32_t DXFAddText(float X1, float Y1, const std::string& Text, const std::string& LayerName,
                            CoordSystem CoordinateSystem, std::optional<vb::Variant> TextHeight,
                            std::optional<vb::Variant> HorzAlignment, std::optional<vb::Variant> Rotation) override;
    bool RedlineDeleteEntity(std::string& strError) override;
    bool RedlineUnDeleteEntity(std::string& strError) override;
    bool RedlineTagForDelete(std::string& strError, std::int32_t& EntityID) override;
    bool SetInsertColor(std::string& strError, std::int32_t InsertIndex, std::int32_t BlockColor) override;

    void About() override;

    // Properties of the frame.
    bool Enabled() override { return enabled_; }
    void LetEnabled(bool value) override;
    bool PrintAllBlack() override { return routine_.Settings.PrintAllBlack; }
    void LetPrintAllBlack(bool value) override;
    std::string Filename() override { return filename_; }
    void LetFilename(std::string value) override;
    std::string TmpFileNamePath() override { return reader_.Properties.TmpFileNamePath; }
    void LetTmpFileNamePath(std::string value) override;
    float OnTheSpotZoomPctLeft() override { return onTheSpotZoomPctLeft_; }
    void LetOnTheSpotZoomPctLeft(float value) override;
    float MonoFontScalar() override { return reader_.Properties.Fonts.MonoFontScalar; }
    void LetMonoFontScalar(float value) override;
    std::string MonoFontName() override { return reader_.Properties.Fonts.MonoFontName; }
    void LetMonoFontName(std::string value) override;
    std::string PropFontName() override { return reader_.Properties.Fonts.PropFontName; }
    void LetPropFontName(std::string value) override;
    float PropFontScalar() override { return reader_.Properties.Fonts.PropFontScalar; }
    void LetPropFontScalar(float value) override;
    float OnTheSpotZoomPctRight() override { return onTheSpotZoomPctRight_; }
    void LetOnTheSpotZoomPctRight(float value) override;
    ZoomFunctionEnum ZoomFunction() override { return zoomFunction_; }
    void LetZoomFunction(ZoomFunctionEnum value) override;
    DispAttribsEnum DisplayAttributes() override { return DispAttribsEnum(routine_.Settings.DisplayAttributes); }
    void LetDisplayAttributes(DispAttribsEnum value) override;
    vb::Ref<DXFLayersInterface> Layers() override;

    // Stored settings.
    float RedlineTextHeight() override { return reader_.Properties.RedlineTextHeight; }
    void LetRedlineTextHeight(float value) override;
    vb::Variant RedlineEntitySelected() override { return redlineEntitySelected_; }
    void LetRedlineEntitySelected(vb::Variant value) override;
    EntityTypesEnum RedlineEntityType() override { return redlineEntityType_; }
    void LetRedlineEntityType(EntityTypesEnum value) override;
    std::string RedlineCurrentLayer() override { return redlineCurrentLayer_; }
    void LetRedlineCurrentLayer(std::string value) override;
    std::int32_t RedlineEntityID() override { return redlineEntityID_; }
    void LetRedlineEntityID(std::int32_t value) override;
    bool CalcExtents() override { return reader_.Properties.CalcExtents; }
    void LetCalcExtents(bool value) override;
    bool DXFDisplayed() override { return dxfDisplayed_; }
    void LetDXFDisplayed(bool value) override;
    bool DisplayAllBlack() override { return routine_.Settings.DisplayAllBlack; }
    void LetDisplayAllBlack(bool value) override;
    StatusBarPosEnum StatusBarLocation() override { return statusBarLocation_; }
    void LetStatusBarLocation(StatusBarPosEnum value) override;
    std::int32_t InsertCount() override { return db_.InsertCount(); }
    void LetInsertCount(std::int32_t value) override;
    bool DXFComplete() override { return db_.DXFComplete; }
    void LetDXFComplete(bool value) override;
    bool UseDXFFonts() override { return reader_.Properties.Fonts.UseDXFFonts; }
    void LetUseDXFFonts(bool value) override;

    // Properties of the drawing surface.
    std::uint32_t BackColor() override { return backColor_; }
    void LetBackColor(std::uint32_t value) override;
    bool AutoRedraw() override;
    void LetAutoRedraw(bool value) override;
    float CurrentX() override;
    void LetCurrentX(float value) override;
    float CurrentY() override;
    void LetCurrentY(float value) override;
    float ScaleHeight() override;
    void LetScaleHeight(float value) override;
    float ScaleWidth() override;
    void LetScaleWidth(float value) override;
    std::int16_t MousePointer() override { return mousePointer_; }
    void LetMousePointer(std::int16_t value) override;
    vb::Ref<com::Picture> MouseIcon() override { return mouseIcon_; }
    void SetMouseIcon(vb::Ref<com::Picture> value) override;
    vb::Ref<com::Picture> Picture() override { return picture_; }
    void SetPicture(vb::Ref<com::Picture> value) override;
    vb::Ref<com::Font> Font() override { return font_; }
    void SetFont(vb::Ref<com::Font> value) override;
    vb::Ref<com::Picture> Image() override;
    std::int32_t hDC() override { return deviceHandle_; }
    std::int32_t hWnd() override { return windowHandle_; }
    bool AutoSize() override { return autoSize_; }
    void LetAutoSize(bool value) override;

    // For the host's tests and tools: the constituent pictures.
    gui::PictureBox& DrawingSurface() const;
    gui::PictureBox& StatusBar() const;
    gui::PictureBox& Grip(std::size_t index) const;

private:
    // ReaderHost and DisplayHost.
    void ShowStatusBar(bool placeByLocation) override;
    void PaintProgress(float fraction) override;
    void HideStatusBar() override;
    void SetMousePointer(int pointer) override;
    void ClearDrawing() override;
    void SetPreviousViews(const ViewRect& extents) override;
    void LinesRead(float PctRead) override;
    void HideGrips() override;
    void ZoomComplete() override;
    void RedrawScreen() override;

    // Runs a member by the control's error convention (default pointer, cleared surface, the
    // member's line appended to the error, raised again as the control's error).
    template <typename Body>
    auto Chained(std::string_view member, Body&& body) -> decltype(body());

    void PropertyChanged(std::string_view name);
    void RequireUserMode();
    void UserControl_Resize();
    void SyncLayout();
    void PictureMouse(void (DXFEvents::*event)(std::int16_t&, std::int16_t&, float&, float&), std::string_view trace,
                      int button, int shift, double x, double y);
    // A drawing pass of the view on the drawing surface.
    bool DrawingPass(const ViewRect& view, bool newestOnly = false);
    // Clears the surface, draws the view on it and shows it.
    bool ShowView(const ViewRect& view);
    std::int16_t StationaryZoom(float X, float Y, std::int16_t percentage);
    std::int16_t ScrollView(double f, float ViewRect::*lower, float ViewRect::*upper);
    void BoxBand(const std::array<std::int32_t, 4>& box);
    std::int16_t EndWindowZoom();
    std::int16_t EndPan();
    std::int16_t EndMove();
    std::int16_t EndRedline();
    // Draws the target view of a window zoom or pan and makes it the view on screen.
    void ShowTarget();
    void ApplyFont();
    // The cursor of MousePointer; the custom pointer shows MouseIcon once it holds a picture.
    void ApplyMousePointer();
    float PixelToWorld(const vb::Variant& pixel, float (DisplayState::*convert)(double) const, std::string_view trace);
    std::int32_t WorldToPixel(float value, std::int32_t (DisplayState::*convert)(float) const);

    // Redline selection: the hit test of a click, and the grips around the selected entity.
    void RedlineSelect(float X, float Y);
    bool HandleHide(std::string& strError);
    bool HandleMove(std::string& strError, const std::array<std::int32_t, 4>& Box);
    // Deleting and undeleting end alike: the selection cleared and the view drawn again.
    bool HideAndRefresh(std::string& strError);
    // Metafiles of the current view.
    void DrawIntoMetafile(gui::MetafileDevice& metafile);
    // The view as an enhanced metafile of the frame, in the named file or, without a name, on the
    // clipboard; false when none could be made.
    bool MakeEnhancedMetafile(const std::optional<std::string>& name, const MetafileFrame& frame,
                              std::string_view description);
    void SavePlaceableWMF(const std::string& FileName);

    com::ConnectionPoint<DXFEvents> events_;
    QPointer<UserControl> window_;
    gui::PictureBox* picTiraq_;
    vb::Ref<com::ControlSite> site_;

    DrawingDatabase db_;
    DXFReader reader_{db_, *this};
    DisplayState state_;
    DrawingRoutine routine_;

    // Saved properties of the frame (the reader's and the drawing routine's settings live in
    // reader_.Properties and routine_.Settings).
    float onTheSpotZoomPctLeft_ = 0;
    float onTheSpotZoomPctRight_ = 0;
    ZoomFunctionEnum zoomFunction_ = dxfWindow;
    std::string filename_;
    std::string workingFileName_;
    // The file the last Regen loaded, which Save copies: Filename may name another since.
    std::string loadedFileName_;
    bool enabled_ = false;
    vb::Variant about_;
    bool lastPassDrawn_ = false;
    // While the screen is redrawn after a failed print, which completes no view for the host.
    bool zoomCompleteHeld_ = false;

    vb::Variant redlineEntitySelected_;
    EntityTypesEnum redlineEntityType_ = dxfRedLineNone;
    std::string redlineCurrentLayer_;
    std::int32_t redlineEntityID_ = 0;
    bool dxfDisplayed_ = false;
    StatusBarPosEnum statusBarLocation_ = posBottom;
    std::int16_t mousePointer_ = 0;
    vb::Ref<com::Picture> mouseIcon_;
    vb::Ref<com::Picture> picture_;
    vb::Ref<com::Font> font_;
    bool autoSize_ = false;
    std::uint32_t backColor_ = 0xFFFFFF;  // as set: an RGB value or a system colour
    std::int32_t deviceHandle_ = 0;
    std::int32_t windowHandle_ = 0;
    std::string exportFileName_;

    // View state.
    ViewRect targetView_;
    PreviousViews prevZoomStack_;
    float lastScrollX_ = 0;
    float lastScrollY_ = 0;
    TextFinder finder_;
    DragState drag_;
};

template <typename Body>
auto DXFControl::Chained(std::string_view member, Body&& body) -> decltype(body()) {
    const std::string trace = " ->  " + std::string(member) + ".";
    return Traced(static_cast<ReaderHost&>(*this), trace, std::forward<Body>(body));
}

}  // namespace tiraq
