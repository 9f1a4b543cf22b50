#pragma once
/// Opens a file handed to the workbench (from the desktop or the command line) in the window of its kind.
#include <QString>

namespace p3::gui {

class Workbench;
class ShrinkWindow;

/// A condition scheme (.ag) goes to the shrink workspace, a set list (.SGL) to the set tool; anything else
/// is refused with a message. Returns whether the file was taken.
bool openFileOnStart(Workbench& bench, ShrinkWindow& shrink, const QString& path);

} // namespace p3::gui
