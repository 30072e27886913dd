#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vb {
class ReplacingFile;
}

namespace tiraq {

// Writes the text of a DXF file as the control's writers do: every line ended by CR LF, group
// codes as bare decimal numbers, Singles in the shortest text that reads back as the same Single,
// whole numbers as plain decimals.
class DxfGroupWriter {
public:
    explicit DxfGroupWriter(vb::ReplacingFile& file) : file_(file) {}
    ~DxfGroupWriter();
    DxfGroupWriter(const DxfGroupWriter&) = delete;
    DxfGroupWriter& operator=(const DxfGroupWriter&) = delete;

    void Line(std::string_view text);
    void Group(int code, std::string_view value);
    void Real(int code, float value);
    void Integer(int code, std::int64_t value);
    // Hands what is buffered to the file; raises the file's error.
    void Flush();

private:
    vb::ReplacingFile& file_;
    std::string buffer_;
};

}  // namespace tiraq
