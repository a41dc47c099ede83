#include "MachineTable.h"

#include "EngineText.h"

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
     {QUINTEL_TR_NOOP("Machine", "Q medallion (wild)"), QUINTEL_TR_NOOP("Machine", "Bell"), QUINTEL_TR_NOOP("Machine", "Plum"), QUINTEL_TR_NOOP("Machine", "Orange"), QUINTEL_TR_NOOP("Machine", "Watermelon"), QUINTEL_TR_NOOP("Machine", "Cherries"), QUINTEL_TR_NOOP("Machine", "Lemon"), nullptr},
     {"6021643621065364250426534153", "5406253645612651063456425356", "6531642520631560435645165362"},
     nullptr,
     {{
         {QUINTEL_TR_NOOP("Machine", "Three Q medallions"), every(of({0})), 100, row(0)},
         {QUINTEL_TR_NOOP("Machine", "Three bells"), three(1), 20, row(1)},
         {QUINTEL_TR_NOOP("Machine", "Three plums"), three(2), 12, row(2)},
         {QUINTEL_TR_NOOP("Machine", "Three oranges"), three(3), 10, row(3)},
         {QUINTEL_TR_NOOP("Machine", "Three watermelons"), three(4), 7, row(4)},
         {QUINTEL_TR_NOOP("Machine", "Three cherries"), three(5), 5, row(5)},
         {QUINTEL_TR_NOOP("Machine", "Cherries on reels 1 and 2"), reels(of({5, 0}), of({5, 0}), kAny), 3, cells(5, 5, 7)},
         {QUINTEL_TR_NOOP("Machine", "Cherries on reel 1"), reels(of({5, 0}), kAny, kAny), 1, cells(5, 7, 7)},
     }},
     0, -1},
    {MachineId::Lucky7, "Lucky 7 Slots", "Lucky Sevens", "1.2", "LUCKY7", "LUCKY7B", "lucky7",
     {"QUIN10", "QUIN11", "QUIN12"}, 28, 7,
     {QUINTEL_TR_NOOP("Machine", "Red seven (wild)"), QUINTEL_TR_NOOP("Machine", "Blue seven"), QUINTEL_TR_NOOP("Machine", "White seven"), QUINTEL_TR_NOOP("Machine", "Gold seven"), QUINTEL_TR_NOOP("Machine", "Double bar"), QUINTEL_TR_NOOP("Machine", "Single bar"), QUINTEL_TR_NOOP("Machine", "Lemon"), nullptr},
     {"5645143564052456354156545245", "5645143564052456354156545245", "5645143564052456354156545245"},
     nullptr,
     {{
         {QUINTEL_TR_NOOP("Machine", "Three red sevens"), every(of({0})), 100, row(0)},
         {QUINTEL_TR_NOOP("Machine", "Three blue sevens"), three(1), 25, row(1)},
         {QUINTEL_TR_NOOP("Machine", "Three white sevens"), three(2), 25, row(2)},
         {QUINTEL_TR_NOOP("Machine", "Three gold sevens"), three(3), 25, row(3)},
         {QUINTEL_TR_NOOP("Machine", "Any three sevens"), every(of({0, 1, 2, 3})), 7, row(6)},
         {QUINTEL_TR_NOOP("Machine", "Three double bars"), every(of({4})), 7, row(4)},
         {QUINTEL_TR_NOOP("Machine", "Three single bars"), every(of({5})), 5, row(5)},
         {QUINTEL_TR_NOOP("Machine", "Any three bars"), every(of({4, 5})), 1, row(7)},
     }},
     0, -1},
    {MachineId::Treasure, "Treasure Chest Slots", "Treasure Chest", "1.2", "TREASURE", "TREASURB", "treasure",
     {"QUIN20", "QUIN21", "QUIN22"}, 28, 8,
     {QUINTEL_TR_NOOP("Machine", "Jolly Roger (wild)"), QUINTEL_TR_NOOP("Machine", "Diamond"), QUINTEL_TR_NOOP("Machine", "Ruby"), QUINTEL_TR_NOOP("Machine", "Gold coins"), QUINTEL_TR_NOOP("Machine", "Treasure map"), QUINTEL_TR_NOOP("Machine", "Compass"), QUINTEL_TR_NOOP("Machine", "Treasure chest"), QUINTEL_TR_NOOP("Machine", "Anchor")},
     {"7057421750465370357417207354", "7057421750465370357417207354", "7057421750465370357417207354"},
     // The chest (6) at stop 11 of the third reel becomes an anchor: no new free spins from reel 3.
     "7057421750475370357417207354",
     {{
         {QUINTEL_TR_NOOP("Machine", "Three Jolly Rogers"), every(of({0})), 25, row(0)},
         {QUINTEL_TR_NOOP("Machine", "Three diamonds"), three(1), 10, row(1)},
         {QUINTEL_TR_NOOP("Machine", "Three rubies"), three(2), 10, row(2)},
         {QUINTEL_TR_NOOP("Machine", "Three gold coins"), three(3), 7, row(3)},
         {QUINTEL_TR_NOOP("Machine", "Three treasure maps"), three(4), 4, row(4)},
         {QUINTEL_TR_NOOP("Machine", "Three compasses"), three(5), 3, row(5)},
         {QUINTEL_TR_NOOP("Machine", "Three anchors"), three(7), 1, row(6)},
         {QUINTEL_TR_NOOP("Machine", "Treasure chest anywhere: Spin 'til You Win!"), anywhere(of({6})), 0, cells(7, -1, -1)},
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
