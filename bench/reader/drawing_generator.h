#pragma once

#include <cstdint>
#include <filesystem>

namespace tiraq::bench {

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
