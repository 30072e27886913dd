#include "reader/dxf_walk.h"

#include "reader/ansi_text.h"

#include <array>
#include <utility>

namespace tiraq {
namespace {

constexpr std::pair<std::string_view, Keyword> kKeywords[] = {
    {"$EXTMIN", Keyword::ExtMin},   {"$EXTMAX", Keyword::ExtMax},       {"ATTDEF", Keyword::AttDef},
    {"LAYER", Keyword::Layer},      {"BLOCK", Keyword::Block},          {"ENDBLK", Keyword::EndBlock},
    {"LINE", Keyword::Line},        {"CIRCLE", Keyword::Circle},        {"ARC", Keyword::Circle},
    {"ELLIPSE", Keyword::Ellipse},  {"POINT", Keyword::Point},          {"POLYLINE", Keyword::Polyline},
    {"TEXT", Keyword::Text},        {"MTEXT", Keyword::MText},          {"SOLID", Keyword::Solid},
    {"3DFACE", Keyword::Face3D},    {"INSERT", Keyword::Insert},        {"DIMENSION", Keyword::Dimension},
    {"ATTRIB", Keyword::Attrib},    {"ENTITIES", Keyword::Entities},
};

constexpr std::size_t kShortestKeyword = 3, kLongestKeyword = 9;

// The keywords by their first character, so that a line is compared with those alone.
constexpr std::size_t kMostKeywordsPerStart = 3;
constexpr auto kKeywordsByStart = [] {
    std::array<std::array<std::int8_t, kMostKeywordsPerStart>, 256> byStart{};
    for (auto& keywords : byStart) keywords.fill(-1);
    for (std::size_t i = 0; i < std::size(kKeywords); ++i) {
        auto& keywords = byStart[static_cast<unsigned char>(kKeywords[i].first.front())];
        std::size_t free = 0;
        while (keywords[free] >= 0) ++free;  // beyond kMostKeywordsPerStart does not compile
        keywords[free] = static_cast<std::int8_t>(i);
    }
    return byStart;
}();

// The keyword that a whole line is, compared case-sensitively and untrimmed.
Keyword KeywordOf(std::string_view line) {
    if (line.size() < kShortestKeyword || line.size() > kLongestKeyword) return Keyword::None;
    for (const std::int8_t i : kKeywordsByStart[static_cast<unsigned char>(line.front())]) {
        if (i < 0) break;
        if (line == kKeywords[std::size_t(i)].first) return kKeywords[std::size_t(i)].second;
    }
    return Keyword::None;
}

// What a writer may leave around a value: blanks, tabs, and a line end of another convention.
std::string_view TrimValue(std::string_view line) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

bool DxfWalk::NextLine() {
    if (lineHeld_) {
        lineHeld_ = false;
        return true;
    }
    return lines_.Next(currentLine_);
}

bool DxfWalk::Next(Keyword& keyword) {
    if (!NextLine()) return false;
    keyword = KeywordOf(currentLine_);
    if (keyword == Keyword::Layer && layerTableNamePending_) {
        layerTableNamePending_ = false;
        keyword = Keyword::None;
    } else if ((keyword == Keyword::ExtMin || keyword == Keyword::ExtMax) && calcExtents_) {
        keyword = Keyword::None;
    }
    return true;
}

bool DxfWalk::FindSectionLine() {
    vb::LineScanner scan(text_);
    std::string_view line;
    while (TrimBlanks(currentLine_) != "SECTION" && scan.Next(line)) currentLine_ = line;
    return TrimBlanks(currentLine_) == "SECTION";
}

bool DxfWalk::NextMarked(SectionMark& mark) {
    const std::string_view codeLine = currentLine_;
    if (!NextLine()) return false;
    mark = MarkOf(codeLine, currentLine_);
    return true;
}

SectionMark DxfWalk::MarkOf(std::string_view codeLine, std::string_view line) {
    if (sectionEnded_) section_ = table_ = {};
    if (tableEnded_) table_ = {};
    sectionEnded_ = tableEnded_ = false;
    const std::string_view value = TrimValue(line);
    switch (awaiting_) {
        case Awaiting::VariableCode:
            // A code 0 or 9 ends the variable before it has a value, as it ends an entity.
            if (!value.empty()) {
                const int code = GroupCode(line);
                awaiting_ = code == 0 || code == 9 ? Awaiting::Nothing : Awaiting::VariableValue;
            }
            return SectionMark::None;
        case Awaiting::VariableValue:
            awaiting_ = Awaiting::Nothing;
            return SectionMark::HeaderValue;
        default:
            break;
    }
    // Most lines mark nothing: the code line is read only for a value that may be a mark.
    if (value == "SECTION" || value == "TABLE" || value == "ENDSEC" || value == "ENDTAB" || value == "EOF") {
        if (GroupCode(codeLine) != 0) return SectionMark::None;
        if (value == "SECTION") {
            section_ = table_ = {};
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
        } else {
            return SectionMark::FileEnd;
        }
    } else if ((awaiting_ == Awaiting::SectionName || awaiting_ == Awaiting::TableName) && GroupCode(codeLine) == 2) {
        const bool section = awaiting_ == Awaiting::SectionName;
        awaiting_ = Awaiting::Nothing;
        (section ? section_ : table_) = value;
        return section ? SectionMark::SectionName : SectionMark::TableName;
    } else if (section_ == "HEADER" && GroupCode(codeLine) == 9) {
        variable_ = value;
        awaiting_ = Awaiting::VariableCode;
    }
    return SectionMark::None;
}

void DxfWalk::ReadNextLine() {
    if (!NextLine()) throw vb::RuntimeError(kErrInputPastEnd, "Input past end of file");
}

void DxfWalk::LoadEntity() {
    groups_.Clear();
    ReadEntity([&](int code, std::string_view value) { groups_.Set(code, value); });
}

void DxfWalk::RaiseLoadEntityError(const std::string& description) {
    host_.SetMousePointer(kPointerDefault);
    throw vb::RuntimeError(kErrTiraq, description + ". Error in LoadEntity.");
}

bool DxfWalk::NextVertex() {
    ReadNextLine();
    if (currentLine_ == "SEQEND") return false;
    if (currentLine_ != "VERTEX") {
        HoldLine();
        return false;
    }
    LoadEntity();
    return true;
}

}  // namespace tiraq
