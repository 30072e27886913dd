#include "reader/file_io.h"

#include "vb/error.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <sys/stat.h>

namespace tiraq {

std::string ReadWholeFile(const std::filesystem::path& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw vb::FileError(errno);
    // Read straight into a string sized from the file's length, so a large drawing is neither
    // copied nor grown while it is read.
    struct stat info {};
    std::string text;
    if (fstat(fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode)) {
        text.resize(static_cast<std::size_t>(info.st_size));
        text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    }
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        text.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    // A folder opens but does not read.
    if (std::ferror(file.get())) throw vb::FileError(errno == 0 ? EIO : errno);
    return text;
}

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    if (a == b) return true;
    std::error_code ec;
    return std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec);
}

}  // namespace tiraq
