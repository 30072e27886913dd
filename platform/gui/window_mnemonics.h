#pragma once

class QKeyEvent;
class QWidget;

namespace gui {

// Alt and a letter, the key of a mnemonic (the letter after "&" in a caption).
bool IsMnemonicKey(const QKeyEvent& key);

// Whether the mnemonics typed while `focus` has the focus are dispatched by PressMnemonic instead of
// by the library's shortcuts: they are in the main window, where the controls of every child window
// would otherwise compete with its menus for the letters.
bool DispatchesMnemonics(const QWidget& focus);

// The mnemonic of `key` pressed with the focus on `focus` in the main window, as the desktop the
// program was made for dispatched it: first among the controls and the own menu bar of the child
// window that holds the focus, then among the main window's shown menus; a letter that none of
// them owns does nothing. A command button or option button is pressed, a label's mnemonic gives
// the focus to its buddy, a frame's to its first control, a menu opens. Where several controls of
// the child window own the letter, the focus moves to the next of them and nothing is pressed.
void PressMnemonic(QWidget& focus, const QKeyEvent& key);

}  // namespace gui
