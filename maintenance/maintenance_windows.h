#pragma once

namespace quellmar::maintenance {

// Gives the main window its maintenance windows: the model lists, the drawing browser and the
// version editor behind the Models and Edit menus and the toolbar's "dxf" button.
void RegisterMaintenanceWindows();

}  // namespace quellmar::maintenance
