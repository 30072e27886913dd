#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tiraq {

// What a line marks in a drawing's sections and tables.
enum class SectionMark : std::uint8_t {
    None,
    SectionName,  // the name of the section that SECTION opened
    SectionEnd,   // ENDSEC
    FileEnd,      // EOF
    TableName,    // the name of the table that TABLE opened
    TableEnd,     // ENDTAB
    HeaderValue,  // the value of a HEADER variable
};

// A group value without what a writer may leave around it: blanks, tabs, and a line end of another
// convention.
std::string_view TrimGroupValue(std::string_view line);

// Follows a drawing's sections, tables and header variables for a writer that copies the drawing
// line by line. It reads the lines as the reader reads an entity's groups, pair by pair: a group
// code line, then its value line, which is never read as a code whatever it holds (a GUID, a
// handle such as 2E310, a 9). A code line holds a whole number once trimmed; one beyond 1000 is a
// code whose value is passed over, as the reader passes it, and none raises an error. Where a code
// should stand, a line that is empty once trimmed is passed over (the empty line that a carriage
// return leaves after its line, CR CR LF), and a line that is no number shows that a line was lost
// or added: the walk takes the line before it as its code when that line is a number, so the
// pairs are in step again from there, and otherwise takes it as no group. Values are compared
// with blanks, tabs and stray line ends trimmed.
class DxfSectionWalk {
public:
    // Takes the drawing's next line and says what it marks. Marks are value lines: SECTION,
    // ENDSEC, EOF, TABLE and ENDTAB after code 0; the name of a section or table after the first
    // code 2 that follows its SECTION or TABLE; and a HEADER variable's value, which is the pair
    // after the variable's own pair 9 / name, unless that pair's code is 0 or 9.
    SectionMark Next(std::string_view line);

    // The section and table that the line just taken belongs to, trimmed; empty outside any. The
    // line that ends a section or table still belongs to it.
    const std::string& Section() const noexcept { return section_; }
    const std::string& Table() const noexcept { return table_; }
    // At a HeaderValue mark, the variable's name, trimmed.
    const std::string& Variable() const noexcept { return variable_; }

private:
    SectionMark MarkOfValue(std::string_view value);

    bool atValue_ = false;
    int code_ = 0;
    std::optional<int> codeBefore_;  // the last line with anything on it, as a code line
    enum class Awaiting : std::uint8_t { Nothing, SectionName, TableName, VariableValue };
    Awaiting awaiting_ = Awaiting::Nothing;
    std::string section_, table_, variable_;
    bool sectionEnded_ = false, tableEnded_ = false;
};

}  // namespace tiraq
