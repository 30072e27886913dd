#include "connection.h"

#include "database_error.h"

#include "engine/data_access.h"
#include "engine/database_trouble.h"
#include "vb/error.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

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

bool MayWrite(const QString& path) { return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0; }

// Why the file system refuses a change of the database, or "" when it does not: the file itself is
// write-protected, or its folder does not take the journal that a change writes beside it.
QString WriteRefusal(const QString& path) {
    const QFileInfo file(path);
    if (!MayWrite(file.absoluteFilePath())) return "the file is write-protected";
    if (!MayWrite(file.absolutePath()))
        return "its folder " + file.absolutePath() + " does not allow new files, and a change writes its journal there";
    return {};
}

// SQLite's codes for a change that the file system may have refused; the driver gives the code as
// its native error code, and the low byte is the primary code of an extended one.
bool IsRefusedWrite(const QSqlError& error) {
    switch (error.nativeErrorCode().toInt() & 0xff) {
        case SQLITE_PERM:
        case SQLITE_READONLY:
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
            return true;
        default:
            return false;
    }
}

// The system's reason for the database engine's last failed read or write on the connection.
int SystemError(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0) return 0;
    sqlite3* engine = *static_cast<sqlite3* const*>(handle.constData());
    return engine ? sqlite3_system_errno(engine) : 0;
}

// A write went past the session's file-size limit (the engine says only "disk I/O error"); the
// limit is named where there is one.
bool PastFileSizeLimit(const QSqlDatabase& db, const QSqlError& error) {
    return (error.nativeErrorCode().toInt() & 0xff) == SQLITE_IOERR && SystemError(db) == EFBIG;
}

QString FileTooLarge() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return "File too large";
    return QString("File too large (this session lets a program write files of at most %1 bytes)").arg(limit.rlim_cur);
}

}  // namespace

Connection::Connection(const QString& databasePath) : path_(databasePath), name_(NewConnectionName()) {
    // Says whether the file is a cooler database at all before anything could change it.
    try {
        const engine::DataAccess check(databasePath.toStdString());
    } catch (const vb::RuntimeError& error) {
        throw DatabaseError(error.Description());
    }
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
}

Connection::~Connection() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Connection::Database() const { return QSqlDatabase::database(name_, false); }

void Connection::Fail(const QString& what, const QSqlError& error) const {
    if (PastFileSizeLimit(Database(), error))
        throw DatabaseError(("The cooler database " + path_ + " cannot be changed: " + FileTooLarge() + ".").toStdString());
    const std::string trouble = engine::DatabaseTrouble(error.nativeErrorCode().toInt(), error.databaseText().toStdString(),
                                                        QFile::encodeName(path_).toStdString());
    throw DatabaseError(trouble.empty() ? (what + ": " + ErrorText(error)).toStdString() : trouble);
}

int Connection::Execute(const QString& sql, const QVariantList& values) {
    QSqlQuery query(Database());
    if (!query.prepare(sql)) Fail("The database refused \"" + sql + "\"", query.lastError());
    for (int i = 0; i < values.size(); ++i) query.bindValue(i, values[i]);
    if (!query.exec()) {
        if (IsRefusedWrite(query.lastError()))
            if (const QString refusal = WriteRefusal(path_); !refusal.isEmpty())
                throw DatabaseError(("The cooler database " + path_ + " cannot be changed: " + refusal + ".").toStdString());
        Fail("The database refused \"" + sql + "\"", query.lastError());
    }
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
