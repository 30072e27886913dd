#include "gui/desktop_keyboard.h"

#include "gui/function_filter.h"
#include "gui/window_mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QToolButton>

namespace gui {
namespace {

bool Reachable(const QWidget& widget) { return widget.isEnabled() && !widget.isHidden(); }

// The exclusive group of an option button, or null.
QButtonGroup* OptionGroupOf(const QObject* object) {
    const auto* button = qobject_cast<const QRadioButton*>(object);
    if (!button) return nullptr;
    QButtonGroup* group = button->group();
    return group && group->exclusive() ? group : nullptr;
}

// The chosen button of the group of `button` when the focus may go there, or null.
QAbstractButton* ChosenButton(const QObject* button) {
    const QButtonGroup* group = OptionGroupOf(button);
    QAbstractButton* chosen = group ? group->checkedButton() : nullptr;
    return chosen && chosen != button && Reachable(*chosen) ? chosen : nullptr;
}

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

bool IsCommandButton(const QObject* object) {
    return qobject_cast<const QPushButton*>(object) || qobject_cast<const QToolButton*>(object);
}

// The button of an option group that Tab and Shift+Tab stop at: the chosen one, or the first that
// can be chosen when none is.
QAbstractButton* TabStopOf(const QButtonGroup& group) {
    QAbstractButton* chosen = group.checkedButton();
    if (chosen && Reachable(*chosen)) return chosen;
    for (QAbstractButton* button : group.buttons())
        if (Reachable(*button)) return button;
    return nullptr;
}

// Makes the stop of every option group of the window the only button of its group that Tab
// reaches, so that Tab and Shift+Tab walk the same stops in opposite orders. (Qt moves the stop to
// a button that takes the focus, so a button chosen by code or by the mouse is put right here.)
void SetOptionGroupStops(const QWidget& window) {
    QSet<QButtonGroup*> groups;
    for (const QRadioButton* button : window.findChildren<QRadioButton*>())
        if (QButtonGroup* group = OptionGroupOf(button)) groups.insert(group);
    for (const QButtonGroup* group : groups) {
        const QAbstractButton* stop = TabStopOf(*group);
        for (QAbstractButton* button : group->buttons()) {
            const Qt::FocusPolicy policy = button->focusPolicy();
            button->setFocusPolicy(button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                  : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    }
}

bool IsTab(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && modifiers == Qt::NoModifier;
}

// The arrow keys in an option group: the next or previous button of the group, in its order and
// wrapping at its ends, is chosen and gets the focus.
bool ChooseByArrow(QAbstractButton& focused, const QButtonGroup& group, int key) {
    int step;
    switch (key) {
        case Qt::Key_Down:
        case Qt::Key_Right: step = 1; break;
        case Qt::Key_Up:
        case Qt::Key_Left: step = -1; break;
        default: return false;
    }
    const QList<QAbstractButton*> buttons = group.buttons();
    const auto count = buttons.size();
    const auto at = buttons.indexOf(&focused);
    if (at < 0) return false;
    for (qsizetype i = 1; i < count; ++i) {
        QAbstractButton* next = buttons[((at + step * i) % count + count) % count];
        if (!Reachable(*next)) continue;
        next->click();
        next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        break;
    }
    return true;
}

bool KeyPress(QObject* watched, const QKeyEvent& key) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget != QApplication::focusWidget() || QApplication::activePopupWidget()) return false;
    if (IsTab(key)) {
        SetOptionGroupStops(*widget->window());
        return false;
    }
    // A mnemonic is pressed here, while the focus is still where the letter was typed; the key
    // itself never reaches the control (a letter nobody owns is not typed).
    if (IsMnemonicKey(key)) {
        PressMnemonic(*widget, key);
        return true;
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button) return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) return false;
    if (IsEnter(key) && IsCommandButton(button)) {
        button->click();
        return true;
    }
    const QButtonGroup* group = OptionGroupOf(button);
    return group && ChooseByArrow(*button, *group, key.key());
}

// The main window's mnemonics are kept from the shortcuts, so that the key press comes to the
// focused control, where they are dispatched.
bool ShortcutOverride(QObject* watched, QKeyEvent& key) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget != QApplication::focusWidget() || QApplication::activePopupWidget()) return false;
    if (!IsMnemonicKey(key) || !DispatchesMnemonics(*widget)) return false;
    key.accept();
    return true;
}

// A child window shown for the first time: the focus goes to its first control, unless the
// window gave it to one of its controls already. This runs as the window's contents show,
// before the child frame gives the focus to the first widget that takes any.
void Shown(QObject* watched) {
    auto* content = qobject_cast<QWidget*>(watched);
    const auto* frame = content ? qobject_cast<QMdiSubWindow*>(content->parentWidget()) : nullptr;
    if (!frame || frame->widget() != content || content->focusWidget()) return;
    if (QWidget* first = FirstControl(*content)) first->setFocus(Qt::OtherFocusReason);
}

bool DesktopKeyboard(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: return KeyPress(watched, static_cast<QKeyEvent&>(*event));
        case QEvent::ShortcutOverride: return ShortcutOverride(watched, static_cast<QKeyEvent&>(*event));
        case QEvent::Show: Shown(watched); return false;
        default: return false;
    }
}

}  // namespace

QWidget* FirstControl(QWidget& window) {
    for (QWidget* widget = window.nextInFocusChain(); widget && widget != &window; widget = widget->nextInFocusChain()) {
        if (!window.isAncestorOf(widget)) break;
        if ((widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || widget->focusProxy()) continue;
        if (!widget->isEnabled() || !widget->isVisibleTo(&window)) continue;
        QAbstractButton* chosen = ChosenButton(widget);
        return chosen ? chosen : widget;
    }
    return nullptr;
}

}  // namespace gui

namespace {

// The conventions hold for every window, as the windowing system's did: they are installed with
// the application object.
void InstallDesktopKeyboard() {
    gui::FilterEvents(*QCoreApplication::instance(), gui::DesktopKeyboard);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallDesktopKeyboard)
