#include "com/dispatch_table.h"
#include "com/object.h"
#include "com/server.h"
#include "counter.h"

#include <limits>

namespace counter_test {
namespace {

class CounterObject final : public com::Object<Counter> {
public:
    std::int32_t Total() override { return total_; }
    void LetTotal(std::int32_t value) override { Record(value); }
    std::string Name() override { return "Counter"; }

    bool Add(std::string& strError, std::int32_t Amount, std::optional<std::int32_t> Times) override {
        const auto sum = std::int64_t{total_} + std::int64_t{Amount} * Times.value_or(1);
        if (sum > std::numeric_limits<std::int32_t>::max() || sum < std::numeric_limits<std::int32_t>::min()) {
            strError = "An error occurred in Add. The message is: Overflow";
            return false;
        }
        strError = "";
        Record(static_cast<std::int32_t>(sum));
        return true;
    }

    std::int32_t Step() override {
        std::int32_t amount = 1;
        bool cancel = false;
        events_.Raise(&CounterEvents::Stepping, amount, cancel);
        if (!cancel) Record(total_ + amount);
        return total_;
    }

    bool GetHistory(std::string& strError, vb::Ref<vb::Collection>& colHistory) override {
        auto history = vb::New<vb::Collection>();
        for (std::size_t i = 0; i < history_.size(); ++i) history->Add(history_[i], std::to_string(i + 1));
        colHistory = history;
        strError = "";
        return true;
    }

    void Fail() override { throw vb::RuntimeError(vb::kVbObjectError + 1, "Failed"); }

    void Scale(float& X, float& Y, float Factor) override {
        X *= Factor;
        Y *= Factor;
    }

    com::Cookie Advise(vb::Ref<CounterEvents> sink) override { return events_.Advise(std::move(sink)); }
    void Unadvise(com::Cookie cookie) override { events_.Unadvise(cookie); }

    com::DispId GetIDOfName(std::string_view name) override { return Table().IdOf(name); }
    vb::Variant Invoke(com::DispId member, com::InvokeKind kind, std::span<vb::Variant> arguments) override {
        return Table().Invoke(*this, member, kind, arguments);
    }

private:
    static const com::DispatchTable<Counter>& Table() {
        static const com::DispatchTable<Counter> table(
            kCounterProgId, {
                                com::Property(Counter::kTotal, "Total", &Counter::Total, &Counter::LetTotal),
                                com::PropertyGet(Counter::kName, "Name", &Counter::Name),
                                com::Method(Counter::kAdd, "Add", &Counter::Add),
                                com::Method(Counter::kStep, "Step", &Counter::Step),
                                com::Method(Counter::kGetHistory, "GetHistory", &Counter::GetHistory),
                                com::Method(Counter::kFail, "Fail", &Counter::Fail),
                                com::Method(Counter::kScale, "Scale", &Counter::Scale),
                            });
        return table;
    }

    void Record(std::int32_t total) {
        total_ = total;
        history_.push_back(total);
    }

    std::int32_t total_ = 0;
    std::vector<std::int32_t> history_;
    com::ConnectionPoint<CounterEvents> events_;
};

const com::ServerClass kClasses[] = {
    {kCounterClassId, kCounterProgId, [] { return vb::Ref<com::Unknown>(vb::New<CounterObject>()); }},
};

}  // namespace
}  // namespace counter_test

QUELLMAR_COMPONENT_ENTRY_POINTS(counter_test::kClasses)
