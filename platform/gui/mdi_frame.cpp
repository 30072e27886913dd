#include "gui/mdi_frame.h"

#include "gui/desktop_keyboard.h"
#include "gui/function_filter.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace gui {
namespace {

QPointer<QMainWindow>& Frame() {
    static QPointer<QMainWindow> frame;
    return frame;
}

QPointer<QMdiArea>& Area() {
    static QPointer<QMdiArea> area;
    return area;
}

bool OtherChildMaximised(const QMdiArea& area, const QMdiSubWindow& frame) {
    for (const QMdiSubWindow* other : area.subWindowList())
        if (other != &frame && other->isVisible() && other->isMaximized()) return true;
    return false;
}

// Moves the frame inside the area's visible part. Where that part is smaller, a window whose
// contents are laid out gives way down to their minimum size; a window whose controls stand where
// its load put them keeps its size. What is still larger stays at the top left, and the area
// scrolls to the rest.
void FitInVisibleArea(QMdiSubWindow& frame) {
    const QWidget* viewport = frame.parentWidget();
    if (!viewport) return;
    const QSize room = viewport->size();
    QSize size = frame.size();
    if (frame.widget() && frame.widget()->layout())
        size = size.boundedTo(room).expandedTo(frame.minimumSizeHint()).expandedTo(frame.minimumSize());
    const int x = std::max(0, std::min(frame.x(), room.width() - size.width()));
    const int y = std::max(0, std::min(frame.y(), room.height() - size.height()));
    frame.setGeometry(x, y, size.width(), size.height());
}

// The child window shown in front: the top one that is neither hidden nor minimised, or null.
QMdiSubWindow* FrontChild(const QMdiArea& area) {
    const QList<QMdiSubWindow*> stack = area.subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if ((*it)->isVisible() && !(*it)->isMinimized()) return *it;
    return nullptr;
}

// While it lives, the focus that a change of state takes from `control`, the control that has the
// focus in its window, and gives back to it leaves and comes back as it does when the window is
// deactivated and activated again: a box keeps its cursor and selection, and the focus coming back
// is no new arrival at the box. (A control that has the focus for a moment meanwhile gets it as
// the library gives it, and loses its selection with it.)
class FocusKeptByTheControl final : public QObject {
public:
    explicit FocusKeptByTheControl(QWidget* control) : control_(control) {
        if (control_) QCoreApplication::instance()->installEventFilter(this);
    }
    ~FocusKeptByTheControl() override {
        if (control_) QCoreApplication::instance()->removeEventFilter(this);
    }
    FocusKeptByTheControl(const FocusKeptByTheControl&) = delete;
    FocusKeptByTheControl& operator=(const FocusKeptByTheControl&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != control_ || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)) return false;
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) return false;
        QFocusEvent reactivation(event->type(), Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(watched, &reactivation);
        return true;
    }

private:
    const QWidget* control_;
};

// The frame of a child window, made inside the area as the area makes its own (so that it has the
// main window's icon), deleted when it closes.
// - It never takes the focus itself from its window's controls: Tab from the window's last control
//   would stop on it (and it hands its focus straight back to that control, so Tab would never go
//   round the window), and a click on its title or its buttons would take the focus from the box
//   being typed in, which gets it back as if the user had just come to it.
// - It hides itself for a moment while it is minimised, restored or maximised, and a window that
//   hides hands the focus on to its next control: the focus stays where it is (the cursor and the
//   selection of a box with it).
// - Minimised, it holds the focus itself, and restored it gives it back to the control that had it;
//   the focus leaves and comes back as with the window's deactivation, so a box keeps its cursor
//   and selection.
// - Minimised while it is the active window, it hands the activation, and with it the commands, to
//   the window that now shows in front, as the desktop did; minimised and made the active window,
//   it comes above the others, where its title shows.
class ChildWindowFrame final : public QMdiSubWindow {
public:
    explicit ChildWindowFrame(QMdiArea& area) : QMdiSubWindow(area.viewport()) {
        setAttribute(Qt::WA_DeleteOnClose);
        setFocusPolicy(Qt::NoFocus);
        connect(this, &QMdiSubWindow::aboutToActivate, this, [this] {
            if (isMinimized()) raise();
        });
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() != QEvent::WindowStateChange) {
            QMdiSubWindow::changeEvent(event);
            return;
        }
        const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        const bool minimised = isMinimized() && !(before & Qt::WindowMinimized);
        ++changingState_;
        {
            const FocusKeptByTheControl kept(widget() ? widget()->focusWidget() : nullptr);
            QMdiSubWindow::changeEvent(event);
        }
        --changingState_;
        QMdiArea* area = mdiArea();
        if (minimised && area && area->activeSubWindow() == this)
            if (QMdiSubWindow* front = FrontChild(*area)) area->setActiveSubWindow(front);
        GiveFocusToTheWindow();
    }
    void focusInEvent(QFocusEvent* event) override {
        QMdiSubWindow::focusInEvent(event);
        GiveFocusToTheWindow();
    }
    bool focusNextPrevChild(bool next) override {
        return changingState_ > 0 || QMdiSubWindow::focusNextPrevChild(next);
    }

private:
    // The frame holds the focus only while it is minimised; shown, it gives the focus back to the
    // control of its window that had it (or the first one), as when the window is activated again.
    void GiveFocusToTheWindow() {
        if (!hasFocus() || isMinimized() || !widget() || !widget()->isVisible()) return;
        QWidget* control = widget()->focusWidget();
        if (!control || !control->isVisible() || !control->isEnabled()) control = FirstControl(*widget());
        if (control) control->setFocus(Qt::ActiveWindowFocusReason);
    }

    int changingState_ = 0;
};

// Only the active child window is ever maximised: the main window names it in its title and holds
// its buttons in the menu bar, so a maximised window left behind another would have the title and
// the buttons while a different window shows. (A hidden one stays hidden.)
void RestoreOtherMaximised(const QMdiArea& area, const QMdiSubWindow& frame) {
    for (QMdiSubWindow* other : area.subWindowList())
        if (other != &frame && other->isMaximized())
            other->setWindowState(other->windowState() & ~Qt::WindowMaximized);
}

// Shows the frame and activates it. The area would maximise the frame as soon as it shows, while
// another child is maximised; the window's own geometry, set while it shows, would then be taken
// for the maximised one. So the frame shows at its own size first and is maximised afterwards.
void Present(QMdiSubWindow& frame, bool fit) {
    QMdiArea* area = frame.mdiArea();
    if (!area) {
        frame.show();
        return;
    }
    const bool maximise = OtherChildMaximised(*area, frame) && (frame.windowFlags() & Qt::WindowMaximizeButtonHint);
    const bool keptNormal = area->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    if (frame.widget()) frame.widget()->show();
    frame.show();
    if (fit) FitInVisibleArea(frame);
    area->setActiveSubWindow(&frame);
    area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, keptNormal);
    if (maximise) {
        RestoreOtherMaximised(*area, frame);
        frame.showMaximized();
    }
}

// Ctrl+F6 and Ctrl+Tab: the child window after the active one in the order in which they were
// opened (the one before it for Shift), wrapping round at the ends, becomes the active one, so that
// the key pressed again and again visits every child window in turn, minimised ones too.
void ActivateNextChild(QMdiArea& area, bool forward) {
    QList<QMdiSubWindow*> shown = area.subWindowList(QMdiArea::CreationOrder);
    shown.removeIf([](const QMdiSubWindow* frame) { return frame->isHidden(); });
    if (shown.isEmpty()) return;
    const qsizetype count = shown.size();
    const qsizetype at = shown.indexOf(area.currentSubWindow());
    const qsizetype next = at < 0 ? (forward ? 0 : count - 1) : (at + (forward ? 1 : count - 1)) % count;
    area.setActiveSubWindow(shown[next]);
}

// Ctrl+F6 and Ctrl+Tab go to the next child window, with Shift to the one before; 0 for another key.
int ChildWindowStep(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool back = modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    if (key.key() == Qt::Key_Backtab) return back ? -1 : 0;
    if (key.key() != Qt::Key_F6 && key.key() != Qt::Key_Tab) return 0;
    return modifiers == Qt::ControlModifier ? 1 : back ? -1 : 0;
}

bool IsEnter(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The desktop's keys for the child windows, pressed anywhere in the main window: Ctrl+F6 and
// Ctrl+Tab walk the child windows (before a control or the area's own Ctrl+Tab, which only goes
// back to the window active before, can take the key); Alt+minus opens the window menu of the
// active one (Restore, Move, Size, Minimise, Maximise, Close); Enter restores a minimised one that
// has the focus.
bool ChildWindowKeys(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget()) return false;
    QMdiArea* area = Area();
    const auto* focus = static_cast<QWidget*>(watched);
    if (!area || !Frame() || focus->window() != Frame() || QApplication::activePopupWidget()) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (const int step = ChildWindowStep(key)) {
        ActivateNextChild(*area, step > 0);
        return true;
    }
    QMdiSubWindow* active = area->currentSubWindow();
    if (!active) return false;
    if (key.key() == Qt::Key_Minus && (key.modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
        active->showSystemMenu();
        return true;
    }
    if (focus != active || !active->isMinimized() || !IsEnter(key)) return false;
    active->showNormal();
    return true;
}

}  // namespace

void SetMdiFrame(QMainWindow* frame, QMdiArea* area) {
    Frame() = frame;
    Area() = area;
    if (area) {
        // A child window that reaches beyond the area can be scrolled to.
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // Installed after the area's own filter of the application's keys, so it comes first.
        QCoreApplication::instance()->installEventFilter(new FunctionFilter(area, ChildWindowKeys));
    }
}

QMainWindow* MdiFrame() { return Frame(); }
QMdiArea* MdiArea() { return Area(); }

QMdiSubWindow* AddMdiChild(QWidget* child) {
    if (!Area()) return nullptr;
    auto* frame = new ChildWindowFrame(*Area());
    frame->setWidget(child);
    Area()->addSubWindow(frame);
    frame->setObjectName(child->objectName() + "Frame");
    return frame;
}

QMdiSubWindow* ShowMdiChild(QWidget* child) {
    QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(child->parentWidget());
    if (!frame) frame = AddMdiChild(child);
    if (!frame) {
        child->setAttribute(Qt::WA_DeleteOnClose);
        child->show();
        return nullptr;
    }
    Present(*frame, true);
    return frame;
}

void ShowChildFrame(QMdiSubWindow& frame) { Present(frame, false); }

QWidget* ActiveChild() {
    if (!Area()) return nullptr;
    QMdiSubWindow* frame = Area()->currentSubWindow();
    return frame ? frame->widget() : nullptr;
}

QString FormName(const QWidget* child) { return child ? child->objectName() : QString(); }

}  // namespace gui
