#pragma once
/// Push buttons, the right-aligned button row that closes most dialogs (确定 / 取消 and the like), and the
/// command tables of the windows made into buttons and actions.
#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

#include <concepts>
#include <initializer_list>
#include <type_traits>

namespace p3::gui {

/// A push button of `parent` with its caption and object name (the name scripts press it by).
QPushButton* makeButton(QWidget* parent, const QString& caption, const char* objectName);

/// A row with `buttons` pushed to the right edge, as under a dialog's fields.
QHBoxLayout* makeButtonRow(std::initializer_list<QWidget*> buttons);

/// One command of a window's command table: the object name scripts find it by, its caption, the slot of
/// the window it runs, and the tool tip where it has one.
template <typename Owner> struct Command {
    const char* name;
    const char* caption;
    void (Owner::*slot)();
    const char* hint = "";
};

// The owner's type comes from `owner` alone, so that a command can be written in place as {name, caption,
// slot}.
template <typename Owner> using CommandOf = std::type_identity_t<Command<Owner>>;

/// A push button of `parent` that runs the command on `owner`.
template <std::derived_from<QObject> Owner>
QPushButton* makeCommandButton(QWidget* parent, Owner* owner, const CommandOf<Owner>& command) {
    QPushButton* button = makeButton(parent, QString::fromUtf8(command.caption), command.name);
    if (*command.hint) button->setToolTip(QString::fromUtf8(command.hint));
    QObject::connect(button, &QPushButton::clicked, owner, command.slot);
    return button;
}

/// An action added to `bar` (a tool bar or a menu) that runs the command on `owner`.
template <std::derived_from<QObject> Owner>
QAction* addCommandAction(QWidget* bar, Owner* owner, const CommandOf<Owner>& command) {
    QAction* action = new QAction(QString::fromUtf8(command.caption), bar);
    action->setObjectName(QString::fromLatin1(command.name));
    if (*command.hint) action->setToolTip(QString::fromUtf8(command.hint));
    QObject::connect(action, &QAction::triggered, owner, command.slot);
    bar->addAction(action);
    return action;
}

} // namespace p3::gui
