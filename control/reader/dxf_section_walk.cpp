#include "reader/dxf_section_walk.h"

#include "reader/group_values.h"

namespace tiraq {
namespace {

// The keywords that close a section, a table or the file, which only a code 0 carries.
bool IsClosingKeyword(std::string_view value) { return value == "ENDSEC" || value == "ENDTAB" || value == "EOF"; }

// Whether a line could stand where a code stands: it holds a number the reader can take, not one
// too large for any number, which the load refuses.
bool IsCode(const CodeLine& line) { return line.holdsNumber && !line.overflows; }

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
    outOfStep_ = false;
    const std::string_view trimmed = TrimGroupValue(line);
    if (trimmed.empty() && !lineBeforeRead_) lineBeforeRead_ = ReadCodeLine(lineBefore_);
    if (atValue_) {
        atValue_ = false;
        if (!trimmed.empty()) TakeLineBefore(line);
        return MarkOfValue(trimmed);
    }
    if (trimmed.empty()) return SectionMark::None;
    const CodeLine read = ReadCodeLine(line);
    if (IsCode(read)) {
        code_ = read.code;
        atValue_ = true;
        TakeLineBefore(line);
        return SectionMark::None;
    }
    // No code where one should stand: a line was lost or added, and the pairs are out of step.
    outOfStep_ = true;
    const CodeLine before = lineBeforeRead_ ? *lineBeforeRead_ : ReadCodeLine(lineBefore_);
    TakeLineBefore(line);
    if (!FitsOutOfStep(trimmed)) return SectionMark::None;
    if (IsClosingKeyword(trimmed)) {
        code_ = 0;
        return MarkOfValue(trimmed);
    }
    if (!IsCode(before)) return SectionMark::None;
    code_ = before.code;
    return MarkOfValue(trimmed);
}

bool DxfSectionWalk::FitsOutOfStep(std::string_view keyword) const noexcept {
    if (keyword == "SECTION") return section_.empty();
    if (keyword == "ENDSEC") return !section_.empty() && table_.empty();
    if (keyword == "TABLE") return table_.empty();
    if (keyword == "ENDTAB") return !table_.empty();
    if (keyword == "EOF") return section_.empty() || section_ == "ENTITIES";
    return true;
}

void DxfSectionWalk::TakeLineBefore(std::string_view line) noexcept {
    lineBefore_ = line;
    lineBeforeRead_.reset();
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
