#pragma once

#include "vb/error.h"
#include "vb/export.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace vb {

// A file that could not be written. As a RuntimeError it carries the runtime's number and text for
// the system's error ("Permission denied", "Disk full", "Path not found" for a folder that is not
// there, "Path/File access error" for a name that is no regular file); Reason() says it in words
// for a user ("File too large", "The disk is full.", "This is a named pipe (FIFO), not a file.").
class VB_API FileWriteError : public RuntimeError {
public:
    enum class Step {
        Target,    // the name leads to a file this process may not write, or to no regular file
        Writing,   // making or writing the new file
        Renaming,  // putting the new file in the place of the old one
    };

    FileWriteError(Step step, int error, const std::string& reason);
    // With the system's reason for the error.
    FileWriteError(Step step, int error);
    Step At() const noexcept { return step_; }
    int SystemError() const noexcept { return error_; }
    const std::string& Reason() const noexcept { return reason_; }

private:
    Step step_;
    int error_;
    std::string reason_;
};

// A file that replaces its target only when it is complete: it is written beside the target under
// a temporary name and renamed over it by Commit, so that a reader sees the old or the new content
// and the target never holds half a file. Left without Commit (a failure, an exception) the
// temporary file is removed and the target is as it was. A link is written through, not replaced;
// a loop of links, a folder, a pipe, a device or a file this process may not write is refused
// before anything is written. A replaced file keeps its permissions and, where the process may set
// them, its owner, its group and its access control list. Failures raise FileWriteError; a write
// beyond the process's file-size limit is one of them ("File too large"), never the end of the
// process: the program ignores that signal from its start, and a ReplacingFile makes any other
// process that writes through one (another host of the drawing component, a test) ignore it too,
// unless the process handles the signal itself (IgnoreFileSizeSignal).
class VB_API ReplacingFile {
public:
    enum class Fallback {
        None,
        // Where a new file cannot take the target's place as the same file to its users, the target
        // itself is written in place: the folder takes no new file ("Permission denied" or
        // "Operation not permitted"), the file has further hard links, or a new file could not keep
        // its owner (the file of another user in a sticky folder, which would refuse the rename),
        // its group or its access control list. The new length is reserved before the first byte
        // changes, so a failure (a full disk) leaves the old content as it was.
        WriteInPlace,
    };

    explicit ReplacingFile(const std::filesystem::path& target, Fallback fallback = Fallback::None);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // The open file, for writers that need a stream of their own (seekable).
    std::FILE* Stream() const noexcept { return file_; }
    // The name of the file being written, for a writer that opens it by name itself (a database);
    // empty where the content is held to be written in place, which only the fallback does.
    const std::filesystem::path& WrittenPath() const noexcept { return written_; }
    void Write(std::string_view bytes);
    // Raises the error of a write made straight on Stream() that failed.
    void CheckStream();
    // Closes the file, gives it the target's permissions and renames it over the target.
    void Commit();

    // Whether `name` is a temporary file that a ReplacingFile of `target` makes (and a process
    // ended part-way may have left).
    static bool IsTemporaryOf(const std::filesystem::path& target, const std::filesystem::path& name);

private:
    // Closes and removes what was written, then raises the error.
    [[noreturn]] void Fail(FileWriteError::Step step, int error);
    void Abandon() noexcept;
    // Writes what was written over the target, in place, and removes the temporary file.
    void CopyInPlace();

    std::filesystem::path target_;
    std::filesystem::path written_;  // the temporary file beside the target; empty when held in place
    Fallback fallback_;
    bool exists_ = false;
    std::FILE* file_ = nullptr;
};

// Writes `bytes` as the whole content of the file, through a ReplacingFile.
VB_API void ReplaceFile(const std::filesystem::path& target, std::string_view bytes,
                        ReplacingFile::Fallback fallback = ReplacingFile::Fallback::None);

}  // namespace vb
