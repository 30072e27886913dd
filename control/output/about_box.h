#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace tiraq {

// The web page that the about box's button opens.
inline constexpr const char* kTiraqWebPage = "https://www.osmun-engineering.example/tiraq";

// "Version " and the three parts of a version, as the about box shows it.
std::string VersionCaption(int major, int minor, int revision);

// The control's about box frmAbout, shown modally by About.
class AboutBox final : public QDialog {
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QPushButton* cmdWeb;
    QLabel* picIcon;
    QPushButton* cmdOK;
    QLabel* lblTitle;
    QLabel* lblVersion;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdWeb_Click();
};

}  // namespace tiraq
