#pragma once

#include "rating_object.h"

#include <memory>

namespace quellmar::shell {

// The documents' rating objects over the engine's rating classes and the cooler database in the
// program folder.
std::unique_ptr<AirCoolerRating> MakeEngineAirRating();
std::unique_ptr<MobileCoolerRating> MakeEngineMobileRating();
std::unique_ptr<WaterCoolerRating> MakeEngineWaterRating();

}  // namespace quellmar::shell
