#include "engine/mobile.h"

#include "engine/diagnosis.h"
#include "engine/engine_error.h"
#include "engine/interpolation.h"
#include "engine/values.h"

namespace quellmar::engine {
namespace {

constexpr double kCurveUnitsPerKw = 30.0;

}  // namespace

Mobile::Mobile() : Mobile(DataAccess::DefaultDatabase()) {}
Mobile::Mobile(const std::filesystem::path& database) : AirRating(database, "mobile", kCurveUnitsPerKw) {}

QueryResult Mobile::SelectModels() {
    return data_.Execute(
        "SELECT CoolerID, MaxOilFlow FROM Coolers INNER JOIN CoolerTypes ON CoolerTypes.Code = Coolers.CoolerType "
        "WHERE CoolerTypes.CoolerType='mobile' COLLATE NOCASE ORDER BY CoolerID");
}

void Mobile::PrepareSearch() { faceVelocityFactor_ = airFaceVelocity_ > 0 ? FaceVelocityCorrection() : 0; }

std::string Mobile::OutsideProgramRange() {
    if (std::string range = AirRating::OutsideProgramRange(); !range.empty()) return range;
    return suitable_.IsEmpty() && !(airFaceVelocity_ > 0) ? diagnosis::FaceVelocityBelowRange() : "";
}

double Mobile::FaceVelocityCorrection() {
    const Curve table = ReadCurve(data_.Execute("SELECT AFVMperSec, HTCorrectionFactor FROM HTCorrectionMobile ORDER BY AFVMperSec"),
                                  "the face-velocity table HTCorrectionMobile");
    if (table.x.empty()) throw DataError("The face-velocity table HTCorrectionMobile is empty.");
    // Below the first velocity the factor falls in proportion to the velocity, down to 0 at rest.
    if (airFaceVelocity_ < table.x[0])
        return Divide(table.y[0] * airFaceVelocity_, table.x[0],
                      {"the face-velocity factor", "the first velocity of HTCorrectionMobile is 0"});
    const auto factor = Interpolate(table, airFaceVelocity_, Below::Hold, Above::Hold);
    if (!factor) throw RatingError("The duty cannot be rated: the air face velocity is no number.");
    return *factor;
}

double Mobile::CapacityFactor(double /*inletTemp*/, double viscosity) const {
    return ((1 - viscosity * kDeratePerCst) * faceVelocityFactor_) * (1.0 / kCurveUnitsPerKw);
}

}  // namespace quellmar::engine
