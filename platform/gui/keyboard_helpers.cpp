#include "gui/keyboard_helpers.h"

#include "gui/function_filter.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace gui {
namespace {

// A box keeps its selection while its window is inactive or a menu is open, and the focus that
// comes back to it then is no new arrival: the box stays as it was. Any other focus selects.
bool SelectAllOnFocusIn(QObject* watched, QEvent* event, bool& keptWhileAway) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    const bool awayAndBack = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    if (event->type() == QEvent::FocusOut) {
        keptWhileAway = awayAndBack;
        return false;
    }
    const bool back = keptWhileAway && awayAndBack;
    keptWhileAway = false;
    if (back) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    SelectAllText(*box);
    // A mouse press that gave the focus places the cursor after this event: select again once it
    // is through.
    if (reason == Qt::MouseFocusReason) {
        QPointer<QLineEdit> guarded(box);
        QTimer::singleShot(0, box, [guarded] {
            if (guarded) SelectAllText(*guarded);
        });
    }
    return false;
}

bool TabOnEnter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(watched, &tab);
    return true;
}

}  // namespace

void SelectAllText(QLineEdit& box) { box.setSelection(0, static_cast<int>(box.text().size())); }

void SelectAllOnFocus(QLineEdit& box) {
    FilterEvents(box, [keptWhileAway = false](QObject* watched, QEvent* event) mutable {
        return SelectAllOnFocusIn(watched, event, keptWhileAway);
    });
}

void EnterAsTab(QLineEdit& box) { FilterEvents(box, TabOnEnter); }

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace gui
