#include "gui/print_file.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace gui {

// A file that a new one cannot stand in for (a folder that takes no new file, a shared file) is
// written in place, as the quotation files are, so that whatever printed there before still does.
PrintFile::PrintFile(const QString& target)
    : target_(target),
      file_(QFile::encodeName(target).toStdString(), vb::ReplacingFile::Fallback::WriteInPlace) {
    int ends[2];
    // Close on exec: a program started meanwhile must not hold the pipe open after the printer ends.
    if (::pipe2(ends, O_CLOEXEC) != 0) throw vb::FileWriteError(vb::FileWriteError::Step::Writing, errno);
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    try {
        collector_ = std::thread([this] { Collect(); });
    } catch (...) {
        ::close(readEnd_);
        ::close(writeEnd_);
        throw;
    }
}

PrintFile::~PrintFile() {
    EndCollecting();
    ::close(readEnd_);
}

QString PrintFile::WriterName() const { return "/proc/self/fd/" + QString::number(writeEnd_); }

void PrintFile::Collect() {
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(readEnd_, chunk, sizeof chunk);
        if (got > 0) {
            document_.append(chunk, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            // A document cut short must not replace the file as if it were whole.
            if (got < 0) readError_ = errno;
            return;
        }
    }
}

void PrintFile::EndCollecting() noexcept {
    if (writeEnd_ >= 0) ::close(writeEnd_);
    writeEnd_ = -1;
    if (collector_.joinable()) collector_.join();
}

void PrintFile::Commit() {
    EndCollecting();
    if (readError_ != 0) throw vb::FileWriteError(vb::FileWriteError::Step::Writing, readError_);
    file_.Write(document_);
    file_.Commit();
}

}  // namespace gui
