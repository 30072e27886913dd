#include "com/create.h"
#include "com/error.h"
#include "com/object.h"
#include "com/registry.h"
#include "component_test_support.h"
#include "control/dxf.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using com::InvokeKind;
using com::MakeDispId;

class ZoomSink final : public com::Object<tiraq::DXFEvents> {
public:
    void LinesRead(float&) override {}
    void ZoomComplete() override {}
    void MouseDown(std::int16_t&, std::int16_t&, float&, float&) override {}
    void MouseMove(std::int16_t&, std::int16_t&, float&, float&) override {}
    void MouseUp(std::int16_t&, std::int16_t&, float&, float&) override {}
};

void ExpectNotImplemented(const vb::RuntimeError& error, const std::string& member) {
    EXPECT_EQ(error.Number(), vb::kVbObjectError + 1);
    EXPECT_EQ(error.Description(), "Not implemented\r\n ->  " + member + ".");
}

// Called by identifier, the error leaves the component with its source.
template <class Action>
void ExpectNotImplementedFromTheComponent(Action action, const std::string& member) {
    try {
        action();
        FAIL() << member << " raised no error";
    } catch (const com::Error& error) {
        ExpectNotImplemented(error, member);
        EXPECT_EQ(error.Source(), "TIRAQOCX.DXF");
    }
}

TEST(Tiraq, TheBuildRegistersTheControlInTheProgramFolder) {
    const com::Registry built(std::filesystem::path(QUELLMAR_PROGRAM_DIR) / "components.reg");
    EXPECT_EQ(built.ClassOf(tiraq::kDXFProgId), tiraq::kDXFClassId);
    EXPECT_EQ(built.LibraryOf(tiraq::kDXFClassId), std::filesystem::weakly_canonical(TIRAQ_LIBRARY));
}

TEST(Tiraq, TheControlIsCreatedByItsProgIdOnlyWhileRegistered) {
    com_test::TemporaryRegistry registry;
    EXPECT_EQ(com_test::ErrorOf([] { com::CreateObject(tiraq::kDXFProgId); }).Number(), com::kErrCannotCreateObject);
    com::RegisterServer(TIRAQ_LIBRARY);
    const auto dxf = com::CreateInstance<tiraq::DXF>(tiraq::kDXFProgId);
    ASSERT_TRUE(dxf);
    EXPECT_TRUE(com::QueryInterface<com::Control>(dxf.get()));
    EXPECT_TRUE(com::QueryInterface<com::Dispatch>(dxf.get()));
    EXPECT_FALSE(com::QueryInterface<tiraq::DXFLayersInterface>(dxf.get()));
    com::UnregisterServer(TIRAQ_LIBRARY);
    EXPECT_EQ(com_test::ErrorOf([] { com::CreateObject(tiraq::kDXFProgId); }).Number(), com::kErrCannotCreateObject);
}

class TiraqMembers : public ::testing::Test {
protected:
    TiraqMembers() {
        com::RegisterServer(TIRAQ_LIBRARY);
        dxf_ = com::CreateInstance<tiraq::DXF>(tiraq::kDXFProgId);
    }

    com_test::TemporaryRegistry registry_;
    vb::Ref<tiraq::DXF> dxf_;
};

TEST_F(TiraqMembers, MembersNotBuiltYetRaiseThroughTheChain) {
    std::string error;
    ExpectNotImplemented(com_test::ErrorOf([&] { dxf_->ExportDXF(error); }), "ExportDXF");
    ExpectNotImplemented(com_test::ErrorOf([&] { dxf_->Save("a.dxf"); }), "Save");
    ExpectNotImplemented(com_test::ErrorOf([&] { dxf_->LetExportFileName("a.dxf"); }), "ExportFileName");
    ExpectNotImplemented(com_test::ErrorOf([&] { dxf_->SetInsertColor(error, 1, 2); }), "SetInsertColor");
}

TEST_F(TiraqMembers, MembersAreFoundByTheirDispatchIdentifiers) {
    EXPECT_EQ(dxf_->GetIDOfName("regen"), MakeDispId(0x6003004A));
    EXPECT_EQ(dxf_->GetIDOfName("About"), -552);
    EXPECT_EQ(dxf_->GetIDOfName("BackColor"), -501);
    EXPECT_EQ(dxf_->GetIDOfName("Font"), -512);
    EXPECT_EQ(dxf_->GetIDOfName("UseDXFFonts"), MakeDispId(0x6803FE25));

    std::vector<vb::Variant> none;
    ExpectNotImplementedFromTheComponent([&] { dxf_->Invoke(-552, InvokeKind::Method, none); }, "About");
    std::vector<vb::Variant> save{"a.dxf"};
    ExpectNotImplementedFromTheComponent([&] { dxf_->Invoke(MakeDispId(0x6003007D), InvokeKind::Method, save); },
                                         "Save");
    std::vector<vb::Variant> value{"a.dxf"};
    ExpectNotImplementedFromTheComponent(
        [&] { dxf_->Invoke(MakeDispId(0x6803FE0F), InvokeKind::PropertyPut, value); }, "ExportFileName");
    // The arguments are checked against the member's parameters before it is called.
    EXPECT_EQ(com_test::ErrorOf([&] { dxf_->Invoke(MakeDispId(0x6003004A), InvokeKind::Method, none); }).Number(),
              com::kErrWrongArguments);
    EXPECT_EQ(com_test::ErrorOf([&] { dxf_->Invoke(MakeDispId(0x68030014), InvokeKind::PropertyPut, value); }).Number(),
              com::kErrWrongArguments);  // Layers is read-only
}

TEST_F(TiraqMembers, HostsAdviseAndUnadviseTheirEventSink) {
    const auto cookie = dxf_->Advise(vb::New<ZoomSink>());
    dxf_->Unadvise(cookie);
    EXPECT_EQ(com_test::ErrorOf([&] { dxf_->Unadvise(cookie); }).Number(), vb::kErrInvalidCall);
}

}  // namespace
