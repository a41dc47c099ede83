#pragma once

class AudioBackend;

// The SDL audio backend, with SDL, SDL_mixer and FluidSynth behind it, is built into a module of its own that
// the game loads at its first sound (DeferredAudioBackend), so that they cost the game's start nothing. The
// module exports one function, named kAudioEntry, which makes an SdlAudioBackend (owned by the caller; the
// module stays loaded for the life of the program).
using MakeAudioEntry = AudioBackend* (*)();

// File name of the module, and the name of its entry. The name carries the entry's version: a module of a
// different build whose backend has another shape is refused instead of called.
inline constexpr const char* kAudioModuleFile = "quintel-audio.so";
inline constexpr const char* kAudioEntry = "quintel_make_audio_v1";
