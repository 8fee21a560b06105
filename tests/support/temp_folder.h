// Test helpers: a scratch folder removed after each test, whole-file reads and writes,
// and running a piece of a test in a child process.
#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ferlow::test {

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, std::string_view bytes);

// The names in a folder, to spot leftover temporary files.
std::set<std::string> entriesOf(const std::filesystem::path& folder);

// True when permission bits do not stop this process from writing (it runs as root).
bool permissionsAreIgnored(const std::filesystem::path& scratchFolder);

// The user a child becomes when a test runs as root, which permission bits do not stop.
inline constexpr unsigned kNobody = 65534;

struct ChildResult {
    bool exited = false;  // ended by _exit, not by a signal
    int status = -1;
    std::string report;  // what the child wrote
};

// Runs `body` in a forked child (after dropping root to nobody when `asNobody`
// and the test runs as root) and returns what it reported. The body's text goes
// to the parent; the child then ends with status 0.
ChildResult inChild(const std::function<std::string()>& body, bool asNobody = false);

// The same for several children at once, each given its number 0..count-1; all run
// side by side before their reports are collected.
std::vector<ChildResult> inChildren(int count, const std::function<std::string(int)>& body);

}  // namespace ferlow::test
