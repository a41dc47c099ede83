// quintel-analyze: the exact odds of every machine, counted from the game's own reel strips and pay
// tables, and a simulator that plays paid spins the way the game decides them.

#include <chrono>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "MachineOdds.h"
#include "MersenneRandom.h"
#include "OddsReport.h"
#include "OddsSimulator.h"

namespace {

const char* const kUsage = "usage: quintel-analyze [--json] [--machine M]\n"
                           "       quintel-analyze --simulate N [--machine M] [--wager W] [--seed S]\n"
                           "       quintel-analyze --help | --version\n"
                           "  --json        print the exact odds as one JSON object\n"
                           "  --machine M   only machine M (0 Quintel Slots, 1 Lucky 7 Slots, 2 Treasure Chest Slots)\n"
                           "  --simulate N  play N paid spins and compare the observed return with the exact one\n"
                           "  --wager W     credits staked on every paid spin, 1..30 (default 3)\n"
                           "  --seed S      seed of the random draws (default 1995)\n"
                           "  --help        print this text\n"
                           "  --version     print the version\n";

struct Options {
    bool json = false;
    int machine = -1;
    std::int64_t simulate = 0;
    int wager = 3;
    std::uint64_t seed = 1995;
};

bool parseNumber(const char* text, long long low, long long high, long long& value)
{
    if (!text || !*text) return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || v < low || v > high) return false;
    value = v;
    return true;
}

int fail(const std::string& message)
{
    std::cerr << "quintel-analyze: " << message << "\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Options opt;
    bool simulate = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        long long n = 0;
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "quintel-analyze " QUINTEL_VERSION "\n";
            return 0;
        } else if (arg == "--json") {
            opt.json = true;
        } else if (arg == "--machine") {
            if (!parseNumber(value, 0, kMachineCount - 1, n)) return fail("--machine needs 0, 1 or 2");
            opt.machine = static_cast<int>(n);
            ++i;
        } else if (arg == "--simulate") {
            if (!parseNumber(value, 1, 1000000000000LL, n)) return fail("--simulate needs a number of spins from 1");
            opt.simulate = n;
            simulate = true;
            ++i;
        } else if (arg == "--wager") {
            if (!parseNumber(value, 1, 30, n)) return fail("--wager needs a number of credits from 1 to 30");
            opt.wager = static_cast<int>(n);
            ++i;
        } else if (arg == "--seed") {
            if (!parseNumber(value, 0, 0x7fffffffffffffffLL, n))
                return fail("--seed needs a non-negative whole number");
            opt.seed = static_cast<std::uint64_t>(n);
            ++i;
        } else {
            return fail("unknown argument '" + arg + "'");
        }
    }

    std::vector<MachineOdds> machines;
    for (int m = 0; m < kMachineCount; ++m)
        if (opt.machine < 0 || opt.machine == m) machines.push_back(computeMachineOdds(m));

    if (!simulate) {
        if (opt.json) {
            std::cout << oddsJson(machines);
        } else {
            for (std::size_t i = 0; i < machines.size(); ++i) std::cout << (i ? "\n" : "") << oddsTable(machines[i]);
        }
        return 0;
    }

    for (std::size_t i = 0; i < machines.size(); ++i) {
        const std::uint64_t seed = opt.seed;
        MersenneRandom random([seed] { return seed; });
        OddsSimulator simulator(machines[i].machine, opt.wager, random);
        const auto start = std::chrono::steady_clock::now();
        simulator.run(opt.simulate);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::cout << (i ? "\n" : "") << simulationReport(machines[i], opt.wager, opt.seed, simulator.totals());
        char speed[96];
        std::snprintf(speed, sizeof speed, "  Speed:          %.1f million paid spins a second\n",
                      seconds > 0 ? static_cast<double>(opt.simulate) / seconds / 1e6 : 0.0);
        std::cout << speed;
    }
    return 0;
}
