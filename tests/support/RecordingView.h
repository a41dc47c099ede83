#pragma once

#include <string>
#include <vector>

#include "GameView.h"

// Remembers what the game drew, in order, as short strings ("reel 0 55 83 66", "row 3 12", ...).
class RecordingView : public GameView {
public:
    void drawReel(int reel, int x, int y, int offset) override
    {
        log("reel " + s(reel) + " " + s(x) + " " + s(y) + " " + s(offset));
        ++reelDraws;
    }
    void drawPayLine() override { ++payLines; }
    void drawLever(int picture, int x, int y, int rows) override
    {
        log("lever " + s(picture) + " " + s(x) + " " + s(y) + " " + s(rows));
    }
    void drawMainCounters() override { ++mainCounters; }
    void drawCreditsCounter() override { ++creditCounters; }
    void drawSpinsCounter() override { ++spinCounters; }
    void drawPayoffTable(int firstRow, int lastRow, int wager) override
    {
        log("table " + s(firstRow) + " " + s(lastRow) + " " + s(wager));
    }
    void drawPayoffRow(int row, int amount) override
    {
        log("row " + s(row) + " " + s(amount));
        rowAmounts.push_back(amount);
    }
    void drawStatistics() override { ++statistics; }
    void setLamp(int picture) override { lamps.push_back(picture); }
    void showFreeSpinLabel(bool shown) override
    {
        log(shown ? "label shown" : "label hidden");
        labelShown = shown;
    }
    void reelsChanged() override { ++reelRenders; }
    void setMenusEnabled(bool enabled) override
    {
        menusEnabled = enabled;
        log(enabled ? "unlock" : "lock");
    }
    void pauseBanner() override { log("banner paused"); }
    void resumeBanner() override { log("banner resumed"); }
    void refresh() override { ++refreshes; }

    int count(const std::string& prefix) const
    {
        int n = 0;
        for (const auto& e : events) n += e.rfind(prefix, 0) == 0;
        return n;
    }

    std::vector<std::string> events;
    std::vector<int> rowAmounts;
    std::vector<int> lamps;
    int reelDraws = 0, payLines = 0, mainCounters = 0, creditCounters = 0, spinCounters = 0;
    int statistics = 0, reelRenders = 0, refreshes = 0;
    bool menusEnabled = true;
    bool labelShown = false;

private:
    static std::string s(int v) { return std::to_string(v); }
    void log(std::string e) { events.push_back(std::move(e)); }
};
