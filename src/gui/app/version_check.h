#pragma once
/// Wires the start-up version check of the main window to the update server of the settings.
namespace p3::gui {

class MainWindow;

/// Gives the window the request it runs on its worker thread at start-up.
void installVersionCheck(MainWindow& window);

} // namespace p3::gui
