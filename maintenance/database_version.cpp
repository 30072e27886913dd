#include "database_version.h"

#include "connection.h"

namespace quellmar::maintenance {

void WriteDatabaseVersion(const QString& databasePath, const QString& version) {
    Connection db(databasePath);
    // A database without the row gets it, so the text typed is not silently dropped.
    if (db.Execute("update dbAttributes set vcValue = ? where vcAttribute = 'version'", {version}) == 0)
        db.Execute("insert into dbAttributes (vcAttribute, vcValue) values ('version', ?)", {version});
}

}  // namespace quellmar::maintenance
