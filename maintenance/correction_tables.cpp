#include "correction_tables.h"

#include "connection.h"
#include "database_error.h"

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

// Each axis cell is a row of its own; a matrix row holds 8 cells.
int CellsPerRow(const ArrayTable& table) { return table.field ? 1 : kCorrectionColumns; }

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
        std::vector<CorrectionCell>& cells = stored.cells[static_cast<std::size_t>(array)];
        for (const QSqlRecord& row : rows) {
            if (cells.size() >= size) break;
            // Kept as the database gives it, so that a cell nobody changes is written back bit for bit.
            for (int column = 0; column < row.count(); ++column) cells.push_back(row.value(column));
        }
        cells.resize(size);
    }
    return stored;
}

void SaveCorrectionTables(const QString& databasePath, qint64 coolerId, const CorrectionCells& cells,
                          std::bitset<kCorrectionArrays> changed) {
    if (changed.none()) return;
    for (int array = 0; array < kCorrectionArrays; ++array)
        if (changed[static_cast<std::size_t>(array)] &&
            cells[static_cast<std::size_t>(array)].size() !=
                static_cast<std::size_t>(CorrectionArraySize(static_cast<CorrectionArray>(array))))
            throw DatabaseError("A correction table is incomplete; nothing was stored.");
    Connection db(databasePath);
    Transaction transaction(db);
    for (int array = 0; array < kCorrectionArrays; ++array) {
        if (!changed[static_cast<std::size_t>(array)]) continue;
        const ArrayTable& table = kTables[array];
        const std::vector<CorrectionCell>& boxes = cells[static_cast<std::size_t>(array)];
        db.Execute(QString("delete from %1 where coolerid = ?").arg(table.table), {coolerId});
        const int perRow = CellsPerRow(table);
        // A matrix keeps every row up to the last one that holds anything, so that each row stays
        // with its water flow or viscosity; an axis simply has no value where a box is empty.
        int rows = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i]) rows = static_cast<int>(i) / perRow + 1;
        const QString insert =
            table.field ? QString("insert into %1 (CoolerID, %2) VALUES (?, ?)").arg(table.table, table.field)
            : table.rowNumbers
                ? QString("insert into %1 (CoolerID, RowNum, %2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(table.table, kFactorColumns)
                : QString("insert into %1 (CoolerID, %2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(table.table, kFactorColumns);
        for (int row = 0; row < rows; ++row) {
            if (table.field && !boxes[static_cast<std::size_t>(row)]) continue;
            QVariantList bound{coolerId};
            if (table.rowNumbers) bound << row + 1;
            for (int column = 0; column < perRow; ++column)
                bound << boxes[static_cast<std::size_t>(row * perRow + column)].value_or(QVariant());
            db.Execute(insert, bound);
        }
    }
    transaction.Commit();
}

}  // namespace quellmar::maintenance
