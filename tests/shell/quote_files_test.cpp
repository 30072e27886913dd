// Saving and opening quotation files through the main window, on the bundled sample database.
#include "air_selection.h"
#include "program_fixture.h"
#include "quote_files.h"

#include <QFile>
#include <QLabel>

#include <csignal>
#include <map>
#include <sys/resource.h>

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
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &small);
    Menu("mnuSave");
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(Bytes("own.quo"), "Air,1,0,1,0,1,2,0,5,0,2,,,,,,\r\n");
    EXPECT_EQ(Dialogs().MessageTexts().size(), 2u);
    EXPECT_TRUE(document->IsDirty());
}

TEST_F(QuoteFiles, FilesThatHoldNoRecordOpenNothing) {
    Write("short.quo", "Air,50,0,100,0,35,60,0,5,0,2,,,,,\r\n");
    Write("badindex.quo", "Air,50,9,100,0,35,60,0,5,0,2,,,,,,\r\n");
    Write("baddate.quo", "Air,50,0,100,0,35,60,0,5,0,2,2004-13-01,,,,,\r\n");
    Write("empty.quo", "");
    Write("other.txt", "air,50,0,100,0,35,60,0,5,0,2,,,,,,\r\n");
    Write("huge.quo", QByteArray(200000, 'A'));
    for (const char* name : {"short.quo", "badindex.quo", "baddate.quo", "empty.quo", "huge.quo"}) {
        Dialogs().Clear();
        EXPECT_FALSE(Open(Path(name))) << name;
        ASSERT_EQ(Dialogs().Messages().size(), 1u) << name;
        EXPECT_EQ(Dialogs().Messages()[0].title, "Incorrect File Format");
        EXPECT_EQ(Dialogs().Messages()[0].text, "The file you are trying to open\r\nwas not created by this program.");
        EXPECT_EQ(Dialogs().Messages()[0].style, 0);
    }
    // A first field that names no record type says nothing.
    Dialogs().Clear();
    EXPECT_FALSE(Open(Path("other.txt")));
    EXPECT_TRUE(Dialogs().Messages().empty());
    // A file that is not there, or a folder, cannot be opened.
    for (const QString& path : {Path("nowhere.quo"), QString::fromStdString(folder.Path().string())}) {
        Dialogs().Clear();
        EXPECT_FALSE(Open(path));
        ASSERT_EQ(Dialogs().MessageTexts().size(), 1u);
        EXPECT_TRUE(Dialogs().MessageTexts()[0].startsWith("The file " + path + " cannot be opened.\r\n"));
    }
    // Cancel in the open dialog does nothing.
    Dialogs().Clear();
    EXPECT_FALSE(Open(QString()));
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(Documents(), 0);
    EXPECT_EQ(Dialogs().Shown().size(), 1u);
    EXPECT_EQ(Dialogs().Shown()[0].text, "Quote Files (*.quo)|*.quo|All Files (*.*)|*.*");
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
