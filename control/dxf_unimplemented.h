#pragma once

#include <string>
#include <string_view>

#include "com/events.h"
#include "com/object.h"
#include "control/dxf.h"

namespace tiraq {

// The control DXF before its members are built: every member raises the control's error
// (&H80040001) with "Not implemented" and the member's name as the error chain writes it; called
// by dispatch identifier, the error carries the source "TIRAQOCX.DXF". Calls by identifier and the
// events work. The control derives from it and overrides what it builds.
class DXFUnimplemented : public com::Object<DXF> {
public:
    com::DispId GetIDOfName(std::string_view name) override;
    vb::Variant Invoke(com::DispId member, com::InvokeKind kind, std::span<vb::Variant> arguments) override;
    com::Cookie Advise(vb::Ref<DXFEvents> sink) override;
    void Unadvise(com::Cookie cookie) override;

    void SetSite(vb::Ref<com::ControlSite>) override;
    void InitProperties() override;
    void ReadProperties(const com::PropertyBag&) override;
    void WriteProperties(com::PropertyBag&) override;

    bool ExportDXF(std::string&) override;
    bool GetInsert(std::string&, std::int32_t, std::string&, float&, float&, vb::Ref<vb::Collection>&) override;
    bool GetLines(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetPoints(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetPolyLines(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetStrings(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetSolids(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetCircles(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetAttribs(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetInserts(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetBlocks(std::string&, vb::Ref<vb::Collection>&) override;
    bool GetCurrentZoom(float&, float&, float&, float&) override;
    float IntToRealX(const vb::Variant&) override;
    float IntToRealY(const vb::Variant&) override;
    std::int32_t CvtX(float) override;
    std::int32_t CvtY(float) override;
    bool RedlineTagForDelete(std::string&, std::int32_t&) override;
    bool SetInsertColor(std::string&, std::int32_t, std::int32_t) override;
    std::int16_t VerticalScroll(float) override;
    std::int16_t HorizontalScroll(float) override;
    bool ZoomExtents() override;
    bool DXFZoom(float, float, float, float) override;
    bool Plot(PlotSizeEnum, std::optional<std::string>, std::optional<std::int16_t>, std::optional<std::int16_t>,
              std::optional<std::int16_t>, std::optional<std::int16_t>) override;
    bool Refresh(std::string&) override;
    std::int32_t Regen(MergeEnum, std::optional<float>, std::optional<float>) override;
    std::int16_t OnTheSpotZoom(float, float, std::optional<std::int16_t>) override;
    std::int16_t ZoomInitiate(float, float) override;
    std::int16_t ZoomEnd() override;
    vb::Variant ZoomFeedback(float, float) override;
    std::int16_t ZoomPrevious() override;
    std::int16_t SaveWMFOld(std::optional<vb::Variant>) override;
    std::int16_t SaveWMF(std::optional<vb::Variant>) override;
    std::int16_t DXFRefresh() override;
    std::int32_t Find(const std::string&, std::int16_t, std::optional<bool>) override;
    bool FixUNIXFile(std::string&, const std::string&, const std::string&) override;
    std::int16_t Save(const std::string&) override;
    std::int32_t DXFAddLine(float, float, float, float, const std::string&, std::optional<std::int32_t>) override;
    std::int32_t DXFAddSolid(float, float, float, float, float, float, float, float, const std::string&) override;
    std::int32_t DXFAddCircle(float, float, float, float, const std::string&) override;
    std::int32_t DXFAddText(float, float, const std::string&, const std::string&, CoordSystem,
                            std::optional<vb::Variant>, std::optional<vb::Variant>,
                            std::optional<vb::Variant>) override;
    void About() override;
    void Clear() override;
    bool RedlineDeleteEntity(std::string&) override;
    bool RedlineUnDeleteEntity(std::string&) override;
    bool GetExtents(float&, float&, float&, float&) override;
    std::string ExportFileName() override;
    void LetExportFileName(std::string) override;
    bool Enabled() override;
    void LetEnabled(bool) override;
    bool PrintAllBlack() override;
    void LetPrintAllBlack(bool) override;
    std::string Filename() override;
    void LetFilename(std::string) override;
    std::string TmpFileNamePath() override;
    void LetTmpFileNamePath(std::string) override;
    float OnTheSpotZoomPctLeft() override;
    void LetOnTheSpotZoomPctLeft(float) override;
    float MonoFontScalar() override;
    void LetMonoFontScalar(float) override;
    std::string MonoFontName() override;
    void LetMonoFontName(std::string) override;
    std::string PropFontName() override;
    void LetPropFontName(std::string) override;
    float PropFontScalar() override;
    void LetPropFontScalar(float) override;
    float OnTheSpotZoomPctRight() override;
    void LetOnTheSpotZoomPctRight(float) override;
    ZoomFunctionEnum ZoomFunction() override;
    void LetZoomFunction(ZoomFunctionEnum) override;
    DispAttribsEnum DisplayAttributes() override;
    void LetDisplayAttributes(DispAttribsEnum) override;
    vb::Ref<DXFLayersInterface> Layers() override;
    float RedlineTextHeight() override;
    void LetRedlineTextHeight(float) override;
    std::uint32_t BackColor() override;
    void LetBackColor(std::uint32_t) override;
    vb::Variant RedlineEntitySelected() override;
    void LetRedlineEntitySelected(vb::Variant) override;
    EntityTypesEnum RedlineEntityType() override;
    void LetRedlineEntityType(EntityTypesEnum) override;
    std::string RedlineCurrentLayer() override;
    void LetRedlineCurrentLayer(std::string) override;
    bool CalcExtents() override;
    void LetCalcExtents(bool) override;
    vb::Ref<com::Picture> Image() override;
    std::int32_t hDC() override;
    std::int32_t hWnd() override;
    bool AutoRedraw() override;
    void LetAutoRedraw(bool) override;
    bool DXFDisplayed() override;
    void LetDXFDisplayed(bool) override;
    bool DisplayAllBlack() override;
    void LetDisplayAllBlack(bool) override;
    vb::Ref<com::Picture> MouseIcon() override;
    void SetMouseIcon(vb::Ref<com::Picture>) override;
    std::int16_t MousePointer() override;
    void LetMousePointer(std::int16_t) override;
    vb::Ref<com::Picture> Picture() override;
    void SetPicture(vb::Ref<com::Picture>) override;
    StatusBarPosEnum StatusBarLocation() override;
    void LetStatusBarLocation(StatusBarPosEnum) override;
    vb::Ref<com::Font> Font() override;
    void SetFont(vb::Ref<com::Font>) override;
    std::int32_t InsertCount() override;
    void LetInsertCount(std::int32_t) override;
    std::int32_t RedlineEntityID() override;
    void LetRedlineEntityID(std::int32_t) override;
    bool DXFComplete() override;
    void LetDXFComplete(bool) override;
    float CurrentX() override;
    void LetCurrentX(float) override;
    float CurrentY() override;
    void LetCurrentY(float) override;
    bool AutoSize() override;
    void LetAutoSize(bool) override;
    float ScaleHeight() override;
    void LetScaleHeight(float) override;
    float ScaleWidth() override;
    void LetScaleWidth(float) override;
    bool UseDXFFonts() override;
    void LetUseDXFFonts(bool) override;

protected:
    [[noreturn]] static void NotImplemented(std::string_view member);

    com::ConnectionPoint<DXFEvents> events_;
};

}  // namespace tiraq
