#include "gui/font_faces.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace gui {
namespace {

struct Substitution {
    const char* face;
    const char* family;
    int stretch;
};

constexpr const char* kSans = "Liberation Sans";
constexpr const char* kSerif = "Liberation Serif";
constexpr const char* kMono = "Liberation Mono";

// Keys in upper case. The CAD shape fonts go to the face that looks most like them: the simple
// stroke fonts to sans-serif, the roman stroke fonts with serifs to serif, the gothic one to DejaVu
// Serif so it at least differs, the monospaced ones to mono.
constexpr std::array kSubstitutions = {
    Substitution{"TXT", kSans, QFont::Unstretched},
    Substitution{"MONOTXT", kMono, QFont::Unstretched},
    Substitution{"SIMPLEX", kSans, QFont::Unstretched},
    Substitution{"ROMANS", kSans, QFont::Unstretched},
    Substitution{"ROMAND", kSans, QFont::Unstretched},
    Substitution{"ROMANC", kSerif, QFont::Unstretched},
    Substitution{"ROMANT", kSerif, QFont::Unstretched},
    Substitution{"COMPLEX", kSerif, QFont::Unstretched},
    Substitution{"DUPLEX", kSerif, QFont::Unstretched},
    Substitution{"GOTHICE", "DejaVu Serif", QFont::Unstretched},
    Substitution{"ARIAL", kSans, QFont::Unstretched},
    Substitution{"ARIAL NARROW", kSans, 82},
    Substitution{"HELVETICA", kSans, QFont::Unstretched},
    Substitution{"MS SANS SERIF", kSans, QFont::Unstretched},
    Substitution{"TIMES NEW ROMAN", kSerif, QFont::Unstretched},
    Substitution{"TIMES", kSerif, QFont::Unstretched},
    Substitution{"COURIER NEW", kMono, QFont::Unstretched},
    Substitution{"COURIER", kMono, QFont::Unstretched},
};

bool IsInstalled(const QString& family) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

}  // namespace

InstalledFace SubstituteFace(const QString& face) {
    const QString key = face.trimmed().toUpper();
    for (const Substitution& s : kSubstitutions) {
        if (key == QLatin1String(s.face)) return {QString::fromLatin1(s.family), s.stretch};
    }
    if (!key.isEmpty() && IsInstalled(face.trimmed())) return {face.trimmed(), QFont::Unstretched};
    return {QString::fromLatin1(kSans), QFont::Unstretched};
}

QFont AliasedFont(const QString& face) {
    const InstalledFace installed = SubstituteFace(face);
    QFont font(installed.family);
    font.setStretch(installed.stretch);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

}  // namespace gui
