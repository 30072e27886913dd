#pragma once

#include "vb/date.h"

#include <QString>

class QWidget;

namespace quellmar::printing {

// What a request of the quotation preview window is for: printing at once, or showing the page.
enum class PreviewMode { Print = 1, Preview = 2 };

// What a selection document needs of the quotation preview window: the request, then either
// showing the window (preview) or printing at once. Of the document the preview reads only its
// labels, by name, and only while the document is open.
class PreviewWindow {
public:
    virtual ~PreviewWindow() = default;
    virtual void SetPrintDetails(const QString& company, const QString& address, const QString& attention,
                                 const QString& reference, vb::DateValue quoteDate, const QString& sizedBy,
                                 const QWidget* document, bool showAll, int coolType, PreviewMode modeFlag) = 0;
    virtual void PrintIt() = 0;
    // The window itself, shown as a child of the main window for a preview.
    virtual QWidget* Window() = 0;
};

}  // namespace quellmar::printing
