#include "engine/database_trouble.h"

#include <sqlite3.h>

#include <system_error>

namespace quellmar::engine {
namespace {

// A journal left by a change that did not finish: the next reader must undo the change first,
// which writes the database and removes the journal.
bool HasInterruptedChange(const std::filesystem::path& database) {
    std::error_code error;
    const auto size = std::filesystem::file_size(std::filesystem::path(database) += "-journal", error);
    return !error && size > 0;
}

}  // namespace

std::string DatabaseTrouble(int code, std::string_view engineText, const std::filesystem::path& database) {
    switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "Another window or program is changing the cooler database; try again when it has finished.";
        case SQLITE_FULL:
            return "The disk is full.";
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_IOERR:
            if (!HasInterruptedChange(database)) return {};
            return "A change to the cooler database " + database.string() +
                   " was interrupted and must be finished before the database can be read: open it once as a user "
                   "who may write to the file and to its folder " +
                   std::filesystem::absolute(database).parent_path().string() + ". (" + std::string(engineText) + ")";
        default:
            return {};
    }
}

}  // namespace quellmar::engine
