#include "engine/values.h"

#include "engine/engine_error.h"

#include <cmath>

namespace quellmar::engine {

double RequiredNumber(const vb::Variant& value, std::string_view what) {
    if (value.IsNull() || value.IsEmpty()) throw DataError("The cooler database holds no value for " + std::string(what) + ".");
    if (value.IsString()) {
        try {
            return value.ToDouble();
        } catch (const vb::RuntimeError&) {
            throw DataError("The cooler database holds no number for " + std::string(what) + ": \"" + value.ToString() + "\".");
        }
    }
    return value.ToDouble();
}

double NumberOrZero(const vb::Variant& value) { return value.IsNull() ? 0.0 : RequiredNumber(value, "an aggregate"); }

std::string OptionalText(const vb::Variant& value) { return value.IsNull() ? std::string() : value.ToString(); }

std::vector<double> NumberColumn(const QueryResult& rows, std::size_t field, std::string_view what) {
    std::vector<double> numbers;
    numbers.reserve(rows.Rows());
    for (std::size_t r = 0; r < rows.Rows(); ++r) numbers.push_back(RequiredNumber(rows.At(field, r), what));
    return numbers;
}

double Divide(double numerator, double denominator, const Quotient& quotient) {
    // The text is put together only for a refusal: a rating divides many times.
    const auto refusal = [](std::string_view cause, std::string_view end) {
        return RatingError("The duty cannot be rated: " + std::string(cause) + std::string(end));
    };
    if (denominator == 0.0) throw refusal(quotient.zeroWhen, ".");
    const double result = numerator / denominator;
    if (std::isnan(result)) throw refusal(quotient.what, " is no number.");
    if (std::isinf(result)) throw refusal(quotient.what, " is too large to work out.");
    return result;
}

}  // namespace quellmar::engine
