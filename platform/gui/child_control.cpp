#include "child_control.h"

#include <stdexcept>

namespace gui {

void WrongControlCount(const QObject& window, const QString& name, const char* className, qsizetype found) {
    const QString what = found == 0 ? QString("has no %1 named %2").arg(className, name)
                                    : QString("has %1 %2 controls named %3").arg(found).arg(className, name);
    throw std::logic_error(("The window " + window.objectName() + " " + what + ".").toStdString());
}

}  // namespace gui
