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

// Called by identifier, an error of the control leaves the component with the control's number,
// its chain and the component's source.
template <class Action>
void ExpectChainFromTheComponent(Action action, const std::string& chain) {
    try {
        action();
        FAIL() << "no error";
    } catch (const com::Error& error) {
        EXPECT_EQ(error.Number(), vb::kVbObjectError + 1);
        EXPECT_EQ(error.Description(), chain);
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

TEST_F(TiraqMembers, OutputMembersAnswerThroughTheTypedInterface) {
    std::string error;
    EXPECT_FALSE(dxf_->ExportDXF(error));
    EXPECT_EQ(error, "The ExportFileName is blank.");
    EXPECT_FALSE(dxf_->SetInsertColor(error, 0, 2));
    EXPECT_EQ(error, "DXF.SetInsertColor: Cannot change the color of inserted block '0'.");
    dxf_->LetExportFileName("a.dxf");
    EXPECT_EQ(dxf_->ExportFileName(), "a.dxf");
}

TEST_F(TiraqMembers, MembersAreFoundByTheirDispatchIdentifiers) {
    EXPECT_EQ(dxf_->GetIDOfName("regen"), MakeDispId(0x6003004A));
    EXPECT_EQ(dxf_->GetIDOfName("About"), -552);
    EXPECT_EQ(dxf_->GetIDOfName("BackColor"), -501);
    EXPECT_EQ(dxf_->GetIDOfName("Font"), -512);
    EXPECT_EQ(dxf_->GetIDOfName("UseDXFFonts"), MakeDispId(0x6803FE25));

    std::vector<vb::Variant> none;
    std::vector<vb::Variant> save{"a.dxf"};
    // Nothing was loaded, so there is no file to copy.
    ExpectChainFromTheComponent([&] { dxf_->Invoke(MakeDispId(0x6003007D), InvokeKind::Method, save); },
                                "File not found\r\n ->  Save.");
    std::vector<vb::Variant> value{"a.dxf"};
    dxf_->Invoke(MakeDispId(0x6803FE0F), InvokeKind::PropertyPut, value);
    EXPECT_EQ(dxf_->Invoke(MakeDispId(0x6803FE0F), InvokeKind::PropertyGet, none).ToString(), "a.dxf");
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
