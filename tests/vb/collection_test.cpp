#include "vb/collection.h"
#include "vb/error.h"

#include <gtest/gtest.h>

namespace {

long ErrorNumberOf(auto action) {
    try {
        action();
    } catch (const vb::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(Collection, KeepsOrderAndFindsKeysWithoutRegardToCase) {
    auto items = vb::New<vb::Collection>();
    items->Add("first", "1");
    items->Add(2.5);
    items->Add("third", "Key");
    EXPECT_EQ(items->Count(), 3);
    EXPECT_EQ(items->Item(1).ToString(), "first");
    EXPECT_EQ(items->Item(2).ToDouble(), 2.5);
    EXPECT_EQ(items->Item("KEY").ToString(), "third");
    EXPECT_EQ(ErrorNumberOf([&] { items->Add("again", "key"); }), vb::kErrDuplicateKey);
    EXPECT_EQ(items->Count(), 3);
}

TEST(Collection, RemovingMovesLaterItemsDownAndKeepsTheirKeys) {
    auto items = vb::New<vb::Collection>();
    items->Add("a", "A");
    items->Add("b", "B");
    items->Add("c", "C");
    items->Remove("a");
    EXPECT_EQ(items->Item(1).ToString(), "b");
    EXPECT_EQ(items->Item("c").ToString(), "c");
    items->Remove(2);
    EXPECT_EQ(items->Count(), 1);
    EXPECT_EQ(ErrorNumberOf([&] { items->Item("C"); }), vb::kErrInvalidCall);
    items->Add("c again", "C");  // a removed key is free again
    EXPECT_EQ(items->Item(2).ToString(), "c again");
}

TEST(Collection, PositionsOutsideTheListAreTheSubscriptError) {
    auto items = vb::New<vb::Collection>();
    EXPECT_EQ(ErrorNumberOf([&] { items->Item(1); }), vb::kErrSubscript);
    items->Add("x");
    EXPECT_EQ(ErrorNumberOf([&] { items->Item(0); }), vb::kErrSubscript);
    EXPECT_EQ(ErrorNumberOf([&] { items->Remove(2); }), vb::kErrSubscript);
    EXPECT_EQ(ErrorNumberOf([&] { items->Item(""); }), vb::kErrInvalidCall);
}

}  // namespace
