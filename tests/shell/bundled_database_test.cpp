// Searches against the bundled sample database through the real rating engine.
#include "air_selection.h"
#include "engine_ratings.h"
#include "shell_fixture.h"
#include "test_database.h"

#include "gui/option_group.h"
#include "vb/format.h"
#include "vb/program_folder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace quellmar::shell;

namespace {

class BundledDatabase : public ShellTest {
protected:
    BundledDatabase() : database(quellmar::data::Contents::Full) {
        vb::SetProgramFolder(database.Folder());
        AirRatingMaker() = MakeEngineAirRating;
    }
    ~BundledDatabase() override {
        AirRatingMaker() = nullptr;
        vb::SetProgramFolder({});
    }

    // The results of a search for one duty, typed in the given units.
    std::map<std::string, QString> Search(int heatUnit, const QString& heat, int flowUnit, const QString& flow,
                                          int tempUnit, const QString& air, const QString& oil) {
        frmAirSelection document;
        document.Options("optHeatUnits")->SetValue(heatUnit, true);
        document.Options("optFlowRate")->SetValue(flowUnit, true);
        document.Options("optTempUnits")->SetValue(tempUnit, true);
        document.TextBox("txtHeatLoad")->setText(heat);
        document.TextBox("txtOilFlow")->setText(flow);
        document.TextBox("txtAirTemp")->setText(air);
        document.TextBox("txtOilTemp")->setText(oil);
        document.findChild<QPushButton*>("cmdOK")->click();
        std::map<std::string, QString> results;
        for (const char* name : {"lblModel", "lblHTRating", "lblHTMargin", "lblPressureDrop", "lblOilTempC",
                                 "lblExitOilTemp", "lblAvgOilTemp", "lblAvgViscosity", "lblHeatkW", "lblOilFlowL",
                                 "lblMaxAmbient", "lblCst"})
            results[name] = document.Label(name)->text();
        results["shown"] = document.CoolerShown() ? "yes" : "no";
        document.IsDirty(false);
        return results;
    }

    quellmar::test::TestDatabase database;
};

QString Text(double value) { return QString::fromStdString(vb::CStr(value)); }

}  // namespace

TEST_F(BundledDatabase, TypicalDutySelectsTheSameModelInEveryUnitSystem) {
    const auto metric = Search(0, "20", 0, "60", 0, "30", "60");
    EXPECT_TRUE(Dialogs().Shown().empty());
    ASSERT_EQ(metric.at("shown"), "yes");
    EXPECT_FALSE(metric.at("lblModel").isEmpty());
    EXPECT_EQ(metric.at("lblHeatkW"), "20.00 kW");

    const auto imperial = Search(2, Text(20 / 0.001162), 2, Text(60 / 3.785411784), 1, "86", "140");
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_EQ(imperial, metric);
}

TEST_F(BundledDatabase, DutyBeyondTheProgramShowsTheReason) {
    frmAirSelection document;
    document.TextBox("txtHeatLoad")->setText("5000");
    document.TextBox("txtOilFlow")->setText("60");
    document.TextBox("txtAirTemp")->setText("30");
    document.TextBox("txtOilTemp")->setText("60");
    document.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(document.CoolerShown());
    EXPECT_FALSE(document.Label("lblErrorMsg")->text().isEmpty());
    EXPECT_EQ(document.Tab(), 1);
    // With no cooler, the drawing and the alternatives answer without an engine error.
    document.DisplayDxf();
    document.SelectByPresDrop();
    for (const QString& text : Dialogs().MessageTexts())
        EXPECT_TRUE(text.startsWith("No DXF file available") || text == "No models available for selection.") << text.toStdString();
    document.IsDirty(false);
}
