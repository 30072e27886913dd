#include "display/text_extents.h"

#include "display/display_state.h"
#include "reader/ansi_text.h"
#include "reader/drawing_database.h"
#include "reader/error_chain.h"

#include "vb/convert.h"
#include "vb/cp1252.h"

namespace tiraq {

void MeasureString(gui::DrawingTarget& picture, std::string_view text, std::int32_t pixelHeight, std::int32_t& Width,
                   std::int32_t& Height) {
    const std::string shown = vb::Cp1252ToUtf8(TrimBlanks(text));
    // Points per pixel of the picture: the size in points that makes a font `pixelHeight` high.
    picture.SetFontSize(72.0 / picture.DotsPerInch() * pixelHeight);
    const std::int32_t width = vb::CLng(picture.TextWidth(shown));
    const std::int32_t height = vb::CLng(picture.TextHeight(shown) * 0.66);
    Width = width;
    Height = height;
}

bool GetStringDimensions(const DrawingDatabase& db, const DisplayState& state, gui::DrawingTarget& picture,
                         std::string& strError, std::int32_t TextIndex, std::int32_t& Width, std::int32_t& Height) {
    return Reported(strError, "An error ocurred in GetStringDimensions. The message is: ", [&] {
        const TextRecord& text = db.Texts.At(TextIndex);
        MeasureString(picture, text.Txt, state.CvtHeight(text.Height, text.FontScalar), Width, Height);
    });
}

}  // namespace tiraq
