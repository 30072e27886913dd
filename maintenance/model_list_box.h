#pragma once

#include "model_catalogue.h"

#include <vector>

class QListWidget;

namespace quellmar::maintenance {

// Fills a list box with models: an entry's text is the model's name, its item data the key; the
// first entry is selected.
void FillModelListBox(QListWidget& list, const std::vector<ModelEntry>& models);
// The key of the selected entry, or 0 when nothing is selected.
qint64 SelectedCoolerID(const QListWidget& list);

}  // namespace quellmar::maintenance
