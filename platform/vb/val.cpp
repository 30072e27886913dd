#include "vb/val.h"

#include "vb/error.h"

#include <cfloat>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <cmath>
#include <string>
#include <system_error>

namespace vb {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentMark(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// The longest prefix of `s` (which starts after any sign) that is a number: digits, one ".",
// and an exponent only when at least one digit follows its mark and optional sign.
struct NumberSpan {
    std::size_t length = 0;        // characters taken
    std::size_t exponentMark = 0;  // index of the exponent mark, or npos
    bool hasDigits = false;
};

NumberSpan ScanNumber(std::string_view s) {
    NumberSpan span;
    span.exponentMark = std::string_view::npos;
    std::size_t i = 0;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            span.hasDigits = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    span.length = i;
    if (span.hasDigits && i < s.size() && IsExponentMark(s[i])) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            span.exponentMark = i;
            span.length = j;
        }
    }
    return span;
}

// A body without exponent whose digits, read as a whole number, stay within 2^53 and whose point
// stands at most 22 digits from the end converts as one division of two exact doubles. IEEE
// division rounds that correctly, so it gives the very value from_chars gives, only faster.
bool ConvertShortDecimal(std::string_view body, double& value) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (body.size() > 19) return false;
    std::uint64_t mantissa = 0;
    std::size_t fractionDigits = 0;
    bool seenPoint = false;
    for (const char c : body) {
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        if (seenPoint) ++fractionDigits;
    }
    if (mantissa > (std::uint64_t{1} << 53) || fractionDigits >= std::size(kPowersOfTen)) return false;
    value = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
    return true;
}

// Converts a scanned number body (no sign) into `value`; false where it is too large for a Double.
// Underflow gives 0.
bool ConvertBody(std::string_view body, std::size_t exponentMark, double& value) {
    value = 0.0;
    if (exponentMark == std::string_view::npos && ConvertShortDecimal(body, value)) return true;
    std::string withE;
    if (exponentMark != std::string_view::npos && (body[exponentMark] == 'd' || body[exponentMark] == 'D')) {
        withE.assign(body);
        withE[exponentMark] = 'e';
        body = withE;
    }
    if (body == ".") return true;
    const auto r = std::from_chars(body.data(), body.data() + body.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        value = 0.0;
        // from_chars reports both directions; only a negative exponent means underflow.
        return exponentMark != std::string_view::npos && exponentMark + 1 < body.size() &&
               body[exponentMark + 1] == '-';
    }
    if (r.ec != std::errc()) value = 0.0;
    return true;
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    const NumberSpan span = ScanNumber(rest);
    LeadingNumber number;
    if (!span.hasDigits) return number;
    number.found = true;
    number.overflows = !ConvertBody(rest.substr(0, span.length), span.exponentMark, number.value);
    if (negative) number.value = -number.value;
    return number;
}

double Val(std::string_view text) {
    const LeadingNumber number = ReadLeadingNumber(text);
    if (number.overflows) RaiseOverflow();
    return number.value;
}

bool IsNumeric(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::string_view body = text.substr(begin, end - begin);
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) body.remove_prefix(1);
    const NumberSpan span = ScanNumber(body);
    if (!span.hasDigits || span.length != body.size()) return false;
    double value = 0;
    if (!ConvertBody(body, span.exponentMark, value)) return false;
    value = std::fabs(value);
    return std::isfinite(value) && value <= FLT_MAX;
}

}  // namespace vb
