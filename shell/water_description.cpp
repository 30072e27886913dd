// The tables of the water-cooled selection document: its inputs, their checks and its result rows.
#include "water_selection.h"

namespace quellmar::shell {

DocumentDescription WaterSelectionDescription() {
    DocumentDescription d;
    d.formName = "frmWaterSelection";
    d.type = CoolerType::Water;
    d.sortRefusalFamily = "water-cooled";
    d.inputCaption = "Input Water-Cooled Selection Parameters";
    d.resultCaption = "Water Cooled Heat Exchanger Selection";
    d.resultHeading = "Water-Cooled Heat Exchanger Selection";
    d.boxes = {
        {"txtHeatLoad", "&Heat Load to be Dissipated", "0.0", {}},
        {"txtOilFlow", "&Oil Flow", "0.0", {}},
        {"txtWaterFlow", "&Available Water Flow", "0.0", {}},
        {"txtWaterTemp", "&Inlet &Water Temperatue", "0.0", {}},
        {"txtOilTemp", "&Desired Inlet Oil Temperature", "0.0", {}},
    };
    // The series group has no button 0.
    d.options = DutyUnitOptions();
    d.options.push_back({"optSeries", "Application Series", {"WP Series", "WPM Series", "Other Series"}, 1, 1, 1});
    d.rules.numeric = {{{"txtHeatLoad", "txtOilFlow", "txtWaterFlow", "txtWaterTemp", "txtOilTemp"},
                        "Heat Load, Oil Flow and Temparatues must be numeric."}};
    d.rules.positive = {{"txtHeatLoad", "Heat load must be greater than zero."},
                        {"txtOilFlow", "Oil flow must be greater than zero."},
                        {"txtWaterFlow", "Water flow must be greater than zero."}};
    d.rules.colderBox = "txtWaterTemp";
    d.rules.oilBox = "txtOilTemp";
    d.rules.orderMessage = "Inlet water temperature must be cooler than inlet oil temperature.";
    d.rules.limits = {
        {"txtWaterTemp", true, 1, 33, "Minimum water temperature is ", "Water temperature has been reset to "},
        {"txtOilTemp", false, 120, 248, "Maximium oil inlet temperature is ", "Oil temperature has been reset to "},
    };
    d.alternatives = {"Selection unavailable.", false};
    d.parameters = Rows({{
                             {"Application Series", {"lblProductRange"}},
                             {"Desired inlet oil temp.", {"lblOilTempC", "lblOilTempF"}},
                             {"Inlet water temp.", {"lblWaterTempC", "lblWaterTempF"}},
                             {"ETD", {"lblETDC", "lblETDF"}},
                             HeatLoadRow(),
                             HeatTransferRow(),
                             OilFlowRow(),
                             {"Available water flow",
                              {"lblWaterFlowL", "lblWaterFlowIG", "lblWaterFlowUSG", "lblWaterFlowCI"}},
                         },
                         OilTypeRows()});
    d.details = Rows({ModelRows("Max. Oil Flow"),
                      {
                          {"Max. Oil Side Pressure", {"lblMaxOilSidePressure"}},
                          {"Max. Water Flow", {"lblMaxWaterFlow"}},
                          {"Max. Water Side Prerssure", {"lblMaxWaterSidePressure"}},
                          {"Heat Transfer Rating", {"lblHTRating"}},
                          {"Pressure Drop", {"lblPressureDrop"}},
                          {"Available ETD.", {"lblAvailableETD"}},
                          {"%HT Margin", {"lblHTMargin"}},
                          {"Inlet oil temperature", {"lblInletOilTempC", "lblInletOilTempF"}},
                      },
                      OilTemperatureRows(),
                      {
                          {"Exit water temp.", {"lblExitWaterTemp", "lblExitWaterTempF"}},
                          {"", {"lblViscosityHigh"}, true},
                          OilFlowWarningRow(),
                      }});
    return d;
}

}  // namespace quellmar::shell
