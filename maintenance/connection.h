#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <vector>

namespace quellmar::maintenance {

// One connection to the cooler database, open for the object's lifetime. The file must be a cooler
// database: a missing, empty or foreign file is an error and is left as it was. The database keeps
// its rollback journal, so it is read from a folder that the user may not write to; a change that
// the file or its folder does not allow is an error naming the file and the cause. A locked
// database is waited for a few seconds before the action fails. Every query and model made on the
// connection must be gone before it.
class Connection {
public:
    explicit Connection(const QString& databasePath);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase Database() const;
    const QString& Path() const { return path_; }

    // Runs one statement with its values bound to ?1, ?2 ... (never pasted into the text).
    // Returns the number of rows it changed. Throws DatabaseError when the statement fails.
    int Execute(const QString& sql, const QVariantList& values = {});
    // Runs one query and returns all its rows.
    std::vector<QSqlRecord> Select(const QString& sql, const QVariantList& values = {});
    // Raises the DatabaseError of a failed action on the connection: a failure a user can act on
    // (a busy database, a full disk, a write past the session's file-size limit) in the program's
    // words, any other one as `what` and the database's text.
    [[noreturn]] void Fail(const QString& what, const QSqlError& error) const;

private:
    friend class Transaction;

    QString path_;
    QString name_;
    int transactionDepth_ = 0;
};

// Makes the statements run on a connection while it lives one unit: Commit keeps them all, and
// leaving without Commit (an error on the way) undoes every one of them. A transaction begun inside
// another one is a part of it: the outer one decides whether its work is kept.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

private:
    Connection& connection_;
    QString savepoint_;  // empty for the outermost transaction
    bool open_ = true;
};

}  // namespace quellmar::maintenance
