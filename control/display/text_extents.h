#pragma once

#include "drawing/drawing_target.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tiraq {

class DrawingDatabase;
class DisplayState;

// Width and height (0.66 of the line height) of a text drawn `pixelHeight` pixels high, in the
// picture's scale units, measured in the picture's own font face: the picture's font size is set
// to that height and stays so. The text is the file's Windows-1252 bytes, blanks at its ends
// ignored.
void MeasureString(gui::DrawingTarget& picture, std::string_view text, std::int32_t pixelHeight, std::int32_t& Width,
                   std::int32_t& Height);

// The extent of the text record at that index, at its pixel height in the last pass. On failure
// (an index outside the texts included) false with the message in `strError`, Width and Height
// unchanged.
bool GetStringDimensions(const DrawingDatabase& db, const DisplayState& state, gui::DrawingTarget& picture,
                         std::string& strError, std::int32_t TextIndex, std::int32_t& Width, std::int32_t& Height);

}  // namespace tiraq
