#pragma once

#include "vb/export.h"

namespace vb {

// A process that writes past its file-size limit (the shell's `ulimit -f`) is ended by a signal,
// with no word and with everything it had not saved, unless it ignores that signal; then the
// write fails with "File too large", which the writer reports like any other failure. This makes
// the process ignore it, unless the process handles the signal itself. The program does it first
// thing at its start; ReplacingFile does it when it is first used, for the other hosts of the
// drawing component. Programs the process starts inherit it.
VB_API void IgnoreFileSizeSignal();

}  // namespace vb
