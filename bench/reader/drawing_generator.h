#pragma once

#include "vb/format.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tiraq::bench {

// Buffers the text and writes it out in large pieces, so a 50 MB drawing never sits in memory.
class DxfWriter {
public:
    explicit DxfWriter(const std::filesystem::path& path) : file_(std::fopen(path.c_str(), "wb"), &std::fclose) {
        if (!file_) throw std::runtime_error("cannot write " + path.string());
        buffer_.reserve(kChunk + 4096);
    }
    ~DxfWriter() { Flush(); }

    void Group(int code, std::string_view value) {
        const std::string number = std::to_string(code);
        buffer_.append(number.size() < 3 ? 3 - number.size() : 0, ' ');
        buffer_ += number;
        buffer_ += "\r\n";
        buffer_ += value;
        buffer_ += "\r\n";
        if (buffer_.size() >= kChunk) Flush();
    }
    void Group(int code, double value) { Group(code, vb::CStr(value)); }
    void Entity(std::string_view type) { Group(0, type); }
    std::uint64_t Written() const { return written_ + buffer_.size(); }

private:
    static constexpr std::size_t kChunk = 1 << 20;
    void Flush() {
        written_ += std::fwrite(buffer_.data(), 1, buffer_.size(), file_.get());
        buffer_.clear();
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
    std::string buffer_;
    std::uint64_t written_ = 0;
};

// What a generated R12 drawing holds.
struct DrawingRecipe {
    std::uint32_t seed = 1;
    int layers = 200;
    std::int64_t lines = 0;          // LINE entities in ENTITIES
    int leafBlocks = 0;              // blocks of plain entities
    int assemblyBlocks = 0;          // blocks inserting leaf blocks, some defined only after them
    std::int64_t inserts = 0;        // INSERTs in ENTITIES, rotated, scaled and some mirrored
    std::int64_t polylines = 0;      // closed POLYLINEs with bulged corners in ENTITIES
    std::int64_t texts = 0;          // TEXTs in ENTITIES
};

// A recipe of about `megabytes` of lines on many layers, nothing else.
DrawingRecipe LinesOnlyRecipe(double megabytes);
// A recipe with 100 000 inserts of nested blocks, polylines and texts.
DrawingRecipe BlocksHeavyRecipe();

// Writes the drawing as a DXF file with CR LF line ends; returns its size in bytes.
std::uint64_t WriteDrawing(const DrawingRecipe& recipe, const std::filesystem::path& path);

}  // namespace tiraq::bench
