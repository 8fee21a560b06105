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
    explicit StorageHost(std::filesystem::path file) : store_(std::move(file)) {}

    storage::LoadResult lastLoad;
    storage::SaveResult lastSave;
    int saves = 0;

    HighScoreAnswer readHighScores(const std::string&) override
    {
        lastLoad = store_.load();
        return {toEngine(lastLoad.table), true, lastLoad.error};
    }

    HighScoreAnswer writeHighScores(const std::string&, const StoredHighScores& table, HighScoreWrite how) override
    {
        ++saves;
        storage::HighScoreTable stored;
        for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = {table[i].score, table[i].name};
        lastSave = store_.save(stored, how == HighScoreWrite::Replace ? storage::SaveMode::Replace
                                                                      : storage::SaveMode::Merge);
        if (!lastSave.ok) return {{}, false, lastSave.error};
        return {toEngine(lastSave.table), true, lastSave.notice};
    }

private:
    static StoredHighScores toEngine(const storage::HighScoreTable& table)
    {
        StoredHighScores stored;
        for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = {table[i].score, table[i].name};
        return stored;
    }

    storage::HighScoreStore store_;
};

}  // namespace ferlow::faults
