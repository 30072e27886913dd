#pragma once

#include <QSize>

class QWidget;

namespace gui {

// Window geometry in the program is given in twips: 1440 per logical inch, 15 per pixel at 96 dpi.
inline constexpr double kTwipsPerInch = 1440.0;

double TwipsPerPixelX();
double TwipsPerPixelY();
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);
QSize TwipsToPixels(double widthTwips, double heightTwips);

// The inner size of a window in pixels, the area its children are placed in: for the main window
// with its multiple-document area that area's viewport, otherwise the widget's own size.
QSize ScaleSize(const QWidget& window);

}  // namespace gui
