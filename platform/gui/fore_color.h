#pragma once

#include <QColor>

class QWidget;

namespace gui {

// Colours as the program numbers them: red in the low byte, then green, then blue
// (255 red, 192 dark red, 0 black).
inline constexpr long kColorBlack = 0;
inline constexpr long kColorRed = 255;
inline constexpr long kColorDarkRed = 192;

QColor ColorFromNumber(long number);

// The text colour of a label (or any widget), kept as its number so callers read back exactly
// what was set.
void SetForeColor(QWidget& widget, long number);
long ForeColor(const QWidget& widget);

}  // namespace gui
