// The program's road to a drawing: a search in an air-cooled document, then its drawing command,
// through the shell's opener into frmDXF and the drawing component.
#include "drawing_window_fixture.h"

#include "air_selection.h"
#include "engine_ratings.h"
#include "test_database.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quellmar::maintenance::test {
namespace {

class ProgramDrawingTest : public DrawingWindowTest {
protected:
    ProgramDrawingTest() : database(quellmar::data::Contents::Full) {
        vb::SetProgramFolder(database.Folder());
        shell::AirRatingMaker() = shell::MakeEngineAirRating;
    }
    ~ProgramDrawingTest() override { shell::AirRatingMaker() = nullptr; }

    quellmar::test::TestDatabase database;
};

TEST_F(ProgramDrawingTest, TheSelectedModelsDrawingOpensInItsOwnWindow) {
    shell::frmAirSelection document;
    document.TextBox("txtHeatLoad")->setText("20");
    document.TextBox("txtOilFlow")->setText("60");
    document.TextBox("txtAirTemp")->setText("30");
    document.TextBox("txtOilTemp")->setText("60");
    document.findChild<QPushButton*>("cmdOK")->click();
    ASSERT_TRUE(document.CoolerShown());
    const QString model = document.Label("lblModel")->text();
    database.Exec("UPDATE Coolers SET Dxf = '" + SmallDrawing() + "' WHERE Name = '" + model.toStdString() + "'");

    document.DisplayDxf();
    document.DisplayDxf();
    EXPECT_TRUE(dialogs->Messages().empty()) << dialogs->MessageTexts().front().toStdString();
    ASSERT_EQ(area->subWindowList().size(), 2) << "one window for each time";
    auto* form = dynamic_cast<frmDXF*>(gui::ActiveChild());
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), model);
    const Rect view = View(*form);
    EXPECT_FLOAT_EQ(view.Right, 400);
    EXPECT_FLOAT_EQ(view.Top, 300);
    EXPECT_EQ(DrawingFilesIn(database.Folder()), 0);
    document.IsDirty(false);
}

}  // namespace
}  // namespace quellmar::maintenance::test
