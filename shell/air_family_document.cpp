#include "air_family_document.h"

namespace quellmar::shell {

void AirFamilyDocument::DisplayAirSelectionParameters() {
    AirFamilyRating& r = RatingAs<AirFamilyRating>();
    DisplayTemperatures("lblDesiredInletC", "lblDesiredInletF", "lblAirTempC", "lblAirTempF", r.AirTempC(),
                        r.AirTempF());
    DisplayHeatLoadUnits();
    DisplayHeatTransfer();
    DisplayOilFlowUnits();
    DisplayViscosityEstimate();
}

void AirFamilyDocument::DisplayCoolerDetails() {
    AirFamilyRating& r = RatingAs<AirFamilyRating>();
    DisplayModelParticulars();
    DisplayHeatTransferRating();
    SetLabel("lblMaxAmbient", Degrees(r.MaxAmbientTemp(), "##0.0", 'C'));
    DisplayMarginAndInlet("lblOilTempC", "lblOilTempF", "###0.0");
    SetLabel("lblPressureDrop", PressureDropText(r.PressureDrop(), r.CorrectedVoC()));
    DisplayExitAndAverage(r.CorrectedAvgOilTemp(), r.CorrectedVoC());
    DisplayOilFlowWarning();
}

}  // namespace quellmar::shell
