// Test helpers: scratch folders, whole-file reads and writes, child processes.
#include "support/temp_folder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ferlow::test {

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "ferlow-storage-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = pattern;
}

TempFolder::~TempFolder()
{
    // Tests take permissions away; give them back so everything can go.
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(path, error); !error && it != end(it); it.increment(error))
        if (!it->is_symlink(error)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path, error);
}

std::string readBytes(const fs::path& file)
{
    return {std::istreambuf_iterator<char>(std::ifstream(file, std::ios::binary).rdbuf()), {}};
}

void writeBytes(const fs::path& file, std::string_view bytes)
{
    if (!std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
        throw std::runtime_error("cannot write " + file.string());
}

std::set<std::string> entriesOf(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

std::vector<std::string> inChildren(int count, const std::function<std::string(int)>& body, bool asNobody)
{
    std::vector<std::pair<pid_t, int>> children;  // each child's process id and the read end of its pipe
    for (int i = 0; i < count; ++i) {
        int fds[2];
        pid_t pid = -1;
        if (::pipe(fds) != 0 || (pid = ::fork()) < 0) throw std::runtime_error("cannot start a child");
        if (pid == 0) {
            constexpr unsigned kNobody = 65534;
            const bool ready = !asNobody || ::getuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
            const std::string report = ready ? body(i) : "cannot become nobody";
            ::_exit(::write(fds[1], report.data(), report.size()) == static_cast<ssize_t>(report.size()) ? 0 : 1);
        }
        ::close(fds[1]);
        children.emplace_back(pid, fds[0]);
    }
    std::vector<std::string> reports;
    for (const auto& [pid, fd] : children) {
        std::string& report = reports.emplace_back();
        char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            report.append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
        ::waitpid(pid, nullptr, 0);
    }
    return reports;
}

}  // namespace ferlow::test
