#pragma once
/// Scripted answers to the workbench's modal dialogs, and the checks usable inside such scripts.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <functional>
#include <map>

#include "gui/workbench/workbench.h"

// Checks inside the dialog scripts, which return a dialog result and so cannot use QVERIFY's return.
#define CHECK(cond)                                                                                          \
    do {                                                                                                     \
        if (!(cond)) QTest::qFail(#cond, __FILE__, __LINE__);                                                \
    } while (0)
#define CHECK_EQ(actual, expected)                                                                           \
    do {                                                                                                     \
        const auto a_ = (actual);                                                                            \
        const auto e_ = (expected);                                                                          \
        if (!(a_ == e_)) {                                                                                   \
            qWarning() << "actual:" << a_ << "expected:" << e_;                                              \
            QTest::qFail(#actual " == " #expected, __FILE__, __LINE__);                                      \
        }                                                                                                    \
    } while (0)

namespace p3::test {

/// Answers the window's modal dialogs: one script per dialog object name, taken in order.
struct DialogScript {
    std::map<QString, std::deque<std::function<int(QDialog&)>>> steps;
    void on(const QString& name, std::function<int(QDialog&)> step) {
        steps[name].push_back(std::move(step));
    }
    void install(gui::Workbench& bench) {
        bench.setDialogRunner([this](QDialog& dialog) {
            auto& queue = steps[dialog.objectName()];
            if (queue.empty()) qFatal("unscripted dialog %s", qPrintable(dialog.objectName()));
            auto step = std::move(queue.front());
            queue.pop_front();
            return step(dialog);
        });
    }
};

inline void click(QWidget& in, const char* name) {
    auto* button = in.findChild<QPushButton*>(QString::fromLatin1(name));
    if (!button) qFatal("no button %s", name);
    button->click();
}

/// Types digits into the draw editor and presses "确定"; returns whether it closed.
inline bool enter(QDialog& editor, const QString& digits, const QString& period = {}) {
    if (!period.isEmpty()) editor.findChild<QLineEdit*>(QStringLiteral("Qhao"))->setText(period);
    editor.findChild<QLineEdit*>(QStringLiteral("K_Haom"))->setText(digits);
    click(editor, "Btn_OK");
    return editor.result() == QDialog::Accepted;
}

inline QString periodOf(const QDialog& editor) {
    return editor.findChild<QLineEdit*>(QStringLiteral("Qhao"))->text();
}

} // namespace p3::test
