// Test helpers: a scratch folder removed after each test, whole-file reads and writes,
// and parts of a test run in child processes.
#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ferlow::test {

struct TempFolder {
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    ~TempFolder();
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path / name; }
    std::filesystem::path path;
};

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
// The names in a folder, to spot leftover temporary files.
std::set<std::string> entriesOf(const std::filesystem::path& folder);

// Runs `body` in `count` forked children side by side, each given its number, and
// returns what each reported. With `asNobody` a child of a test running as root first
// becomes nobody, whom permission bits stop.
std::vector<std::string> inChildren(int count, const std::function<std::string(int)>& body, bool asNobody = false);

}  // namespace ferlow::test
