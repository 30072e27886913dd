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

// numerator / denominator, refusing a zero denominator or a result that is no finite number with a
// RatingError that gives `reason` ("the oil flow is 0").
double Divide(double numerator, double denominator, std::string_view reason);

}  // namespace quellmar::engine
