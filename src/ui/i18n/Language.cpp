#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kResourceDir = QStringLiteral(":/i18n");

} // namespace

QString installTranslations(QCoreApplication& app, const QLocale& locale)
{
    for (QString name : locale.uiLanguages()) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        // The texts are written in English: an English entry ahead of a translated language wins, as the
        // player listed them.
        if (name == QLatin1String("en") || name.startsWith(QLatin1String("en_"))) return {};
        auto* game = new QTranslator(&app);
        // Tries "quintel_de_AT", then "quintel_de".
        if (!game->load(QStringLiteral("quintel_") + name, kResourceDir)) {
            delete game;
            continue;
        }
        QCoreApplication::installTranslator(game);
        const QString language = game->language().section(QLatin1Char('_'), 0, 0);
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return language;
    }
    return {};
}

QStringList translatedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(kResourceDir).entryList({QStringLiteral("quintel_*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(8, file.size() - 8 - 3);
    return languages;
}
