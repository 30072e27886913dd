#pragma once

#include <string>
#include <string_view>

namespace tiraq {

// Text helpers over the file's bytes (Windows-1252), with the runtime's rules: Trim removes
// blanks only, and upper-casing folds the code page's letters, accented ones included.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);
void AppendUpperCase(std::string& out, std::string_view text);
std::string UpperCase(std::string_view text);

// The first `width` characters of a text, as a fixed-length field keeps them.
inline std::string FitField(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, width));
}

}  // namespace tiraq
