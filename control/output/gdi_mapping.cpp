#include "output/gdi_mapping.h"

#include <cmath>

namespace tiraq::gdi {

std::uint16_t TextAlignFlags(gui::TextAlign align) {
    switch (align) {
    case gui::TextAlign::Center: return kTextAlignBaseline | kTextAlignCenter;
    case gui::TextAlign::Right: return kTextAlignBaseline | kTextAlignRight;
    case gui::TextAlign::Left: break;
    }
    return kTextAlignBaseline | kTextAlignLeft;
}

std::int32_t FontHeight(const gui::TextFont& font) {
    const auto height = std::int32_t(std::lround(font.pixelHeight));
    return font.heightKind == gui::TextFont::Height::Em ? -height : height;
}

std::int32_t Escapement(double rotation) { return std::int32_t(std::lround(rotation * 10)); }

gui::TextMetrics EstimatedTextMetrics(const gui::TextFont& font, std::string_view utf8) {
    // A cell is about 1.15 em high, four fifths of it above the baseline.
    const double em = font.heightKind == gui::TextFont::Height::Em ? font.pixelHeight : font.pixelHeight / 1.15;
    std::size_t characters = 0;
    for (const char c : utf8) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    const double height = em * 1.15;
    return gui::TextMetrics{.width = 0.55 * em * double(characters), .height = height, .ascent = 0.8 * height};
}

}  // namespace tiraq::gdi
