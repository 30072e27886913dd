#pragma once

namespace gui {

// The screen mouse pointer as the program sets it: 0 the default arrow, 11 the hourglass.
int ScreenMousePointer();
// Sets it, as the drawing component does around its long operations (0 or 11).
void SetScreenMousePointer(int pointer);

// Shows the hourglass for its lifetime and restores the pointer it found, on every exit path.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    int remembered_;
};

// Shows the default pointer while a modal dialog is up, even inside a WaitCursor's lifetime, and
// puts the hourglass back afterwards: a user is never left waiting on a question under an hourglass.
class NormalCursorWhileModal {
public:
    NormalCursorWhileModal();
    ~NormalCursorWhileModal();
    NormalCursorWhileModal(const NormalCursorWhileModal&) = delete;
    NormalCursorWhileModal& operator=(const NormalCursorWhileModal&) = delete;

private:
    int remembered_;
};

}  // namespace gui
