#include "frame/text_finder.h"

#include "reader/ansi_text.h"

#include "vb/cp1252.h"

#include <string>

namespace tiraq {

std::int32_t TextFinder::Next(const DrawingDatabase& db, std::string_view TextToFind, std::int16_t LayerID) {
    if (LayerID != LastFindLayer) {
        LastFindIndex = 0;
        LastFindLayer = LayerID;
    }
    // The drawing's texts are the file's Windows-1252 bytes; the host's text is UTF-8.
    const std::string sought = UpperCase(vb::Utf8ToCp1252(TextToFind));
    const std::int32_t count = db.TextCount();
    std::int32_t found = 0;
    std::string candidate;
    for (std::int32_t i = LastFindIndex + 1; i <= count; ++i) {
        const TextRecord& text = db.Texts[i];
        if (LayerID != 0 && text.LayerIndex != LayerID) continue;
        candidate.clear();
        AppendUpperCase(candidate, TrimBlanks(text.Txt));
        if (candidate == sought) {
            found = i;
            LastFindIndex = i;
            break;
        }
    }
    if (found == 0 || found >= count) LastFindIndex = 0;
    return found;
}

}  // namespace tiraq
