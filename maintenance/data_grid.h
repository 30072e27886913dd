#pragma once

#include <QTableView>

namespace quellmar::maintenance {

class DataControl;
class NewRowProxy;

// A grid bound to a data control: it shows the control's rows with an empty row below them for a
// new one, and writes a row's edits when the user moves to another row (and when its window has
// the control write the rest). Delete removes the selected rows at once.
class DataGrid : public QTableView {
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);

    // Binds the grid to a control that has been refreshed.
    void SetDataSource(DataControl& control);
    DataControl* DataSource() const { return control_; }

    void SetAllowAddNew(bool allow);
    void SetAllowUpdate(bool allow);
    void SetAllowDelete(bool allow) { allowDelete_ = allow; }
    bool AllowAddNew() const;
    bool AllowUpdate() const;
    bool AllowDelete() const { return allowDelete_; }

    // Writes the edited rows now; errors are shown, the edits stay in the grid.
    void SubmitPending();
    // Takes what is typed into a cell still open for editing into the rows, as leaving the cell
    // does: a window that closes without the focus leaving the cell would otherwise lose it.
    void CommitOpenCell();
    // Removes the rows of the current selection (whole rows), if deleting is allowed.
    void DeleteSelectedRows();

signals:
    // A new row was begun at `row` of the control's model; the handler fills its key.
    void OnAddNew(int row);

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CurrentRowChanged(const QModelIndex& current, const QModelIndex& previous);

    DataControl* control_ = nullptr;
    NewRowProxy* proxy_;
    bool allowDelete_ = true;
    bool submitQueued_ = false;
};

}  // namespace quellmar::maintenance
