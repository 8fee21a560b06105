// A host for the machine in tests: a clock the test moves, recorded sounds, beeps
// and messages, scripted answers, and an in-memory high-score store.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/host_port.h"

namespace ferlow::test {

struct PlayedSound {
    std::string path;
    PlayMode mode;
};

class FakeHost : public HostPort {
public:
    int clock = 12 * 3600;  // seconds since midnight
    ScreenSize screen{1024 * 15, 768 * 15};

    std::vector<PlayedSound> sounds;
    int stops = 0;
    int beeps = 0;
    int eventPasses = 0;
    std::vector<MessageBox> messages;
    // Answers to questions (Yes/No boxes), in order; without one a question gets
    // its default button. Boxes with only OK answer OK.
    std::deque<MessageAnswer> answers;
    bool quitCalled = false;

    StoredHighScores stored = standardHighScores();
    int writes = 0;
    std::optional<std::string> writeError;
    HighScoreWrite lastWrite = HighScoreWrite::Merge;
    std::string readProblem;  // a damaged or unreadable file, as the store would tell it
    // Set: a write stores this instead, as a store that merged in another game's scores.
    std::optional<StoredHighScores> storedByOthers;

    int secondsSinceMidnight() override { return clock; }
    void waitForSecondChange(int second) override
    {
        ++waits;
        // Each pass lets events run and moves the clock on by one second.
        while (clock % 60 == second) {
            processEvents();
            ++clock;
        }
    }
    // Runs on every pass of events, as window handlers would between balls.
    std::function<void()> onEvents;
    int waits = 0;

    void processEvents() override
    {
        ++eventPasses;
        if (onEvents) onEvents();
    }

    void playSound(const std::string& path, PlayMode mode) override { sounds.push_back({path, mode}); }
    int played(const std::string& path) const
    {
        return static_cast<int>(std::count_if(sounds.begin(), sounds.end(), [&](auto& s) { return s.path == path; }));
    }
    void stopSound() override { ++stops; }
    void beep() override { ++beeps; }

    MessageAnswer showMessage(const MessageBox& box) override
    {
        messages.push_back(box);
        if (box.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return box.defaultButton;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    ScreenSize screenSize() override { return screen; }

    // The stored table on one line: "5000 Ann|2000 Bob|...".
    std::string storedText() const
    {
        std::string text;
        for (const auto& entry : stored) text += std::to_string(entry.score) + " " + entry.name + "|";
        return text.substr(0, text.size() - 1);
    }

    HighScoreAnswer readHighScores() override { return {stored, true, readProblem}; }
    HighScoreAnswer writeHighScores(const StoredHighScores& table, HighScoreWrite how) override
    {
        ++writes;
        lastWrite = how;
        if (writeError) return {{}, false, *writeError};
        stored = storedByOthers ? *storedByOthers : table;
        return {stored, true, {}};
    }

    // The read-me paths asked for; a test may fail the viewer with `readMeFails`.
    std::vector<std::string> readMes;
    bool readMeFails = false;
    void openReadMe(const std::string& name, std::function<void(const std::string& path)> failed) override
    {
        readMes.push_back(name);
        if (readMeFails) failed("/usr/share/ferlow/" + name);
    }
    void quit() override { quitCalled = true; }
};

}  // namespace ferlow::test
