#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What makes one kind of selection document: its names, captions, input boxes, option groups, the
// checks of its inputs and the rows of its results tab. The documents of the three cooler families
// share one implementation and differ in these tables.
namespace quellmar::shell {

struct InputBoxSpec {
    const char* name;
    QString label;
    QString designText;
    QString after;  // a text after the box (a unit), or none
};

struct OptionSpec {
    const char* name;
    QString frameCaption;
    QStringList captions;
    int firstIndex = 0;
    int defaultIndex = 0;
    int columns = 1;
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
    std::vector<const char*> numericBoxes;  // in the order the focus goes to the first failing one
    QString numericMessage;
    std::vector<PositiveCheck> positive;
    const char* colderBox;  // the ambient or water temperature
    const char* oilBox;     // the desired oil inlet temperature
    QString orderMessage;
    std::vector<TemperatureLimit> limits;
};

// One row of the results tab: a caption and the labels beside it.
struct ResultRow {
    QString caption;
    std::vector<const char*> labels;
};

struct DocumentDescription {
    const char* formName;
    QString inputCaption;    // the caption until the first search
    QString resultCaption;   // the caption from then on
    QString resultHeading;   // "Air-Cooled Heat Exchanger Selection"
    std::vector<InputBoxSpec> boxes;  // in tab order
    std::vector<OptionSpec> options;
    ValidationRules rules;
    std::vector<ResultRow> parameters;  // on Picture1
    std::vector<ResultRow> details;     // on Picture2
};

}  // namespace quellmar::shell
