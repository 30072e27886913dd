#pragma once

#include <QSqlTableModel>

namespace quellmar::maintenance {

// The rows of one table as bound boxes and grids edit them. Box texts arrive as text: for a number
// column an empty text stores Null and a number text (read with the program's own number rules,
// never the user's locale) stores the number. A text that is no number is kept as typed, so the
// user sees it, and Validate refuses it before anything is written.
class BoundTableModel : public QSqlTableModel {
    Q_OBJECT

public:
    BoundTableModel(QObject* parent, const QSqlDatabase& db);

    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Throws DatabaseError naming the first changed number field whose text is no number.
    void Validate() const;

private:
    // The value a box text stands for in the field's column.
    QVariant Stored(const QModelIndex& index, const QVariant& value) const;
    bool IsNumberColumn(int column) const;
};

}  // namespace quellmar::maintenance
