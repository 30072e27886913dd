#pragma once

#include "vb/export.h"

#include <string_view>

namespace vb {

// The leading-number rule: leading blanks are skipped, then an optional sign, digits with at most
// one ".", and an exponent (E or D) are taken up to the first character that cannot continue the
// number. A text that does not begin with a number is 0. "." is the decimal point in every locale.
// A number too large for a Double raises Overflow.
VB_API double Val(std::string_view text);

// A text's leading number by the rule of Val, for a reader that must take any text without an
// error: whether the text begins with a number at all (a text that does not is 0 to Val), and
// whether that number is too large for a Double (where Val raises Overflow; `value` is then 0).
struct LeadingNumber {
    double value = 0;
    bool found = false;
    bool overflows = false;
};
VB_API LeadingNumber ReadLeadingNumber(std::string_view text) noexcept;

// Whether a box text is a number the documents may convert: blanks around it are allowed, the
// body is an optional sign, digits with an optional "." (or "." and digits) and an optional
// exponent. Empty texts, "inf", "nan", thousands separators and values outside the Single range
// are not numeric.
VB_API bool IsNumeric(std::string_view text);

}  // namespace vb
