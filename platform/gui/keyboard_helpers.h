#pragma once

#include <initializer_list>

class QLineEdit;
class QWidget;

namespace gui {

// Selects the whole text of a box, so the next keystroke replaces it.
void SelectAllText(QLineEdit& box);
// Selects the whole text whenever the box gets the focus, by keyboard or by mouse. The focus that
// comes back to it when its window is active again or a menu closes leaves it as it was.
void SelectAllOnFocus(QLineEdit& box);
// Enter in the box moves the focus to the next control in tab order, as Tab does; the key itself
// never reaches the box.
void EnterAsTab(QLineEdit& box);
// Sets the tab order to the given widgets, in this order.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace gui
