#pragma once

#include "reader/expansion_cost.h"
#include "reader/spool_entry.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tiraq {

// The spool file format: per entry a kind line and a values line, values separated by commas,
// numbers as decimal text with "." (Singles in their shortest exact form), strings in double
// quotes, CR LF line ends. The line widths of lines, polyline segments and circles read back as
// whole numbers.
void AppendSpoolEntry(std::string& out, const SpoolEntry& entry);
std::vector<SpoolEntry> ParseSpoolEntries(std::string_view text);

// The spool files of one load: a private folder made for the load under the given folder (the
// system temporary folder when that is empty or missing), one file per block created exclusively,
// at most one open for writing at a time, and everything removed when the load ends.
class BlockSpools {
public:
    explicit BlockSpools(std::string_view tmpFileNamePath);
    ~BlockSpools();
    BlockSpools(const BlockSpools&) = delete;
    BlockSpools& operator=(const BlockSpools&) = delete;

    // Creates the spool file of a new block, named by the spool counter, and opens it for
    // writing; returns its full name.
    std::string Create(std::int32_t block, std::int32_t counter);
    // Opens a block's existing spool file for appending.
    void OpenForAppend(std::int32_t block);
    // Writes to the open spool file.
    void Write(const SpoolEntry& entry);
    // Closes the open spool file, if any.
    void Close();
    bool IsOpen(std::int32_t block) const noexcept { return openBlock_ == block; }

    // The entries of a closed spool file that an insert copies, in file order: read once and then
    // replayed from memory until the file changes, the entries no replay copies (ellipses) left
    // behind then, so that no replay passes over them again. The file being written is never
    // read: it gives no entries.
    const std::vector<SpoolEntry>& Entries(std::int32_t block);
    // Those of them that a dimension copies.
    const std::vector<const SpoolEntry*>& DimensionEntries(std::int32_t block);
    // What a replay of a block by an insert, or by a dimension, costs: the cost of what it copies.
    ExpansionCost Cost(std::int32_t block);
    ExpansionCost DimensionCost(std::int32_t block);

    // Closes and deletes every spool file and the private folder.
    void RemoveAll() noexcept;

private:
    struct Spool {
        std::filesystem::path path;
        std::vector<SpoolEntry> entries;
        std::vector<const SpoolEntry*> dimensionEntries;
        ExpansionCost cost, dimensionCost;
        bool entriesRead = false;
        bool dimensionEntriesFound = false;

        // Forgets what was read of the file, which is about to change.
        void Forget() {
            entries.clear();
            dimensionEntries.clear();
            cost = dimensionCost = {};
            entriesRead = dimensionEntriesFound = false;
        }
    };

    // The block's spool, its entries read; null for a block with none to read.
    Spool* ReadSpool(std::int32_t block);

    const std::filesystem::path& Folder();

    std::string baseFolder_;
    std::filesystem::path folder_;
    std::unordered_map<std::int32_t, Spool> spools_;
    std::FILE* file_ = nullptr;
    std::int32_t openBlock_ = 0;
    std::string buffer_;
    std::vector<SpoolEntry> none_;
    std::vector<const SpoolEntry*> noDimensionEntries_;
};

}  // namespace tiraq
