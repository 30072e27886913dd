#pragma once

#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <map>
#include <memory>
#include <utility>
#include <vector>

class QDataWidgetMapper;
class QWidget;

namespace quellmar::maintenance {

class BoundTableModel;
class Connection;

// A bound data source over one table of the cooler database: the rows its record source selects,
// the boxes bound to fields of its current row, and the grids that show its rows. It holds its own
// connection from the first Refresh until it goes. Edits stay in the control until UpdateRecord
// writes them (all of them, or none when the database refuses one).
class DataControl : public QObject {
    Q_OBJECT

public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    void SetDatabaseName(const QString& path);
    const QString& DatabaseName() const { return databaseName_; }
    // The record source: the rows of `table` that `filter` (an SQL condition made by the program,
    // never from box texts) selects, in the order of `orderBy`.
    void SetRecordSource(const QString& table, const QString& filter, const QString& orderBy = {});
    // Opens the connection if need be and reads the rows anew; bound boxes show the first row.
    // Edits not yet written are dropped.
    void Refresh();

    // Binds a box or check box to a field of the current row.
    void Bind(QWidget* control, const QString& field);

    // Begins a new row and makes it the current one. The row's counter key is assigned at once,
    // before anything is written, and returned: it is never given to another row, even when the new
    // row is cancelled.
    qint64 AddNew();
    // Drops the begun row and every edit not yet written.
    void CancelUpdate();
    // Writes the bound boxes into the current row, then every edited and added row in one
    // transaction, and reads the rows anew. Throws DatabaseError (nothing written) on failure;
    // the edits stay in the control.
    void UpdateRecord();
    // Deletes rows of the model at once, writing the other edits with them.
    void DeleteRows(const std::vector<int>& rows);
    // True while edits wait to be written (bound boxes included).
    bool HasPendingEdits() const;

    QVariant Field(const QString& name) const;
    void SetField(const QString& name, const QVariant& value);

    BoundTableModel& Model() const;
    Connection& Database() const;

private:
    struct Statement {
        QString sql;
        QVariantList values;
    };

    void Open();
    // The statements that bring the table to what the model shows, less the rows to delete.
    std::vector<Statement> PendingStatements(const std::vector<int>& deleted) const;
    void Write(const std::vector<int>& deleted);
    void Reselect();
    void ShowTextStarts() const;

    QString databaseName_;
    QString table_;
    QString filter_;
    QString orderBy_;
    std::vector<std::pair<QWidget*, QString>> bindings_;
    QString key_;
    // The rows as last read, by key: what the edits are compared with.
    std::map<qint64, QSqlRecord> read_;
    // Each goes before what it uses: the mapper, then the model, then the connection.
    std::unique_ptr<Connection> connection_;
    std::unique_ptr<BoundTableModel> model_;
    std::unique_ptr<QDataWidgetMapper> mapper_;
};

}  // namespace quellmar::maintenance
