#include "gui/title_width.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace gui {

int TitleWidth(const QWidget& window) {
    QFont font = window.font();
    font.setBold(true);
    // The icon, three buttons and the margins around them: five title-bar heights.
    const int bar = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window),
                             QFontMetrics(font).height());
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + 5 * bar;
}

void FitTitle(QWidget& window) {
    window.ensurePolished();  // its fonts and margins as they will show
    const QSize size = window.sizeHint().expandedTo(window.minimumSize());
    window.setFixedSize(std::max(size.width(), TitleWidth(window)), size.height());
}

}  // namespace gui
