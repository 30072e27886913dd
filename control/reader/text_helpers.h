#pragma once

#include "reader/group_values.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tiraq {

// Replaces every double quote by two apostrophes, in place; returns the result.
std::string EscapeQuotes(std::string& Text);

// The character of a "%%" control code letter: c gives the diameter sign, d the degree sign,
// p the plus-minus sign (Windows-1252 bytes), u gives "U", the underline marker; any other
// letter gives "".
std::string ControlCodeChar(std::string_view Code);

// Brings an angle of 360 or more below 360, in place; negative angles stay. Returns the result.
float NormalizeAngle(float& Angle);

// Turns the "%%" control codes of a text into their characters; an underline code is removed
// where it stands and sets `underline` to -1.
void ApplyControlCodes(std::string& text, std::int32_t& underline);

// The text that a TEXT or MTEXT entity shows, from its groups: a long MTEXT's chunks (groups 3) in
// order and then group 1, a TEXT's group 1 (group 2 where group 3 is given), its control codes
// turned into characters (an underline code sets `underline` to -1), a leading formatting code
// such as "\A1;" removed, and double quotes escaped.
std::string EntityText(const GroupValues& groups, bool isMText, std::int32_t& underline);

}  // namespace tiraq
