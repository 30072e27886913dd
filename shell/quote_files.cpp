#include "quote_files.h"

#include "main_window.h"
#include "selection_document.h"

#include "gui/dialog_service.h"
#include "gui/mdi_frame.h"
#include "gui/option_group.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSaveFile>

#include <stdexcept>
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
    int coolerType;  // as the type chooser answers: 0 air, 1 water, 2 mobile
};

const std::vector<DocumentKind>& Kinds() {
    static const std::vector<DocumentKind> kinds = {
        {quotation::AirLayout(), "frmAirSelection", 0},
        {quotation::WaterLayout(), "frmWaterSelection", 1},
        {quotation::MobileLayout(), "frmMobileSelection", 2},
    };
    return kinds;
}

const DocumentKind& KindOfLayout(const RecordLayout& layout) {
    for (const DocumentKind& kind : Kinds())
        if (&kind.layout == &layout) return kind;
    throw std::logic_error("A record layout without a document");
}

// A record a file holds is long in the customer texts at most: reading stops well beyond any of
// them, so that opening some large file by mistake reads little of it.
constexpr qint64 kMostRecordBytes = 64 * 1024;

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

void WriteQuoteFile(const SelectionDocument& frm, const QString& path) {
    // A window that is no selection document has an empty record.
    const RecordLayout* layout = LayoutOfForm(gui::FormName(&frm));
    const std::string bytes = layout ? quotation::QuoteFileBytes(BuildQuoteRecord(frm, *layout)) : std::string("\r\n");
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a size limit) shows in what write returns:
    // a buffered flush at commit takes a short write for a whole one.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && file.commit();
    if (!written)
        throw std::runtime_error(Utf8("The quotation could not be saved as " + path + ".\r\n" + file.errorString()));
}

void OpenQuoteFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CannotOpen(path, file.errorString());
        return;
    }
    const QByteArray bytes = file.read(kMostRecordBytes);
    if (file.error() != QFileDevice::NoError) {
        CannotOpen(path, file.errorString());
        return;
    }
    file.close();
    // A first line that does not end within what was read is no record of this program.
    if (bytes.size() == kMostRecordBytes && !bytes.contains('\r') && !bytes.contains('\n')) {
        RefuseFormat();
        return;
    }
    const quotation::ReadResult read = quotation::ReadQuoteFile(std::string_view(bytes.constData(), bytes.size()));
    switch (read.outcome) {
    case quotation::ReadOutcome::UnknownType: return;
    case quotation::ReadOutcome::WrongFormat: RefuseFormat(); return;
    case quotation::ReadOutcome::Accepted: LoadQuote(read.record, path); return;
    }
}

}  // namespace quellmar::shell
