// Choosing the language, and the texts translated where the window shows them.
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "EngineText.h"
#include "EngineTextTr.h"
#include "MidiErrorText.h"
#include "SessionSummary.h"
#include "TranslationFixture.h"

namespace {

QString cancelButtonText()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

QString lossLimitText() { return translatedEngineText(fillText(EngineTexts::kLossLimitText, {"25.00", "20.00"})); }

class Translated : public TranslationFixture {};

TEST_P(Translated, GameAndQtTextsAreInTheLanguageWithMoneyKeptAsOnTheFace)
{
    const QString english = QStringLiteral("Place a bet before spinning!");
    const QString text = translatedEngineText(english.toStdString());
    EXPECT_NE(text, english);
    EXPECT_FALSE(text.isEmpty());
    // Qt's own buttons come along.
    EXPECT_NE(cancelButtonText(), QStringLiteral("Cancel"));
    // The values the engine filled in come through unchanged, with their decimal point.
    const QString loss = lossLimitText();
    EXPECT_TRUE(loss.contains(QStringLiteral("25.00")) && loss.contains(QStringLiteral("20.00"))) << loss.toStdString();
    EXPECT_LT(loss.indexOf(QStringLiteral("25.00")), loss.indexOf(QStringLiteral("20.00")));
    EXPECT_NE(loss.left(20), QStringLiteral("This session has lost"));
    const QString midi = translatedEngineText(midiErrorText("QUIN21"));
    EXPECT_TRUE(midi.contains(QStringLiteral("(quin21.mid)"))) << midi.toStdString();
    EXPECT_NE(midi, QString::fromStdString(midiErrorText("QUIN21")));
    EXPECT_NE(machineText("Three bells"), QStringLiteral("Three bells"));
    const QString summary = sessionSummary(65 * 60'000, Money::fromCredits(120), Money::fromCredits(95));
    EXPECT_TRUE(summary.contains(QStringLiteral("120.00")) && summary.contains(QStringLiteral("25.00")));
    EXPECT_FALSE(summary.startsWith(QStringLiteral("This session")));
}

INSTANTIATE_TEST_SUITE_P(Languages, Translated, ::testing::Values("de", "fr", "es"));

class English : public TranslationFixture {};

TEST_P(English, LocaleLeavesEveryTextAsWritten)
{
    EXPECT_TRUE(language_.isEmpty());
    EXPECT_EQ(translatedEngineText(EngineTexts::kNoWagerTitle), QStringLiteral("No Wager Placed"));
    EXPECT_EQ(lossLimitText(), QStringLiteral("This session has lost $25.00, which reaches your loss limit of $20.00. "
                                              "Raise or clear the limit under Options > Reminders to play on."));
    EXPECT_EQ(cancelButtonText(), QStringLiteral("Cancel"));
    EXPECT_EQ(machineText("Three bells"), QStringLiteral("Three bells"));
}

// English, a language the game does not speak, and the C locale of a bare terminal.
INSTANTIATE_TEST_SUITE_P(Locales, English, ::testing::Values("en", "en_GB", "ja_JP", "C"));

TEST(TranslatedLanguages, AreCompiledIntoTheProgram)
{
    EXPECT_EQ(translatedLanguages(), (QStringList{"de", "es", "fr"}));
}

TEST(TranslatedLanguages, TheFirstLanguageThePlayerListsThatTheGameSpeaksWins)
{
    // LANGUAGE=fr_CA:de: French, from its general translation.
    QLocale canadian(QLocale::French, QLocale::Canada);
    EXPECT_EQ(installTranslations(*QCoreApplication::instance(), canadian), QStringLiteral("fr"));
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

TEST(EngineTexts, AnUnknownOrAlreadyTranslatedTextIsShownAsItIs)
{
    EXPECT_EQ(translatedEngineText("Kein Einsatz"), QStringLiteral("Kein Einsatz"));
    // A text that only starts like a marked one is not taken for it.
    EXPECT_EQ(translatedEngineText("Place a bet before spinning! Now."),
              QStringLiteral("Place a bet before spinning! Now."));
}

TEST(SessionSummary, SaysTimeAndMoneyInEnglishAsBefore)
{
    EXPECT_EQ(sessionSummary(65 * 60'000 + 59'999, Money::fromCredits(120), Money::fromCredits(95)),
              "This session has run for 1 hour 5 minutes. You have wagered $120.00 and won $95.00: "
              "a net loss of $25.00.");
    EXPECT_EQ(sessionSummary(120 * 60'000, Money::fromCredits(3), Money::fromCents(450)),
              "This session has run for 2 hours. You have wagered $3.00 and won $4.50: a net gain of $1.50.");
    EXPECT_EQ(sessionSummary(60'000, Money(), Money()),
              "This session has run for 1 minute. You have wagered $0.00 and won $0.00: you are even.");
}

} // namespace
