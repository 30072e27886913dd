#pragma once

// What the metafile devices share of the platform's drawing calls: how a text anchor, a font's
// height and a rotation become the numbers a metafile record takes. No platform header here:
// the enhanced-metafile library's headers define macros that would clash.

#include "drawing/drawing_surface.h"

#include <cstdint>
#include <string_view>

namespace tiraq::gdi {

inline constexpr std::uint16_t kTextAlignLeft = 0;
inline constexpr std::uint16_t kTextAlignRight = 2;
inline constexpr std::uint16_t kTextAlignCenter = 6;
inline constexpr std::uint16_t kTextAlignBaseline = 24;

// The text-align flags that put the anchor on the baseline at the text's left, centre or right.
std::uint16_t TextAlignFlags(gui::TextAlign align);

// A font's height as the platform takes it: positive for a cell height, negative for an em height.
std::int32_t FontHeight(const gui::TextFont& font);

// A rotation in degrees as tenths of a degree.
std::int32_t Escapement(double rotation);

// An estimate of a text's extent for devices that cannot measure: about half an em per character.
gui::TextMetrics EstimatedTextMetrics(const gui::TextFont& font, std::string_view utf8);

}  // namespace tiraq::gdi
