#include "com/registry.h"

#include "com/text_file.h"
#include "vb/error.h"
#include "vb/change_lock.h"
#include "vb/program_folder.h"
#include "vb/trusted_file.h"
#include "vb/user_folders.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>

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

std::filesystem::path Folder(const std::filesystem::path& file) {
    return std::filesystem::absolute(file).parent_path();
}

[[noreturn]] void RaiseMalformed(const std::filesystem::path& file, int line) {
    throw vb::RuntimeError(vb::kErrInvalidFileFormat,
                           "Invalid file format: " + file.string() + ", line " + std::to_string(line));
}

// Names the libraries that run in the program, so only a file that no other user may have written
// or changed is read.
Entries Read(const std::filesystem::path& file) {
    Entries entries;
    std::error_code missing;
    if (!std::filesystem::exists(file, missing)) return entries;
    const vb::Trust trust = vb::TrustOf(file);
    if (!trust.Trusted())
        throw vb::RuntimeError(vb::kErrPermissionDenied,
                               "Permission denied: the component registry " + file.string() + " is not used: " + trust.refusal + ".");
    const auto content = ReadTextFile(trust.resolved);
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

// A library in the registry's own folder (or below it) is recorded relative to that folder, so that
// the folder can be copied, moved or installed elsewhere with its registry.
std::filesystem::path Recorded(const std::filesystem::path& file, const std::filesystem::path& library) {
    std::error_code ignored;
    const auto folder = std::filesystem::weakly_canonical(Folder(file), ignored);
    const auto relative =
        std::filesystem::weakly_canonical(std::filesystem::absolute(library), ignored).lexically_relative(folder);
    if (relative.empty() || *relative.begin() == "..") return library;
    return relative;
}

// A relative entry lies in the registry's folder, else in the program folder. An absolute entry
// whose file is gone (a registry copied from elsewhere) is looked for by its name in the same places.
std::filesystem::path Resolved(const std::filesystem::path& file, const std::filesystem::path& recorded) {
    std::error_code ignored;
    if (recorded.is_absolute() && std::filesystem::exists(recorded, ignored)) return recorded;
    const auto name = recorded.is_absolute() ? recorded.filename() : recorded;
    for (const auto& folder : {Folder(file), vb::ProgramFolder()})
        if (const auto candidate = (folder / name).lexically_normal(); std::filesystem::exists(candidate, ignored))
            return candidate;
    return recorded.is_absolute() ? recorded : (Folder(file) / name).lexically_normal();
}

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
    // Never a shared folder such as the temporary one, where another user could have made it first.
    const std::filesystem::path configuration = vb::ConfigurationFolder();
    if (configuration.empty())
        throw vb::RuntimeError(vb::kErrPathNotFound,
                               "Path not found: the program folder holds no " + std::string(kFileName) +
                                   ", and your account has no home folder to keep one in");
    return configuration / "quellmar" / kFileName;
}

Registry::Registry(std::filesystem::path file) : file_(std::move(file)) {}

void Registry::Register(const ClassId& classId, std::string_view progId, const std::filesystem::path& library) {
    if (!IsProgId(progId) || library.empty())
        throw vb::RuntimeError(vb::kErrInvalidCall, "Invalid procedure call or argument");
    const vb::ChangeLock lock(file_);
    Entries entries = Read(file_);
    entries.libraries[classId] = Recorded(file_, library);
    entries.progIds[Folded(progId)] = {std::string(progId), classId};
    Write(file_, entries);
}

void Registry::Unregister(const ClassId& classId) {
    const vb::ChangeLock lock(file_);
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
    return Resolved(file_, found->second);
}

}  // namespace com
