#include "bound_table_model.h"

#include "database_error.h"

#include "vb/val.h"

#include <QSqlField>
#include <QSqlRecord>

namespace quellmar::maintenance {
namespace {

bool IsText(const QVariant& value) { return value.typeId() == QMetaType::QString; }

}  // namespace

BoundTableModel::BoundTableModel(QObject* parent, const QSqlDatabase& db) : QSqlTableModel(parent, db) {
    setEditStrategy(QSqlTableModel::OnManualSubmit);
}

bool BoundTableModel::IsNumberColumn(int column) const {
    switch (record().field(column).metaType().id()) {
        case QMetaType::Double:
        case QMetaType::Int:
        case QMetaType::LongLong:
            return true;
        default:
            return false;
    }
}

QVariant BoundTableModel::Stored(const QModelIndex& index, const QVariant& value) const {
    if (!IsNumberColumn(index.column())) return value;
    const QMetaType type = record().field(index.column()).metaType();
    if (value.typeId() == QMetaType::Bool) return QVariant(value.toBool() ? 1 : 0);
    if (!IsText(value)) return value;
    const QString text = value.toString();
    if (text.trimmed().isEmpty()) return QVariant(type);
    const std::string utf8 = text.toStdString();
    // A text that is no number is kept as typed for Validate to refuse.
    return vb::IsNumeric(utf8) ? QVariant(vb::Val(utf8)) : value;
}

bool BoundTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole) return QSqlTableModel::setData(index, value, role);
    const QVariant stored = Stored(index, value);
    // An empty box over an empty field changes nothing (a text field keeps its Null).
    const QVariant old = data(index, Qt::EditRole);
    const bool empty = stored.isNull() || (IsText(stored) && stored.toString().isEmpty());
    if (empty && old.isNull()) return true;
    return QSqlTableModel::setData(index, stored, role);
}

void BoundTableModel::Validate() const {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const QModelIndex at = index(row, column);
            if (!isDirty(at) || !IsNumberColumn(column)) continue;
            const QVariant value = data(at, Qt::EditRole);
            if (IsText(value))
                throw DatabaseError(("The " + record().fieldName(column) + " value \"" + value.toString() +
                                     "\" is not a number.")
                                        .toStdString());
        }
    }
}

}  // namespace quellmar::maintenance
