#include "vb/date.h"

#include <charconv>
#include <chrono>
#include <ctime>

namespace vb {
namespace {

namespace chrono = std::chrono;

// The calendar repeats itself every 400 years, which hold this many days.
constexpr std::int64_t kCycleYears = 400;
constexpr std::int64_t kCycleDays = 146097;

constexpr chrono::sys_days kYearZero = chrono::year(0) / chrono::January / 1;
// Day 0 of the serials.
constexpr chrono::sys_days kEpoch = chrono::year(1899) / chrono::December / 30;

std::int64_t FloorDivide(std::int64_t value, std::int64_t by) { return value / by - (value % by < 0 ? 1 : 0); }

// The serial of the first day of a month, the month counted from January of `year` (13 is the next
// January, 0 the last December). chrono's calendar holds the years to 32767 only: the month is
// first moved into the first 400 years, and the days of the cycles it was moved by added back.
std::int64_t FirstOfMonth(std::int64_t year, std::int64_t month) {
    const std::int64_t fromYearZero = year * 12 + month - 1;
    const std::int64_t cycles = FloorDivide(fromYearZero, kCycleYears * 12);
    const chrono::year_month inCycle =
        chrono::year(0) / chrono::January + chrono::months(fromYearZero - cycles * kCycleYears * 12);
    return (chrono::sys_days(inCycle / 1) - kEpoch).count() + cycles * kCycleDays;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Reads an unsigned decimal field of 1..maxDigits digits up to `separator` (or the end).
bool ReadField(std::string_view& text, char separator, int minDigits, int maxDigits, int& value) {
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
    if (static_cast<int>(n) < minDigits || static_cast<int>(n) > maxDigits) return false;
    std::from_chars(text.data(), text.data() + n, value);
    text.remove_prefix(n);
    if (separator == '\0') return text.empty();
    if (text.empty() || text.front() != separator) return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

DateValue DateSerial(int year, int month, int day) {
    // Two-digit years as the runtime reads them: 0-29 in this century, 30-99 in the last.
    if (year >= 0 && year < 30) year += 2000;
    else if (year >= 30 && year < 100) year += 1900;
    return static_cast<DateValue>(FirstOfMonth(year, month) + day - 1);
}

CivilDate ToCivil(DateValue serial) {
    const std::int64_t fromYearZero = serial + (kEpoch - kYearZero).count();
    const std::int64_t cycles = FloorDivide(fromYearZero, kCycleDays);
    const chrono::year_month_day date(kYearZero + chrono::days(fromYearZero - cycles * kCycleDays));
    return CivilDate{static_cast<int>(date.year()) + static_cast<int>(cycles * kCycleYears),
                     static_cast<int>(static_cast<unsigned>(date.month())),
                     static_cast<int>(static_cast<unsigned>(date.day()))};
}

DateValue Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string FormatDate(DateValue serial, DateLayout layout) {
    const CivilDate c = ToCivil(serial);
    // Years before 1000 keep four digits, so that every date written reads back.
    std::string year = std::to_string(c.year);
    if (c.year >= 0 && year.size() < 4) year.insert(0, 4 - year.size(), '0');
    if (layout == DateLayout::IsoYmd) return year + "-" + TwoDigits(c.month) + "-" + TwoDigits(c.day);
    return std::to_string(c.day) + "/" + std::to_string(c.month) + "/" + year;
}

std::optional<DateValue> ParseDate(std::string_view text, DateLayout layout) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    int year = 0, month = 0, day = 0;
    const bool ok = layout == DateLayout::IsoYmd
                        ? ReadField(text, '-', 4, 4, year) && ReadField(text, '-', 1, 2, month) &&
                              ReadField(text, '\0', 1, 2, day)
                        : ReadField(text, '/', 1, 2, day) && ReadField(text, '/', 1, 2, month) &&
                              ReadField(text, '\0', 4, 4, year);
    if (!ok || year < 100 || !chrono::year_month_day(chrono::year(year), chrono::month(month), chrono::day(day)).ok())
        return std::nullopt;
    return DateSerial(year, month, day);
}

}  // namespace vb
