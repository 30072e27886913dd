#pragma once

#include "vb/export.h"

#include <string_view>

namespace vb {

// The leading-number rule: leading blanks are skipped, then an optional sign, digits with at most
// one ".", and an exponent (E or D) are taken up to the first character that cannot continue the
// number. A text that does not begin with a number is 0. "." is the decimal point in every locale.
// A number too large for a Double raises Overflow.
VB_API double Val(std::string_view text);

// Whether a box text is a number the documents may convert: blanks around it are allowed, the
// body is an optional sign, digits with an optional "." (or "." and digits) and an optional
// exponent. Empty texts, "inf", "nan", thousands separators and values outside the Single range
// are not numeric.
VB_API bool IsNumeric(std::string_view text);

}  // namespace vb
