// Searches against the bundled sample database through the real rating engine.
#include "air_selection.h"
#include "engine_ratings.h"
#include "mobile_selection.h"
#include "shell_fixture.h"
#include "test_database.h"
#include "water_selection.h"

#include "gui/option_group.h"
#include "vb/format.h"
#include "vb/program_folder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <utility>
#include <vector>

using namespace quellmar::shell;

namespace {

// A duty as typed: the units chosen (heat, flow, temperature) and the texts of the boxes.
struct TypedDuty {
    int heatUnit = 0, flowUnit = 0, tempUnit = 0;
    std::vector<std::pair<const char*, QString>> boxes;
    std::vector<std::pair<const char*, int>> options;
};

using Results = std::map<std::string, QString>;

class BundledDatabase : public ShellTest {
protected:
    BundledDatabase() : database(quellmar::data::Contents::Full) {
        vb::SetProgramFolder(database.Folder());
        AirRatingMaker() = MakeEngineAirRating;
        MobileRatingMaker() = MakeEngineMobileRating;
        WaterRatingMaker() = MakeEngineWaterRating;
    }
    ~BundledDatabase() override {
        AirRatingMaker() = nullptr;
        MobileRatingMaker() = nullptr;
        WaterRatingMaker() = nullptr;
        vb::SetProgramFolder({});
    }

    // The result labels after a search for one duty.
    template <class Document>
    Results Search(const TypedDuty& duty, std::initializer_list<const char*> labels) {
        Document document;
        document.Options("optHeatUnits")->SetValue(duty.heatUnit, true);
        document.Options("optFlowRate")->SetValue(duty.flowUnit, true);
        document.Options("optTempUnits")->SetValue(duty.tempUnit, true);
        for (const auto& [group, index] : duty.options) document.Options(group)->SetValue(index, true);
        for (const auto& [box, text] : duty.boxes) document.TextBox(box)->setText(text);
        document.template findChild<QPushButton*>("cmdOK")->click();
        Results results;
        for (const char* name : labels) results[name] = document.Label(name)->text();
        results["shown"] = document.CoolerShown() ? "yes" : "no";
        document.IsDirty(false);
        return results;
    }

    quellmar::test::TestDatabase database;
};

QString Text(double value) { return QString::fromStdString(vb::CStr(value)); }
QString KcalPerHour(double kw) { return Text(kw / 0.001162); }
QString UsGallons(double litres) { return Text(litres / 3.785411784); }
QString Fahrenheit(double celsius) { return Text(celsius * 9 / 5 + 32); }

}  // namespace

TEST_F(BundledDatabase, TypicalDutySelectsTheSameModelInEveryUnitSystem) {
    const auto labels = {"lblModel",       "lblHTRating",   "lblHTMargin",     "lblPressureDrop",
                         "lblOilTempC",    "lblExitOilTemp", "lblAvgOilTemp",  "lblAvgViscosity",
                         "lblHeatkW",      "lblOilFlowL",   "lblMaxAmbient",   "lblCst"};
    const auto metric = Search<frmAirSelection>(
        {0, 0, 0, {{"txtHeatLoad", "20"}, {"txtOilFlow", "60"}, {"txtAirTemp", "30"}, {"txtOilTemp", "60"}}, {}},
        labels);
    EXPECT_TRUE(Dialogs().Shown().empty());
    ASSERT_EQ(metric.at("shown"), "yes");
    EXPECT_FALSE(metric.at("lblModel").isEmpty());
    EXPECT_EQ(metric.at("lblHeatkW"), "20.00 kW");

    const auto imperial = Search<frmAirSelection>({2,
                                                   2,
                                                   1,
                                                   {{"txtHeatLoad", KcalPerHour(20)},
                                                    {"txtOilFlow", UsGallons(60)},
                                                    {"txtAirTemp", "86"},
                                                    {"txtOilTemp", "140"}},
                                                   {}},
                                                  labels);
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_EQ(imperial, metric);
}

TEST_F(BundledDatabase, TypicalWaterCooledDutySelectsTheSameModelInEveryUnitSystem) {
    const auto labels = {"lblModel",        "lblHTRating",    "lblHTMargin",      "lblPressureDrop",
                         "lblInletOilTempC", "lblExitOilTemp", "lblAvgOilTemp",   "lblAvgViscosity",
                         "lblHeatkW",       "lblOilFlowL",    "lblWaterFlowL",    "lblAvailableETD",
                         "lblExitWaterTemp", "lblMaxWaterFlow", "lblProductRange", "lblCst"};
    const auto metric = Search<frmWaterSelection>({0,
                                                   0,
                                                   0,
                                                   {{"txtHeatLoad", "50"},
                                                    {"txtOilFlow", "100"},
                                                    {"txtWaterFlow", "60"},
                                                    {"txtWaterTemp", "25"},
                                                    {"txtOilTemp", "55"}},
                                                   {{"optSeries", 2}}},
                                                  labels);
    EXPECT_TRUE(Dialogs().Shown().empty());
    ASSERT_EQ(metric.at("shown"), "yes");
    EXPECT_FALSE(metric.at("lblModel").isEmpty());
    EXPECT_EQ(metric.at("lblProductRange"), "WPM Series");
    EXPECT_EQ(metric.at("lblWaterFlowL"), "60.0 l/min");

    const auto imperial = Search<frmWaterSelection>({2,
                                                     2,
                                                     1,
                                                     {{"txtHeatLoad", KcalPerHour(50)},
                                                      {"txtOilFlow", UsGallons(100)},
                                                      {"txtWaterFlow", UsGallons(60)},
                                                      {"txtWaterTemp", Fahrenheit(25)},
                                                      {"txtOilTemp", Fahrenheit(55)}},
                                                     {{"optSeries", 2}}},
                                                    labels);
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_EQ(imperial, metric);
}

TEST_F(BundledDatabase, TypicalMobileDutySelectsTheSameModelInEveryUnitSystem) {
    const auto labels = {"lblModel",       "lblHTRating",   "lblHTMargin",    "lblPressureDrop",
                         "lblOilTempC",    "lblExitOilTemp", "lblAvgOilTemp", "lblAvgViscosity",
                         "lblHeatkW",      "lblOilFlowL",   "lblMaxAmbient",  "lblCst",
                         "lblAirFaceV"};
    const auto metric = Search<frmMobileSelection>({0,
                                                    0,
                                                    0,
                                                    {{"txtHeatLoad", "10"},
                                                     {"txtOilFlow", "40"},
                                                     {"txtAirTemp", "30"},
                                                     {"txtOilTemp", "65"},
                                                     {"txtAirFaceV", "5.55"}},
                                                    {}},
                                                   labels);
    EXPECT_TRUE(Dialogs().Shown().empty());
    ASSERT_EQ(metric.at("shown"), "yes");
    EXPECT_FALSE(metric.at("lblModel").isEmpty());
    EXPECT_EQ(metric.at("lblAirFaceV"), "5.55 Metres/second");

    // The face velocity stays in metres per second whatever units the duty is typed in.
    const auto imperial = Search<frmMobileSelection>({2,
                                                      2,
                                                      1,
                                                      {{"txtHeatLoad", KcalPerHour(10)},
                                                       {"txtOilFlow", UsGallons(40)},
                                                       {"txtAirTemp", "86"},
                                                       {"txtOilTemp", "149"},
                                                       {"txtAirFaceV", "5.55"}},
                                                      {}},
                                                     labels);
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

    // A heat load whose kJ/h no longer fits a Long is shown in whole numbers all the same, beside
    // the reason.
    Dialogs().Clear();
    document.TextBox("txtHeatLoad")->setText("1000000");
    document.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_TRUE(Dialogs().Shown().empty()) << Dialogs().Shown()[0].text.toStdString();
    EXPECT_EQ(document.Label("lblHeatKjH")->text(), "3600000000 kJ/h");
    EXPECT_FALSE(document.Label("lblErrorMsg")->text().isEmpty());
    document.IsDirty(false);
}

TEST_F(BundledDatabase, WaterAndMobileDutiesBeyondTheProgramShowTheReason) {
    const auto water = Search<frmWaterSelection>({0,
                                                  0,
                                                  0,
                                                  {{"txtHeatLoad", "5000"},
                                                   {"txtOilFlow", "100"},
                                                   {"txtWaterFlow", "60"},
                                                   {"txtWaterTemp", "25"},
                                                   {"txtOilTemp", "55"}},
                                                  {}},
                                                 {"lblErrorMsg", "lblHeatkW"});
    EXPECT_EQ(water.at("shown"), "no");
    EXPECT_FALSE(water.at("lblErrorMsg").isEmpty());
    EXPECT_EQ(water.at("lblHeatkW"), "5000.00 kW");
    const auto mobile = Search<frmMobileSelection>({0,
                                                    0,
                                                    0,
                                                    {{"txtHeatLoad", "500"},
                                                     {"txtOilFlow", "40"},
                                                     {"txtAirTemp", "30"},
                                                     {"txtOilTemp", "65"}},
                                                    {}},
                                                   {"lblErrorMsg", "lblAirFaceV"});
    EXPECT_EQ(mobile.at("shown"), "no");
    EXPECT_FALSE(mobile.at("lblErrorMsg").isEmpty());
    EXPECT_EQ(mobile.at("lblAirFaceV"), "5.55 Metres/second");
    EXPECT_TRUE(Dialogs().Shown().empty());
}

TEST_F(BundledDatabase, DutiesBeyondReachOfAnyCoolerShowWhichInputToChange) {
    // 97.9 kW would cool 48.2 l/min of oil by 70 C across an ETD of 49.
    const auto air = Search<frmAirSelection>(
        {0, 0, 0, {{"txtHeatLoad", "97.9"}, {"txtOilFlow", "48.2"}, {"txtAirTemp", "20"}, {"txtOilTemp", "69"}}, {}},
        {"lblErrorMsg", "lblCst", "lblSUS", "lblHeatTransferKwC"});
    EXPECT_EQ(air.at("shown"), "no");
    EXPECT_TRUE(air.at("lblErrorMsg").startsWith("Oil temperature drop at or beyond ETD: oil cannot cool below the air."));
    EXPECT_TRUE(air.at("lblErrorMsg").endsWith("Increase oil flow, reduce heat load or increase ETD."));
    // No viscosity at a mean oil temperature the oil cannot reach; the duty's own figures stay.
    EXPECT_EQ(air.at("lblCst"), "");
    EXPECT_EQ(air.at("lblSUS"), "");
    EXPECT_EQ(air.at("lblHeatTransferKwC"), "1.998 kW/\u00B0C ETD");
    // 69 kW would warm 26.9 l/min of water by 36.8 C across an ETD of 30.3.
    const auto water = Search<frmWaterSelection>({0,
                                                  0,
                                                  0,
                                                  {{"txtHeatLoad", "69"},
                                                   {"txtOilFlow", "114.2"},
                                                   {"txtWaterFlow", "26.9"},
                                                   {"txtWaterTemp", "36.1"},
                                                   {"txtOilTemp", "66.4"}},
                                                  {{"optSeries", 2}}},
                                                 {"lblErrorMsg"});
    EXPECT_EQ(water.at("shown"), "no");
    EXPECT_TRUE(water.at("lblErrorMsg").startsWith("Water temperature rise at or beyond ETD: water cannot heat above the oil."));
    EXPECT_TRUE(water.at("lblErrorMsg").endsWith("Increase water flow, reduce heat load or increase ETD."));
    const auto mobile = Search<frmMobileSelection>(
        {0, 0, 0, {{"txtHeatLoad", "60"}, {"txtOilFlow", "40"}, {"txtAirTemp", "20"}, {"txtOilTemp", "70"}}, {}},
        {"lblErrorMsg"});
    EXPECT_EQ(mobile.at("shown"), "no");
    EXPECT_TRUE(mobile.at("lblErrorMsg").startsWith("Oil temperature drop at or beyond ETD: oil cannot cool below the air."));
    EXPECT_TRUE(Dialogs().Shown().empty());
}

TEST_F(BundledDatabase, AnAdequateCoolerInFreezingAirAndThickOilShowsItsOperatingPoint) {
    // A large cooler on a small duty in thick oil and freezing air: the oil warms up in it until the
    // cooler carries the heat load, below the desired inlet temperature.
    const auto mobile = Search<frmMobileSelection>({0,
                                                    0,
                                                    0,
                                                    {{"txtHeatLoad", "24.4"},
                                                     {"txtOilFlow", "85"},
                                                     {"txtAirTemp", "0"},
                                                     {"txtOilTemp", "80"},
                                                     {"txtAirFaceV", "6"}},
                                                    {{"optViscosity", 9}}},
                                                   {"lblErrorMsg", "lblModel", "lblHTMargin", "lblOilTempC", "lblExitOilTemp"});
    EXPECT_EQ(mobile.at("shown"), "yes");
    EXPECT_EQ(mobile.at("lblErrorMsg"), "");
    EXPECT_EQ(mobile.at("lblModel"), "MC 140");
    EXPECT_EQ(mobile.at("lblHTMargin"), "358.4");
    EXPECT_EQ(mobile.at("lblOilTempC"), "28.9\u00B0C");
    EXPECT_EQ(mobile.at("lblExitOilTemp"), "19.0\u00B0C");
    EXPECT_TRUE(Dialogs().Shown().empty());
}

TEST_F(BundledDatabase, AFahrenheitDutyBeyondReachIsToldInFahrenheitWithNoViscosityEstimate) {
    // 25 kW would warm 10 l/min of water by 35.9 C (64.6 F) across an ETD of 30 C (54 F).
    const auto water = Search<frmWaterSelection>({0,
                                                  0,
                                                  1,
                                                  {{"txtHeatLoad", "25"},
                                                   {"txtOilFlow", "100"},
                                                   {"txtWaterFlow", "10"},
                                                   {"txtWaterTemp", "77"},
                                                   {"txtOilTemp", "131"}},
                                                  {{"optSeries", 1}}},
                                                 {"lblErrorMsg", "lblCst", "lblSUS", "lblETDF"});
    EXPECT_EQ(water.at("shown"), "no");
    EXPECT_EQ(water.at("lblErrorMsg"), "Water temperature rise at or beyond ETD: water cannot heat above the oil. \r\n"
                                       "64.59\u00B0F rise at 54.00\u00B0F ETD. Increase water flow, reduce heat load or increase ETD.");
    EXPECT_EQ(water.at("lblETDF"), "54.0\u00B0F");
    // The duty's mean oil temperature belongs to no possible operating point.
    EXPECT_EQ(water.at("lblCst"), "");
    EXPECT_EQ(water.at("lblSUS"), "");
}
