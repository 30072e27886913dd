#include "reader/expansion_estimate.h"

#include "reader/ansi_text.h"
#include "reader/block_names.h"
#include "reader/dxf_walk.h"
#include "reader/expansion_cost.h"
#include "reader/text_fonts.h"
#include "reader/text_helpers.h"

#include <algorithm>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace tiraq {
namespace {

// Bytes beyond any memory, yet exact enough in a double that sums stay finite.
constexpr double kCeiling = 1e18;

void Grow(double& sum, double by) { sum = std::min(sum + by, kCeiling); }

void Grow(ExpansionCost& sum, const ExpansionCost& by) {
    Grow(sum.Spooled, by.Spooled);
    Grow(sum.Placed, by.Placed);
}

// What a block's spool file holds, by what a replay copies of it; the entries no replay copies
// (ellipses) are never read by a replay and cost nothing beyond the reading of the file.
struct BlockContents {
    ExpansionCost byInsert;     // the entries that an insert copies
    ExpansionCost byDimension;  // the entries that a dimension copies
    const ExpansionCost& CopiedBy(bool dimension) const { return dimension ? byDimension : byInsert; }
};

// An INSERT or DIMENSION inside a block that names a block not defined yet.
struct RecordedInsert {
    std::int32_t container;
    std::string_view name;
};

// Follows the load through a drawing with the blocks' contents as costs in place of entries.
class ExpansionCensus {
public:
    ExpansionCensus(std::string_view text, const ReaderProperties& properties)
        : walk_(text, properties.CalcExtents, quiet_), fonts_(properties.Fonts), blocks_(1) {}

    double Run() {
        try {
            Keyword keyword = Keyword::None;
            while (walk_.Next(keyword)) Take(keyword);
        } catch (const vb::RuntimeError&) {
            // The load stops where its walk cannot go on, and expands nothing after it.
        }
        return bytes_;
    }

private:
    void Take(Keyword keyword) {
        switch (keyword) {
            case Keyword::None: return;
            case Keyword::ExtMin:
            case Keyword::ExtMax:
            case Keyword::AttDef:
            case Keyword::Layer:
            case Keyword::Attrib: return walk_.SkipEntity();
            case Keyword::Block: return StartBlock();
            case Keyword::EndBlock: inBlock_ = false; return;
            case Keyword::Entities: return StartEntities();
            case Keyword::Line: return Own(DisplayKind::Line);
            case Keyword::Circle: return Own(DisplayKind::Circle);
            case Keyword::Ellipse: return Own(DisplayKind::Ellipse);
            case Keyword::Point: return Own(DisplayKind::Point);
            case Keyword::Solid: return Own(DisplayKind::Solid);
            case Keyword::Face3D: return Own(DisplayKind::Line, 4);
            case Keyword::Text: return OwnText(false);
            case Keyword::MText: return OwnText(true);
            case Keyword::Polyline: return OwnPolyline();
            case Keyword::Insert: return Refer(ReadName(), false);
            case Keyword::Dimension:
                if (const std::string_view name = ReadName(); !name.empty()) Refer(name, true);
                return;
        }
    }

    // Reads the entity's groups and gives its name, group 2.
    std::string_view ReadName() {
        std::string_view name;
        walk_.ReadEntity([&](int code, std::string_view value) {
            if (code == 2) name = value;
        });
        return name;
    }

    void StartBlock() {
        const std::string_view name = ReadName();
        current_ = static_cast<std::int32_t>(blocks_.size());
        blocks_.emplace_back();
        names_.Add(TrimBlanks(name), current_);
        inBlock_ = true;
    }

    void StartEntities() {
        inBlock_ = false;
        if (entitiesPlaced_) return;
        entitiesPlaced_ = true;
        for (const RecordedInsert& recorded : recorded_) {
            const std::int32_t block = names_.Find(TrimBlanks(recorded.name));
            if (block != 0 && block != recorded.container) Copy(block, recorded.container, false);
        }
    }

    void Refer(std::string_view name, bool dimension) {
        const std::int32_t block = names_.Find(name);
        if (!inBlock_) {
            if (block != 0) Grow(bytes_, blocks_[std::size_t(block)].CopiedBy(dimension).Placed);
        } else if (block == 0) {
            recorded_.push_back({current_, name});
        } else if (block != current_) {
            Copy(block, current_, dimension);
        }
    }

    // A replay of `block` into the spool file of `container`.
    void Copy(std::int32_t block, std::int32_t container, bool dimension) {
        const BlockContents from = blocks_[std::size_t(block)];
        const ExpansionCost& copied = from.CopiedBy(dimension);
        Grow(bytes_, copied.Spooled);
        BlockContents& to = blocks_[std::size_t(container)];
        Grow(to.byInsert, copied);
        Grow(to.byDimension, from.byDimension);
    }

    // Entries that the entity just named writes into the block being read.
    void Own(DisplayKind kind, int entries = 1) {
        walk_.SkipEntity();
        for (int i = 0; i < entries; ++i) Spooled(SpoolEntry{.Kind = kind});
    }

    void OwnText(bool isMText) {
        if (!inBlock_) return walk_.SkipEntity();
        walk_.LoadEntity();
        std::int32_t underline = 0;
        float scalar = 0;
        Spooled(SpoolEntry{.Kind = DisplayKind::Text, .Txt = EntityText(walk_.Groups(), isMText, underline),
                           .FontName = StyleFontName(walk_.Groups()[7], scalar, fonts_)});
    }

    void OwnPolyline() {
        walk_.LoadEntity();
        const std::int32_t flags = vb::CLng(walk_.Val(70));
        const auto segment = [&] { Spooled(SpoolEntry{.Kind = DisplayKind::Polyline}); };
        if (DxfWalk::IsPolyfaceMesh(flags))
            walk_.MeshVertices([] {}, [&](std::int64_t, std::int64_t) { segment(); });
        else
            walk_.PolylineVertices(flags, [&](bool segmentEnds) { if (segmentEnds) segment(); }, segment);
    }

    void Spooled(const SpoolEntry& entry) {
        if (!inBlock_) return;
        const ExpansionCost cost = CostOf(entry);
        BlockContents& contents = blocks_[std::size_t(current_)];
        if (InsertCopies(entry.Kind)) Grow(contents.byInsert, cost);
        if (DimensionCopies(entry.Kind)) Grow(contents.byDimension, cost);
    }

    ReaderHost quiet_;
    DxfWalk walk_;
    const TextFontSettings& fonts_;
    std::vector<BlockContents> blocks_;  // by block index, from 1
    BlockNames names_;
    std::vector<RecordedInsert> recorded_;
    std::int32_t current_ = 0;
    bool inBlock_ = false;
    bool entitiesPlaced_ = false;
    double bytes_ = 0;
};

}  // namespace

double ExpansionBytes(std::string_view text, const ReaderProperties& properties) {
    return ExpansionCensus(text, properties).Run();
}

std::int64_t ExpansionMemoryLimit() {
    const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
    // A machine that does not say is taken to have 4 GB.
    const double memory = pages > 0 && pageSize > 0 ? double(pages) * double(pageSize) : 4e9;
    double share = memory / 10;
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        share = std::min(share, double(limit.rlim_cur) / 4);
    return std::int64_t(share);
}

}  // namespace tiraq
