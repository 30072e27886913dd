#include "gui/guarded.h"

#include "gui/dialog_service.h"

namespace gui {

void ReportError(const std::exception& error, const QString& title) {
    Dialogs().MsgBox(QString::fromUtf8(error.what()), vbOKOnly | vbCritical, title);
}

}  // namespace gui
