#include "mobile_selection.h"

namespace quellmar::shell {

frmMobileSelection::frmMobileSelection(QWidget* parent) : AirFamilyDocument(MobileSelectionDescription(), parent) {
    FormLoad();
}

frmMobileSelection::~frmMobileSelection() = default;

std::unique_ptr<RatingObject> frmMobileSelection::MakeRatingObject() const {
    return NewRatingFrom(MobileRatingMaker());
}

void frmMobileSelection::HandDutyToRating() {
    MobileCoolerRating& r = Mobile();
    r.HeatUnits(OptionIndex("optHeatUnits"));
    r.OilFlowUnits(OptionIndex("optFlowRate"));
    r.TempUnits(OptionIndex("optTempUnits"));
    r.AirTemp(BoxDouble("txtAirTemp"));
    r.HeatLoad(BoxDouble("txtHeatLoad"));
    r.InletTemp(BoxDouble("txtOilTemp"));
    r.OilFlow(BoxDouble("txtOilFlow"));
    r.AirFaceVelocity(BoxDouble("txtAirFaceV"));
    r.Viscosity(OptionIndex("optViscosity"));
}

void frmMobileSelection::DisplaySelectionParameters() {
    DisplayAirSelectionParameters();
    SetLabel("lblAirFaceV", AirFaceVelocityText(Mobile().AirFaceVelocity()));
}

}  // namespace quellmar::shell
