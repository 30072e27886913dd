#pragma once

#include <stdexcept>

namespace quellmar::maintenance {

// A database action of a maintenance window failed: the database could not be opened, a statement
// was refused, or a value cannot be stored. The text says what went wrong in the user's terms; the
// window's handler shows it and the program goes on.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quellmar::maintenance
