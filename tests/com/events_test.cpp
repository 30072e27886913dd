#include "com/create.h"
#include "com/object.h"
#include "component_test_support.h"
#include "counter.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using counter_test::Counter;
using counter_test::CounterEvents;

class Sink final : public com::Object<CounterEvents> {
public:
    explicit Sink(std::function<void(std::int32_t&, bool&)> handler, bool* destroyed = nullptr)
        : handler_(std::move(handler)), destroyed_(destroyed) {}
    ~Sink() override {
        if (destroyed_) *destroyed_ = true;
    }
    void Stepping(std::int32_t& Amount, bool& Cancel) override { handler_(Amount, Cancel); }

private:
    std::function<void(std::int32_t&, bool&)> handler_;
    bool* destroyed_;
};

class Events : public ::testing::Test {
protected:
    Events() {
        com::RegisterServer(COUNTER_COMPONENT);
        counter_ = com::CreateInstance<Counter>(counter_test::kCounterProgId);
    }

    com_test::TemporaryRegistry registry_;
    vb::Ref<Counter> counter_;
};

TEST_F(Events, HandlersChangeByReferenceArgumentsForTheRaiser) {
    EXPECT_EQ(counter_->Step(), 1);  // no sink: the component's own amount
    const auto cookie = counter_->Advise(vb::New<Sink>([](std::int32_t& amount, bool&) { amount = 10; }));
    EXPECT_EQ(counter_->Step(), 11);
    const auto canceller = counter_->Advise(vb::New<Sink>([](std::int32_t&, bool& cancel) { cancel = true; }));
    EXPECT_EQ(counter_->Step(), 11);
    counter_->Unadvise(canceller);
    counter_->Unadvise(cookie);
    EXPECT_EQ(counter_->Step(), 12);
}

TEST_F(Events, EachSinkSeesWhatTheSinksBeforeItLeft) {
    std::vector<std::int32_t> seen;
    counter_->Advise(vb::New<Sink>([&](std::int32_t& amount, bool&) { seen.push_back(amount), amount *= 5; }));
    counter_->Advise(vb::New<Sink>([&](std::int32_t& amount, bool&) { seen.push_back(amount), amount += 1; }));
    EXPECT_EQ(counter_->Step(), 6);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{1, 5}));
}

TEST_F(Events, ASinkMayUnadviseItselfWhileTheEventIsRaised) {
    com::Cookie own = 0;
    int calls = 0;
    own = counter_->Advise(vb::New<Sink>([&](std::int32_t&, bool&) {
        ++calls;
        counter_->Unadvise(own);
    }));
    counter_->Step();
    counter_->Step();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(com_test::ErrorOf([&] { counter_->Unadvise(own); }).Number(), vb::kErrInvalidCall);
    EXPECT_EQ(com_test::ErrorOf([&] { counter_->Advise(nullptr); }).Number(), vb::kErrInvalidCall);
}

TEST_F(Events, AnAdvisedSinkLivesUntilItIsUnadvised) {
    bool called = false;
    bool destroyed = false;
    const auto cookie = counter_->Advise(vb::New<Sink>([&](std::int32_t&, bool&) { called = true; }, &destroyed));
    counter_->Step();  // the host kept no reference of its own
    EXPECT_TRUE(called);
    EXPECT_FALSE(destroyed);
    counter_->Unadvise(cookie);
    EXPECT_TRUE(destroyed);
}

}  // namespace
