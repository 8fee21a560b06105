// Tests for where ferlow.ini lives on each platform.
#include "storage/high_score_path.h"

#include <gtest/gtest.h>

namespace ferlow::storage {
namespace {

namespace fs = std::filesystem;

TEST(HighScorePath, WindowsUsesProgramFilesOnTheGivenDrive)
{
    EXPECT_EQ(highScoreFilePath(Platform::Windows, {"/ignored", "/ignored", "D:\\Games\\Keno"}).string(),
              "D:\\program files\\ferlow\\ferlow.ini");
    EXPECT_EQ(highScoreFilePath(Platform::Windows, {{}, {}, "C:\\"}).string(), "C:\\program files\\ferlow\\ferlow.ini");
    // A bare drive letter means the root of that drive.
    EXPECT_EQ(highScoreFilePath(Platform::Windows, {{}, {}, "D:"}).string(), "D:\\program files\\ferlow\\ferlow.ini");
}

TEST(HighScorePath, LinuxPrefersAnAbsoluteXdgDataHome)
{
    EXPECT_EQ(highScoreFilePath(Platform::Linux, {"/data/anna", "/home/anna", {}}), "/data/anna/ferlow/ferlow.ini");
    EXPECT_EQ(highScoreFilePath(Platform::Linux, {"/data/anna/", "/home/anna", {}}), "/data/anna/ferlow/ferlow.ini");
    EXPECT_EQ(highScoreFilePath(Platform::Linux, {"/data/anna", "", "C:\\"}), "/data/anna/ferlow/ferlow.ini");
}

TEST(HighScorePath, LinuxFallsBackToHomeWhenXdgDataHomeIsEmptyOrRelative)
{
    const fs::path inHome = "/home/anna/.local/share/ferlow/ferlow.ini";
    EXPECT_EQ(highScoreFilePath(Platform::Linux, {"", "/home/anna", {}}), inHome);
    EXPECT_EQ(highScoreFilePath(Platform::Linux, {"data", "/home/anna", {}}), inHome);
    EXPECT_EQ(highScoreFilePath(Platform::Linux, {"./share", "/home/anna", {}}), inHome);
    EXPECT_EQ(highScoreFilePath(Platform::Linux, {"~/share", "/home/anna", {}}), inHome);
}

TEST(HighScorePath, LinuxWithoutAUsableHomeHasNoPath)
{
    EXPECT_TRUE(highScoreFilePath(Platform::Linux, {"", "", {}}).empty());
    EXPECT_TRUE(highScoreFilePath(Platform::Linux, {"relative", "", {}}).empty());
    EXPECT_TRUE(highScoreFilePath(Platform::Linux, {"", "relative/home", {}}).empty());
}

TEST(HighScorePath, SaysWhyThereIsNoPath)
{
    const struct {
        Environment environment;
        std::string why;
    } cases[] = {
        {{"", "", {}}, "neither XDG_DATA_HOME nor HOME is set"},
        {{"", "home", {}}, "HOME is not an absolute path: \"home\""},
        {{"data", "", {}}, "XDG_DATA_HOME is not an absolute path: \"data\", and HOME is not set"},
        {{"data", "~", {}}, "XDG_DATA_HOME is not an absolute path: \"data\", and HOME is not an absolute path: \"~\""},
        {{"data", "/home/anna", {}}, ""},
        {{"/data", "", {}}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.environment.xdgDataHome + " | " + c.environment.home);
        EXPECT_EQ(whyNoHighScorePath(c.environment), c.why);
        EXPECT_EQ(highScoreFilePath(Platform::Linux, c.environment).empty(), !c.why.empty());
    }
}

}  // namespace
}  // namespace ferlow::storage
