#pragma once

namespace gui {

// The screen mouse pointer as the program sets it: 0 the default arrow, 11 the hourglass.
int ScreenMousePointer();
// Sets it, as the drawing component does around its long operations (0 or 11).
void SetScreenMousePointer(int pointer);

// Shows a pointer for its lifetime and restores the one it found, on every exit path.
class ScreenPointerWhileAlive {
public:
    explicit ScreenPointerWhileAlive(int pointer);
    ~ScreenPointerWhileAlive();
    ScreenPointerWhileAlive(const ScreenPointerWhileAlive&) = delete;
    ScreenPointerWhileAlive& operator=(const ScreenPointerWhileAlive&) = delete;

private:
    int remembered_;
};

// The hourglass, for its lifetime.
class WaitCursor : public ScreenPointerWhileAlive {
public:
    WaitCursor();
};

// The default pointer while a modal dialog is up, even inside a WaitCursor's lifetime, and the
// hourglass back afterwards: a user is never left waiting on a question under an hourglass.
class NormalCursorWhileModal : public ScreenPointerWhileAlive {
public:
    NormalCursorWhileModal();
};

}  // namespace gui
