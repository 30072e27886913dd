#include "gui/desktop_keyboard.h"

#include "gui/function_filter.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

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
        // Chosen first: a focus that arrived before would be taken back to the chosen button.
        next->click();
        next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        break;
    }
    return true;
}

bool KeyPress(QObject* watched, const QKeyEvent& key) {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !button->hasFocus()) return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) return false;
    if (IsEnter(key) && qobject_cast<QPushButton*>(button)) {
        button->click();
        return true;
    }
    const QButtonGroup* group = OptionGroupOf(button);
    return group && ChooseByArrow(*button, *group, key.key());
}

// Tabbing into an option group lands on its chosen button.
void FocusIn(QObject* watched, const QFocusEvent& focus) {
    if (focus.reason() != Qt::TabFocusReason && focus.reason() != Qt::BacktabFocusReason) return;
    if (QAbstractButton* chosen = ChosenButton(watched)) chosen->setFocus(focus.reason());
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
        case QEvent::FocusIn: FocusIn(watched, static_cast<QFocusEvent&>(*event)); return false;
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
