#pragma once
/// Push buttons and the right-aligned button row that close most dialogs (确定 / 取消 and the like).
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

#include <initializer_list>

namespace p3::gui {

/// A push button of `parent` with its caption and object name (the name scripts press it by).
QPushButton* makeButton(QWidget* parent, const QString& caption, const char* objectName);

/// A row with `buttons` pushed to the right edge, as under a dialog's fields.
QHBoxLayout* makeButtonRow(std::initializer_list<QWidget*> buttons);

} // namespace p3::gui
