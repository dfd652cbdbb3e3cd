#include "interaction/LaunchFixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using Arguments = std::vector<std::string>;
using platform::headless::messageBoxes;

namespace {

std::string entry(const std::string& keys)
{
    return "NofItems=1\n[ITEM1]\n" + keys;
}

} // namespace

TEST_F(LaunchTest, ExitEndsTheMenuAtOnceWithoutADiscCheck)
{
    EXPECT_EQ(launch(entry("Action=exit\n")), 0);
    EXPECT_EQ(launch(entry("Action=exit\nDisk=Elsewhere\n")), 0);
    EXPECT_TRUE(messageBoxes().empty()) << "no disc prompt, no open prompt";
}

TEST_F(LaunchTest, OnlyExactlyExitIsTheExitAction)
{
    for (const char* action : {"Exit", "EXIT", "exit "}) {
        platform::headless::reset();
        EXPECT_EQ(launch(entry(std::string("Action=") + action + "\n")), -999) << action;
        ASSERT_EQ(messageBoxes().size(), 1u) << action << " is looked for as a program, and not found";
        EXPECT_EQ(messageBoxes()[0].text, std::string("Cound not Change Directory/Execute: ") + action);
    }
}

TEST_F(LaunchTest, AnEmptyActionDoesNothing)
{
    EXPECT_EQ(launch(entry("Disk=Nowhere\nDir=missing\nExit=1\n")), -999);
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(LaunchTest, TheProgramGetsItsNameAndParameters)
{
    installProgram("setup");
    struct Case {
        const char* keys;
        Arguments arguments;
    };
    const Case cases[] = {
        {"Action=setup\nParam=/s /q\n", {"setup", "/s", "/q"}},
        {"Action=setup\n", {"setup"}},
        {"Action=setup\nParam= lead\n", {"setup", "lead"}},
        {"Action=setup.\n", {"setup."}}, // a final dot: the file has no extension
        {"Action=setup \nParam=x\n", {"setup", "x"}},
        {"Action=setup\nParam=a\\\"b \"c d\" e\\\\\\\\\"f g\" h\\i\n", {"setup", "a\"b", "c d", "e\\\\f g", "h\\i"}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(record());
        EXPECT_EQ(launch(entry(c.keys)), -999) << c.keys;
        const auto started = runs();
        ASSERT_EQ(started.size(), 1u) << c.keys;
        EXPECT_EQ(started[0].arguments, c.arguments) << c.keys;
        EXPECT_TRUE(messageBoxes().empty()) << c.keys;
    }
}

TEST_F(LaunchTest, NamesAreSearchedInTheCurrentFolderThenAlongPath)
{
    const auto onPath = installProgram("bin/tool");
    environment.set("PATH", (disc.path() / "bin").string() + ":/usr/bin:/bin");
    EXPECT_EQ(launch(entry("Action=tool\nParam=from path\n")), -999);
    auto started = runs();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].arguments, (Arguments{"tool", "from", "path"}));

    installProgram("tool");
    std::filesystem::remove(onPath);
    std::filesystem::remove(record());
    EXPECT_EQ(launch(entry("Action=tool\n")), -999);
    EXPECT_EQ(runs().size(), 1u) << "the copy in the current folder";

    environment.clear("PATH");
    std::filesystem::remove(disc.path() / "tool");
    platform::headless::reset();
    EXPECT_EQ(launch(entry("Action=tool\n")), -999);
    EXPECT_EQ(messageBoxes().size(), 1u) << "nowhere to be found";
}

TEST_F(LaunchTest, AbsoluteNamesAreUsedAsTheyAre)
{
    const auto program = installProgram("deep/inside/run");
    EXPECT_EQ(launch(entry("Action=" + program.string() + "\nParam=x\n")), -999);
    const auto started = runs();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].arguments, (Arguments{program.string(), "x"}));

    std::filesystem::permissions(program, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(launch(entry("Action=" + program.string() + "\n")), -999);
    EXPECT_EQ(messageBoxes().size(), 1u) << "a file that may not be run does not count";
}

TEST_F(LaunchTest, TheEntryFolderIsCurrentForTheProgramAndRestoredAfterwards)
{
    installProgram("Setup/setup");
    EXPECT_EQ(launch(entry("Action=setup\nDir=setup\n")), -999) << "the folder is found in any letter case";
    const auto started = runs();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(std::filesystem::canonical(started[0].directory), std::filesystem::canonical(disc.path() / "Setup"));
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(LaunchTest, TheMenuFolderIsCurrentAgainAfterTheLaunch)
{
    installProgram("setup/setup");
    window = read(entry("Action=setup\nDir=setup\n"));
    testing_support::CurrentDirectory here(disc.path());
    launchItem(window->panel(), window->panel().item(0));
    EXPECT_EQ(std::filesystem::canonical(std::filesystem::current_path()), std::filesystem::canonical(disc.path()));
}

TEST_F(LaunchTest, AMissingFolderIsReportedAndNothingStarts)
{
    installProgram("setup");
    EXPECT_EQ(launch(entry("Action=setup\nDir=missing\\\nExit=1\n")), -999) << "the menu stays open";
    ASSERT_EQ(messageBoxes().size(), 1u);
    const auto& box = messageBoxes()[0];
    EXPECT_EQ(box.text, "Cound not Change Directory/Execute: missing\\setup");
    EXPECT_EQ(box.caption, "Corvanta - Install Selection");
    EXPECT_EQ(box.buttons, platform::MessageButtons::ok);
    EXPECT_EQ(box.icon, platform::MessageIcon::exclamation);
    EXPECT_FALSE(std::filesystem::exists(record()));
}

TEST_F(LaunchTest, AProgramThatCannotStartIsReported)
{
    disc.write("readme.txt", "not a program\n");
    EXPECT_EQ(launch(entry("Action=readme.txt\nExit=1\n")), 0) << "the exit setting still counts";
    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_EQ(messageBoxes()[0].text, "Cound not Change Directory/Execute: readme.txt");
    EXPECT_EQ(messageBoxes()[0].icon, platform::MessageIcon::exclamation);
}

TEST_F(LaunchTest, ExitOneEndsTheMenuAfterTheStart)
{
    installProgram("setup");
    struct Case {
        const char* exit;
        int status;
    };
    for (const Case& c : {Case{"1", 0}, Case{"1 ", -999}, Case{"true", -999}, Case{"01", -999}, Case{"", -999}}) {
        std::filesystem::remove(record());
        EXPECT_EQ(launch(entry(std::string("Action=setup\nExit=") + c.exit + "\n")), c.status) << c.exit;
        EXPECT_EQ(runs().size(), 1u) << "started either way: " << c.exit;
    }
}

namespace {

// The processes this test program has as children, from every thread's list.
std::string childProcesses()
{
    std::string children;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream list(task.path() / "children");
        children += std::string(std::istreambuf_iterator<char>(list), {});
    }
    return children;
}

} // namespace

// The program is no child of the menu, so it never lingers as a zombie, and
// it inherits none of the menu's descriptors, even one not marked to close.
TEST_F(LaunchTest, TheProgramIsDetachedAndInheritsNoDescriptors)
{
    installProgram("setup");
    std::FILE* held = std::fopen("/dev/null", "r"); // deliberately not closed on exec
    ASSERT_NE(held, nullptr);
    environment.set("AUTOPLAY_CHECK_FD", std::to_string(fileno(held)));
    EXPECT_EQ(launch(entry("Action=setup\nParam=x\n")), -999);
    const auto started = runs();
    std::fclose(held);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].arguments, (Arguments{"setup", "x", "descriptor closed"}));
    EXPECT_EQ(childProcesses(), "") << "the menu has no child left, running or to reap";
}

TEST_F(LaunchTest, AFolderWithTrailingBlanksIsEnteredAsOnWindows)
{
    installProgram("Setup/setup");
    EXPECT_EQ(launch(entry("Action=setup\nDir=setup \n")), -999);
    const auto started = runs();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(std::filesystem::canonical(started[0].directory), std::filesystem::canonical(disc.path() / "Setup"));
    EXPECT_TRUE(messageBoxes().empty());
}
