#include "engine/interpolation.h"

#include "engine/engine_error.h"
#include "engine/values.h"

#include <string>

namespace quellmar::engine {

std::optional<Bracket> Locate(const std::vector<double>& x, double value, Below below, Above above) {
    if (x.empty()) return std::nullopt;
    const std::size_t last = x.size() - 1;
    if (value == x[last] || (value > x[last] && above == Above::Hold)) return Bracket{last, 0, 0};
    if (value > x[last]) return std::nullopt;
    if (value < x[0]) {
        switch (below) {
            case Below::Hold:
                return Bracket{0, 0, 0};
            case Below::Extend:
                if (last == 0) return Bracket{0, 0, 0};
                return Bracket{0, value - x[0], x[1] - x[0]};
            case Below::Exclude:
                return std::nullopt;
        }
    }
    for (std::size_t j = 0; j < last; ++j)
        if (x[j] <= value && value < x[j + 1]) return Bracket{j, value - x[j], x[j + 1] - x[j]};
    return std::nullopt;  // a value that is no number, or breakpoints out of order
}

Curve ReadCurve(const QueryResult& rows, std::string_view what) {
    return Curve{NumberColumn(rows, 0, what), NumberColumn(rows, 1, what)};
}

namespace {

double Along(const std::vector<double>& y, const Bracket& b) {
    if (b.span == 0) return y[b.index];
    return y[b.index] + (y[b.index + 1] - y[b.index]) / b.span * b.offset;
}

double AlongRows(const Matrix& f, const Bracket& row, std::size_t column) {
    if (row.span == 0) return f(row.index, column);
    return (f(row.index + 1, column) - f(row.index, column)) / row.span * row.offset + f(row.index, column);
}

}  // namespace

std::optional<double> Interpolate(const Curve& curve, double value, Below below, Above above) {
    const auto bracket = Locate(curve.x, value, below, above);
    if (!bracket) return std::nullopt;
    return Along(curve.y, *bracket);
}

Matrix ReadMatrix(const QueryResult& result, std::size_t rows, std::size_t columns, std::string_view what) {
    if (result.Rows() < rows)
        throw DataError("The " + std::string(what) + " has " + std::to_string(result.Rows()) + " rows for " +
                        std::to_string(rows) + " breakpoints.");
    if (columns > result.Fields())
        throw DataError("The " + std::string(what) + " has " + std::to_string(columns) + " breakpoints for at most " +
                        std::to_string(result.Fields()) + " columns.");
    Matrix m(rows, columns);
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c) m(r, c) = RequiredNumber(result.At(c, r), what);
    return m;
}

double Bilinear(const Matrix& f, const Bracket& row, const Bracket& column) {
    const double low = AlongRows(f, row, column.index);
    if (column.span == 0) return low;
    const double high = AlongRows(f, row, column.index + 1);
    return (high - low) / column.span * column.offset + low;
}

}  // namespace quellmar::engine
