#include "engine/air_cooled.h"

#include "engine/sorted_coolers.h"
#include "engine/units.h"
#include "engine/values.h"

namespace quellmar::engine {
AirCooled::AirCooled() : AirCooled(DataAccess::DefaultDatabase()) {}
AirCooled::AirCooled(const std::filesystem::path& database) : AirRating(database, "air", 1.0) {}

void AirCooled::SetMotorType(std::int32_t index) {
    if (const auto text = units::MotorTypeText(index)) motorType_ = *text;
}

QueryResult AirCooled::SelectModels() {
    // Models in CoolerID order, which decides between models of equal performance.
    if (productRange_ == 2)
        return data_.Execute(
            "SELECT CoolerID, MaxOilFlow FROM MotorTypes INNER JOIN (CoolerTypes INNER JOIN Coolers ON CoolerTypes.Code = "
            "Coolers.CoolerType) ON MotorTypes.Code = Coolers.MotorType WHERE CoolerTypes.CoolerType = 'air' COLLATE NOCASE "
            "AND MotorTypes.MotorType = ?1 COLLATE NOCASE ORDER BY CoolerID",
            {motorType_});
    return data_.Execute(
        "SELECT CoolerID, MaxOilFlow FROM ProductRange INNER JOIN (MotorTypes INNER JOIN (CoolerTypes INNER JOIN Coolers "
        "ON CoolerTypes.Code = Coolers.CoolerType) ON MotorTypes.Code = Coolers.MotorType) ON ProductRange.Code = "
        "Coolers.ProductRange WHERE CoolerTypes.CoolerType='air' COLLATE NOCASE AND MotorTypes.MotorType = ?1 COLLATE NOCASE "
        "AND ProductRange.ProductRange = ?2 COLLATE NOCASE ORDER BY CoolerID",
        {motorType_, productRange_ == 0 ? "quellmar" : "ostravine"});
}

double AirCooled::CapacityFactor(double /*inletTemp*/, double viscosity) const { return 1 - viscosity * kDeratePerCst; }

void AirCooled::LoadCoolerDetails() {
    // At the viscosity of the cooler's own heat rejection at the desired inlet temperature; 0 where the
    // model's data give none, which its recalculation refuses.
    const std::optional<double> pressureDrop = PressureDropAt(selected_.ID(), Viscosity(AverageOilTemp()));
    AirRating::LoadCoolerDetails();
    pressureDrop_ = pressureDrop.value_or(0);
}

void AirCooled::ClearSelection() {
    AirRating::ClearSelection();
    pressureDropSort_.reset();
}

template <class Key>
FieldRowArray<vb::Variant> AirCooled::SortAdequate(Key key) {
    SortedCoolers sorted;
    for (const PerformanceID& entry : suitable_)
        if (SuitableList::IsAdequate(entry, requiredPerformance_))
            if (const std::optional<double> k = key(entry)) sorted.Insert(*k, NameOf(entry.ID()), entry.ID(), entry.Performance());
    return sorted.ToArray();
}

FieldRowArray<vb::Variant> AirCooled::SortByPressureDrop() {
    // Each model's pressure drop as its selection would load it, without disturbing the selection; a
    // model whose data give none has no place in the list.
    if (!pressureDropSort_)
        pressureDropSort_ = SortAdequate(
            [&](const PerformanceID& e) { return PressureDropAt(e.ID(), Viscosity(AverageOilTempFor(e.Performance()))); });
    return *pressureDropSort_;
}

double AirCooled::StoredNumber(const char* column, std::int32_t id) {
    const auto rows = data_.Execute("SELECT " + std::string(column) + " FROM Coolers WHERE CoolerID = ?1", {id});
    if (rows.Rows() == 0) return RequiredNumber(vb::Variant::Null(), std::string(column) + " of cooler " + std::to_string(id));
    return RequiredNumber(rows.At(0, 0), std::string(column) + " of " + NameOf(id));
}

FieldRowArray<vb::Variant> AirCooled::SortByPrice() {
    return SortAdequate([&](const PerformanceID& e) { return std::optional(StoredNumber("CostRanking", e.ID())); });
}

FieldRowArray<vb::Variant> AirCooled::SortByNoise() {
    return SortAdequate([&](const PerformanceID& e) { return std::optional(StoredNumber("NoiseLevel", e.ID())); });
}

}  // namespace quellmar::engine
