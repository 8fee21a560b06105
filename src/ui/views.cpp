#include "ui/views.h"

#include <type_traits>

#include "ui/windows/about_window.h"
#include "ui/windows/bet_dialog.h"
#include "ui/windows/help_window.h"
#include "ui/windows/high_score_window.h"
#include "ui/windows/instructions_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/opening_window.h"
#include "ui/windows/prize_window.h"
#include "ui/windows/statistics_window.h"

namespace ferlow::ui {

// A window may be unloaded from inside one of its own handlers: let Qt delete it
// once the event that got us here has unwound.
template <class View>
void Views::Later<View>::operator()(View* view) const
{
    view->hide();
    view->deleteLater();
}

Views::Views(Machine& machine) : m_(machine) {}

// No event is being handled any more: the windows go at once, before the machine
// they draw does.
template <class View>
void Views::destroyNow(Owned<View>& view)
{
    delete view.release();
}

Views::~Views()
{
    destroyNow(about_);
    destroyNow(help_);
    destroyNow(bet_);
    destroyNow(instructions_);
    destroyNow(hsc_);
    destroyNow(stats_);
    destroyNow(prize_);
    destroyNow(main_);
    destroyNow(opening_);
}

template <class View>
void Views::follow(Owned<View>& view, const WindowState& model)
{
    if (model.loaded && !view) view.reset(new View(m_, *this));
    if (!model.loaded && view) view.reset();
    if (!view) return;
    // A hidden window's controls are brought up to date as it shows: until then
    // only the window's own state follows its model. The statistics and high-score
    // windows, loaded all the while, would otherwise be gone over at every ball.
    if constexpr (std::is_base_of_v<AuxWindow, View>) {
        if (!model.visible && !view->isVisible()) {
            view->syncWindow();
            return;
        }
    }
    view->sync();
}

QWidget* Views::ownerWindow() const { return main_.get(); }

void Views::syncAll()
{
    if (syncing_) return;
    syncing_ = true;
    follow(opening_, m_.opening.window);
    follow(main_, m_.main.window);
    follow(prize_, m_.prize.window);
    follow(stats_, m_.stats.window);
    follow(hsc_, m_.hsc.window);
    follow(instructions_, m_.instructions.window);
    follow(bet_, m_.betDialog.window);
    follow(help_, m_.help.window);
    follow(about_, m_.about.window);
    syncing_ = false;
}

// Every event of every window passes here: once the program is ending, none
// reaches the machine (a closed main window can leave events queued behind it).
void Views::run(const std::function<void()>& handler)
{
    if (m_.ended()) return;
    handler();
    syncAll();
}

}  // namespace ferlow::ui
