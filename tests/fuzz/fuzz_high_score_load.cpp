// libFuzzer target: loading ferlow.ini from a real file, damaged files kept aside.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include "high_score_properties.h"

namespace {

// One scratch folder per fuzzing process, on tmpfs when there is one: a file is
// written, read and renamed for every input. Removed when the fuzzer exits.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const char* shm = "/dev/shm";
        std::string pattern = (std::filesystem::is_directory(shm) && ::access(shm, W_OK) == 0
                                   ? std::string(shm)
                                   : std::filesystem::temp_directory_path().string()) +
                              "/ferlow-fuzz-load-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& scratchFolder()
{
    static const ScratchFolder folder;
    return folder.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto failure = ferlow::fuzz::checkLoadFromFile(bytes, scratchFolder())) {
        std::fprintf(stderr, "high-score load property failed: %s\n", failure->c_str());
        std::abort();
    }
    return 0;
}
