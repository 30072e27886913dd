#pragma once

#include "cooler_type.h"

#include "vb/date.h"

#include <QString>

#include <functional>

class QWidget;

namespace quellmar::shell {

class SelectionDocument;

// What a request of the quotation preview window is for: printing at once, or showing the page.
enum class PreviewMode { Print = 1, Preview = 2 };

// What a selection document needs of the quotation preview window: the request, then either
// showing the window (preview) or printing at once.
class PreviewWindow {
public:
    virtual ~PreviewWindow() = default;
    virtual void SetPrintDetails(const QString& company, const QString& address, const QString& attention,
                                 const QString& reference, vb::DateValue quoteDate, const QString& sizedBy,
                                 SelectionDocument* formIn, bool showAll, int coolType, PreviewMode modeFlag) = 0;
    virtual void PrintIt() = 0;
    // The window itself, shown as a child of the main window for a preview.
    virtual QWidget* Window() = 0;
};

// The windows that the main window and the documents open but that other parts of the program
// build. Each part registers its makers when the program starts; a command whose window has no
// maker does nothing, like any command that does not apply.
struct ChildWindowMakers {
    std::function<SelectionDocument*()> waterSelection;   // frmWaterSelection
    std::function<SelectionDocument*()> mobileSelection;  // frmMobileSelection
    std::function<PreviewWindow*()> preview;              // frmPreview
    std::function<QWidget*(CoolerType coolerType)> selectEdit;  // frmSelectEdit of the air-cooled or mobile models
    std::function<QWidget*()> selectEditWater;            // frmSelectEditWater
    std::function<QWidget*()> selectDxf;                  // frmSelectDxf
    std::function<QWidget*()> version;                    // frmVersion
};

ChildWindowMakers& ChildWindows();

}  // namespace quellmar::shell
