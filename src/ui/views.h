// All the windows of the game, kept in step with the machine's models: windows
// are created, shown, hidden and destroyed as their models say, and every event
// a window passes on is followed by a sync of them all.
#pragma once

#include <memory>

#include "engine/machine/machine.h"
#include "ui/dispatcher.h"

namespace ferlow::ui {

class FrmFerlow;
class Ferlowopnscr;
class Ferlowprize;
class FrmStats;
class Frmbet;
class Frmhsc;
class FrmInsferlow;
class Frmhlpkeno;
class Frmabtkeno;

class Views : public Dispatcher {
public:
    explicit Views(Machine& machine);
    ~Views() override;

    void run(const std::function<void()>& handler) override;
    QWidget* ownerWindow() const override;
    void syncAll();

    // The window of each model while it is loaded, else null.
    FrmFerlow* mainWindow() const { return main_.get(); }
    Ferlowopnscr* openingWindow() const { return opening_.get(); }
    Ferlowprize* prizeWindow() const { return prize_.get(); }
    FrmStats* statsWindow() const { return stats_.get(); }
    Frmbet* betWindow() const { return bet_.get(); }
    Frmhsc* highScoreWindow() const { return hsc_.get(); }
    FrmInsferlow* instructionsWindow() const { return instructions_.get(); }
    Frmhlpkeno* helpWindow() const { return help_.get(); }
    Frmabtkeno* aboutWindow() const { return about_.get(); }

private:
    template <class View>
    struct Later {
        void operator()(View* view) const;
    };
    template <class View>
    using Owned = std::unique_ptr<View, Later<View>>;

    template <class View>
    void follow(Owned<View>& view, const WindowState& model);
    template <class View>
    static void destroyNow(Owned<View>& view);

    Machine& m_;
    // In the order they are brought up to date: a window shown later lies on top.
    Owned<Ferlowopnscr> opening_;
    Owned<FrmFerlow> main_;
    Owned<Ferlowprize> prize_;
    Owned<FrmStats> stats_;
    Owned<Frmhsc> hsc_;
    Owned<FrmInsferlow> instructions_;
    Owned<Frmbet> bet_;
    Owned<Frmhlpkeno> help_;
    Owned<Frmabtkeno> about_;
    bool syncing_ = false;
};

}  // namespace ferlow::ui
