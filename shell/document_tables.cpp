// The parts of the documents' tables that every cooler family shares.
#include "document_description.h"

namespace quellmar::shell {

std::vector<OptionSpec> DutyUnitOptions() {
    return {
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
    };
}

ResultRow HeatLoadRow() {
    return {"Heat load", {"lblHeatkW", "lblHeatKjH", "lblHeatKcalH", "lblHeatBtuMin", "lblHeatHP", "lblHeatBtuHr"}};
}

ResultRow HeatTransferRow() { return {"Heat transfer", {"lblHeatTransferKwC", "lblHeatTransferBtuF"}}; }

ResultRow OilFlowRow() { return {"Oil flow", {"lblOilFlowL", "lblOilFlowIG", "lblOilFlowUSG", "lblOilFlowCI"}}; }

std::vector<ResultRow> OilTypeRows() { return {{"Oil type", {"lblViscosity"}}, {"Viscosity estimate ", {"lblCst", "lblSUS"}}}; }

std::vector<ResultRow> ModelRows(const QString& maxOilFlowCaption) {
    return {
        {"Model", {"lblModel"}},
        {"Part Number", {"lblPartNo"}},
        {"Sales Leaflet", {"lblLeaflet"}},
        {"Weight", {"lblWeight"}},
        {"Description:", {"lblDescription"}},
        {maxOilFlowCaption, {"lblMaxOilFlow"}},
    };
}

std::vector<ResultRow> OilTemperatureRows() {
    return {
        {"Exit oil temperature", {"lblExitOilTemp", "lblExitOilTempF"}},
        {"Average oil temp.", {"lblAvgOilTemp", "lblAvgOilTempF"}},
        {"Viscosity @ av temp.", {"lblAvgViscosity", "lblAvgViscositySUS"}},
    };
}

ResultRow OilFlowWarningRow() { return {"", {"lblSpecial"}, true}; }

std::vector<const char*> BoxesOfRules(const ValidationRules& rules) {
    std::vector<const char*> boxes;
    for (const NumericCheck& check : rules.numeric) boxes.insert(boxes.end(), check.boxes.begin(), check.boxes.end());
    for (const PositiveCheck& check : rules.positive) boxes.push_back(check.box);
    boxes.push_back(rules.colderBox);
    boxes.push_back(rules.oilBox);
    for (const TemperatureLimit& limit : rules.limits) boxes.push_back(limit.box);
    return boxes;
}

std::vector<ResultRow> Rows(std::initializer_list<std::vector<ResultRow>> groups) {
    std::vector<ResultRow> rows;
    for (const std::vector<ResultRow>& group : groups) rows.insert(rows.end(), group.begin(), group.end());
    return rows;
}

}  // namespace quellmar::shell
