#include "reader/expansion_estimate.h"

#include "reader/ansi_text.h"
#include "reader/group_values.h"

#include "vb/text_lines.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace tiraq {
namespace {

// Entries beyond any memory, yet exact enough in a double that sums and products stay finite.
constexpr double kCeiling = 1e18;

double Capped(double entries) { return std::min(entries, kCeiling); }

struct BlockCount {
    double own = 0;                    // entries that the block's own entities write
    std::vector<std::size_t> inserts;  // per INSERT or DIMENSION, the name of the block placed
};

// Reads a drawing's text the way the load driver does, keyword line by keyword line, each entity's
// group pairs up to the next code 0 or 9, and counts what every block holds and places.
class BlockCensus {
public:
    explicit BlockCensus(std::string_view text) : lines_(text) {}

    void Run() {
        std::string_view line;
        while (lines_.Next(line)) {
            if (line.size() < 3 || line.size() > 9) continue;
            if (line == "BLOCK") {
                StartBlock(TrimBlanks(EntityName()));
            } else if (line == "ENDBLK" || line == "ENTITIES") {
                current_ = kNone;
            } else if (line == "INSERT" || line == "DIMENSION") {
                Refer(EntityName());
            } else if (line == "3DFACE") {
                Own(4);
            } else if (line == "LINE" || line == "CIRCLE" || line == "ARC" || line == "ELLIPSE" || line == "POINT" ||
                       line == "TEXT" || line == "MTEXT" || line == "SOLID" || line == "VERTEX" ||
                       line == "POLYLINE") {
                // A polyline's own entry stands for its closing segment.
                Own(1);
            } else if (line == "LAYER") {
                // The first LAYER line names the table.
                if (!layerTableNamePending_) EntityName();
                layerTableNamePending_ = false;
            } else if (line == "$EXTMIN" || line == "$EXTMAX" || line == "ATTDEF" || line == "ATTRIB") {
                EntityName();
            }
        }
    }

    double Bytes() const {
        const std::vector<double> size = Sizes();
        double spooled = 0;
        for (const double entries : size) spooled += entries;
        double placed = 0;
        for (const std::size_t name : drawing_.inserts)
            if (const std::size_t block = BlockNamed(name); block != kNone) placed += size[block];
        return spooled * kSpoolEntryBytes + placed * kPlacedRecordBytes;
    }

private:
    static constexpr std::size_t kNone = std::size_t(-1);

    // Reads the entity's group pairs as the reader does and gives its group 2, the name.
    std::string_view EntityName() {
        std::string_view name;
        ReadGroups(lines_, [&](int code, std::string_view value) {
            if (code == 2) name = value;
        });
        return name;
    }

    std::size_t NameId(std::string_view name) {
        const auto [it, added] = nameIds_.try_emplace(std::string(name), blockOfName_.size());
        if (added) blockOfName_.push_back(kNone);
        return it->second;
    }

    // Of several blocks of one name the first is the one inserted.
    void StartBlock(std::string_view name) {
        current_ = blocks_.size();
        blocks_.emplace_back();
        std::size_t& block = blockOfName_[NameId(name)];
        if (block == kNone) block = current_;
    }

    void Own(double entries) {
        EntityName();
        if (current_ != kNone) blocks_[current_].own += entries;
    }

    void Refer(std::string_view name) {
        if (name.empty()) return;
        // Inserts recorded before their block is defined are looked up by the trimmed name.
        const std::size_t id = NameId(TrimBlanks(name));
        (current_ == kNone ? drawing_ : blocks_[current_]).inserts.push_back(id);
    }

    std::size_t BlockNamed(std::size_t name) const { return blockOfName_[name]; }

    // Each block's size, worked out once per block, depth first without recursion so that a deep
    // nesting needs no deep stack. A block met again while its own size is still being worked out
    // (blocks inserting each other) counts with its own entries, as far as it got.
    std::vector<double> Sizes() const {
        enum class State : std::uint8_t { New, Open, Done };
        struct Frame {
            std::size_t block;
            std::size_t next;
        };
        std::vector<double> size(blocks_.size(), 0);
        std::vector<State> state(blocks_.size(), State::New);
        std::vector<Frame> stack;
        const auto open = [&](std::size_t block) {
            state[block] = State::Open;
            size[block] = blocks_[block].own;
            stack.push_back({block, 0});
        };
        for (std::size_t root = 0; root < blocks_.size(); ++root) {
            if (state[root] != State::New) continue;
            open(root);
            while (!stack.empty()) {
                const std::size_t block = stack.back().block;
                const std::vector<std::size_t>& inserts = blocks_[block].inserts;
                if (stack.back().next == inserts.size()) {
                    state[block] = State::Done;
                    stack.pop_back();
                    continue;
                }
                const std::size_t inner = BlockNamed(inserts[stack.back().next]);
                if (inner != kNone && inner != block && state[inner] == State::New) {
                    open(inner);  // this insert is taken again once the inner block is done
                    continue;
                }
                ++stack.back().next;
                // An undefined block, or the block itself, places nothing.
                if (inner == kNone || inner == block) continue;
                size[block] = Capped(size[block] + (state[inner] == State::Done ? size[inner] : blocks_[inner].own));
            }
        }
        return size;
    }

    vb::LineScanner lines_;
    std::vector<BlockCount> blocks_;
    BlockCount drawing_;  // the inserts outside every block
    std::size_t current_ = kNone;
    bool layerTableNamePending_ = true;
    std::unordered_map<std::string, std::size_t> nameIds_;
    std::vector<std::size_t> blockOfName_;
};

}  // namespace

double ExpansionBytes(std::string_view text) {
    BlockCensus census(text);
    census.Run();
    return census.Bytes();
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
