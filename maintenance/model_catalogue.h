#pragma once

#include "cooler_family.h"

#include <QString>

#include <vector>

namespace quellmar::maintenance {

class Connection;

// A model as the lists show it: its name, and its key as the entry's item data.
struct ModelEntry {
    QString name;
    qint64 coolerId = 0;
};

// The models of a family, in the order of their names.
std::vector<ModelEntry> ListModels(const QString& databasePath, Family family);
// The models (of any family) whose stored drawing is neither Null nor empty, by name.
std::vector<ModelEntry> ListModelsWithDrawings(const QString& databasePath);

// Deletes a model with all its rows (curves and, for water-cooled models, correction tables),
// all or nothing.
void DeleteModel(const QString& databasePath, Family family, qint64 coolerId);

// Whether any model of any family has this name, compared as the database compares names.
bool NameIsTaken(Connection& db, const QString& name);
// Gives a new model copies of every row of the template in the family's per-model tables. The
// caller runs it in the transaction that stores the new model.
void CopyTemplateRows(Connection& db, Family family, qint64 newCoolerId, qint64 templateId);

}  // namespace quellmar::maintenance
