#pragma once

#include <QString>

class EventPump;
class MessageSink;
class MusicControl;
class RandomSource;
class SoundControl;
class TickSource;

// Everything the main window needs from outside, handed in at construction.
struct SlotsWindowPorts {
    TickSource& clock;
    EventPump& pump;
    RandomSource& random;
    SoundControl& sound;
    MusicControl& music;
    QString assetDir; // ProgramDir: pictures, machine files, manual
    // Where refusals go; null shows them in message boxes.
    MessageSink* messages = nullptr;
};
