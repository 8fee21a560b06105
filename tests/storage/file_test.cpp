// ferlow.ini on disk: damaged files kept aside, the read limit, what a save must
// never write over and how it says why, and saves cut off at any moment.
#include "storage/high_score_file.h"
#include "support/tables.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ferlow::storage {
namespace {

using namespace test;
using Faults = std::vector<std::pair<long, int>>;  // system call, errno

const HighScoreTable kNew{{{250000, "Anna"}, {40000, "Bo"}, {32768, "Cy"}, {1, "Di"}, {0, "Ed"}}};
const std::string kNewBytes = " 250000 Anna\r\n 40000 Bo\r\n 32768 Cy\r\n 1 Di\r\n 0 Ed\r\n";
const std::string kOldBytes = formatHighScores(test::standardTable());

// A fault for a child process to make: from then on the kernel answers these system
// calls with these errors, as a kernel or file system without them, or a failing
// disk, would.
std::function<bool()> failing(const Faults& faults)
{
    return [faults] {
        std::vector<sock_filter> filter{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
        for (const auto& [call, error] : faults) {
            filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(call), 0, 1));
            filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<__u32>(error)));
        }
        filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
        const sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
        return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
               ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
    };
}

// Loads and then a save find damaged files; each is renamed aside, never over an
// earlier copy, also where the kernel or the file system cannot rename without
// overwriting (RENAME_NOREPLACE), with or without hard links. The player is told where.
TEST(HighScoreFile, DamagedFilesAreKeptAsideAndToldWhere)
{
    const std::string damaged[] = {"", " 5000 A\r\n", std::string("\x89PNG\0\r\n", 7), "x\n"};
    for (const Faults& faults : {Faults{}, Faults{{SYS_renameat2, EINVAL}}, Faults{{SYS_renameat2, ENOTSUP}},
                                 Faults{{SYS_renameat2, EINVAL}, {SYS_link, EPERM}, {SYS_linkat, EPERM}}}) {
        TempFolder folder;
        const fs::path file = folder / "ferlow.ini";
        const auto aside = [&](int n) { return file.string() + ".bad" + (n ? "." + std::to_string(n) : ""); };
        const std::string child = test::inChildren(1, [&](int) {
            std::string report = failing(faults)() ? "" : "no seccomp";
            for (int n = 0; n < 4; ++n) {
                writeBytes(file, damaged[n]);
                report += n < 3 ? loadHighScores(file, test::standardTable()).error : saveHighScores(file, kNew).notice;
            }
            return report;
        })[0];
        std::string told;
        for (int n = 0; n < 4; ++n)
            told += "The high-score file \"" + file.string() + (n < 3 ? "\" is" : "\" was") +
                    " damaged; it was kept as \"" + aside(n) +
                    (n < 3 ? "\" and the standard high scores are used." : "\".");
        EXPECT_EQ(child, told) << faults.size() << " faults";
        for (int n = 0; n < 4; ++n) EXPECT_EQ(readBytes(aside(n)), damaged[n]);
        EXPECT_EQ(readBytes(file), kNewBytes);
        EXPECT_EQ(entriesOf(folder.path).size(), 5u);
    }
}

TEST(HighScoreFile, JudgesAFileByItsFirst64KiB)
{
    const std::string four = "5000 A\r\n 2000 B\r\n 1000 C\r\n 750 D\r\n";  // the first line from its first byte
    const auto fifthLineEndingAt = [&](std::size_t size) { return four + " 400 Ed" + std::string(size - 41, 'E'); };
    const std::tuple<std::string, std::uintmax_t, LoadStatus> cases[] = {
        {four + " 400 Ed\n", 100 << 20, LoadStatus::Loaded},  // and then NUL bytes
        {fifthLineEndingAt(65536), 65536, LoadStatus::Loaded},
        {fifthLineEndingAt(65537), 65537, LoadStatus::Malformed},
    };
    for (const auto& [bytes, size, status] : cases) {
        TempFolder folder;
        const fs::path file = folder / "ferlow.ini";
        writeBytes(file, bytes);
        fs::resize_file(file, size);
        const LoadResult loaded = loadHighScores(file, test::standardTable());
        EXPECT_EQ(loaded.status, status) << size;
        EXPECT_TRUE(loaded.table[4].name.starts_with(status == LoadStatus::Loaded ? "Ed" : "Ferlow"));
        EXPECT_EQ(loaded.table[0].score, 5000);
        EXPECT_EQ(fs::file_size(status == LoadStatus::Loaded ? file : loaded.keptAside), size);
    }
}

// What a shell command prints, or why it failed.
std::string shell(const std::string& command)
{
    std::string output(1 << 16, '\0');
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return "failed: popen";
    output.resize(std::fread(output.data(), 1, output.size(), pipe));
    return ::pclose(pipe) == 0 ? output : "failed: " + output;
}

// A save replaces nothing but a regular file it may read and write, and then only
// whole; when it cannot, it names the file and says why (each of the words, separated
// by '|'), and so does a load. The file is d/ferlow.ini, e is another folder, and
// "old" holds the standard table.
TEST(HighScoreFile, SaveNeverWritesOverWhatItMustNotAndSaysWhy)
{
    const auto why = [](int error) { return std::string(std::strerror(error)); };
    const std::string good = "cp old d/ferlow.ini", unwritable = "install -m 666 old d/ferlow.ini && chmod 555 d",
                      unreadable = "Cannot read the high scores from", damaged = "echo damaged >d/ferlow.ini";
    const auto fileSizeLimit = [] {
        const rlimit limit{16, 16};
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };
    const struct {
        std::string steps;
        std::function<bool()> fault;  // made in the child that loads and saves
        std::string words;
        bool asNobody = false;  // root may read and write anything
    } cases[] = {
        {"mkfifo d/ferlow.ini", {}, "not a regular file|" + unreadable + "|the file is left as it is"},
        {"mknod e/z c 1 5 && ln -s ../e/z d/ferlow.ini", {}, "not a regular file"},
        {"mkdir d/ferlow.ini && cp old d/ferlow.ini", {}, why(EISDIR)},
        {"ln -s ../e/x/y d/ferlow.ini", {}, "it is a symbolic link to \"../e/x/y\", which cannot|kept as it is"},
        {"ln -s ferlow.ini d/ferlow.ini", {}, "round in a loop; the link is kept"},
        {"install -m 444 old d/ferlow.ini", {}, "the file is read-only"},
        {"install -m 644 old d/ferlow.ini", {}, "the file is read-only", true},
        {"rmdir d && cp old d", {}, "cannot create the folder \"|" + why(ENOTDIR)},
        {"install -m 200 old d/ferlow.ini", {}, "cannot be read (" + why(EACCES) + "), and saving|" + unreadable, true},
        {unwritable, {}, "cannot create the lock file \"|" + why(EACCES), true},
        {"umask 0 && touch d/.ferlow.ini.lock && " + unwritable, {}, "cannot create a temporary|" + why(EACCES), true},
        {good, failing({{SYS_read, EIO}}), "there cannot be read (" + why(EIO) + ")|" + unreadable},
        {damaged, failing({{SYS_renameat2, EIO}}),
         "there is damaged and could not be moved aside (" + why(EIO) + ")|The high-score file \"|); the standard"},
        {damaged + " && cd d && touch ferlow.ini.bad $(seq -f ferlow.ini.bad.%g 999)", {}, "1000 damaged copies"},
        {good, fileSizeLimit, "cannot write \"|" + why(EFBIG)},
        {good, failing({{SYS_fsync, EIO}}), "to disk: " + why(EIO)},
        {good, failing({{SYS_close, EIO}}), "cannot write \"|" + why(EIO)},
        {good, failing({{SYS_fchmod, EPERM}}), "cannot set the permissions of \"|" + why(EPERM)},
        {good, failing({{SYS_rename, EIO}, {SYS_renameat, EIO}}), "cannot replace \"|" + why(EIO)},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const fs::path file = folder / "d" / "ferlow.ini";
        writeBytes(folder / "old", kOldBytes);
        const std::string made =
            shell("cd '" + folder.path.string() + "' && chmod 777 . && mkdir -m 777 d e && " + c.steps);
        if (!made.empty()) {
            std::printf("left out: %s: %s\n", c.steps.c_str(), made.c_str());
            continue;
        }
        const std::string snapshot =
            "cd '" + folder.path.string() + "' && find . -printf '%p %M %i %l\\n' -type f -exec cat {} +";
        const std::string before = shell(snapshot);
        const auto loadAndSave = [&](int) {
            if (c.fault && !c.fault()) return std::string("the fault cannot be made");
            const std::string loaded = loadHighScores(file, test::standardTable()).error;
            const SaveResult saved = saveHighScores(file, kNew);
            return (saved.ok ? "saved\n" : "") + loaded + "\n" + saved.error;
        };
        const std::string child = test::inChildren(1, loadAndSave, c.asNobody)[0];
        std::istringstream words("\nCannot save the high scores to \"" + file.string() + "\": |" + c.words);
        for (std::string word; std::getline(words, word, '|');)
            EXPECT_NE(child.find(word), std::string::npos) << c.steps << ": " << child;
        EXPECT_TRUE(child.ends_with('.')) << c.steps;
        EXPECT_EQ(shell(snapshot), before) << c.steps;
    }
}

// Saves through a link, killed at any moment: the file it leads to holds the old or
// the new table, whole, and keeps its mode. The next save sweeps away the temporary
// files killed saves left, and only theirs.
TEST(HighScoreFile, SaveKilledAtAnyMomentLeavesTheOldOrTheNewTableWhole)
{
    TempFolder folder;
    const fs::path file = folder / "ferlow.ini", real = folder / "synced" / "scores.ini";
    fs::create_directory(real.parent_path());
    writeBytes(real, kOldBytes);
    fs::permissions(real, fs::perms(0640));
    fs::create_symlink(real, file);
    int cutOff = 0;
    for (int round = 0; round < 100; ++round) {
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        for (bool other = true; saver == 0; other = !other) saveHighScores(file, other ? kNew : test::standardTable());
        ::usleep(static_cast<unsigned>(round * 97 % 1500));
        ::kill(saver, SIGKILL);
        ASSERT_EQ(::waitpid(saver, nullptr, 0), saver);
        for (const std::string& name : entriesOf(real.parent_path()))
            cutOff += name.starts_with(".scores.ini." + std::to_string(saver) + "-");
        const std::string bytes = readBytes(real);
        ASSERT_TRUE(bytes == kOldBytes || bytes == kNewBytes) << "round " << round << ":\n" << bytes;
    }
    EXPECT_GT(cutOff, 0) << "no save was cut off, so nothing was tested";
    const std::string living = ".scores.ini." + std::to_string(::getppid()) + "-0.tmp", notes = ".scores.ini.x.tmp";
    writeBytes(real.parent_path() / living, " 1 half");
    writeBytes(real.parent_path() / notes, "notes");
    ASSERT_TRUE(saveHighScores(file, kNew).ok);
    EXPECT_EQ(fs::read_symlink(file), real);
    EXPECT_EQ(readBytes(real), kNewBytes);
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));
    EXPECT_EQ(entriesOf(real.parent_path()), (std::set<std::string>{"scores.ini", living, notes}));
}

}  // namespace
}  // namespace ferlow::storage
