// The committed MIDI tunes: well-formed files, complete notes, playing time of 45 to 120 s.
#include "AssetDir.h"
#include "SmfFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

std::vector<std::string> tunes()
{
    std::vector<std::string> names;
    for (int machine = 0; machine < 3; ++machine)
        for (int tune = 0; tune < 3; ++tune)
            names.push_back("QUIN" + std::to_string(machine) + std::to_string(tune) + ".MID");
    return names;
}

TEST(Music, EveryTuneParsesAndLastsBetween45And120Seconds)
{
    for (const std::string& name : tunes()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(AssetDir::exists(name));
        const SmfFile smf(AssetDir::bytes(name));
        ASSERT_EQ(smf.error(), "");
        EXPECT_TRUE(smf.format() == 0 || smf.format() == 1);
        EXPECT_GE(smf.seconds(), 45.0);
        EXPECT_LE(smf.seconds(), 120.0);
    }
}

TEST(Music, EveryNoteIsReleasedAndTheBandIsComplete)
{
    for (const std::string& name : tunes()) {
        SCOPED_TRACE(name);
        const SmfFile smf(AssetDir::bytes(name));
        ASSERT_EQ(smf.error(), "");
        std::map<std::pair<int, int>, int> held;
        std::set<int> channels;
        for (const auto& n : smf.notes()) {
            auto& count = held[{n.channel, n.key}];
            if (n.velocity > 0) {
                ++count;
                channels.insert(n.channel);
            } else {
                EXPECT_GT(count, 0) << "note off without note on, key " << n.key;
                --count;
            }
        }
        for (const auto& [key, count] : held)
            EXPECT_EQ(count, 0) << "hanging note on channel " << key.first << " key " << key.second;
        EXPECT_GT(smf.notes().size(), 400u);
        EXPECT_TRUE(channels.count(9)) << "no drums";
        // Melodic channels choose their General MIDI instrument.
        for (int ch : channels) {
            if (ch == 9) continue;
            EXPECT_NE(std::find(smf.programChannels().begin(), smf.programChannels().end(), ch),
                      smf.programChannels().end())
                << "channel " << ch << " plays without a program change";
        }
    }
}

TEST(Music, TheThreeTunesOfAMachineDiffer)
{
    const auto names = tunes();
    for (size_t i = 0; i < names.size(); ++i)
        for (size_t j = i + 1; j < names.size(); ++j) EXPECT_NE(AssetDir::bytes(names[i]), AssetDir::bytes(names[j]));
}

TEST(SmfReader, RejectsBrokenFiles)
{
    auto good = AssetDir::bytes("QUIN00.MID");
    ASSERT_EQ(SmfFile(good).error(), "");
    auto truncated = good;
    truncated.resize(good.size() - 10);
    EXPECT_NE(SmfFile(truncated).error(), "");
    auto wrongCount = good;
    wrongCount[11] = static_cast<unsigned char>(wrongCount[11] + 1); // header track count
    EXPECT_NE(SmfFile(wrongCount).error(), "");
    EXPECT_NE(SmfFile({'M', 'T', 'h', 'd'}).error(), "");
}

} // namespace
