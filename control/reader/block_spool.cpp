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
    // A pen width goes out as a Single and is read back as a whole number.
    ValuesLine& Width(float value) { return Single(value); }

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

// Reads an entry's values into its fields, under the names ValuesLine writes them by.
class FieldReader {
public:
    explicit FieldReader(ValueReader& in) : in_(in) {}
    FieldReader& Single(float& value) {
        value = in_.Single();
        return *this;
    }
    FieldReader& Long(std::int32_t& value) {
        value = in_.Long();
        return *this;
    }
    FieldReader& Text(std::string& value) {
        value = in_.Text();
        return *this;
    }
    FieldReader& Width(float& value) {
        value = in_.Whole();
        return *this;
    }

private:
    ValueReader& in_;
};

// The fields of an entry in the order its values line holds them, each written or read through
// `io`; false for a kind whose line holds none.
template <typename Io, typename Entry>
bool SpoolFields(Io&& io, Entry& e) {
    switch (e.Kind) {
        case DisplayKind::Line:
        case DisplayKind::Polyline:
            // A segment ends in its bulge where a line ends in its pen style.
            io.Single(e.X1).Single(e.Y1).Single(e.X2).Single(e.Y2).Long(e.EntityColor).Long(e.LayerIndex);
            io.Width(e.Linewidth);
            if (e.Kind == DisplayKind::Line) io.Long(e.LineType);
            else io.Single(e.Bulge);
            return true;
        case DisplayKind::Text:
            io.Single(e.X1).Single(e.Y1).Text(e.Txt).Single(e.Height).Single(e.Rotation).Long(e.HorzAlign);
            io.Long(e.Underline).Long(e.LayerIndex).Long(e.EntityColor).Text(e.FontName).Single(e.FontScalar);
            return true;
        case DisplayKind::Circle:
            io.Single(e.X1).Single(e.Y1).Single(e.Radius).Single(e.StartAngle).Single(e.EndAngle);
            io.Long(e.LayerIndex).Long(e.EntityColor).Long(e.LineType).Width(e.Linewidth);
            return true;
        case DisplayKind::Solid:
            io.Single(e.X1).Single(e.Y1).Single(e.X2).Single(e.Y2).Single(e.X3).Single(e.Y3).Single(e.X4).Single(e.Y4);
            io.Long(e.LayerIndex).Long(e.EntityColor);
            return true;
        case DisplayKind::Point:
            io.Single(e.X1).Single(e.Y1).Long(e.EntityColor).Long(e.LayerIndex);
            return true;
        case DisplayKind::Ellipse:
            io.Single(e.X1).Single(e.Y1).Single(e.X2).Single(e.Y2).Single(e.Ratio).Single(e.StartParam);
            io.Single(e.EndParam).Long(e.LayerIndex).Long(e.EntityColor).Long(e.LineType);
            return true;
        default:
            return false;
    }
}

}  // namespace

void AppendSpoolEntry(std::string& out, const SpoolEntry& e) {
    out += std::to_string(static_cast<std::int32_t>(e.Kind));
    out += "\r\n";
    SpoolFields(ValuesLine(out), e);
}

std::vector<SpoolEntry> ParseSpoolEntries(std::string_view text) {
    std::vector<SpoolEntry> entries;
    ValueReader in(text);
    while (!in.AtEnd()) {
        SpoolEntry e;
        e.Kind = static_cast<DisplayKind>(in.Long());
        if (!SpoolFields(FieldReader(in), e)) {
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
    spool.path = path;
    spool.Forget();
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
    found->second.Forget();
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

BlockSpools::Spool* BlockSpools::ReadSpool(std::int32_t block) {
    const auto found = spools_.find(block);
    if (found == spools_.end() || openBlock_ == block) return nullptr;
    Spool& spool = found->second;
    if (!spool.entriesRead) {
        spool.entries = ParseSpoolEntries(ReadWholeFile(spool.path));
        std::erase_if(spool.entries, [](const SpoolEntry& entry) { return !InsertCopies(entry.Kind); });
        spool.entriesRead = true;
        for (const SpoolEntry& entry : spool.entries) spool.cost += CostOf(entry);
    }
    return &spool;
}

const std::vector<SpoolEntry>& BlockSpools::Entries(std::int32_t block) {
    const Spool* spool = ReadSpool(block);
    return spool == nullptr ? none_ : spool->entries;
}

const std::vector<const SpoolEntry*>& BlockSpools::DimensionEntries(std::int32_t block) {
    Spool* spool = ReadSpool(block);
    if (spool == nullptr) return noDimensionEntries_;
    if (!spool->dimensionEntriesFound) {
        spool->dimensionEntriesFound = true;
        for (const SpoolEntry& entry : spool->entries) {
            if (!DimensionCopies(entry.Kind)) continue;
            spool->dimensionEntries.push_back(&entry);
            spool->dimensionCost += CostOf(entry);
        }
    }
    return spool->dimensionEntries;
}

ExpansionCost BlockSpools::Cost(std::int32_t block) {
    const Spool* spool = ReadSpool(block);
    return spool == nullptr ? ExpansionCost{} : spool->cost;
}

ExpansionCost BlockSpools::DimensionCost(std::int32_t block) {
    if (DimensionEntries(block).empty()) return {};
    return spools_.find(block)->second.dimensionCost;
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
