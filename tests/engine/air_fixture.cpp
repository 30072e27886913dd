#include "air_fixture.h"

namespace quellmar::test {

AirFixture::AirFixture() {
    FlatViscosity(5, 100);
    FamilyTable("AirPDCorrections", {{50, 0.5}, {150, 1.5}});
    Add({1, "AOC 10", 1, 1, 1, 0, 120, {{20, .5}, {60, 1}, {100, 1.2}}, {{30, .1}, {100, .5}}, 3, 74});
    Add({2, "AOC 20", 1, 1, 1, 0, 200, {{20, 1}, {100, 2}, {150, 2.5}}, {{20, .2}, {150, 1}}, 2, 72});
    Add({3, "AOC 20T", 1, 1, 1, 0, 200, {{20, 1}, {100, 2}, {150, 2.5}}, {{20, .2}, {150, 1}}, 2, 68});
    Add({4, "AOC 15S", 1, 1, 1, 0, 80, {{20, .8}, {100, 1.6}}, {{20, .1}, {100, .4}}, 2, 80});
    Add({5, "OV 30", 1, 1, 2, 0, 300, {{20, 2}, {200, 3}}, {{20, .3}, {200, 1.2}}, 5, 70});
    Add({6, "DC 5", 1, 3, 1, 0, 100, {{10, .2}, {100, .6}}, {{10, .05}, {100, .3}}, 1, 65});
}

std::unique_ptr<engine::AirCooled> AirFixture::Search(double q, double f, int range, int motor, int grade) const {
    auto air = std::make_unique<engine::AirCooled>(Path());
    air->SetProductRange(range);
    air->SetMotorType(motor);
    air->SetAirTemp(kAir);
    SetMetricDuty(*air, q, f, kInlet, grade);
    air->FindCooler();
    return air;
}

}  // namespace quellmar::test
