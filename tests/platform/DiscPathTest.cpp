#include "platform/posix/DiscPath.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using platform::posix::resolveDiscPath;

TEST(DiscPathTest, BackslashesAndLetterCase)
{
    testing_support::TempFolder folder;
    folder.write("Setup/Bin/Run.sh", "");
    testing_support::CurrentDirectory here(folder.path());
    struct Case {
        const char* given;
        const char* resolved;
    };
    for (const Case& c : {Case{"Setup\\Bin\\Run.sh", "Setup/Bin/Run.sh"}, Case{"setup\\bin\\run.SH", "Setup/Bin/Run.sh"},
                          Case{".\\SETUP\\bin", "./Setup/Bin"}, Case{"setup/missing/run.sh", "Setup/missing/run.sh"},
                          Case{"missing\\Bin", "missing/Bin"}, Case{"", ""}, Case{"setup\\..\\SETUP", "Setup/../Setup"}}) {
        EXPECT_EQ(resolveDiscPath(c.given), c.resolved) << c.given;
    }
    const std::string absolute = (folder.path() / "SETUP" / "bin").string();
    EXPECT_EQ(resolveDiscPath(absolute), (folder.path() / "Setup" / "Bin").string());
}

TEST(DiscPathTest, AnExactNameWinsOverOthersInOtherCase)
{
    testing_support::TempFolder folder;
    folder.write("data/README", "upper");
    folder.write("data/readme", "lower");
    folder.write("data/ReadMe.txt", "");
    testing_support::CurrentDirectory here(folder.path());
    EXPECT_EQ(resolveDiscPath("data\\readme"), "data/readme");
    EXPECT_EQ(resolveDiscPath("data\\README"), "data/README");
    EXPECT_EQ(resolveDiscPath("data\\Readme"), "data/README") << "several matches: the first in name order";
    EXPECT_EQ(resolveDiscPath("DATA\\readme.TXT"), "data/ReadMe.txt");
}

TEST(DiscPathTest, TrailingBlanksAndDotsAreNoPartOfAName)
{
    testing_support::TempFolder folder;
    folder.write("setup/run", "");
    testing_support::CurrentDirectory here(folder.path());
    struct Case {
        const char* given;
        const char* resolved;
    };
    for (const Case& c : {Case{"setup \\run", "setup/run"}, Case{"SETUP.\\run  ", "setup/run"},
                          Case{"setup\\run. .", "setup/run"}, Case{"setup\\ ", "setup/ "}}) {
        EXPECT_EQ(resolveDiscPath(c.given), c.resolved) << c.given;
    }
}

TEST(DiscPathTest, RealNamesWithBackslashesAreKept)
{
    testing_support::TempFolder folder;
    folder.write("odd\\name/file", "");
    const std::string real = (folder.path() / "odd\\name").string();
    EXPECT_EQ(resolveDiscPath(real), real);
    EXPECT_EQ(resolveDiscPath(real + "/file"), real + "/file");
}
