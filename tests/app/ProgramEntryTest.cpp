#include "app/FailureReport.h"
#include "app/ProgramEntry.h"
#include "platform/InstanceGuard.h"
#include "platform/ProgramLocation.h"
#include "platform/WindowsPaths.h"
#include "platform/headless/Headless.h"
#include "platform/posix/LinuxPaths.h"
#include "support/BmpWriter.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

TEST(ProgramFolderTest, WindowsRules)
{
    struct Case {
        const char* programPath;
        const char* currentDirectory;
        const char* folder;
        bool guarded;
    };
    const Case cases[] = {
        {"E:\\AUTOPLAY\\start.exe", "C:\\Users", "E:\\AUTOPLAY\\", true},
        {"E:\\start.exe", "C:\\", "E:\\", false},
        {"E:\\cd\\autoplay\\start.exe", "C:\\", "E:\\cd\\autoplay\\", false},
        {"E:\\autoplayer\\start.exe", "C:\\", "E:\\autoplayer\\", false},
        {"E:\\AutoPlay\\menus\\start.exe", "C:\\", "E:\\AutoPlay\\menus\\", true},
        {"start.exe", "E:\\autoplay", "E:\\autoplay\\", true},
        {"autoplay\\start.exe", "E:\\", "E:\\\\autoplay\\", true},
        {"sub\\start.exe", "E:\\cd", "E:\\cd\\sub\\", false},
        {"start.exe", "", "\\", false},
    };
    for (const Case& c : cases) {
        const std::string folder = platform::windowsProgramFolder(c.programPath, c.currentDirectory);
        EXPECT_EQ(folder, c.folder) << c.programPath << " in " << c.currentDirectory;
        EXPECT_EQ(platform::windowsFolderIsInAutoplay(folder), c.guarded) << folder;
    }
    const std::string longDirectory = "C:\\" + std::string(400, 'd');
    EXPECT_EQ(platform::windowsProgramFolder("x\\start.exe", longDirectory), longDirectory + "\\x\\")
        << "no length limit";
}

TEST(ProgramFolderTest, LinuxRules)
{
    using platform::posix::isBelowAutoplayFolder;
    using platform::posix::linuxProgramFolder;
    EXPECT_EQ(linuxProgramFolder("/media/u/DISC/autoplay/autoplay", "/home/u", "/usr/bin"), "/media/u/DISC/autoplay/");
    EXPECT_EQ(linuxProgramFolder("autoplay", "/home/u", "/media/u/DISC/autoplay"), "/media/u/DISC/autoplay/")
        << "a bare name takes the executable's folder";
    EXPECT_EQ(linuxProgramFolder("sub/start", "/cd", "/x"), "/cd/sub/");
    EXPECT_EQ(linuxProgramFolder("autoplay\\start", "/", "/x"), "/autoplay/");
    EXPECT_EQ(linuxProgramFolder("./start", "/media/DISC/autoplay/", "/x"), "/media/DISC/autoplay/./");

    for (const char* path : {"autoplay", "autoplay/menus", "AutoPlay/", "/AUTOPLAY/x"})
        EXPECT_TRUE(isBelowAutoplayFolder(path)) << path;
    for (const char* path : {"autoplayer", "cd/autoplay", "", "home/user/autoplay"})
        EXPECT_FALSE(isBelowAutoplayFolder(path)) << path;

    testing_support::TempFolder folder;
    std::filesystem::create_directory(folder.path() / "autoplay");
    EXPECT_FALSE(platform::inTopLevelAutoplayFolder((folder.path() / "autoplay").string()))
        << "an autoplay folder deep inside a volume does not count";
}

TEST(InstanceGuardTest, OneHolderAtATime)
{
    const std::string name = "AutoPlayInstanceTest" + std::to_string(std::random_device{}());
    {
        platform::InstanceGuard first(name);
        ASSERT_EQ(first.outcome(), platform::InstanceGuard::Outcome::taken);
        platform::InstanceGuard second(name);
        EXPECT_EQ(second.outcome(), platform::InstanceGuard::Outcome::heldElsewhere);
    }
    platform::InstanceGuard again(name);
    EXPECT_EQ(again.outcome(), platform::InstanceGuard::Outcome::taken);
}

TEST(FailureReportTest, FourLinesThenADesktopBox)
{
    platform::headless::reset();
    std::ostringstream out;
    platform::PlatformError error("Cannot load picture x.bmp");
    error.pushText("Cannot build the window");
    reportFailure(error, out);
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Expection: Cannot build the window");
    std::getline(lines, line);
    EXPECT_TRUE(line.starts_with("File: ") && line.ends_with("ProgramEntryTest.cpp")) << line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Function: TestBody") << "the function the error was raised in";
    std::getline(lines, line);
    EXPECT_EQ(line, "Line: " + std::to_string(error.locations().front().line));

    const auto& boxes = platform::headless::messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "");
    EXPECT_FALSE(boxes[0].hadOwner);
    EXPECT_EQ(boxes[0].text, "Cannot build the window");
    EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::ok);
    EXPECT_EQ(boxes[0].icon, platform::MessageIcon::stop);
}

TEST(FailureReportTest, AnUnknownFunctionIsSaidSo)
{
    platform::headless::reset();
    std::ostringstream out;
    platform::PlatformError error("broken");
    const_cast<std::vector<platform::SourceLocation>&>(error.locations()).front().function.clear();
    reportFailure(error, out);
    EXPECT_NE(out.str().find("\nFunction: Unknown\n"), std::string::npos) << out.str();
}

class ProgramEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::reset();
        environment.useLocale("C");
    }

    int run(const std::filesystem::path& program)
    {
        testing_support::CurrentDirectory keep(std::filesystem::temp_directory_path());
        const std::string path = program.string();
        char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
        return runProgram(1, argv);
    }

    testing_support::TempFolder disc;
    testing_support::ScopedEnvironment environment;
};

TEST_F(ProgramEntryTest, APictureThatCannotBeLoadedIsReportedWithFourLinesAndABox)
{
    struct Case {
        const char* name;
        bool present;
    };
    for (const Case& c : {Case{"a missing picture", false}, Case{"a broken picture", true}}) {
        platform::headless::reset();
        disc.write("autoplay.ini", "Background=broken.bmp\n");
        std::filesystem::remove(disc.path() / "broken.bmp");
        if (c.present)
            disc.write("broken.bmp", "BM not really a bitmap");
        testing::internal::CaptureStdout();
        EXPECT_EQ(run(disc.path() / "autoplay"), 0) << c.name;
        const std::string out = testing::internal::GetCapturedStdout();
        std::istringstream lines(out);
        std::string line;
        for (const char* start : {"Expection: ", "File: ", "Function: ", "Line: "}) {
            ASSERT_TRUE(std::getline(lines, line)) << c.name;
            EXPECT_TRUE(line.starts_with(start)) << c.name << ": " << line;
        }
        EXPECT_NE(out.find("broken.bmp"), std::string::npos) << c.name << ": " << out;
        const auto& boxes = platform::headless::messageBoxes();
        ASSERT_EQ(boxes.size(), 1u) << c.name;
        EXPECT_EQ(boxes[0].caption, "") << c.name;
        EXPECT_FALSE(boxes[0].hadOwner) << c.name;
        EXPECT_EQ(boxes[0].icon, platform::MessageIcon::stop) << c.name;
        EXPECT_NE(boxes[0].text.find("broken.bmp"), std::string::npos) << c.name;
    }
}

TEST_F(ProgramEntryTest, TheProgramFolderBecomesCurrentAndTheLoopRuns)
{
    disc.write("autoplay.ini", "Title1=From its folder\n");
    bool ran = false;
    std::filesystem::path during;
    platform::headless::queueEvent([&] {
        ran = true;
        during = std::filesystem::current_path();
    });
    EXPECT_EQ(run(disc.path() / "autoplay"), 0);
    EXPECT_TRUE(ran);
    EXPECT_EQ(std::filesystem::canonical(during), std::filesystem::canonical(disc.path()));
    EXPECT_TRUE(platform::headless::messageBoxes().empty());
}

TEST_F(ProgramEntryTest, NoDefinitionEndsWithStatusMinusOne)
{
    try {
        run(disc.path() / "autoplay");
        FAIL() << "the program went on without a definition";
    } catch (const platform::headless::ExitRequested& exit) {
        EXPECT_EQ(exit.status(), -1);
    }
}
