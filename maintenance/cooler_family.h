#pragma once

#include <QString>

#include <vector>

namespace quellmar::maintenance {

// The families of cooler models, by their code in Coolers.CoolerType.
enum class Family { Air = 1, Water = 2, Mobile = 3 };

// The family's name in the CoolerTypes table: "Air", "Water", "Mobile".
QString CoolerTypeName(Family family);

// The one of three that belongs to the family; a code outside the three counts as water-cooled.
template <class T>
const T& OfFamily(Family family, const T& air, const T& water, const T& mobile) {
    switch (family) {
        case Family::Air: return air;
        case Family::Mobile: return mobile;
        case Family::Water: break;
    }
    return water;
}

// A new window of the family's class.
template <class Base, class Air, class Water, class Mobile>
Base* NewOfFamily(Family family) {
    using Make = Base* (*)();
    const Make air = []() -> Base* { return new Air; };
    const Make water = []() -> Base* { return new Water; };
    const Make mobile = []() -> Base* { return new Mobile; };
    return OfFamily(family, air, water, mobile)();
}

// A table with rows of one model: the model's key column CoolerID and the value columns that
// belong to the model (a copy carries them over unchanged).
struct PerModelTable {
    QString table;
    QString valueColumns;
};

// The tables that hold rows of a model of the family: both curves, and for water-cooled models
// the six correction tables.
const std::vector<PerModelTable>& PerModelTables(Family family);

}  // namespace quellmar::maintenance
