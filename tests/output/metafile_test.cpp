#include "dxf_groups.h"
#include "temp_folder.h"

#include "display/display_host.h"
#include "display/display_state.h"
#include "display/drawing_routine.h"
#include "doubles/recording_target.h"
#include "output/metafile_output.h"
#include "reader/drawing_database.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tiraq::test {
namespace {

std::uint32_t U32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}
std::uint16_t U16(const std::string& bytes, std::size_t at) {
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}
std::int32_t I32(const std::string& bytes, std::size_t at) { return std::int32_t(U32(bytes, at)); }

// The records of an enhanced metafile: type, and where each begins.
struct EmfRecord {
    std::uint32_t type;
    std::size_t offset;
    std::uint32_t size;
};

std::vector<EmfRecord> EmfRecords(const std::string& emf) {
    std::vector<EmfRecord> records;
    for (std::size_t at = 0; at + 8 <= emf.size();) {
        const std::uint32_t type = U32(emf, at), size = U32(emf, at + 4);
        records.push_back({type, at, size});
        if (size < 8) break;
        at += size;
    }
    return records;
}

std::vector<std::uint32_t> TypesOf(const std::vector<EmfRecord>& records) {
    std::vector<std::uint32_t> types;
    for (const EmfRecord& r : records) types.push_back(r.type);
    return types;
}

// The description of an enhanced metafile's header, its UTF-16 units as bytes.
std::string EmfDescription(const std::string& emf) {
    const std::uint32_t count = U32(emf, 60), offset = U32(emf, 64);
    std::string text;
    for (std::uint32_t i = 0; i < count; ++i) text += char(U16(emf, offset + 2 * i));
    return text;
}

enum EmfType : std::uint32_t {
    kEmrHeader = 1, kEmrSetPixel = 15, kEmrEof = 14, kEmrMoveTo = 27, kEmrEllipse = 42, kEmrArc = 45,
    kEmrLineTo = 54, kEmrExtTextOutA = 83, kEmrPolygon16 = 86,
};

// A screen of 1920 x 1080 pixels at 96 to the inch: 508 x 285.75 mm.
constexpr ReferenceDevice kScreen{1920, 1080, 96};

// Draws one of each figure on the device, as a metafile pass would.
void DrawFigures(gui::MetafileDevice& metafile) {
    gui::DrawingSurface& dc = metafile.Surface();
    const gui::Pen red{gui::PenStyle::Dash, 1, 0x0000FF};
    dc.DrawLine(red, {10, 20}, {110, 220});
    const gui::PixelPoint corners[] = {{0, 0}, {40, 0}, {40, 30}, {0, 30}};
    dc.FillPolygon(corners, 0x00FF00);
    dc.DrawText(gui::TextFont{.face = "Arial", .pixelHeight = 12, .weight = 300}, {50, 60}, 90,
                gui::TextAlign::Center, 0, "H\xC3\xA9");
    dc.DrawArc(red, {0, 0, 100, 100}, {100, 50}, {50, 0});
    dc.DrawEllipse(red, {5, 5, 15, 15});
    dc.SetPixel({7, 8}, 0xFF0000);
    metafile.CloseMetaFile();
}

TEST(EnhancedMetafile, RecordsEveryFigureBetweenItsHeaderAndItsEnd) {
    const MetafileFrame frame{0, 0, 13758, 10319};
    const std::optional<std::string> emf = EnhancedMetafileBytes(frame, kScreen, kMetafileDescription, DrawFigures);
    ASSERT_TRUE(emf);
    const std::vector<EmfRecord> records = EmfRecords(*emf);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.front().type, kEmrHeader);
    EXPECT_EQ(records.back().type, kEmrEof);
    EXPECT_EQ(U32(*emf, 40), 0x464D4520u) << "the signature ' EMF'";
    EXPECT_EQ(U32(*emf, 48), emf->size()) << "the header counts every byte";
    EXPECT_EQ(U32(*emf, 52), records.size()) << "and every record";
    EXPECT_EQ((MetafileFrame{I32(*emf, 24), I32(*emf, 28), I32(*emf, 32), I32(*emf, 36)}), frame);
    // The device the picture was drawn for, and the frame in its pixels: 137.58 mm at 96 dpi.
    EXPECT_EQ((std::vector{I32(*emf, 72), I32(*emf, 76), I32(*emf, 80), I32(*emf, 84)}),
              (std::vector{1920, 1080, 508, 286}));
    EXPECT_EQ(std::pair(I32(*emf, 100), I32(*emf, 104)), std::pair(508000, 285750));
    EXPECT_EQ((std::vector{I32(*emf, 8), I32(*emf, 12), I32(*emf, 16), I32(*emf, 20)}),
              (std::vector{0, 0, 520, 390}));
    EXPECT_EQ(EmfDescription(*emf), std::string("Tiraq OCX\0Metafile\0\0", 20));

    const std::vector<std::uint32_t> types = TypesOf(records);
    const auto position = [&](std::uint32_t type) { return std::find(types.begin(), types.end(), type) - types.begin(); };
    for (const std::uint32_t type : {kEmrMoveTo, kEmrLineTo, kEmrPolygon16, kEmrExtTextOutA, kEmrArc, kEmrEllipse,
                                     kEmrSetPixel})
        EXPECT_LT(position(type), std::ptrdiff_t(types.size())) << "record type " << type;
    EXPECT_LT(position(kEmrMoveTo), position(kEmrLineTo));
    const EmfRecord& move = records[std::size_t(position(kEmrMoveTo))];
    EXPECT_EQ(I32(*emf, move.offset + 8), 10);
    EXPECT_EQ(I32(*emf, move.offset + 12), 20);
    const EmfRecord& text = records[std::size_t(position(kEmrExtTextOutA))];
    EXPECT_NE(emf->substr(text.offset, text.size).find("H\xE9"), std::string::npos) << "texts go out in Windows-1252";
}

TEST(EnhancedMetafile, TheOlderDescriptionIsOneStringWithTheDigitWhereTheNulsStand) {
    const std::optional<std::string> emf = EnhancedMetafileBytes({0, 0, 100, 100}, kScreen, kOldMetafileDescription, DrawFigures);
    ASSERT_TRUE(emf);
    EXPECT_EQ(EmfDescription(*emf).substr(0, 20), "Tiraq OCX1Metafile11");
}

TEST(EnhancedMetafile, AFileGetsTheSameMetafileAndAFolderThatIsNotThereNone) {
    quellmar::test::TempFolder folder;
    const MetafileFrame frame{0, 0, 5000, 4000};
    const std::string path = (folder / "view.emf").string();
    ASSERT_TRUE(WriteEnhancedMetafile(path, frame, kScreen, kMetafileDescription, DrawFigures));
    EXPECT_EQ(ReadFile(path), *EnhancedMetafileBytes(frame, kScreen, kMetafileDescription, DrawFigures));
    EXPECT_FALSE(WriteEnhancedMetafile((folder / "missing" / "view.emf").string(), frame, kScreen,
                                       kMetafileDescription, DrawFigures));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST(EnhancedMetafile, AWriteThatFailsIsTheRuntimesErrorAndAMetafileNeverClosedWritesNothing) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> full(std::fopen("/dev/full", "wb"), &std::fclose);
    ASSERT_TRUE(full);
    const auto many = [](gui::MetafileDevice& metafile) {
        for (int i = 0; i < 20000; ++i) metafile.Surface().DrawLine(gui::Pen{}, {0, i}, {400, 300});
    };
    {
        const auto metafile = EnhancedMetafile::Create(full.get(), {0, 0, 100, 100}, kScreen, kMetafileDescription);
        ASSERT_TRUE(metafile);
        many(*metafile);
        try {
            metafile->Close();
            ADD_FAILURE() << "no error";
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Description(), "Disk full");
        }
    }
    // A pass that fails leaves its metafile to be thrown away unwritten.
    quellmar::test::TempFolder folder;
    const std::string path = (folder / "view.emf").string();
    EXPECT_THROW(WriteEnhancedMetafile(path, {0, 0, 100, 100}, kScreen, kMetafileDescription,
                                       [&](gui::MetafileDevice& metafile) {
                                           many(metafile);
                                           throw vb::RuntimeError(6, "Overflow");
                                       }),
                 vb::RuntimeError);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(MetafileFrames, SaveWMFsIsLargerThanThePictureAndSaveWMFOldsIsThePicture) {
    // 400 x 300 pixels at 96 dpi: 105.833 x 79.375 mm.
    const PictureGeometry picture{.WidthMm = 400 * 25.4 / 96, .HeightMm = 300 * 25.4 / 96, .Width = 400, .Height = 300};
    EXPECT_EQ(EnlargedFrame(picture), (MetafileFrame{0, 0, 13758, 10319}));
    EXPECT_EQ(PictureFrame(picture), (MetafileFrame{0, 0, 10583, 7938}));
    PictureGeometry moved = picture;
    moved.Left = 40, moved.Top = 30;
    EXPECT_EQ(PictureFrame(moved), (MetafileFrame{1058, 794, 11642, 8731}));
}

// --- the placeable Windows metafile ---

TEST(PlaceableHeader, HoldsTheBoundsTheInchAndTheChecksumOfItsWords) {
    const auto bytes = EncodePlaceableHeader(PlaceableHeader{0, 0, 400, 300, 96});
    const std::array<std::uint8_t, 20> words{0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0,
                                             0x90, 0x01, 0x2C, 0x01, 0x60, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(words.begin(), words.end(), bytes.begin()));
    const std::uint16_t checksum = 0xCDD7 ^ 0x9AC6 ^ 400 ^ 300 ^ 96;
    EXPECT_EQ(bytes[20] | (bytes[21] << 8), checksum);
}

// The records of a standard metafile after its header: function, and parameters as words.
struct WmfRecord {
    std::uint16_t function;
    std::vector<std::uint16_t> words;
};

std::vector<WmfRecord> WmfRecords(const std::string& wmf, std::size_t start) {
    std::vector<WmfRecord> records;
    for (std::size_t at = start + 18; at + 6 <= wmf.size();) {
        const std::uint32_t size = U32(wmf, at);
        WmfRecord record{U16(wmf, at + 4), {}};
        for (std::uint32_t i = 3; i < size; ++i) record.words.push_back(U16(wmf, at + 2 * i));
        records.push_back(record);
        if (size < 3) break;
        at += 2 * size;
    }
    return records;
}

TEST(PlaceableMetafile, IsTheHeaderFollowedByACompleteStandardMetafile) {
    quellmar::test::TempFolder folder;
    const std::string path = (folder / "view.wmf").string();
    WritePlaceableMetafile(path, PlaceableHeader{0, 0, 400, 300, 96}, DrawFigures);
    const std::string file = ReadFile(path);
    const auto header = EncodePlaceableHeader(PlaceableHeader{0, 0, 400, 300, 96});
    ASSERT_GT(file.size(), kPlaceableHeaderSize + 18);
    EXPECT_TRUE(std::equal(header.begin(), header.end(), reinterpret_cast<const std::uint8_t*>(file.data())));

    const std::size_t start = kPlaceableHeaderSize;
    EXPECT_EQ(U16(file, start), 1);
    EXPECT_EQ(U16(file, start + 2), 9);
    EXPECT_EQ(U16(file, start + 4), 0x0300);
    EXPECT_EQ(U32(file, start + 6) * 2, file.size() - start) << "the metafile's size in words";
    const std::vector<WmfRecord> records = WmfRecords(file, start);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().function, 0) << "the end record";
    std::uint32_t largest = 0;
    int live = 0, mostLive = 0;
    for (const WmfRecord& r : records) {
        largest = std::max<std::uint32_t>(largest, std::uint32_t(r.words.size() + 3));
        if (r.function == 0x02FA || r.function == 0x02FB || r.function == 0x02FC) mostLive = std::max(mostLive, ++live);
        if (r.function == 0x01F0) --live;
    }
    EXPECT_EQ(U32(file, start + 12), largest);
    EXPECT_EQ(U16(file, start + 10), mostLive) << "the most objects alive at once";

    const auto find = [&](std::uint16_t function) {
        return std::find_if(records.begin(), records.end(), [&](const WmfRecord& r) { return r.function == function; });
    };
    ASSERT_NE(find(0x0214), records.end());
    EXPECT_EQ(find(0x0214)->words, (std::vector<std::uint16_t>{20, 10})) << "move to: y, then x";
    EXPECT_EQ(find(0x0213)->words, (std::vector<std::uint16_t>{220, 110}));
    ASSERT_NE(find(0x0521), records.end());
    EXPECT_EQ(find(0x0521)->words, (std::vector<std::uint16_t>{2, 0xE948, 60, 50})) << "the text in Windows-1252";
    EXPECT_EQ(find(0x041F)->words, (std::vector<std::uint16_t>{0, 0xFF, 8, 7})) << "pixel: colour, y, x";
    ASSERT_NE(find(0x0324), records.end());
    EXPECT_EQ(find(0x0324)->words[0], 4) << "a polygon of four corners";
    EXPECT_NE(find(0x0817), records.end());
    EXPECT_NE(find(0x0418), records.end());
}

TEST(PlaceableMetafile, CoordinatesBeyondTheFormatsRangeAreHeldAtItsEdge) {
    quellmar::test::TempFolder folder;
    const std::string path = (folder / "far.wmf").string();
    WritePlaceableMetafile(path, PlaceableHeader{0, 0, 10, 10, 96}, [](gui::MetafileDevice& metafile) {
        metafile.Surface().DrawLine(gui::Pen{}, {-40000, 5}, {40000, 70000});
    });
    const std::vector<WmfRecord> records = WmfRecords(ReadFile(path), kPlaceableHeaderSize);
    const auto lineTo = std::find_if(records.begin(), records.end(), [](const WmfRecord& r) { return r.function == 0x0213; });
    ASSERT_NE(lineTo, records.end());
    EXPECT_EQ(lineTo->words, (std::vector<std::uint16_t>{32767, 32767}));
}

// --- a metafile pass of the drawing routine ---

TEST(MetafilePass, TheDrawingRoutineDrawsThePicturesViewInItsPixels) {
    DrawingDatabase db;
    db.ResetEntities();
    LineRecord line;
    line.X1 = 0, line.Y1 = 0, line.X2 = 400, line.Y2 = 300;
    line.LayerIndex = db.SetLayerID("0");
    db.AppendDrawn(line);
    db.DXFComplete = true;
    DisplayState state;
    DisplayHost host;
    gui::RecordingTarget picture(400, 300);
    picture.SetScaleMode(gui::kScalePixels);
    DrawingRoutine routine(db, state, host, picture);
    const ViewRect view{0, 300, 400, 0};
    const std::optional<std::string> emf = EnhancedMetafileBytes(
        {0, 0, 100, 100}, kScreen, kMetafileDescription,
        [&](gui::MetafileDevice& metafile) { EXPECT_TRUE(routine.Zoom(view, picture, &metafile, false)); });
    ASSERT_TRUE(emf);
    const std::vector<EmfRecord> records = EmfRecords(*emf);
    const auto move = std::find_if(records.begin(), records.end(), [](const EmfRecord& r) { return r.type == kEmrMoveTo; });
    const auto to = std::find_if(records.begin(), records.end(), [](const EmfRecord& r) { return r.type == kEmrLineTo; });
    ASSERT_NE(move, records.end());
    ASSERT_NE(to, records.end());
    EXPECT_EQ(std::pair(I32(*emf, move->offset + 8), I32(*emf, move->offset + 12)), std::pair(0, 300));
    EXPECT_EQ(std::pair(I32(*emf, to->offset + 8), I32(*emf, to->offset + 12)), std::pair(400, 0));
}

// A frame on the drawing's extents, saved as a metafile of the picture at the extents: every
// side lies inside the picture's pixels, the right and bottom ones on its last column and row.
TEST(MetafilePass, ExtentsEdgesAllLieInsideThePicture) {
    DrawingDatabase db;
    db.ResetEntities();
    db.DrawingExtents = ViewRect{0, 300, 400, 0};
    const float corners[5][2] = {{0, 0}, {400, 0}, {400, 300}, {0, 300}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
        LineRecord side;
        side.X1 = corners[i][0], side.Y1 = corners[i][1], side.X2 = corners[i + 1][0], side.Y2 = corners[i + 1][1];
        side.LayerIndex = db.SetLayerID("0");
        db.AppendDrawn(side);
    }
    DisplayState state;
    DisplayHost host;
    gui::RecordingTarget picture(400, 300);
    picture.SetScaleMode(gui::kScalePixels);
    DrawingRoutine routine(db, state, host, picture);
    const std::optional<std::string> emf = EnhancedMetafileBytes(
        {0, 0, 100, 100}, kScreen, kMetafileDescription,
        [&](gui::MetafileDevice& metafile) { EXPECT_TRUE(routine.Zoom(db.DrawingExtents, picture, &metafile, false)); });
    ASSERT_TRUE(emf);
    std::set<std::int32_t> xs, ys;
    for (const EmfRecord& record : EmfRecords(*emf)) {
        if (record.type != kEmrMoveTo && record.type != kEmrLineTo) continue;
        xs.insert(I32(*emf, record.offset + 8));
        ys.insert(I32(*emf, record.offset + 12));
    }
    EXPECT_EQ(xs, (std::set<std::int32_t>{0, 399}));
    EXPECT_EQ(ys, (std::set<std::int32_t>{0, 299}));
}

}  // namespace
}  // namespace tiraq::test
