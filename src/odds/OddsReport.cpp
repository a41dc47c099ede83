#include "OddsReport.h"

#include <cmath>
#include <cstdio>
#include <locale.h>

#include "OddsSimulator.h"

namespace {

constexpr int kReportWagers[] = {1, 3, 30};

// Always a decimal point: the game's window adopts the user's locale, and neither the JSON nor the
// English texts may get a decimal comma.
std::string printf1(const char* format, double value)
{
    static const locale_t plain = newlocale(LC_ALL_MASK, "C", locale_t{});
    const locale_t previous = uselocale(plain);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    uselocale(previous);
    return buffer;
}

// Full double precision: the shortest form that reads back as the same double is at most 17 digits.
std::string exact(double value) { return printf1("%.17g", value); }

std::string grouped(long long value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<std::size_t>(i), ",");
    return value < 0 ? "-" + digits : digits;
}

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(ch));
            out += buffer;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

void line(std::string& out, const std::string& text)
{
    out += text;
    out += '\n';
}

} // namespace

std::string formatOneIn(double probability)
{
    if (!(probability > 0)) return "never";
    const double n = 1.0 / probability;
    if (n >= 100) return "1 in " + grouped(std::llround(n));
    if (n >= 10) return "1 in " + printf1("%.1f", n);
    return "1 in " + printf1("%.2f", n);
}

std::string formatPercent(double fraction, int decimals)
{
    char format[16];
    std::snprintf(format, sizeof format, "%%.%df %%%%", decimals < 0 ? 0 : decimals > 9 ? 9 : decimals);
    return printf1(format, 100.0 * fraction);
}

std::string oddsTable(const MachineOdds& odds)
{
    std::string out;
    char row[160];
    line(out, odds.name + " (machine " + std::to_string(odds.machine) + ")");
    line(out, "  Combination  Pays   Ways/21952  Probability     Share of return");
    for (const CombinationOdds& c : odds.combinations) {
        const bool freeSpin = odds.hasFreeSpins && c.combo == odds.freeSpinCombination;
        std::snprintf(row, sizeof row, "  %11d  %-5s  %10lld  %-14s  %s", c.combo,
                      freeSpin ? "free" : ("x" + std::to_string(c.multiplier)).c_str(), static_cast<long long>(c.ways),
                      formatOneIn(c.probability.toDouble()).c_str(),
                      formatPercent(c.returnShare.toDouble(), 2).c_str());
        line(out, row);
    }
    const double hit = odds.hitFrequency.toDouble();
    line(out, "  Hit frequency:          " + formatOneIn(hit) + " spins (" + formatPercent(hit, 2) + ")");
    line(out, "  Base return:            " + formatPercent(odds.baseReturn.toDouble(), 3) + " (spin alone)");
    if (odds.hasFreeSpins) {
        const FreeSpinOdds& fs = odds.freeSpins;
        const Ratio share = fs.triggerProbability * fs.expectedMultiplier;
        line(out, "  Free spins:             start " + formatOneIn(fs.triggerProbability.toDouble()) +
                      " paid spins; each free spin pays " + formatOneIn(fs.winProbability.toDouble()));
        line(out, "                          " + printf1("%.3f", fs.expectedSpins.toDouble()) +
                      " free spins a sequence, paying x" + printf1("%.3f", fs.expectedMultiplier.toDouble()) +
                      " on average (" + formatPercent((share / odds.returnWithFreeSpins).toDouble(), 2) +
                      " of the return)");
    }
    line(out, "  Return with free spins: " + formatPercent(odds.returnWithFreeSpins.toDouble(), 3));
    line(out, "  Bonus pool won:         " + formatOneIn(odds.jackpotProbability.toDouble()) + " paid spins");
    line(out,
         "  Volatility:             " + printf1("%.3f", odds.volatility()) + " (standard deviation per spin, x stake)");
    std::string totals = "  Total with the pool:    ";
    for (int w : kReportWagers) {
        if (w != kReportWagers[0]) totals += ", ";
        totals += formatPercent(odds.totalReturn(w).toDouble(), 3) + " at " + std::to_string(w);
    }
    line(out, totals + " credit" + "s staked a spin");
    return out;
}

std::string oddsJson(const std::vector<MachineOdds>& machines)
{
    std::string out = "{\"machines\": [";
    for (std::size_t i = 0; i < machines.size(); ++i) {
        const MachineOdds& m = machines[i];
        out += i ? ",\n  {" : "\n  {";
        out += "\"machine\": " + std::to_string(m.machine) + ", \"name\": " + jsonString(m.name) +
               ",\n   \"combinations\": [";
        for (const CombinationOdds& c : m.combinations) {
            if (c.combo) out += ", ";
            out += "{\"combo\": " + std::to_string(c.combo) + ", \"multiplier\": " + std::to_string(c.multiplier) +
                   ", \"ways\": " + std::to_string(c.ways) + ", \"probability\": " + exact(c.probability.toDouble()) +
                   "}";
        }
        out += "],\n   \"hit_frequency\": " + exact(m.hitFrequency.toDouble());
        out += ", \"base_return\": " + exact(m.baseReturn.toDouble());
        if (m.hasFreeSpins) {
            const FreeSpinOdds& fs = m.freeSpins;
            out += ",\n   \"free_spins\": {\"trigger_probability\": " + exact(fs.triggerProbability.toDouble()) +
                   ", \"win_probability\": " + exact(fs.winProbability.toDouble()) +
                   ", \"expected_spins\": " + exact(fs.expectedSpins.toDouble()) +
                   ", \"expected_multiplier\": " + exact(fs.expectedMultiplier.toDouble()) + "}";
        }
        out += ",\n   \"return_with_free_spins\": " + exact(m.returnWithFreeSpins.toDouble());
        out += ", \"jackpot_probability\": " + exact(m.jackpotProbability.toDouble());
        out += ", \"volatility\": " + exact(m.volatility());
        out += ",\n   \"total_return_by_wager\": {";
        for (int w : kReportWagers) {
            if (w != kReportWagers[0]) out += ", ";
            out += "\"" + std::to_string(w) + "\": " + exact(m.totalReturn(w).toDouble());
        }
        out += "}}";
    }
    return out + "\n]}\n";
}

std::string simulationReport(const MachineOdds& odds, int wager, std::uint64_t seed, const SimulationTotals& t)
{
    std::string out;
    const double r = t.observedReturn();
    const double half = 1.96 * t.standardError();
    const double exactTotal = odds.totalReturn(wager).toDouble();
    line(out, odds.name + " (machine " + std::to_string(odds.machine) + "), wager " + std::to_string(wager) +
                  ", seed " + std::to_string(seed) + ": " + grouped(t.paidSpins) + " paid spins, " +
                  grouped(t.freeSpins) + " free spins");
    line(out, "  Return:         " + formatPercent(r, 3) + " +/- " + formatPercent(half, 3) + " (95 % interval " +
                  formatPercent(r - half, 3) + " to " + formatPercent(r + half, 3) + "); exact " +
                  formatPercent(exactTotal, 3) + ((std::fabs(r - exactTotal) <= half) ? "  [inside]" : "  [outside]"));
    line(out, "  Base return:    " + formatPercent(t.observedBaseReturn(), 3) + "; exact " +
                  formatPercent(odds.baseReturn.toDouble(), 3));
    line(out, "  Hit frequency:  " + formatPercent(t.observedHitFrequency(), 3) + "; exact " +
                  formatPercent(odds.hitFrequency.toDouble(), 3));
    const double n = t.paidSpins > 0 ? static_cast<double>(t.paidSpins) : 1.0;
    line(out, "  Pools won:      " + grouped(t.jackpots) + " (" + formatOneIn(static_cast<double>(t.jackpots) / n) +
                  "; exact " + formatOneIn(odds.jackpotProbability.toDouble()) + ")");
    if (odds.hasFreeSpins && t.sequences > 0) {
        const double seqs = static_cast<double>(t.sequences);
        line(out, "  Free spins:     " + grouped(t.sequences) + " sequences, " +
                      printf1("%.3f", static_cast<double>(t.freeSpins) / seqs) + " spins and x" +
                      printf1("%.3f", static_cast<double>(t.sequenceMultipliers) / seqs) + " each; exact " +
                      printf1("%.3f", odds.freeSpins.expectedSpins.toDouble()) + " and x" +
                      printf1("%.3f", odds.freeSpins.expectedMultiplier.toDouble()));
    }
    return out;
}
