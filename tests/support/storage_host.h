// The test host with the real high-score file behind it, as the desktop host
// has: the table is loaded from and saved to a file through the storage layer.
#pragma once

#include <filesystem>
#include <utility>

#include "storage/high_score_file.h"
#include "support/fake_host.h"
#include "support/tables.h"

namespace ferlow::test {

class StorageHost : public FakeHost {
public:
    explicit StorageHost(std::filesystem::path file) : store_(std::move(file), standardTable()) {}

    storage::SaveResult lastSave;

    HighScoreAnswer readHighScores() override
    {
        const storage::LoadResult loaded = store_.load();
        return {toEngine(loaded.table), true, loaded.error};
    }

    HighScoreAnswer writeHighScores(const StoredHighScores& table, HighScoreWrite how) override
    {
        lastSave = store_.save(toStorage(table),
                               how == HighScoreWrite::Replace ? storage::SaveMode::Replace : storage::SaveMode::Merge);
        if (!lastSave.ok) return {{}, false, lastSave.error};
        return {toEngine(lastSave.table), true, lastSave.notice};
    }

private:
    storage::HighScoreStore store_;
};

}  // namespace ferlow::test
