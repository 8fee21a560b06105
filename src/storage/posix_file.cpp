// POSIX file primitives behind the high-score file: bounded reads, atomic replacement,
// renaming without overwriting, the lock between games.
#include "storage/posix_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace ferlow::storage::detail {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }

    // Returns 0 or the errno of close(); close errors can report a failed delayed write.
    int close()
    {
        if (fd_ < 0) return 0;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Appending instead of "literal" + string avoids a false -Wrestrict warning in GCC 12 at -O2.
std::string quoted(const fs::path& path)
{
    std::string text(1, '"');
    text += path.string();
    text += '"';
    return text;
}

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

fs::path folderOf(const fs::path& file)
{
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Temporary files are hidden and carry the writer's process id, so files left by a
// writer that was killed can be recognised and swept away later.
std::string temporaryPrefix(const fs::path& file)
{
    std::string prefix(1, '.');
    prefix += file.filename().string();
    prefix += '.';
    return prefix;
}
constexpr std::string_view kTemporarySuffix = ".tmp";

void removeTemporariesOfDeadWriters(const fs::path& file)
{
    const std::string prefix = temporaryPrefix(file);
    std::error_code error;
    for (fs::directory_iterator it(folderOf(file), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(kTemporarySuffix)) continue;
        const std::string_view middle =
            std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - kTemporarySuffix.size());
        const std::string_view pidText = middle.substr(0, middle.find('-'));
        pid_t pid = 0;
        const auto [parsedTo, failed] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
        if (failed != std::errc{} || parsedTo != pidText.data() + pidText.size()) continue;
        if (pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

// The new file keeps the permissions of the one it replaces; a new one gets the usual
// 0666 less the umask.
mode_t permissionsToKeep(const fs::path& file, bool& exists)
{
    struct stat info {};
    exists = ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    return exists ? (info.st_mode & 0777) : 0666;
}

int renameWithoutOverwriting(const fs::path& from, const fs::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    // The file system cannot refuse to overwrite on rename; link() can, where supported.
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) == 0) return 0;
        const int error = errno;
        ::unlink(to.c_str());
        return error;
    }
    if (errno == EEXIST) return EEXIST;
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace

std::string describeError(int error) { return std::generic_category().message(error); }

BoundedRead readAtMost(const fs::path& file, std::size_t limit)
{
    BoundedRead result;
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid()) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            result.outcome = BoundedRead::Outcome::Missing;
        else
            result.reason = describeError(error);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.reason = describeError(errno);
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.reason = describeError(EISDIR);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.reason = "not a regular file";
        return result;
    }

    // One byte past the limit tells whether the file goes on.
    result.bytes.resize(limit + 1);
    std::size_t got = 0;
    while (got < result.bytes.size()) {
        const ssize_t n = ::read(fd.get(), result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.reason = describeError(errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    result.truncated = got > limit;
    result.bytes.resize(std::min(got, limit));
    result.outcome = BoundedRead::Outcome::Read;
    return result;
}

Outcome createFolderOf(const fs::path& file)
{
    const fs::path folder = folderOf(file);
    std::error_code folderError;
    fs::create_directories(folder, folderError);
    if (folderError) return {false, "cannot create the folder " + quoted(folder) + ": " + folderError.message()};
    return {true, {}};
}

std::string whyNotARegularFile(const fs::path& file)
{
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) return errno == ENOENT ? std::string() : describeError(errno);
    if (S_ISDIR(info.st_mode)) return describeError(EISDIR);
    if (!S_ISREG(info.st_mode)) return "it is not a regular file, and it is left as it is";
    return {};
}

std::string whyNotWritable(const fs::path& file)
{
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) return errno == ENOENT ? std::string() : describeError(errno);
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return "the file is read-only";
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? std::string("the file is read-only") : describeError(errno);
    return {};
}

Outcome replaceFileAtomically(const fs::path& file, std::string_view bytes)
{
    const fs::path folder = folderOf(file);
    bool replacing = false;
    const mode_t permissions = permissionsToKeep(file, replacing);

    static std::atomic<unsigned> sequence{0};
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / (temporaryPrefix(file) + std::to_string(::getpid()) + "-" + std::to_string(sequence++) +
                              std::string(kTemporarySuffix));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int error = errno;
        return {false, "cannot create a temporary file in " + quoted(folder) + ": " + describeError(error)};
    }

    FileDescriptor output(fd);
    const auto fail = [&](const std::string& what, int error) {
        output.close();
        ::unlink(temporary.c_str());
        return Outcome{false, what + ": " + describeError(error)};
    };

    if (replacing && ::fchmod(output.get(), permissions) != 0) {
        const int error = errno;
        return fail("cannot set the permissions of " + quoted(temporary), error);
    }
    if (const int error = writeAll(output.get(), bytes)) return fail("cannot write " + quoted(temporary), error);
    if (::fsync(output.get()) != 0) {
        const int error = errno;
        return fail("cannot write " + quoted(temporary) + " to disk", error);
    }
    if (const int error = output.close()) return fail("cannot write " + quoted(temporary), error);
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int error = errno;
        return fail("cannot replace " + quoted(file), error);
    }

    // The rename is only durable once the folder itself is on disk. The new file is
    // already in place, so a folder that cannot be synced is not a failed save.
    FileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.valid()) ::fsync(folderFd.get());

    removeTemporariesOfDeadWriters(file);
    return {true, {}};
}

MovedAside moveAside(const fs::path& file)
{
    constexpr int kMaxAsideCopies = 1000;
    for (int n = 0; n < kMaxAsideCopies; ++n) {
        fs::path candidate = file;
        candidate += n == 0 ? std::string(".bad") : ".bad." + std::to_string(n);
        const int error = renameWithoutOverwriting(file, candidate);
        if (error == 0) return {candidate, {}};
        if (error != EEXIST) return {{}, describeError(error)};
    }
    return {{}, "there are already " + std::to_string(kMaxAsideCopies) + " damaged copies beside it"};
}

FileLock::FileLock(const fs::path& file) : path_(folderOf(file) / (temporaryPrefix(file) + "lock"))
{
    using namespace std::chrono_literals;
    constexpr auto kPatience = 10s;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    auto pause = 1ms;
    for (;;) {
        FileDescriptor fd(::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600));
        if (!fd.valid()) {
            reason_ = "cannot create the lock file " + quoted(path_) + ": " + describeError(errno);
            return;
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // The lock counts only while its file is still the one at the path: the game
            // that held it before may have removed it, and a newer one may stand there.
            struct stat locked {
            }, current{};
            if (::fstat(fd.get(), &locked) == 0 && ::lstat(path_.c_str(), &current) == 0 &&
                locked.st_dev == current.st_dev && locked.st_ino == current.st_ino) {
                fd_ = fd.release();
                return;
            }
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            reason_ = "cannot lock " + quoted(path_) + ": " + describeError(errno);
            return;
        }
        fd.close();
        if (std::chrono::steady_clock::now() >= deadline) {
            reason_ = "another game has held the lock " + quoted(path_) + " for too long";
            return;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min<std::chrono::milliseconds>(pause * 2, 20ms);
    }
}

FileLock::~FileLock()
{
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
}

}  // namespace ferlow::storage::detail
