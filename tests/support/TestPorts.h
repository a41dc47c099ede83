#pragma once

#include <QString>
#include <QtGlobal>

#include "NullMusic.h"
#include "NullSound.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "SlotsWindowPorts.h"
#include "VirtualClock.h"

// The window's outside world in tests: a virtual clock (also the event pump), scripted draws, sound and
// music that play nothing (or the test's own kinds), messages recorded instead of shown, and the assets.
template <typename Sound = NullSound, typename Music = NullMusic> struct TestPorts {
    VirtualClock clock;
    ScriptedRandom random;
    Sound sound;
    Music music;
    RecordingMessages messages;

    // boxes: the player is told things in real message boxes rather than through the recorder.
    SlotsWindowPorts ports(bool boxes = false, const QString& assetDir = qEnvironmentVariable("QUINTEL_ASSET_DIR"))
    {
        return SlotsWindowPorts{clock, clock, random, sound, music, assetDir, boxes ? nullptr : &messages};
    }
};
