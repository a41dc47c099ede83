#include "SettingsStore.h"

#include <algorithm>
#include <variant>

#include "IniDocument.h"
#include "LeadingDecimal.h"
#include "ProfileFile.h"
#include "Utf8Text.h"

namespace {

constexpr const char* kSection = "Settings";

// The kinds of value a key holds, each the field of Settings it reads into.
using Count = int& (*)(Settings&);                       // a whole number
using Flag = bool& (*)(Settings&);                       // "1" or "0"
using Amount = Money& (*)(Settings&);                    // dollars and cents, "12.50"
using Size = std::optional<int>& (*)(Settings&);         // one of the window sizes
using Text = std::optional<std::string>& (*)(Settings&); // one line of text

struct Key {
    const char* name;
    std::variant<Count, Flag, Amount, Size, Text> field;
};

// Every key of the section, in the order a new file gets them.
const std::array<Key, 14> kKeys = {{
    {"AutoPlaySpins", Count([](Settings& s) -> int& { return s.play.autoSpins; })},
    {"AutoStopOnAnyWin", Flag([](Settings& s) -> bool& { return s.play.stopOnAnyWin; })},
    {"AutoStopOnWinOf", Amount([](Settings& s) -> Money& { return s.play.stopOnWinOf; })},
    {"AutoStopBelowCredits", Amount([](Settings& s) -> Money& { return s.play.stopBelowCredits; })},
    {"AutoStopOnBonusPool", Flag([](Settings& s) -> bool& { return s.play.stopOnBonusPool; })},
    {"AutoStopOnFreeSpins", Flag([](Settings& s) -> bool& { return s.play.stopOnFreeSpins; })},
    {"QuickStop", Flag([](Settings& s) -> bool& { return s.play.quickStop; })},
    {"EffectsVolume", Count([](Settings& s) -> int& { return s.play.effectsVolume; })},
    {"MusicVolume", Count([](Settings& s) -> int& { return s.play.musicVolume; })},
    {"ReminderMinutes", Count([](Settings& s) -> int& { return s.play.reminderMinutes; })},
    {"SessionLossLimit", Amount([](Settings& s) -> Money& { return s.play.lossLimit; })},
    {"ReduceFlashing", Flag([](Settings& s) -> bool& { return s.reduceFlashing; })},
    {"Zoom", Size([](Settings& s) -> std::optional<int>& { return s.windowSize; })},
    {"BannerText", Text([](Settings& s) -> std::optional<std::string>& { return s.bannerText; })},
}};

template <typename... F> struct Overload : F... {
    using F::operator()...;
};
template <typename... F> Overload(F...) -> Overload<F...>;

// A number that is the whole text, rounded to an integer.
std::optional<std::int64_t> wholeNumber(const std::string& text, std::int64_t max)
{
    const LeadingDecimal number = LeadingDecimal::parse(text);
    if (!number.isWholeText()) return std::nullopt;
    return number.toRoundedInteger(max);
}

// Reads the stored text into the key's field; a text that is no value of its kind leaves the default.
void readKey(const Key& key, const std::string& text, Settings& s)
{
    std::visit(Overload{
                   [&](Count field) {
                       if (const auto value = wholeNumber(text, 1'000'000)) field(s) = static_cast<int>(*value);
                   },
                   [&](Flag field) {
                       if (const auto value = wholeNumber(text, 1); value && *value >= 0) field(s) = *value == 1;
                   },
                   [&](Amount field) {
                       const LeadingDecimal number = LeadingDecimal::parse(text);
                       const auto cents =
                           number.isWholeText() ? number.toCents(PlaySettings::kMaxAmount * 100) : std::nullopt;
                       if (cents && *cents >= 0) field(s) = Money::fromCents(*cents);
                   },
                   [&](Size field) {
                       const auto value = LeadingDecimal::parse(text).toRoundedInteger(Settings::kWindowSizes.back());
                       if (value && Settings::isWindowSize(static_cast<int>(*value)))
                           field(s) = static_cast<int>(*value);
                   },
                   [&](Text field) { field(s) = utf8Prefix(text, Settings::kBannerLimit); },
               },
               key.field);
}

// The text a key's field is written as; none leaves the key as it is.
std::optional<std::string> keyText(const Key& key, Settings& s)
{
    return std::visit(Overload{
                          [&](Count field) -> std::optional<std::string> { return std::to_string(field(s)); },
                          [&](Flag field) -> std::optional<std::string> { return field(s) ? "1" : "0"; },
                          [&](Amount field) -> std::optional<std::string> { return field(s).toString(); },
                          [&](Size field) -> std::optional<std::string> {
                              if (!field(s)) return std::nullopt;
                              return std::to_string(*field(s));
                          },
                          [&](Text field) -> std::optional<std::string> {
                              if (!field(s)) return std::nullopt;
                              return utf8Prefix(sanitizeLine(*field(s)), Settings::kBannerLimit);
                          },
                      },
                      key.field);
}

void writeKey(IniDocument& doc, const Key& key, Settings& s)
{
    if (const std::optional<std::string> text = keyText(key, s)) doc.set(kSection, key.name, *text);
}

} // namespace

bool Settings::isWindowSize(int percent)
{
    return std::find(kWindowSizes.begin(), kWindowSizes.end(), percent) != kWindowSizes.end();
}

int Settings::largestFittingSize(int faceHeight, int extraHeight, double limit)
{
    int best = kWindowSizes.front();
    for (int size : kWindowSizes) {
        if (faceHeight * size / 100 + extraHeight <= limit) best = size;
    }
    return best;
}

std::string Settings::welcomeBanner(const std::string& machineDisplayName)
{
    return "BannerText               Welcome to " + std::string(trimBlanks(machineDisplayName)) + "!";
}

std::string Settings::bannerFor(const std::string& machineDisplayName) const
{
    return bannerText ? *bannerText : welcomeBanner(machineDisplayName);
}

SettingsStore::SettingsStore(ProfileFile& file)
    : file_(file)
{}

Settings SettingsStore::read() const { return readFrom(file_.read()); }

bool SettingsStore::write(const Settings& settings)
{
    return file_.update([&](IniDocument& doc) { writeTo(doc, settings); });
}

Settings SettingsStore::readFrom(const IniDocument& doc)
{
    Settings s;
    for (const Key& key : kKeys) {
        if (const std::optional<std::string> text = doc.value(kSection, key.name)) readKey(key, *text, s);
    }
    s.play = s.play.sanitised();
    return s;
}

void SettingsStore::writeTo(IniDocument& doc, const Settings& settings)
{
    Settings s = settings;
    s.play = s.play.sanitised();
    if (s.windowSize && !Settings::isWindowSize(*s.windowSize)) s.windowSize.reset();
    for (const Key& key : kKeys) writeKey(doc, key, s);
}

void SettingsStore::writeBannerTo(IniDocument& doc, const std::string& text)
{
    Settings s;
    s.bannerText = text;
    for (const Key& key : kKeys) {
        if (std::holds_alternative<Text>(key.field)) writeKey(doc, key, s);
    }
}
