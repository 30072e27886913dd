#include "reader/ansi_text.h"

namespace tiraq {
namespace {

unsigned char UpperCaseByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A: return 0x8A;  // s caron
        case 0x9C: return 0x8C;  // oe
        case 0x9E: return 0x8E;  // z caron
        case 0xFF: return 0x9F;  // y diaeresis
        default: return c;
    }
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

void AppendUpperCase(std::string& out, std::string_view text) {
    for (const char c : text) out.push_back(static_cast<char>(UpperCaseByte(static_cast<unsigned char>(c))));
}

std::string UpperCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendUpperCase(out, text);
    return out;
}

}  // namespace tiraq
