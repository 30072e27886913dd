#pragma once

#include "reader/reader_host.h"

#include <string>

namespace tiraq {

// Copies a DXF file whose lines end in bare line feeds into one whose lines end in CR LF, so the
// reader can load it. Refuses a file that already holds a carriage return, and an output that is
// the input itself; the output is written through a temporary file, so a failure leaves it as it
// was. Returns false with the message in `strError` on any failure.
bool FixUNIXFile(std::string& strError, const std::string& InFileName, const std::string& OutFileName,
                 ReaderHost& host);

}  // namespace tiraq
