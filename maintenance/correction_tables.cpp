#include "correction_tables.h"

#include "connection.h"
#include "database_error.h"

#include "vb/format.h"
#include "vb/val.h"

#include <QSqlRecord>

namespace quellmar::maintenance {
namespace {

struct ArrayTable {
    const char* table;
    const char* field;  // the axis field; null for a factor matrix
    const char* order;  // the order the rows are read in
    bool rowNumbers;    // the matrix rows carry RowNum
};

const ArrayTable kTables[kCorrectionArrays] = {
    {"HTCorrectionOilFlow", "HTCorrectionOilFlow", "HTCorrectionOilFlow", false},
    {"HTCorrectionWaterFlow", "HTCorrectionWaterFlow", "HTCorrectionWaterFlow", false},
    {"HTCorrection", nullptr, "RowNum", true},
    {"PDCorrectionOilFlow", "PDCorrectionOilFlow", "PDCorrectionOilFlow", false},
    {"PDCorrectionViscosity", "PDCorrectionViscosity", "PDCorrectionViscosity", false},
    {"PDCorrection", nullptr, "rowid", false},
};

const QString kFactorColumns = "c1, c2, c3, c4, c5, c6, c7, c8";

std::optional<double> Value(const QVariant& field) {
    if (field.isNull()) return std::nullopt;
    return field.toDouble();
}

// A Single is stored as the decimal text it is written as, so "1.10" is stored as 1.1.
double StoredValue(float value) { return vb::Val(vb::SingleToText(value)); }

}  // namespace

int CorrectionArraySize(CorrectionArray array) {
    return kTables[array].field ? (array == HTOilFlow || array == PDOilFlow ? kCorrectionColumns : kCorrectionRows)
                                : kCorrectionRows * kCorrectionColumns;
}

StoredCorrections ReadCorrectionTables(const QString& databasePath, qint64 coolerId) {
    Connection db(databasePath);
    StoredCorrections stored;
    const auto names = db.Select("select name from coolers where coolerid = ?", {coolerId});
    if (names.empty())
        throw DatabaseError(QString("The model with the key %1 no longer exists.").arg(coolerId).toStdString());
    stored.name = names.front().value(0).toString();
    for (int array = 0; array < kCorrectionArrays; ++array) {
        const ArrayTable& table = kTables[array];
        const QString columns = table.field ? QString(table.field) : kFactorColumns;
        const auto rows = db.Select(QString("select %1 from %2 where coolerid = ? order by %3").arg(columns, table.table, table.order),
                                    {coolerId});
        const std::size_t size = static_cast<std::size_t>(CorrectionArraySize(static_cast<CorrectionArray>(array)));
        std::vector<std::optional<double>>& values = stored.values[static_cast<std::size_t>(array)];
        for (const QSqlRecord& row : rows) {
            if (values.size() >= size) break;
            for (int column = 0; column < row.count(); ++column) values.push_back(Value(row.value(column)));
        }
    }
    return stored;
}

void SaveCorrectionTables(const QString& databasePath, qint64 coolerId, const CorrectionValues& values,
                          std::bitset<kCorrectionArrays> changed) {
    if (changed.none()) return;
    for (int array = 0; array < kCorrectionArrays; ++array)
        if (changed[static_cast<std::size_t>(array)] &&
            values[static_cast<std::size_t>(array)].size() !=
                static_cast<std::size_t>(CorrectionArraySize(static_cast<CorrectionArray>(array))))
            throw DatabaseError("A correction table is incomplete; nothing was stored.");
    Connection db(databasePath);
    Transaction transaction(db);
    for (int array = 0; array < kCorrectionArrays; ++array) {
        if (!changed[static_cast<std::size_t>(array)]) continue;
        const ArrayTable& table = kTables[array];
        const std::vector<float>& boxes = values[static_cast<std::size_t>(array)];
        db.Execute(QString("delete from %1 where coolerid = ?").arg(table.table), {coolerId});
        if (table.field) {
            const QString insert = QString("insert into %1 (CoolerID, %2) VALUES (?, ?)").arg(table.table, table.field);
            for (float value : boxes) db.Execute(insert, {coolerId, StoredValue(value)});
            continue;
        }
        const QString insert = table.rowNumbers
                                   ? QString("insert into %1 (CoolerID, RowNum, %2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                   : QString("insert into %1 (CoolerID, %2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (int row = 0; row < kCorrectionRows; ++row) {
            QVariantList bound{coolerId};
            if (table.rowNumbers) bound << row + 1;
            for (int column = 0; column < kCorrectionColumns; ++column)
                bound << StoredValue(boxes[static_cast<std::size_t>(row * kCorrectionColumns + column)]);
            db.Execute(insert.arg(table.table, kFactorColumns), bound);
        }
    }
    transaction.Commit();
}

}  // namespace quellmar::maintenance
