#pragma once

#include "cooler_type.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>
#include <vector>

// What makes one kind of selection document: its names, captions, input boxes, option groups, the
// checks of its inputs and the rows of its results tab. The documents of the three cooler families
// share one implementation and differ in these tables.
namespace quellmar::shell {

struct InputBoxSpec {
    const char* name;
    QString label;
    QString designText;
    QString after;  // a text beside the box (a unit), or none
};

struct OptionSpec {
    const char* name;
    QString frameCaption;
    QStringList captions;
    int firstIndex = 0;
    int defaultIndex = 0;
    int columns = 1;
};

// Boxes that must hold numbers, with the message when one does not; the focus goes to the first
// failing box in this order.
struct NumericCheck {
    std::vector<const char*> boxes;
    QString message;
};

// A value that must be above zero, with its message.
struct PositiveCheck {
    const char* box;
    QString message;
};

// A temperature that the program clamps: below its minimum or above its maximum (by the
// temperature unit, 0 degrees C or 1 degrees F), the box is reset with a message of two lines,
// the stems below followed by the limit, the degree sign and "C." or "F.".
struct TemperatureLimit {
    const char* box;
    bool isMinimum;
    double limitC;
    double limitF;
    QString firstLine;   // "Minimum ambient air temperature is "
    QString secondLine;  // "Air temperature has been reset to "
};

struct ValidationRules {
    std::vector<NumericCheck> numeric;  // in this order; the first that fails ends the checks
    std::vector<PositiveCheck> positive;
    const char* colderBox;  // the ambient or water temperature
    const char* oilBox;     // the desired oil inlet temperature
    QString orderMessage;
    std::vector<TemperatureLimit> limits;
};

// Every box the rules name.
std::vector<const char*> BoxesOfRules(const ValidationRules& rules);

// One row of the results tab: a caption and the labels beside it, black unless their design colour
// is red (warnings).
struct ResultRow {
    QString caption;
    std::vector<const char*> labels;
    bool designRed = false;
};

// How the larger-or-smaller-model command of a family behaves.
struct AlternativeRules {
    std::optional<QString> emptyListTitle;  // the title of "No models available for selection.", or silence
    bool redisplayParameters = true;        // the selection parameters are shown again after a choice
};

struct DocumentDescription {
    const char* formName;
    CoolerType type;
    QString sortRefusalFamily;  // "water-cooled": the family named when the sort commands are refused
    QString inputCaption;    // the caption until the first search
    QString resultCaption;   // the caption from then on
    QString resultHeading;   // "Air-Cooled Heat Exchanger Selection"
    std::vector<InputBoxSpec> boxes;  // in tab order
    std::vector<OptionSpec> options;
    ValidationRules rules;
    AlternativeRules alternatives;
    std::vector<ResultRow> parameters;  // on Picture1
    std::vector<ResultRow> details;     // on Picture2
};

// The parts of the tables that every family shares: the heat-load, flow and temperature units and
// the oil grade; result rows that stand on every results tab.
std::vector<OptionSpec> DutyUnitOptions();
ResultRow HeatLoadRow();
ResultRow HeatTransferRow();
ResultRow OilFlowRow();
std::vector<ResultRow> OilTypeRows();  // the oil type and its viscosity estimate
std::vector<ResultRow> ModelRows(const QString& maxOilFlowCaption);  // model ... maximum oil flow
std::vector<ResultRow> OilTemperatureRows();  // exit and average oil temperatures, viscosity at the average
ResultRow OilFlowWarningRow();
// Groups of rows, one after the other.
std::vector<ResultRow> Rows(std::initializer_list<std::vector<ResultRow>> groups);

}  // namespace quellmar::shell
