// Saving and opening quotation files through the main window, on the bundled sample database.
#include "air_selection.h"
#include "program_fixture.h"
#include "quote_files.h"

#include "file_size_limit.h"
#include "named_pipe.h"
#include "unprivileged.h"

#include <QFile>
#include <QLabel>

#include <filesystem>
#include <map>

using namespace quellmar::shell;
using gui::ScriptedDialogs;

namespace {

using State = std::map<std::string, QString>;

class QuoteFiles : public ProgramTest {
protected:
    QByteArray Bytes(const std::string& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    void Write(const std::string& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    frmAirSelection* FilledAir() { return qobject_cast<frmAirSelection*>(Searched(kAirSelection)); }

    // What a user sees of a document: its inputs, options, customer particulars and results.
    static State StateOf(const SelectionDocument& document) {
        State state;
        for (const quellmar::quotation::InputField& field : LayoutOfForm(document.objectName())->inputs) {
            if (field.kind == quellmar::quotation::FieldKind::Text)
                state[field.control] = document.TextBox(field.control)->text();
            else
                state[field.control] = QString::number(document.Options(field.control)->Selected());
        }
        state["date"] = document.QuoteDate();
        state["company"] = document.Company();
        state["address"] = document.Address();
        state["attention"] = document.Attention();
        state["reference"] = document.Reference();
        state["sizedBy"] = document.SizedBy();
        state["shown"] = document.CoolerShown() ? "yes" : "no";
        state["tab"] = QString::number(document.Tab());
        for (const QLabel* label : document.findChildren<QLabel*>())
            if (label->objectName().startsWith("lbl"))
                state[label->objectName().toStdString()] = (label->isHidden() ? "hidden " : "") + label->text();
        return state;
    }

    SelectionDocument* Open(const QString& path) {
        Dialogs().QueueFileName(path);
        const int before = Documents();
        Menu("mnuOpen");
        return Documents() > before ? Active() : nullptr;
    }
};

// A family's selection and the file it saves as.
struct SavedSelection {
    const TypedSelection& selection;
    QByteArray bytes;
};

void PrintTo(const SavedSelection& saved, std::ostream* out) { *out << saved.selection.family; }

class QuoteRoundTrip : public QuoteFiles, public ::testing::WithParamInterface<SavedSelection> {};

const QByteArray kCustomerBytes = "2004-02-29,Soci\xE9t\xE9 Lyonnaise%54 Fils,12 Quai%54 Lyon,M. Dupont,RFQ 7/3,Ann\r\n";

INSTANTIATE_TEST_SUITE_P(
    EachFamily, QuoteRoundTrip,
    ::testing::Values(SavedSelection{kAirSelection, "Air,68000,5,16,2,86,140,1,4,1,0," + kCustomerBytes},
                      SavedSelection{kWaterSelection, "Water,50,0,26.4,15.9,2,77,131,1,4,2," + kCustomerBytes},
                      SavedSelection{kMobileSelection, "Mobile,10,0,40,0,30,65,0,6,4.8," + kCustomerBytes}),
    [](const ::testing::TestParamInfo<SavedSelection>& info) { return std::string(info.param.selection.family); });

}  // namespace

TEST_P(QuoteRoundTrip, SavedDocumentOpensWithTheSameSelection) {
    SelectionDocument* document = Searched(GetParam().selection);
    ASSERT_TRUE(document->CoolerShown());
    const State before = StateOf(*document);
    const QString form = document->objectName();
    const std::string file = std::string(GetParam().selection.family) + ".quo";
    const QString name = Path(file);
    Dialogs().QueueFileName(name);
    Menu("mnuSaveAs");
    EXPECT_EQ(Bytes(file), GetParam().bytes);
    EXPECT_EQ(document->SavedFileName(), name);
    EXPECT_FALSE(document->IsDirty());
    EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(document->parentWidget())->close());
    Settle();
    EXPECT_EQ(Documents(), 0);

    SelectionDocument* opened = Open(name);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->objectName(), form);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(StateOf(*opened), before);
    EXPECT_EQ(opened->SavedFileName(), name);
    EXPECT_FALSE(opened->IsDirty());
    EXPECT_TRUE(Dialogs().Messages().empty());
    // Closed unchanged, it asks nothing.
    EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(opened->parentWidget())->close());
    EXPECT_TRUE(Dialogs().ModalNames().empty());
}

TEST_F(QuoteFiles, SaveWritesBackToTheDocumentsFileWhole) {
    frmAirSelection* document = FilledAir();
    Write("own.quo", QByteArray(500, 'x'));
    document->SavedFileName(Path("own.quo"));
    document->TextBox("txtAirTemp")->setText("80");
    Menu("mnuSave");
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_TRUE(Bytes("own.quo").startsWith("Air,68000,5,16,2,80,140,"));
    EXPECT_TRUE(Bytes("own.quo").endsWith(",Ann\r\n"));
    EXPECT_FALSE(document->IsDirty());
}

TEST_F(QuoteFiles, SaveAsAsksBeforeReplacingAnotherFile) {
    frmAirSelection* document = FilledAir();
    Write("other.quo", "kept");
    // Save on a never-saved document runs Save As; the dialog's cancel saves nothing.
    Dialogs().QueueFileName(std::nullopt);
    Menu("mnuSave");
    EXPECT_TRUE(document->SavedFileName().isEmpty());
    EXPECT_TRUE(document->IsDirty());

    // Another existing file: No asks for a name again, Cancel there keeps everything.
    Dialogs().QueueFileName(Path("other.quo"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(1)"));
    Dialogs().QueueFileName(std::nullopt);
    Menu("mnuSaveAs");
    EXPECT_EQ(Bytes("other.quo"), "kept");
    EXPECT_TRUE(document->IsDirty());

    // Yes replaces it.
    Dialogs().QueueFileName(Path("other.quo"));
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    Menu("mnuSaveAs");
    EXPECT_TRUE(Bytes("other.quo").startsWith("Air,68000,"));
    EXPECT_EQ(document->SavedFileName(), Path("other.quo"));
    EXPECT_FALSE(document->IsDirty());

    // Its own name again saves without a question.
    document->IsDirty(true);
    Dialogs().QueueFileName(Path("other.quo"));
    Menu("mnuSaveAs");
    EXPECT_FALSE(document->IsDirty());
    const std::vector<QString> asked = {"frmFileExists", "frmFileExists"};
    EXPECT_EQ(Dialogs().ModalNames(), asked);
    EXPECT_TRUE(Dialogs().AllAnswersUsed());
}

TEST_F(QuoteFiles, SaveThatCannotBeWrittenChangesNothing) {
    frmAirSelection* document = FilledAir();
    document->SavedFileName(Path("own.quo"));
    Dialogs().QueueFileName(Path("missing/new.quo"));
    Menu("mnuSaveAs");
    ASSERT_EQ(Dialogs().MessageTexts().size(), 1u);
    EXPECT_TRUE(Dialogs().MessageTexts()[0].startsWith("The quotation could not be saved as " + Path("missing/new.quo")));
    EXPECT_EQ(document->SavedFileName(), Path("own.quo"));
    EXPECT_TRUE(document->IsDirty());

    // A write that fails part-way leaves the file as it was: the new text goes to a temporary file
    // that replaces it only when complete.
    Write("own.quo", "Air,1,0,1,0,1,2,0,5,0,2,,,,,,\r\n");
    {
        const quellmar::test::FileSizeLimit small(8);
        Menu("mnuSave");
    }
    EXPECT_EQ(Bytes("own.quo"), "Air,1,0,1,0,1,2,0,5,0,2,,,,,,\r\n");
    ASSERT_EQ(Dialogs().MessageTexts().size(), 2u);
    EXPECT_EQ(Dialogs().MessageTexts()[1], "The quotation could not be saved as " + Path("own.quo") + ".\r\nFile too large");
    EXPECT_TRUE(document->IsDirty());
}

TEST_F(QuoteFiles, SaveIntoAReadOnlyFolderWritesAWritableFileInPlace) {
    if (quellmar::test::RanAsUnprivilegedUser()) return;
    frmAirSelection* document = FilledAir();
    Write("kept.quo", "Air,1,0,1,0,1,2,0,5,0,2,,a much longer company name than the new record has,,,,\r\n");
    document->SavedFileName(Path("kept.quo"));
    const auto readOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec;
    std::filesystem::permissions(folder.Path(), readOnly);
    Menu("mnuSave");
    // A new file cannot be made there: saying why.
    Dialogs().QueueFileName(Path("new.quo"));
    Menu("mnuSaveAs");
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    ASSERT_EQ(Dialogs().MessageTexts().size(), 1u);
    EXPECT_EQ(Dialogs().MessageTexts()[0], "The quotation could not be saved as " + Path("new.quo") + ".\r\nPermission denied");
    EXPECT_EQ(Bytes("kept.quo"), "Air,68000,5,16,2,86,140,1,4,1,0," + kCustomerBytes);
    EXPECT_EQ(document->SavedFileName(), Path("kept.quo"));
    EXPECT_FALSE(std::filesystem::exists(folder / "new.quo"));
}

TEST_F(QuoteFiles, CharactersTheFileCannotHoldAreNamedBeforeTheSave) {
    frmAirSelection* document = FilledAir();
    document->SetCustomerDetails(vb::DateSerial(2004, 2, 29), QString::fromUtf8("Omega 北京 Ωmega"), "", "", "", "");
    const QString expected = QString::fromUtf8(
        "A quotation file cannot hold these characters; they will be saved as \"?\":\r\n北 (U+5317), 京 (U+4EAC), Ω "
        "(U+03A9)\r\n\r\nSave anyway?");
    // Cancel saves nothing.
    Dialogs().QueueFileName(Path("omega.quo"));
    Dialogs().QueueMessageAnswer(gui::vbCancel);
    Menu("mnuSaveAs");
    ASSERT_EQ(Dialogs().Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Messages()[0].text, expected);
    EXPECT_EQ(Dialogs().Messages()[0].style, gui::vbOKCancel | gui::vbExclamation);
    EXPECT_FALSE(std::filesystem::exists(folder / "omega.quo"));
    EXPECT_TRUE(document->SavedFileName().isEmpty());
    EXPECT_TRUE(document->IsDirty());
    // OK saves with "?" in their place.
    Dialogs().QueueFileName(Path("omega.quo"));
    Dialogs().QueueMessageAnswer(gui::vbOK);
    Menu("mnuSaveAs");
    EXPECT_TRUE(Bytes("omega.quo").endsWith(",2004-02-29,Omega ?? ?mega,,,,\r\n"));
    EXPECT_FALSE(document->IsDirty());
    // Stopped at the close prompt, the document stays open with its changes.
    document->IsDirty(true);
    Dialogs().QueueModal(ScriptedDialogs::Click("cmdButton(0)"));
    Dialogs().QueueMessageAnswer(gui::vbCancel);
    EXPECT_FALSE(qobject_cast<QMdiSubWindow*>(document->parentWidget())->close());
    EXPECT_TRUE(document->IsDirty());
    // Many such characters: the first twenty are named, the rest counted.
    QString many;
    for (char16_t c = 0x4E00; c < 0x4E00 + 25; ++c) many += QChar(c);
    document->SetCustomerDetails(0, many, "", "", "", "");
    Dialogs().Clear();
    Dialogs().QueueMessageAnswer(gui::vbCancel);
    Menu("mnuSave");
    ASSERT_EQ(Dialogs().MessageTexts().size(), 1u);
    EXPECT_TRUE(Dialogs().MessageTexts()[0].contains(QString::fromUtf8("一 (U+4E00), ")));
    EXPECT_TRUE(Dialogs().MessageTexts()[0].contains(QString::fromUtf8("(U+4E13), and 5 more\r\n")));
}

TEST_F(QuoteFiles, FilesThatHoldNoRecordOpenNothing) {
    Write("short.quo", "Air,50,0,100,0,35,60,0,5,0,2,,,,,\r\n");
    Write("badindex.quo", "Air,50,9,100,0,35,60,0,5,0,2,,,,,,\r\n");
    Write("baddate.quo", "Air,50,0,100,0,35,60,0,5,0,2,2004-13,,,,,\r\n");
    Write("empty.quo", "");
    Write("other.txt", "air,50,0,100,0,35,60,0,5,0,2,,,,,,\r\n");
    Write("huge.quo", "Air," + QByteArray(int(quellmar::quotation::kMostRecordBytes), 'A'));
    for (const char* name : {"short.quo", "badindex.quo", "baddate.quo", "empty.quo", "huge.quo"}) {
        Dialogs().Clear();
        EXPECT_FALSE(Open(Path(name))) << name;
        ASSERT_EQ(Dialogs().Messages().size(), 1u) << name;
        EXPECT_EQ(Dialogs().Messages()[0].title, "Incorrect File Format");
        EXPECT_EQ(Dialogs().Messages()[0].text, "The file you are trying to open\r\nwas not created by this program.");
        EXPECT_EQ(Dialogs().Messages()[0].style, 0);
    }
    // A first field that names no record type says nothing, an empty one (an empty first line) too.
    Write("first line empty.quo", "\r\nAir,50,0,100,0,35,60,0,5,0,2,,,,,,\r\n");
    Write("long.txt", QByteArray(200000, 'A'));
    for (const char* name : {"other.txt", "first line empty.quo", "long.txt"}) {
        Dialogs().Clear();
        EXPECT_FALSE(Open(Path(name))) << name;
        EXPECT_TRUE(Dialogs().Messages().empty()) << name;
    }
    // A file that is not there cannot be opened.
    Dialogs().Clear();
    EXPECT_FALSE(Open(Path("nowhere.quo")));
    EXPECT_EQ(Dialogs().MessageTexts(),
              std::vector<QString>{"The file " + Path("nowhere.quo") + " cannot be opened.\r\nNo such file or directory"});
    // Cancel in the open dialog does nothing.
    Dialogs().Clear();
    EXPECT_FALSE(Open(QString()));
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Documents(), 0);
    EXPECT_EQ(Dialogs().Shown().size(), 1u);
    EXPECT_EQ(Dialogs().Shown()[0].text, "Quote Files (*.quo)|*.quo|All Files (*.*)|*.*");
}

TEST_F(QuoteFiles, AFifoADeviceOrAFolderIsRefusedWithoutWaiting) {
    const quellmar::test::NamedPipe pipe(folder / "pipe.quo");
    const std::vector<std::pair<QString, QString>> refused = {
        {Path("pipe.quo"), "This is a named pipe (FIFO), not a file."},
        {"/dev/null", "This is a device, not a file."},
        {QString::fromStdString(folder.Path().string()), "This is a folder, not a file."}};
    for (const auto& [path, reason] : refused) {
        Dialogs().Clear();
        EXPECT_FALSE(Open(path));
        EXPECT_EQ(Dialogs().MessageTexts(), std::vector<QString>{"The file " + path + " cannot be opened.\r\n" + reason});
    }
}

TEST_F(QuoteFiles, SavingOverAFifoADeviceOrAFolderIsRefusedAndReplacesNothing) {
    frmAirSelection* document = FilledAir();
    const quellmar::test::NamedPipe pipe(folder / "pipe.quo");
    std::filesystem::create_directory(folder / "sub.quo");
    const std::vector<std::pair<QString, QString>> refused = {
        {Path("pipe.quo"), "This is a named pipe (FIFO), not a file."},
        {"/dev/null", "This is a device, not a file."},
        {Path("sub.quo"), "This is a folder, not a file."}};
    for (const auto& [path, reason] : refused) {
        Dialogs().Clear();
        document->SavedFileName(path);
        Menu("mnuSave");
        EXPECT_EQ(Dialogs().MessageTexts(),
                  std::vector<QString>{"The quotation could not be saved as " + path + ".\r\n" + reason});
        EXPECT_TRUE(document->IsDirty());
    }
    EXPECT_EQ(std::filesystem::status(pipe.Path()).type(), std::filesystem::file_type::fifo);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "sub.quo"));
}

TEST_F(QuoteFiles, ALongRecordTheProgramWroteOpensAgain) {
    // Three particulars of 36 000 characters with commas in them: more than 100 KB.
    QString text;
    for (int i = 0; i < 3000; ++i) text += "Sheet %, 9";
    SelectionDocument* document = Searched(kWaterSelection);
    document->SetCustomerDetails(vb::DateSerial(2004, 2, 29), text + "A", text + "B", text + "C", "Q", "Ann");
    Dialogs().QueueFileName(Path("long.quo"));
    Menu("mnuSaveAs");
    EXPECT_GT(Bytes("long.quo").size(), 100000);
    const State before = StateOf(*document);
    SelectionDocument* opened = Open(Path("long.quo"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(StateOf(*opened), before);
    EXPECT_EQ(opened->Attention(), text + "C");
    EXPECT_TRUE(Dialogs().Messages().empty());
}

TEST_F(QuoteFiles, ARolledOverDateOpensAsTheDayItRollsOnto) {
    Write("rolled.quo", "Air,20,0,60,0,30,60,0,5,0,2,2004-02-30,Acme,,,,\r\n");
    SelectionDocument* opened = Open(Path("rolled.quo"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->QuoteDateValue(), vb::DateSerial(2004, 3, 1));
    EXPECT_EQ(opened->Company(), "Acme");
}

TEST_F(QuoteFiles, OpenedFileWithoutADateKeepsItsParticulars) {
    Write("nodate.quo", "Air,20,0,60,0,30,60,0,5,0,2,,Acme,Leeds,Jo,Q-1,Ann\r\n");
    SelectionDocument* opened = Open(Path("nodate.quo"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->QuoteDateValue(), 0);
    EXPECT_EQ(opened->Company(), "Acme");
    EXPECT_EQ(opened->SizedBy(), "Ann");
    EXPECT_TRUE(opened->CoolerShown());
    EXPECT_EQ(opened->Tab(), 1);
}

TEST_F(QuoteFiles, OpenedInputsAreCheckedLikeTypedOnes) {
    // Above the oil temperature limit: reset with its message, and dirty, since the reset comes
    // after the flag was cleared.
    Write("hot.quo", "Air,20,0,60,0,30,130,0,5,0,2,,,,,,\r\n");
    SelectionDocument* hot = Open(Path("hot.quo"));
    ASSERT_TRUE(hot);
    EXPECT_EQ(hot->TextBox("txtOilTemp")->text(), "120");
    EXPECT_TRUE(hot->IsDirty());
    EXPECT_EQ(Dialogs().Messages().size(), 1u);

    // Not a number: the check's message, the input tab, clean, and the focus on the box once shown.
    Dialogs().Clear();
    Write("text.quo", "Air,20,0,sixty,0,30,60,0,5,0,2,,,,,,\r\n");
    SelectionDocument* text = Open(Path("text.quo"));
    ASSERT_TRUE(text);
    EXPECT_EQ(Dialogs().MessageTexts(), std::vector<QString>{"Heat Load, Oil Flow and Temparatues must be numeric."});
    EXPECT_EQ(text->Tab(), 0);
    EXPECT_FALSE(text->IsDirty());
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->TextBox("txtOilFlow")->text(), "sixty");
    EXPECT_EQ(text->focusWidget(), text->TextBox("txtOilFlow"));
}

TEST_F(QuoteFiles, OpeningAFileTwiceGivesTwoDocuments) {
    Write("twice.quo", "Air,20,0,60,0,30,60,0,5,0,2,,,,,,\r\n");
    SelectionDocument* first = Open(Path("twice.quo"));
    SelectionDocument* second = Open(Path("twice.quo"));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_EQ(second->SavedFileName(), first->SavedFileName());
}

TEST_F(QuoteFiles, RecordLayoutsNameTheDocumentsControls) {
    for (const TypedSelection* selection : {&kAirSelection, &kWaterSelection, &kMobileSelection}) {
        Menu(selection->menu);
        const SelectionDocument* document = Active();
        const quellmar::quotation::RecordLayout* layout = LayoutOfForm(document->objectName());
        ASSERT_TRUE(layout) << selection->family;
        for (const quellmar::quotation::InputField& field : layout->inputs) {
            if (field.kind == quellmar::quotation::FieldKind::Text) {
                EXPECT_TRUE(document->TextBox(field.control)) << field.control;
            } else {
                const gui::OptionGroup* options = document->Options(field.control);
                ASSERT_TRUE(options) << field.control;
                EXPECT_EQ(options->FirstIndex(), field.firstIndex) << field.control;
                EXPECT_EQ(options->LastIndex(), field.lastIndex) << field.control;
            }
        }
    }
}
