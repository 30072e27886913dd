#pragma once

#include "engine/air_rating.h"
#include "vb/variant.h"

#include <optional>

namespace quellmar::engine {

// Rating and selection of air-cooled coolers.
//
// Convention: a property that is set ("let") is SetName(value); a property that is read is Name().
// A document sets, in this order: SetProductRange, SetHeatUnits, SetOilFlowUnits, SetTempUnits,
// SetMotorType, SetAirTemp, SetHeatLoad, SetInletTemp, SetOilFlow, SetViscosity; then calls
// FindCooler, OutOfRange (showing ErrorMessage when it is true), else Recalculate and the getters.
// Errors are vb::RuntimeError subclasses (engine_error.h), never a crash.
class AirCooled : public AirRating {
public:
    // Opens quellmar.mdb in the program folder, or the given database.
    AirCooled();
    explicit AirCooled(const std::filesystem::path& database);

    // 0 the first range ("quellmar") only, 2 either range, any other value the second ("ostravine").
    void SetProductRange(std::int32_t index) { productRange_ = index; }
    // 0 "StdAC", 1 "StdAC1ph", 2 "StdDC", 3 "StdHy", 4 "SpecAC"; another index keeps the motor type.
    void SetMotorType(std::int32_t index);

    // The adequate coolers by pressure drop, cost ranking and noise level: field 0 the key, 1 the
    // name, 2 the CoolerID, 3 the performance; entry 0 empty, entries 1 to m in ascending key, equal
    // keys in ascending performance. The pressure-drop list is built once per search; the selection
    // and everything loaded for it stay as they were.
    FieldRowArray<vb::Variant> SortByPressureDrop();
    FieldRowArray<vb::Variant> SortByPrice();
    FieldRowArray<vb::Variant> SortByNoise();

protected:
    QueryResult SelectModels() override;
    double CapacityFactor(double inletTemp, double viscosity) const override;
    void LoadCoolerDetails() override;
    void ClearSelection() override;

private:
    // `key` gives an entry's key, or nothing for an entry the list leaves out.
    template <class Key>
    FieldRowArray<vb::Variant> SortAdequate(Key key);
    double StoredNumber(const char* column, std::int32_t id);

    std::int32_t productRange_ = 0;
    std::string motorType_;
    std::optional<FieldRowArray<vb::Variant>> pressureDropSort_;
};

}  // namespace quellmar::engine
