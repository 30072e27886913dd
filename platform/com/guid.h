#pragma once

#include "com/export.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace com {

// A 128-bit identifier of a class or an interface, written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
struct Guid {
    std::array<std::uint8_t, 16> bytes{};  // in the order of the written digits

    // Reads the written form (braces required, hexadecimal digits in either case); nullopt when
    // the text is anything else.
    static constexpr std::optional<Guid> Parse(std::string_view text);
    COM_API std::string ToString() const;  // upper-case digits

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
    friend constexpr auto operator<=>(const Guid&, const Guid&) = default;
};
using ClassId = Guid;
using InterfaceId = Guid;

// An identifier written in the source; a malformed one fails the build where it is a constant.
constexpr Guid MakeGuid(std::string_view text) {
    const auto guid = Guid::Parse(text);
    if (!guid) throw std::invalid_argument("malformed class or interface identifier");
    return *guid;
}

constexpr std::optional<Guid> Guid::Parse(std::string_view text) {
    constexpr std::string_view kShape = "{........-....-....-....-............}";
    if (text.size() != kShape.size()) return std::nullopt;
    Guid guid;
    std::size_t digit = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (kShape[i] != '.') {
            if (c != kShape[i]) return std::nullopt;
            continue;
        }
        int value = 0;
        if (c >= '0' && c <= '9') value = c - '0';
        else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
        else return std::nullopt;
        auto& byte = guid.bytes[digit / 2];
        byte = static_cast<std::uint8_t>(digit % 2 == 0 ? value << 4 : byte | value);
        ++digit;
    }
    return guid;
}

}  // namespace com
