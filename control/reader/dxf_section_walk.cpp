#include "reader/dxf_section_walk.h"

#include "reader/group_values.h"

#include <optional>

namespace tiraq {
namespace {

// The code of a code line that holds a whole number once trimmed, as the reader reads it (a number
// beyond 1000 is a code whose value is passed over); none for any other line.
std::optional<int> WholeNumberCode(std::string_view trimmed) {
    if (trimmed.empty()) return std::nullopt;
    int code = 0;
    for (const char digit : trimmed) {
        if (digit < '0' || digit > '9') return std::nullopt;
        if (code <= GroupValues::kMaxCode) code = code * 10 + (digit - '0');
    }
    return code <= GroupValues::kMaxCode ? code : -1;
}

}  // namespace

std::string_view TrimGroupValue(std::string_view line) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0, last = line.size();
    while (first < last && blank(line[first])) ++first;
    while (last > first && blank(line[last - 1])) --last;
    return line.substr(first, last - first);
}

SectionMark DxfSectionWalk::Next(std::string_view line) {
    if (sectionEnded_) section_.clear();
    if (sectionEnded_ || tableEnded_) table_.clear();
    sectionEnded_ = tableEnded_ = false;
    const std::string_view trimmed = TrimGroupValue(line);
    // For a walk out of step, the line before is the last one with anything on it.
    const std::optional<int> codeBefore = codeBefore_;
    const std::optional<int> code = WholeNumberCode(trimmed);
    if (!trimmed.empty()) codeBefore_ = code;
    if (atValue_) {
        atValue_ = false;
        return MarkOfValue(trimmed);
    }
    if (trimmed.empty()) return SectionMark::None;
    if (code) {
        code_ = *code;
        atValue_ = true;
        return SectionMark::None;
    }
    // No code where one should stand: a line was lost or added, and the pairs are out of step.
    // Where the line before could be a code, it is this line's; otherwise this line is no group.
    if (!codeBefore) return SectionMark::None;
    code_ = *codeBefore;
    return MarkOfValue(trimmed);
}

SectionMark DxfSectionWalk::MarkOfValue(std::string_view value) {
    if (awaiting_ == Awaiting::VariableValue) {
        awaiting_ = Awaiting::Nothing;
        // A code 0 or 9 ends the variable before it has a value, as it ends an entity.
        if (code_ != 0 && code_ != 9) return SectionMark::HeaderValue;
    }
    if (code_ == 0) {
        if (value == "SECTION") {
            section_.clear();
            table_.clear();
            awaiting_ = Awaiting::SectionName;
        } else if (value == "TABLE") {
            awaiting_ = Awaiting::TableName;
        } else if (value == "ENDSEC") {
            awaiting_ = Awaiting::Nothing;
            sectionEnded_ = true;
            return SectionMark::SectionEnd;
        } else if (value == "ENDTAB") {
            tableEnded_ = true;
            return SectionMark::TableEnd;
        } else if (value == "EOF") {
            return SectionMark::FileEnd;
        }
    } else if (code_ == 2 && (awaiting_ == Awaiting::SectionName || awaiting_ == Awaiting::TableName)) {
        const bool section = awaiting_ == Awaiting::SectionName;
        awaiting_ = Awaiting::Nothing;
        (section ? section_ : table_) = value;
        return section ? SectionMark::SectionName : SectionMark::TableName;
    } else if (code_ == 9 && section_ == "HEADER") {
        variable_ = value;
        awaiting_ = Awaiting::VariableValue;
    }
    return SectionMark::None;
}

}  // namespace tiraq
