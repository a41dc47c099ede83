#pragma once

// What the game draws, and the window controls it switches. Coordinates are those of the main window.
class GameView {
public:
    virtual ~GameView() = default;

    // Draws the 64 x 132 window of reel `reel` (0..2) to (x, y): rows `offset`.. of its strip laid out
    // end to end, a symbol every 66 rows.
    virtual void drawReel(int reel, int x, int y, int offset) = 0;
    virtual void drawPayLine() = 0;
    // Copies `rows` rows of lever picture `picture` (0 = lever, 1 = plain background) to (x, y).
    virtual void drawLever(int picture, int x, int y, int rows) = 0;

    virtual void drawMainCounters() = 0;   // credits, wager and bonus pool
    virtual void drawCreditsCounter() = 0; // credits only
    virtual void drawSpinsCounter() = 0;
    // Amounts of payoff rows first..last for the given wager (0 blanks them).
    virtual void drawPayoffTable(int firstRow, int lastRow, int wager) = 0;
    virtual void drawPayoffRow(int row, int amount) = 0;
    virtual void drawStatistics() = 0;
    // 0 = unlit, 1 and 2 = the two lit phases.
    virtual void setLamp(int picture) = 0;
    virtual void showFreeSpinLabel(bool shown) = 0;

    // The strips changed (free spins begin or end, another machine): the next frames show the new ones.
    virtual void reelsChanged() = 0;
    // Enables or disables the File, Options, Bank and Help menus.
    virtual void setMenusEnabled(bool enabled) = 0;
    // The banner pauses while a spin runs and resumes afterwards when it is switched on.
    virtual void pauseBanner() = 0;
    virtual void resumeBanner() = 0;
    // Repaints the whole face.
    virtual void refresh() = 0;
};
