#pragma once
/// A home made from the template in a scratch folder, and a main window on it answered by a script.
#include <QApplication>
#include <QTest>
#include <memory>

#include "common/test_paths.h"
#include "core/io/app_path.h"
#include "gui/app/main_window.h"
#include "gui/app/scripted_prompter.h"

namespace p3::test {

struct GuiHome {
    ScratchDir dir{"gui-home"};
    std::filesystem::path home = dir.path() / "home";
    gui::ScriptedPrompter prompter;
    std::unique_ptr<gui::MainWindow> window;

    GuiHome() {
        auto ready = core::ensureHome(home, P3_GUI_TEMPLATE);
        if (!ready) qFatal("cannot make the test home: %s", ready.error().message.c_str());
    }
    /// Creates and shows the window, and waits until its start-up has finished.
    gui::MainWindow& start() {
        window = std::make_unique<gui::MainWindow>(home, prompter);
        window->show();
        if (!QTest::qWaitFor([&] { return window->startupDone(); }, 5000)) qFatal("start-up did not finish");
        return *window;
    }
};

inline QString cellText(const gui::MainWindow& w, int row, int column) {
    return w.gridModel()->index(row, column).data().toString();
}

} // namespace p3::test
