#include "reader/load_pass.h"

#include "reader/ansi_text.h"
#include "reader/rotation.h"
#include "reader/text_fonts.h"
#include "reader/text_helpers.h"
#include "reader/traced.h"

#include "vb/convert.h"

#include <cmath>

namespace tiraq {

bool LoadPass::DXFText(std::string_view kind) {
    return Traced(host_, " ->  DXFText .", [&] {
        const bool isMText = UpperCase(TrimBlanks(kind)) == "MTEXT";
        LoadEntity();
        TextRecord r;
        r.LayerIndex = SetLayerID(groupValue_[8]);
        r.EntityColor = EntityColor();
        const std::int16_t flags = vb::CInt(Val(71));
        r.HorzAlign = vb::CLng(Val(72));

        float x = 0, y = 0;
        if (isMText) {
            x = XAt(10), y = YAt(20);
        } else if (r.HorzAlign == 1 || r.HorzAlign == 4) {
            x = XAt(11), y = YAt(21);
        } else if (r.HorzAlign == 2) {
            x = XAt(11), y = YAt(20);
        } else if (r.HorzAlign == 0 || r.HorzAlign == 3 || r.HorzAlign == 5) {
            x = XAt(10), y = YAt(20);
        }
        r.Z1 = ZAt(30);
        r.Height = vb::CSng(Val(40));
        if (properties_.RedlineTextHeight < r.Height) properties_.RedlineTextHeight = r.Height;

        std::string text = EntityText(groupValue_, isMText, r.Underline);
        r.FontName = StyleFontName(groupValue_[7], r.FontScalar, properties_.Fonts);

        r.Rotation = vb::CSng(Val(50));
        if (!isMText && flags == 2) r.Rotation = vb::CSng(r.Rotation - 180.0);
        const double x2 = Val(11), y2 = Val(21), x1 = Val(10), y1 = Val(20);
        if (x2 != 0 && y2 != 0 && r.HorzAlign == 5 && x2 - x1 != 0)
            r.Rotation = vb::CSng((180 / kPi) * std::atan((y2 - y1) / (x2 - x1)));

        if (inBlock_) {
            spools_.Write(SpoolEntry{.Kind = DisplayKind::Text, .X1 = BlockX(x), .Y1 = BlockY(y),
                                     .Height = r.Height, .Rotation = r.Rotation, .FontScalar = r.FontScalar,
                                     .EntityColor = r.EntityColor, .LayerIndex = r.LayerIndex,
                                     .HorzAlign = r.HorzAlign, .Underline = r.Underline, .Txt = std::move(text),
                                     .FontName = r.FontName});
            return true;
        }
        r.X1 = x, r.Y1 = y;
        r.Txt = FitField(text, kTextFieldWidth);
        db_.AppendDrawn(std::move(r));
        CheckExtents(x, y, x, y);
        return true;
    });
}

}  // namespace tiraq
