#include "picture/PixelRows.h"

#include "support/TempFolder.h"

#include "platform/PictureLoader.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace bmp_test;
using platform::loadPicture;

const std::string fixtureFolder = std::string(AUTOPLAY_FIXTURES) + "/bmp";

std::string fixture(const std::string& name)
{
    return fixtureFolder + "/" + name;
}

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The picture that every good file in the fixture folder holds; see
// make_fixtures.py there.
const PixelRows fixturePicture = {
    {red, red, green, blue, white},
    {black, green, green, green, blue},
    {white, blue, red, black, red},
};

class FixtureFile : public testing::TestWithParam<const char*> {};

TEST_P(FixtureFile, LoadsTheSamePicture)
{
    const auto bitmap = loadPicture(fixture(GetParam()));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(describe(*bitmap), describe(fixturePicture));
}

INSTANTIATE_TEST_SUITE_P(Bmp, FixtureFile,
                         testing::Values("rgb24.bmp", "bgrx32_top_down.bmp", "rgb565_v5.bmp", "pal8_rle8.bmp",
                                         "pal4_rle4.bmp", "pal4_os2.bmp"),
                         [](const auto& testCase) {
                             std::string name = testCase.param;
                             return name.substr(0, name.find('.'));
                         });

// Expects loading `path` to raise a PlatformError whose text names the path
// and contains `reason`.
void expectRefused(const std::string& path, const std::string& reason)
{
    try {
        loadPicture(path);
        FAIL() << path << " loaded without an error";
    } catch (const platform::PlatformError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find(path), std::string::npos) << text;
        EXPECT_NE(text.find(reason), std::string::npos) << text;
    }
}

TEST(PictureLoader, RefusesATruncatedFileNamingIt)
{
    expectRefused(fixture("truncated.bmp"), "the file is truncated in the pixel data");
}

TEST(PictureLoader, RefusesAMissingFileNamingIt)
{
    const testing_support::TempFolder folder;
    expectRefused((folder.path() / "missing.bmp").string(), "missing.bmp");
}

TEST(PictureLoader, RefusesOtherExtensionsNamingTheFile)
{
    const testing_support::TempFolder folder;
    const std::string bitmap = contentOf(fixture("rgb24.bmp"));
    for (const char* name : {"start.gif", "start.tif", "start.bmp.txt", "start", "bmp", "folder.bmp/start"}) {
        SCOPED_TRACE(name);
        expectRefused(folder.write(name, bitmap).string(), "unknown picture format");
    }
}

TEST(PictureLoader, AcceptsBitmapExtensionsInAnyCase)
{
    const testing_support::TempFolder folder;
    const std::string bitmap = contentOf(fixture("rgb24.bmp"));
    for (const char* name : {"START.BMP", "start.Bmp", "start.dib", "START.DIB"}) {
        SCOPED_TRACE(name);
        const auto loaded = loadPicture(folder.write(name, bitmap).string());
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(describe(*loaded), describe(fixturePicture));
    }
}

TEST(PictureLoader, RefusesAnEmptyFileNamingIt)
{
    const testing_support::TempFolder folder;
    expectRefused(folder.write("empty.bmp", "").string(), "the file is empty");
}

} // namespace

TEST(PictureLoader, ReadsPngAndJpeg)
{
    const std::string pictures = std::string(AUTOPLAY_FIXTURES) + "/pictures/";
    const auto png = loadPicture(pictures + "rgb.png");
    EXPECT_EQ(describe(*png), describe(fixturePicture)) << "the same picture as the bitmaps";

    const auto jpeg = loadPicture(pictures + "solid.jpg");
    ASSERT_EQ(jpeg->size(), (platform::Size{16, 16}));
    const std::uint32_t pixel = jpeg->pixel(8, 8);
    EXPECT_NEAR(static_cast<int>(pixel >> 16), 0x33, 6);
    EXPECT_NEAR(static_cast<int>((pixel >> 8) & 0xFF), 0x66, 6);
    EXPECT_NEAR(static_cast<int>(pixel & 0xFF), 0xCC, 6);

    const auto halfRed = loadPicture(pictures + "half-red.png");
    EXPECT_NEAR(static_cast<int>(halfRed->pixel(0, 0) >> 16), 128, 1) << "laid over black";
    EXPECT_EQ(halfRed->pixel(0, 0) & 0xFFFF, 0u);
}

TEST(PictureLoader, RefusesBrokenPngAndJpegNamingThem)
{
    const testing_support::TempFolder folder;
    const std::string png = contentOf(std::string(AUTOPLAY_FIXTURES) + "/pictures/rgb.png");
    expectRefused(folder.write("cut.png", png.substr(0, png.size() / 2)).string(), "cut.png");
    expectRefused(folder.write("text.JPG", "not a picture at all").string(), "text.JPG");
    expectRefused(folder.write("bitmap.jpeg", contentOf(fixture("rgb24.bmp"))).string(), "bitmap.jpeg");
    // A header that claims a huge picture is refused before anything is
    // decoded: width and height sit at bytes 16 to 23 of a PNG.
    std::string huge = png;
    for (int i = 16; i < 24; ++i)
        huge[static_cast<std::size_t>(i)] = i % 4 == 1 ? '\x7F' : '\0';
    expectRefused(folder.write("huge.png", huge).string(), "huge.png");
}
