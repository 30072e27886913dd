#include "reader/line_ending_repair.h"

#include "reader/error_chain.h"
#include "reader/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace tiraq {
namespace {

[[noreturn]] void Refuse(const char* message) { throw vb::RuntimeError(kErrTiraq, message); }

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec);
}

// The converted text, with the status bar painted as the conversion passes each twentieth.
std::string ConvertLineEnds(std::string_view text, ReaderHost& host) {
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 2);
    float nextMark = 0.05f;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t lf = text.find('\n', pos);
        const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        out.append(text, pos, end - pos);
        out += "\r\n";
        pos = lf == std::string_view::npos ? text.size() : lf + 1;
        const float fraction = std::min(1.0f, static_cast<float>(pos) / static_cast<float>(text.size()));
        if (fraction > nextMark) {
            host.PaintProgress(fraction);
            nextMark += 0.05f;
        }
    }
    return out;
}

mode_t NewFileMode(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Replaces the file's contents as a whole: written beside it, then renamed over it.
void WriteThroughTemporaryFile(const std::string& path, std::string_view contents) {
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temporary = (folder / (target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temporary.data());
    if (fd < 0) RaiseFileError(errno == ENOENT ? ENOTDIR : errno);
    std::FILE* file = fdopen(fd, "wb");
    bool written = file != nullptr && std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    const int writeError = errno;
    if (file != nullptr) written = std::fclose(file) == 0 && written;
    else close(fd);
    if (written) chmod(temporary.c_str(), NewFileMode(path));
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = written ? errno : writeError;
        std::remove(temporary.c_str());
        RaiseFileError(error);
    }
}

}  // namespace

bool FixUNIXFile(std::string& strError, const std::string& InFileName, const std::string& OutFileName,
                 ReaderHost& host) {
    host.SetMousePointer(kPointerHourglass);
    try {
        if (SameFile(InFileName, OutFileName)) Refuse("The input and  output file names must be different.");
        const std::string text = ReadWholeFile(InFileName);
        host.ShowStatusBar(false);
        if (text.find('\r') != std::string::npos)
            Refuse("File already appears to be DOS/Windows compatible. CR/LF pairs are intact.");
        WriteThroughTemporaryFile(OutFileName, ConvertLineEnds(text, host));
        strError.clear();
        host.SetMousePointer(kPointerDefault);
        host.HideStatusBar();
        return true;
    } catch (...) {
        strError = "An error ocurred in FixUNIXFile. The message is: " + CurrentErrorDescription();
        host.SetMousePointer(kPointerDefault);
        host.HideStatusBar();
        return false;
    }
}

}  // namespace tiraq
