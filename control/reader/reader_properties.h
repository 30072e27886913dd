#pragma once

#include "reader/text_fonts.h"

#include <string>

namespace tiraq {

// The control's properties that a load reads or writes.
struct ReaderProperties {
    std::string TmpFileNamePath;  // folder of the block spool files
    bool CalcExtents = false;     // extents from the entities rather than the header's
    TextFontSettings Fonts;
    float RedlineTextHeight = 1;  // after a load: the largest text height of the drawing
};

}  // namespace tiraq
