#include "dxf_groups.h"
#include "read_back.h"

#include "output/redline_entities.h"
#include "output/redline_save.h"
#include "reader/ansi_text.h"
#include "reader/colour_table.h"
#include "reader/error_chain.h"

namespace tiraq::test {
namespace {

// A drawing as a newer program writes it: a handle seed in the header, handles on its records.
std::string HandledDrawing(std::string_view seed = "1F") {
    DxfBuilder b;
    b.Section("HEADER").Group(9, "$ACADVER").Group(1, "AC1015").Group(9, "$HANDSEED").Group(5, seed).EndSection();
    b.Section("TABLES").Entity("TABLE", {{2, "LTYPE"}, {70, "1"}});
    b.Entity("LTYPE", {{2, "LAYER"}, {70, "0"}}).EndTable();
    b.LayerTable().Layer("0").Layer("WALLS", "3").EndTable().EndSection();
    b.Section("BLOCKS").Block("LAYER").Line("0", "0", "1", "1").Entity("TEXT", {{8, "0"}, {1, "ENTITIES"}});
    b.EndBlock().EndSection();
    b.Section("ENTITIES").Entity("LINE", {{5, "1A"}, {8, "WALLS"}, {10, "0"}, {20, "0"}, {11, "9"}, {21, "9"}});
    b.Entity("TEXT", {{5, "1B"}, {8, "LAYER"}, {10, "1"}, {20, "1"}, {40, "1"}, {1, "ENDTAB"}}).EndSection();
    return b.Text();
}

class SaveTest : public ReaderTest {
protected:
    void LoadSource(const std::string& text) {
        source = Write(text, "source.dxf");
        ASSERT_TRUE(reader.ReadDrawing(dxfMergeNew, source));
    }
    std::string Save() {
        SaveWithRedlines(db, source, target.string());
        return ReadFile(target);
    }
    void AddNewLayer(const std::string& name, std::int32_t colour, bool on = true) {
        db.Layers->Add(on ? -1 : 0, colour, name, -1, true, 0);
    }
    // A save from a source of `text` must fail so and leave the target as it was.
    void ExpectRefused(const std::string& text, long number, const std::string& description) {
        std::ofstream(source, std::ios::binary) << text;
        std::ofstream(target, std::ios::binary) << "kept";
        try {
            Save();
            ADD_FAILURE() << "the save succeeded";
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Number(), number);
            EXPECT_EQ(e.Description(), description);
        }
        EXPECT_EQ(ReadFile(target), "kept");
    }
    // The saved file without the lines that the save added must be the source.
    static std::vector<std::string> Without(const std::vector<std::string>& lines, std::size_t from, std::size_t count) {
        std::vector<std::string> rest = lines;
        rest.erase(rest.begin() + std::ptrdiff_t(from), rest.begin() + std::ptrdiff_t(from + count));
        return rest;
    }

    std::string source;
    std::filesystem::path target = folder / "saved.dxf";
};

TEST_F(SaveTest, WithoutRedlinesTheCopyIsTheSourceLineForLine) {
    DxfBuilder b;
    b.Section("ENTITIES").Line("0", "0", "1", "1").Raw("999").Raw("a bare\nline feed stays inside its line");
    b.EndSection();
    const std::string text = b.Unclosed() + "  0\r\nEOF";  // the last line has no line end
    LoadSource(text);
    EXPECT_EQ(Save(), text + "\r\n");

    // The source is read in pieces of 64 KiB: a line end where a piece ends (its LF in the next
    // piece) or inside it, and a line longer than a piece.
    for (const std::size_t lineEnd : {65535, 65534}) {
        DxfBuilder large;
        large.Section("ENTITIES").Raw("999");
        large.Raw(std::string(lineEnd - large.Unclosed().size(), 'x')).Raw("999").Raw(std::string(100000, 'y'));
        large.Line("0", "0", "1", "1").EndSection();
        LoadSource(large.Text());
        EXPECT_EQ(Save(), large.Text());
    }
}

TEST_F(SaveTest, WithoutAHandleSeedTheRedlinesHaveNeitherHandlesNorSubclassMarkers) {
    DxfBuilder b;
    b.Section("TABLES").LayerTable().Layer("0").EndTable().EndSection();
    b.Section("ENTITIES").Line("0", "0", "1", "1").EndSection();
    LoadSource(b.Text());
    AddNewLayer("MARKUP", ACIToRGB(1), false);
    AddRedlineLine(db, 1, 2, 3, 4, "MARKUP", 0);
    AddRedlineText(db, 5, 6, "Note", "MARKUP", 2.5f, 0, 30);
    AddRedlineCircle(db, 0, 0, 3, 4, "MARKUP");
    AddRedlineSolid(db, 0, 0, 4, 0, 4, 3, 0, 3, "MARKUP");
    const std::vector<std::string> lines = LinesOf(Save());
    const std::vector<std::string> original = LinesOf(ReadFile(source));

    const auto layer = std::find(lines.begin(), lines.end(), "MARKUP") - 3;
    const std::vector<std::string> layerEntry(layer, layer + 12);
    EXPECT_EQ(layerEntry, (std::vector<std::string>{"0", "LAYER", "2", "MARKUP", "999", kRedlineLayerDescription, "70",
                                                    "64", "62", "-1", "6", "CONTINUOUS"}))
        << "a layer that is off has a negative colour";
    EXPECT_EQ(layer[12], "  0");
    EXPECT_EQ(layer[13], "ENDTAB") << "the new layers stand before the table's closing pair";

    const std::vector<std::string> tail(lines.end() - 76, lines.end());
    const std::vector<std::string> expected{
        "0", "LINE", "8", "MARKUP", "10", "1", "20", "2", "30", "0", "11", "3", "21", "4", "31", "0",
        "0", "TEXT", "8", "MARKUP", "10", "5", "20", "6", "30", "0", "40", "2.5", "1",
        "Note" + std::string(96, ' '), "50", "30",
        "0", "CIRCLE", "8", "MARKUP", "10", "0", "20", "0", "30", "0", "40", "5",
        "0", "SOLID", "8", "MARKUP", "10", "0", "20", "0", "30", "0", "11", "4", "21", "0", "31", "0",
        "12", "0", "22", "3", "32", "0", "13", "4", "23", "3", "33", "0",
        "  0", "ENDSEC", "  0", "EOF"};
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(Without(Without(lines, std::size_t(layer - lines.begin()), 12), lines.size() - 12 - 76, 72), original)
        << "nothing else changes";
}

TEST_F(SaveTest, ALineBreakInAHostsTextIsSavedAsASpaceSoEveryGroupKeepsItsPlace) {
    DxfBuilder b;
    b.Section("ENTITIES").Line("0", "0", "1", "1").EndSection();
    LoadSource(b.Text());
    AddRedlineText(db, 5, 6, "two\r\nlines\rand\na feed", "0", 1, 0, 0);
    const std::vector<std::string> lines = LinesOf(Save());
    const auto text = std::find(lines.begin(), lines.end(), "TEXT");
    ASSERT_NE(text, lines.end());
    EXPECT_EQ(text[12], "two lines and\na feed" + std::string(79, ' '));
    EXPECT_EQ(text[13], "50");
}

TEST_F(SaveTest, AHandleSeedGivesTheAddedRecordsHandlesAndMovesPastThem) {
    LoadSource(HandledDrawing("1F"));
    AddNewLayer("RED1", ACIToRGB(1));
    AddNewLayer("RED2", ACIToRGB(2));
    AddRedlineLine(db, 0, 0, 1, 1, "RED1", 0);
    const std::int32_t deleted = AddRedlineLine(db, 0, 0, 2, 2, "RED1", 0);
    db.Lines[db.SeqArray[deleted].Index].IsDeleted = -1;
    AddRedlineLine(db, 0, 0, 3, 3, "RED2", 0);
    AddRedlineText(db, 1, 1, "T", "RED2", 1, 0, 0);
    const auto groups = GroupsOf(Save());

    const auto seed = std::find(groups.begin(), groups.end(), Group{"9", "$HANDSEED"});
    ASSERT_NE(seed, groups.end());
    EXPECT_EQ(*(seed + 1), (Group{"5", "30"})) << "1F + 10 + 6 records + 1";
    const auto layers = EntitiesOf(groups, "LAYER");
    ASSERT_EQ(layers.size(), 4u);
    EXPECT_EQ(layers[2], G({{"0", "LAYER"}, {"5", "2A"}, {"100", "AcDbSymbolTableRecord"}, {"100", "AcDbLayerTableRecord"},
                            {"2", "RED1"}, {"999", kRedlineLayerDescription}, {"70", "64"}, {"62", "1"},
                            {"6", "CONTINUOUS"}}));
    EXPECT_EQ(layers[3][1], (Group{"5", "2B"}));
    const auto lines = EntitiesOf(groups, "LINE");
    ASSERT_EQ(lines.size(), 4u) << "the block's line, the drawing's and two redlines";
    EXPECT_EQ(std::vector(lines[2].begin(), lines[2].begin() + 5),
              G({{"0", "LINE"}, {"5", "2C"}, {"100", "AcDbEntity"}, {"100", "AcDbLine"}, {"8", "RED1"}}));
    EXPECT_EQ(lines[3][1], (Group{"5", "2D"}));
    const auto texts = EntitiesOf(groups, "TEXT");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(std::vector(texts[2].begin(), texts[2].begin() + 3), G({{"0", "TEXT"}, {"5", "2E"}, {"8", "RED2"}}));
}

// Names and texts that read like the file's keywords are only data.
TEST_F(SaveTest, KeywordsAsNamesAndTextsDoNotMoveTheAdditions) {
    LoadSource(HandledDrawing());
    AddNewLayer("NEW", 0);
    AddRedlineCircle(db, 0, 0, 1, 0, "NEW");
    const auto groups = GroupsOf(Save());
    EXPECT_EQ(EntitiesOf(groups, "LAYER").size(), 3u) << "written once, into the layer table";
    const auto newLayer = std::find(groups.begin(), groups.end(), Group{"2", "NEW"});
    const auto endOfLayers = std::find(newLayer, groups.end(), Group{"0", "ENDTAB"});
    const auto blocks = std::find(groups.begin(), groups.end(), Group{"2", "BLOCKS"});
    EXPECT_LT(newLayer, blocks);
    EXPECT_LT(endOfLayers, blocks);
    const auto circle = std::find(groups.begin(), groups.end(), Group{"0", "CIRCLE"});
    const auto drawingText = std::find(groups.begin(), groups.end(), Group{"1", "ENDTAB"});
    ASSERT_NE(circle, groups.end());
    EXPECT_GT(circle, drawingText) << "after the last record of the ENTITIES section";
    EXPECT_EQ(*(circle + 7), (Group{"0", "ENDSEC"}));
}

TEST_F(SaveTest, ALayerNamedEndtabIsCopiedWholeAndTheNewLayersFollowIt) {
    DxfBuilder b;
    b.Section("TABLES").LayerTable().Layer("ENDTAB", "3").Layer("0").EndTable().EndSection();
    b.Section("ENTITIES").Line("0", "0", "1", "1", "ENDTAB").EndSection();
    LoadSource(b.Text());
    AddNewLayer("NEW", ACIToRGB(1));
    const auto groups = GroupsOf(Save());
    const auto layers = EntitiesOf(groups, "LAYER");
    ASSERT_EQ(layers.size(), 3u);
    EXPECT_EQ(layers[0], G({{"0", "LAYER"}, {"2", "ENDTAB"}, {"70", "0"}, {"62", "3"}, {"6", "CONTINUOUS"}}));
    EXPECT_EQ(layers[1][1], (Group{"2", "0"}));
    EXPECT_EQ(layers[2][1], (Group{"2", "NEW"}));
    const auto newLayer = std::find(groups.begin(), groups.end(), Group{"2", "NEW"});
    EXPECT_EQ(*(newLayer + 5), (Group{"0", "ENDTAB"})) << "the table's own closing pair follows the new layer";
}

TEST_F(SaveTest, ARectangleIsFourLinesAndDeletedRecordsStayOut) {
    DxfBuilder b;
    b.Section("ENTITIES").EndSection();
    LoadSource(b.Text());
    for (const auto& [x1, y1, x2, y2] : {std::array{0, 0, 0, 5}, {0, 5, 8, 5}, {8, 5, 8, 0}, {8, 0, 0, 0}})
        AddRedlineLine(db, float(x1), float(y1), float(x2), float(y2), "0", 1);
    db.Circles.Resize(0);
    const std::int32_t gone = AddRedlineCircle(db, 0, 0, 1, 1, "0");
    db.Circles[db.SeqArray[gone].Index].IsDeleted = -1;
    const auto groups = GroupsOf(Save());
    const auto lines = EntitiesOf(groups, "LINE");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(std::vector(lines[1].begin() + 2, lines[1].end()),
              G({{"10", "0"}, {"20", "5"}, {"30", "0"}, {"11", "8"}, {"21", "5"}, {"31", "0"}}))
        << "10/20 carry the first point the caller gave";
    EXPECT_TRUE(EntitiesOf(groups, "CIRCLE").empty());
}

TEST_F(SaveTest, WithoutAnEntitiesSectionTheRedlinesGetOneBeforeTheEndOfTheFile) {
    DxfBuilder b;
    b.Section("TABLES").LayerTable().Layer("0").EndTable().EndSection();
    const std::string text = b.Text();
    LoadSource(text);
    EXPECT_EQ(Save(), text) << "without new layers or redlines nothing is added";
    AddRedlineLine(db, 0, 0, 1, 1, "0", 0);
    EXPECT_EQ(Save(), b.Unclosed() + "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\n0\r\n10\r\n0\r\n20\r\n0\r\n30\r\n"
                                      "0\r\n11\r\n1\r\n21\r\n1\r\n31\r\n0\r\n0\r\nENDSEC\r\n  0\r\nEOF\r\n");

    // A file that has no end either leaves the redlines no place: the save is refused.
    ExpectRefused(b.Unclosed(), kErrTiraq,
                  "The drawing has no ENTITIES section and no end (EOF) before which one could be written for its "
                  "redline entities.");
}

TEST_F(SaveTest, AnEntitiesSectionThatRunsToTheEndGetsItsAdditionsBeforeTheEnd) {
    DxfBuilder b;
    b.Section("ENTITIES").Line("0", "0", "1", "1");
    LoadSource(b.Text());
    AddRedlineCircle(db, 0, 0, 1, 0, "0");
    const std::vector<std::string> lines = LinesOf(Save());
    ASSERT_GE(lines.size(), 14u);
    EXPECT_EQ(std::vector(lines.end() - 14, lines.end()),
              (std::vector<std::string>{"0", "CIRCLE", "8", "0", "10", "0", "20", "0", "30", "0", "40", "1", "  0", "EOF"}))
        << "before the end of the file, there being no end of the section";

    // A file that changed since it was loaded may end inside its entities, with no EOF either:
    // nothing can place the redlines, so the save fails and the target is left as it was.
    ExpectRefused(b.Unclosed(), kErrInputPastEnd, "Input past end of file");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 3) << "no temporary file";
}

TEST_F(SaveTest, AnEntitiesSectionClosedWithTrailingBlanksGetsItsAdditionsInside) {
    DxfBuilder b;
    b.Section("ENTITIES").Line("0", "0", "1", "1").Raw("  0").Raw("ENDSEC ");
    b.Section("OBJECTS").Raw("  0").Raw("ENDSEC");
    LoadSource(b.Text());
    AddRedlineCircle(db, 0, 0, 1, 0, "0");
    const std::vector<std::string> lines = LinesOf(Save());
    const auto circle = std::find(lines.begin(), lines.end(), "CIRCLE");
    ASSERT_NE(circle, lines.end());
    EXPECT_EQ(std::vector(circle + 11, circle + 13), (std::vector<std::string>{"  0", "ENDSEC "}))
        << "before the section's own end, kept as it was";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "CIRCLE"), 1);
}

// A drawing whose `keyword` line, where it names or closes the ENTITIES section, the HEADER or
// the handle seed, is followed by `after` before its line end, and whose HEADER holds `header`.
// The lines `end`, where given, follow the last record of the ENTITIES section to the end of the
// file; else the section's ENDSEC, an OBJECTS section and EOF do.
std::string DrawingWithKeywordFollowedBy(std::string_view keyword, std::string_view after,
                                         std::initializer_list<std::string_view> header = {
                                             "  9", "$ACADVER", "  1", "AC1015", "  9", "$HANDSEED", "  5", "1F"},
                                         std::initializer_list<std::string_view> end = {}) {
    const auto line = [&](std::string_view word) {
        return std::string(word) + std::string(word == keyword ? after : "");
    };
    DxfBuilder b;
    b.Raw("  0").Raw("SECTION").Raw("  2").Raw(line("HEADER"));
    for (const std::string_view headerLine : header) b.Raw(line(headerLine));
    b.EndSection();
    b.Section("TABLES").LayerTable().Layer("0").EndTable().EndSection();
    b.Raw("  0").Raw(line("SECTION")).Raw("  2").Raw(line("ENTITIES"));
    b.Entity("LINE", {{5, "1A"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "9"}, {21, "9"}});
    if (end.size() != 0) {
        for (const std::string_view endLine : end) b.Raw(endLine);
        return b.Unclosed();
    }
    b.Raw("  0").Raw(line("ENDSEC"));
    b.Section("OBJECTS").Entity("DICTIONARY", {{5, "C"}}).EndSection();
    return b.Text();
}

// The index of the first line from `from` on that reads `word` but for blanks and tabs after it.
std::size_t LineReading(const std::vector<std::string>& lines, std::string_view word, std::size_t from = 0) {
    for (std::size_t i = from; i < lines.size(); ++i)
        if (lines[i].substr(0, lines[i].find_last_not_of(" \t") + 1) == word) return i;
    return lines.size();
}

TEST_F(SaveTest, SaveWhitespaceAfterASectionOrHeaderKeywordLeavesTheRedlineInsideTheEntities) {
    for (const char* keyword : {"SECTION", "ENTITIES", "ENDSEC", "HEADER", "$HANDSEED"}) {
        for (const char* after : {" ", "\t", "\r"}) {
            SCOPED_TRACE(std::string(keyword) + " followed by character " + std::to_string(int(after[0])));
            LoadSource(DrawingWithKeywordFollowedBy(keyword, after));
            AddRedlineLine(db, 1, 2, 3, 4, "REDLINE", 0);
            const std::vector<std::string> lines = LinesOf(Save());

            const std::size_t entities = LineReading(lines, "ENTITIES");
            const std::size_t end = LineReading(lines, "ENDSEC", entities);
            const std::size_t redline = LineReading(lines, "REDLINE");
            EXPECT_LT(entities, redline);
            EXPECT_LT(redline, end) << "before the end of the entities";
            EXPECT_EQ(LineReading(lines, "REDLINE", redline + 1), lines.size()) << "written once";
            // A carriage return after a keyword leaves an empty line after it, which is copied.
            const bool seedMoved = std::string_view(keyword) == "$HANDSEED" && *after == '\r';
            const std::size_t seed = LineReading(lines, "$HANDSEED") + (seedMoved ? 1 : 0);
            ASSERT_LT(seed + 2, lines.size());
            EXPECT_EQ(lines[seed + 2], "2B") << "1F + 10 + one record + 1";
            EXPECT_EQ(lines[redline - 6], "2A") << "the redline's handle, before its subclass markers";

            ReadBack file(target, reader.Properties.TmpFileNamePath);
            ASSERT_TRUE(file.loaded);
            ASSERT_EQ(file.db.LineCount(), 2);
            const LineRecord& back = file.db.Lines[2];
            EXPECT_EQ(std::tie(back.X1, back.Y1, back.X2, back.Y2), std::tuple(1.0f, 2.0f, 3.0f, 4.0f))
                << "as the caller gave it";
        }
    }
}

// Header values are read as values, whatever they hold: a GUID or a seed that reads as a number
// too large, a 9 where a code could stand, a tab before the seed; a line lost or added puts the
// pairs in step again at the next line that is no number. Code lines are read as the reader reads
// them, by their leading number, so every form of a code marks what the plain one marks; a line
// that holds no number where ENDSEC's or EOF's code stands still leaves the redline inside the
// entities, and a SECTION out of step there opens nothing. The seed is the whole value read as a
// hexadecimal number, or none, and none where its code line was lost or doubled.
TEST_F(SaveTest, SaveHeaderValuesNeitherStopTheSaveNorHideOrLowerTheHandleSeed) {
    constexpr std::string_view kGuid = "3D803885-D62E-11EA-8175-1803733EFA49";
    const std::initializer_list<std::string_view> kHeader = {"  9", "$HANDSEED", "  5", "1F"};
    const struct {
        const char* what;
        std::initializer_list<std::string_view> header;
        std::string_view savedSeed, redlineHandle;  // no handle: the redline has none
        std::initializer_list<std::string_view> end = {};  // after the last entity, as DrawingWithKeywordFollowedBy
    } rows[] = {
        {"a GUID before the seed", {"  9", "$VERSIONGUID", "  2", kGuid, "  9", "$HANDSEED", "  5", "1F"}, "2B", "2A"},
        {"a seed that reads as a number too large", {"  9", "$HANDSEED", "  5", "2E310"}, "2E31C", "2E31B"},
        {"both GUIDs and such a seed",
         {"  9", "$FINGERPRINTGUID", "  2", "{8A4E5E38-1B7D-4C3E-9F6A-0D2E3F4A5B6C}", "  9", "$VERSIONGUID", "  2",
          kGuid, "  9", "$HANDSEED", "  5", "2E310"},
         "2E31C", "2E31B"},
        {"a value 9 before the seed", {"  9", "$SPLINESEGS", " 70", "9", "  9", "$HANDSEED", "  5", "1F"}, "2B", "2A"},
        {"a value 9.0 before the seed", {"  9", "$SPLINESEGS", " 40", "9.0", "  9", "$HANDSEED", "  5", "1F"}, "2B",
         "2A"},
        {"a variable without a value before the seed", {"  9", "$NOVALUE", "  9", "$HANDSEED", "  5", "1F"}, "2B", "2A"},
        {"a tab before the seed", {"  9", "$HANDSEED", "  5", "\t2F"}, "3B", "3A"},
        {"a code line lost before the seed", {"  9", "$ACADVER", "AC1015", "  9", "$HANDSEED", "  5", "1F"}, "2B", "2A"},
        {"a line added before the seed", {"  9", "$ACADVER", "  1", "  1", "AC1015", "  9", "$HANDSEED", "  5", "1F"},
         "2B", "2A"},
        {"a seed that is no hexadecimal number", {"  9", "$HANDSEED", "  5", "ZZ"}, "ZZ", ""},
        {"a seed that cannot move past the redline", {"  9", "$HANDSEED", "  5", "FFFFFFFFFFFFFFF5"},
         "FFFFFFFFFFFFFFF5", ""},
        {"the largest seed that moves past the redline", {"  9", "$HANDSEED", "  5", "FFFFFFFFFFFFFFF3"},
         "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFE"},
        {"a seed written with 0x", {"  9", "$HANDSEED", "  5", "0x2F"}, "0x2F", ""},
        {"a seed with a bare line feed inside", {"  9", "$HANDSEED", "  5", "2\nF"}, "2\nF", ""},
        {"a seed's variable after +9", {"+9", "$HANDSEED", "  5", "1F"}, "2B", "2A"},
        {"a seed's variable after 9.0", {"9.0", "$HANDSEED", "  5", "1F"}, "2B", "2A"},
        {"a seed after +5", {"  9", "$HANDSEED", "+5", "1F"}, "2B", "2A"},
        {"a seed after -5", {"  9", "$HANDSEED", "-5", "1F"}, "2B", "2A"},
        {"a seed after 5.0", {"  9", "$HANDSEED", "5.0", "1F"}, "2B", "2A"},
        {"a seed's code line lost", {"  9", "$HANDSEED", "1F", "  9", "$ACADVER", "  1", "AC1015"}, "  9", ""},
        {"a seed's code line doubled",
         {"  9", "$HANDSEED", "  5", "  5", "1F", "  9", "$ACADVER", "  1", "AC1015"},
         "  5",
         ""},
        {"a code too large for a number before the seed", {"  9", "$X", "1E999", "X", "  9", "$HANDSEED", "  5", "1F"},
         "2B", "2A"},
        {"ENDSEC after +0", kHeader, "2B", "2A", {"+0", "ENDSEC", "  0", "EOF"}},
        {"ENDSEC after -0", kHeader, "2B", "2A", {"-0", "ENDSEC", "  0", "EOF"}},
        {"ENDSEC after 0.0", kHeader, "2B", "2A", {"0.0", "ENDSEC", "  0", "EOF"}},
        {"ENDSEC after 0 0", kHeader, "2B", "2A", {"0 0", "ENDSEC", "  0", "EOF"}},
        {"ENDSEC after &H0", kHeader, "2B", "2A", {"&H0", "ENDSEC", "  0", "EOF"}},
        {"ENDSEC after 0E0", kHeader, "2B", "2A", {"0E0", "ENDSEC", "  0", "EOF"}},
        {"ENDSEC after <", kHeader, "2B", "2A", {"  <", "ENDSEC", "  0", "EOF"}},
        {"ENDSEC after an empty line", kHeader, "2B", "2A", {"", "ENDSEC", "  0", "EOF"}},
        {"ENDSEC after abc", kHeader, "2B", "2A", {"abc", "ENDSEC", "  0", "EOF"}},
        {"EOF after abc", kHeader, "2B", "2A", {"abc", "EOF"}},
        {"EOF after an empty line", kHeader, "2B", "2A", {"", "EOF"}},
        {"ENDSEC's code line lost", kHeader, "2B", "2A", {"ENDSEC", "  0", "EOF"}},
        {"ENDSEC's code line doubled", kHeader, "2B", "2A", {"  0", "  0", "ENDSEC", "  0", "EOF"}},
        {"SECTION for a code line among the entities", kHeader, "2B", "2A",
         {"  0", "POINT", " 10", "0.0", "SECTION", "VERTEX", "  0", "ENDSEC", "  0", "EOF"}},
    };
    const auto saveAndReadBack = [&](const auto& row) {
        LoadSource(DrawingWithKeywordFollowedBy("", "", row.header, row.end));
        AddRedlineLine(db, 1, 2, 3, 4, "REDLINE", 0);
        const std::vector<std::string> lines = LinesOf(Save());

        const std::size_t entities = LineReading(lines, "ENTITIES");
        const std::size_t redline = LineReading(lines, "REDLINE");
        EXPECT_LT(entities, redline);
        EXPECT_LT(redline, std::min(LineReading(lines, "ENDSEC", entities), LineReading(lines, "EOF", entities)))
            << "before the end of the entities";
        const std::size_t seed = LineReading(lines, "$HANDSEED");
        ASSERT_LT(seed + 2, lines.size());
        EXPECT_EQ(lines[seed + 2], row.savedSeed);
        if (row.redlineHandle.empty())
            EXPECT_EQ(lines[redline - 2], "LINE") << "neither a handle nor subclass markers";
        else
            EXPECT_EQ(lines[redline - 6], row.redlineHandle) << "the handle, before the subclass markers";

        ReadBack file(target, reader.Properties.TmpFileNamePath);
        ASSERT_TRUE(file.loaded);
        ASSERT_EQ(file.db.LineCount(), 2);
        const LineRecord& own = file.db.Lines[1];
        EXPECT_EQ(std::tie(own.X1, own.Y1, own.X2, own.Y2), std::tuple(0.0f, 0.0f, 9.0f, 9.0f))
            << "the drawing's own line keeps its groups";
        const LineRecord& back = file.db.Lines[2];
        EXPECT_EQ(std::tie(back.X1, back.Y1, back.X2, back.Y2), std::tuple(1.0f, 2.0f, 3.0f, 4.0f));
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_NO_THROW(saveAndReadBack(row));
    }
}

TEST_F(SaveTest, ASavedDrawingLoadsAgainWithItsRedlineLayersKnown) {
    LoadSource(HandledDrawing());
    AddNewLayer("MARKUP", ACIToRGB(5), false);
    AddRedlineLine(db, 1, 2, 3, 4, "MARKUP", 0);
    AddRedlineText(db, 5, 6, "Look here", "MARKUP", 2, 0, 0);
    Save();
    ReadBack file(target, reader.Properties.TmpFileNamePath);
    ASSERT_TRUE(file.loaded);
    const DrawingDatabase& back = file.db;
    const DXFLayer& markup = *back.Layers->Item(back.Layers->FindByEntityName("MARKUP"));
    EXPECT_TRUE(markup.RedlineLayer());
    EXPECT_EQ(markup.LayerOn(), 0);
    EXPECT_EQ(markup.LayerColor(), ACIToRGB(5));
    ASSERT_EQ(back.LineCount(), 2);
    const LineRecord& line = back.Lines[2];
    EXPECT_EQ(std::tie(line.X1, line.Y1, line.X2, line.Y2), std::tie(db.Lines[db.LineCount()].X2,
                                                                     db.Lines[db.LineCount()].Y2,
                                                                     db.Lines[db.LineCount()].X1,
                                                                     db.Lines[db.LineCount()].Y1));
    EXPECT_EQ(TrimBlanks(back.Texts[back.TextCount()].Txt), "Look here");
}

TEST_F(SaveTest, TheSourceItselfAndAMissingSourceAreRefusedAndNothingIsLost) {
    LoadSource(HandledDrawing());
    const std::string before = ReadFile(source);
    AddRedlineLine(db, 0, 0, 1, 1, "0", 0);
    try {
        SaveWithRedlines(db, source, (folder / "." / "source.dxf").string());
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Description(), "The drawing cannot be saved over the file it was loaded from.");
    }
    EXPECT_EQ(ReadFile(source), before);

    std::ofstream(target, std::ios::binary) << "kept";
    try {
        SaveWithRedlines(db, (folder / "gone.dxf").string(), target.string());
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrFileNotFound);
    }
    EXPECT_EQ(ReadFile(target), "kept");
}

}  // namespace
}  // namespace tiraq::test
