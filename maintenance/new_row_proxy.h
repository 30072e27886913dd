#pragma once

#include <QAbstractProxyModel>

#include <functional>

namespace quellmar::maintenance {

// The rows of a flat table model with one empty row after them in which the user enters a new
// row. Editing a field of that empty row inserts a row at the end of the table model, lets the
// new-row hook fill what the user cannot see (the key), and stores the edited field in it; the
// empty row then moves below the new one. What may be edited is decided here too.
class NewRowProxy final : public QAbstractProxyModel {
    Q_OBJECT

public:
    using NewRowHook = std::function<void(int sourceRow)>;

    explicit NewRowProxy(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;
    void SetNewRowHook(NewRowHook hook) { hook_ = std::move(hook); }
    void SetAllowAddNew(bool allow);
    void SetAllowUpdate(bool allow) { allowUpdate_ = allow; }
    bool AllowAddNew() const { return allowAddNew_; }
    bool AllowUpdate() const { return allowUpdate_; }
    bool IsNewRow(const QModelIndex& index) const;

    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Every cell is its own buddy: the view opens a cell only through its buddy, and the new row
    // has none in the source, so it could never be typed into.
    QModelIndex buddy(const QModelIndex& index) const override { return index; }
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    int SourceRows() const;

    NewRowHook hook_;
    bool allowAddNew_ = true;
    bool allowUpdate_ = true;
    // While the proxy itself appends a row, the empty row stays where the user edits and the
    // inserted rows appear below it.
    bool appending_ = false;
    QList<QMetaObject::Connection> connections_;
};

}  // namespace quellmar::maintenance
