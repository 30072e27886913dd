#include "gui/fore_color.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace gui {
namespace {
constexpr const char* kProperty = "ForeColor";
}

QColor ColorFromNumber(long number) {
    return QColor(static_cast<int>(number & 0xFF), static_cast<int>((number >> 8) & 0xFF),
                  static_cast<int>((number >> 16) & 0xFF));
}

void SetForeColor(QWidget& widget, long number) {
    widget.setProperty(kProperty, QVariant::fromValue(static_cast<qlonglong>(number)));
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, ColorFromNumber(number));
    palette.setColor(QPalette::Text, ColorFromNumber(number));
    widget.setPalette(palette);
}

long ForeColor(const QWidget& widget) {
    const QVariant value = widget.property(kProperty);
    return value.isValid() ? static_cast<long>(value.toLongLong()) : kColorBlack;
}

}  // namespace gui
