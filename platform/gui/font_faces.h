#pragma once

#include <QFont>
#include <QString>

namespace gui {

// The face that stands in for a face a drawing or a layout names. Drawings name the shape fonts of
// their CAD program ("TXT", "ROMANS") and layouts name Windows faces ("Arial", "Times New Roman");
// a fixed table maps both to faces that every machine of ours has installed (Liberation and DejaVu),
// so text measures the same everywhere. A face that is installed itself is kept; anything else
// falls back to the sans-serif face. Letter case and surrounding blanks do not matter.
struct InstalledFace {
    QString family;
    int stretch = QFont::Unstretched;  // percent; narrow faces are drawn condensed
};

InstalledFace SubstituteFace(const QString& face);

// A font of that face, drawn without antialiasing so that pixel colours stay exact.
QFont AliasedFont(const QString& face);

}  // namespace gui
