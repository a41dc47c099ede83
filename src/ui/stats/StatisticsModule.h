#pragma once

#include <functional>
#include <string>

class QWidget;
class SpinRecorder;
struct GameState;

// The Statistics window, with Qt Charts and the OpenGL libraries behind it, is built into a module of its
// own that the game loads on first use, so that they cost the game's start nothing. The module exports one
// function: openStatistics() under the name kStatisticsEntry.
using StatisticsComboName = std::function<std::string(int machine, int combo)>;
using OpenStatisticsEntry = void (*)(QWidget* parent, SpinRecorder& recorder, const GameState& state,
                                     const StatisticsComboName& comboName);

// File name of the module, and the name of its entry. The name carries the entry's version: a module of a
// different build whose entry has another shape is refused instead of called.
inline constexpr const char* kStatisticsModuleFile = "quintel-statistics.so";
inline constexpr const char* kStatisticsEntry = "quintel_open_statistics_v1";
