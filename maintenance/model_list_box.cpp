#include "model_list_box.h"

#include <QListWidget>

namespace quellmar::maintenance {

void FillModelListBox(QListWidget& list, const std::vector<ModelEntry>& models) {
    list.clear();
    for (const ModelEntry& model : models) {
        auto* item = new QListWidgetItem(model.name, &list);
        item->setData(Qt::UserRole, model.coolerId);
    }
    if (list.count() > 0) list.setCurrentRow(0);
}

qint64 SelectedCoolerID(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toLongLong() : 0;
}

}  // namespace quellmar::maintenance
