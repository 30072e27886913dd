#pragma once

#include "vb/error.h"

#include <string>

namespace quellmar::engine {

// The engine's errors are run-time errors with a clear text: the windows catch vb::RuntimeError at
// their boundary and show its Description().
using vb::kErrDivisionByZero;
inline constexpr long kErrDatabase = 3000;
inline constexpr long kErrCoolerData = 3001;

// The cooler database cannot be opened, or it rejects a query.
class DatabaseError : public vb::RuntimeError {
public:
    explicit DatabaseError(const std::string& text);
};

// Stored data that cannot be used: a required value left empty, a missing row, a malformed table.
class DataError : public vb::RuntimeError {
public:
    explicit DataError(const std::string& text);
};

// A duty or a selection the formulas cannot rate: a division by zero or a result that is no number.
class RatingError : public vb::RuntimeError {
public:
    explicit RatingError(const std::string& text);
};

}  // namespace quellmar::engine
