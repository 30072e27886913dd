#include "gui/window_mnemonics.h"

#include "gui/desktop_keyboard.h"
#include "gui/mdi_frame.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenuBar>

#include <algorithm>
#include <vector>

namespace gui {
namespace {

// The content of the child window around `widget`, or null.
QWidget* ChildWindowOf(QWidget& widget) {
    for (QWidget* w = &widget; w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w)) return frame->widget();
        if (w->isWindow()) break;
    }
    return nullptr;
}

bool Owns(const QString& caption, const QKeyEvent& key) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return !mnemonic.isEmpty() && mnemonic[0] == QKeyCombination(Qt::AltModifier, Qt::Key(key.key()));
}

// The control of the window that takes the focus for the mnemonic of `owner`.
QWidget* FocusTarget(QWidget& owner) {
    if (auto* label = qobject_cast<QLabel*>(&owner)) return label->buddy();
    if (qobject_cast<QGroupBox*>(&owner)) return FirstControl(owner);
    return owner.focusPolicy() == Qt::NoFocus ? nullptr : &owner;
}

bool OwnsMnemonic(QWidget& widget, const QKeyEvent& key) {
    if (!widget.isVisible() || !widget.isEnabled()) return false;
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) return Owns(button->text(), key);
    if (auto* label = qobject_cast<QLabel*>(&widget)) return label->buddy() && Owns(label->text(), key);
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) return Owns(frame->title(), key);
    return false;
}

// Opens the shown menu of the menu bar whose caption has the mnemonic; false when it has none.
bool OpenMenu(QMenuBar& menus, const QKeyEvent& key) {
    if (!menus.isVisible() || !menus.isEnabled()) return false;
    for (QAction* action : menus.actions()) {
        if (action->isVisible() && action->isEnabled() && Owns(action->text(), key)) {
            menus.setActiveAction(action);
            return true;
        }
    }
    return false;
}

void Press(QWidget& owner) {
    QWidget* target = FocusTarget(owner);
    if (target) target->setFocus(Qt::ShortcutFocusReason);
    if (auto* button = qobject_cast<QAbstractButton*>(&owner)) button->click();
}

// The mnemonic among the controls and menu bars of a child window; false when none owns it.
bool PressInChildWindow(QWidget& window, QWidget& focus, const QKeyEvent& key) {
    std::vector<QWidget*> owners;
    for (QWidget* widget = window.nextInFocusChain(); widget && widget != &window; widget = widget->nextInFocusChain()) {
        if (!window.isAncestorOf(widget)) break;
        if (OwnsMnemonic(*widget, key)) owners.push_back(widget);
    }
    if (owners.size() == 1) {
        Press(*owners.front());
        return true;
    }
    if (!owners.empty()) {
        // As the desktop did with a letter several controls own: the focus moves on, nothing is pressed.
        std::vector<QWidget*> targets;
        for (QWidget* owner : owners)
            if (QWidget* target = FocusTarget(*owner)) targets.push_back(target);
        if (targets.empty()) return true;
        const auto at = std::find(targets.begin(), targets.end(), &focus);
        QWidget* next = at == targets.end() || at + 1 == targets.end() ? targets.front() : *(at + 1);
        next->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    for (QMenuBar* menus : window.findChildren<QMenuBar*>())
        if (OpenMenu(*menus, key)) return true;
    return false;
}

}  // namespace

bool IsMnemonicKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    return modifiers == Qt::AltModifier && !key.text().isEmpty() && key.text().front().isPrint();
}

bool DispatchesMnemonics(const QWidget& focus) {
    const QMainWindow* frame = MdiFrame();
    return frame && focus.window() == frame;
}

void PressMnemonic(QWidget& focus, const QKeyEvent& key) {
    if (!DispatchesMnemonics(focus)) return;
    if (QWidget* window = ChildWindowOf(focus); window && PressInChildWindow(*window, focus, key)) return;
    // The other child windows own none of their letters meanwhile, nor does a hidden menu (which
    // would leave the menu bar waiting for keys).
    if (auto* menus = qobject_cast<QMenuBar*>(MdiFrame()->menuWidget())) OpenMenu(*menus, key);
}

}  // namespace gui
