#include "engine/screens/about_window.h"

namespace ferlow {

AboutScreen::AboutScreen()
{
    window.caption = "About Ferlow";
    Cmdok.caption = "&Ok";
}

}  // namespace ferlow
