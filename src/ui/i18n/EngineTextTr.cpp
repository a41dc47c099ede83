#include "EngineTextTr.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "EngineText.h"
#include "MidiErrorText.h"

namespace {

// A filled-in text matches its marked text with each %N standing for any run of characters.
QRegularExpression patternOf(const QString& source)
{
    QString pattern = QStringLiteral("^");
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pattern += QRegularExpression::escape(source.mid(at, m.capturedStart() - at)) + QStringLiteral("(.*?)");
        at = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(source.mid(at)) + QStringLiteral("$");
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

QString fromTemplate(const char* context, const char* source, const QString& english)
{
    const QString text = QString::fromUtf8(source);
    if (!text.contains(QLatin1Char('%')))
        return english == text ? QCoreApplication::translate(context, source) : QString();
    const QRegularExpressionMatch m = patternOf(text).match(english);
    if (!m.hasMatch()) return {};
    QString translated = QCoreApplication::translate(context, source);
    for (int i = 1; i <= m.lastCapturedIndex(); ++i) translated.replace(QStringLiteral("%%1").arg(i), m.captured(i));
    return translated;
}

} // namespace

QString translatedText(const std::string& english, const char* context, std::initializer_list<const char*> sources)
{
    const QString text = QString::fromStdString(english);
    for (const char* source : sources)
        if (QString t = fromTemplate(context, source, text); !t.isNull()) return t;
    return text;
}

QString translatedEngineText(const std::string& english)
{
    for (const char* source : EngineTexts::kAll)
        if (english == source) return QCoreApplication::translate("Engine", source);
    const QString engine = translatedText(english, "Engine", {EngineTexts::kLossLimitText});
    if (engine != QString::fromStdString(english)) return engine;
    return translatedText(english, "Sound", {kMidiErrorTitle, kMidiErrorTemplate});
}

QString machineText(const std::string& english) { return QCoreApplication::translate("Machine", english.c_str()); }
