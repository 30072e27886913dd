#include "data_grid.h"

#include "bound_table_model.h"
#include "data_control.h"
#include "new_row_proxy.h"

#include "gui/guarded.h"
#include "vb/format.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>

#include <vector>

namespace quellmar::maintenance {
namespace {

// Cells show and take numbers as the program writes them, never in the user's locale, and a
// number is edited as the text it is, so no digit is lost to a spin box's decimals.
class CellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale&) const override { return Text(value); }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* box = new QLineEdit(parent);
        box->setFrame(false);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(Text(index.data(Qt::EditRole)));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
    }

private:
    static QString Text(const QVariant& value) {
        if (value.typeId() == QMetaType::Double) return QString::fromStdString(vb::CStr(value.toDouble()));
        return value.toString();
    }
};

}  // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), proxy_(new NewRowProxy(this)) {
    setItemDelegate(new CellDelegate(this));
    proxy_->SetNewRowHook([this](int row) { emit OnAddNew(row); });
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab goes on to the next control of the window, as on the desktop's data-bound grid; the
    // arrow keys move between the cells.
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void DataGrid::SetDataSource(DataControl& control) {
    control_ = &control;
    proxy_->setSourceModel(&control.Model());
    setModel(proxy_);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DataGrid::CurrentRowChanged);
}

void DataGrid::SetAllowAddNew(bool allow) { proxy_->SetAllowAddNew(allow); }
void DataGrid::SetAllowUpdate(bool allow) { proxy_->SetAllowUpdate(allow); }
bool DataGrid::AllowAddNew() const { return proxy_->AllowAddNew(); }
bool DataGrid::AllowUpdate() const { return proxy_->AllowUpdate(); }

void DataGrid::CurrentRowChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (!control_ || !previous.isValid() || current.row() == previous.row() || submitQueued_) return;
    if (!control_->Model().isDirty()) return;
    // Writing reads the rows anew, which must not happen while the view is still moving.
    submitQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        submitQueued_ = false;
        SubmitPending();
    });
}

void DataGrid::SubmitPending() {
    if (!control_) return;
    const QModelIndex current = currentIndex();
    gui::Guarded([this] { control_->UpdateRecord(); });
    if (current.isValid()) setCurrentIndex(model()->index(std::min(current.row(), model()->rowCount() - 1), current.column()));
}

void DataGrid::CommitOpenCell() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DataGrid::DeleteSelectedRows() {
    if (!control_ || !allowDelete_ || !selectionModel()) return;
    std::vector<int> rows;
    for (const QModelIndex& row : selectionModel()->selectedRows())
        if (!proxy_->IsNewRow(row)) rows.push_back(row.row());
    if (rows.empty()) return;
    gui::Guarded([&] { control_->DeleteRows(rows); });
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Tab in a cell being typed into keeps what was typed and leaves the grid, as Tab does
    // elsewhere in it, instead of opening the next cell.
    const bool tab = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, tab ? QAbstractItemDelegate::NoHint : hint);
    if (tab) focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState && allowDelete_ &&
        selectionModel() && !selectionModel()->selectedRows().isEmpty()) {
        DeleteSelectedRows();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace quellmar::maintenance
