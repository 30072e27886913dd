#include "output/redline_deletion.h"
#include "output/redline_entities.h"
#include "reader/drawing_database.h"
#include "reader/error_chain.h"

#include <gtest/gtest.h>

#include <string>

namespace tiraq::test {
namespace {

class RedlineEditing : public ::testing::Test {
protected:
    RedlineEditing() {
        db.ResetEntities();
        LineRecord loaded;
        loaded.LayerIndex = db.SetLayerID("0");
        db.AppendDrawn(loaded);
    }
    // The four lines of a redline rectangle, as the rectangle tool adds them.
    void AddRectangle(std::int32_t id, float x1, float y1, float x2, float y2) {
        AddRedlineLine(db, x1, y1, x1, y2, "MARKUP", id);
        AddRedlineLine(db, x1, y2, x2, y2, "MARKUP", id);
        AddRedlineLine(db, x2, y2, x2, y1, "MARKUP", id);
        AddRedlineLine(db, x2, y1, x1, y1, "MARKUP", id);
    }
    int DeletedLines() const {
        int count = 0;
        for (const LineRecord& line : db.Lines) count += line.IsDeleted != 0;
        return count;
    }

    DrawingDatabase db;
};

TEST_F(RedlineEditing, ALineIsStoredCrosswiseOnANewLayerAndReturnsItsPosition) {
    const std::int32_t before = db.SeqCount();
    EXPECT_EQ(AddRedlineLine(db, 0, 0, 10, 5, "MARKUP", 0), before + 1);
    ASSERT_EQ(db.Layers->Count(), 2);
    const DXFLayer& layer = *db.Layers->Item(2);
    EXPECT_EQ(layer.LayerName(), "MARKUP");
    EXPECT_EQ(layer.LayerOn(), -1);
    EXPECT_EQ(layer.LayerColor(), 0);
    EXPECT_EQ(layer.NewLayer(), 0);
    const SeqEntry entry = db.SeqArray[db.SeqCount()];
    EXPECT_EQ(entry.EntityKind, DisplayKind::Line);
    const LineRecord& line = db.Lines[entry.Index];
    EXPECT_EQ(std::tie(line.X1, line.Y1, line.X2, line.Y2), std::make_tuple(10.0f, 5.0f, 0.0f, 0.0f));
    EXPECT_EQ(line.IsRedline, -1);
    EXPECT_EQ(line.IsDeleted, 0);
    EXPECT_EQ(line.RedlineRectangleID, 0);
    EXPECT_EQ(line.LayerIndex, 2);
    AddRedlineLine(db, 1, 1, 2, 2, "markup", 0);
    EXPECT_EQ(db.Layers->Count(), 2) << "the layer is found again whatever the letter case";
}

TEST_F(RedlineEditing, CirclesSolidsAndTextsKeepWhatTheyWereGiven) {
    AddRedlineCircle(db, 0, 0, 3, 4, "MARKUP");
    const CircleRecord& circle = db.Circles[1];
    EXPECT_EQ(std::tie(circle.X1, circle.Y1, circle.Radius, circle.StartAngle, circle.EndAngle),
              std::make_tuple(0.0f, 0.0f, 5.0f, 0.0f, 0.0f));
    EXPECT_EQ(circle.IsRedline, -1);

    AddRedlineSolid(db, 1, 2, 3, 4, 5, 6, 7, 8, "MARKUP");
    const SolidRecord& solid = db.Solids[1];
    EXPECT_EQ(std::tie(solid.X1, solid.Y1, solid.X2, solid.Y2, solid.X3, solid.Y3, solid.X4, solid.Y4),
              std::make_tuple(1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f));

    const std::string long_text(120, 'x');
    const std::int32_t position = AddRedlineText(db, 4, 5, long_text, "NOTES", 2.5f, 1, 30);
    EXPECT_EQ(position, db.SeqCount());
    const TextRecord& text = db.Texts[1];
    EXPECT_EQ(text.Txt, std::string(100, 'x'));
    EXPECT_EQ(std::tie(text.X1, text.Y1, text.Height, text.HorzAlign, text.Rotation),
              std::make_tuple(4.0f, 5.0f, 2.5f, 1, 30.0f));
    EXPECT_EQ(text.FontName, "Arial");
    EXPECT_EQ(text.FontScalar, 1.0f);
    EXPECT_EQ(text.Underline, 0);
    EXPECT_EQ(db.SeqCount(), 4);
}

TEST_F(RedlineEditing, DeletingALineOfARectangleDeletesTheRectangleAndUndeletingBringsAllBack) {
    AddRectangle(1, 0, 0, 10, 5);
    AddRectangle(2, 20, 0, 30, 5);
    AddRedlineCircle(db, 0, 0, 1, 1, "MARKUP");
    DeleteRedlineEntity(db, dxfRedLineNewLine, 3);
    EXPECT_EQ(DeletedLines(), 4);
    for (std::int32_t i = 2; i <= 5; ++i) EXPECT_NE(db.Lines[i].IsDeleted, 0) << i;
    DeleteRedlineEntity(db, dxfRedLineNewCircle, 1);
    EXPECT_NE(db.Circles[1].IsDeleted, 0);
    DeleteRedlineEntity(db, dxfRedLineNone, 0);
    EXPECT_EQ(DeletedLines(), 4);
    UnDeleteRedlineEntities(db);
    EXPECT_EQ(DeletedLines(), 0);
    EXPECT_EQ(db.Circles[1].IsDeleted, 0);
    EXPECT_THROW(DeleteRedlineEntity(db, dxfRedLineNewSolid, 1), vb::RuntimeError) << "there is no solid";
}

TEST_F(RedlineEditing, TaggingGoesByDisplayPositionAndTakesLoadedEntitiesToo) {
    AddRectangle(7, 0, 0, 1, 1);
    const std::int32_t text = AddRedlineText(db, 0, 0, "T", "0", 1, 0, 0);
    TagForDelete(db, 1);
    EXPECT_NE(db.Lines[1].IsDeleted, 0) << "the drawing's own line";
    EXPECT_EQ(DeletedLines(), 1);
    TagForDelete(db, 2);
    EXPECT_EQ(DeletedLines(), 5);
    TagForDelete(db, text);
    EXPECT_NE(db.Texts[1].IsDeleted, 0);
    EXPECT_THROW(TagForDelete(db, db.SeqCount() + 1), vb::RuntimeError);
}

TEST_F(RedlineEditing, AnInsertsRecordsTakeTheBlockColourButPointsAndAttributesKeepTheirs) {
    for (std::int32_t insert : {0, 3}) {
        LineRecord line;
        line.InsertID = insert;
        db.AppendDrawn(line);
        PolylineRecord segment;
        segment.InsertID = insert;
        db.AppendDrawn(segment);
        CircleRecord circle;
        circle.InsertID = insert;
        db.AppendDrawn(circle);
        TextRecord text;
        text.InsertID = insert;
        db.AppendDrawn(text);
        SolidRecord solid;
        solid.InsertID = insert;
        db.AppendDrawn(solid);
        PointRecord point;
        point.InsertID = insert;
        point.EntityColor = 5;
        db.AppendDrawn(point);
    }
    SetInsertColor(db, 3, 0x00FF00);
    EXPECT_EQ(db.Lines[3].EntityColor, 0x00FF00);
    EXPECT_EQ(db.Polylines[2].EntityColor, 0x00FF00);
    EXPECT_EQ(db.Circles[2].EntityColor, 0x00FF00);
    EXPECT_EQ(db.Texts[2].EntityColor, 0x00FF00);
    EXPECT_EQ(db.Solids[2].EntityColor, 0x00FF00);
    EXPECT_EQ(db.Points[2].EntityColor, 5);
    EXPECT_EQ(db.Lines[2].EntityColor, 0) << "another insert's records stay";
    try {
        SetInsertColor(db, 0, 0x00FF00);
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Description(), "Cannot change the color of inserted block '0'.");
    }
    EXPECT_EQ(db.Lines[2].EntityColor, 0);
}

// Counting with 32-bit numbers, drawings far beyond the 32767 records of a 16-bit count work.
TEST_F(RedlineEditing, UndeleteAndRecolourServeMoreRecordsThanASixteenBitCount) {
    constexpr std::int32_t kMany = 40000;
    for (std::int32_t i = 0; i < kMany; ++i) {
        LineRecord line;
        line.IsDeleted = -1;
        line.InsertID = 2;
        db.AppendDrawn(line);
    }
    UnDeleteRedlineEntities(db);
    SetInsertColor(db, 2, 0x0000FF);
    EXPECT_EQ(db.Lines[kMany + 1].IsDeleted, 0);
    EXPECT_EQ(db.Lines[kMany + 1].EntityColor, 0x0000FF);
}

}  // namespace
}  // namespace tiraq::test
