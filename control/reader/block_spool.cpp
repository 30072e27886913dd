#include "reader/block_spool.h"

#include "reader/error_chain.h"
#include "reader/file_io.h"

#include "vb/convert.h"
#include "vb/format.h"
#include "vb/val.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include <unistd.h>

namespace tiraq {
namespace {

class ValuesLine {
public:
    explicit ValuesLine(std::string& out) : out_(out) {}
    ~ValuesLine() { out_ += "\r\n"; }
    ValuesLine& Single(float value) {
        Separate();
        out_ += vb::SingleToShortestText(value);
        return *this;
    }
    ValuesLine& Long(std::int32_t value) {
        Separate();
        out_ += std::to_string(value);
        return *this;
    }
    ValuesLine& Text(std::string_view value) {
        Separate();
        out_ += '"';
        out_ += value;
        out_ += '"';
        return *this;
    }

private:
    void Separate() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    std::string& out_;
    bool first_ = true;
};

// Reads values one by one; values end at a comma or a line end, strings run to their closing
// quote.
class ValueReader {
public:
    explicit ValueReader(std::string_view text) : text_(text) {}

    bool AtEnd() {
        SkipLineEnds();
        return pos_ >= text_.size();
    }

    std::string_view Next() {
        SkipLineEnds();
        std::string_view value;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            const std::size_t close = text_.find('"', pos_ + 1);
            const std::size_t end = close == std::string_view::npos ? text_.size() : close;
            value = text_.substr(pos_ + 1, end - pos_ - 1);
            pos_ = end == text_.size() ? end : end + 1;
            while (pos_ < text_.size() && !IsSeparator(text_[pos_])) ++pos_;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && !IsSeparator(text_[pos_])) ++pos_;
            value = text_.substr(start, pos_ - start);
        }
        if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
        return value;
    }

    float Single() { return vb::CSng(vb::Val(Next())); }
    std::int32_t Long() { return vb::CLng(vb::Val(Next())); }
    float Whole() { return static_cast<float>(Long()); }
    std::string Text() { return std::string(Next()); }

    void SkipValuesLine() {
        SkipLineEnds();
        while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') ++pos_;
    }

private:
    static bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }
    void SkipLineEnds() {
        while (pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n')) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

void AppendSpoolEntry(std::string& out, const SpoolEntry& e) {
    out += std::to_string(static_cast<std::int32_t>(e.Kind));
    out += "\r\n";
    ValuesLine line(out);
    switch (e.Kind) {
        case DisplayKind::Line:
            line.Single(e.X1).Single(e.Y1).Single(e.X2).Single(e.Y2).Long(e.EntityColor).Long(e.LayerIndex);
            line.Single(e.Linewidth).Long(e.LineType);
            break;
        case DisplayKind::Polyline:
            line.Single(e.X1).Single(e.Y1).Single(e.X2).Single(e.Y2).Long(e.EntityColor).Long(e.LayerIndex);
            line.Single(e.Linewidth).Single(e.Bulge);
            break;
        case DisplayKind::Text:
            line.Single(e.X1).Single(e.Y1).Text(e.Txt).Single(e.Height).Single(e.Rotation).Long(e.HorzAlign);
            line.Long(e.Underline).Long(e.LayerIndex).Long(e.EntityColor).Text(e.FontName).Single(e.FontScalar);
            break;
        case DisplayKind::Circle:
            line.Single(e.X1).Single(e.Y1).Single(e.Radius).Single(e.StartAngle).Single(e.EndAngle);
            line.Long(e.LayerIndex).Long(e.EntityColor).Long(e.LineType).Single(e.Linewidth);
            break;
        case DisplayKind::Solid:
            line.Single(e.X1).Single(e.Y1).Single(e.X2).Single(e.Y2).Single(e.X3).Single(e.Y3);
            line.Single(e.X4).Single(e.Y4).Long(e.LayerIndex).Long(e.EntityColor);
            break;
        case DisplayKind::Point:
            line.Single(e.X1).Single(e.Y1).Long(e.EntityColor).Long(e.LayerIndex);
            break;
        case DisplayKind::Ellipse:
            line.Single(e.X1).Single(e.Y1).Single(e.X2).Single(e.Y2).Single(e.Ratio).Single(e.StartParam);
            line.Single(e.EndParam).Long(e.LayerIndex).Long(e.EntityColor).Long(e.LineType);
            break;
        case DisplayKind::Attribute:
            break;
    }
}

std::vector<SpoolEntry> ParseSpoolEntries(std::string_view text) {
    std::vector<SpoolEntry> entries;
    ValueReader in(text);
    while (!in.AtEnd()) {
        SpoolEntry e;
        const std::int32_t kind = in.Long();
        e.Kind = static_cast<DisplayKind>(kind);
        switch (e.Kind) {
            case DisplayKind::Line:
                e.X1 = in.Single(), e.Y1 = in.Single(), e.X2 = in.Single(), e.Y2 = in.Single();
                e.EntityColor = in.Long(), e.LayerIndex = in.Long(), e.Linewidth = in.Whole();
                e.LineType = in.Long();
                break;
            case DisplayKind::Polyline:
                e.X1 = in.Single(), e.Y1 = in.Single(), e.X2 = in.Single(), e.Y2 = in.Single();
                e.EntityColor = in.Long(), e.LayerIndex = in.Long(), e.Linewidth = in.Whole();
                e.Bulge = in.Single();
                break;
            case DisplayKind::Text:
                e.X1 = in.Single(), e.Y1 = in.Single(), e.Txt = in.Text(), e.Height = in.Single();
                e.Rotation = in.Single(), e.HorzAlign = in.Long(), e.Underline = in.Long();
                e.LayerIndex = in.Long(), e.EntityColor = in.Long(), e.FontName = in.Text();
                e.FontScalar = in.Single();
                break;
            case DisplayKind::Circle:
                e.X1 = in.Single(), e.Y1 = in.Single(), e.Radius = in.Single(), e.StartAngle = in.Single();
                e.EndAngle = in.Single(), e.LayerIndex = in.Long(), e.EntityColor = in.Long();
                e.LineType = in.Long(), e.Linewidth = in.Whole();
                break;
            case DisplayKind::Solid:
                e.X1 = in.Single(), e.Y1 = in.Single(), e.X2 = in.Single(), e.Y2 = in.Single();
                e.X3 = in.Single(), e.Y3 = in.Single(), e.X4 = in.Single(), e.Y4 = in.Single();
                e.LayerIndex = in.Long(), e.EntityColor = in.Long();
                break;
            case DisplayKind::Point:
                e.X1 = in.Single(), e.Y1 = in.Single(), e.EntityColor = in.Long(), e.LayerIndex = in.Long();
                break;
            case DisplayKind::Ellipse:
                e.X1 = in.Single(), e.Y1 = in.Single(), e.X2 = in.Single(), e.Y2 = in.Single();
                e.Ratio = in.Single(), e.StartParam = in.Single(), e.EndParam = in.Single();
                e.LayerIndex = in.Long(), e.EntityColor = in.Long(), e.LineType = in.Long();
                break;
            default:
                // An entry of a kind no replay knows: its values line is passed over.
                in.SkipValuesLine();
                continue;
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

BlockSpools::BlockSpools(std::string_view tmpFileNamePath) : baseFolder_(tmpFileNamePath) {}

BlockSpools::~BlockSpools() { RemoveAll(); }

const std::filesystem::path& BlockSpools::Folder() {
    if (!folder_.empty()) return folder_;
    // The control's folder property ends in a backslash by its own convention.
    std::string base = baseFolder_;
    while (!base.empty() && (base.back() == '\\' || base.back() == '/')) base.pop_back();
    std::error_code ec;
    std::vector<std::filesystem::path> candidates;
    if (!base.empty() && std::filesystem::is_directory(base, ec)) candidates.emplace_back(base);
    candidates.push_back(std::filesystem::temp_directory_path(ec));
    for (const auto& candidate : candidates) {
        std::string pattern = (candidate / "tiraq-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
            return folder_;
        }
    }
    throw vb::RuntimeError(kErrPathNotFound, "Path not found");
}

std::string BlockSpools::Create(std::int32_t block, std::int32_t counter) {
    Close();
    const std::filesystem::path path = Folder() / (std::to_string(counter) + ".TMP");
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (file == nullptr) throw vb::FileError(errno);
    Spool& spool = spools_[block];
    spool = Spool{path, {}, false};
    file_ = file;
    openBlock_ = block;
    return path.string();
}

void BlockSpools::OpenForAppend(std::int32_t block) {
    Close();
    const auto found = spools_.find(block);
    if (found == spools_.end()) throw vb::RuntimeError(kErrFileNotFound, "File not found");
    std::FILE* file = std::fopen(found->second.path.c_str(), "ab");
    if (file == nullptr) throw vb::FileError(errno);
    found->second.entriesRead = false;
    found->second.entries.clear();
    file_ = file;
    openBlock_ = block;
}

void BlockSpools::Write(const SpoolEntry& entry) {
    if (file_ == nullptr) return;
    buffer_.clear();
    AppendSpoolEntry(buffer_, entry);
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) throw vb::FileError(errno);
}

void BlockSpools::Close() {
    if (file_ == nullptr) return;
    std::FILE* file = file_;
    file_ = nullptr;
    openBlock_ = 0;
    if (std::fclose(file) != 0) throw vb::FileError(errno);
}

const std::vector<SpoolEntry>& BlockSpools::Entries(std::int32_t block) {
    const auto found = spools_.find(block);
    if (found == spools_.end() || openBlock_ == block) return none_;
    Spool& spool = found->second;
    if (!spool.entriesRead) {
        spool.entries = ParseSpoolEntries(ReadWholeFile(spool.path));
        spool.entriesRead = true;
    }
    return spool.entries;
}

void BlockSpools::RemoveAll() noexcept {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    openBlock_ = 0;
    for (const auto& [block, spool] : spools_) std::remove(spool.path.c_str());
    spools_.clear();
    if (!folder_.empty()) {
        rmdir(folder_.c_str());
        folder_.clear();
    }
}

}  // namespace tiraq
