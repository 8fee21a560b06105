// All the windows of the game, kept in step with the machine's models: windows
// are created, shown, hidden and destroyed as their models say, and every event
// a window passes on is followed by a sync of them all.
#pragma once

#include <memory>

#include "engine/machine.h"
#include "ui/dispatcher.h"

namespace ferlow::ui {

class FrmFerlow;
class Ferlowopnscr;

class Views : public Dispatcher {
public:
    explicit Views(Machine& machine);
    ~Views() override;

    void run(const std::function<void()>& handler) override;
    void syncAll();

    FrmFerlow* mainWindow() const { return main_.get(); }
    Ferlowopnscr* openingWindow() const { return opening_.get(); }

private:
    template <class View>
    struct Later {
        void operator()(View* view) const;
    };
    template <class View>
    using Owned = std::unique_ptr<View, Later<View>>;

    template <class View>
    void follow(Owned<View>& view, const WindowState& model);

    Machine& m_;
    Owned<Ferlowopnscr> opening_;
    Owned<FrmFerlow> main_;
    bool syncing_ = false;
};

}  // namespace ferlow::ui
