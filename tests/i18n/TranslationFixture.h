#pragma once

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include "Language.h"

// A test run in one language ("en", "de", ...): its translations are installed before and removed after.
class TranslationFixture : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        language_ = installTranslations(*QCoreApplication::instance(), QLocale(QString::fromLatin1(GetParam())));
        // A translated language is installed as asked; English and the rest install nothing.
        const QString asked = QString::fromLatin1(GetParam());
        ASSERT_EQ(language_, translatedLanguages().contains(asked) ? asked : QString());
    }
    void TearDown() override
    {
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }

    QString language_;
};
