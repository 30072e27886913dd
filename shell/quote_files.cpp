#include "quote_files.h"

#include "main_window.h"
#include "selection_document.h"

#include "gui/dialog_service.h"
#include "gui/mdi_frame.h"
#include "gui/option_group.h"

#include "vb/cp1252.h"
#include "vb/error.h"
#include "vb/input_file.h"
#include "vb/replacing_file.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>

#include <stdexcept>
#include <string_view>
#include <vector>

namespace quellmar::shell {
namespace {

using quotation::FieldKind;
using quotation::InputField;
using quotation::QuoteRecord;
using quotation::RecordLayout;

struct DocumentKind {
    const RecordLayout& layout;
    const char* formName;
    CoolerType coolerType;
};

const std::vector<DocumentKind>& Kinds() {
    static const std::vector<DocumentKind> kinds = {
        {quotation::AirLayout(), "frmAirSelection", CoolerType::Air},
        {quotation::WaterLayout(), "frmWaterSelection", CoolerType::Water},
        {quotation::MobileLayout(), "frmMobileSelection", CoolerType::Mobile},
    };
    return kinds;
}

const DocumentKind& KindOfLayout(const RecordLayout& layout) {
    for (const DocumentKind& kind : Kinds())
        if (&kind.layout == &layout) return kind;
    throw std::logic_error("A record layout without a document");
}

// At most this many of the characters a save would lose are named; the rest are counted.
constexpr std::size_t kMostLostCharactersNamed = 20;

std::string Utf8(const QString& text) { return text.toStdString(); }

QLineEdit& TextBoxOf(const SelectionDocument& frm, const InputField& field) {
    QLineEdit* box = frm.TextBox(field.control);
    if (!box) throw std::logic_error(std::string("The document has no text box ") + field.control);
    return *box;
}

gui::OptionGroup& OptionsOf(const SelectionDocument& frm, const InputField& field) {
    gui::OptionGroup* options = frm.Options(field.control);
    if (!options) throw std::logic_error(std::string("The document has no option array ") + field.control);
    return *options;
}

// The first selected button from the lowest index up; one past the highest when none is.
int SelectedIndex(const gui::OptionGroup& options, const InputField& field) {
    for (int i = field.firstIndex; i <= field.lastIndex; ++i)
        if (options.Value(i)) return i;
    return field.lastIndex + 1;
}

[[noreturn]] void CannotSave(const QString& path, const QString& reason) {
    throw std::runtime_error(Utf8("The quotation could not be saved as " + path + ".\r\n" + reason));
}

// The file's code page has no place for some characters; they are written as "?". The user is
// told which before anything is written, and may stop the save to change them.
bool AcceptLostCharacters(const std::string& recordLine) {
    const std::vector<std::string> lost = vb::Cp1252Unencodable(recordLine);
    if (lost.empty()) return true;
    QStringList named;
    for (std::size_t i = 0; i < lost.size() && i < kMostLostCharactersNamed; ++i) {
        const QString character = QString::fromStdString(lost[i]);
        const QString code = QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, '0');
        named << QString("%1 (U+%2)").arg(character, code);
    }
    QString list = named.join(", ");
    if (lost.size() > kMostLostCharactersNamed)
        list += QString(", and %1 more").arg(lost.size() - kMostLostCharactersNamed);
    const QString prompt = "A quotation file cannot hold these characters; they will be saved as \"?\":\r\n" + list +
                           "\r\n\r\nSave anyway?";
    return gui::Dialogs().MsgBox(prompt, gui::vbOKCancel | gui::vbExclamation, "Quellmar") == gui::vbOK;
}

// Writes the whole file through a temporary file renamed over it, so that a failed save leaves the
// old file as it was. Where a new file could not stand in for the old one (the folder takes no new
// file; the file is shared through further links, or by an owner, group or access list that a new
// file could not keep) it is written in place, with its new length reserved first, so that a full
// disk still leaves the old file as it was.
void WriteWholeFile(const QString& path, const std::string& bytes) {
    try {
        vb::ReplaceFile(QFile::encodeName(path).toStdString(), bytes, vb::ReplacingFile::Fallback::WriteInPlace);
    } catch (const vb::FileWriteError& error) {
        CannotSave(path, QString::fromStdString(error.Reason()));
    }
}

// The file up to the end of its first line, or to just past the longest record a file holds.
std::string RecordBytesOf(vb::InputFile& file) {
    std::string bytes;
    std::vector<char> chunk(std::size_t{1} << 16);
    while (bytes.size() <= quotation::kMostRecordBytes) {
        const std::size_t got = file.Read(chunk.data(), chunk.size());
        if (got == 0) break;
        bytes.append(chunk.data(), got);
        const std::string_view read(chunk.data(), got);
        if (read.find_first_of("\r\n") != std::string_view::npos) break;
    }
    return bytes;
}

void CannotOpen(const QString& path, const QString& reason) {
    gui::Dialogs().MsgBox("The file " + path + " cannot be opened.\r\n" + reason, gui::vbOKOnly | gui::vbExclamation,
                          "Quellmar");
}

void RefuseFormat() {
    gui::Dialogs().MsgBox("The file you are trying to open\r\nwas not created by this program.", gui::vbOKOnly,
                          "Incorrect File Format");
}

// A document that could not be restored whole is never shown.
void Discard(SelectionDocument* frm) {
    frm->IsDirty(false);
    if (QWidget* frame = frm->parentWidget())
        delete frame;
    else
        delete frm;
}

// Builds the document while it is hidden; it is shown only once it is whole and searched.
void LoadQuote(const QuoteRecord& record, const QString& path) {
    QPointer<SelectionDocument> frm = NewSelectionDocument(KindOfLayout(*record.layout).coolerType);
    if (!frm) return;
    try {
        gui::AddMdiChild(frm);
        for (std::size_t i = 0; i < record.layout->inputs.size(); ++i) {
            const InputField& field = record.layout->inputs[i];
            if (field.kind == FieldKind::Text)
                TextBoxOf(*frm, field).setText(QString::fromStdString(record.inputs[i].text));
            else
                OptionsOf(*frm, field).SetValue(record.inputs[i].index, true);
        }
        const quotation::CustomerFields& c = record.customer;
        frm->SetCustomerDetails(c.quoteDate, QString::fromStdString(c.company), QString::fromStdString(c.address),
                                QString::fromStdString(c.attention), QString::fromStdString(c.reference),
                                QString::fromStdString(c.sizedBy));
        frm->SavedFileName(path);
        frm->IsDirty(false);
        frm->FindSuitableCooler();
    } catch (...) {
        if (frm) Discard(frm);
        throw;
    }
    if (frm) ShowDocument(frm);
}

}  // namespace

const RecordLayout* LayoutOfForm(const QString& formName) {
    for (const DocumentKind& kind : Kinds())
        if (formName == kind.formName) return &kind.layout;
    return nullptr;
}

QuoteRecord BuildQuoteRecord(const SelectionDocument& frm, const RecordLayout& layout) {
    QuoteRecord record{&layout, {}, {}};
    for (const InputField& field : layout.inputs) {
        if (field.kind == FieldKind::Text)
            record.inputs.push_back({Utf8(TextBoxOf(frm, field).text())});
        else
            record.inputs.push_back({{}, SelectedIndex(OptionsOf(frm, field), field)});
    }
    record.customer = {frm.QuoteDateValue(), Utf8(frm.Company()),   Utf8(frm.Address()),
                       Utf8(frm.Attention()), Utf8(frm.Reference()), Utf8(frm.SizedBy())};
    return record;
}

bool WriteQuoteFile(const SelectionDocument& frm, const QString& path) {
    // A window that is no selection document has an empty record.
    const RecordLayout* layout = LayoutOfForm(gui::FormName(&frm));
    std::string bytes = "\r\n";
    if (layout) {
        const QuoteRecord record = BuildQuoteRecord(frm, *layout);
        if (!AcceptLostCharacters(quotation::RecordLine(record))) return false;
        try {
            bytes = quotation::QuoteFileBytes(record);
        } catch (const std::length_error& tooLong) {
            CannotSave(path, QString::fromUtf8(tooLong.what()));
        }
    }
    WriteWholeFile(path, bytes);
    return true;
}

void OpenQuoteFile(const QString& path) {
    std::string bytes;
    try {
        vb::InputFile file(QFile::encodeName(path).toStdString());
        bytes = RecordBytesOf(file);
    } catch (const vb::RuntimeError& error) {
        CannotOpen(path, QString::fromStdString(error.Description()));
        return;
    }
    const quotation::ReadResult read = quotation::ReadQuoteFile(bytes);
    switch (read.outcome) {
    case quotation::ReadOutcome::UnknownType: return;
    case quotation::ReadOutcome::WrongFormat: RefuseFormat(); return;
    case quotation::ReadOutcome::Accepted: LoadQuote(read.record, path); return;
    }
}

}  // namespace quellmar::shell
