#include "data_control.h"

#include "bound_table_model.h"
#include "connection.h"
#include "database_error.h"

#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlRecord>
#include <QStringList>

#include <algorithm>

namespace quellmar::maintenance {
namespace {

// The next value of the table's counter key, taken from the database's own sequence so that it is
// never handed out twice, not even to a row that is begun elsewhere at the same time.
qint64 ReserveCounterKey(Connection& db, const QString& table, const QString& key) {
    Transaction transaction(db);
    const auto tables = db.Select("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE", {table});
    if (tables.empty()) throw DatabaseError(("The table " + table + " does not exist.").toStdString());
    const QString name = tables.front().value(0).toString();
    const auto last = db.Select("SELECT max(coalesce((SELECT seq FROM sqlite_sequence WHERE name = ?), 0), "
                                "coalesce((SELECT max(" + key + ") FROM " + name + "), 0))",
                                {name});
    const qint64 next = last.front().value(0).toLongLong() + 1;
    if (db.Execute("UPDATE sqlite_sequence SET seq = ? WHERE name = ?", {next, name}) == 0)
        db.Execute("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)", {name, next});
    transaction.Commit();
    return next;
}

}  // namespace

DataControl::DataControl(QObject* parent) : QObject(parent) {}

DataControl::~DataControl() = default;

void DataControl::SetDatabaseName(const QString& path) { databaseName_ = path; }

void DataControl::SetRecordSource(const QString& table, const QString& filter, const QString& orderBy) {
    table_ = table;
    filter_ = filter;
    orderBy_ = orderBy;
}

void DataControl::Open() {
    if (model_) return;
    auto connection = std::make_unique<Connection>(databaseName_);
    auto model = std::make_unique<BoundTableModel>(nullptr, connection->Database());
    model->setTable(table_);
    if (model->record().isEmpty()) throw DatabaseError(("The table " + table_ + " does not exist.").toStdString());
    auto mapper = std::make_unique<QDataWidgetMapper>();
    mapper->setModel(model.get());
    mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    for (const auto& [control, field] : bindings_) {
        const int column = model->fieldIndex(field);
        if (column < 0) throw DatabaseError(("The table " + table_ + " has no field " + field + ".").toStdString());
        mapper->addMapping(control, column);
    }
    key_ = model->primaryKey().fieldName(0);
    if (key_.isEmpty()) throw DatabaseError(("The table " + table_ + " has no key.").toStdString());
    connection_ = std::move(connection);
    model_ = std::move(model);
    mapper_ = std::move(mapper);
}

void DataControl::Reselect() {
    if (!model_->select())
        connection_->Fail("The rows of " + table_ + " cannot be read", model_->lastError());
    while (model_->canFetchMore()) model_->fetchMore();
    read_.clear();
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QSqlRecord record = model_->record(row);
        read_[record.value(key_).toLongLong()] = record;
    }
}

void DataControl::Refresh() {
    Open();
    model_->setFilter(filter_);
    model_->setSort(orderBy_.isEmpty() ? -1 : model_->fieldIndex(orderBy_), Qt::AscendingOrder);
    Reselect();
    mapper_->toFirst();
    ShowTextStarts();
}

void DataControl::ShowTextStarts() const {
    // A long text shows its beginning, as a box that was just filled does.
    for (const auto& binding : bindings_)
        if (auto* box = qobject_cast<QLineEdit*>(binding.first)) box->setCursorPosition(0);
}

void DataControl::Bind(QWidget* control, const QString& field) {
    bindings_.emplace_back(control, field);
    if (mapper_) {
        const int column = model_->fieldIndex(field);
        if (column < 0) throw DatabaseError(("The table " + table_ + " has no field " + field + ".").toStdString());
        mapper_->addMapping(control, column);
        mapper_->revert();
    }
}

qint64 DataControl::AddNew() {
    Open();
    const QString& key = key_;
    const qint64 id = ReserveCounterKey(*connection_, table_, key);
    // Only the key and the fields that are set later are written; the others take their defaults.
    QSqlRecord row = model_->record();
    for (int i = 0; i < row.count(); ++i) row.setGenerated(i, false);
    row.setValue(key, id);
    row.setGenerated(key, true);
    const int at = model_->rowCount();
    if (!model_->insertRecord(at, row))
        connection_->Fail("A new row of " + table_ + " cannot be begun", model_->lastError());
    mapper_->setCurrentIndex(at);
    ShowTextStarts();
    return id;
}

void DataControl::CancelUpdate() {
    if (!model_) return;
    model_->revertAll();
    mapper_->setCurrentIndex(0);
}

bool DataControl::HasPendingEdits() const {
    if (!model_) return false;
    mapper_->submit();
    return !PendingStatements({}).empty();
}

std::vector<DataControl::Statement> DataControl::PendingStatements(const std::vector<int>& deleted) const {
    std::vector<Statement> statements;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QSqlRecord shown = model_->record(row);
        const QVariant key = shown.value(key_);
        const auto read = key.isNull() ? read_.end() : read_.find(key.toLongLong());
        const bool stored = read != read_.end();
        if (std::find(deleted.begin(), deleted.end(), row) != deleted.end()) {
            // A new row that was never stored just goes.
            if (stored) statements.push_back({"DELETE FROM " + table_ + " WHERE " + key_ + " = ?", {key}});
            continue;
        }
        QStringList fields;
        QVariantList values;
        for (int column = 0; column < shown.count(); ++column) {
            const QVariant value = shown.value(column);
            const bool changed = stored ? !(value == read->second.value(column) && value.isNull() == read->second.value(column).isNull())
                                        : !value.isNull();
            if (!changed) continue;
            fields << shown.fieldName(column);
            values << value;
        }
        if (fields.isEmpty()) continue;
        if (!stored) {
            statements.push_back({"INSERT INTO " + table_ + " (" + fields.join(", ") + ") VALUES (" +
                                      QStringList(QList<QString>(fields.size(), "?")).join(", ") + ")",
                                  values});
            continue;
        }
        values << key;
        statements.push_back({"UPDATE " + table_ + " SET " + fields.join(" = ?, ") + " = ? WHERE " + key_ + " = ?", values});
    }
    return statements;
}

void DataControl::Write(const std::vector<int>& deleted) {
    const int current = mapper_->currentIndex();
    mapper_->submit();
    const std::vector<Statement> statements = PendingStatements(deleted);
    if (statements.empty()) return;
    model_->Validate();
    {
        // The model keeps every edit until all of them are stored.
        Transaction transaction(*connection_);
        for (const Statement& statement : statements) connection_->Execute(statement.sql, statement.values);
        transaction.Commit();
    }
    Reselect();
    mapper_->setCurrentIndex(current >= 0 && current < model_->rowCount() ? current : 0);
}

void DataControl::UpdateRecord() {
    if (model_) Write({});
}

void DataControl::DeleteRows(const std::vector<int>& rows) {
    if (model_) Write(rows);
}

QVariant DataControl::Field(const QString& name) const {
    if (!model_) return {};
    return model_->data(model_->index(mapper_->currentIndex(), model_->fieldIndex(name)), Qt::EditRole);
}

void DataControl::SetField(const QString& name, const QVariant& value) {
    Open();
    const int column = model_->fieldIndex(name);
    if (column < 0) throw DatabaseError(("The table " + table_ + " has no field " + name + ".").toStdString());
    // What was typed into the bound boxes stays.
    mapper_->submit();
    model_->setData(model_->index(mapper_->currentIndex(), column), value, Qt::EditRole);
    // A bound box shows the new value at once.
    mapper_->revert();
    ShowTextStarts();
}

BoundTableModel& DataControl::Model() const {
    if (!model_) throw DatabaseError("The data control has not been opened.");
    return *model_;
}

Connection& DataControl::Database() const {
    if (!connection_) throw DatabaseError("The data control has not been opened.");
    return *connection_;
}

}  // namespace quellmar::maintenance
