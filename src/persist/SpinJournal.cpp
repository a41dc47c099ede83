#include "SpinJournal.h"

#include <string>

#include "GameState.h"
#include "IniDocument.h"
#include "LeadingDecimal.h"
#include "MachineInfo.h"
#include "ReelSet.h"

namespace {

constexpr int kMaxStake = largestStake();

// A whole number that is the whole value and lies within min..max.
std::optional<int> strictInt(const IniDocument& doc, const char* key, int min, int max)
{
    const std::optional<std::string> text = doc.value(SpinJournal::kSection, key);
    if (!text) return std::nullopt;
    const LeadingDecimal number = LeadingDecimal::parse(*text);
    if (!number.hasNumber() || !number.isWholeText() || text->find('.') != std::string::npos) return std::nullopt;
    const auto value = number.toRoundedInteger(1'000'000);
    if (!value || *value < min || *value > max) return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace

void SpinJournal::write(IniDocument& doc, const SpinRecord& spin)
{
    clear(doc);
    doc.set(kSection, "Machine", std::to_string(spin.machine));
    doc.set(kSection, "Stake", std::to_string(spin.stake));
    doc.set(kSection, "FreeSpin", spin.freeSpin ? "1" : "0");
    doc.set(kSection, "FreeSpinCount", std::to_string(spin.freeSpinCount));
    doc.set(kSection, "Stop1", std::to_string(spin.stops[0]));
    doc.set(kSection, "Stop2", std::to_string(spin.stops[1]));
    doc.set(kSection, "Stop3", std::to_string(spin.stops[2]));
    if (spin.number > 0) doc.set(kSection, "Number", std::to_string(spin.number));
}

void SpinJournal::clear(IniDocument& doc) { doc.removeSection(kSection); }

std::optional<SpinRecord> SpinJournal::read(const IniDocument& doc)
{
    if (!doc.hasSection(kSection)) return std::nullopt;
    const auto machine = strictInt(doc, "Machine", 0, kMachineCount - 1);
    const auto stake = strictInt(doc, "Stake", 0, kMaxStake);
    const auto freeSpin = strictInt(doc, "FreeSpin", 0, 1);
    const auto freeSpinCount = strictInt(doc, "FreeSpinCount", 0, kMaxFreeSpinCount);
    const auto stop1 = strictInt(doc, "Stop1", 0, kStripLength - 1);
    const auto stop2 = strictInt(doc, "Stop2", 0, kStripLength - 1);
    const auto stop3 = strictInt(doc, "Stop3", 0, kStripLength - 1);
    if (!machine || !stake || !freeSpin || !freeSpinCount || !stop1 || !stop2 || !stop3) return std::nullopt;
    SpinRecord spin;
    spin.machine = *machine;
    spin.stake = *stake;
    spin.freeSpin = *freeSpin == 1;
    spin.freeSpinCount = *freeSpinCount;
    spin.stops[0] = *stop1;
    spin.stops[1] = *stop2;
    spin.stops[2] = *stop3;
    // Optional: a record without a number (or a bad one) is completed and logged under a new number.
    if (const auto number = doc.value(kSection, "Number")) {
        const LeadingDecimal parsed = LeadingDecimal::parse(*number);
        const auto value = parsed.isWholeText() && number->find('.') == std::string::npos
                               ? parsed.toRoundedInteger(kMaxNumber)
                               : std::nullopt;
        if (value && *value > 0) spin.number = *value;
    }
    return spin;
}
