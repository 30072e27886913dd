#pragma once

#include "rating_object.h"

#include <memory>

namespace quellmar::shell {

// The air-cooled document's rating object over the engine's AirCooled and the cooler database in
// the program folder.
std::unique_ptr<AirCoolerRating> MakeEngineAirRating();

}  // namespace quellmar::shell
