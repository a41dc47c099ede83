#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The game in the player's language: installs the game's translation (compiled into the program) and Qt's own
// (for the standard dialog buttons) for the first of the locale's interface languages the game speaks. English,
// or a language the game does not speak, installs nothing: the texts stay as written. Returns the language
// installed ("de", "fr", "es"), or an empty text.
QString installTranslations(QCoreApplication& app, const QLocale& locale);

// The languages the game is translated into, besides English.
QStringList translatedLanguages();
