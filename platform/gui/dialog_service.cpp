#include "gui/dialog_service.h"

#include "gui/center_form.h"
#include "gui/mdi_frame.h"
#include "gui/message_text.h"
#include "gui/printer_object.h"
#include "gui/wait_cursor.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

namespace gui {
namespace {

std::unique_ptr<DialogService>& Current() {
    static std::unique_ptr<DialogService> service;
    return service;
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case vbCritical: return QMessageBox::Critical;
        case vbQuestion: return QMessageBox::Question;
        case vbExclamation: return QMessageBox::Warning;
        case vbInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(int style) {
    switch (style & 0x7) {
        case vbOKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case vbYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case vbYesNo: return QMessageBox::Yes | QMessageBox::No;
        default: return QMessageBox::Ok;
    }
}

// The window a question comes from: a modal dialog that is up, else the active child window of the
// main window (the one whose command asks), else the main window. The application's active window
// does not serve: it is none as soon as one dialog has closed while no window manager hands the
// activation back.
QWidget* AskingWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    // A minimised child window hides its contents: the main window asks for it.
    if (QWidget* child = ActiveChild(); child && child->isVisible()) return child;
    if (QWidget* main = MdiFrame(); main && main->isVisible()) return main;
    return QApplication::activeWindow();
}

QWidget* TopLevelOf(QWidget* window) { return window ? window->window() : nullptr; }

// A message box centred over the window that asks, once it knows its own size.
class CentredMessageBox final : public QMessageBox {
public:
    CentredMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* asker)
        : QMessageBox(icon, title, text, buttons, TopLevelOf(asker)), asker_(asker) {}

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (asker_) CenterForm(*this, asker_);
    }

private:
    QPointer<QWidget> asker_;
};

// One question on the screen: the normal pointer while it is up, and once it is answered the
// window that asked has the keyboard again, as the desktop hands it back when a dialog closes
// (without a window manager nobody else would).
class Question {
public:
    Question() : asker_(AskingWindow()), window_(TopLevelOf(asker_)) {}
    ~Question() {
        if (window_ && window_->isVisible()) window_->activateWindow();
    }
    Question(const Question&) = delete;
    Question& operator=(const Question&) = delete;

    QWidget* Asker() const { return asker_; }
    QWidget* Window() const { return window_; }

private:
    NormalCursorWhileModal normal_;
    QPointer<QWidget> asker_;
    QPointer<QWidget> window_;
};

int AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes: return vbYes;
        case QMessageBox::No: return vbNo;
        case QMessageBox::Cancel: return vbCancel;
        default: return vbOK;
    }
}

class QtDialogs final : public DialogService {
public:
    int MsgBox(const QString& prompt, int style, const QString& title) override {
        const Question question;
        CentredMessageBox box(IconOf(style), title, MessageBoxText(prompt), ButtonsOf(style), question.Asker());
        // Shown as it stands: a quoted line of a file is never taken for markup.
        box.setTextFormat(Qt::PlainText);
        return AnswerOf(static_cast<QMessageBox::StandardButton>(box.exec()));
    }

    std::optional<QString> ShowSave(const FileDialogRequest& request) override {
        return Ask(request, QFileDialog::AcceptSave);
    }

    std::optional<QString> ShowOpen(const FileDialogRequest& request) override {
        return Ask(request, QFileDialog::AcceptOpen);
    }

    bool ShowPrinter() override {
        const Question question;
        QPrintDialog dialog(&ProcessPrinter(), question.Window());
        // The dialog only chooses the printer and its settings: nothing is printed from it.
        dialog.setWindowTitle("Print Setup");
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("&Set Up");
        return dialog.exec() == QDialog::Accepted;
    }

    void ShowModal(QDialog& dialog) override {
        const Question question;
        dialog.exec();
    }

    void Beep() override { QApplication::beep(); }

    bool OpenInBrowser(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }

    bool OpenWebPage(const QString& address) override { return QDesktopServices::openUrl(QUrl(address)); }

private:
    static std::optional<QString> Ask(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
        const Question question;
        QFileDialog dialog(question.Window());
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // The program asks before it overwrites a file, with its own dialog.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = QtFileFilter(request.filter).split(";;");
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
            dialog.selectNameFilter(filters[request.filterIndex - 1]);
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

}  // namespace

DialogService& Dialogs() {
    if (!Current()) Current() = MakeQtDialogs();
    return *Current();
}

std::unique_ptr<DialogService> InstallDialogs(std::unique_ptr<DialogService> service) {
    std::unique_ptr<DialogService> previous = std::move(Current());
    Current() = std::move(service);
    return previous;
}

std::unique_ptr<DialogService> MakeQtDialogs() { return std::make_unique<QtDialogs>(); }

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == "*.*") pattern = "*";
        }
        QString description = parts[i];
        // Qt reads the patterns from the parentheses of the description.
        const int open = description.lastIndexOf('(');
        if (open >= 0) description = description.left(open).trimmed();
        filters << QString("%1 (%2)").arg(description, patterns.join(' '));
    }
    return filters.join(";;");
}

}  // namespace gui
