#include "rating_object.h"

namespace quellmar::shell {

AirRatingFactory& AirRatingMaker() {
    static AirRatingFactory factory;
    return factory;
}

RatingFactory<MobileCoolerRating>& MobileRatingMaker() {
    static RatingFactory<MobileCoolerRating> factory;
    return factory;
}

RatingFactory<WaterCoolerRating>& WaterRatingMaker() {
    static RatingFactory<WaterCoolerRating> factory;
    return factory;
}

}  // namespace quellmar::shell
