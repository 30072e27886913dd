#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace quellmar::test {

// A named pipe (FIFO), for showing that the program never opens one for reading: that open would
// wait for a writer for ever. Should the code under test wait on it all the same, a writer comes
// after a few seconds and leaves at once, so the code reads an empty file and the test fails
// instead of hanging.
class NamedPipe {
public:
    explicit NamedPipe(std::filesystem::path path);
    ~NamedPipe();
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    void Watch();

    std::filesystem::path path_;
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread watchdog_;
};

}  // namespace quellmar::test
