#pragma once

#include "vb/replacing_file.h"

#include <QString>

#include <string>
#include <thread>

namespace gui {

// A document that a printer prints to a file. Qt's PDF output writes its file as it goes and never
// says that a write failed: on a full disk or past the file-size limit it leaves a broken file and
// ends the document as if all were well, and the file that stood there is gone from the start. So
// the printer writes into memory instead, through a pipe that no disk or file-size limit stops and
// that a thread empties as it fills, and the whole document then replaces the file through a
// ReplacingFile: the file is the new document, or the old one byte for byte and the system's reason
// is raised. Without Commit nothing is written and nothing is left beside the file.
class PrintFile {
public:
    // Raises vb::FileWriteError when the file cannot be written (a missing folder, a file this
    // process may not write), before anything is printed.
    explicit PrintFile(const QString& target);
    ~PrintFile();
    PrintFile(const PrintFile&) = delete;
    PrintFile& operator=(const PrintFile&) = delete;

    const QString& Target() const { return target_; }
    // The name under which the printer opens its output.
    QString WriterName() const;
    // Once the printer has closed its output: replaces the file with the document, or raises
    // vb::FileWriteError and leaves the file as it was.
    void Commit();

private:
    void Collect();
    // Closes this end of the pipe and waits until the thread has taken everything written.
    void EndCollecting() noexcept;

    QString target_;
    vb::ReplacingFile file_;
    int readEnd_ = -1;
    int writeEnd_ = -1;
    std::string document_;
    int readError_ = 0;  // the pipe's error, where it failed before the printer closed it
    std::thread collector_;
};

}  // namespace gui
