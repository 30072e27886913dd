#include "gui/mdi_frame.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

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

}  // namespace

void SetMdiFrame(QMainWindow* frame, QMdiArea* area) {
    Frame() = frame;
    Area() = area;
}

QMainWindow* MdiFrame() { return Frame(); }
QMdiArea* MdiArea() { return Area(); }

QMdiSubWindow* AddMdiChild(QWidget* child) {
    if (!Area()) return nullptr;
    QMdiSubWindow* frame = Area()->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
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
    child->show();
    frame->show();
    if (Area()) Area()->setActiveSubWindow(frame);
    return frame;
}

QWidget* ActiveChild() {
    if (!Area()) return nullptr;
    QMdiSubWindow* frame = Area()->currentSubWindow();
    return frame ? frame->widget() : nullptr;
}

QString FormName(const QWidget* child) { return child ? child->objectName() : QString(); }

}  // namespace gui
