#pragma once

#include "vb/convert.h"
#include "vb/error.h"
#include "vb/text_lines.h"
#include "vb/val.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tiraq {

// The values of the current entity's group codes 0 to 1000, as views into the file's text; a code
// the entity did not carry reads as "". A new entity resets every slot at once by a stamp, not
// by clearing 1001 strings.
class GroupValues {
public:
    static constexpr int kMaxCode = 1000;

    void Clear() noexcept {
        if (++stamp_ == 0) {
            stamps_.fill(0);
            stamp_ = 1;
        }
        textChunks_.clear();
    }

    // A value that occurs twice in one entity keeps the last one; every group 3 is also kept in
    // order, for the chunks of a long MTEXT.
    void Set(int code, std::string_view value) {
        values_[static_cast<std::size_t>(code)] = value;
        stamps_[static_cast<std::size_t>(code)] = stamp_;
        if (code == 3) textChunks_.push_back(value);
    }

    std::string_view operator[](int code) const noexcept {
        const auto i = static_cast<std::size_t>(code);
        return stamps_[i] == stamp_ ? values_[i] : std::string_view{};
    }

    const std::vector<std::string_view>& TextChunks() const noexcept { return textChunks_; }

private:
    std::array<std::string_view, kMaxCode + 1> values_{};
    std::array<std::uint32_t, kMaxCode + 1> stamps_{};
    std::uint32_t stamp_ = 1;
    std::vector<std::string_view> textChunks_;
};

// A group code line as the reader reads it: its leading number, rounded as CLng rounds, is the
// code, and a number outside 0 to 1000 is -1, a code whose value is passed over. A line that holds
// no number reads as code 0.
struct CodeLine {
    int code = 0;
    bool holdsNumber = false;
    bool overflows = false;  // a number too large for a Double, which the load refuses
};

inline CodeLine ReadCodeLine(std::string_view line) noexcept {
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    int code = 0;
    std::size_t j = i;
    while (j < line.size() && j - i < 5 && line[j] >= '0' && line[j] <= '9') code = code * 10 + (line[j++] - '0');
    if (j == line.size() && j > i) return {code <= GroupValues::kMaxCode ? code : -1, true, false};
    const vb::LeadingNumber number = vb::ReadLeadingNumber(line);
    if (number.overflows) return {-1, true, true};
    if (!(number.value >= 0 && number.value <= GroupValues::kMaxCode)) return {-1, number.found, false};
    return {int(vb::CLng(number.value)), number.found, false};
}

// The code of a group code line; a number too large for a Double raises Overflow.
inline int GroupCode(std::string_view line) {
    const CodeLine read = ReadCodeLine(line);
    if (read.overflows) vb::RaiseOverflow();
    return read.code;
}

// Reads one entity's group pairs, a code line and a value line each, up to the next code 0 or 9,
// and hands `take` each pair's code and value. False when the text ends first.
template <typename Take>
bool ReadGroups(vb::LineScanner& lines, Take&& take) {
    std::string_view code, value;
    while (lines.Next(code)) {
        const int number = GroupCode(code);
        if (number == 0 || number == 9) return true;
        if (!lines.Next(value)) return false;
        take(number, value);
    }
    return false;
}

}  // namespace tiraq
