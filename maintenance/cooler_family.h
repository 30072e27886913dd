#pragma once

#include <QString>

#include <vector>

namespace quellmar::maintenance {

// The families of cooler models, by their code in Coolers.CoolerType.
enum class Family { Air = 1, Water = 2, Mobile = 3 };

// The family's name in the CoolerTypes table: "Air", "Water", "Mobile".
QString CoolerTypeName(Family family);

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
