#pragma once

#include <filesystem>
#include <vector>

namespace quellmar::data {

// The sample cooler database that the build places in the program folder. The program folder's
// quellmar.mdb is also where maintainers keep their edits, so the build replaces it only when it is
// still exactly the file the build wrote last; any other file is kept and the new sample goes beside it.
struct BundledDatabase {
    std::filesystem::path dataDir;
    std::filesystem::path target;  // quellmar.mdb in the program folder
    std::filesystem::path record;  // the build's own note of what it wrote last, outside the program folder
    std::vector<std::filesystem::path> tools;  // further files that shape the database, such as the builder
};

enum class Placed {
    Unchanged,        // the target is the build's own file and is up to date
    Written,          // the target was missing or the build's own file, and holds the new sample now
    Kept,             // the target holds edits; the sample beside it is up to date
    KeptNewSample,    // the target holds edits; the new sample was written beside it
};

struct Placement {
    Placed placed = Placed::Unchanged;
    // A kept file that an earlier build had left with a write-ahead log now has the rollback
    // journal, so that it reads from a read-only folder too; its rows are as they were.
    bool journalChanged = false;
};

// Where the new sample goes when the target is kept: "quellmar-sample.mdb" beside "quellmar.mdb".
std::filesystem::path SampleBeside(const std::filesystem::path& target);

// Brings the program folder's database up to date as far as that loses nothing. Throws BuildError.
Placement PlaceBundledDatabase(const BundledDatabase& database);

}  // namespace quellmar::data
