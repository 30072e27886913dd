#include "gui/guarded.h"

#include "gui/dialog_service.h"
#include "gui/message_text.h"

namespace gui {

void ReportError(const std::exception& error, const QString& title) {
    Dialogs().MsgBox(ErrorText(error), vbOKOnly | vbCritical, title);
}

}  // namespace gui
