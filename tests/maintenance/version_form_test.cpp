// The database version editor.
#include "maintenance_fixture.h"

#include "version_form.h"

#include "gui/child_frame.h"
#include "gui/twips.h"

#include <QLineEdit>

using namespace quellmar::maintenance;

namespace {

class VersionEditor : public MaintenanceTest {
protected:
    VersionEditor() {
        Exec("INSERT INTO dbAttributes (vcAttribute, vcValue) VALUES ('owner', 'sales');"
             "CREATE TABLE Writes (n); CREATE TRIGGER count_writes AFTER UPDATE ON dbAttributes BEGIN INSERT INTO Writes VALUES (1); END;");
    }
};

}  // namespace

TEST_F(VersionEditor, ShowsTheVersionAndOkWithoutAChangeWritesNothing) {
    auto* window = Show(new frmVersion);
    EXPECT_EQ(window->windowTitle(), "Database Version");
    EXPECT_EQ(window->txtVersion()->text(), "1.0");
    EXPECT_EQ(gui::ChildFrame(*window)->size(), gui::TwipsToPixels(4785, 1740));
    window->cmdOK_Click();
    Settle();
    EXPECT_EQ(Count("Writes"), 0);
    EXPECT_EQ(CountOf<frmVersion>(), 0);
}

TEST_F(VersionEditor, CancelWritesNothingAndOkStoresTheTextAsTypedQuotesAndAll) {
    auto* window = Show(new frmVersion);
    window->txtVersion()->setText("2.0");
    window->cmdCancel_Click();
    Settle();
    EXPECT_EQ(Count("Writes"), 0);
    window = Show(new frmVersion);
    window->txtVersion()->setText("2.1 \"spring\" edition's");
    window->cmdOK_Click();
    Settle();
    EXPECT_EQ(Value("SELECT vcValue FROM dbAttributes WHERE vcAttribute = 'version'"), "2.1 \"spring\" edition's");
    EXPECT_EQ(Value("SELECT vcValue FROM dbAttributes WHERE vcAttribute = 'owner'"), "sales");
    EXPECT_TRUE(Dialogs().Messages().empty());
}

TEST_F(VersionEditor, ADatabaseWithoutAVersionShowsAnEmptyBoxAndGetsTheTextTyped) {
    Exec("DELETE FROM dbAttributes WHERE vcAttribute = 'version'");
    auto* window = Show(new frmVersion);
    EXPECT_EQ(window->txtVersion()->text(), "");
    window->txtVersion()->setText("3.0");
    window->cmdOK_Click();
    Settle();
    EXPECT_EQ(Value("SELECT vcValue FROM dbAttributes WHERE vcAttribute = 'version'"), "3.0");
}

TEST_F(VersionEditor, AWriteTheDatabaseRefusesIsShownAndTheWindowStays) {
    Refuse("UPDATE", "dbAttributes");
    auto* window = Show(new frmVersion);
    window->txtVersion()->setText("4.0");
    window->cmdOK_Click();
    Settle();
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Newest<frmVersion>(), window);
    EXPECT_EQ(Value("SELECT vcValue FROM dbAttributes WHERE vcAttribute = 'version'"), "1.0");
}
