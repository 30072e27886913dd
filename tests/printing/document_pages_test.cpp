// Each family's quotation page over its own document, on the bundled sample database: the page
// reads labels the document has, and prints to one PDF page with the customer and the rating.
#include "document_labels.h"
#include "preview_fixture.h"
#include "quotation_page.h"

#include "doubles/recording_target.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <vector>

using namespace quellmar::printing;
using quellmar::shell::SelectionDocument;

namespace {

struct FamilyPage {
    const TypedSelection& selection;
    int pageFamily;
    const char* heading;
};

void PrintTo(const FamilyPage& page, std::ostream* out) { *out << page.selection.family; }

class DocumentPages : public PreviewTest, public ::testing::WithParamInterface<FamilyPage> {};

INSTANTIATE_TEST_SUITE_P(
    EachFamily, DocumentPages,
    ::testing::Values(FamilyPage{kAirSelection, kAirPage, "AIR-COOLED HEAT EXCHANGER SELECTION PARAMETERS"},
                      FamilyPage{kWaterSelection, kWaterPage, "WATER-COOLED HEAT EXCHANGER SELECTION PARAMETERS"},
                      FamilyPage{kMobileSelection, kMobilePage, "MOBILE HEAT EXCHANGER SELECTION PARAMETERS"}),
    [](const ::testing::TestParamInfo<FamilyPage>& info) { return std::string(info.param.selection.family); });

// Passes a document's labels on and notes which the page asked for.
class AskedLabels final : public LabelSource {
public:
    explicit AskedLabels(const LabelSource& labels) : labels_(labels) {}
    std::string Caption(std::string_view label) const override {
        asked.emplace(label);
        return labels_.Caption(label);
    }
    bool Visible(std::string_view label) const override {
        asked.emplace(label);
        return labels_.Visible(label);
    }

    mutable std::set<std::string, std::less<>> asked;

private:
    const LabelSource& labels_;
};

// A word of a printed page as pdftotext places it, in points from the paper's top left corner.
struct PrintedWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

// The words of a page line by line from the top, each line from the left: pdftotext's own order
// follows columns it finds, which other texts on the page change.
std::vector<PrintedWord> WordsOf(const QString& boxes) {
    const QRegularExpression word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<PrintedWord> words;
    for (const QRegularExpressionMatch& found : word.globalMatch(boxes))
        words.push_back({found.captured(5), found.captured(1).toDouble(), found.captured(2).toDouble(),
                         found.captured(3).toDouble(), found.captured(4).toDouble()});
    std::sort(words.begin(), words.end(), [](const PrintedWord& a, const PrintedWord& b) {
        return std::pair(std::lround(a.yMax), a.xMin) < std::pair(std::lround(b.yMax), b.xMin);
    });
    return words;
}

}  // namespace

TEST_P(DocumentPages, ThePageReadsLabelsTheDocumentHasAndPrintsTheirCaptions) {
    SelectionDocument* document = Searched(GetParam().selection);
    ASSERT_TRUE(document->CoolerShown());
    const DocumentLabels shown(*document);
    // The water-cooled page's whole recommendation is read when no viscosity warning stands in for it.
    EXPECT_FALSE(shown.Visible("lblViscosityHigh"));
    const AskedLabels labels(shown);
    gui::RecordingTarget target(4800, 6300, 600);
    target.SetScaleMode(gui::kScaleInches);
    PrintPage(GetParam().pageFamily, target, 1.0, {8.5, 11, 8.0, 10.5}, {"Acme", "", "", "", "", 0, true}, labels);

    EXPECT_GT(labels.asked.size(), 30u);
    std::vector<std::string> printed;
    for (const gui::DrawCall& call : target.Recording().CallsOf(gui::DrawCall::Kind::Text)) printed.push_back(call.text);
    for (const std::string& name : labels.asked) {
        const QLabel* label = document->findChild<QLabel*>(QString::fromStdString(name));
        ASSERT_TRUE(label) << name;
        if (label->text().isEmpty() || name == "lblViscosityHigh") continue;
        EXPECT_NE(std::find(printed.begin(), printed.end(), label->text().toStdString()), printed.end()) << name;
    }
}

TEST_P(DocumentPages, PreviewPrintsOnePdfPageWithTheCustomerAndTheRating) {
    SelectionDocument* document = Searched(GetParam().selection);
    ASSERT_TRUE(document->CoolerShown());
    Menu("mnuPreview");
    QPointer<frmPreview> preview = ActivePreview();
    ASSERT_TRUE(preview);
    Screenshot(QString("preview-") + GetParam().selection.family, *preview);

    preview->Toolbar1_ButtonClick("print");
    Settle();
    EXPECT_FALSE(preview);
    EXPECT_TRUE(Dialogs().Messages().empty());
    EXPECT_EQ(PrintedPages(), 1);
    const QString text = PrintedText();
    for (const QString& expected :
         {QString("QUELLMAR HEAT EXCHANGER - KORVELANE"), QString(GetParam().heading), kCompany, QString("29/2/2004"),
          document->Label("lblModel")->text(), document->Label("lblHTRating")->text()})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    // "Times New Roman" prints in its metric twin.
    EXPECT_TRUE(PrintedFonts().contains("LiberationSerif")) << PrintedFonts().toStdString();
}

TEST_P(DocumentPages, DirectPrintPlacesThePageByThePrintersMargins) {
    // Margins of 0.5 inch left and 0.3 inch right: the page's left edge is half the unprintable
    // width, 0.4 inch, inside the printable area, which starts 0.5 inch from the paper's edge.
    QPageLayout layout = gui::ProcessPrinter().pageLayout();
    layout.setUnits(QPageLayout::Inch);
    layout.setMargins(QMarginsF(0.5, 0.5, 0.3, 0.5));
    gui::ProcessPrinter().setPageLayout(layout);
    Searched(GetParam().selection);
    Menu("mnuPrint");
    Settle();
    EXPECT_EQ(Previews(), 0);
    const QString boxes = RunTool("pdftotext", {"-bbox", Pdf(), "-"});
    const QRegularExpression company(R"re(<word xMin="([0-9.]+)"[^>]*>Company:</word>)re");
    const QRegularExpressionMatch found = company.match(boxes);
    ASSERT_TRUE(found.hasMatch()) << boxes.toStdString();
    EXPECT_NEAR(found.captured(1).toDouble(), 0.9 * 72, 1.0);
}

// The page printed on A4 and on Letter, with the printer's quarter-inch margins, and on A4 in
// landscape, as a drawing's print leaves the printer: every word lies inside the printable area,
// the heat load's last value (the widest row) and the footer (the lowest) among them.
TEST_P(DocumentPages, EveryPrintedValueLiesInsideThePrintableAreaOnA4AndLetter) {
    SelectionDocument* document = Searched(GetParam().selection);
    ASSERT_TRUE(document->CoolerShown());
    const QString lastValue = document->Label("lblHeatHP")->text().section(' ', -1);
    ASSERT_FALSE(lastValue.isEmpty());
    for (const auto& [paper, orientation] : {std::pair{QPageSize::A4, QPageLayout::Portrait},
                                             std::pair{QPageSize::Letter, QPageLayout::Portrait},
                                             std::pair{QPageSize::A4, QPageLayout::Landscape}}) {
        QPageLayout layout = savedLayout;
        layout.setPageSize(QPageSize(paper));
        layout.setOrientation(orientation);
        gui::ProcessPrinter().setPageLayout(layout);
        QFile::remove(Pdf());
        Menu("mnuPrint");
        Settle();
        ASSERT_TRUE(Dialogs().Messages().empty());
        const QString boxes = RunTool("pdftotext", {"-bbox", Pdf(), "-"});
        const QRegularExpressionMatch page =
            QRegularExpression(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re").match(boxes);
        ASSERT_TRUE(page.hasMatch()) << boxes.toStdString();
        const double margin = gui::kPrinterMarginInches * 72, tolerance = 0.5;
        const double right = page.captured(1).toDouble() - margin, bottom = page.captured(2).toDouble() - margin;
        QStringList words;
        for (const PrintedWord& word : WordsOf(boxes)) {
            words << word.text;
            EXPECT_GE(word.xMin, margin - tolerance) << word.text.toStdString();
            EXPECT_GE(word.yMin, margin - tolerance) << word.text.toStdString();
            EXPECT_LE(word.xMax, right + tolerance) << word.text.toStdString();
            EXPECT_LE(word.yMax, bottom + tolerance) << word.text.toStdString();
        }
        EXPECT_TRUE(words.contains(lastValue)) << lastValue.toStdString();
        EXPECT_TRUE(words.contains("E.&amp;") || words.contains("E.&")) << "the footer";
    }
}

// The same quotation printed with the customer's company name of 200 characters, on A4 and on
// Letter: the name is cut at the printable area's right edge, and every other word of the page
// prints where and as large as it did with the short name.
TEST_P(DocumentPages, LongCompanyNameLeavesEveryOtherWordAsItWasOnA4AndLetter) {
    SelectionDocument* document = Searched(GetParam().selection);
    QString longName;
    while (longName.size() < 200) longName += "Hydraulique Lyonnaise ";
    longName.truncate(200);
    const auto printed = [&](const QString& company) {
        document->SetCustomerDetails(vb::DateSerial(2004, 2, 29), company, "12 Quai, Lyon", "M. Dupont", "RFQ 7/3",
                                     "Ann");
        QFile::remove(Pdf());
        Menu("mnuPrint");
        Settle();
        EXPECT_TRUE(Dialogs().Messages().empty());
        return WordsOf(RunTool("pdftotext", {"-bbox", Pdf(), "-"}));
    };
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        QPageLayout layout = savedLayout;
        layout.setPageSize(QPageSize(paper));
        gui::ProcessPrinter().setPageLayout(layout);
        const std::vector<PrintedWord> plain = printed(kCompany);
        const std::vector<PrintedWord> longer = printed(longName);
        // The words of the company row after its caption are the name's.
        const auto caption = std::find_if(plain.begin(), plain.end(), [](const PrintedWord& w) { return w.text == "Company:"; });
        ASSERT_NE(caption, plain.end());
        const auto isName = [&](const PrintedWord& w) {
            return std::fabs(w.yMin - caption->yMin) < 2 && w.xMin > caption->xMax;
        };
        std::vector<PrintedWord> others, othersLonger, name;
        std::copy_if(plain.begin(), plain.end(), std::back_inserter(others), [&](const PrintedWord& w) { return !isName(w); });
        for (const PrintedWord& w : longer) (isName(w) ? name : othersLonger).push_back(w);
        ASSERT_EQ(othersLonger.size(), others.size());
        for (std::size_t i = 0; i < others.size(); ++i) {
            EXPECT_EQ(othersLonger[i].text, others[i].text);
            EXPECT_NEAR(othersLonger[i].xMin, others[i].xMin, 0.01) << others[i].text.toStdString();
            EXPECT_NEAR(othersLonger[i].yMin, others[i].yMin, 0.01) << others[i].text.toStdString();
            EXPECT_NEAR(othersLonger[i].xMax, others[i].xMax, 0.01) << others[i].text.toStdString();
            EXPECT_NEAR(othersLonger[i].yMax, others[i].yMax, 0.01) << others[i].text.toStdString();
        }
        ASSERT_FALSE(name.empty());
        const double right = layout.fullRect(QPageLayout::Point).width() - gui::kPrinterMarginInches * 72;
        EXPECT_LE(name.back().xMax, right + 0.5);
        EXPECT_GT(name.back().xMax, right - 20) << "cut at the edge, not before it";
    }
}
