#include "frame/ole_colour.h"

#include <QApplication>
#include <QPalette>

namespace tiraq {
namespace {

gui::Colour FromQColor(const QColor& colour) {
    return gui::Colour(colour.red()) | gui::Colour(colour.green()) << 8 | gui::Colour(colour.blue()) << 16;
}

}  // namespace

gui::Colour ResolveOleColour(std::uint32_t colour) {
    if ((colour & 0x80000000u) == 0) return colour & 0xFFFFFFu;
    const QPalette palette = QApplication::palette();
    switch (colour & 0xFFu) {
    case 5: return FromQColor(palette.color(QPalette::Base));            // window background
    case 8: return FromQColor(palette.color(QPalette::Text));            // window text
    case 15: return FromQColor(palette.color(QPalette::Button));         // button face
    case 18: return FromQColor(palette.color(QPalette::ButtonText));     // button text
    case 13: return FromQColor(palette.color(QPalette::Highlight));      // selection
    case 14: return FromQColor(palette.color(QPalette::HighlightedText));
    default: return FromQColor(palette.color(QPalette::Window));
    }
}

}  // namespace tiraq
