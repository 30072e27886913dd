// The tables of the air-cooled selection document: its inputs, their checks and its result rows.
#include "air_selection.h"

namespace quellmar::shell {

DocumentDescription AirSelectionDescription() {
    DocumentDescription d;
    d.formName = "frmAirSelection";
    d.type = CoolerType::Air;
    d.inputCaption = "Input Air-Cooled Selection Parameters";
    d.resultCaption = "Air Cooled Heat Exchanger Selection";
    d.resultHeading = "Air-Cooled Heat Exchanger Selection";
    d.boxes = {
        {"txtHeatLoad", "&Heat Load:", "0.0", {}},
        {"txtOilFlow", "&Oil Flow:", "0.0", {}},
        {"txtAirTemp", "&Ambient Air Temperature:", "0.0", {}},
        {"txtOilTemp", "&Desired Inlet Oil Temperature:", "0.0", {}},
    };
    d.options = DutyUnitOptions();
    d.options.insert(d.options.end(), {
        {"optMotor",
         "Application/Motor Type",
         {"Std/AC Power 3 Phase", "Std/AC Power 1 Phase", "Std/DC Power", "Std/Hydraulic Motor", "Special/AC Power"},
         0,
         0,
         1},
        {"optProduct", "Product Range", {"Quellmar only", "Ostravine only", "Either"}, 0, 2, 1},
    });
    d.rules.numeric = {{{"txtHeatLoad", "txtOilFlow", "txtAirTemp", "txtOilTemp"},
                        "Heat Load, Oil Flow and Temparatues must be numeric."}};
    d.rules.positive = {{"txtHeatLoad", "Heat load must be greater than zero."},
                        {"txtOilFlow", "Oil flow must be greater than zero."}};
    d.rules.colderBox = "txtAirTemp";
    d.rules.oilBox = "txtOilTemp";
    d.rules.orderMessage = "Ambient air temperature must be cooler than inlet oil temperature.";
    d.rules.limits = {
        {"txtAirTemp", true, 0, 32, "Minimum ambient air temperature is ", "Air temperature has been reset to "},
        {"txtOilTemp", false, 120, 248, "Maximium oil inlet temperature is ", "Oil temperature has been reset to "},
    };
    d.alternatives = {std::nullopt, true};
    d.parameters = Rows({{
                             {"Product Range", {"lblProductRange"}},
                             {"Application/Motor Type", {"lblMotorType"}},
                             {"Desired inlet oil temperature", {"lblDesiredInletC", "lblDesiredInletF"}},
                             {"Ambient air temperature", {"lblAirTempC", "lblAirTempF"}},
                             {"ETD", {"lblETDC", "lblETDF"}},
                             HeatLoadRow(),
                             HeatTransferRow(),
                             OilFlowRow(),
                         },
                         OilTypeRows()});
    d.details = Rows({ModelRows("Maximum Oil Flow"),
                      {
                          {"Heat Transfer Rating", {"lblHTRating"}},
                          {"Max. Ambient Temp.", {"lblMaxAmbient"}},
                          {"%HT Margin", {"lblHTMargin"}},
                          {"Pressure Drop", {"lblPressureDrop"}},
                          {"Inlet oil temperature", {"lblOilTempC", "lblOilTempF"}},
                      },
                      OilTemperatureRows(),
                      {OilFlowWarningRow()}});
    return d;
}

}  // namespace quellmar::shell
