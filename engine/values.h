#pragma once

#include "engine/data_access.h"

#include <string>
#include <string_view>
#include <vector>

namespace quellmar::engine {

// Reading stored values. `what` names the value for the error text ("MaxOilFlow of cooler 12").

// A number the engine cannot do without: Null, Empty or text that is no number is a DataError.
double RequiredNumber(const vb::Variant& value, std::string_view what);
// An aggregate over no rows is Null: it counts as 0, as the ranges of an empty family do.
double NumberOrZero(const vb::Variant& value);
// Optional texts read as "" when Null.
std::string OptionalText(const vb::Variant& value);

// The first field of every row, as required numbers.
std::vector<double> NumberColumn(const QueryResult& rows, std::size_t field, std::string_view what);

// A quotient of the rating, as its error texts name it.
struct Quotient {
    std::string_view what;      // the quantity worked out: "the oil temperature drop"
    std::string_view zeroWhen;  // why its divisor is 0: "the oil flow is 0"
};

// numerator / denominator, refusing with a RatingError a zero denominator (the text gives
// `zeroWhen`) and a result that is no finite number (the text names the quantity).
double Divide(double numerator, double denominator, const Quotient& quotient);

}  // namespace quellmar::engine
