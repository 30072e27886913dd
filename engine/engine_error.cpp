#include "engine/engine_error.h"

namespace quellmar::engine {

DatabaseError::DatabaseError(const std::string& text) : vb::RuntimeError(kErrDatabase, text) {}
DataError::DataError(const std::string& text) : vb::RuntimeError(kErrCoolerData, text) {}
RatingError::RatingError(const std::string& text) : vb::RuntimeError(kErrDivisionByZero, text) {}

}  // namespace quellmar::engine
