#pragma once

#include "SlotMachine.h"
#include "SlotsWindow.h"

// The main window and the slot machine it plays, set up as the program sets them up.
struct PlayingWindow {
    explicit PlayingWindow(const SlotsWindowPorts& ports)
        : window(ports)
        , machine(window.machinePorts())
    {
        window.play(machine);
    }

    SlotsWindow window;
    SlotMachine machine;
};
