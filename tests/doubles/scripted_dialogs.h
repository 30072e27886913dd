#pragma once

#include "gui/dialog_service.h"

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QPrinter;

namespace gui {

// One question the program asked, as a test sees it.
struct ShownDialog {
    enum class Kind { Message, Save, Open, Printer, Modal, Browser };
    Kind kind = Kind::Message;
    QString title;       // message title, or the window title of a modal dialog
    QString text;        // message prompt, the filter of a file dialog, or the browser's path or address
    int style = 0;       // message box style
    QString formName;    // object name of a modal dialog
    int mousePointer = 0;  // the screen pointer when the question came up
    bool closedByFrame = false;  // a modal dialog that its action left open was closed by its frame
};

// A dialog service for tests: answers come from queues filled beforehand, and every question is
// recorded. A modal dialog is shown (without blocking), its queued action runs on it, and a dialog
// that is still open afterwards is closed through its frame, as a user closing it would.
// Unanswered message boxes answer OK (or Cancel when they have no OK), unanswered file dialogs
// and printer dialogs are cancelled, and unanswered modal dialogs are closed by their frame.
class ScriptedDialogs final : public DialogService {
public:
    using ModalAction = std::function<void(QDialog&)>;
    // What a user chooses in the printer dialog, done on the process printer when it is accepted.
    using PrinterChoice = std::function<void(QPrinter&)>;

    void QueueMessageAnswer(int answer) { messageAnswers_.push_back(answer); }
    void QueueFileName(std::optional<QString> name) { fileNames_.push_back(std::move(name)); }
    void QueueModal(ModalAction action) { modalActions_.push_back(std::move(action)); }
    void QueuePrinterAnswer(bool accepted, PrinterChoice choice = {}) {
        printerAnswers_.push_back({accepted, std::move(choice)});
    }
    void SetBrowserStarts(bool starts) { browserStarts_ = starts; }

    // Actions for QueueModal.
    static ModalAction Click(const QString& buttonName);
    static ModalAction CloseByFrame();
    // Runs `prepare` on the dialog (fill boxes, pick a row), then clicks the named button.
    static ModalAction Then(std::function<void(QDialog&)> prepare, const QString& buttonName);

    const std::vector<ShownDialog>& Shown() const { return shown_; }
    std::vector<ShownDialog> Messages() const;
    std::vector<QString> MessageTexts() const;
    std::vector<QString> ModalNames() const;
    int Beeps() const { return beeps_; }
    void Clear();
    // Answers still waiting when a test ends usually mean the program asked less than expected.
    bool AllAnswersUsed() const;

    int MsgBox(const QString& prompt, int style, const QString& title) override;
    std::optional<QString> ShowSave(const FileDialogRequest& request) override;
    std::optional<QString> ShowOpen(const FileDialogRequest& request) override;
    bool ShowPrinter() override;
    void ShowModal(QDialog& dialog) override;
    void Beep() override { ++beeps_; }
    bool OpenInBrowser(const QString& path) override;
    bool OpenWebPage(const QString& address) override;

private:
    std::optional<QString> NextFileName(ShownDialog::Kind kind, const FileDialogRequest& request);

    std::deque<int> messageAnswers_;
    std::deque<std::optional<QString>> fileNames_;
    std::deque<ModalAction> modalActions_;
    std::deque<std::pair<bool, PrinterChoice>> printerAnswers_;
    bool browserStarts_ = true;
    std::vector<ShownDialog> shown_;
    int beeps_ = 0;
};

}  // namespace gui
