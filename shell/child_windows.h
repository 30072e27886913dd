#pragma once

#include "cooler_type.h"

#include <functional>

class QWidget;

namespace quellmar::printing {
class PreviewWindow;
enum class PreviewMode;
}

namespace quellmar::shell {

class SelectionDocument;

// The windows that the main window and the documents open but that other parts of the program
// build. Each part registers its makers when the program starts; a command whose window has no
// maker does nothing, like any command that does not apply.
struct ChildWindowMakers {
    std::function<SelectionDocument*()> waterSelection;   // frmWaterSelection
    std::function<SelectionDocument*()> mobileSelection;  // frmMobileSelection
    std::function<printing::PreviewWindow*()> preview;    // frmPreview
    std::function<QWidget*(CoolerType coolerType)> selectEdit;  // frmSelectEdit of the air-cooled or mobile models
    std::function<QWidget*()> selectEditWater;            // frmSelectEditWater
    std::function<QWidget*()> selectDxf;                  // frmSelectDxf
    std::function<QWidget*()> version;                    // frmVersion
};

ChildWindowMakers& ChildWindows();

}  // namespace quellmar::shell
