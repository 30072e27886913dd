#include "vb/program_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramFolder, IsTheFolderOfTheRunningProgramUnlessPointedElsewhere) {
    const auto own = vb::ProgramFolder();
    EXPECT_TRUE(std::filesystem::exists(own / "vb_tests"));
    vb::SetProgramFolder("/tmp/elsewhere");
    EXPECT_EQ(vb::ProgramFolder(), "/tmp/elsewhere");
    vb::SetProgramFolder({});
    EXPECT_EQ(vb::ProgramFolder(), own);
}

}  // namespace
