#include "gui/center_form.h"

#include "gui/twips.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace gui {
namespace {

QMdiSubWindow* ChildFrameOf(QWidget& frm) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(&frm)) return frame;
    return qobject_cast<QMdiSubWindow*>(frm.parentWidget());
}

// The outer size of a window, its frame included once it has one.
QSize OuterSize(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    return frame.isValid() ? frame.size() : window.size();
}

int Half(int whole, int part) { return static_cast<int>(std::floor((whole - part) / 2.0)); }

}  // namespace

void CenterForm(QWidget& frm, const QWidget* parent) {
    if (QMdiSubWindow* frame = ChildFrameOf(frm)) {
        const QSize area = parent ? ScaleSize(*parent) : frame->parentWidget()->size();
        const QSize own = frame->size();
        frame->move(Half(area.width(), own.width()), Half(area.height(), own.height()));
        return;
    }
    // A window not sized yet takes the size it will show with, so it is centred by that size.
    if (frm.isWindow() && !frm.testAttribute(Qt::WA_Resized)) frm.adjustSize();
    const QSize own = OuterSize(frm);
    // A document's rectangle is that of its child frame.
    if (parent)
        if (auto* parentFrame = qobject_cast<const QMdiSubWindow*>(parent->parentWidget())) parent = parentFrame;
    if (parent && parent->testAttribute(Qt::WA_WState_Created)) {
        // The parent's rectangle on the screen, as the window manager reports it.
        const QRect rect(parent->mapToGlobal(QPoint(0, 0)) - (parent->geometry().topLeft() - parent->frameGeometry().topLeft()),
                         OuterSize(*parent));
        const QRect placed(rect.left() + Half(rect.width(), own.width()), rect.top() + Half(rect.height(), own.height()),
                           own.width(), own.height());
        frm.move(placed.topLeft());
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    frm.move(desk.left() + Half(desk.width(), own.width()), desk.top() + Half(desk.height(), own.height()));
}

}  // namespace gui
