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

WaitCursor::WaitCursor() : remembered_(Pointer()) { SetPointer(kHourglass); }
WaitCursor::~WaitCursor() { SetPointer(remembered_); }

NormalCursorWhileModal::NormalCursorWhileModal() : remembered_(Pointer()) { SetPointer(kDefault); }
NormalCursorWhileModal::~NormalCursorWhileModal() { SetPointer(remembered_); }

}  // namespace gui
