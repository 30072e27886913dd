#include "program_services.h"

#include "engine_air_rating.h"
#include "rating_object.h"

namespace quellmar::shell {

void RegisterProgramServices() { AirRatingMaker() = MakeEngineAirRating; }

}  // namespace quellmar::shell
