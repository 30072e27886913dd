#pragma once

#include <QString>

namespace quellmar::maintenance {

// The database's version text (dbAttributes "version"); empty when there is none.
QString ReadDatabaseVersion(const QString& databasePath);
// Stores the version text as typed, quotes and all; the other attributes keep their values.
void WriteDatabaseVersion(const QString& databasePath, const QString& version);

}  // namespace quellmar::maintenance
