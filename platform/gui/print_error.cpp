#include "gui/print_error.h"

#include "gui/dialog_service.h"
#include "gui/message_text.h"
#include "gui/printer_object.h"

#include <string_view>

namespace gui {
namespace {

// The main window's command that shows the printer dialog (DialogService::ShowPrinter).
constexpr std::string_view kPrintSetup = "File > Print Setup";

}  // namespace

QString PrintErrorText(const std::exception& error) {
    const QString text = ErrorText(error);
    const std::string advice = Printer().FailureAdvice(text.toStdString(), kPrintSetup);
    return advice.empty() ? text : text + "\r\n" + QString::fromStdString(advice);
}

void ReportPrintError(const std::exception& error, const QString& title) {
    Dialogs().MsgBox(PrintErrorText(error), vbOKOnly | vbCritical, title);
}

}  // namespace gui
