#include "PlaySettingsStore.h"

#include <optional>
#include <string>

#include "IniDocument.h"
#include "LeadingDecimal.h"

namespace {

constexpr const char* kSection = "Settings";

std::optional<std::int64_t> readWhole(const IniDocument& doc, const char* key, std::int64_t max)
{
    const std::optional<std::string> text = doc.value(kSection, key);
    if (!text) return std::nullopt;
    const LeadingDecimal number = LeadingDecimal::parse(*text);
    if (!number.isWholeText()) return std::nullopt;
    return number.toRoundedInteger(max);
}

int readInt(const IniDocument& doc, const char* key, int def)
{
    const auto value = readWhole(doc, key, 1'000'000);
    return value ? static_cast<int>(*value) : def;
}

bool readFlag(const IniDocument& doc, const char* key, bool def)
{
    const auto value = readWhole(doc, key, 1);
    return value && *value >= 0 ? *value == 1 : def;
}

Money readAmount(const IniDocument& doc, const char* key)
{
    const std::optional<std::string> text = doc.value(kSection, key);
    if (!text) return Money();
    const LeadingDecimal number = LeadingDecimal::parse(*text);
    const auto cents = number.isWholeText() ? number.toCents(PlaySettings::kMaxAmount * 100) : std::nullopt;
    return cents && *cents >= 0 ? Money::fromCents(*cents) : Money();
}

} // namespace

PlaySettings readPlaySettings(const IniDocument& doc)
{
    const PlaySettings def;
    PlaySettings s;
    s.autoSpins = readInt(doc, "AutoPlaySpins", def.autoSpins);
    s.stopOnAnyWin = readFlag(doc, "AutoStopOnAnyWin", def.stopOnAnyWin);
    s.stopOnWinOf = readAmount(doc, "AutoStopOnWinOf");
    s.stopBelowCredits = readAmount(doc, "AutoStopBelowCredits");
    s.stopOnBonusPool = readFlag(doc, "AutoStopOnBonusPool", def.stopOnBonusPool);
    s.stopOnFreeSpins = readFlag(doc, "AutoStopOnFreeSpins", def.stopOnFreeSpins);
    s.quickStop = readFlag(doc, "QuickStop", def.quickStop);
    s.effectsVolume = readInt(doc, "EffectsVolume", def.effectsVolume);
    s.musicVolume = readInt(doc, "MusicVolume", def.musicVolume);
    s.reminderMinutes = readInt(doc, "ReminderMinutes", def.reminderMinutes);
    s.lossLimit = readAmount(doc, "SessionLossLimit");
    return s.sanitised();
}

void writePlaySettings(IniDocument& doc, const PlaySettings& settings)
{
    const PlaySettings s = settings.sanitised();
    auto flag = [](bool on) { return on ? "1" : "0"; };
    doc.set(kSection, "AutoPlaySpins", std::to_string(s.autoSpins));
    doc.set(kSection, "AutoStopOnAnyWin", flag(s.stopOnAnyWin));
    doc.set(kSection, "AutoStopOnWinOf", s.stopOnWinOf.toString());
    doc.set(kSection, "AutoStopBelowCredits", s.stopBelowCredits.toString());
    doc.set(kSection, "AutoStopOnBonusPool", flag(s.stopOnBonusPool));
    doc.set(kSection, "AutoStopOnFreeSpins", flag(s.stopOnFreeSpins));
    doc.set(kSection, "QuickStop", flag(s.quickStop));
    doc.set(kSection, "EffectsVolume", std::to_string(s.effectsVolume));
    doc.set(kSection, "MusicVolume", std::to_string(s.musicVolume));
    doc.set(kSection, "ReminderMinutes", std::to_string(s.reminderMinutes));
    doc.set(kSection, "SessionLossLimit", s.lossLimit.toString());
}
