#include "reader/text_helpers.h"

#include <algorithm>
#include <cmath>

namespace tiraq {

std::string EscapeQuotes(std::string& Text) {
    std::size_t p = Text.find('"');
    while (p != std::string::npos) {
        Text.replace(p, 1, "''");
        p = Text.find('"', p + 2);
    }
    return Text;
}

std::string ControlCodeChar(std::string_view Code) {
    if (Code == "c" || Code == "C") return "\xD8";
    if (Code == "d" || Code == "D") return "\xB0";
    if (Code == "p" || Code == "P") return "\xB1";
    if (Code == "u" || Code == "U") return "U";
    return "";
}

float NormalizeAngle(float& Angle) {
    // The remainder is exact, so this equals subtracting 360 until below it, for any value.
    if (Angle >= 360) Angle = static_cast<float>(std::fmod(static_cast<double>(Angle), 360.0));
    return Angle;
}

void ApplyControlCodes(std::string& text, std::int32_t& underline) {
    // Every step removes at least two characters, so the loop ends.
    std::size_t p = text.find("%%");
    while (p != std::string::npos) {
        const std::string_view code = std::string_view(text).substr(p + 2, 1);
        const std::string ch = ControlCodeChar(code);
        const std::size_t length = std::min<std::size_t>(3, text.size() - p);
        if (ch == "U") {
            underline = -1;
            text.erase(p, length);
        } else {
            text.replace(p, length, ch);
        }
        p = text.find("%%");
    }
}

}  // namespace tiraq
