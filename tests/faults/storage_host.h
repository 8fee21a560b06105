// The test host with the real high-score file behind it, as the desktop host
// has: the table is loaded from and saved to a file through the storage layer.
#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "fake_host.h"
#include "storage/high_score_file.h"

namespace ferlow::faults {

class StorageHost : public test::FakeHost {
public:
    explicit StorageHost(std::filesystem::path file) : file_(std::move(file)) {}

    storage::LoadResult lastLoad;
    storage::SaveResult lastSave;
    int saves = 0;

    StoredHighScores readHighScores(const std::string&) override
    {
        lastLoad = storage::loadHighScores(file_);
        StoredHighScores table;
        for (std::size_t i = 0; i < table.size(); ++i) table[i] = {lastLoad.table[i].score, lastLoad.table[i].name};
        return table;
    }

    std::optional<std::string> writeHighScores(const std::string&, const StoredHighScores& table) override
    {
        ++saves;
        storage::HighScoreTable stored;
        for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = {table[i].score, table[i].name};
        lastSave = storage::saveHighScores(file_, stored);
        if (lastSave.ok) return std::nullopt;
        return lastSave.error;
    }

private:
    std::filesystem::path file_;
};

}  // namespace ferlow::faults
