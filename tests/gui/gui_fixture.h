#pragma once
/// A home made from the template in a scratch folder, and a main window on it answered by a script.
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <memory>

#include "common/test_paths.h"
#include "core/io/app_path.h"
#include "core/io/settings.h"
#include "core/store/draw_database.h"
#include "gui/app/main_window.h"
#include "gui/widgets/scripted_prompter.h"

namespace p3::test {

struct GuiHome {
    ScratchDir dir{"gui-home"};
    std::filesystem::path home = dir.path() / "home";
    gui::ScriptedPrompter prompter;
    std::unique_ptr<gui::MainWindow> window;

    GuiHome() {
        auto ready = core::ensureHome(home, P3_GUI_TEMPLATE);
        if (!ready) qFatal("cannot make the test home: %s", ready.error().message.c_str());
        keepOffline();
    }
    /// Tests never reach the public draw sources: their addresses are emptied and every lottery asks
    /// the data server (DataUrl, empty unless a test points it at a loopback server).
    void keepOffline() {
        auto settings = core::Settings::open(home);
        if (!settings) qFatal("cannot read the test settings");
        settings->ini().setString("Server", "CwlUrl", "");
        settings->ini().setString("Server", "SportteryUrl", "");
        if (!settings->ini().save()) qFatal("cannot write the test settings");
        auto db = core::DrawDatabase::open(home / "Data" / "MDB.sqlite");
        if (!db) qFatal("cannot open the test database");
        for (const auto& lottery : db->listLotteries().value_or(std::vector<core::LotteryInfo>{}))
            if (!db->setLotterySource(lottery.name, "server")) qFatal("cannot set a test lottery's source");
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

/// The text a list view shows in a cell.
inline QString cellText(const QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

/// Makes a cell of a list view the current one, as the arrow keys do.
inline void setCurrentCell(QTableView* view, int row, int column) {
    view->setCurrentIndex(view->model()->index(row, column));
}

/// A click of the left button in the middle of a cell, as the user makes it.
inline void clickCell(QTableView* view, int row, int column) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, column)).center());
}

} // namespace p3::test
