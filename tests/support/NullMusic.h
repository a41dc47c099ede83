#pragma once

#include <string>

#include "MusicControl.h"

// A music player that counts its calls; tick() answers tickResult.
class NullMusic : public MusicControl {
public:
    void setMachine(int machine) override { name = "QUIN" + std::to_string(machine) + "0"; }
    void stop() override { ++stops; }
    bool tick() override
    {
        ++ticks;
        return tickResult;
    }
    void closeAll() override { ++closes; }
    bool playing() const override { return false; }
    std::string musicName() const override { return name; }

    std::string name = "QUIN00";
    bool tickResult = true;
    int stops = 0, ticks = 0, closes = 0;
};
