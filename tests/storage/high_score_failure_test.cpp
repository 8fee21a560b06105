// Tests for files that cannot be read or written, or must not be: the player's data must
// survive and the failure must be reported, never hidden.
#include "storage/high_score_file.h"
#include "support/tables.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ferlow::storage {
namespace {

using test::entriesOf;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

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

    const LoadResult loaded = loadHighScores(file, test::standardTable());
    EXPECT_EQ(loaded.status, LoadStatus::Unreadable);
    EXPECT_EQ(loaded.table, test::standardTable());
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

    const LoadResult loaded = loadHighScores(file, test::standardTable());
    EXPECT_EQ(loaded.status, LoadStatus::Unreadable);
    EXPECT_EQ(loaded.table, test::standardTable());
    EXPECT_TRUE(fs::is_fifo(file));
}

// A file the game cannot read loads as the standard table; saving that over it would
// lose its scores for good (the new file would keep the unreadable mode). Root reads
// anything, so the game runs in a child that has become nobody.
TEST(HighScoreFileFailure, FileThatCannotBeReadIsNeverSavedOver)
{
    const bool root = ::getuid() == 0;
    const struct {
        const char* what;
        bool rootsFile;  // left by a run under sudo
        fs::perms mode;
    } cases[] = {
        {"the player's own file, mode 0200", false, fs::perms::owner_write},
        {"root's file, mode 0600", true, fs::perms::owner_read | fs::perms::owner_write},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.rootsFile && !root) continue;  // only root can leave such a file here
        TempFolder folder;
        const fs::path file = folder / "ferlow.ini";
        writeBytes(file, formatHighScores(kNewScores));
        if (root) {
            fs::permissions(folder.path(), fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add);
            ASSERT_EQ(::chown(folder.path().c_str(), test::kNobody, test::kNobody), 0);
            if (!c.rootsFile) {
                ASSERT_EQ(::chown(file.c_str(), test::kNobody, test::kNobody), 0);
            }
        }
        fs::permissions(file, c.mode);

        const test::ChildResult child = test::inChild(
            [&] {
                const LoadResult loaded = loadHighScores(file, test::standardTable());
                if (loaded.status != LoadStatus::Unreadable || loaded.table != test::standardTable())
                    return std::string("the file did not load as unreadable");
                if (loaded.error.find(std::strerror(EACCES)) == std::string::npos)
                    return "the load does not say why: " + loaded.error;
                const SaveResult saved = saveHighScores(file, loaded.table);
                if (saved.ok) return std::string("the save replaced the file");
                if (saved.error.find(file.string()) == std::string::npos)
                    return "the failed save does not name the file: " + saved.error;
                return std::string("ok");
            },
            /*asNobody=*/true);
        if (child.report == "cannot become nobody") GTEST_SKIP() << "this root cannot drop to nobody";
        EXPECT_EQ(child.report, "ok");
        EXPECT_EQ(fs::status(file).permissions(), c.mode);
        EXPECT_EQ(readBytes(file), formatHighScores(kNewScores));
        EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"ferlow.ini"});
    }
}

// Everything about a folder's entries a save could change: kind and mode, the file
// itself (its inode), where a link leads, what a file holds.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        std::string what = std::to_string(info.st_mode) + " #" + std::to_string(info.st_ino);
        if (S_ISLNK(info.st_mode)) what += " -> " + fs::read_symlink(entry.path()).string();
        if (S_ISREG(info.st_mode)) what += " " + readBytes(entry.path());
        entries[entry.path().filename().string()] = what;
    }
    return entries;
}

// Only a regular file the player may write is ever replaced. Whatever else stands in
// its place, or at the end of a symbolic link there, stays as it is and the save fails.
TEST(HighScoreFileFailure, SaveWritesOverNothingButAWritableRegularFile)
{
    const std::string oldBytes = formatHighScores(test::standardTable());
    const auto readOnly = [&](const fs::path& at) {
        writeBytes(at, oldBytes);
        fs::permissions(at, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    };
    const struct {
        const char* what;
        std::function<bool(const fs::path& file, const fs::path& elsewhere)> make;  // false: cannot here
    } cases[] = {
        {"a pipe", [](const fs::path& file, const fs::path&) { return ::mkfifo(file.c_str(), 0600) == 0; }},
        {"a link to a pipe",
         [](const fs::path& file, const fs::path& elsewhere) {
             fs::create_symlink(elsewhere / "pipe", file);
             return ::mkfifo((elsewhere / "pipe").c_str(), 0600) == 0;
         }},
        {"a link to a copy of /dev/zero",
         [](const fs::path& file, const fs::path& elsewhere) {
             fs::create_symlink(elsewhere / "zero", file);
             return ::mknod((elsewhere / "zero").c_str(), S_IFCHR | 0666, ::makedev(1, 5)) == 0;
         }},
        {"a link into a folder not mounted yet",
         [](const fs::path& file, const fs::path& elsewhere) {
             fs::create_symlink(elsewhere / "unmounted" / "ferlow.ini", file);
             return true;
         }},
        {"a link to itself",
         [](const fs::path& file, const fs::path&) {
             fs::create_symlink(file.filename(), file);
             return true;
         }},
        {"a read-only file",
         [&](const fs::path& file, const fs::path&) {
             readOnly(file);
             return true;
         }},
        {"a link to a read-only file",
         [&](const fs::path& file, const fs::path& elsewhere) {
             readOnly(elsewhere / "scores.ini");
             fs::create_symlink(elsewhere / "scores.ini", file);
             return true;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const fs::path file = folder / "data" / "ferlow.ini";
        const fs::path elsewhere = folder / "elsewhere";
        fs::create_directory(file.parent_path());
        fs::create_directory(elsewhere);
        if (!c.make(file, elsewhere)) {
            std::cout << "left out: " << c.what << " cannot be made here\n";
            continue;
        }
        const auto here = snapshot(file.parent_path());
        const auto there = snapshot(elsewhere);

        const SaveResult saved = saveHighScores(file, kNewScores);
        EXPECT_FALSE(saved.ok);
        EXPECT_NE(saved.error.find(file.string()), std::string::npos) << saved.error;
        EXPECT_EQ(snapshot(file.parent_path()), here);
        EXPECT_EQ(snapshot(elsewhere), there);
    }
}

TEST(HighScoreFileFailure, UnwritableFolderFailsCleanly)
{
    TempFolder folder;
    const fs::path scores = folder / "scores";
    fs::path file = scores / "ferlow.ini";
    fs::create_directory(scores);
    const std::string oldBytes = formatHighScores(test::standardTable());
    writeBytes(file, oldBytes);

    int reason = EACCES;
    if (test::permissionsAreIgnored(folder.path())) {
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

    EXPECT_EQ(loadHighScores(file, test::standardTable()).status, LoadStatus::Missing);
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
    const std::string oldBytes = formatHighScores(test::standardTable());
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
