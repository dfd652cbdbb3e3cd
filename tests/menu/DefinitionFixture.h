#pragma once

#include "platform/headless/Headless.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"
#include "window/MenuWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A disc folder in a temporary place, made the current directory while the
// menu window is built from it, with a locale that has no language folder
// unless a test chooses one.
class DefinitionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::reset();
        environment.useLocale("C");
    }

    std::unique_ptr<MenuWindow> build() const
    {
        testing_support::CurrentDirectory here(disc.path());
        return std::make_unique<MenuWindow>(90);
    }

    std::unique_ptr<MenuWindow> read(const std::string& definition) const
    {
        disc.write("autoplay.ini", definition);
        return build();
    }

    // The status the process ends with while the window is built, or -999
    // when it does not end.
    int exitStatusOfBuild() const
    {
        try {
            build();
        } catch (const platform::headless::ExitRequested& exit) {
            return exit.status();
        }
        return -999;
    }

    testing_support::TempFolder disc;
    testing_support::ScopedEnvironment environment;
};
