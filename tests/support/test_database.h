#pragma once

#include "database_builder.h"
#include "temp_folder.h"

#include <filesystem>
#include <string>

namespace quellmar::test {

// A cooler database built from data/ in a temporary folder. Base gives the tables, code lists and
// viscosity table with no models, for fixtures that add their own rows with Exec; Full adds the
// bundled sample models.
class TestDatabase {
public:
    explicit TestDatabase(data::Contents contents = data::Contents::Base);

    const std::filesystem::path& Path() const { return file_; }
    const std::filesystem::path& Folder() const { return folder_.Path(); }
    // Runs SQL on the database (fixture rows); fails the test on an SQL error.
    void Exec(const std::string& sql) const;

private:
    TempFolder folder_;
    std::filesystem::path file_;
};

}  // namespace quellmar::test
