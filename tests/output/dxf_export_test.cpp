#include "dxf_groups.h"
#include "read_back.h"
#include "unprivileged.h"

#include "output/dxf_export.h"
#include "reader/colour_table.h"

#include <cmath>

#include <sys/stat.h>

namespace tiraq::test {
namespace {

class ExportTest : public ReaderTest {
protected:
    std::string Export() {
        std::string error = "not called";
        EXPECT_TRUE(ExportDXF(db, target.string(), error)) << error;
        EXPECT_EQ(error, "");
        return ReadFile(target);
    }
    std::vector<Group> ExportedGroups() { return GroupsOf(Export()); }

    std::filesystem::path target = folder / "export.dxf";
};

TEST_F(ExportTest, AnEmptyDrawingIsTheHeaderTheFixedTablesAndAnEmptyEntitiesSection) {
    db.DrawingExtents = ViewRect{-1.5f, 20, 300.25f, 0.001f};
    const std::string text = Export();
    const std::string expected =
        "0\r\nSECTION\r\n2\r\nHEADER\r\n9\r\n$EXTMIN\r\n10\r\n-1.5\r\n20\r\n0.001\r\n9\r\n$EXTMAX\r\n10\r\n300.25\r\n"
        "20\r\n20\r\n0\r\nENDSEC\r\n"
        "0\r\nSECTION\r\n2\r\nTABLES\r\n0\r\nTABLE\r\n2\r\nLTYPE\r\n70\r\n4\r\n"
        "0\r\nLTYPE\r\n2\r\nCONTINUOUS\r\n70\r\n64\r\n3\r\nSolid line\r\n72\r\n65\r\n73\r\n0\r\n40\r\n0.0\r\n"
        "0\r\nLTYPE\r\n2\r\nDASHED\r\n70\r\n64\r\n3\r\nDashed line\r\n72\r\n65\r\n73\r\n2\r\n40\r\n0.8\r\n"
        "49\r\n0.5\r\n49\r\n-0.3\r\n"
        "0\r\nLTYPE\r\n2\r\nDOT\r\n70\r\n64\r\n3\r\nDotted line\r\n72\r\n65\r\n73\r\n2\r\n40\r\n0.2\r\n"
        "49\r\n0.1\r\n49\r\n-0.1\r\n"
        "0\r\nLTYPE\r\n2\r\nDASHDOT\r\n70\r\n64\r\n3\r\nDotted line\r\n72\r\n65\r\n73\r\n4\r\n40\r\n1\r\n"
        "49\r\n0.5\r\n49\r\n-0.2\r\n49\r\n0.1\r\n49\r\n-0.2\r\n"
        "0\r\nLTYPE\r\n2\r\nSMALLDOT\r\n70\r\n64\r\n3\r\nSmall dotted\r\n72\r\n65\r\n73\r\n2\r\n40\r\n0.1\r\n"
        "49\r\n0\r\n49\r\n-0.1\r\n"
        "0\r\nLTYPE\r\n2\r\nCENTER\r\n70\r\n64\r\n3\r\nCenterline\r\n72\r\n65\r\n73\r\n4\r\n40\r\n1.1\r\n"
        "49\r\n0.8\r\n49\r\n-0.1\r\n49\r\n0.1\r\n49\r\n-0.1\r\n"
        "0\r\nENDTAB\r\n0\r\nTABLE\r\n2\r\nLAYER\r\n70\r\n0\r\n0\r\nENDTAB\r\n0\r\nENDSEC\r\n"
        "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
    EXPECT_EQ(text, expected);
}

TEST_F(ExportTest, DeletedLayersAndWhatLiesOnThemAreLeftOutButStillCounted) {
    DxfBuilder b;
    b.Section("TABLES").LayerTable().Layer(" WALLS ", "1").Layer("GONE", "3").Layer("NOTES", "5").EndTable().EndSection();
    b.Section("ENTITIES").Line("0", "0", "1", "1", "WALLS").Line("2", "2", "3", "3", "GONE");
    b.Line("4", "4", "5", "5", "NOTES").EndSection();
    ASSERT_TRUE(Load(b.Text()));
    db.Layers->Item(db.SetLayerID("GONE"))->SetDeleted(true);
    const auto groups = ExportedGroups();
    const auto layerHead = std::find(groups.begin(), groups.end(), Group{"2", "LAYER"});
    ASSERT_NE(layerHead, groups.end());
    EXPECT_EQ(*(layerHead + 1), (Group{"70", std::to_string(db.Layers->Count())}));
    const auto layers = EntitiesOf(groups, "LAYER");
    ASSERT_EQ(layers.size(), std::size_t(db.Layers->Count() - 1));
    const auto walls = std::find_if(layers.begin(), layers.end(), [](const auto& l) { return l[1].value == "WALLS"; });
    ASSERT_NE(walls, layers.end()) << "names are written trimmed";
    EXPECT_EQ(*walls, G({{"0", "LAYER"}, {"2", "WALLS"}, {"70", "0"}, {"62", "1"}, {"6", "CONTINUOUS"}}));
    const auto lines = EntitiesOf(groups, "LINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0][1], (Group{"8", "WALLS"})) << "entities name their layer as the table does";
    EXPECT_EQ(lines[1][1], (Group{"8", "NOTES"}));
}

TEST_F(ExportTest, LinesCarryZeroZAndAColourIndexOnlyWhenColoured) {
    DxfBuilder b;
    b.Entity("LINE", {{8, "0"}, {10, "1"}, {20, "2"}, {30, "7.5"}, {11, "3"}, {21, "4"}, {31, "9"}});
    b.Entity("LINE", {{8, "0"}, {62, "1"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}});
    ASSERT_TRUE(Load(Drawing(b)));
    const auto lines = EntitiesOf(ExportedGroups(), "LINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], G({{"0", "LINE"}, {"8", "0"}, {"10", "1"}, {"20", "2"}, {"30", "0"}, {"11", "3"}, {"21", "4"},
                           {"31", "0"}}));
    EXPECT_EQ(lines[1].back(), (Group{"62", "1"}));
}

TEST_F(ExportTest, FullCirclesAreCirclesAndArcsKeepTheirAnglesAndColour) {
    DxfBuilder b;
    b.Entity("CIRCLE", {{8, "0"}, {62, "3"}, {10, "5"}, {20, "6"}, {40, "2.5"}});
    b.Entity("ARC", {{8, "0"}, {62, "5"}, {10, "1"}, {20, "1"}, {40, "3"}, {50, "0"}, {51, "90"}});
    ASSERT_TRUE(Load(Drawing(b)));
    const auto groups = ExportedGroups();
    EXPECT_EQ(EntitiesOf(groups, "CIRCLE"),
              Entities{G({{"0", "CIRCLE"}, {"8", "0"}, {"10", "5"}, {"20", "6"}, {"30", "0"}, {"40", "2.5"},
                             {"62", "3"}})});
    EXPECT_EQ(EntitiesOf(groups, "ARC"),
              Entities{G({{"0", "ARC"}, {"8", "0"}, {"10", "1"}, {"20", "1"}, {"30", "0"}, {"40", "3"},
                             {"50", "0"}, {"51", "90"}, {"62", "5"}})});
}

TEST_F(ExportTest, TextsAreTrimmedAndCarryTheirAlignment) {
    DxfBuilder b;
    b.Entity("TEXT", {{8, "0"}, {10, "1"}, {20, "2"}, {40, "2.5"}, {1, "  AB  "}});
    b.Entity("TEXT", {{8, "0"}, {10, "0"}, {20, "0"}, {11, "7"}, {21, "8"}, {40, "1"}, {1, "R"}, {50, "45"}, {72, "2"}});
    b.Entity("TEXT", {{8, "0"}, {10, "3"}, {20, "4"}, {40, "1"}, {1, "A"}, {72, "3"}});
    ASSERT_TRUE(Load(Drawing(b)));
    const auto texts = EntitiesOf(ExportedGroups(), "TEXT");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0],
              G({{"0", "TEXT"}, {"8", "0"}, {"10", "1"}, {"20", "2"}, {"30", "0"}, {"40", "2.5"}, {"1", "AB"}, {"50", "0"}}));
    EXPECT_EQ(texts[1], G({{"0", "TEXT"}, {"8", "0"}, {"10", "7"}, {"20", "0"}, {"11", "7"}, {"21", "0"}, {"30", "0"},
                           {"40", "1"}, {"1", "R"}, {"50", "45"}, {"72", "2"}}))
        << "a right-aligned text is read at X of 11 and Y of 20, and written with both points equal";
    EXPECT_EQ(texts[2], G({{"0", "TEXT"}, {"8", "0"}, {"10", "3"}, {"20", "4"}, {"30", "0"}, {"40", "1"}, {"1", "A"},
                           {"50", "0"}, {"72", "3"}}));
}

TEST_F(ExportTest, AttributesBecomeTextsOfTheirValue) {
    db.ResetEntities();
    AttribRecord attribute;
    attribute.X = 4, attribute.Y = 5, attribute.Height = 2, attribute.Rotation = 90, attribute.HorzAlign = 1;
    attribute.TagName = "PART";
    attribute.TagValue = " P-101 ";
    attribute.EntityColor = ACIToRGB(1);
    attribute.LayerIndex = db.SetLayerID("TAGS");
    db.AppendDrawn(attribute);
    EXPECT_EQ(EntitiesOf(ExportedGroups(), "TEXT"),
              Entities{G({{"0", "TEXT"}, {"8", "TAGS"}, {"10", "4"}, {"20", "5"}, {"11", "4"}, {"21", "5"},
                             {"30", "0"}, {"40", "2"}, {"1", "P-101"}, {"50", "90"}, {"72", "1"}, {"62", "1"}})});
}

TEST_F(ExportTest, EachPolylineSegmentIsAPolylineOfTwoVerticesAndPointsAndEllipsesAreNotWritten) {
    DxfBuilder b;
    b.Entity("POLYLINE", {{8, "0"}, {66, "1"}, {40, "0.5"}, {41, "0.5"}});
    for (int i = 0; i < 6; ++i) b.Entity("VERTEX", {{8, "0"}, {10, std::to_string(i)}, {20, "0"}, {42, i == 1 ? "1" : "0"}});
    b.Entity("SEQEND");
    b.Entity("POINT", {{8, "0"}, {10, "1"}, {20, "1"}});
    b.Entity("ELLIPSE", {{8, "0"}, {10, "0"}, {20, "0"}, {11, "2"}, {21, "0"}, {40, "0.5"}, {41, "0"}, {42, "6.283185"}});
    ASSERT_TRUE(Load(Drawing(b)));
    ASSERT_EQ(db.PointCount(), 1);
    ASSERT_EQ(db.EllipseCount(), 1);
    const auto groups = ExportedGroups();
    EXPECT_EQ(EntitiesOf(groups, "POLYLINE").size(), 5u);
    EXPECT_EQ(EntitiesOf(groups, "VERTEX").size(), 10u);
    EXPECT_EQ(EntitiesOf(groups, "SEQEND").size(), 5u);
    EXPECT_TRUE(EntitiesOf(groups, "POINT").empty());
    EXPECT_TRUE(EntitiesOf(groups, "ELLIPSE").empty());
    const auto first = std::find(groups.begin(), groups.end(), Group{"0", "POLYLINE"});
    const std::vector<Group> segment(first, first + 19);
    EXPECT_EQ(segment, G({{"0", "POLYLINE"}, {"8", "0"}, {"40", "0.5"}, {"41", "0.5"}, {"66", "1"},
                          {"0", "VERTEX"}, {"8", "0"}, {"10", "0"}, {"20", "0"}, {"30", "0"}, {"42", "0"},
                          {"0", "VERTEX"}, {"8", "0"}, {"10", "1"}, {"20", "0"}, {"30", "0"}, {"42", "0"},
                          {"0", "SEQEND"}, {"0", "POLYLINE"}}));
}

TEST_F(ExportTest, SolidsGoOutInTheFilesCornerOrder) {
    DxfBuilder b;
    b.Entity("SOLID", {{8, "0"}, {10, "0"}, {20, "0"}, {11, "4"}, {21, "0"}, {12, "0"}, {22, "3"}, {13, "4"}, {23, "3"}});
    ASSERT_TRUE(Load(Drawing(b)));
    EXPECT_EQ(EntitiesOf(ExportedGroups(), "SOLID"),
              Entities{G({{"0", "SOLID"}, {"8", "0"}, {"10", "0"}, {"20", "0"}, {"30", "0"}, {"11", "4"},
                             {"21", "0"}, {"31", "0"}, {"12", "0"}, {"22", "3"}, {"32", "0"}, {"13", "4"},
                             {"23", "3"}, {"33", "0"}})});
}

// Every record the export writes comes back from the reader as it was.
TEST_F(ExportTest, ADrawingReadBackFromItsExportHasTheSameEntities) {
    DxfBuilder b;
    b.Section("HEADER").Group(9, "$EXTMIN").Group(10, "-10").Group(20, "-5").Group(9, "$EXTMAX").Group(10, "110");
    b.Group(20, "80.5").EndSection();
    b.Section("TABLES").LayerTable().Layer("0").Layer("RED", "1").Layer("BLUE", "5").EndTable().EndSection();
    b.Section("ENTITIES");
    b.Entity("LINE", {{8, "RED"}, {10, "0.1"}, {20, "0.2"}, {11, "33.333333"}, {21, "-7.25"}});
    b.Entity("LINE", {{8, "BLUE"}, {62, "3"}, {10, "1e-3"}, {20, "12345.678"}, {11, "2"}, {21, "3"}});
    b.Entity("CIRCLE", {{8, "0"}, {10, "50"}, {20, "40"}, {40, "12.125"}});
    b.Entity("ARC", {{8, "RED"}, {62, "2"}, {10, "5"}, {20, "5"}, {40, "2"}, {50, "30"}, {51, "300.5"}});
    b.Entity("TEXT", {{8, "BLUE"}, {10, "7"}, {20, "8"}, {40, "3.5"}, {1, "COOLER 12"}, {50, "15"}});
    b.Entity("TEXT", {{8, "0"}, {10, "0"}, {20, "0"}, {11, "60"}, {21, "61"}, {40, "2"}, {1, "middle"}, {72, "1"}});
    b.Entity("SOLID", {{8, "RED"}, {10, "0"}, {20, "0"}, {11, "4"}, {21, "0"}, {12, "0"}, {22, "3"}, {13, "4"}, {23, "3"}});
    b.Entity("POLYLINE", {{8, "BLUE"}, {66, "1"}, {40, "0.25"}});
    b.Entity("VERTEX", {{8, "BLUE"}, {10, "0"}, {20, "0"}, {42, "0.5"}});
    b.Entity("VERTEX", {{8, "BLUE"}, {10, "10"}, {20, "0"}, {42, "0"}});
    b.Entity("VERTEX", {{8, "BLUE"}, {10, "10"}, {20, "10"}});
    b.Entity("SEQEND");
    b.EndSection();
    ASSERT_TRUE(Load(b.Text()));
    const DrawingDatabase& original = db;
    ASSERT_EQ(original.SeqCount(), 9);
    Export();

    ReadBack file(target, reader.Properties.TmpFileNamePath);
    ASSERT_TRUE(file.loaded);
    const DrawingDatabase& back = file.db;

    EXPECT_EQ(back.DrawingExtents, original.DrawingExtents);
    ASSERT_EQ(back.SeqCount(), original.SeqCount());
    for (std::int32_t i = 1; i <= original.SeqCount(); ++i) {
        EXPECT_EQ(int(back.SeqArray[i].EntityKind), int(original.SeqArray[i].EntityKind)) << i;
        EXPECT_EQ(back.SeqArray[i].Index, original.SeqArray[i].Index) << i;
    }
    const auto layerName = [](const DrawingDatabase& d, std::int32_t index) { return d.Layers->Item(index)->LayerName(); };
    for (std::int32_t i = 1; i <= original.LineCount(); ++i) {
        const LineRecord &a = original.Lines[i], &z = back.Lines[i];
        EXPECT_EQ(std::tie(a.X1, a.Y1, a.X2, a.Y2, a.EntityColor), std::tie(z.X1, z.Y1, z.X2, z.Y2, z.EntityColor)) << i;
        EXPECT_EQ(layerName(original, a.LayerIndex), layerName(back, z.LayerIndex));
    }
    for (std::int32_t i = 1; i <= original.CircleCount(); ++i) {
        const CircleRecord &a = original.Circles[i], &z = back.Circles[i];
        EXPECT_EQ(std::tie(a.X1, a.Y1, a.Radius, a.StartAngle, a.EndAngle, a.EntityColor),
                  std::tie(z.X1, z.Y1, z.Radius, z.StartAngle, z.EndAngle, z.EntityColor))
            << i;
    }
    for (std::int32_t i = 1; i <= original.TextCount(); ++i) {
        const TextRecord &a = original.Texts[i], &z = back.Texts[i];
        EXPECT_EQ(std::tie(a.X1, a.Y1, a.Height, a.Rotation, a.HorzAlign, a.Txt),
                  std::tie(z.X1, z.Y1, z.Height, z.Rotation, z.HorzAlign, z.Txt))
            << i;
    }
    const SolidRecord &s = original.Solids[1], &t = back.Solids[1];
    EXPECT_EQ(std::tie(s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3, s.X4, s.Y4), std::tie(t.X1, t.Y1, t.X2, t.Y2, t.X3, t.Y3, t.X4, t.Y4));
    ASSERT_EQ(back.PolylineCount(), original.PolylineCount());
    for (std::int32_t i = 1; i <= original.PolylineCount(); ++i) {
        const PolylineRecord &a = original.Polylines[i], &z = back.Polylines[i];
        EXPECT_EQ(std::tie(a.X1, a.Y1, a.X2, a.Y2, a.Bulge, a.Linewidth),
                  std::tie(z.X1, z.Y1, z.X2, z.Y2, z.Bulge, z.Linewidth))
            << i;
    }
    for (std::int32_t i = 1; i <= original.Layers->Count(); ++i) {
        const std::int32_t j = back.Layers->FindByEntityName(original.Layers->Item(i)->LayerName());
        EXPECT_EQ(back.Layers->Item(j)->LayerColor(), original.Layers->Item(i)->LayerColor()) << i;
    }
}

TEST_F(ExportTest, ABlankFileNameOrAFolderThatIsNotThereWritesNothing) {
    std::string error;
    EXPECT_FALSE(ExportDXF(db, "", error));
    EXPECT_EQ(error, "The ExportFileName is blank.");
    EXPECT_FALSE(ExportDXF(db, (folder / "missing" / "x.dxf").string(), error));
    EXPECT_EQ(error, "Error 76 performing this action.  Path not found");
    const std::filesystem::path subfolder = folder / "a folder";
    std::filesystem::create_directory(subfolder);
    EXPECT_FALSE(ExportDXF(db, subfolder.string(), error));
    EXPECT_EQ(error, "Error 75 performing this action.  Path/File access error");
    EXPECT_TRUE(std::filesystem::is_directory(subfolder));
    EXPECT_TRUE(std::filesystem::is_empty(subfolder));
}

TEST_F(ExportTest, APipeIsNotReplacedAndALinkIsWrittenThrough) {
    const std::filesystem::path pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string error;
    EXPECT_FALSE(ExportDXF(db, pipe.string(), error));
    EXPECT_EQ(error, "Error 75 performing this action.  Path/File access error");
    EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);

    std::ofstream(target, std::ios::binary) << "the earlier export";
    const std::filesystem::path link = folder / "link.dxf";
    std::filesystem::create_symlink(target, link);
    EXPECT_TRUE(ExportDXF(db, link.string(), error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(ReadFile(target).starts_with("0\r\nSECTION\r\n2\r\nHEADER\r\n")) << "the linked file holds the export";
}

TEST_F(ExportTest, AWriteProtectedFileIsNotReplaced) {
    if (quellmar::test::RanAsUnprivilegedUser()) return;
    std::ofstream(target, std::ios::binary) << "protected";
    std::filesystem::permissions(target, std::filesystem::perms::owner_read);
    std::string error;
    EXPECT_FALSE(ExportDXF(db, target.string(), error));
    EXPECT_EQ(error, "Error 70 performing this action.  Permission denied");
    EXPECT_EQ(ReadFile(target), "protected");
}

TEST_F(ExportTest, AFailureWhileWritingLeavesTheEarlierFileAsItWas) {
    std::ofstream(target, std::ios::binary) << "the earlier export";
    db.ResetEntities();
    LineRecord line;
    line.LayerIndex = 7;  // no such layer
    db.AppendDrawn(line);
    std::string error;
    EXPECT_FALSE(ExportDXF(db, target.string(), error));
    EXPECT_EQ(error, "An error has occurred in ExportDXF. The message is: Subscript out of range");
    EXPECT_EQ(ReadFile(target), "the earlier export");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++files;
    EXPECT_EQ(files, 2u) << "the spool folder and the earlier export, no temporary file";
}

}  // namespace
}  // namespace tiraq::test
