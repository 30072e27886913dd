#pragma once

#include "doubles/scripted_dialogs.h"
#include "gui/dialog_service.h"

#include <gtest/gtest.h>

#include <memory>

// Every shell test answers the program's questions through a script and sees what was asked.
class ShellTest : public ::testing::Test {
protected:
    ShellTest() : dialogs_(new gui::ScriptedDialogs) {
        previous_ = gui::InstallDialogs(std::unique_ptr<gui::DialogService>(dialogs_));
    }
    ~ShellTest() override { gui::InstallDialogs(std::move(previous_)); }

    gui::ScriptedDialogs& Dialogs() { return *dialogs_; }

private:
    gui::ScriptedDialogs* dialogs_;
    std::unique_ptr<gui::DialogService> previous_;
};
