#include "control/dxf_unimplemented.h"

#include "control/dxf_dispatch.h"
#include "reader/error_chain.h"

namespace tiraq {

void DXFUnimplemented::NotImplemented(std::string_view member) {
    RaiseTiraqError("Not implemented\r\n ->  " + std::string(member) + ".");
}

com::DispId DXFUnimplemented::GetIDOfName(std::string_view name) { return DXFDispatchTable().IdOf(name); }

vb::Variant DXFUnimplemented::Invoke(com::DispId member, com::InvokeKind kind, std::span<vb::Variant> arguments) {
    return DXFDispatchTable().Invoke(*this, member, kind, arguments);
}

com::Cookie DXFUnimplemented::Advise(vb::Ref<DXFEvents> sink) { return events_.Advise(std::move(sink)); }

void DXFUnimplemented::Unadvise(com::Cookie cookie) { events_.Unadvise(cookie); }

void DXFUnimplemented::SetSite(vb::Ref<com::ControlSite>) { NotImplemented("SetSite"); }
void DXFUnimplemented::InitProperties() { NotImplemented("InitProperties"); }
void DXFUnimplemented::ReadProperties(const com::PropertyBag&) { NotImplemented("ReadProperties"); }
void DXFUnimplemented::WriteProperties(com::PropertyBag&) { NotImplemented("WriteProperties"); }

bool DXFUnimplemented::ExportDXF(std::string&) { NotImplemented("ExportDXF"); }
bool DXFUnimplemented::GetInsert(std::string&, std::int32_t, std::string&, float&, float&, vb::Ref<vb::Collection>&) {
    NotImplemented("GetInsert");
}
bool DXFUnimplemented::GetLines(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetLines"); }
bool DXFUnimplemented::GetPoints(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetPoints"); }
bool DXFUnimplemented::GetPolyLines(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetPolyLines"); }
bool DXFUnimplemented::GetStrings(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetStrings"); }
bool DXFUnimplemented::GetSolids(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetSolids"); }
bool DXFUnimplemented::GetCircles(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetCircles"); }
bool DXFUnimplemented::GetAttribs(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetAttribs"); }
bool DXFUnimplemented::GetInserts(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetInserts"); }
bool DXFUnimplemented::GetBlocks(std::string&, vb::Ref<vb::Collection>&) { NotImplemented("GetBlocks"); }
bool DXFUnimplemented::GetCurrentZoom(float&, float&, float&, float&) { NotImplemented("GetCurrentZoom"); }
float DXFUnimplemented::IntToRealX(const vb::Variant&) { NotImplemented("IntToRealX"); }
float DXFUnimplemented::IntToRealY(const vb::Variant&) { NotImplemented("IntToRealY"); }
std::int32_t DXFUnimplemented::CvtX(float) { NotImplemented("CvtX"); }
std::int32_t DXFUnimplemented::CvtY(float) { NotImplemented("CvtY"); }
bool DXFUnimplemented::RedlineTagForDelete(std::string&, std::int32_t&) { NotImplemented("RedlineTagForDelete"); }
bool DXFUnimplemented::SetInsertColor(std::string&, std::int32_t, std::int32_t) { NotImplemented("SetInsertColor"); }
std::int16_t DXFUnimplemented::VerticalScroll(float) { NotImplemented("VerticalScroll"); }
std::int16_t DXFUnimplemented::HorizontalScroll(float) { NotImplemented("HorizontalScroll"); }
bool DXFUnimplemented::ZoomExtents() { NotImplemented("ZoomExtents"); }
bool DXFUnimplemented::DXFZoom(float, float, float, float) { NotImplemented("DXFZoom"); }
bool DXFUnimplemented::Plot(PlotSizeEnum, std::optional<std::string>, std::optional<std::int16_t>,
                            std::optional<std::int16_t>, std::optional<std::int16_t>, std::optional<std::int16_t>) {
    NotImplemented("Plot");
}
bool DXFUnimplemented::Refresh(std::string&) { NotImplemented("Refresh"); }
std::int32_t DXFUnimplemented::Regen(MergeEnum, std::optional<float>, std::optional<float>) { NotImplemented("Regen"); }
std::int16_t DXFUnimplemented::OnTheSpotZoom(float, float, std::optional<std::int16_t>) {
    NotImplemented("OnTheSpotZoom");
}
std::int16_t DXFUnimplemented::ZoomInitiate(float, float) { NotImplemented("ZoomInitiate"); }
std::int16_t DXFUnimplemented::ZoomEnd() { NotImplemented("ZoomEnd"); }
vb::Variant DXFUnimplemented::ZoomFeedback(float, float) { NotImplemented("ZoomFeedback"); }
std::int16_t DXFUnimplemented::ZoomPrevious() { NotImplemented("ZoomPrevious"); }
std::int16_t DXFUnimplemented::SaveWMFOld(std::optional<vb::Variant>) { NotImplemented("SaveWMFOld"); }
std::int16_t DXFUnimplemented::SaveWMF(std::optional<vb::Variant>) { NotImplemented("SaveWMF"); }
std::int16_t DXFUnimplemented::DXFRefresh() { NotImplemented("DXFRefresh"); }
std::int32_t DXFUnimplemented::Find(const std::string&, std::int16_t, std::optional<bool>) { NotImplemented("Find"); }
bool DXFUnimplemented::FixUNIXFile(std::string&, const std::string&, const std::string&) {
    NotImplemented("FixUNIXFile");
}
std::int16_t DXFUnimplemented::Save(const std::string&) { NotImplemented("Save"); }
std::int32_t DXFUnimplemented::DXFAddLine(float, float, float, float, const std::string&, std::optional<std::int32_t>) {
    NotImplemented("DXFAddLine");
}
std::int32_t DXFUnimplemented::DXFAddSolid(float, float, float, float, float, float, float, float, const std::string&) {
    NotImplemented("DXFAddSolid");
}
std::int32_t DXFUnimplemented::DXFAddCircle(float, float, float, float, const std::string&) {
    NotImplemented("DXFAddCircle");
}
std::int32_t DXFUnimplemented::DXFAddText(float, float, const std::string&, const std::string&, CoordSystem,
                                          std::optional<vb::Variant>, std::optional<vb::Variant>,
                                          std::optional<vb::Variant>) {
    NotImplemented("DXFAddText");
}
void DXFUnimplemented::About() { NotImplemented("About"); }
void DXFUnimplemented::Clear() { NotImplemented("Clear"); }
bool DXFUnimplemented::RedlineDeleteEntity(std::string&) { NotImplemented("RedlineDeleteEntity"); }
bool DXFUnimplemented::RedlineUnDeleteEntity(std::string&) { NotImplemented("RedlineUnDeleteEntity"); }
bool DXFUnimplemented::GetExtents(float&, float&, float&, float&) { NotImplemented("GetExtents"); }
std::string DXFUnimplemented::ExportFileName() { NotImplemented("ExportFileName"); }
void DXFUnimplemented::LetExportFileName(std::string) { NotImplemented("ExportFileName"); }
bool DXFUnimplemented::Enabled() { NotImplemented("Enabled"); }
void DXFUnimplemented::LetEnabled(bool) { NotImplemented("Enabled"); }
bool DXFUnimplemented::PrintAllBlack() { NotImplemented("PrintAllBlack"); }
void DXFUnimplemented::LetPrintAllBlack(bool) { NotImplemented("PrintAllBlack"); }
std::string DXFUnimplemented::Filename() { NotImplemented("Filename"); }
void DXFUnimplemented::LetFilename(std::string) { NotImplemented("Filename"); }
std::string DXFUnimplemented::TmpFileNamePath() { NotImplemented("TmpFileNamePath"); }
void DXFUnimplemented::LetTmpFileNamePath(std::string) { NotImplemented("TmpFileNamePath"); }
float DXFUnimplemented::OnTheSpotZoomPctLeft() { NotImplemented("OnTheSpotZoomPctLeft"); }
void DXFUnimplemented::LetOnTheSpotZoomPctLeft(float) { NotImplemented("OnTheSpotZoomPctLeft"); }
float DXFUnimplemented::MonoFontScalar() { NotImplemented("MonoFontScalar"); }
void DXFUnimplemented::LetMonoFontScalar(float) { NotImplemented("MonoFontScalar"); }
std::string DXFUnimplemented::MonoFontName() { NotImplemented("MonoFontName"); }
void DXFUnimplemented::LetMonoFontName(std::string) { NotImplemented("MonoFontName"); }
std::string DXFUnimplemented::PropFontName() { NotImplemented("PropFontName"); }
void DXFUnimplemented::LetPropFontName(std::string) { NotImplemented("PropFontName"); }
float DXFUnimplemented::PropFontScalar() { NotImplemented("PropFontScalar"); }
void DXFUnimplemented::LetPropFontScalar(float) { NotImplemented("PropFontScalar"); }
float DXFUnimplemented::OnTheSpotZoomPctRight() { NotImplemented("OnTheSpotZoomPctRight"); }
void DXFUnimplemented::LetOnTheSpotZoomPctRight(float) { NotImplemented("OnTheSpotZoomPctRight"); }
ZoomFunctionEnum DXFUnimplemented::ZoomFunction() { NotImplemented("ZoomFunction"); }
void DXFUnimplemented::LetZoomFunction(ZoomFunctionEnum) { NotImplemented("ZoomFunction"); }
DispAttribsEnum DXFUnimplemented::DisplayAttributes() { NotImplemented("DisplayAttributes"); }
void DXFUnimplemented::LetDisplayAttributes(DispAttribsEnum) { NotImplemented("DisplayAttributes"); }
vb::Ref<DXFLayersInterface> DXFUnimplemented::Layers() { NotImplemented("Layers"); }
float DXFUnimplemented::RedlineTextHeight() { NotImplemented("RedlineTextHeight"); }
void DXFUnimplemented::LetRedlineTextHeight(float) { NotImplemented("RedlineTextHeight"); }
std::uint32_t DXFUnimplemented::BackColor() { NotImplemented("BackColor"); }
void DXFUnimplemented::LetBackColor(std::uint32_t) { NotImplemented("BackColor"); }
vb::Variant DXFUnimplemented::RedlineEntitySelected() { NotImplemented("RedlineEntitySelected"); }
void DXFUnimplemented::LetRedlineEntitySelected(vb::Variant) { NotImplemented("RedlineEntitySelected"); }
EntityTypesEnum DXFUnimplemented::RedlineEntityType() { NotImplemented("RedlineEntityType"); }
void DXFUnimplemented::LetRedlineEntityType(EntityTypesEnum) { NotImplemented("RedlineEntityType"); }
std::string DXFUnimplemented::RedlineCurrentLayer() { NotImplemented("RedlineCurrentLayer"); }
void DXFUnimplemented::LetRedlineCurrentLayer(std::string) { NotImplemented("RedlineCurrentLayer"); }
bool DXFUnimplemented::CalcExtents() { NotImplemented("CalcExtents"); }
void DXFUnimplemented::LetCalcExtents(bool) { NotImplemented("CalcExtents"); }
vb::Ref<com::Picture> DXFUnimplemented::Image() { NotImplemented("Image"); }
std::int32_t DXFUnimplemented::hDC() { NotImplemented("hDC"); }
std::int32_t DXFUnimplemented::hWnd() { NotImplemented("hWnd"); }
bool DXFUnimplemented::AutoRedraw() { NotImplemented("AutoRedraw"); }
void DXFUnimplemented::LetAutoRedraw(bool) { NotImplemented("AutoRedraw"); }
bool DXFUnimplemented::DXFDisplayed() { NotImplemented("DXFDisplayed"); }
void DXFUnimplemented::LetDXFDisplayed(bool) { NotImplemented("DXFDisplayed"); }
bool DXFUnimplemented::DisplayAllBlack() { NotImplemented("DisplayAllBlack"); }
void DXFUnimplemented::LetDisplayAllBlack(bool) { NotImplemented("DisplayAllBlack"); }
vb::Ref<com::Picture> DXFUnimplemented::MouseIcon() { NotImplemented("MouseIcon"); }
void DXFUnimplemented::SetMouseIcon(vb::Ref<com::Picture>) { NotImplemented("MouseIcon"); }
std::int16_t DXFUnimplemented::MousePointer() { NotImplemented("MousePointer"); }
void DXFUnimplemented::LetMousePointer(std::int16_t) { NotImplemented("MousePointer"); }
vb::Ref<com::Picture> DXFUnimplemented::Picture() { NotImplemented("Picture"); }
void DXFUnimplemented::SetPicture(vb::Ref<com::Picture>) { NotImplemented("Picture"); }
StatusBarPosEnum DXFUnimplemented::StatusBarLocation() { NotImplemented("StatusBarLocation"); }
void DXFUnimplemented::LetStatusBarLocation(StatusBarPosEnum) { NotImplemented("StatusBarLocation"); }
vb::Ref<com::Font> DXFUnimplemented::Font() { NotImplemented("Font"); }
void DXFUnimplemented::SetFont(vb::Ref<com::Font>) { NotImplemented("Font"); }
std::int32_t DXFUnimplemented::InsertCount() { NotImplemented("InsertCount"); }
void DXFUnimplemented::LetInsertCount(std::int32_t) { NotImplemented("InsertCount"); }
std::int32_t DXFUnimplemented::RedlineEntityID() { NotImplemented("RedlineEntityID"); }
void DXFUnimplemented::LetRedlineEntityID(std::int32_t) { NotImplemented("RedlineEntityID"); }
bool DXFUnimplemented::DXFComplete() { NotImplemented("DXFComplete"); }
void DXFUnimplemented::LetDXFComplete(bool) { NotImplemented("DXFComplete"); }
float DXFUnimplemented::CurrentX() { NotImplemented("CurrentX"); }
void DXFUnimplemented::LetCurrentX(float) { NotImplemented("CurrentX"); }
float DXFUnimplemented::CurrentY() { NotImplemented("CurrentY"); }
void DXFUnimplemented::LetCurrentY(float) { NotImplemented("CurrentY"); }
bool DXFUnimplemented::AutoSize() { NotImplemented("AutoSize"); }
void DXFUnimplemented::LetAutoSize(bool) { NotImplemented("AutoSize"); }
float DXFUnimplemented::ScaleHeight() { NotImplemented("ScaleHeight"); }
void DXFUnimplemented::LetScaleHeight(float) { NotImplemented("ScaleHeight"); }
float DXFUnimplemented::ScaleWidth() { NotImplemented("ScaleWidth"); }
void DXFUnimplemented::LetScaleWidth(float) { NotImplemented("ScaleWidth"); }
bool DXFUnimplemented::UseDXFFonts() { NotImplemented("UseDXFFonts"); }
void DXFUnimplemented::LetUseDXFFonts(bool) { NotImplemented("UseDXFFonts"); }

}  // namespace tiraq
