#pragma once

#include <string>

namespace tiraq {

class DrawingDatabase;

// The layer description that marks a layer added by redlining; the layer reader knows a layer
// by the "REDLINE" in it when the file is loaded again.
inline constexpr const char* kRedlineLayerDescription = "REDLINE LAYER CREATED BY TIRAQ OCX FROM OSMUN ENGINEERING";

// Copies the DXF file `SourceFileName` line for line to `NewFileName` and adds what redlining
// made: an entry in the layer table for every layer flagged new, and a record at the end of the
// ENTITIES section for every redline line, text, circle and solid not marked deleted (in a section
// of their own before the end of a file that has none). When the source has a handle seed, the
// added records get handles and the seed is moved past them; a seed that is no hexadecimal number
// is left as it stands and the added records get no handles. The sections, the layer table and
// the seed are found pair by pair as the reader reads groups, a value never taken for a code, and
// compared with blanks, tabs and stray carriage returns trimmed, so neither a header value nor
// what a writer left after a keyword moves anything out of the section the reader reads; a file
// with no place for the redlines is refused rather than saved without them. The source is read a
// piece at a time.
//
// The copy is written under a temporary name and takes the place of `NewFileName` only when
// complete; a new name that is the source itself is refused. Failures raise the runtime's error.
void SaveWithRedlines(const DrawingDatabase& db, const std::string& SourceFileName, const std::string& NewFileName);

}  // namespace tiraq
