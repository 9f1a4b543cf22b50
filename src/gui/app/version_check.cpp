#include "gui/app/version_check.h"

#include "gui/app/main_window.h"

namespace p3::gui {

void installVersionCheck(MainWindow&) {
    // The HTTP client arrives with the online update; until then the check has no answer, which means
    // a normal start.
}

} // namespace p3::gui
