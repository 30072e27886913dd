#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace quellmar::test {

// A fresh folder under the system temporary folder, removed with everything in it on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The names of everything a folder holds, for checking that an operation left no file behind.
std::set<std::string> Listing(const std::filesystem::path& folder);

}  // namespace quellmar::test
