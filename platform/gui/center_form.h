#pragma once

class QWidget;

namespace gui {

// Places `frm` over `parent`:
// - a top-level window over a parent that exists on the screen: centred over the parent's screen
//   rectangle (frames included), so a dialog larger than its parent starts left of or above it;
// - a multiple-document child (or its frame): centred in the parent's inner area, by the parent's
//   inner size only;
// - otherwise (no parent on the screen): centred on the screen.
void CenterForm(QWidget& frm, const QWidget* parent);

}  // namespace gui
