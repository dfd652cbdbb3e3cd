#include "interaction/DiscCheck.h"
#include "interaction/LaunchFixture.h"

using platform::MessageAnswer;
using platform::headless::messageBoxes;

namespace {

// A menu whose one entry needs the disc `disk` and starts setup.
std::string needing(const std::string& disk, const std::string& thisDisk)
{
    return thisDisk + "NofItems=1\n[ITEM1]\nAction=setup\nDisk=" + disk + "\n";
}

} // namespace

class DiscCheckTest : public LaunchTest {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        installProgram("setup");
    }

    bool started() const { return !runs().empty(); }
};

TEST_F(DiscCheckTest, TheRightDiscStartsWithoutAPrompt)
{
    struct Case {
        const char* name;
        std::string definition;
    };
    const Case cases[] = {
        {"plain", needing("Disc2", "ThisDisk=Disc2\n")},
        {"key in any case", needing("Disc2", "thisdisk=Disc2\n")},
        {"inside a section", "NofItems=1\n[ITEM1]\nAction=setup\nDisk=Disc2\nThisDisk=Disc2\n"},
        {"after a comment", needing("Disc2", ";ThisDisk=Disc1\nThisDisk=Disc2\n")},
        {"the first of two", needing("A", "ThisDisk=A\nThisDisk=B\n")},
        {"blanks count", needing(" B ", "ThisDisk= B \n")},
        {"CR LF", needing("Disc2", "ThisDisk=Disc2\r\n")},
    };
    for (const Case& c : cases) {
        platform::headless::reset();
        std::filesystem::remove(record());
        launch(c.definition);
        EXPECT_TRUE(messageBoxes().empty()) << c.name;
        EXPECT_TRUE(started()) << c.name;
    }
}

TEST_F(DiscCheckTest, AnotherDiscIsAskedFor)
{
    struct Case {
        const char* name;
        std::string definition;
        const char* prompt;
    };
    const Case cases[] = {
        {"letter case counts", needing("disc2", "ThisDisk=Disc2\n"), "Please insert CDdisc2"},
        {"a trailing blank counts", needing("Disc2", "ThisDisk=Disc2 \n"), "Please insert CDDisc2"},
        {"the first line counts", needing("B", "ThisDisk=A\nThisDisk=B\n"), "Please insert CDB"},
        {"message 1 and the disk, nothing between", "ErrorMsg1=Insert disc \n" + needing("2", "ThisDisk=1\n"),
         "Insert disc 2"},
    };
    for (const Case& c : cases) {
        platform::headless::reset();
        launch(c.definition);
        ASSERT_EQ(messageBoxes().size(), 1u) << c.name;
        EXPECT_EQ(messageBoxes()[0].text, c.prompt) << c.name;
        EXPECT_EQ(messageBoxes()[0].buttons, platform::MessageButtons::retryCancel);
        EXPECT_EQ(messageBoxes()[0].icon, platform::MessageIcon::information);
        EXPECT_EQ(messageBoxes()[0].caption, "Corvanta - Install Selection");
        EXPECT_FALSE(std::filesystem::exists(record())) << c.name;
    }
}

TEST_F(DiscCheckTest, NoUsableIdentityEndsTheLaunchSilently)
{
    struct Case {
        const char* name;
        std::string definition;
    };
    const Case cases[] = {
        {"no line", needing("Disc2", "")},
        {"an empty value", needing("Disc2", "ThisDisk=\n")},
        {"a leading blank", needing("Disc2", " ThisDisk=Disc2\n")},
        {"commented", needing("Disc2", ";ThisDisk=Disc2\n")},
    };
    for (const Case& c : cases) {
        platform::headless::reset();
        launch(c.definition);
        EXPECT_TRUE(messageBoxes().empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(record())) << c.name;
    }
    platform::headless::reset();
    launch("NofItems=1\n[ITEM1]\nAction=setup\nDisk=Disc2\nThisDisk=Disc2");
    EXPECT_TRUE(messageBoxes().empty()) << "an unterminated last line is not seen";
    EXPECT_FALSE(std::filesystem::exists(record()));
}

TEST_F(DiscCheckTest, RetryReadsTheDiscAfresh)
{
    const std::string wrong = needing("Disc2", "ThisDisk=Disc1\n");
    platform::headless::queueAnswer(MessageAnswer::retry);
    platform::headless::queueAnswer(MessageAnswer::retry,
                                    [this, wrong] { disc.write("autoplay.ini", "ThisDisk=Disc2\n" + wrong); });
    launch(wrong);
    EXPECT_EQ(messageBoxes().size(), 2u);
    EXPECT_TRUE(started());
}

TEST_F(DiscCheckTest, CancelStartsNothingAndLeavesTheFolder)
{
    platform::headless::queueAnswer(MessageAnswer::cancel);
    launch(needing("Disc2", "ThisDisk=Disc1\n") + "Dir=.\\sub\n");
    EXPECT_EQ(messageBoxes().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(record()));
}

TEST_F(DiscCheckTest, AMissingDefinitionIsAskedForUntilItAppears)
{
    window = read(needing("Disc2", "ThisDisk=Disc2\n"));
    std::filesystem::remove(disc.path() / "autoplay.ini");
    platform::headless::queueAnswer(MessageAnswer::retry);
    platform::headless::queueAnswer(MessageAnswer::retry, [this] { disc.write("AUTOPLAY.INI", "ThisDisk=Disc2\n"); });
    testing_support::CurrentDirectory here(disc.path());
    EXPECT_TRUE(requireDisc(window->panel(), window->panel().item(0)));
    ASSERT_EQ(messageBoxes().size(), 2u);
    EXPECT_EQ(messageBoxes()[0].text, "Cannot open file: autoplay.ini");
    EXPECT_EQ(messageBoxes()[0].buttons, platform::MessageButtons::retryCancel);
    EXPECT_EQ(messageBoxes()[0].icon, platform::MessageIcon::stop);

    std::filesystem::remove(disc.path() / "AUTOPLAY.INI");
    platform::headless::reset();
    platform::headless::queueAnswer(MessageAnswer::cancel);
    EXPECT_EQ(readDiscId(window->panel()), "");
    EXPECT_EQ(messageBoxes().size(), 1u);
}

TEST_F(DiscCheckTest, LongLinesAreReadIn254CharacterPieces)
{
    const std::string filler(254, 'x');
    window = read(filler + "ThisDisk=Tail\n" + needing("Tail", ""));
    testing_support::CurrentDirectory here(disc.path());
    EXPECT_EQ(readDiscId(window->panel()), "Tail");
}
