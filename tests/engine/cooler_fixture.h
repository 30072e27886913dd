#pragma once

#include "test_database.h"

#include <string>
#include <utility>
#include <vector>

namespace quellmar::test {

using Points = std::vector<std::pair<double, double>>;

// One model row with its curves, for fixtures with hand-computable numbers.
struct ModelRows {
    int id = 0;
    std::string name;
    int type = 1;   // CoolerTypes: 1 air, 2 water, 3 mobile
    int motor = 1;  // MotorTypes: 1 StdAC ... 5 SpecAC
    int range = 1;  // ProductRange: 1 Quellmar, 2 Ostravine
    int series = 0; // Series: 1 PSeries ... 4 OtherSeries
    double maxOilFlow = 0;
    Points capacity;
    Points pressureDrop;
    double cost = 1, noise = 70;
};

// Hands a duty in metric units to a rating object as a document does: the unit codes first. The
// air or water temperature is the caller's, as its setter differs by family.
template <class Rating>
void SetMetricDuty(Rating& rating, double heatKw, double oilFlowL, double inletC, int grade) {
    rating.SetHeatUnits(0);
    rating.SetOilFlowUnits(0);
    rating.SetTempUnits(0);
    rating.SetHeatLoad(heatKw);
    rating.SetInletTemp(inletC);
    rating.SetOilFlow(oilFlowL);
    rating.SetViscosity(grade);
}

// A fresh database without models, to which a test adds its own rows.
class CoolerFixture : public TestDatabase {
public:
    void Add(const ModelRows& model) const;
    // Every column of the grade's VisTemp row holds `cst`: derates become exact.
    void FlatViscosity(int grade, double cst) const;
    // Replaces the rows of a table shared by a family (AirPDCorrections, HTCorrectionMobile).
    void FamilyTable(const std::string& table, const Points& points) const;
    // A water-cooled model's correction tables: breakpoints and one factor row per water flow or
    // viscosity, in ascending order.
    using Rows = std::vector<std::vector<double>>;
    void HeatTransferTable(int id, const std::vector<double>& waterFlows, const std::vector<double>& oilFlows,
                           const Rows& factors) const;
    void PressureDropTable(int id, const std::vector<double>& viscosities, const std::vector<double>& oilFlows,
                           const Rows& factors) const;
    // Makes the code lists again as a database of another origin may hold them: columns that compare
    // case by case, and every name in capitals.
    void CaseSensitiveCodeLists() const;
};

}  // namespace quellmar::test
