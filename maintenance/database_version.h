#pragma once

#include <QString>

namespace quellmar::maintenance {

// Stores the version text as typed, quotes and all; the other attributes keep their values.
void WriteDatabaseVersion(const QString& databasePath, const QString& version);

}  // namespace quellmar::maintenance
