#include "gui/wait_cursor.h"

#include <QApplication>
#include <QCursor>

namespace gui {
namespace {

constexpr int kDefault = 0;
constexpr int kHourglass = 11;

int& Pointer() {
    static int pointer = kDefault;
    return pointer;
}

void SetPointer(int pointer) {
    if (Pointer() == pointer) return;
    if (qApp) {
        if (pointer == kHourglass)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    Pointer() = pointer;
}

}  // namespace

int ScreenMousePointer() { return Pointer(); }

void SetScreenMousePointer(int pointer) { SetPointer(pointer == kHourglass ? kHourglass : kDefault); }

ScreenPointerWhileAlive::ScreenPointerWhileAlive(int pointer) : remembered_(Pointer()) { SetPointer(pointer); }
ScreenPointerWhileAlive::~ScreenPointerWhileAlive() { SetPointer(remembered_); }

WaitCursor::WaitCursor() : ScreenPointerWhileAlive(kHourglass) {}

NormalCursorWhileModal::NormalCursorWhileModal() : ScreenPointerWhileAlive(kDefault) {}

}  // namespace gui
