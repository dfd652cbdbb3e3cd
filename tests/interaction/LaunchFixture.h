#pragma once

#include "interaction/ItemLaunch.h"
#include "menu/DefinitionFixture.h"
#include "support/LaunchRecord.h"

#include <filesystem>

// A disc folder with the record-args program in it under any name, and the
// menu built from it, launched with the disc folder as current directory.
class LaunchTest : public DefinitionTest {
protected:
    void SetUp() override
    {
        DefinitionTest::SetUp();
        environment.set("AUTOPLAY_RECORD", record().string());
    }

    std::filesystem::path record() const { return disc.path() / "record.txt"; }

    // Puts the record-args program at `relative` below the disc folder.
    std::filesystem::path installProgram(const std::string& relative) const
    {
        const std::filesystem::path target = disc.path() / relative;
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(AUTOPLAY_RECORD_ARGS, target, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::permissions(target, std::filesystem::perms::owner_all);
        return target;
    }

    // Builds the menu from `definition` and launches entry `index`; gives
    // the exit status when the launch ends the process, else -999.
    int launch(const std::string& definition, std::int32_t index = 0)
    {
        window = read(definition);
        testing_support::CurrentDirectory here(disc.path());
        try {
            launchItem(window->panel(), window->panel().item(index));
        } catch (const platform::headless::ExitRequested& exit) {
            return exit.status();
        }
        return -999;
    }

    std::vector<testing_support::RecordedRun> runs(std::size_t expected = 1) const
    {
        return testing_support::waitForRuns(record(), expected);
    }

    std::unique_ptr<MenuWindow> window;
};
