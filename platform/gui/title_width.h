#pragma once

class QWidget;

namespace gui {

// The width a top-level window needs for its title bar to show its caption whole: the caption in
// a bold title font, beside the window's icon and its minimise, maximise and close buttons.
int TitleWidth(const QWidget& window);

// Widens a window of fixed size, where needed, so that its title shows whole.
void FitTitle(QWidget& window);

}  // namespace gui
