#pragma once

#include <memory>

#include "GameHooks.h"
#include "RecordingMessages.h"
#include "RecordingSound.h"
#include "RecordingView.h"
#include "ScriptedRandom.h"
#include "SlotMachine.h"
#include "SpinOutcome.h"
#include "VirtualClock.h"

// Records the hooks the machine flows call.
class RecordingHooks : public GameHooks {
public:
    void stopMusic() override { ++musicStops; }
    void setMusicMachine(int machine) override { musicMachine = machine; }
    void checkGamesEntry(int machine) override { checkedGame = machine; }
    void readBannerText() override { ++bannerReads; }
    void loadMachinePictures(const MachineInfo& info) override { picturesPrefix = info.filePrefix; }
    void setCaption(const std::string& text) override { caption = text; }
    void spinStarting(const SpinRecord& spin) override { spins.push_back(spin); }
    void spinScored(const SpinOutcome& outcome) override { scored.push_back(outcome); }
    void playIdle() override { ++idles; }
    void autoPlayChanged() override { autoChanges.push_back(machine ? machine->autoPlayLeft() : 0); }

    int musicStops = 0, musicMachine = -1, checkedGame = -1, bannerReads = 0, idles = 0;
    std::string picturesPrefix, caption;
    std::vector<SpinRecord> spins;
    // autoPlayLeft() at each change of an auto spin run, when machine is set.
    std::vector<int> autoChanges;
    const SlotMachine* machine = nullptr;
    std::vector<SpinOutcome> scored;
};

// A slot machine wired to fakes: a virtual clock, scripted draws and recording sinks.
struct EngineRig {
    VirtualClock clock;
    ScriptedRandom random;
    RecordingView view;
    RecordingSound sound;
    RecordingMessages messages;
    RecordingHooks hooks;
    SlotMachine machine{SlotMachinePorts{clock, clock, random, view, sound, messages, hooks}};

    explicit EngineRig(int startMachine = 0)
    {
        hooks.machine = &machine;
        machine.NewGame(static_cast<MachineId>(startMachine));
    }
    GameState& state() { return machine.state(); }
};
