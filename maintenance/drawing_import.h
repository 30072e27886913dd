#pragma once

#include <QString>

#include <cstdint>
#include <string>

namespace quellmar::maintenance {

// The largest drawing file the import takes: one byte short of what the original's 2048-character
// pieces counted in 16-bit integers could hold. Real drawings are a few hundred kilobytes.
inline constexpr std::int64_t kMostDrawingFileBytes = std::int64_t{32767} * 2048 - 1;

// The drawing text to store from a drawing file: its bytes, with bare LF line ends converted to
// CR LF by the drawing component's own repair, since the component reads lines that end at CR
// and could never show the file otherwise. Refuses, with a DatabaseError naming the file and the
// reason, anything but a regular file (before opening it), an empty file, a file larger than
// kMostDrawingFileBytes, and a file that is not a DXF drawing in text form.
std::string DrawingFileText(const QString& dxfFileName);

}  // namespace quellmar::maintenance
