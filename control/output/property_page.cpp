#include "output/property_page.h"

#include "vb/convert.h"
#include "vb/format.h"
#include "vb/variant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tiraq {
namespace {

// A text box's text as a Single, as assigning it to a Single property converts it.
float SingleOf(const QLineEdit& box) { return vb::CSng(vb::Variant(box.text().toStdString()).ToDouble()); }

}  // namespace

PropertyPage::PropertyPage(QWidget* parent)
    : QWidget(parent),
      Frame1(new QGroupBox("On the Spot Zoom Percents", this)),
      txtOnTheSpotRight(new QLineEdit(Frame1)),
      txtOnTheSpotZoomPct(new QLineEdit(Frame1)),
      Label2(new QLabel("Right Mouse Button", Frame1)),
      lblOnTheSpotZoomPct(new QLabel("Left Mouse Button", Frame1)),
      chkAttributeDisplay(new QCheckBox("Display Attributes", this)),
      cmbZoom(new QComboBox(this)),
      txtFileName(new QLineEdit(this)),
      Label1(new QLabel("Zoom Function:", this)),
      lblFileName(new QLabel("File Name:", this)) {
    setObjectName("ppAppearance");
    setWindowTitle("Appearance");
    Frame1->setObjectName("Frame1");
    txtOnTheSpotRight->setObjectName("txtOnTheSpotRight");
    txtOnTheSpotZoomPct->setObjectName("txtOnTheSpotZoomPct");
    Label2->setObjectName("Label2");
    lblOnTheSpotZoomPct->setObjectName("lblOnTheSpotZoomPct");
    chkAttributeDisplay->setObjectName("chkAttributeDisplay");
    cmbZoom->setObjectName("cmbZoom");
    txtFileName->setObjectName("txtFileName");
    Label1->setObjectName("Label1");
    lblFileName->setObjectName("lblFileName");
    cmbZoom->addItem("Window", int(dxfWindow));
    cmbZoom->addItem("Drill Down", int(dxfDrillDown));
    cmbZoom->addItem("Pan", int(dxfPan));

    auto* percents = new QGridLayout(Frame1);
    percents->addWidget(lblOnTheSpotZoomPct, 0, 0);
    percents->addWidget(txtOnTheSpotZoomPct, 0, 1);
    percents->addWidget(Label2, 1, 0);
    percents->addWidget(txtOnTheSpotRight, 1, 1);
    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(cmbZoom, 0, 1);
    fields->addWidget(lblFileName, 1, 0);
    fields->addWidget(txtFileName, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(chkAttributeDisplay);
    layout->addLayout(fields);
    layout->addStretch(1);

    // chkAttributeDisplay_Click, cmbZoom_Click and the text boxes' Change handlers.
    connect(chkAttributeDisplay, &QCheckBox::clicked, this, &PropertyPage::MarkChanged);
    connect(cmbZoom, &QComboBox::currentIndexChanged, this, &PropertyPage::MarkChanged);
    for (QLineEdit* box : {txtOnTheSpotRight, txtOnTheSpotZoomPct, txtFileName})
        connect(box, &QLineEdit::textChanged, this, &PropertyPage::MarkChanged);
}

void PropertyPage::PropertyPage_SelectionChanged() {
    if (SelectedControls.empty()) return;
    DXF& control = *SelectedControls.front();
    txtOnTheSpotZoomPct->setText(QString::fromStdString(vb::SingleToText(control.OnTheSpotZoomPctLeft())));
    txtOnTheSpotRight->setText(QString::fromStdString(vb::SingleToText(control.OnTheSpotZoomPctRight())));
    txtFileName->setText(QString::fromStdString(control.Filename()));
    // The list holds the three view tools only: a redline tool shows as no choice.
    cmbZoom->setCurrentIndex(cmbZoom->findData(int(control.ZoomFunction())));
    chkAttributeDisplay->setChecked(control.DisplayAttributes() == dxfAttribsOn);
}

void PropertyPage::PropertyPage_ApplyChanges() {
    if (SelectedControls.empty()) return;
    DXF& control = *SelectedControls.front();
    control.LetOnTheSpotZoomPctLeft(SingleOf(*txtOnTheSpotZoomPct));
    control.LetOnTheSpotZoomPctRight(SingleOf(*txtOnTheSpotRight));
    control.LetFilename(txtFileName->text().toStdString());
    // With no choice made the control keeps its tool, a redline tool included.
    if (cmbZoom->currentIndex() >= 0) control.LetZoomFunction(ZoomFunctionEnum(cmbZoom->currentData().toInt()));
    control.LetDisplayAttributes(chkAttributeDisplay->isChecked() ? dxfAttribsOn : dxfAttribsOff);
}

}  // namespace tiraq
