#pragma once

#include "com/export.h"
#include "com/guid.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace com {

// The registry of component classes: which class a ProgID names (without regard to letter case)
// and which library makes a class. It is a text file; every query reads it anew, every change
// rewrites it whole under a lock, so that several registrations at once lose nothing. The registry
// names libraries that run in the program: one that another user owns or may change is refused
// (error 70), and so is such a library (see CreateObject).
class COM_API Registry {
public:
    // The process's registry file: the one QUELLMAR_COMPONENT_REGISTRY names; else the program
    // folder's own "components.reg" when there is one (the build tree registers its components
    // there, so the program runs from it without set-up); else "quellmar/components.reg" in the
    // user's own configuration folder, never in a folder that other users share.
    static std::filesystem::path DefaultFile();

    explicit Registry(std::filesystem::path file = DefaultFile());
    const std::filesystem::path& File() const { return file_; }

    // Records the class's library and has the ProgID name the class. A library in the registry's
    // folder is recorded relative to it. A ProgID must be a non-empty word without blanks (error 5
    // otherwise).
    void Register(const ClassId& classId, std::string_view progId, const std::filesystem::path& library);
    // Removes the class and every ProgID that names it; an unknown class changes nothing.
    void Unregister(const ClassId& classId);

    std::optional<ClassId> ClassOf(std::string_view progId) const;
    // The class's library: a relative entry lies in the registry's folder, else in the program folder.
    std::optional<std::filesystem::path> LibraryOf(const ClassId& classId) const;

private:
    std::filesystem::path file_;
};

}  // namespace com
