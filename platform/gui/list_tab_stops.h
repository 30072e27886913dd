#pragma once

#include <vector>

class QListWidget;

namespace gui {

// Aligns the tab-separated columns of a list's rows at stops given in dialog units (a quarter of
// the list font's average character width each).
void SetListTabStops(QListWidget& list, const std::vector<int>& stopsInDialogUnits);

}  // namespace gui
