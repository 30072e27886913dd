// The tables of the air-cooled selection document: its inputs, their checks and its result rows.
#include "air_selection.h"

namespace quellmar::shell {

DocumentDescription AirSelectionDescription() {
    DocumentDescription d;
    d.formName = "frmAirSelection";
    d.inputCaption = "Input Air-Cooled Selection Parameters";
    d.resultCaption = "Air Cooled Heat Exchanger Selection";
    d.resultHeading = "Air-Cooled Heat Exchanger Selection";
    d.boxes = {
        {"txtHeatLoad", "&Heat Load:", "0.0", {}},
        {"txtOilFlow", "&Oil Flow:", "0.0", {}},
        {"txtAirTemp", "&Ambient Air Temperature:", "0.0", {}},
        {"txtOilTemp", "&Desired Inlet Oil Temperature:", "0.0", {}},
    };
    d.options = {
        {"optHeatUnits", "Heat Load Units", {"kW", "kJ/h", "kCal/h", "Btu/min", "HP", "Btu/hr"}, 0, 0, 2},
        {"optFlowRate", "Flow Rate Units", {"l/min", "Imp GPM", "US GPM", "Cu Ins/min"}, 0, 0, 2},
        {"optTempUnits", "Temperature Units", {"Centigrade", "Fahrenheit"}, 0, 0, 2},
        {"optViscosity",
         "ISO Oil Viscosity Grade",
         {"7", "10", "15", "22 (SAE5W10)", "32", "46 (SAE15W20)", "68 (SAE15W20)", "100 (SAE25W30)", "150 (SAE40)",
          "220 (SAE50)", "320", "460"},
         0,
         5,
         2},
        {"optMotor",
         "Application/Motor Type",
         {"Std/AC Power 3 Phase", "Std/AC Power 1 Phase", "Std/DC Power", "Std/Hydraulic Motor", "Special/AC Power"},
         0,
         0,
         1},
        {"optProduct", "Product Range", {"Quellmar only", "Ostravine only", "Either"}, 0, 2, 1},
    };
    d.rules.numericBoxes = {"txtHeatLoad", "txtOilFlow", "txtAirTemp", "txtOilTemp"};
    d.rules.numericMessage = "Heat Load, Oil Flow and Temparatues must be numeric.";
    d.rules.positive = {{"txtHeatLoad", "Heat load must be greater than zero."},
                        {"txtOilFlow", "Oil flow must be greater than zero."}};
    d.rules.colderBox = "txtAirTemp";
    d.rules.oilBox = "txtOilTemp";
    d.rules.orderMessage = "Ambient air temperature must be cooler than inlet oil temperature.";
    d.rules.limits = {
        {"txtAirTemp", true, 0, 32, "Minimum ambient air temperature is ", "Air temperature has been reset to "},
        {"txtOilTemp", false, 120, 248, "Maximium oil inlet temperature is ", "Oil temperature has been reset to "},
    };
    d.parameters = {
        {"Product Range", {"lblProductRange"}},
        {"Application/Motor Type", {"lblMotorType"}},
        {"Desired inlet oil temperature", {"lblDesiredInletC", "lblDesiredInletF"}},
        {"Ambient air temperature", {"lblAirTempC", "lblAirTempF"}},
        {"ETD", {"lblETDC", "lblETDF"}},
        {"Heat load", {"lblHeatkW", "lblHeatKjH", "lblHeatKcalH", "lblHeatBtuMin", "lblHeatHP", "lblHeatBtuHr"}},
        {"Heat transfer", {"lblHeatTransferKwC", "lblHeatTransferBtuF"}},
        {"Oil flow", {"lblOilFlowL", "lblOilFlowIG", "lblOilFlowUSG", "lblOilFlowCI"}},
        {"Oil type", {"lblViscosity"}},
        {"Viscosity estimate ", {"lblCst", "lblSUS"}},
    };
    d.details = {
        {"Model", {"lblModel"}},
        {"Part Number", {"lblPartNo"}},
        {"Sales Leaflet", {"lblLeaflet"}},
        {"Weight", {"lblWeight"}},
        {"Description:", {"lblDescription"}},
        {"Maximum Oil Flow", {"lblMaxOilFlow"}},
        {"Heat Transfer Rating", {"lblHTRating"}},
        {"Max. Ambient Temp.", {"lblMaxAmbient"}},
        {"%HT Margin", {"lblHTMargin"}},
        {"Pressure Drop", {"lblPressureDrop"}},
        {"Inlet oil temperature", {"lblOilTempC", "lblOilTempF"}},
        {"Exit oil temperature", {"lblExitOilTemp", "lblExitOilTempF"}},
        {"Average oil temp.", {"lblAvgOilTemp", "lblAvgOilTempF"}},
        {"Viscosity @ av temp.", {"lblAvgViscosity", "lblAvgViscositySUS"}},
        {"", {"lblSpecial"}},
    };
    return d;
}

}  // namespace quellmar::shell
