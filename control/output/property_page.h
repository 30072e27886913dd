#pragma once

#include "control/dxf.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tiraq {

// The property page ppAppearance through which a form designer edits the drill-down
// percentages, the zoom function, the file name and the attribute display of a control. The
// designer fills SelectedControls and calls SelectionChanged when it shows the page, and
// ApplyChanges when the user applies it; Changed tells it that there is something to apply.
class PropertyPage final : public QWidget {
public:
    explicit PropertyPage(QWidget* parent = nullptr);

    std::vector<vb::Ref<DXF>> SelectedControls;
    bool Changed = false;

    // Shows the first selected control's values.
    void PropertyPage_SelectionChanged();
    // Writes the page's values to the first selected control; a percentage that is no number
    // raises the runtime's type mismatch, and nothing after it is written.
    void PropertyPage_ApplyChanges();

    QGroupBox* Frame1;
    QLineEdit* txtOnTheSpotRight;
    QLineEdit* txtOnTheSpotZoomPct;
    QLabel* Label2;
    QLabel* lblOnTheSpotZoomPct;
    QCheckBox* chkAttributeDisplay;
    QComboBox* cmbZoom;
    QLineEdit* txtFileName;
    QLabel* Label1;
    QLabel* lblFileName;

private:
    void MarkChanged() { Changed = true; }
};

}  // namespace tiraq
