#include "vb/date.h"

#include <charconv>
#include <ctime>

namespace vb {
namespace {

// Days from 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153u * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2u) / 5u + static_cast<unsigned>(d) - 1u;
    const unsigned doe = yoe * 365u + yoe / 4u - yoe / 100u + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

const std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
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
    const int zeroMonth = month - 1;
    const int yearShift = zeroMonth >= 0 ? zeroMonth / 12 : -((11 - zeroMonth) / 12);
    const int normalMonth = zeroMonth - yearShift * 12 + 1;
    const std::int64_t days = DaysFromCivil(static_cast<std::int64_t>(year) + yearShift, normalMonth, 1) + day - 1;
    return static_cast<DateValue>(days - kEpoch);
}

CivilDate ToCivil(DateValue serial) { return CivilFromDays(static_cast<std::int64_t>(serial) + kEpoch); }

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
    if (!ok || year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    return DateSerial(year, month, day);
}

}  // namespace vb
