// Test helpers: scratch folders, whole-file reads and writes, child processes.
#include "support/temp_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ferlow::test {

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "ferlow-storage-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    // Tests may have taken permissions away; give them back so everything can go.
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(path_, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

std::set<std::string> entriesOf(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

bool permissionsAreIgnored(const fs::path& scratchFolder)
{
    const fs::path locked = scratchFolder / "permission-probe";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path probe = locked / "probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) ::close(fd);
    fs::permissions(locked, fs::perms::owner_all);
    fs::remove_all(locked);
    return fd >= 0;
}

namespace {

struct Child {
    pid_t pid = -1;
    int report = -1;  // the read end of the child's pipe
};

Child startChild(const std::function<std::string()>& body, bool asNobody)
{
    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        ::close(fds[0]);
        std::string report;
        if (asNobody && ::getuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            report = "cannot become nobody";
        else
            report = body();
        for (std::size_t at = 0; at < report.size();) {
            const ssize_t n = ::write(fds[1], report.data() + at, report.size() - at);
            if (n <= 0) break;
            at += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    return {child, fds[0]};
}

ChildResult finishChild(const Child& child)
{
    ChildResult result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(child.report, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        result.report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(child.report);
    int status = 0;
    while (::waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {}
    result.exited = WIFEXITED(status);
    result.status = result.exited ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace

ChildResult inChild(const std::function<std::string()>& body, bool asNobody)
{
    return finishChild(startChild(body, asNobody));
}

std::vector<ChildResult> inChildren(int count, const std::function<std::string(int)>& body)
{
    std::vector<Child> children;
    for (int i = 0; i < count; ++i) children.push_back(startChild([&body, i] { return body(i); }, false));
    std::vector<ChildResult> results;
    for (const Child& child : children) results.push_back(finishChild(child));
    return results;
}

}  // namespace ferlow::test
