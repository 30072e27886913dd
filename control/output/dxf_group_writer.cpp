#include "output/dxf_group_writer.h"

#include "vb/format.h"
#include "vb/replacing_file.h"

namespace tiraq {
namespace {

constexpr std::size_t kFlushSize = 1 << 16;

// A CR inside a value would end its line early and shift every group after it, so a CR (with the
// LF that belongs to it) becomes one space. A bare LF is part of a line and stays.
std::string OnOneLine(std::string_view value) {
    std::string line;
    line.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\r') {
            line += value[i];
            continue;
        }
        line += ' ';
        if (i + 1 < value.size() && value[i + 1] == '\n') ++i;
    }
    return line;
}

}  // namespace

DxfGroupWriter::~DxfGroupWriter() = default;

void DxfGroupWriter::Line(std::string_view text) {
    buffer_ += text;
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushSize) Flush();
}

void DxfGroupWriter::Group(int code, std::string_view value) {
    Line(std::to_string(code));
    if (value.find('\r') == std::string_view::npos)
        Line(value);
    else
        Line(OnOneLine(value));
}

void DxfGroupWriter::Real(int code, float value) { Group(code, vb::SingleToShortestText(value)); }

void DxfGroupWriter::Integer(int code, std::int64_t value) { Group(code, std::to_string(value)); }

void DxfGroupWriter::Flush() {
    file_.Write(buffer_);
    buffer_.clear();
}

}  // namespace tiraq
