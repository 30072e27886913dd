#include "reader/line_ending_repair.h"

#include "reader/error_chain.h"
#include "reader/file_io.h"
#include "vb/replacing_file.h"

#include <algorithm>
#include <string_view>

namespace tiraq {
namespace {

[[noreturn]] void Refuse(const char* message) { throw vb::RuntimeError(kErrTiraq, message); }

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

}  // namespace

bool FixUNIXFile(std::string& strError, const std::string& InFileName, const std::string& OutFileName,
                 ReaderHost& host) {
    host.SetMousePointer(kPointerHourglass);
    try {
        if (IsSameFile(InFileName, OutFileName)) Refuse("The input and  output file names must be different.");
        const std::string text = ReadWholeFile(InFileName);
        host.ShowStatusBar(false);
        if (text.find('\r') != std::string::npos)
            Refuse("File already appears to be DOS/Windows compatible. CR/LF pairs are intact.");
        vb::ReplacingFile out(OutFileName);
        out.Write(ConvertLineEnds(text, host));
        out.Commit();
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
