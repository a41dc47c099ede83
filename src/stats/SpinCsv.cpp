#include "SpinCsv.h"

#include "MachineInfo.h"
#include "Money.h"

namespace {

std::string dollars(std::int64_t cents) { return Money::fromCents(cents).toString(); }

std::string machineName(int machine) { return isValidMachine(machine) ? machineDefinition(machine).name : ""; }

std::string combinationName(int machine, int combo)
{
    if (!isValidMachine(machine) || combo < 0 || combo >= kComboCount) return "";
    return machineDefinition(machine).combinations[static_cast<std::size_t>(combo)].name;
}

} // namespace

std::string csvField(const std::string& text)
{
    const bool formula = !text.empty() && std::string("=+-@\t\r").find(text.front()) != std::string::npos;
    const std::string cell = formula ? "'" + text : text;
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void writeSpinCsvHeader(std::ostream& out)
{
    out << "id,time,game,game_number,machine,machine_name,stop1,stop2,stop3,combination,combination_name,"
           "stake_cents,stake,free_spin,paid_cents,paid,pool_cents,pool,credits_after_cents,credits_after\r\n";
}

void writeSpinCsvRow(std::ostream& out, const LoggedSpin& s)
{
    out << s.id << ',' << csvField(s.time) << ',' << csvField(s.game) << ',' << s.gameNumber << ',' << s.machine << ','
        << csvField(machineName(s.machine)) << ',' << s.stops[0] << ',' << s.stops[1] << ',' << s.stops[2] << ','
        << s.combination << ',' << csvField(combinationName(s.machine, s.combination)) << ',' << s.stakeCents << ','
        << dollars(s.stakeCents) << ',' << (s.freeSpin ? 1 : 0) << ',' << s.paidCents << ',' << dollars(s.paidCents)
        << ',' << s.poolCents << ',' << dollars(s.poolCents) << ',' << s.creditsAfterCents << ','
        << dollars(s.creditsAfterCents) << "\r\n";
}

void writeSpinCsv(std::ostream& out, const std::vector<LoggedSpin>& spins)
{
    writeSpinCsvHeader(out);
    for (const LoggedSpin& s : spins) writeSpinCsvRow(out, s);
}
