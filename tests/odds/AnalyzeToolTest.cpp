#include <cstdio>
#include <string>
#include <sys/wait.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "MachineOdds.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

// Runs the built tool with arguments; stderr is dropped.
ToolRun analyze(const std::string& arguments)
{
    ToolRun run;
    const std::string command = std::string("'") + QUINTEL_ANALYZE + "' " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

QJsonObject parse(const std::string& text)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

TEST(AnalyzeToolTest, JsonCarriesEveryMachinesExactFigures)
{
    const ToolRun run = analyze("--json");
    ASSERT_EQ(run.status, 0);
    const QJsonArray machines = parse(run.out).value("machines").toArray();
    ASSERT_EQ(machines.size(), 3);
    for (int m = 0; m < 3; ++m) {
        const MachineOdds odds = computeMachineOdds(m);
        const QJsonObject j = machines[m].toObject();
        EXPECT_EQ(j.value("machine").toInt(-1), m);
        EXPECT_EQ(j.value("name").toString().toStdString(), odds.name);
        const QJsonArray combos = j.value("combinations").toArray();
        ASSERT_EQ(combos.size(), 8);
        for (int k = 0; k < 8; ++k) {
            const QJsonObject c = combos[k].toObject();
            EXPECT_EQ(c.value("combo").toInt(-1), k);
            EXPECT_EQ(c.value("multiplier").toInt(-1), odds.combinations[static_cast<std::size_t>(k)].multiplier);
            // Printed to 17 digits, so the doubles read back exactly.
            EXPECT_EQ(c.value("probability").toDouble(-1),
                      odds.combinations[static_cast<std::size_t>(k)].probability.toDouble());
        }
        EXPECT_EQ(j.value("hit_frequency").toDouble(-1), odds.hitFrequency.toDouble());
        EXPECT_EQ(j.value("base_return").toDouble(-1), odds.baseReturn.toDouble());
        EXPECT_EQ(j.value("return_with_free_spins").toDouble(-1), odds.returnWithFreeSpins.toDouble());
        EXPECT_EQ(j.value("jackpot_probability").toDouble(-1), odds.jackpotProbability.toDouble());
        EXPECT_EQ(j.value("volatility").toDouble(-1), odds.volatility());
        const QJsonObject totals = j.value("total_return_by_wager").toObject();
        for (int w : {1, 3, 30})
            EXPECT_EQ(totals.value(QString::number(w)).toDouble(-1), odds.totalReturn(w).toDouble()) << "wager " << w;
        EXPECT_EQ(j.contains("free_spins"), m == 2);
    }
    const QJsonObject fs = machines[2].toObject().value("free_spins").toObject();
    const MachineOdds treasure = computeMachineOdds(2);
    EXPECT_EQ(fs.value("trigger_probability").toDouble(-1), 2269.0 / 21952.0);
    EXPECT_EQ(fs.value("win_probability").toDouble(-1), treasure.freeSpins.winProbability.toDouble());
    EXPECT_EQ(fs.value("expected_spins").toDouble(-1), treasure.freeSpins.expectedSpins.toDouble());
    EXPECT_EQ(fs.value("expected_multiplier").toDouble(-1), treasure.freeSpins.expectedMultiplier.toDouble());
    EXPECT_DOUBLE_EQ(
        machines[1].toObject().value("combinations").toArray()[0].toObject().value("probability").toDouble(),
        1.0 / 21952);
}

TEST(AnalyzeToolTest, MachineOptionPicksOneMachine)
{
    const ToolRun run = analyze("--json --machine 1");
    ASSERT_EQ(run.status, 0);
    const QJsonArray machines = parse(run.out).value("machines").toArray();
    ASSERT_EQ(machines.size(), 1);
    EXPECT_EQ(machines[0].toObject().value("name").toString(), "Lucky 7 Slots");
}

TEST(AnalyzeToolTest, TableAndSimulationAreReadable)
{
    const ToolRun table = analyze("--machine 2");
    ASSERT_EQ(table.status, 0);
    EXPECT_NE(table.out.find("Treasure Chest Slots"), std::string::npos);
    EXPECT_NE(table.out.find("1 in 343"), std::string::npos); // three 0s: 64 ways
    EXPECT_NE(table.out.find("Free spins"), std::string::npos);

    const ToolRun sim = analyze("--simulate 20000 --machine 0 --wager 30 --seed 3");
    ASSERT_EQ(sim.status, 0);
    EXPECT_NE(sim.out.find("20,000 paid spins"), std::string::npos);
    EXPECT_NE(sim.out.find("95 % interval"), std::string::npos);
    char exact[32];
    std::snprintf(exact, sizeof exact, "exact %.3f %%", 100 * computeMachineOdds(0).totalReturn(30).toDouble());
    EXPECT_NE(sim.out.find(exact), std::string::npos) << sim.out;
}

TEST(AnalyzeToolTest, BadArgumentsAreRefusedClearly)
{
    for (const char* args :
         {"--wager 31 --simulate 10", "--machine 3", "--simulate", "--simulate -4", "--seed x", "--frobnicate"}) {
        const ToolRun run = analyze(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    EXPECT_EQ(analyze("--help").status, 0);
}

} // namespace
