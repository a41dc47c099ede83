#pragma once

#include <string>

#include "MusicControl.h"

// A music player without tunes: every tick fails, so switching music on says why and switches it off.
class SilentMusic : public MusicControl {
public:
    void setMachine(int machine) override { name_ = "QUIN" + std::to_string(machine) + "0"; }
    void stop() override {}
    bool tick() override { return false; }
    void closeAll() override {}
    bool playing() const override { return false; }
    std::string musicName() const override { return name_; }

private:
    std::string name_ = "QUIN00";
};
