#pragma once

#include "reader/drawing_database.h"

#include <cstdint>
#include <string_view>

namespace tiraq {

// The search of Find: each call goes on after the text found last, on the same layer, and starts
// again at the first text after the last one or when the layer changes.
class TextFinder {
public:
    // The 1-based text record whose text, trimmed of blanks, equals `TextToFind` (UTF-8) regardless
    // of letter case, on layer `LayerID` (0 for any layer); 0 when none is left.
    std::int32_t Next(const DrawingDatabase& db, std::string_view TextToFind, std::int16_t LayerID);
    // A new drawing: the next search starts at its first text.
    void Reset() { LastFindIndex = 0; }

    std::int32_t LastFindIndex = 0;
    std::int16_t LastFindLayer = 0;
};

}  // namespace tiraq
