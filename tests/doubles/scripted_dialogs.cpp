#include "doubles/scripted_dialogs.h"

#include "gui/printer_object.h"
#include "gui/wait_cursor.h"

#include <QAbstractButton>
#include <QDialog>

namespace gui {

ScriptedDialogs::ModalAction ScriptedDialogs::Click(const QString& buttonName) {
    return [buttonName](QDialog& dialog) {
        if (auto* button = dialog.findChild<QAbstractButton*>(buttonName)) button->click();
    };
}

ScriptedDialogs::ModalAction ScriptedDialogs::CloseByFrame() {
    return [](QDialog& dialog) { dialog.close(); };
}

ScriptedDialogs::ModalAction ScriptedDialogs::Then(std::function<void(QDialog&)> prepare, const QString& buttonName) {
    return [prepare = std::move(prepare), buttonName](QDialog& dialog) {
        prepare(dialog);
        Click(buttonName)(dialog);
    };
}

std::vector<ShownDialog> ScriptedDialogs::Messages() const {
    std::vector<ShownDialog> messages;
    for (const ShownDialog& shown : shown_)
        if (shown.kind == ShownDialog::Kind::Message) messages.push_back(shown);
    return messages;
}

std::vector<QString> ScriptedDialogs::MessageTexts() const {
    std::vector<QString> texts;
    for (const ShownDialog& shown : Messages()) texts.push_back(shown.text);
    return texts;
}

std::vector<QString> ScriptedDialogs::ModalNames() const {
    std::vector<QString> names;
    for (const ShownDialog& shown : shown_)
        if (shown.kind == ShownDialog::Kind::Modal) names.push_back(shown.formName);
    return names;
}

void ScriptedDialogs::Clear() {
    messageAnswers_.clear();
    fileNames_.clear();
    modalActions_.clear();
    printerAnswers_.clear();
    shown_.clear();
    beeps_ = 0;
}

bool ScriptedDialogs::AllAnswersUsed() const {
    return messageAnswers_.empty() && fileNames_.empty() && modalActions_.empty() && printerAnswers_.empty();
}

int ScriptedDialogs::MsgBox(const QString& prompt, int style, const QString& title) {
    shown_.push_back({ShownDialog::Kind::Message, title, prompt, style, {}, ScreenMousePointer(), false});
    if (!messageAnswers_.empty()) {
        const int answer = messageAnswers_.front();
        messageAnswers_.pop_front();
        return answer;
    }
    const int buttons = style & 0x7;
    return buttons == vbOKOnly || buttons == vbOKCancel ? vbOK : vbCancel;
}

std::optional<QString> ScriptedDialogs::NextFileName(ShownDialog::Kind kind, const FileDialogRequest& request) {
    shown_.push_back({kind, {}, request.filter, 0, {}, ScreenMousePointer(), false});
    if (fileNames_.empty()) return std::nullopt;
    const bool answered = fileNames_.front().has_value();
    const QString name = answered ? *fileNames_.front() : QString();
    fileNames_.pop_front();
    if (!answered) return std::nullopt;
    return name;
}

std::optional<QString> ScriptedDialogs::ShowSave(const FileDialogRequest& request) {
    return NextFileName(ShownDialog::Kind::Save, request);
}

std::optional<QString> ScriptedDialogs::ShowOpen(const FileDialogRequest& request) {
    return NextFileName(ShownDialog::Kind::Open, request);
}

bool ScriptedDialogs::ShowPrinter() {
    shown_.push_back({ShownDialog::Kind::Printer, {}, {}, 0, {}, ScreenMousePointer(), false});
    if (printerAnswers_.empty()) return false;
    auto [accepted, choice] = std::move(printerAnswers_.front());
    printerAnswers_.pop_front();
    if (accepted && choice) choice(ProcessPrinter());
    return accepted;
}

void ScriptedDialogs::ShowModal(QDialog& dialog) {
    const std::size_t index = shown_.size();
    shown_.push_back({ShownDialog::Kind::Modal, dialog.windowTitle(), {}, 0, dialog.objectName(), ScreenMousePointer(), false});
    dialog.show();
    if (!modalActions_.empty()) {
        ModalAction action = std::move(modalActions_.front());
        modalActions_.pop_front();
        action(dialog);
    }
    if (dialog.isVisible()) {
        shown_[index].closedByFrame = true;
        dialog.close();
        // A dialog that refuses to close would block a user; a test must not hang on it either.
        dialog.hide();
    }
}

bool ScriptedDialogs::OpenInBrowser(const QString& path) {
    shown_.push_back({ShownDialog::Kind::Browser, {}, path, 0, {}, ScreenMousePointer(), false});
    return browserStarts_;
}

bool ScriptedDialogs::OpenWebPage(const QString& address) { return OpenInBrowser(address); }

}  // namespace gui
