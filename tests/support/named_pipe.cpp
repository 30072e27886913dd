#include "named_pipe.h"

#include <chrono>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quellmar::test {

NamedPipe::NamedPipe(std::filesystem::path path) : path_(std::move(path)) {
    if (::mkfifo(path_.c_str(), 0600) != 0) throw std::runtime_error("cannot make the named pipe " + path_.string());
    watchdog_ = std::thread([this] { Watch(); });
}

NamedPipe::~NamedPipe() {
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_all();
    watchdog_.join();
}

void NamedPipe::Watch() {
    std::unique_lock lock(mutex_);
    if (finished_.wait_for(lock, std::chrono::seconds(5), [this] { return done_; })) return;
    // A writer that does not wait opens only while a reader waits: try until one does or the test ends.
    while (!finished_.wait_for(lock, std::chrono::milliseconds(20), [this] { return done_; })) {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
}

}  // namespace quellmar::test
