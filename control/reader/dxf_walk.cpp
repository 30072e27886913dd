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
