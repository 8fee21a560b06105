// The machine's host on the desktop: Qt's clock, event loop and message boxes,
// SDL sound, and the high-score file in the user's data folder.
#pragma once

#include <memory>

#include "engine/host_port.h"

namespace ferlow::media {
class SoundPlayer;
}
namespace ferlow::ui {
class Views;
}
namespace ferlow::storage {
class HighScoreStore;
}

namespace ferlow {

class QtHost : public HostPort {
public:
    explicit QtHost(media::SoundPlayer& sounds);
    ~QtHost() override;

    // The windows to bring up to date before events run.
    void setViews(ui::Views* views) { views_ = views; }
    bool quitting() const { return quitting_; }

    int secondsSinceMidnight() override;
    void waitForSecondChange(int second) override;
    void processEvents() override;

    void playSound(const std::string& name, PlayMode mode) override;
    void stopSound() override;
    void beep() override;

    MessageAnswer showMessage(const MessageBox& box) override;

    ScreenSize screenSize() override;

    HighScoreAnswer readHighScores() override;
    HighScoreAnswer writeHighScores(const StoredHighScores& table, HighScoreWrite how) override;

    void openReadMe(const std::string& name, std::function<void(const std::string& path)> failed) override;
    void quit() override;

private:
    void syncViews();
    // The high-score file's store; null where the environment gives the file no place.
    storage::HighScoreStore* store();

    media::SoundPlayer& sounds_;
    ui::Views* views_ = nullptr;
    bool quitting_ = false;
    std::unique_ptr<storage::HighScoreStore> store_;
};

}  // namespace ferlow
