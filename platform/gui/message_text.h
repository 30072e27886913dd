#pragma once

#include <QString>

#include <exception>

namespace gui {

// A message as a message box shows it: the program's CR LF line breaks (and a lone CR or LF) break
// the line, a tab stays, and every other control character, NUL included, shows as a visible
// stand-in (U+2400 "␀" to U+241F for the C0 codes, U+2421 for DEL, U+FFFD for the C1 codes), so
// nothing after it goes missing.
QString MessageBoxText(const QString& prompt);

// The whole text of an error: a run-time error's description may hold NULs (a quoted line of a
// binary file), which what() would end at.
QString ErrorText(const std::exception& error);

}  // namespace gui
