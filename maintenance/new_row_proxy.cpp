#include "new_row_proxy.h"

namespace quellmar::maintenance {

NewRowProxy::NewRowProxy(QObject* parent) : QAbstractProxyModel(parent) {}

void NewRowProxy::setSourceModel(QAbstractItemModel* source) {
    beginResetModel();
    for (const QMetaObject::Connection& connection : connections_) disconnect(connection);
    connections_.clear();
    QAbstractProxyModel::setSourceModel(source);
    if (source) {
        const auto shift = [this](int first, int last) { return appending_ ? std::pair{first + 1, last + 1} : std::pair{first, last}; };
        connections_ << connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); })
                     << connect(source, &QAbstractItemModel::modelReset, this, [this] { endResetModel(); })
                     << connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
                                [this, shift](const QModelIndex&, int first, int last) {
                                    const auto [from, to] = shift(first, last);
                                    beginInsertRows({}, from, to);
                                })
                     << connect(source, &QAbstractItemModel::rowsInserted, this, [this] { endInsertRows(); })
                     << connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                                [this](const QModelIndex&, int first, int last) { beginRemoveRows({}, first, last); })
                     << connect(source, &QAbstractItemModel::rowsRemoved, this, [this] { endRemoveRows(); })
                     << connect(source, &QAbstractItemModel::columnsAboutToBeInserted, this, [this] { beginResetModel(); })
                     << connect(source, &QAbstractItemModel::columnsInserted, this, [this] { endResetModel(); })
                     << connect(source, &QAbstractItemModel::columnsAboutToBeRemoved, this, [this] { beginResetModel(); })
                     << connect(source, &QAbstractItemModel::columnsRemoved, this, [this] { endResetModel(); })
                     << connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] { beginResetModel(); })
                     << connect(source, &QAbstractItemModel::layoutChanged, this, [this] { endResetModel(); })
                     << connect(source, &QAbstractItemModel::dataChanged, this,
                                [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                                    emit dataChanged(mapFromSource(topLeft), mapFromSource(bottomRight), roles);
                                })
                     << connect(source, &QAbstractItemModel::headerDataChanged, this,
                                [this](Qt::Orientation orientation, int first, int last) {
                                    emit headerDataChanged(orientation, first, last);
                                });
    }
    endResetModel();
}

void NewRowProxy::SetAllowAddNew(bool allow) {
    if (allow == allowAddNew_) return;
    const int row = SourceRows();
    if (allow) {
        beginInsertRows({}, row, row);
        allowAddNew_ = true;
        endInsertRows();
    } else {
        beginRemoveRows({}, row, row);
        allowAddNew_ = false;
        endRemoveRows();
    }
}

int NewRowProxy::SourceRows() const { return sourceModel() ? sourceModel()->rowCount() : 0; }

bool NewRowProxy::IsNewRow(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && allowAddNew_ && index.row() == SourceRows();
}

QModelIndex NewRowProxy::mapToSource(const QModelIndex& proxyIndex) const {
    if (!sourceModel() || !proxyIndex.isValid() || proxyIndex.row() >= SourceRows()) return {};
    return sourceModel()->index(proxyIndex.row(), proxyIndex.column());
}

QModelIndex NewRowProxy::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid()) return {};
    return createIndex(sourceIndex.row(), sourceIndex.column());
}

QModelIndex NewRowProxy::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return {};
    return createIndex(row, column);
}

QModelIndex NewRowProxy::parent(const QModelIndex&) const { return {}; }

int NewRowProxy::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !sourceModel()) return 0;
    return SourceRows() + (allowAddNew_ ? 1 : 0);
}

int NewRowProxy::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !sourceModel()) return 0;
    return sourceModel()->columnCount();
}

QVariant NewRowProxy::data(const QModelIndex& index, int role) const {
    if (IsNewRow(index)) return {};
    return QAbstractProxyModel::data(index, role);
}

bool NewRowProxy::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !(flags(index) & Qt::ItemIsEditable)) return false;
    if (!IsNewRow(index)) return QAbstractProxyModel::setData(index, value, role);
    // Leaving the empty row empty adds nothing.
    if (role == Qt::EditRole && value.toString().isEmpty()) return true;
    const int row = SourceRows();
    appending_ = true;
    const bool inserted = sourceModel()->insertRow(row);
    appending_ = false;
    if (!inserted) return false;
    if (hook_) hook_(row);
    return sourceModel()->setData(sourceModel()->index(row, index.column()), value, role);
}

Qt::ItemFlags NewRowProxy::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const bool editable = IsNewRow(index) ? allowAddNew_ : allowUpdate_;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return editable ? base | Qt::ItemIsEditable : base;
}

QVariant NewRowProxy::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical && allowAddNew_ && section == SourceRows())
        return role == Qt::DisplayRole ? QVariant("*") : QVariant();
    if (!sourceModel()) return {};
    return sourceModel()->headerData(section, orientation, role);
}

}  // namespace quellmar::maintenance
