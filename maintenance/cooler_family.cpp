#include "cooler_family.h"

namespace quellmar::maintenance {

QString CoolerTypeName(Family family) {
    switch (family) {
        case Family::Air: return "Air";
        case Family::Water: return "Water";
        case Family::Mobile: return "Mobile";
    }
    return {};
}

const std::vector<PerModelTable>& PerModelTables(Family family) {
    static const std::vector<PerModelTable> curves = {
        {"CoolingCapacity", "CoolingCapacityOilFlow, CoolingCapacity"},
        {"PressureDrop", "PressureDropOilFlow, PressureDrop"},
    };
    static const std::vector<PerModelTable> water = [] {
        std::vector<PerModelTable> tables = curves;
        tables.insert(tables.end(), {
                                        {"HTCorrection", "RowNum, c1, c2, c3, c4, c5, c6, c7, c8"},
                                        {"HTCorrectionOilFlow", "HTCorrectionOilFlow"},
                                        {"HTCorrectionWaterFlow", "HTCorrectionWaterFlow"},
                                        {"PDCorrection", "c1, c2, c3, c4, c5, c6, c7, c8"},
                                        {"PDCorrectionOilFlow", "PDCorrectionOilFlow"},
                                        {"PDCorrectionViscosity", "PDCorrectionViscosity"},
                                    });
        return tables;
    }();
    return family == Family::Water ? water : curves;
}

}  // namespace quellmar::maintenance
