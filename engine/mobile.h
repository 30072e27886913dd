#pragma once

#include "engine/air_rating.h"

namespace quellmar::engine {

// Rating and selection of mobile coolers: air-cooled coolers whose capacity also depends on the air
// face velocity. The capacity curves of mobile models are stored at 30 units per kW/degree C.
//
// Convention: a property that is set ("let") is SetName(value); a property that is read is Name().
// A document sets the unit codes first, then the values, calls FindCooler, OutOfRange (showing
// ErrorMessage when it is true), else Recalculate and the getters. PressureDrop is set by
// Recalculate only.
class Mobile : public AirRating {
public:
    Mobile();
    explicit Mobile(const std::filesystem::path& database);

    // Metres per second, stored as set.
    void SetAirFaceVelocity(double value) { airFaceVelocity_ = value; }
    double AirFaceVelocity() const { return airFaceVelocity_; }

protected:
    QueryResult SelectModels() override;
    // Without air through the cooler (a face velocity of 0 or below) no model is listed.
    void PrepareSearch() override;
    double CapacityFactor(double inletTemp, double viscosity) const override;
    std::string OutsideProgramRange() override;

private:
    double FaceVelocityCorrection();

    double airFaceVelocity_ = 0;
    double faceVelocityFactor_ = 0;
};

}  // namespace quellmar::engine
