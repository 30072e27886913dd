#include "output/about_box.h"

#include "gui/dialog_service.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tiraq {
namespace {

// The control's icon: a drawing sheet with a red mark-up stroke.
QPixmap ControlIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.drawRect(2, 2, 27, 27);
    painter.drawLine(8, 22, 22, 8);
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(7, 12, 16, 24);
    painter.drawLine(16, 24, 25, 18);
    return icon;
}

}  // namespace

std::string VersionCaption(int major, int minor, int revision) {
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent),
      cmdWeb(new QPushButton("&Web Site", this)),
      picIcon(new QLabel(this)),
      cmdOK(new QPushButton("OK", this)),
      lblTitle(new QLabel("Osmun Engineering Tiraq Pro Control", this)),
      lblVersion(new QLabel(this)) {
    setObjectName("frmAbout");
    setWindowTitle("Tiraq OCX");
    setFont(QFont("MS Sans Serif", 8));
    cmdWeb->setObjectName("cmdWeb");
    picIcon->setObjectName("picIcon");
    cmdOK->setObjectName("cmdOK");
    lblTitle->setObjectName("lblTitle");
    lblVersion->setObjectName("lblVersion");
    picIcon->setPixmap(ControlIcon());
    auto* line = new QFrame(this);
    line->setObjectName("Line1");
    line->setFrameShape(QFrame::HLine);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdWeb);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(buttons);

    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(cmdWeb, &QPushButton::clicked, this, &AboutBox::cmdWeb_Click);
    Form_Load();
}

void AboutBox::Form_Load() {
    lblVersion->setText(
        QString::fromStdString(VersionCaption(TIRAQ_VERSION_MAJOR, TIRAQ_VERSION_MINOR, TIRAQ_VERSION_REVISION)));
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

void AboutBox::cmdOK_Click() { close(); }

void AboutBox::cmdWeb_Click() { gui::Dialogs().OpenWebPage(kTiraqWebPage); }

}  // namespace tiraq
