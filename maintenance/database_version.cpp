#include "database_version.h"

#include "connection.h"

#include <QSqlRecord>

namespace quellmar::maintenance {

QString ReadDatabaseVersion(const QString& databasePath) {
    Connection db(databasePath);
    const auto rows = db.Select("select vcValue from dbAttributes where vcAttribute = 'version'");
    return rows.empty() ? QString() : rows.front().value(0).toString();
}

void WriteDatabaseVersion(const QString& databasePath, const QString& version) {
    Connection db(databasePath);
    // A database without the row gets it, so the text typed is not silently dropped.
    if (db.Execute("update dbAttributes set vcValue = ? where vcAttribute = 'version'", {version}) == 0)
        db.Execute("insert into dbAttributes (vcAttribute, vcValue) values ('version', ?)", {version});
}

}  // namespace quellmar::maintenance
