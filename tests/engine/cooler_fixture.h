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

// A fresh database without models, to which a test adds its own rows.
class CoolerFixture : public TestDatabase {
public:
    void Add(const ModelRows& model) const;
    // Every column of the grade's VisTemp row holds `cst`: derates become exact.
    void FlatViscosity(int grade, double cst) const;
    void AirPDCorrections(const Points& points) const;
};

}  // namespace quellmar::test
