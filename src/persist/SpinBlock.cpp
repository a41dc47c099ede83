#include "SpinBlock.h"

#include <algorithm>
#include <cstring>

#include "SpinLog.h"

namespace {

// The fields in the order toBytes writes them, each as 8 bytes of this machine's order.
template <class Block, class Visit> void eachField(Block& b, Visit visit)
{
    visit(b.spins);
    visit(b.freeSpins);
    visit(b.wageredCents);
    visit(b.wonCents);
    visit(b.biggestWinCents);
    visit(b.poolsWon);
    visit(b.freeSpinSequences);
    visit(b.leadingRun);
    visit(b.trailingRun);
    visit(b.longestRun);
    visit(b.firstTime);
    visit(b.lastTime);
    visit(b.secondsPlayed);
    visit(b.paidSpins);
    for (auto& v : b.paidSpinsOn) visit(v);
    for (auto& m : b.hits)
        for (auto& v : m) visit(v);
    for (auto& m : b.stakeCents)
        for (auto& v : m) visit(v);
    for (auto& v : b.stakeSquares) visit(v);
    visit(b.lowSpin);
    visit(b.lowCents);
    visit(b.highSpin);
    visit(b.highCents);
}

} // namespace

std::size_t SpinBlock::machineSlot(int machine)
{
    return machine >= 0 && static_cast<std::size_t>(machine) < kMachineSlots - 1 ? static_cast<std::size_t>(machine)
                                                                                 : kMachineSlots - 1;
}

std::size_t SpinBlock::stakeSlot(std::int64_t stakeCents)
{
    const std::int64_t credits = stakeCents / 100;
    return credits >= 1 && credits < static_cast<std::int64_t>(kStakeSlots) ? static_cast<std::size_t>(credits) : 0;
}

void SpinBlock::add(const LoggedSpin& s)
{
    SpinBlock one;
    one.spins = 1;
    one.freeSpins = s.freeSpin ? 1 : 0;
    one.wonCents = s.paidCents;
    one.biggestWinCents = s.paidCents;
    one.poolsWon = s.poolCents > 0 ? 1 : 0;
    one.freeSpinSequences = s.freeSpin ? 1 : 0;
    one.firstFree = one.lastFree = s.freeSpin;
    const std::int64_t run = s.paidCents > 0 ? 0 : 1;
    one.leadingRun = one.trailingRun = one.longestRun = run;
    const std::int64_t t = parseIsoTime(s.time);
    one.firstTime = one.lastTime = t;
    if (!s.freeSpin) {
        const std::size_t m = machineSlot(s.machine);
        one.wageredCents = s.stakeCents;
        one.paidSpins = 1;
        one.paidSpinsOn[m] = 1;
        if (s.combination >= 0 && s.combination < 8) one.hits[m][static_cast<std::size_t>(s.combination)] = 1;
        one.stakeCents[m][stakeSlot(s.stakeCents)] = s.stakeCents;
        one.stakeSquares[m] = s.stakeCents * s.stakeCents;
    }
    one.lowSpin = one.highSpin = 1;
    one.lowCents = one.highCents = s.creditsAfterCents;
    join(one);
}

void SpinBlock::join(const SpinBlock& next)
{
    if (next.spins == 0) return;
    if (spins == 0) {
        *this = next;
        return;
    }
    // Runs without a win, free-spin sequences and pauses meet at the seam between the two.
    longestRun = std::max({longestRun, next.longestRun, trailingRun + next.leadingRun});
    if (leadingRun == spins) leadingRun += next.leadingRun;
    trailingRun = next.trailingRun == next.spins ? trailingRun + next.spins : next.trailingRun;
    freeSpinSequences += next.freeSpinSequences - (lastFree && next.firstFree ? 1 : 0);
    lastFree = next.lastFree;
    secondsPlayed += next.secondsPlayed;
    if (lastTime >= 0 && next.firstTime >= 0 && next.firstTime >= lastTime &&
        next.firstTime - lastTime <= kPauseSeconds)
        secondsPlayed += next.firstTime - lastTime;
    if (firstTime < 0) firstTime = next.firstTime;
    if (next.lastTime >= 0) lastTime = next.lastTime;

    // Lowest and highest: the first of equals stays.
    if (next.lowCents < lowCents) lowCents = next.lowCents, lowSpin = spins + next.lowSpin;
    if (next.highCents > highCents) highCents = next.highCents, highSpin = spins + next.highSpin;

    spins += next.spins;
    freeSpins += next.freeSpins;
    wageredCents += next.wageredCents;
    wonCents += next.wonCents;
    biggestWinCents = std::max(biggestWinCents, next.biggestWinCents);
    poolsWon += next.poolsWon;
    paidSpins += next.paidSpins;
    for (std::size_t m = 0; m < kMachineSlots; ++m) {
        paidSpinsOn[m] += next.paidSpinsOn[m];
        stakeSquares[m] += next.stakeSquares[m];
        for (std::size_t c = 0; c < 8; ++c) hits[m][c] += next.hits[m][c];
        for (std::size_t w = 0; w < kStakeSlots; ++w) stakeCents[m][w] += next.stakeCents[m][w];
    }
}

std::string SpinBlock::toBytes() const
{
    std::string bytes;
    bytes.reserve(200 * 8);
    const std::int64_t flags = (firstFree ? 1 : 0) | (lastFree ? 2 : 0);
    auto put = [&bytes](std::int64_t v) { bytes.append(reinterpret_cast<const char*>(&v), sizeof v); };
    put(flags);
    eachField(*this, put);
    return bytes;
}

bool SpinBlock::fromBytes(const void* data, std::size_t size)
{
    std::size_t fields = 1;
    eachField(*this, [&fields](std::int64_t&) { ++fields; });
    if (!data || size != fields * sizeof(std::int64_t)) return false;
    const char* at = static_cast<const char*>(data);
    auto get = [&at](std::int64_t& v) {
        std::memcpy(&v, at, sizeof v);
        at += sizeof v;
    };
    std::int64_t flags = 0;
    get(flags);
    firstFree = (flags & 1) != 0;
    lastFree = (flags & 2) != 0;
    eachField(*this, get);
    return true;
}

std::int64_t parseIsoTime(const std::string& text)
{
    // Read by hand: sscanf and timegm for every one of 100,000 rows cost more than the rest of the figures.
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != 'Z')
        return -1;
    auto number = [&](std::size_t at, std::size_t digits) -> std::int64_t {
        std::int64_t v = 0;
        for (std::size_t i = at; i < at + digits; ++i) {
            if (text[i] < '0' || text[i] > '9') return -1;
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    const std::int64_t y = number(0, 4), m = number(5, 2), d = number(8, 2);
    const std::int64_t hh = number(11, 2), mm = number(14, 2), ss = number(17, 2);
    if (y < 0 || m < 1 || m > 12 || d < 1 || d > 31 || hh < 0 || hh > 23 || mm < 0 || mm > 59 || ss < 0 || ss > 60)
        return -1;
    // Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
    const std::int64_t yy = m <= 2 ? y - 1 : y;
    const std::int64_t era = yy / 400;
    const std::int64_t yoe = yy - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t days = era * 146097 + doe - 719468;
    return days * 86400 + hh * 3600 + mm * 60 + ss;
}
