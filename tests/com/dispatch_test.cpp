#include "com/create.h"
#include "com/dispatch_table.h"
#include "com/error.h"
#include "component_test_support.h"
#include "counter.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using com::InvokeKind;
using counter_test::Counter;

class Dispatch : public ::testing::Test {
protected:
    Dispatch() {
        com::RegisterServer(COUNTER_COMPONENT);
        counter_ = com::CreateInstance<Counter>(counter_test::kCounterProgId);
    }

    vb::Variant Call(com::DispId member, std::vector<vb::Variant>& arguments, InvokeKind kind = InvokeKind::Method) {
        return counter_->Invoke(member, kind, arguments);
    }
    vb::Variant Call(com::DispId member, std::vector<vb::Variant>&& arguments = {},
                     InvokeKind kind = InvokeKind::Method) {
        return Call(member, arguments, kind);
    }

    com_test::TemporaryRegistry registry_;
    vb::Ref<Counter> counter_;
};

TEST_F(Dispatch, FindsMembersByNameWithoutRegardToCase) {
    EXPECT_EQ(counter_->GetIDOfName("total"), Counter::kTotal);
    EXPECT_EQ(counter_->GetIDOfName("GETHISTORY"), Counter::kGetHistory);
    EXPECT_EQ(com_test::ErrorOf([&] { counter_->GetIDOfName("Totals"); }).Number(), com::kErrNoSuchMember);
}

TEST_F(Dispatch, ReadsAndAssignsPropertiesByIdentifier) {
    Call(Counter::kTotal, {std::int32_t{7}}, InvokeKind::PropertyPut);
    EXPECT_EQ(counter_->Total(), 7);
    EXPECT_EQ(Call(Counter::kTotal, {}, InvokeKind::PropertyGet), vb::Variant(std::int32_t{7}));
    // A caller that cannot tell a method from a property read.
    EXPECT_EQ(Call(Counter::kName, {}, InvokeKind::Method | InvokeKind::PropertyGet).ToString(), "Counter");
    // Texts and Doubles convert as the runtime converts them.
    Call(Counter::kTotal, {" 12 "}, InvokeKind::PropertyPut);
    EXPECT_EQ(counter_->Total(), 12);
    Call(Counter::kTotal, {2.5}, InvokeKind::PropertyPut);
    EXPECT_EQ(counter_->Total(), 2);
}

TEST_F(Dispatch, RefusesUnknownMembersWrongKindsAndWrongArgumentCounts) {
    EXPECT_EQ(com_test::ErrorOf([&] { Call(99); }).Number(), com::kErrNoSuchMember);
    EXPECT_EQ(com_test::ErrorOf([&] { Call(Counter::kName, {"x"}, InvokeKind::PropertyPut); }).Number(),
              com::kErrWrongArguments);
    EXPECT_EQ(com_test::ErrorOf([&] { Call(Counter::kAdd, {""}); }).Number(), com::kErrWrongArguments);
    EXPECT_EQ(com_test::ErrorOf([&] { Call(Counter::kAdd, {"", 1, 2, 3}); }).Number(), com::kErrWrongArguments);
    EXPECT_EQ(counter_->Total(), 0);  // nothing was called
}

TEST_F(Dispatch, WritesByReferenceParametersBackAndLeavesOutTrailingOptionalOnes) {
    std::vector<vb::Variant> add{"old text", std::int32_t{5}};
    EXPECT_EQ(Call(Counter::kAdd, add), vb::Variant(true));
    EXPECT_EQ(add[0].ToString(), "");
    EXPECT_EQ(counter_->Total(), 5);  // Times left out: once

    add = {"", std::int32_t{5}, std::int32_t{3}};
    Call(Counter::kAdd, add);
    EXPECT_EQ(counter_->Total(), 20);

    add = {"", std::int32_t{0x7FFFFFFF}};
    EXPECT_EQ(Call(Counter::kAdd, add), vb::Variant(false));
    EXPECT_EQ(add[0].ToString(), "An error occurred in Add. The message is: Overflow");

    std::vector<vb::Variant> scale{1.5, "2", 2};
    Call(Counter::kScale, scale);
    EXPECT_EQ(scale[0], vb::Variant(3.0));
    EXPECT_EQ(scale[1], vb::Variant(4.0));
    EXPECT_EQ(scale[2], vb::Variant(2));  // by value: untouched

    std::vector<vb::Variant> history{"", vb::Variant()};
    Call(Counter::kGetHistory, history);
    const auto list = dynamic_cast<vb::Collection*>(history[1].ToObject().get());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Item("2").ToLong(), 20);
}

TEST_F(Dispatch, RuntimeErrorsLeaveTheComponentWithItsSource) {
    const auto failed = com_test::ErrorOf([&] { Call(Counter::kFail); });
    EXPECT_EQ(failed.Number(), vb::kVbObjectError + 1);
    EXPECT_EQ(failed.Description(), "Failed");
    try {
        Call(Counter::kFail);
    } catch (const com::Error& error) {
        EXPECT_EQ(error.Source(), counter_test::kCounterProgId);
    }
    // A conversion of an argument fails as the runtime's own error, with the source too.
    try {
        Call(Counter::kTotal, {"abc"}, InvokeKind::PropertyPut);
        FAIL();
    } catch (const com::Error& error) {
        EXPECT_EQ(error.Number(), vb::kErrTypeMismatch);
        EXPECT_EQ(error.Source(), counter_test::kCounterProgId);
    }
    EXPECT_EQ(com_test::ErrorOf([&] { Call(Counter::kTotal, {3e9}, InvokeKind::PropertyPut); }).Number(),
              vb::kErrOverflow);
}

TEST(DispatchTable, RefusesAMemberTwiceUnderOneIdentifierOrOneName) {
    using com::Method;
    EXPECT_THROW(com::DispatchTable<Counter>("T", {Method(1, "Step", &Counter::Step), Method(1, "Fail", &Counter::Fail)}),
                 std::logic_error);
    EXPECT_THROW(com::DispatchTable<Counter>("T", {Method(1, "Step", &Counter::Step), Method(2, "STEP", &Counter::Fail)}),
                 std::logic_error);
    EXPECT_NO_THROW(com::DispatchTable<Counter>("T", {com::Property(1, "Total", &Counter::Total, &Counter::LetTotal)}));
}

}  // namespace
