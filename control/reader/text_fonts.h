#pragma once

#include <string>
#include <string_view>

namespace tiraq {

// The control's font settings that decide how text styles map to faces.
struct TextFontSettings {
    bool UseDXFFonts = true;
    std::string MonoFontName = "Courier New";
    float MonoFontScalar = 1;
    std::string PropFontName = "Arial";
    float PropFontScalar = 1;
};

// Text style -> font face and size factor. `Name` comes in holding the style name (compared
// upper-cased and trimmed of blanks) and goes out holding the face; `Scalar` goes out holding the
// factor that multiplies the text height.
void MapTextFont(std::string& Name, float& Scalar, const TextFontSettings& settings);

// The font face of a text style as a text record keeps it, trimmed and cut to its field, with
// the style's size factor in `scalar`.
std::string StyleFontName(std::string_view style, float& scalar, const TextFontSettings& settings);

}  // namespace tiraq
