#include "model_catalogue.h"

#include "connection.h"

#include <QSqlRecord>

namespace quellmar::maintenance {
namespace {

std::vector<ModelEntry> Entries(const std::vector<QSqlRecord>& rows) {
    std::vector<ModelEntry> entries;
    entries.reserve(rows.size());
    for (const QSqlRecord& row : rows) entries.push_back({row.value("Name").toString(), row.value("CoolerID").toLongLong()});
    return entries;
}

}  // namespace

std::vector<ModelEntry> ListModels(const QString& databasePath, Family family) {
    Connection db(databasePath);
    return Entries(db.Select("Select coolerid, name from coolers inner join coolertypes on "
                             "coolers.coolertype = coolertypes.code where coolertypes.coolertype = ? order by name",
                             {CoolerTypeName(family)}));
}

std::vector<ModelEntry> ListModelsWithDrawings(const QString& databasePath) {
    Connection db(databasePath);
    return Entries(db.Select("Select name, coolerid from coolers where dxf is not null and dxf <> '' order by name"));
}

void DeleteModel(const QString& databasePath, Family family, qint64 coolerId) {
    Connection db(databasePath);
    Transaction transaction(db);
    for (const PerModelTable& table : PerModelTables(family))
        db.Execute("delete from " + table.table + " where coolerid = ?", {coolerId});
    db.Execute("delete from coolers where coolerid = ?", {coolerId});
    transaction.Commit();
}

bool NameIsTaken(Connection& db, const QString& name) {
    const auto rows = db.Select("select count(*) as Num from coolers where name = ?", {name});
    return rows.front().value("Num").toLongLong() != 0;
}

void CopyTemplateRows(Connection& db, Family family, qint64 newCoolerId, qint64 templateId) {
    // Rows are copied in their stored order: the pressure-drop factors belong to the viscosities by it.
    for (const PerModelTable& table : PerModelTables(family))
        db.Execute("INSERT INTO " + table.table + " (CoolerID, " + table.valueColumns + ") SELECT ?, " + table.valueColumns +
                       " FROM " + table.table + " WHERE CoolerID = ? ORDER BY rowid",
                   {newCoolerId, templateId});
}

}  // namespace quellmar::maintenance
