#pragma once

#include "engine/data_access.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quellmar::engine {

// What a table gives beyond its first breakpoint.
enum class Below {
    Hold,     // the first value
    Extend,   // the first interval's slope, continued
    Exclude,  // nothing
};
// What a table gives beyond its last breakpoint; at the last breakpoint itself both give its value.
enum class Above {
    Hold,     // the last value
    Exclude,  // nothing
};

// Where a value lies on ascending breakpoints: the first interval [index, index + 1] with
// x(index) <= value < x(index + 1), the value's offset from x(index) and the interval's span.
// A span of 0 stands for "the value of breakpoint `index` alone" (at or beyond an end that holds).
struct Bracket {
    std::size_t index = 0;
    double offset = 0;
    double span = 0;
};

std::optional<Bracket> Locate(const std::vector<double>& breakpoints, double value, Below below, Above above);

// A curve of ascending x with one y per x.
struct Curve {
    std::vector<double> x;
    std::vector<double> y;
};

// Reads a curve from the first two fields of `rows` (already in ascending x).
Curve ReadCurve(const QueryResult& rows, std::string_view what);

// The curve's value at `value` by the given end rules; nothing where a rule excludes it or the curve
// is empty.
std::optional<double> Interpolate(const Curve& curve, double value, Below below, Above above);

// A table of factors addressed by (row breakpoint index, column breakpoint index).
class Matrix {
public:
    Matrix(std::size_t rows, std::size_t columns) : columns_(columns), values_(rows * columns) {}
    double& operator()(std::size_t row, std::size_t column) { return values_.at(row * columns_ + column); }
    double operator()(std::size_t row, std::size_t column) const { return values_.at(row * columns_ + column); }

private:
    std::size_t columns_;
    std::vector<double> values_;
};

// Reads a matrix of `rows` x `columns` factors from the rows of a query whose fields are the factor
// columns in order. Fewer rows than breakpoints or more columns than the query holds is a DataError.
Matrix ReadMatrix(const QueryResult& result, std::size_t rows, std::size_t columns, std::string_view what);

// Bilinear lookup: along the rows first (at the column bracket's two columns), then along the columns.
double Bilinear(const Matrix& factors, const Bracket& row, const Bracket& column);

}  // namespace quellmar::engine
