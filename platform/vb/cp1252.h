#pragma once

#include "vb/export.h"

#include <string>
#include <string_view>
#include <vector>

namespace vb {

// Files that the program writes in the Windows code page (quotation files, DXF) are Windows-1252
// bytes; text inside the program is UTF-8. Every byte maps to one character and back: the five
// bytes that the code page leaves undefined map to the control characters of the same number.
VB_API std::string Cp1252ToUtf8(std::string_view bytes);

// Characters the code page cannot hold become `replacement`; an invalid UTF-8 sequence counts as
// one such character.
VB_API std::string Utf8ToCp1252(std::string_view utf8, char replacement = '?');

// The characters of the text that the code page cannot hold, each once, in the order they first
// appear (as UTF-8; an invalid sequence as U+FFFD).
VB_API std::vector<std::string> Cp1252Unencodable(std::string_view utf8);

}  // namespace vb
