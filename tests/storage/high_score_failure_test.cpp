// Tests for files that cannot be read or written: the player's data must survive and the
// failure must be reported, never hidden.
#include "storage/high_score_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ferlow::storage {
namespace {

using testing::entriesOf;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

const HighScoreTable kNewScores{{{250000, "Anna"}, {40000, "Bo"}, {32768, "Cy"}, {1, "Di"}, {0, "Ed"}}};

void expectFailureNaming(const SaveResult& saved, const fs::path& file, int reason)
{
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find(file.string()), std::string::npos) << saved.error;
    EXPECT_NE(saved.error.find(std::strerror(reason)), std::string::npos) << saved.error;
}

TEST(HighScoreFileFailure, DirectoryInPlaceOfTheFileIsUnreadableAndSurvivesASave)
{
    TempFolder folder;
    const fs::path file = folder / "ferlow.ini";
    fs::create_directory(file);
    writeBytes(file / "keep.txt", "precious");

    const LoadResult loaded = loadHighScores(file);
    EXPECT_EQ(loaded.status, LoadStatus::Unreadable);
    EXPECT_EQ(loaded.table, defaultHighScores());
    EXPECT_NE(loaded.error.find(file.string()), std::string::npos) << loaded.error;
    EXPECT_TRUE(loaded.keptAside.empty());

    expectFailureNaming(saveHighScores(file, kNewScores), file, EISDIR);
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(readBytes(file / "keep.txt"), "precious");
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"ferlow.ini"});
}

TEST(HighScoreFileFailure, PipeInPlaceOfTheFileIsUnreadableWithoutBlocking)
{
    TempFolder folder;
    const fs::path file = folder / "ferlow.ini";
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);

    const LoadResult loaded = loadHighScores(file);
    EXPECT_EQ(loaded.status, LoadStatus::Unreadable);
    EXPECT_EQ(loaded.table, defaultHighScores());
    EXPECT_TRUE(fs::is_fifo(file));
}

TEST(HighScoreFileFailure, FileWithoutReadPermissionIsUnreadableAndLeftAlone)
{
    TempFolder folder;
    if (testing::permissionsAreIgnored(folder.path()))
        GTEST_SKIP() << "permission bits do not stop this user from reading";
    const fs::path file = folder / "ferlow.ini";
    writeBytes(file, formatHighScores(kNewScores));
    fs::permissions(file, fs::perms::none);

    const LoadResult loaded = loadHighScores(file);
    EXPECT_EQ(loaded.status, LoadStatus::Unreadable);
    EXPECT_EQ(loaded.table, defaultHighScores());
    EXPECT_NE(loaded.error.find(std::strerror(EACCES)), std::string::npos) << loaded.error;
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(readBytes(file), formatHighScores(kNewScores));
}

TEST(HighScoreFileFailure, UnwritableFolderFailsCleanly)
{
    TempFolder folder;
    const fs::path scores = folder / "scores";
    fs::path file = scores / "ferlow.ini";
    fs::create_directory(scores);
    const std::string oldBytes = formatHighScores(defaultHighScores());
    writeBytes(file, oldBytes);

    int reason = EACCES;
    if (testing::permissionsAreIgnored(folder.path())) {
        // Running as root: a regular file where the folder should be stops any user.
        file = folder / "scores" / "ferlow.ini" / "ferlow.ini";
        reason = ENOTDIR;
    } else {
        fs::permissions(scores, fs::perms::owner_read | fs::perms::owner_exec);
    }

    expectFailureNaming(saveHighScores(file, kNewScores), file, reason);
    fs::permissions(scores, fs::perms::owner_all);
    EXPECT_EQ(readBytes(scores / "ferlow.ini"), oldBytes);
    EXPECT_EQ(entriesOf(scores), std::set<std::string>{"ferlow.ini"});
}

TEST(HighScoreFileFailure, FileInPlaceOfTheFolderFailsCleanly)
{
    TempFolder folder;
    writeBytes(folder / "ferlow", "not a folder");
    const fs::path file = folder / "ferlow" / "ferlow.ini";

    EXPECT_EQ(loadHighScores(file).status, LoadStatus::Missing);
    expectFailureNaming(saveHighScores(file, kNewScores), file, ENOTDIR);
    EXPECT_EQ(readBytes(folder / "ferlow"), "not a folder");
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"ferlow"});
}

// A write that fails halfway (here: the file size limit, which binds root too) must leave
// the old file as it was and no temporary file behind.
TEST(HighScoreFileFailure, WriteFailingHalfwayLeavesTheOldFile)
{
    TempFolder folder;
    const fs::path file = folder / "ferlow.ini";
    const std::string oldBytes = formatHighScores(defaultHighScores());
    writeBytes(file, oldBytes);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        const SaveResult saved = saveHighScores(file, kNewScores);
        const bool reported = !saved.ok && saved.error.find(file.string()) != std::string::npos &&
                              saved.error.find(std::strerror(EFBIG)) != std::string::npos;
        ::_exit(reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was not reported with its path and reason";
    EXPECT_EQ(readBytes(file), oldBytes);
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"ferlow.ini"});
}

}  // namespace
}  // namespace ferlow::storage
