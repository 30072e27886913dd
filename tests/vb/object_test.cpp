#include "vb/collection.h"
#include "vb/error.h"
#include "vb/object.h"
#include "vb/variant.h"

#include <gtest/gtest.h>

namespace {

class Probe final : public vb::Object {
public:
    explicit Probe(int& alive) : alive_(alive) { ++alive_; }
    ~Probe() override { --alive_; }
    void AddRef() noexcept override { ++references_; }
    void Release() noexcept override {
        if (--references_ == 0) delete this;
    }

private:
    int& alive_;
    int references_ = 0;
};

TEST(ObjectReference, TheLastReferenceDestroysTheObject) {
    int alive = 0;
    vb::Ref<Probe> first = vb::New<Probe>(alive);
    {
        vb::Ref<vb::Object> second = first;
        vb::Variant held = first;
        first = nullptr;
        EXPECT_EQ(alive, 1);
        EXPECT_TRUE(held.ToObject() == second);
    }
    EXPECT_EQ(alive, 0);
}

TEST(ObjectReference, AdoptAndDetachHandOverACountedReference) {
    int alive = 0;
    vb::Ref<Probe> owner = vb::New<Probe>(alive);
    Probe* raw = owner.Detach();
    EXPECT_FALSE(owner);
    EXPECT_EQ(alive, 1);
    vb::Ref<Probe>::Adopt(raw);  // the temporary releases the one reference
    EXPECT_EQ(alive, 0);
}

TEST(VariantObject, HoldsObjectsAndNothingButConvertsThemToNoValue) {
    const vb::Variant nothing = vb::Variant::Nothing();
    EXPECT_TRUE(nothing.IsObject());
    EXPECT_FALSE(nothing.ToObject());
    EXPECT_FALSE(vb::Variant().ToObject());  // Empty stands for Nothing
    const vb::Variant list = vb::New<vb::Collection>();
    EXPECT_TRUE(dynamic_cast<vb::Collection*>(list.ToObject().get()));
    EXPECT_THROW(list.ToString(), vb::RuntimeError);
    EXPECT_THROW(list.ToDouble(), vb::RuntimeError);
    EXPECT_THROW(vb::Variant(1.5).ToObject(), vb::RuntimeError);
    EXPECT_EQ(list, list);
    EXPECT_NE(list, vb::Variant(vb::New<vb::Collection>()));
}

TEST(RuntimeErrorNumber, IsA32BitLongWhicheverWayItIsWritten) {
    EXPECT_EQ(vb::RuntimeError(0x80040001L, "x").Number(), vb::kVbObjectError + 1);
    EXPECT_EQ(vb::RuntimeError(vb::kVbObjectError + 1, "x").Number(), -2147221503L);
    EXPECT_EQ(vb::RuntimeError(13, "Type mismatch").Number(), 13);
}

}  // namespace
