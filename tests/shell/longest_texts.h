#pragma once

// The longest texts the labels of a document's results tab are given, by label name: the longest
// choices and warnings, and numbers as wide as a duty of up to 9999.99 kW and 9999.9 l/min gives
// them.
#include "result_texts.h"

#include "engine/diagnosis.h"

#include <QString>

#include <array>
#include <initializer_list>
#include <map>
#include <string>

inline std::map<QString, QString> LongestTexts() {
    using namespace quellmar::shell;
    const auto Utf8 = [](const std::string& text) { return QString::fromStdString(text); };
    const std::array<std::string, 6> heat = HeatLoadTexts(9999.99, 35999964, 8598450, 568686, 13410.22, 34121172);
    const std::array<std::string, 4> flow = FlowTexts(9999.9, 2199.6, 2641.7, 610237);
    const QString outside = Utf8(ViscosityEstimate(2, 0).cst.text);
    std::map<QString, QString> texts{
        {"lblProductRange", "Either Quellmar or Ostravine"},
        {"lblMotorType", "Standard Package AC 3 Phase Power"},
        {"lblHeatTransferKwC", Utf8(HeatTransferMetric(999.999))},
        {"lblHeatTransferBtuF", Utf8(HeatTransferImperial(9999.9))},
        {"lblViscosity", "ISO460"},
        {"lblCst", outside},
        {"lblSUS", "99999 SUS"},
        {"lblAirFaceV", Utf8(AirFaceVelocityText(99.99))},
        {"lblModel", "WPM 1200 AC SPECIAL"},
        {"lblPartNo", "WPM-1200-AC-SPECIAL"},
        {"lblLeaflet", "WPML-1200-SPECIAL"},
        {"lblWeight", "9999.99 kg"},
        // A description as long as the editors let it be.
        {"lblDescription", "Shell-and-tube oil cooler, WPM series, 1200 kW/C, 25 bar shell, special coating"},
        {"lblMaxOilFlow", "9999.9 l/min"},
        {"lblHTRating", Utf8(HeatTransferMetric(99.999))},
        {"lblHTMargin", Utf8(MarginText(-999.9).text)},
        {"lblPressureDrop", Utf8(WaterPressureDropText(-1).text)},
        {"lblAvgViscosity", outside},
        {"lblAvgViscositySUS", "99999 SUS"},
        {"lblMaxOilSidePressure", "999.9 BAR"},
        {"lblMaxWaterFlow", "9999.9 l/min"},
        {"lblMaxWaterSidePressure", "999.9 BAR"},
        {"lblViscosityHigh", Utf8(*ViscosityHighWarning(99999, -99.99))},
        {"lblSpecial", Utf8(OilFlowLimitWarning(2, 3, 1))},
    };
    {
        namespace diagnosis = quellmar::engine::diagnosis;
        std::string reason;
        for (const std::string& candidate :
             {diagnosis::CapacityBeyondRange(99999.99), diagnosis::CapacityBeyondSelection(99999.99, "\r\n"),
              diagnosis::OilDropBeyondEtd(-999.9, -999.9, 'F', "water"), diagnosis::WaterRiseBeyondEtd(-999.9, -999.9, 'F'),
              diagnosis::NoHeatTransferAtOperatingPoint(), diagnosis::OperatingPointBeyondViscosityTable(),
              diagnosis::FaceVelocityBelowRange(), diagnosis::OilCooledToCoolant("water"), diagnosis::WaterHeatedToOil()})
            if (candidate.size() > reason.size()) reason = candidate;
        texts["lblErrorMsg"] = Utf8(reason);
    }
    const char* const heatNames[] = {"lblHeatkW", "lblHeatKjH", "lblHeatKcalH", "lblHeatBtuMin", "lblHeatHP", "lblHeatBtuHr"};
    for (std::size_t i = 0; i < heat.size(); ++i) texts[heatNames[i]] = Utf8(heat[i]);
    for (const char* stem : {"lblOilFlow", "lblWaterFlow"}) {
        const char* const units[] = {"L", "IG", "USG", "CI"};
        for (std::size_t i = 0; i < flow.size(); ++i) texts[QString(stem) + units[i]] = Utf8(flow[i]);
    }
    const QString hotC = Utf8(Degrees(-999.9, "###0.0", 'C')), hotF = Utf8(Degrees(-999.9, "###0.0", 'F'));
    for (const char* name : {"lblDesiredInletC", "lblAirTempC", "lblOilTempC", "lblWaterTempC", "lblETDC", "lblInletOilTempC",
                             "lblExitOilTemp", "lblAvgOilTemp", "lblExitWaterTemp", "lblMaxAmbient", "lblAvailableETD"})
        texts[name] = hotC;
    for (const char* name : {"lblDesiredInletF", "lblAirTempF", "lblOilTempF", "lblWaterTempF", "lblETDF", "lblInletOilTempF",
                             "lblExitOilTempF", "lblAvgOilTempF", "lblExitWaterTempF"})
        texts[name] = hotF;
    return texts;
}

