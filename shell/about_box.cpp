#include "about_box.h"

#include "artwork.h"

#include "engine/data_access.h"
#include "gui/twips.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>


namespace quellmar::shell {
namespace {

const char* const kSelectionNote =
    "The heat transfer selections provided by the program "
    "are conservative and include a factor for some performance losses "
    "to accommodate possible low to moderate air-cooling fin fouling "
    "or water tube fouling. In addition, some selections may have "
    "been aggregated for worst case heat transfer corrections for "
    "viscosity.";

const char* const kDisclaimer =
    "Every selection made by this program is an estimate from catalogue data and the duty as it was entered. "
    "Actual performance depends on the installation, the oil, the air or water supply and the condition of the "
    "cooler. Please confirm every selection with the sales office before you order or rely on it; no warranty "
    "of fitness for a particular application is given by a selection alone.";

QLabel* PlacedLabel(QWidget* parent, const char* name, const QString& text, double topTwips, double heightTwips) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(gui::TwipsToPixelsX(30), gui::TwipsToPixelsY(topTwips), 100, gui::TwipsToPixelsY(heightTwips));
    return label;
}

}  // namespace

frmHelpAbout::frmHelpAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmHelpAbout");
    setWindowTitle("Quellmar Heat Exchangers");
    setFixedSize(gui::TwipsToPixels(7530, 6810));

    label1_ = PlacedLabel(this, "Label1", "Quellmar Heat Exchangers", 120, 480);
    PlacedLabel(this, "Label4", "Thank you for using our program.", 660, 285)->setFixedWidth(gui::TwipsToPixelsX(6000));
    label2_ = PlacedLabel(this, "Label2", QString(), 990, 1140);
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(QPixmap::fromImage(artwork::AboutPicture()));
    image->setScaledContents(true);
    const QSize picture = gui::TwipsToPixels(3600, 2250);
    image->setGeometry((width() - picture.width()) / 2, gui::TwipsToPixelsY(2190), picture.width(), picture.height());
    auto* heading = PlacedLabel(this, "Label5", "DISCLAIMER", 4530, 285);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setFixedWidth(gui::TwipsToPixelsX(3000));
    label3_ = PlacedLabel(this, "Label3", QString(), 4830, 1320);
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("cmdOK");
    const QSize button = gui::TwipsToPixels(1095, 375);
    ok->setGeometry(width() - button.width() - gui::TwipsToPixelsX(150), height() - button.height() - gui::TwipsToPixelsY(150),
                    button.width(), button.height());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
}

void frmHelpAbout::Form_Load() {
    std::string version;
    try {
        version = engine::ReadDatabaseVersion(engine::DataAccess::DefaultDatabase());
    } catch (const std::exception&) {
        // A database that cannot be read shows as a version that is unavailable.
    }
    const int width = static_cast<int>(gui::ScaleSize(*this).width()) - gui::TwipsToPixelsX(60);
    for (QLabel* label : {label1_, label2_, label3_}) label->setFixedWidth(width);
    label1_->setText("Quellmar Heat Exchangers\nVersion: " + QString::fromStdString(version.empty() ? "unavailable" : version));
    label2_->setText(kSelectionNote);
    label3_->setText(kDisclaimer);
}

}  // namespace quellmar::shell
