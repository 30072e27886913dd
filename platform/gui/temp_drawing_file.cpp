#include "gui/temp_drawing_file.h"

#include "vb/program_folder.h"
#include "vb/trusted_file.h"
#include "vb/user_folders.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace gui {
namespace {

constexpr int kFirstNumber = 1000;
constexpr int kNumbers = 9000;
// Random draws before the remaining names are tried in order: with every name but a few taken,
// drawing alone could take very long, and with every name taken it would never end.
constexpr int kRandomDraws = 4 * kNumbers;

// A folder where only this user (or root) makes and reads names.
bool IsOwnFolder(const fs::path& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0 && vb::TrustOf(folder).Trusted();
}

// Makes the folder and the folders above it that are missing, for this user alone.
void MakeOwnFolder(const fs::path& folder) {
    if (folder.has_relative_path() && folder.parent_path() != folder) MakeOwnFolder(folder.parent_path());
    ::mkdir(folder.c_str(), 0700);
}

// The program folder where it is the user's own; else the user's runtime folder; else "quellmar"
// in the user's cache folder. Never a folder that other users may write to: they could take the
// names first, or swap a drawing for one of theirs before it is read.
fs::path DrawingFolder() {
    if (const fs::path program = vb::ProgramFolder(); IsOwnFolder(program)) return program;
    if (const fs::path runtime = vb::RuntimeFolder(); IsOwnFolder(runtime)) return runtime;
    if (const fs::path cache = vb::CacheFolder(); !cache.empty()) {
        MakeOwnFolder(cache / "quellmar");
        if (IsOwnFolder(cache / "quellmar")) return cache / "quellmar";
    }
    throw std::runtime_error("A temporary drawing file cannot be made: the program folder " + vb::ProgramFolder().string() +
                             " is not yours alone to write to, and you have no runtime or cache folder that is.");
}

fs::path NameFor(const fs::path& folder, int number) {
    return folder / ("tmp" + std::to_string(number) + ".dxf");
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

std::mt19937& Generator() {
    static std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid()));
    return generator;
}

}  // namespace

fs::path GetTempDxfFileName() {
    const fs::path folder = DrawingFolder();
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int draw = 0; draw < kRandomDraws; ++draw) {
        const int number = static_cast<int>(fraction(Generator()) * kNumbers + kFirstNumber);
        const fs::path path = NameFor(folder, number);
        if (!Exists(path)) return path;
    }
    for (int number = kFirstNumber; number < kFirstNumber + kNumbers; ++number) {
        const fs::path path = NameFor(folder, number);
        if (!Exists(path)) return path;
    }
    throw std::runtime_error("Every temporary drawing file name is taken in " + folder.string() + ".");
}

TempDrawingFile::TempDrawingFile(std::string_view drawingText) {
    int descriptor = -1;
    // A name that another program takes between the check and the creation is drawn again.
    for (int attempt = 0; descriptor < 0; ++attempt) {
        path_ = GetTempDxfFileName();
        descriptor = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (descriptor < 0 && (errno != EEXIST || attempt == 100))
            throw std::runtime_error("Cannot create the temporary drawing file " + path_.string() + ": " +
                                     std::strerror(errno));
    }
    std::string text(drawingText);
    text += "\r\n";
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(descriptor, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string reason = std::strerror(errno);
            ::close(descriptor);
            std::error_code ignored;
            fs::remove(path_, ignored);
            throw std::runtime_error("Cannot write the temporary drawing file " + path_.string() + ": " + reason);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::close(descriptor) != 0) {
        const std::string reason = std::strerror(errno);
        std::error_code ignored;
        fs::remove(path_, ignored);
        throw std::runtime_error("Cannot write the temporary drawing file " + path_.string() + ": " + reason);
    }
}

TempDrawingFile::~TempDrawingFile() {
    std::error_code ignored;
    fs::remove(path_, ignored);
}

}  // namespace gui
