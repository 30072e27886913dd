#include "other_models_dialog.h"

#include "gui/child_control.h"
#include "gui/list_tab_stops.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quellmar::shell {

OtherModelsDialog::OtherModelsDialog(QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), heading_(new QLabel(this)) {
    setObjectName("frmOtherModels");
    list_->setObjectName("List1");
    list_->setMinimumSize(420, 220);
    heading_->setObjectName("lblRowHeading");
    heading_->setTextFormat(Qt::PlainText);
    auto* note = new QLabel("Current Selected Model is Highlighted", this);
    note->setObjectName("Label1");
    auto* ok = gui::NewControl<QPushButton>("cmdOK", "&OK", this);
    auto* cancel = gui::NewControl<QPushButton>("cmdCancel", "&Cancel", this);
    connect(ok, &QPushButton::clicked, this, &OtherModelsDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    connect(list_, &QListWidget::itemDoubleClicked, this, &OtherModelsDialog::cmdOK_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note, 1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

void OtherModelsDialog::SetTabStops(const std::vector<int>& stops) { gui::SetListTabStops(*list_, stops); }

void OtherModelsDialog::AddRow(const QString& text, long coolerId) {
    auto* item = new QListWidgetItem(text, list_);
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<qlonglong>(coolerId)));
}

void OtherModelsDialog::SetRowHeading(const QString& heading) {
    // Spaces align the heading over the columns, as they are.
    heading_->setText(heading);
}

void OtherModelsDialog::cmdOK_Click() {
    const QListWidgetItem* item = list_->currentItem();
    if (item && item->isSelected()) SelectedCoolerID = static_cast<long>(item->data(Qt::UserRole).toLongLong());
    hide();
}

void OtherModelsDialog::reject() { hide(); }

}  // namespace quellmar::shell
