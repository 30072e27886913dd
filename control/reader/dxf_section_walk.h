#pragma once

#include "reader/group_values.h"

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
// handle such as 2E310, a 9). A code line is read by the reader's own rule (ReadCodeLine): its
// leading number, so that +0, 0.0 or 0E0 are the code 0 that the reader takes them for; one beyond
// 1000 is a code whose value is passed over, and none raises an error. Where a code should stand,
// a line that is empty once trimmed is passed over (the empty line that a carriage return leaves
// after its line, CR CR LF), and a line that holds no number, or one too large for any number
// (which the load refuses), shows that a line was lost or added: the pairs are out of step. Such
// a line that closes a section, a table or the file (ENDSEC, ENDTAB, EOF) is taken as closing it
// where it fits, so that nothing meant to go before that end is carried past it. Any other is
// taken as the value of the line before it when that line holds a number, so the pairs are in
// step again from there, and otherwise as no group. Values are compared with blanks, tabs and
// stray line ends trimmed.
class DxfSectionWalk {
public:
    // Takes the drawing's next line and says what it marks. The line taken before must still be
    // readable, as FileLines keeps it. Marks are value lines: SECTION,
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
    // Whether the line just taken was found out of step, with no code line of its own before it:
    // what goes before its group then goes right before the line itself, since the line before
    // may be the value of another group.
    bool OutOfStep() const noexcept { return outOfStep_; }
    // Whether the line just taken is a code line of `code`, in step.
    bool IsCodeLine(int code) const noexcept { return atValue_ && code_ == code; }

private:
    SectionMark MarkOfValue(std::string_view value);
    void TakeLineBefore(std::string_view line) noexcept;
    // Whether a line found out of step may open or close what it names here: a SECTION only
    // between sections, an ENDSEC only in a section with no table open, a TABLE only between
    // tables, an ENDTAB only in a table, an EOF only outside every section or at the end of the
    // entities. Anywhere else it is out of place, and taking it would lose what is open.
    bool FitsOutOfStep(std::string_view keyword) const noexcept;

    bool atValue_ = false;
    int code_ = 0;
    bool outOfStep_ = false;
    // The last line with anything on it. It is read as a code only once the pairs are out of
    // step, which is seldom, or when an empty line follows it, after which it may no longer be
    // readable.
    std::string_view lineBefore_;
    std::optional<CodeLine> lineBeforeRead_;
    enum class Awaiting : std::uint8_t { Nothing, SectionName, TableName, VariableValue };
    Awaiting awaiting_ = Awaiting::Nothing;
    std::string section_, table_, variable_;
    bool sectionEnded_ = false, tableEnded_ = false;
};

}  // namespace tiraq
