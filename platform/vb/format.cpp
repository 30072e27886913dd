#include "vb/format.h"

#include "vb/val.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace vb {
namespace {

// A finite non-negative value as significant decimal digits "d1d2..." and the count of digits
// that stand before the decimal point (pointPos may be <= 0 or beyond the digits).
struct Decimal {
    std::string digits;
    int pointPos = 1;
};

// Up to `significant` digits, correctly rounded from the binary value. Format masks take 15, as the
// original runtime does before it rounds on the decimal digits.
Decimal ToDecimal(double magnitude, int significant) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                 significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits.push_back(text[i]);
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    d.pointPos = exponent + 1;
    return d;
}

// Rounds half away from zero to `decimals` places after the point; the result has exactly
// pointPos + decimals digits (no fewer than zero) and may gain a leading digit from the carry.
Decimal RoundToPlaces(Decimal d, int decimals) {
    const int keep = d.pointPos + decimals;
    if (keep < 0) return Decimal{"", d.pointPos};
    if (keep >= static_cast<int>(d.digits.size())) {
        d.digits.append(static_cast<std::size_t>(keep) - d.digits.size(), '0');
        return d;
    }
    const bool roundUp = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (d.digits[static_cast<std::size_t>(i)] == '9') {
                d.digits[static_cast<std::size_t>(i)] = '0';
            } else {
                ++d.digits[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    return d;
}

struct Mask {
    int integerZeros = 0;
    int fractionZeros = 0;
    int fractionHashes = 0;
    bool hasPoint = false;
};

Mask ParseMask(std::string_view mask) {
    Mask m;
    for (const char c : mask) {
        if (c == '.') {
            if (m.hasPoint) throw std::invalid_argument("format mask with two points");
            m.hasPoint = true;
        } else if (c == '0') {
            if (!m.hasPoint) {
                ++m.integerZeros;
            } else {
                if (m.fractionHashes > 0) throw std::invalid_argument("format mask with 0 after #");
                ++m.fractionZeros;
            }
        } else if (c == '#') {
            if (m.hasPoint) ++m.fractionHashes;
        } else {
            throw std::invalid_argument("unsupported format mask");
        }
    }
    return m;
}

bool IsFixed(std::string_view mask) {
    if (mask.size() != 5) return false;
    constexpr std::string_view fixed = "fixed";
    for (std::size_t i = 0; i < 5; ++i)
        if ((mask[i] | 0x20) != fixed[i]) return false;
    return true;
}

std::string NonFinite(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

// The %G-like default conversion with `precision` significant digits.
std::string GeneralText(double value, int precision) {
    if (!std::isfinite(value)) return NonFinite(value);
    if (value == 0) return "0";
    Decimal d = ToDecimal(std::fabs(value), precision);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    const int exponent = d.pointPos - 1;
    std::string out = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= precision) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out.append(d.digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
        return out;
    }
    if (d.pointPos <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.pointPos), '0');
        out += d.digits;
        return out;
    }
    const auto before = static_cast<std::size_t>(d.pointPos);
    if (d.digits.size() <= before) {
        out += d.digits;
        out.append(before - d.digits.size(), '0');
    } else {
        out.append(d.digits, 0, before);
        out += '.';
        out.append(d.digits, before);
    }
    return out;
}

}  // namespace

std::string Format(double value, std::string_view mask) {
    if (!std::isfinite(value)) return NonFinite(value);
    const Mask m = IsFixed(mask) ? Mask{1, 2, 0, true} : ParseMask(mask);
    const int decimals = m.fractionZeros + m.fractionHashes;
    Decimal d = value == 0 ? Decimal{"0", 1} : ToDecimal(std::fabs(value), 15);
    d = RoundToPlaces(d, decimals);

    // Digits before the point, without leading zeros, then padded to the mask's zeros.
    std::string integer;
    if (d.pointPos > 0) integer.assign(d.digits, 0, static_cast<std::size_t>(d.pointPos));
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer.erase(0, firstNonZero == std::string::npos ? integer.size() : firstNonZero);
    if (static_cast<int>(integer.size()) < m.integerZeros)
        integer.insert(0, static_cast<std::size_t>(m.integerZeros) - integer.size(), '0');

    std::string fraction;
    for (int i = 0; i < decimals; ++i) {
        const int index = d.pointPos + i;
        fraction += index < 0 ? '0' : d.digits[static_cast<std::size_t>(index)];
    }
    while (static_cast<int>(fraction.size()) > m.fractionZeros && fraction.back() == '0') fraction.pop_back();

    std::string out = value < 0 ? "-" : "";
    out += integer;
    if (m.hasPoint) {
        out += '.';
        out += fraction;
    }
    return out;
}

std::string CStr(double value) { return GeneralText(value, 15); }

std::string SingleToText(float value) { return GeneralText(static_cast<double>(value), 7); }

std::string SingleToShortestText(float value) {
    // Nine significant digits always read back exactly; most values need fewer.
    for (int digits = 6; digits < 9; ++digits) {
        std::string text = GeneralText(static_cast<double>(value), digits);
        if (static_cast<float>(Val(text)) == value) return text;
    }
    return GeneralText(static_cast<double>(value), 9);
}

}  // namespace vb
