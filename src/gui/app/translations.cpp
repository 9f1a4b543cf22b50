#include "gui/app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace p3::gui {

QLocale programLocale(const QLocale& systemLocale) {
    if (systemLocale.language() == QLocale::Chinese) return systemLocale;
    return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
}

bool installQtTranslations(QCoreApplication& app, const QLocale& systemLocale) {
    const QLocale locale = programLocale(systemLocale);
    QLocale::setDefault(locale);
    // Owned by the application, so that it lives as long as the texts it translates.
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace p3::gui
