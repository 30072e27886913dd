#include "output/dxf_group_writer.h"

#include "reader/file_io.h"
#include "vb/format.h"

namespace tiraq {
namespace {

constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

DxfGroupWriter::~DxfGroupWriter() = default;

void DxfGroupWriter::Line(std::string_view text) {
    buffer_ += text;
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushSize) Flush();
}

void DxfGroupWriter::Group(int code, std::string_view value) {
    Line(std::to_string(code));
    Line(value);
}

void DxfGroupWriter::Real(int code, float value) { Group(code, vb::SingleToShortestText(value)); }

void DxfGroupWriter::Integer(int code, std::int64_t value) { Group(code, std::to_string(value)); }

void DxfGroupWriter::Flush() {
    file_.Write(buffer_);
    buffer_.clear();
}

}  // namespace tiraq
