#pragma once

#include "cooler_fixture.h"
#include "engine/air_cooled.h"

#include <memory>

namespace quellmar::test {

// Air-cooled models with hand-computable ratings. Grade 5 is flat at 100 cSt, so every capacity is
// derated by the same factor kDerated; the pressure-drop factor there is exactly 1.
//
//   id name     motor range     MaxOilFlow capacity (l/min, kW/C)        pressure drop (l/min, bar)  cost noise
//   1  AOC 10   StdAC Quellmar  120        (20 .5) (60 1) (100 1.2)        (30 .1) (100 .5)            3    74
//   2  AOC 20   StdAC Quellmar  200        (20 1) (100 2) (150 2.5)        (20 .2) (150 1)             2    72
//   3  AOC 20T  StdAC Quellmar  200        as AOC 20                       as AOC 20                   2    68
//   4  AOC 15S  StdAC Quellmar  80         (20 .8) (100 1.6)               (20 .1) (100 .4)            2    80
//   5  OV 30    StdAC Ostravine 300        (20 2) (200 3)                  (20 .3) (200 1.2)           5    70
//   6  DC 5     StdDC Quellmar  100        (10 .2) (100 .6)                (10 .05) (100 .3)           1    65
//
// Duties run at 20 C air and 52 C oil inlet: an ETD of 32, so a heat load of 32 x P asks for P exactly.
class AirFixture : public CoolerFixture {
public:
    static constexpr double kDerated = 1 - 100 * 0.00065;
    static constexpr double kAir = 20, kInlet = 52, kEtd = 32;

    AirFixture();
    // A searched AirCooled for heat load q (kW) and oil flow f (l/min).
    std::unique_ptr<engine::AirCooled> Search(double q, double f, int range = 0, int motor = 0, int grade = 5) const;
};

}  // namespace quellmar::test
