// Test helpers: a scratch folder removed after each test, and whole-file reads and writes.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace ferlow::storage::testing {

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

}  // namespace ferlow::storage::testing
