#include "gui/child_frame.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace gui {

QMdiSubWindow* ChildFrame(const QWidget& form) { return qobject_cast<QMdiSubWindow*>(form.parentWidget()); }

void UnloadForm(QWidget& form) {
    if (QMdiSubWindow* frame = ChildFrame(form))
        frame->close();
    else
        form.close();
}

void SetFormVisible(QWidget& form, bool visible) {
    QMdiSubWindow* frame = ChildFrame(form);
    QWidget& window = frame ? static_cast<QWidget&>(*frame) : form;
    window.setVisible(visible);
    if (!visible || !frame) return;
    if (QMdiArea* area = frame->mdiArea()) area->setActiveSubWindow(frame);
}

bool FormVisible(const QWidget& form) {
    const QMdiSubWindow* frame = ChildFrame(form);
    return frame ? !frame->isHidden() : !form.isHidden();
}

void MoveFormToTop(QWidget& form) {
    QWidget* frame = ChildFrame(form);
    QWidget& window = frame ? *frame : form;
    window.move(window.x(), 0);
}

}  // namespace gui
