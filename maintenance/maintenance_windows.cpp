#include "maintenance_windows.h"

#include "drawing_window.h"
#include "model_list.h"
#include "select_dxf.h"
#include "version_form.h"

#include "child_windows.h"

namespace quellmar::maintenance {

void RegisterMaintenanceWindows() {
    shell::ChildWindowMakers& makers = shell::ChildWindows();
    makers.selectEdit = [](shell::CoolerType coolerType) -> QWidget* {
        auto* list = new frmSelectEdit;
        list->Initialise(coolerType == shell::CoolerType::Mobile ? Family::Mobile : Family::Air);
        return list;
    };
    makers.selectEditWater = []() -> QWidget* { return new frmSelectEditWater; };
    makers.selectDxf = []() -> QWidget* { return new frmSelectDxf; };
    makers.version = []() -> QWidget* { return new frmVersion; };
    RegisterDrawingWindow();
}

}  // namespace quellmar::maintenance
