#pragma once

#include <QtGlobal>
#include <filesystem>
#include <functional>
#include <memory>

#include "GameSession.h"
#include "PlayingWindow.h"
#include "ProfileFile.h"
#include "TestPorts.h"

// One run of the program as main puts it together: the window playing the machine, and the session that
// keeps its game in the profile file, on the test ports. prepare runs on the session before it starts
// (a spin log, a retry question); the window is closed at the end, as the player would close it.
template <typename Sound = NullSound, typename Music = NullMusic> struct RunningProgram : TestPorts<Sound, Music> {
    ProfileFile file;
    std::unique_ptr<PlayingWindow> playing;
    SlotsWindow* window = nullptr;
    std::unique_ptr<GameSession> session;

    explicit RunningProgram(const std::filesystem::path& ini, const std::function<void(GameSession&)>& prepare = {},
                            bool boxes = false)
        : file(ini)
    {
        const SlotsWindowPorts ports = this->ports(boxes);
        playing = std::make_unique<PlayingWindow>(ports);
        window = &playing->window;
        session = std::make_unique<GameSession>(*window, file, ports.assetDir, ports.messages);
        if (prepare) prepare(*session);
        session->start();
    }
    ~RunningProgram()
    {
        if (window) window->close();
    }
    SlotMachine& machine() { return window->machine(); }
    GameState& state() { return machine().state(); }
};
