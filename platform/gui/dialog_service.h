#pragma once

#include <QString>

#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace gui {

// Button sets, icons and answers of a message box, with the numbers the program's callers use.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// What a file dialog is asked: the filter in the "Description|pattern|Description|pattern" form,
// the filter chosen first (1-based) and the name the dialog starts with.
struct FileDialogRequest {
    QString filter;
    int filterIndex = 1;
    QString fileName;
};

// Every modal question the program asks goes through this one service, so tests can answer
// questions without a screen and see what was asked. Production shows the real dialogs.
class DialogService {
public:
    virtual ~DialogService() = default;

    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ShowSave(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> ShowOpen(const FileDialogRequest& request) = 0;
    // The printer set-up dialog; false when cancelled.
    virtual bool ShowPrinter() = 0;
    // Shows one of the program's own dialogs modally; returns when the dialog has hidden itself.
    virtual void ShowModal(QDialog& dialog) = 0;
    virtual void Beep() = 0;
    // Opens a local page in the desktop's browser; false when no browser could be started.
    virtual bool OpenInBrowser(const QString& path) = 0;
    // Opens a web page, given by its address, in the desktop's browser; false when none started.
    virtual bool OpenWebPage(const QString& address) = 0;
};

// The service in force. Until one is installed, the production service is used.
DialogService& Dialogs();
// Installs a service for the rest of the process (tests); returns the one it replaces.
std::unique_ptr<DialogService> InstallDialogs(std::unique_ptr<DialogService> service);

// The production service: QMessageBox, QFileDialog (the program asks about overwriting itself),
// QPrintDialog on the one process printer, QDialog::exec.
std::unique_ptr<DialogService> MakeQtDialogs();

// Converts a filter of the "Text|*.quo|All|*.*" form into Qt's, where "*.*" becomes "*" so that
// names without a dot are offered too.
QString QtFileFilter(const QString& filter);

}  // namespace gui
