#include "gui/twips.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>

#include <cmath>

namespace gui {
namespace {

double LogicalDpi(bool across) {
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen) return 96.0;
    const double dpi = across ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
}

}  // namespace

double TwipsPerPixelX() { return kTwipsPerInch / LogicalDpi(true); }
double TwipsPerPixelY() { return kTwipsPerInch / LogicalDpi(false); }
int TwipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int TwipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }
double PixelsToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
double PixelsToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }
QSize TwipsToPixels(double widthTwips, double heightTwips) {
    return {TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips)};
}

QSize ScaleSize(const QWidget& window) {
    if (const auto* main = qobject_cast<const QMainWindow*>(&window))
        if (const auto* area = qobject_cast<const QMdiArea*>(main->centralWidget())) return area->viewport()->size();
    return window.size();
}

}  // namespace gui
