#include "gui/mdi_frame.h"

#include <QEvent>
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

// The frame of a child window, made inside the area as the area makes its own (so that it has the
// main window's icon), deleted when it closes.
// - It is no tab stop: Tab from the window's last control would stop on it, and it hands its focus
//   straight back to that control, so Tab would never go round the window.
// - It hides itself for a moment while it is minimised, restored or maximised, and a window that
//   hides hands the focus on to its next control: the focus stays where it is (the cursor and the
//   selection of a box with it).
// - Minimised while it is the active window, it hands the activation, and with it the commands, to
//   the window that now shows in front, as the desktop did.
class ChildWindowFrame final : public QMdiSubWindow {
public:
    explicit ChildWindowFrame(QMdiArea& area) : QMdiSubWindow(area.viewport()) {
        setAttribute(Qt::WA_DeleteOnClose);
        setFocusPolicy(Qt::ClickFocus);
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
        QMdiSubWindow::changeEvent(event);
        --changingState_;
        QMdiArea* area = mdiArea();
        if (minimised && area && area->activeSubWindow() == this)
            if (QMdiSubWindow* front = FrontChild(*area)) area->setActiveSubWindow(front);
    }
    bool focusNextPrevChild(bool next) override {
        return changingState_ > 0 || QMdiSubWindow::focusNextPrevChild(next);
    }

private:
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

}  // namespace

void SetMdiFrame(QMainWindow* frame, QMdiArea* area) {
    Frame() = frame;
    Area() = area;
    // A child window that reaches beyond the area can be scrolled to.
    if (area) {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
