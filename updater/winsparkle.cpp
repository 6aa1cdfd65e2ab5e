#include "winsparkle.h"

#include "UpdaterState.h"

namespace {

// The program calls the updater from the GUI thread only.
kestrano::updater::UpdaterState& state()
{
    static kestrano::updater::UpdaterState current;
    return current;
}

} // namespace

namespace kestrano::updater {

UpdaterState updaterState()
{
    return state();
}

} // namespace kestrano::updater

extern "C" {

void win_sparkle_set_appcast_url(const char* url)
{
    state().appcastUrl = url ? url : "";
}

void win_sparkle_init(void)
{
    state().initialized = true;
}

void win_sparkle_check_update_with_ui(void)
{
    ++state().interactiveChecks;
}

void win_sparkle_cleanup(void)
{
    state().initialized = false;
}

} // extern "C"
