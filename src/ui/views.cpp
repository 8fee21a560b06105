#include "ui/views.h"

#include "ui/dialogs/ferlowopnscr.h"
#include "ui/main/frm_ferlow.h"

namespace ferlow::ui {

// A window may be destroyed from inside one of its own handlers: let Qt delete it
// once the event that got us here has unwound.
template <class View>
void Views::Later<View>::operator()(View* view) const
{
    view->hide();
    view->deleteLater();
}

Views::Views(Machine& machine) : m_(machine) {}

Views::~Views() = default;

template <class View>
void Views::follow(Owned<View>& view, const WindowState& model)
{
    if (model.loaded && !view) view.reset(new View(m_, *this));
    if (!model.loaded && view) view.reset();
    if (view) view->sync();
}

void Views::syncAll()
{
    if (syncing_) return;
    syncing_ = true;
    follow(opening_, m_.opening.window);
    follow(main_, m_.main.window);
    syncing_ = false;
}

void Views::run(const std::function<void()>& handler)
{
    handler();
    syncAll();
}

}  // namespace ferlow::ui
