#include "drawing_import.h"

#include "database_error.h"

#include "com/create.h"
#include "control/dxf.h"
#include "vb/input_file.h"
#include "vb/text_lines.h"

#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <string_view>

namespace quellmar::maintenance {
namespace {

constexpr const char* kUnchanged = " The stored drawing was not changed.";

[[noreturn]] void Refuse(const QString& dxfFileName, const QString& why) {
    throw DatabaseError(("The drawing file " + dxfFileName + " " + why + kUnchanged).toStdString());
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// DXF text holds no NUL (a binary DXF file has one in its first line, and random bytes have
// many) and begins a section as every DXF file does: a group code 0 on one line, "SECTION" on
// the next, read with the component's line rule.
bool HasNoNul(std::string_view text) { return text.find('\0') == std::string_view::npos; }

bool BeginsASection(std::string_view text) {
    vb::LineScanner lines(text);
    std::string_view previous, line;
    while (lines.Next(line)) {
        if (Trimmed(previous) == "0" && Trimmed(line) == "SECTION") return true;
        previous = line;
    }
    return false;
}

bool HasBareLineFeedsOnly(std::string_view text) {
    return text.find('\r') == std::string_view::npos && text.find('\n') != std::string_view::npos;
}

// The component converts files, not texts: the text goes through two files of a private folder.
std::string RepairedLineEnds(const std::string& text, const QString& dxfFileName) {
    QTemporaryDir folder;
    if (!folder.isValid())
        Refuse(dxfFileName, "could not be converted: no temporary folder can be made (" + folder.errorString() + ").");
    const std::string in = QFile::encodeName(folder.filePath("drawing.dxf")).toStdString();
    const std::string out = QFile::encodeName(folder.filePath("repaired.dxf")).toStdString();
    if (!(std::ofstream(in, std::ios::binary) << text))
        Refuse(dxfFileName, "could not be converted: its copy in the temporary folder could not be written.");
    std::string error;
    try {
        const vb::Ref<tiraq::DXF> dxf = com::CreateInstance<tiraq::DXF>(tiraq::kDXFProgId);
        if (dxf->FixUNIXFile(error, in, out)) {
            vb::InputFile repaired(out);
            return repaired.ReadUpTo(static_cast<std::size_t>(repaired.Size()));
        }
    } catch (const vb::RuntimeError& failure) {
        error = failure.Description();
    }
    Refuse(dxfFileName, "could not be converted to CR LF line ends: " + QString::fromStdString(error));
}

}  // namespace

std::string DrawingFileText(const QString& dxfFileName) {
    std::string text;
    std::int64_t size = 0;
    try {
        vb::InputFile file(QFile::encodeName(dxfFileName).toStdString());
        size = file.Size();
        if (size <= kMostDrawingFileBytes) {
            // It may have grown since it was looked at.
            text = file.ReadUpTo(static_cast<std::size_t>(kMostDrawingFileBytes) + 1);
            size = static_cast<std::int64_t>(text.size());
        }
    } catch (const vb::RuntimeError& error) {
        throw DatabaseError(
            ("The drawing file " + dxfFileName + " cannot be read: " + QString::fromStdString(error.Description()))
                .toStdString());
    }
    if (size == 0) Refuse(dxfFileName, "is empty.");
    if (size > kMostDrawingFileBytes)
        Refuse(dxfFileName, QString("holds %1 bytes, more than any drawing: a drawing file may hold at most %2 bytes.")
                                .arg(size)
                                .arg(kMostDrawingFileBytes));
    if (!HasNoNul(text)) Refuse(dxfFileName, "is not a DXF drawing in text form.");
    if (HasBareLineFeedsOnly(text)) text = RepairedLineEnds(text, dxfFileName);
    if (!BeginsASection(text)) Refuse(dxfFileName, "is not a DXF drawing in text form.");
    return text;
}

}  // namespace quellmar::maintenance
