#pragma once

#include <QObject>
#include <QString>

#include <utility>

namespace gui {

// A new control made from the arguments of its class's constructor, with its control name: the
// name its window's code, the quotation files and the tests know it by.
template <class Control, class... Arguments>
Control* NewControl(const char* name, Arguments&&... arguments) {
    auto* control = new Control(std::forward<Arguments>(arguments)...);
    control->setObjectName(name);
    return control;
}

// Throws std::logic_error naming the window, the control and its class, and how many were found.
[[noreturn]] void WrongControlCount(const QObject& window, const QString& name, const char* className, qsizetype found);

// The one control of class `Control` named `name` among the window's children, for the code that
// keeps it as a typed member while the window is built. A window with none, or with two of that
// name, is a fault of the program: it shows there and then, instead of as a null pointer that a
// handler trips over later.
template <class Control>
Control* ChildControl(const QObject& window, const QString& name) {
    const QList<Control*> found = window.findChildren<Control*>(name);
    if (found.size() != 1) WrongControlCount(window, name, Control::staticMetaObject.className(), found.size());
    return found.front();
}

}  // namespace gui
