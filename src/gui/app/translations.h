#pragma once
/// Qt's own texts (file dialogs, message box buttons, the context menus of edit boxes) in the program's
/// language: Chinese, in the variant of the system's locale when that is Chinese, else zh_CN.
#include <QLocale>

class QCoreApplication;

namespace p3::gui {

/// The locale the program's windows use: a Chinese system locale as it is, any other one as zh_CN.
QLocale programLocale(const QLocale& systemLocale);

/// Sets the program locale as the default and installs Qt's translations for it from Qt's translations
/// folder; false when they are not installed (Qt's texts then stay English).
bool installQtTranslations(QCoreApplication& app, const QLocale& systemLocale = QLocale::system());

} // namespace p3::gui
