#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace vb {
class ReplacingFile;
}

namespace quellmar::data {

class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Contents {
    Base,  // tables, code lists, viscosity table and attributes; no models
    Full,  // Base plus every sample model (models/*.sql) and their drawings (drawings/<Name>.dxf)
};

// The texts in `dataDir` that a database of these contents is built from, in the order they are read.
std::vector<std::filesystem::path> SourceFiles(const std::filesystem::path& dataDir, Contents contents);

// Builds the cooler database from the reviewable texts in `dataDir` into `target`. The file is
// written under a temporary name and renamed into place, so a failed build never leaves a
// half-filled database where the program looks for one. The file uses a rollback journal, so it
// is read from a folder that the reader may not write to. Throws BuildError on failure.
void BuildDatabase(const std::filesystem::path& dataDir, const std::filesystem::path& target, Contents contents);

// The steps of BuildDatabase, for a caller that decides between them whether the target may still
// be replaced: fills the new, empty database file `file`; then renames the complete file over the
// target, removing the replaced database's journal and log files.
void BuildDatabaseFile(const std::filesystem::path& dataDir, const std::filesystem::path& file, Contents contents);
void PutInPlace(vb::ReplacingFile& file, const std::filesystem::path& target);

}  // namespace quellmar::data
