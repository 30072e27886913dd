#include "reader/text_fonts.h"

#include "reader/ansi_text.h"
#include "reader/drawing_records.h"

#include <array>
#include <string_view>

namespace tiraq {
namespace {

struct StyleFace {
    std::string_view style;
    std::string_view face;
    float factor;
};

// Styles of drawings made for the DXF fonts, tested in this order.
constexpr std::array<StyleFace, 14> kDxfFontMap = {{
    {"ROMANC", "ROMANC", 1.4f},
    {"MONOTXT", "MONOTXT", 1.0f},
    {"STANDARD", "TXT", 2.0f},
    {"TXT", "TXT", 2.0f},
    {"SIMPLEX", "SIMPLEX", 1.4f},
    {"COMPLEX", "COMPLEX", 1.2f},
    {"GOTHICE", "GOTHICE", 1.2f},
    {"ROMAND", "ROMAND", 1.4f},
    {"ROMANS", "ROMANS", 1.4f},
    {"ROMANT", "ROMANT", 1.4f},
    {"CKSTANDARD", "Arial Narrow", 1.3f},
    {"MAP", "Arial", 1.4f},
    {"TITLE", "Arial", 2.0f},
    {"1", "TXT", 1.4f},
}};

constexpr std::array<std::string_view, 9> kProportionalStyles = {
    "ROMANC", "ROMAND", "SIMPLEX", "DUPLEX", "COMPLEX", "GOTHICE", "ROMANS", "ROMANT", "TITLE"};

}  // namespace

void MapTextFont(std::string& Name, float& Scalar, const TextFontSettings& settings) {
    const std::string style = UpperCase(TrimBlanks(Name));
    if (settings.UseDXFFonts) {
        for (const StyleFace& entry : kDxfFontMap) {
            if (entry.style == style) {
                Name = entry.face;
                Scalar = entry.factor;
                return;
            }
        }
        Name = "TXT";
        Scalar = 1.5f;
        return;
    }
    for (const std::string_view proportional : kProportionalStyles) {
        if (proportional == style) {
            Name = settings.PropFontName;
            Scalar = settings.PropFontScalar;
            return;
        }
    }
    Name = settings.MonoFontName;
    Scalar = settings.MonoFontScalar;
}

std::string StyleFontName(std::string_view style, float& scalar, const TextFontSettings& settings) {
    std::string face(style);
    MapTextFont(face, scalar, settings);
    return FitField(TrimBlanks(face), kFontNameFieldWidth);
}

}  // namespace tiraq
