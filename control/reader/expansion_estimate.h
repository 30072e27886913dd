#pragma once

#include "reader/block_spool.h"
#include "reader/drawing_records.h"

#include <cstdint>
#include <string_view>

namespace tiraq {

// What block expansion costs in memory. An entry of a block's spool file is held in the file and,
// once the block is replayed, parsed in memory; a record placed in the drawing database comes
// with its display-list entry (a line's size: most expanded records are lines and segments).
inline constexpr std::int64_t kSpoolEntryBytes = sizeof(SpoolEntry) + 64;
inline constexpr std::int64_t kPlacedRecordBytes = sizeof(LineRecord) + sizeof(SeqEntry);

// The memory that expanding a drawing's blocks would take, estimated from its text before
// anything is expanded. A block's size is its own entries plus, for every INSERT or DIMENSION
// inside it, the size of the block that it names, so nested counts multiply; every block's spool
// file holds its size, and every INSERT or DIMENSION outside the blocks places its block's size
// as records. Each block's size is worked out once. Sizes beyond any memory are held at a ceiling
// instead of growing without bound.
double ExpansionBytes(std::string_view text);

// The memory that block expansion may take in one load: a tenth of the machine's physical memory,
// since the program keeps several drawings open beside the user's other work, or a quarter of the
// process's address-space limit when that is lower. On a 24 GB machine a drawing of 4 M expanded
// lines (about 1.2 GB) loads, while 5 000 blocks that each add a line to the one before (12.5 M
// spooled entries for 5 000 lines, about 2.9 GB and twenty seconds) are refused at once.
std::int64_t ExpansionMemoryLimit();

}  // namespace tiraq
