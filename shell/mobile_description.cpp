// The tables of the mobile selection document: its inputs and result rows; its checks are the
// air-cooled document's, with the face velocity checked as a number too.
#include "mobile_selection.h"

#include "air_selection.h"

namespace quellmar::shell {

DocumentDescription MobileSelectionDescription() {
    DocumentDescription d = AirSelectionDescription();
    d.formName = "frmMobileSelection";
    d.type = CoolerType::Mobile;
    d.sortRefusalFamily = "mobile";
    d.inputCaption = "Input Mobile-Cooled Selection Parameters";
    d.resultCaption = "Mobile Heat Exchanger Selection";
    d.resultHeading = "Mobile Heat Exchanger Selection";
    d.boxes = {
        {"txtHeatLoad", "&Heat Load to be Dissipated", "0.0", {}},
        {"txtOilFlow", "&Oil Flow", "0.0", {}},
        {"txtAirTemp", "&Ambient Air Temperature", "0.0", {}},
        {"txtOilTemp", "&Desired Inlet Oil Temperature", "0.0", {}},
        {"txtAirFaceV", "Air Face Velocity", "5.55", "Meters per Second"},
    };
    // No motor type and no product range.
    d.options = DutyUnitOptions();
    // The face velocity is checked like the duty, so that no text that is not a number reaches the
    // rating object.
    d.rules.numeric.push_back({{"txtAirFaceV"}, "Air face velocity must be numeric."});
    d.parameters = Rows({{
                             HeatLoadRow(),
                             OilFlowRow(),
                             {"Ambient air temp.", {"lblAirTempC", "lblAirTempF"}},
                             {"Desired inlet oil temp.", {"lblDesiredInletC", "lblDesiredInletF"}},
                             {"ETD", {"lblETDC", "lblETDF"}},
                             HeatTransferRow(),
                         },
                         OilTypeRows(),
                         {{"Air Face Velocity", {"lblAirFaceV"}}}});
    d.details = Rows({ModelRows("Max. Oil Flow"),
                      {
                          {"Heat Transfer Rating", {"lblHTRating"}},
                          {"Pressure Drop", {"lblPressureDrop"}},
                          {"Max. Ambient Temp.", {"lblMaxAmbient"}},
                          {"%HT Margin", {"lblHTMargin"}},
                          {"Inlet oil temperature", {"lblOilTempC", "lblOilTempF"}},
                      },
                      OilTemperatureRows(),
                      {OilFlowWarningRow()}});
    return d;
}

}  // namespace quellmar::shell

