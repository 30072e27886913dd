#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quellmar::engine {

// What a failure of the cooler database means for the user, in the program's words, for the
// failures a user can do something about: the database busy with another window's or program's
// change, a full disk, and a change that was interrupted (its journal lies beside the database) and
// cannot be finished where the file or its folder may not be written, which keeps the database
// engine's own text after it in brackets. Empty for any other failure, whose engine text is all
// there is to say. `code` is the database engine's result code (an extended one too).
std::string DatabaseTrouble(int code, std::string_view engineText, const std::filesystem::path& database);

}  // namespace quellmar::engine
