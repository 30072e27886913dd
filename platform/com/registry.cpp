#include "com/registry.h"

#include "com/text_file.h"
#include "vb/error.h"
#include "vb/program_folder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>

namespace com {
namespace {

constexpr const char* kEnvironmentVariable = "QUELLMAR_COMPONENT_REGISTRY";
constexpr const char* kFileName = "components.reg";

std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return std::toupper(c); });
    return folded;
}

struct ProgIdEntry {
    std::string progId;  // as registered
    ClassId classId;
};

struct Entries {
    std::map<ClassId, std::filesystem::path> libraries;
    std::map<std::string, ProgIdEntry> progIds;  // by folded ProgID
};

[[noreturn]] void RaiseMalformed(const std::filesystem::path& file, int line) {
    throw vb::RuntimeError(vb::kErrInvalidFileFormat,
                           "Invalid file format: " + file.string() + ", line " + std::to_string(line));
}

Entries Read(const std::filesystem::path& file) {
    Entries entries;
    const auto content = ReadTextFile(file);
    if (!content) return entries;
    std::istringstream lines(*content);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string kind, first;
        words >> kind >> first;
        std::string rest;
        std::getline(words >> std::ws, rest);
        if (kind == "class") {
            const auto classId = Guid::Parse(first);
            if (!classId || rest.empty()) RaiseMalformed(file, number);
            entries.libraries[*classId] = rest;
        } else if (kind == "progid") {
            const auto classId = Guid::Parse(rest);
            if (!classId || first.empty()) RaiseMalformed(file, number);
            entries.progIds[Folded(first)] = {first, *classId};
        } else {
            RaiseMalformed(file, number);
        }
    }
    return entries;
}

void Write(const std::filesystem::path& file, const Entries& entries) {
    std::string content = "# Component registry of Quellmar: the library of each class, the class of each ProgID.\n";
    for (const auto& [classId, library] : entries.libraries)
        content += "class " + classId.ToString() + " " + library.string() + "\n";
    for (const auto& [folded, entry] : entries.progIds)
        content += "progid " + entry.progId + " " + entry.classId.ToString() + "\n";
    ReplaceTextFile(file, content);
}

// Holds the registry's lock file exclusively while one change reads and rewrites the registry.
class ChangeLock {
public:
    explicit ChangeLock(const std::filesystem::path& file) {
        std::error_code ignored;
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
        auto lockFile = file;
        lockFile += ".lock";
        descriptor_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (descriptor_ < 0 || ::flock(descriptor_, LOCK_EX) != 0)
            throw vb::RuntimeError(vb::kErrPathFileAccess, "Path/File access error: cannot lock " + lockFile.string());
    }
    ~ChangeLock() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    ChangeLock(const ChangeLock&) = delete;
    ChangeLock& operator=(const ChangeLock&) = delete;

private:
    int descriptor_ = -1;
};

bool IsProgId(std::string_view progId) {
    return !progId.empty() &&
           std::none_of(progId.begin(), progId.end(), [](unsigned char c) { return std::isspace(c) || c == '#'; });
}

}  // namespace

std::filesystem::path Registry::DefaultFile() {
    if (const char* named = std::getenv(kEnvironmentVariable); named && *named) return named;
    const auto programFolderFile = vb::ProgramFolder() / kFileName;
    std::error_code ignored;
    if (std::filesystem::exists(programFolderFile, ignored)) return programFolderFile;
    std::filesystem::path configuration;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) configuration = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        configuration = std::filesystem::path(home) / ".config";
    else configuration = std::filesystem::temp_directory_path();
    return configuration / "quellmar" / kFileName;
}

Registry::Registry(std::filesystem::path file) : file_(std::move(file)) {}

void Registry::Register(const ClassId& classId, std::string_view progId, const std::filesystem::path& library) {
    if (!IsProgId(progId) || library.empty())
        throw vb::RuntimeError(vb::kErrInvalidCall, "Invalid procedure call or argument");
    ChangeLock lock(file_);
    Entries entries = Read(file_);
    entries.libraries[classId] = library;
    entries.progIds[Folded(progId)] = {std::string(progId), classId};
    Write(file_, entries);
}

void Registry::Unregister(const ClassId& classId) {
    ChangeLock lock(file_);
    Entries entries = Read(file_);
    const bool known = entries.libraries.erase(classId) > 0;
    const auto removed =
        std::erase_if(entries.progIds, [&](const auto& entry) { return entry.second.classId == classId; });
    if (known || removed > 0) Write(file_, entries);
}

std::optional<ClassId> Registry::ClassOf(std::string_view progId) const {
    const Entries entries = Read(file_);
    const auto found = entries.progIds.find(Folded(progId));
    if (found == entries.progIds.end()) return std::nullopt;
    return found->second.classId;
}

std::optional<std::filesystem::path> Registry::LibraryOf(const ClassId& classId) const {
    const Entries entries = Read(file_);
    const auto found = entries.libraries.find(classId);
    if (found == entries.libraries.end()) return std::nullopt;
    return found->second;
}

}  // namespace com
