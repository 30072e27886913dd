#pragma once

#include "reader/reader_properties.h"

#include <cstdint>
#include <string_view>

namespace tiraq {

// What expanding a drawing's blocks will cost, in bytes, worked out from its text before any block
// is read. The drawing is walked as the load walks it, and every replay that the load will make is
// counted as the load counts it (ExpansionCost), so that a load within the limit is never refused
// and one beyond it is refused before it grows. An INSERT or DIMENSION inside a block copies the
// block it names as that block is then; one that names a block defined only later is placed when
// the entities begin, in file order, with what that block holds by then: its own entities, the
// blocks it took in as it was read, and what earlier such placements added to it. A forward
// reference is so expanded one level, once. An INSERT or DIMENSION outside the blocks places its
// block into the drawing. Sums beyond any memory are held at a ceiling.
double ExpansionBytes(std::string_view text, const ReaderProperties& properties);

// The memory that block expansion may take in one load: a tenth of the machine's physical memory,
// since the program keeps several drawings open beside the user's other work, or a quarter of the
// process's address-space limit when that is lower. On a 24 GB machine a drawing of 4 M expanded
// lines (about 1.2 GB) loads, while 5 000 blocks that each add a line to the one before (12.5 M
// spooled entries for 5 000 lines, about 2.9 GB and twenty seconds) are refused at once.
std::int64_t ExpansionMemoryLimit();

}  // namespace tiraq
