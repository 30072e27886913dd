#pragma once

#include "vb/export.h"

#include <string>
#include <string_view>

namespace vb {

// Formats a number with a numeric display mask: "0" is a digit always shown, "#" a digit shown
// only when significant, "." the decimal point ("##0.00", "#0.0", "#.00", "##0", ...). The named
// format "fixed" means at least one digit before and exactly two after the point. The value is
// rounded half away from zero on its decimal value (0.125 -> "0.13"), never on its binary value.
VB_API std::string Format(double value, std::string_view mask);

// The default number-to-text conversion of a Double: up to 15 significant digits, trailing zeros
// dropped, scientific form ("1E-05", "1.5E+15") for very small or very large values.
VB_API std::string CStr(double value);

// The same conversion for a Single: at most 7 significant digits, "." as the decimal point.
VB_API std::string SingleToText(float value);

// The shortest text in the same style as SingleToText (up to 9 significant digits) that Val reads
// back to exactly the same Single, for files that store Singles and read them again.
VB_API std::string SingleToShortestText(float value);

}  // namespace vb
