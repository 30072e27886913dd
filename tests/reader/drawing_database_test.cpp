#include "reader/drawing_database.h"
#include "reader/error_chain.h"

#include <gtest/gtest.h>

namespace {

using namespace tiraq;

TEST(DrawingDatabase, AppendsRecordsWithTheirDisplayListEntries) {
    DrawingDatabase db;
    EXPECT_EQ(db.SeqCount(), 0);
    for (int i = 0; i < 151; ++i) db.AppendDrawn(LineRecord{.X1 = static_cast<float>(i)});
    EXPECT_EQ(db.AppendDrawn(CircleRecord{.Radius = 2}), 1);
    EXPECT_EQ(db.LineCount(), 151);
    EXPECT_EQ(db.CircleCount(), 1);
    ASSERT_EQ(db.SeqCount(), 152);
    EXPECT_EQ(db.SeqArray[151].EntityKind, DisplayKind::Line);
    EXPECT_EQ(db.SeqArray[151].Index, 151);
    EXPECT_EQ(db.SeqArray[152].EntityKind, DisplayKind::Circle);
    EXPECT_EQ(db.SeqArray[152].Index, 1);
    EXPECT_FLOAT_EQ(db.Lines[151].X1, 150);
    EXPECT_THROW(db.Lines.At(152), vb::RuntimeError);
    EXPECT_THROW(db.Lines.At(0), vb::RuntimeError);
}

TEST(DrawingDatabase, ResetEmptiesEverythingAndReplacesTheLayers) {
    DrawingDatabase db;
    db.AppendDrawn(PointRecord{});
    db.AppendDrawn(EllipseRecord{});
    db.SetLayerID("0");
    const auto oldLayers = db.Layers;
    db.ResetEntities();
    EXPECT_EQ(db.PointCount(), 0);
    EXPECT_EQ(db.EllipseCount(), 0);
    EXPECT_EQ(db.SeqCount(), 0);
    EXPECT_EQ(db.Layers->Count(), 0);
    EXPECT_NE(db.Layers, oldLayers);
    EXPECT_EQ(oldLayers->Count(), 1);
}

TEST(DrawingDatabase, CheckExtentsWidensOnlyWherePointsLieOutside) {
    DrawingDatabase db;
    db.DrawingExtents = ViewRect{0, 10, 10, 0};
    db.CheckExtents(5, 5, 5, 5);
    EXPECT_EQ(db.DrawingExtents, (ViewRect{0, 10, 10, 0}));
    db.CheckExtents(-1, 12, 3, -4);
    EXPECT_EQ(db.DrawingExtents, (ViewRect{-1, 12, 10, -4}));
}

TEST(Layers, SetLayerIdFindsNamesRegardlessOfCaseAndOuterBlanks) {
    DrawingDatabase db;
    db.Layers->Add(-1, 0xFF, " Walls ", 0, false, 1);
    db.Layers->Add(-1, 0, "WALLS", 0, false, 0);
    EXPECT_EQ(db.SetLayerID("walls"), 1);  // the first match wins
    EXPECT_EQ(db.SetLayerID("WALLS"), 1);
    EXPECT_EQ(db.SetLayerID(" walls"), 3);  // the entity's own name is not trimmed
    EXPECT_EQ(db.Layers->Count(), 3);
    const auto& created = db.Layers->Item(3);
    EXPECT_EQ(created->LayerName(), " walls");
    EXPECT_EQ(created->LayerOn(), -1);
    EXPECT_EQ(created->LayerColor(), 0);
    EXPECT_EQ(created->LayerLineType(), 0);
    EXPECT_FALSE(created->RedlineLayer());
    EXPECT_FALSE(created->Deleted());
    // Table names are compared trimmed, so a name with outer blanks never finds its own layer.
    EXPECT_EQ(db.SetLayerID(" WALLS"), 4);
    EXPECT_EQ(db.SetLayerID("\xE9t\xE9"), 5);  // accented letters fold like ASCII ones
    EXPECT_EQ(db.SetLayerID("\xC9T\xC9"), 5);
}

TEST(Layers, NameIndexFollowsRenamesAndRemovals) {
    DXFLayers layers;
    layers.Add(-1, 0, "A", 0, false, 0);
    auto b = layers.Add(-1, 0, "B", 0, false, 0);
    EXPECT_EQ(layers.FindByEntityName("b"), 2);
    b->SetLayerName("C");
    EXPECT_EQ(layers.FindByEntityName("b"), 0);
    EXPECT_EQ(layers.FindByEntityName("c"), 2);
    layers.Remove(1);
    EXPECT_EQ(layers.FindByEntityName("c"), 1);
    EXPECT_EQ(layers.FindByEntityName("a"), 0);
    EXPECT_EQ(layers.TryItem(2), nullptr);
    EXPECT_THROW(layers.Item(2), vb::RuntimeError);
}

TEST(Layers, CheckDuplicateLayerMatchesLetterForLetter) {
    DXFLayers layers;
    layers.Add(-1, 0, "Redline", 0, true, 0);
    std::string error = "old";
    bool exists = true;
    EXPECT_TRUE(layers.CheckDuplicateLayer(error, exists, "REDLINE"));
    EXPECT_FALSE(exists);
    EXPECT_EQ(error, "");
    EXPECT_TRUE(layers.CheckDuplicateLayer(error, exists, "Redline"));
    EXPECT_TRUE(exists);
}

TEST(ErrorChain, AppendsTheTraceLineToTheCaughtText) {
    try {
        try {
            throw vb::RuntimeError(6, "Overflow");
        } catch (...) {
            throw ChainedError(" ->  DXFLine.");
        }
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), kErrTiraq);
        EXPECT_EQ(e.Description(), "Overflow\r\n ->  DXFLine.");
    }
    EXPECT_EQ(kErrTiraq, static_cast<long>(static_cast<std::int32_t>(0x80040001u)));
}

}  // namespace
