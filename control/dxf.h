#pragma once

#include "com/control.h"
#include "com/dispatch.h"
#include "com/events.h"
#include "com/font.h"
#include "com/picture.h"
#include "control/dxf_enums.h"
#include "control/dxf_events.h"
#include "control/dxf_layers_interface.h"
#include "vb/collection.h"
#include "vb/variant.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tiraq {

// The drawing component's creatable class and the name a host creates it by.
inline constexpr com::ClassId kDXFClassId = com::MakeGuid("{5B58E09E-5985-41BE-8755-EC05A29ADC04}");
inline constexpr const char* kDXFProgId = "TIRAQOCX.DXF";

// The control DXF as its host uses it: the typed members of its default interface (each also
// callable by its dispatch identifier, see dxf_dispatch.cpp), its events, and the control's side
// of hosting. Types: Integer is std::int16_t, Long std::int32_t, Single float, colours
// std::uint32_t. Parameters written back by a member are references; optional parameters are
// std::optional, left out when missing. A property's get carries its name, its assignment Let or
// Set (for objects) before the name.
class DXF : public virtual com::Dispatch, public virtual com::Control, public com::EventSource<DXFEvents> {
public:
    static constexpr com::InterfaceId kIid = com::MakeGuid("{D5EFC5A6-F3C3-4AAD-8DD9-5D8B6314DE31}");
    using Bases = com::InterfaceList<com::Dispatch, com::Control>;

    // Methods, in the order of the type library.
    virtual bool ExportDXF(std::string& strError) = 0;
    virtual bool GetInsert(std::string& strError, std::int32_t InsertIndex, std::string& strBaseBlockName, float& X,
                           float& Y, vb::Ref<vb::Collection>& colAttribs) = 0;
    virtual bool GetLines(std::string& strError, vb::Ref<vb::Collection>& colLines) = 0;
    virtual bool GetPoints(std::string& strError, vb::Ref<vb::Collection>& colPoints) = 0;
    virtual bool GetPolyLines(std::string& strError, vb::Ref<vb::Collection>& colPolyLines) = 0;
    virtual bool GetStrings(std::string& strError, vb::Ref<vb::Collection>& colStrings) = 0;
    virtual bool GetSolids(std::string& strError, vb::Ref<vb::Collection>& colSolids) = 0;
    virtual bool GetCircles(std::string& strError, vb::Ref<vb::Collection>& colCircles) = 0;
    virtual bool GetAttribs(std::string& strError, vb::Ref<vb::Collection>& colAttribs) = 0;
    virtual bool GetInserts(std::string& strError, vb::Ref<vb::Collection>& colInserts) = 0;
    virtual bool GetBlocks(std::string& strError, vb::Ref<vb::Collection>& colBlocks) = 0;
    virtual bool GetCurrentZoom(float& Left, float& top, float& right, float& bottom) = 0;
    virtual float IntToRealX(const vb::Variant& XPixel) = 0;
    virtual float IntToRealY(const vb::Variant& YPixel) = 0;
    virtual std::int32_t CvtX(float X) = 0;
    virtual std::int32_t CvtY(float Y) = 0;
    virtual bool RedlineTagForDelete(std::string& strError, std::int32_t& EntityID) = 0;
    virtual bool SetInsertColor(std::string& strError, std::int32_t InsertIndex, std::int32_t BlockColor) = 0;
    virtual std::int16_t VerticalScroll(float DeltaY) = 0;
    virtual std::int16_t HorizontalScroll(float DeltaX) = 0;
    virtual bool ZoomExtents() = 0;
    virtual bool DXFZoom(float Left, float top, float right, float bottom) = 0;
    virtual bool Plot(PlotSizeEnum PlotSize, std::optional<std::string> DeviceName = std::nullopt,
                      std::optional<std::int16_t> Orientation = std::nullopt,
                      std::optional<std::int16_t> PaperBin = std::nullopt,
                      std::optional<std::int16_t> Copies = std::nullopt,
                      std::optional<std::int16_t> PaperSize = std::nullopt) = 0;
    virtual bool Refresh(std::string& strError) = 0;
    virtual std::int32_t Regen(MergeEnum Merge, std::optional<float> XOffset = std::nullopt,
                               std::optional<float> YOffset = std::nullopt) = 0;
    virtual std::int16_t OnTheSpotZoom(float X, float Y, std::optional<std::int16_t> Button = std::nullopt) = 0;
    virtual std::int16_t ZoomInitiate(float X, float Y) = 0;
    virtual std::int16_t ZoomEnd() = 0;
    virtual vb::Variant ZoomFeedback(float X, float Y) = 0;
    virtual std::int16_t ZoomPrevious() = 0;
    virtual std::int16_t SaveWMFOld(std::optional<vb::Variant> Filename = std::nullopt) = 0;
    virtual std::int16_t SaveWMF(std::optional<vb::Variant> Filename = std::nullopt) = 0;
    virtual std::int16_t DXFRefresh() = 0;
    virtual std::int32_t Find(const std::string& TextToFind, std::int16_t LayerID,
                              std::optional<bool> Pan = std::nullopt) = 0;
    virtual bool FixUNIXFile(std::string& strError, const std::string& InFileName, const std::string& OutFileName) = 0;
    virtual std::int16_t Save(const std::string& NewFileName) = 0;
    virtual std::int32_t DXFAddLine(float X1, float Y1, float X2, float Y2, const std::string& LayerName,
                                    std::optional<std::int32_t> RedlineRectangleID = std::nullopt) = 0;
    virtual std::int32_t DXFAddSolid(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                                     const std::string& LayerName) = 0;
    virtual std::int32_t DXFAddCircle(float CenterX, float CenterY, float RadiusX, float RadiusY,
                                      const std::string& LayerName) = 0;
    virtual std::int32_t DXFAddText(float X1, float Y1, const std::string& Text, const std::string& LayerName,
                                    CoordSystem CoordinateSystem, std::optional<vb::Variant> TextHeight = std::nullopt,
                                    std::optional<vb::Variant> HorzAlignment = std::nullopt,
                                    std::optional<vb::Variant> Rotation = std::nullopt) = 0;
    virtual void About() = 0;
    virtual void Clear() = 0;
    virtual bool RedlineDeleteEntity(std::string& strError) = 0;
    virtual bool RedlineUnDeleteEntity(std::string& strError) = 0;
    virtual bool GetExtents(float& Left, float& top, float& right, float& bottom) = 0;

    // Properties, in the order of the type library.
    virtual std::string ExportFileName() = 0;
    virtual void LetExportFileName(std::string value) = 0;
    virtual bool Enabled() = 0;
    virtual void LetEnabled(bool value) = 0;
    virtual bool PrintAllBlack() = 0;
    virtual void LetPrintAllBlack(bool value) = 0;
    virtual std::string Filename() = 0;
    virtual void LetFilename(std::string value) = 0;
    virtual std::string TmpFileNamePath() = 0;
    virtual void LetTmpFileNamePath(std::string value) = 0;
    virtual float OnTheSpotZoomPctLeft() = 0;
    virtual void LetOnTheSpotZoomPctLeft(float value) = 0;
    virtual float MonoFontScalar() = 0;
    virtual void LetMonoFontScalar(float value) = 0;
    virtual std::string MonoFontName() = 0;
    virtual void LetMonoFontName(std::string value) = 0;
    virtual std::string PropFontName() = 0;
    virtual void LetPropFontName(std::string value) = 0;
    virtual float PropFontScalar() = 0;
    virtual void LetPropFontScalar(float value) = 0;
    virtual float OnTheSpotZoomPctRight() = 0;
    virtual void LetOnTheSpotZoomPctRight(float value) = 0;
    virtual ZoomFunctionEnum ZoomFunction() = 0;
    virtual void LetZoomFunction(ZoomFunctionEnum value) = 0;
    virtual DispAttribsEnum DisplayAttributes() = 0;
    virtual void LetDisplayAttributes(DispAttribsEnum value) = 0;
    virtual vb::Ref<DXFLayersInterface> Layers() = 0;
    virtual float RedlineTextHeight() = 0;
    virtual void LetRedlineTextHeight(float value) = 0;
    virtual std::uint32_t BackColor() = 0;
    virtual void LetBackColor(std::uint32_t value) = 0;
    virtual vb::Variant RedlineEntitySelected() = 0;
    virtual void LetRedlineEntitySelected(vb::Variant value) = 0;
    virtual EntityTypesEnum RedlineEntityType() = 0;
    virtual void LetRedlineEntityType(EntityTypesEnum value) = 0;
    virtual std::string RedlineCurrentLayer() = 0;
    virtual void LetRedlineCurrentLayer(std::string value) = 0;
    virtual bool CalcExtents() = 0;
    virtual void LetCalcExtents(bool value) = 0;
    virtual vb::Ref<com::Picture> Image() = 0;
    virtual std::int32_t hDC() = 0;
    virtual std::int32_t hWnd() = 0;
    virtual bool AutoRedraw() = 0;
    virtual void LetAutoRedraw(bool value) = 0;
    virtual bool DXFDisplayed() = 0;
    virtual void LetDXFDisplayed(bool value) = 0;
    virtual bool DisplayAllBlack() = 0;
    virtual void LetDisplayAllBlack(bool value) = 0;
    virtual vb::Ref<com::Picture> MouseIcon() = 0;
    virtual void SetMouseIcon(vb::Ref<com::Picture> value) = 0;
    virtual std::int16_t MousePointer() = 0;
    virtual void LetMousePointer(std::int16_t value) = 0;
    virtual vb::Ref<com::Picture> Picture() = 0;
    virtual void SetPicture(vb::Ref<com::Picture> value) = 0;
    virtual StatusBarPosEnum StatusBarLocation() = 0;
    virtual void LetStatusBarLocation(StatusBarPosEnum value) = 0;
    virtual vb::Ref<com::Font> Font() = 0;
    virtual void SetFont(vb::Ref<com::Font> value) = 0;
    virtual std::int32_t InsertCount() = 0;
    virtual void LetInsertCount(std::int32_t value) = 0;
    virtual std::int32_t RedlineEntityID() = 0;
    virtual void LetRedlineEntityID(std::int32_t value) = 0;
    virtual bool DXFComplete() = 0;
    virtual void LetDXFComplete(bool value) = 0;
    virtual float CurrentX() = 0;
    virtual void LetCurrentX(float value) = 0;
    virtual float CurrentY() = 0;
    virtual void LetCurrentY(float value) = 0;
    virtual bool AutoSize() = 0;
    virtual void LetAutoSize(bool value) = 0;
    virtual float ScaleHeight() = 0;
    virtual void LetScaleHeight(float value) = 0;
    virtual float ScaleWidth() = 0;
    virtual void LetScaleWidth(float value) = 0;
    virtual bool UseDXFFonts() = 0;
    virtual void LetUseDXFFonts(bool value) = 0;
};

}  // namespace tiraq
