#pragma once

#include "vb/export.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vb {

// A date as a day serial: whole days since 30 December 1899. 0 stands for a date never set.
using DateValue = std::int32_t;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

// Like the runtime's DateSerial, months and days beyond their ranges roll over into the next
// (or previous) month and year: DateSerial(2004, 2, 30) is 1 March 2004.
VB_API DateValue DateSerial(int year, int month, int day);
VB_API CivilDate ToCivil(DateValue serial);
VB_API DateValue Today();

enum class DateLayout {
    IsoYmd,    // "yyyy-mm-dd", as quotation files store dates
    DayMonth,  // "d/m/yyyy", as the customer dialog shows them
};

VB_API std::string FormatDate(DateValue serial, DateLayout layout);

// Reads a date strictly: the layout's separators, a four-digit year from 100 to 9999, and a day
// that exists in its month ("31/2/2004" is no date). Blanks around the text are allowed.
VB_API std::optional<DateValue> ParseDate(std::string_view text, DateLayout layout);

}  // namespace vb
