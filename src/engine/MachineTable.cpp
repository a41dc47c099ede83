#include "MachineTable.h"

#include <initializer_list>

namespace {

using Rule = PayLineRule;

constexpr std::uint16_t kAny = PayLineRule::kAnySymbol;

constexpr std::uint16_t of(std::initializer_list<int> symbols)
{
    std::uint16_t set = 0;
    for (int s : symbols) set = static_cast<std::uint16_t>(set | (1u << s));
    return set;
}
constexpr Rule every(std::uint16_t set) { return {Rule::Kind::EveryReel, {set, set, set}}; }
constexpr Rule reels(std::uint16_t a, std::uint16_t b, std::uint16_t c) { return {Rule::Kind::EveryReel, {a, b, c}}; }
constexpr Rule anywhere(std::uint16_t set) { return {Rule::Kind::AnyReel, {set, set, set}}; }
// Three of symbol s, where the top symbol 0 stands in for it.
constexpr Rule three(int s) { return every(of({s, 0})); }

constexpr std::array<std::int8_t, 3> cells(int a, int b, int c)
{
    return {static_cast<std::int8_t>(a), static_cast<std::int8_t>(b), static_cast<std::int8_t>(c)};
}
constexpr std::array<std::int8_t, 3> row(int n) { return cells(n, n, n); }

// The table is laid out by hand.
// clang-format off
const std::array<MachineDefinition, kMachineCount> kMachines = {{
    {MachineId::Quintel, "Quintel Slots", "Quintel Slots", "1.2", "QUINTEL", "QUINTELB", "quintel",
     {"QUIN00", "QUIN01", "QUIN02"}, 27, 7,
     {"Q medallion (wild)", "Bell", "Plum", "Orange", "Watermelon", "Cherries", "Lemon", nullptr},
     {"6021643621065364250426534153", "5406253645612651063456425356", "6531642520631560435645165362"},
     nullptr,
     {{
         {"Three Q medallions", every(of({0})), 100, row(0)},
         {"Three bells", three(1), 20, row(1)},
         {"Three plums", three(2), 12, row(2)},
         {"Three oranges", three(3), 10, row(3)},
         {"Three watermelons", three(4), 7, row(4)},
         {"Three cherries", three(5), 5, row(5)},
         {"Cherries on reels 1 and 2", reels(of({5, 0}), of({5, 0}), kAny), 3, cells(5, 5, 7)},
         {"Cherries on reel 1", reels(of({5, 0}), kAny, kAny), 1, cells(5, 7, 7)},
     }},
     0, -1},
    {MachineId::Lucky7, "Lucky 7 Slots", "Lucky Sevens", "1.2", "LUCKY7", "LUCKY7B", "lucky7",
     {"QUIN10", "QUIN11", "QUIN12"}, 28, 7,
     {"Red seven (wild)", "Blue seven", "White seven", "Gold seven", "Double bar", "Single bar", "Lemon", nullptr},
     {"5645143564052456354156545245", "5645143564052456354156545245", "5645143564052456354156545245"},
     nullptr,
     {{
         {"Three red sevens", every(of({0})), 100, row(0)},
         {"Three blue sevens", three(1), 25, row(1)},
         {"Three white sevens", three(2), 25, row(2)},
         {"Three gold sevens", three(3), 25, row(3)},
         {"Any three sevens", every(of({0, 1, 2, 3})), 7, row(6)},
         {"Three double bars", every(of({4})), 7, row(4)},
         {"Three single bars", every(of({5})), 5, row(5)},
         {"Any three bars", every(of({4, 5})), 1, row(7)},
     }},
     0, -1},
    {MachineId::Treasure, "Treasure Chest Slots", "Treasure Chest", "1.2", "TREASURE", "TREASURB", "treasure",
     {"QUIN20", "QUIN21", "QUIN22"}, 28, 8,
     {"Jolly Roger (wild)", "Diamond", "Ruby", "Gold coins", "Treasure map", "Compass", "Treasure chest", "Anchor"},
     {"7057421750465370357417207354", "7057421750465370357417207354", "7057421750465370357417207354"},
     // The chest (6) at stop 11 of the third reel becomes an anchor: no new free spins from reel 3.
     "7057421750475370357417207354",
     {{
         {"Three Jolly Rogers", every(of({0})), 25, row(0)},
         {"Three diamonds", three(1), 10, row(1)},
         {"Three rubies", three(2), 10, row(2)},
         {"Three gold coins", three(3), 7, row(3)},
         {"Three treasure maps", three(4), 4, row(4)},
         {"Three compasses", three(5), 3, row(5)},
         {"Three anchors", three(7), 1, row(6)},
         {"Treasure chest anywhere: Spin 'til You Win!", anywhere(of({6})), 0, cells(7, -1, -1)},
     }},
     0, 7},
}};
// clang-format on

} // namespace

int MachineDefinition::match(int s1, int s2, int s3) const
{
    for (int k = 0; k < kComboCount; ++k)
        if (combinations[static_cast<std::size_t>(k)].rule.matches(s1, s2, s3)) return k;
    return -1;
}

const char* MachineDefinition::strip(int reel, bool freeSpinMode) const
{
    if (reel < 0 || reel >= kReelCount) reel = 0;
    if (reel == kReelCount - 1 && freeSpinMode && freeSpinStrip) return freeSpinStrip;
    return strips[static_cast<std::size_t>(reel)];
}

const MachineDefinition& machineDefinition(MachineId id)
{
    return kMachines[static_cast<std::size_t>(indexOf(machineIdOf(indexOf(id))))];
}

const MachineDefinition& machineDefinition(int index) { return machineDefinition(machineIdOf(index)); }
