#include "gui/child_frame.h"

#include "gui/mdi_frame.h"

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
    if (frame && visible)
        ShowChildFrame(*frame);
    else
        (frame ? static_cast<QWidget&>(*frame) : form).setVisible(visible);
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
