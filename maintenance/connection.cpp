#include "connection.h"

#include "database_error.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace quellmar::maintenance {
namespace {

QString NewConnectionName() {
    static std::atomic<int> next{0};
    return QString("maintenance-%1").arg(++next);
}

QString ErrorText(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QString("unknown database error") : text;
}

[[noreturn]] void Fail(const QString& what, const QSqlError& error) {
    throw DatabaseError((what + ": " + ErrorText(error)).toStdString());
}

}  // namespace

Connection::Connection(const QString& databasePath) : path_(databasePath), name_(NewConnectionName()) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name_);
        // "mode=rw" opens an existing file only.
        QUrl uri = QUrl::fromLocalFile(QFileInfo(databasePath).absoluteFilePath());
        uri.setQuery("mode=rw");
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        db.setConnectOptions("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000");
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw DatabaseError(("The cooler database " + databasePath + " cannot be opened: " + ErrorText(error))
                                    .toStdString());
        }
    }
    try {
        Select("PRAGMA journal_mode = WAL");
    } catch (...) {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
        throw;
    }
}

Connection::~Connection() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Connection::Database() const { return QSqlDatabase::database(name_, false); }

int Connection::Execute(const QString& sql, const QVariantList& values) {
    QSqlQuery query(Database());
    if (!query.prepare(sql)) Fail("The database refused \"" + sql + "\"", query.lastError());
    for (int i = 0; i < values.size(); ++i) query.bindValue(i, values[i]);
    if (!query.exec()) Fail("The database refused \"" + sql + "\"", query.lastError());
    return query.numRowsAffected();
}

std::vector<QSqlRecord> Connection::Select(const QString& sql, const QVariantList& values) {
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) Fail("The database refused \"" + sql + "\"", query.lastError());
    for (int i = 0; i < values.size(); ++i) query.bindValue(i, values[i]);
    if (!query.exec()) Fail("The database refused \"" + sql + "\"", query.lastError());
    std::vector<QSqlRecord> rows;
    while (query.next()) rows.push_back(query.record());
    if (query.lastError().isValid()) Fail("Reading \"" + sql + "\" failed", query.lastError());
    return rows;
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    if (connection_.transactionDepth_ == 0) {
        // Taking the write lock at once lets a busy database be waited for instead of failing midway.
        connection_.Execute("BEGIN IMMEDIATE");
    } else {
        savepoint_ = QString("part%1").arg(connection_.transactionDepth_);
        connection_.Execute("SAVEPOINT " + savepoint_);
    }
    ++connection_.transactionDepth_;
}

Transaction::~Transaction() {
    if (!open_) return;
    --connection_.transactionDepth_;
    try {
        if (savepoint_.isEmpty()) {
            connection_.Execute("ROLLBACK");
        } else {
            connection_.Execute("ROLLBACK TO " + savepoint_);
            connection_.Execute("RELEASE " + savepoint_);
        }
    } catch (const DatabaseError&) {
        // A failed statement may have ended the transaction already; nothing is left to undo.
    }
}

void Transaction::Commit() {
    connection_.Execute(savepoint_.isEmpty() ? QString("COMMIT") : "RELEASE " + savepoint_);
    open_ = false;
    --connection_.transactionDepth_;
}

}  // namespace quellmar::maintenance
