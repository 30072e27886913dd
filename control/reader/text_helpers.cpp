#include "reader/text_helpers.h"

#include <algorithm>
#include <cmath>

namespace tiraq {

std::string EscapeQuotes(std::string& Text) {
    // One pass into a new text: replacing in place moves the rest of the text for every quote.
    if (Text.find('"') == std::string::npos) return Text;
    std::string escaped;
    escaped.reserve(Text.size() + 16);
    for (const char c : Text) {
        if (c == '"')
            escaped += "''";
        else
            escaped += c;
    }
    Text = std::move(escaped);
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
    // One pass into a new text. The character before a code is never "%" (the code would begin
    // there) and no replacement is "%", so a replacement never makes a new code with what lies
    // before it: scanning on after each code gives what searching again from the start gives.
    std::size_t p = text.find("%%");
    if (p == std::string::npos) return;
    std::string out(text, 0, p);
    out.reserve(text.size());
    while (p != std::string::npos) {
        const std::string_view code = std::string_view(text).substr(p + 2, 1);
        const std::string ch = ControlCodeChar(code);
        if (ch == "U")
            underline = -1;
        else
            out += ch;
        const std::size_t next = p + std::min<std::size_t>(3, text.size() - p);
        p = text.find("%%", next);
        out.append(text, next, (p == std::string::npos ? text.size() : p) - next);
    }
    text = std::move(out);
}

std::string EntityText(const GroupValues& groups, bool isMText, std::int32_t& underline) {
    std::string text;
    if (isMText) {
        for (const std::string_view chunk : groups.TextChunks()) text += chunk;
        text += groups[1];
    } else {
        text = groups[3].empty() ? groups[1] : groups[2];
    }
    ApplyControlCodes(text, underline);
    if (!text.empty() && text.front() == '\\' && text.find(';') != std::string::npos)
        text.erase(0, std::min<std::size_t>(4, text.size()));
    EscapeQuotes(text);
    return text;
}

}  // namespace tiraq
