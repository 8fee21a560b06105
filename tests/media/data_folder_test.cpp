// Data folder: share/ferlow beside bin, canonical, and the FERLOW_DATA_DIR override.
#include "audio_fixtures.h"
#include "media/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ferlow::media::test {
namespace {

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath("prefix/bin"));
        ASSERT_TRUE(QDir(dir_.path()).mkpath("prefix/share/ferlow"));
        shareFolder_ = QFileInfo(dir_.filePath("prefix/share/ferlow")).canonicalFilePath() + "/";
    }
    QTemporaryDir dir_;
    QString shareFolder_;
};

TEST_F(DataFolderTest, IsShareFerlowBesideTheExecutablesFolder)
{
    EXPECT_EQ(dataFolderFor(dir_.filePath("prefix/bin")), shareFolder_);
    EXPECT_EQ(dataFolderFor(dir_.filePath("prefix/bin/")), shareFolder_);
}

TEST_F(DataFolderTest, IsCanonicalWhenReachedThroughALink)
{
    ASSERT_TRUE(QFile::link(dir_.filePath("prefix"), dir_.filePath("linked")));
    EXPECT_EQ(dataFolderFor(dir_.filePath("linked/bin")), shareFolder_);
}

TEST_F(DataFolderTest, AMissingFolderStaysAbsoluteAndClean)
{
    ASSERT_TRUE(QDir(dir_.path()).mkpath("bare/bin"));
    const QString folder = dataFolderFor(dir_.filePath("bare/bin"));
    EXPECT_EQ(folder, QDir::cleanPath(dir_.filePath("bare/share/ferlow")) + "/");
    EXPECT_TRUE(QDir::isAbsolutePath(folder));
}

TEST_F(DataFolderTest, ANonEmptyOverrideWins)
{
    ASSERT_TRUE(QDir(dir_.path()).mkpath("elsewhere"));
    const QString elsewhere = QFileInfo(dir_.filePath("elsewhere")).canonicalFilePath() + "/";
    EXPECT_EQ(dataFolderFor(dir_.filePath("prefix/bin"), dir_.filePath("elsewhere")), elsewhere);
    EXPECT_EQ(dataFolderFor(dir_.filePath("prefix/bin"), dir_.filePath("elsewhere/")), elsewhere);
    EXPECT_EQ(dataFolderFor(dir_.filePath("prefix/bin"), QString()), shareFolder_);
}

TEST_F(DataFolderTest, InstalledDataFolderHonoursTheEnvironment)
{
    {
        ScopedEnv env(kDataDirVariable, dir_.filePath("prefix/share/ferlow").toStdString());
        EXPECT_EQ(installedDataFolder(), shareFolder_);
    }
    // Set but empty counts as unset: the folder beside this test's bin folder.
    QString beside;
    {
        ScopedEnv env(kDataDirVariable, std::nullopt);
        beside = installedDataFolder();
    }
    ScopedEnv env(kDataDirVariable, "");
    EXPECT_EQ(installedDataFolder(), beside);
    EXPECT_TRUE(beside.endsWith("/share/ferlow/")) << beside.toStdString();
    EXPECT_NE(beside, shareFolder_);
}

}  // namespace
}  // namespace ferlow::media::test
