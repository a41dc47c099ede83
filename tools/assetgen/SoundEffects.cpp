#include "SoundEffects.h"

#include "Synth.h"
#include "WaveWriter.h"

#include <cmath>
#include <functional>

namespace {
using W = Synth::Wave;

Synth::Pitch fixed(double f)
{
    return [f](double) { return f; };
}
Synth::Pitch glide(double from, double to, double over)
{
    return [=](double t) { return from * std::pow(to / from, std::min(1.0, t / over)); };
}
Synth::Pitch vibrato(double f, double depth, double rate, double delay)
{
    return [=](double t) { return f * (1.0 + (t > delay ? depth * std::sin(6.2831853 * rate * (t - delay)) : 0.0)); };
}

// A sad "wah" on a muted-brass-like saw, gliding down slightly at the end.
void wah(Synth& s, double start, double len, double midi, double gain = 0.5)
{
    const double f = Synth::note(midi);
    s.tone(
        start, len,
        [=](double t) {
            return f * (1.0 - 0.03 * std::max(0.0, t - len * 0.6) / len) * (1.0 + 0.012 * std::sin(31.4 * t));
        },
        W::Saw, gain, 0.03, 0, 0.08);
    s.tone(start, len, fixed(f / 2), W::Sine, gain * 0.4, 0.03, 0, 0.08);
}

void bell(Synth& s, double start, double midi, double gain, double decay = 0.35)
{
    s.fm(start, decay * 3.5, Synth::note(midi), 3.5, 2.2, gain, decay);
    s.fm(start, decay * 2.0, Synth::note(midi + 12), 1.0, 0.5, gain * 0.25, decay * 0.5);
}

void chime(Synth& s, double start, double midi, double gain, double len = 0.3)
{
    s.tone(start, len, fixed(Synth::note(midi)), W::Square, gain, 0.003, len * 0.45, 0.03);
}

std::string wav(Synth& s)
{
    s.finish();
    return WaveWriter::encode(s.samples(), Synth::kRate);
}

std::string lose(int n)
{
    switch (n) {
    case 0: { // two descending wahs
        Synth s(1.0);
        wah(s, 0.0, 0.32, 55);
        wah(s, 0.34, 0.62, 52);
        return wav(s);
    }
    case 1: { // the classic four-step let-down
        Synth s(1.25);
        wah(s, 0.0, 0.22, 58);
        wah(s, 0.24, 0.22, 57);
        wah(s, 0.48, 0.22, 56);
        Synth::Pitch sag = vibrato(Synth::note(55), 0.03, 6, 0.1);
        s.tone(0.72, 0.52, sag, W::Saw, 0.5, 0.03, 0, 0.15);
        return wav(s);
    }
    case 2: { // a falling slide whistle
        Synth s(0.8);
        s.tone(0.0, 0.8, glide(Synth::note(84), Synth::note(64), 0.75), W::Triangle, 0.6, 0.02, 0, 0.12);
        return wav(s);
    }
    case 3: { // a low buzzer
        Synth s(0.6);
        s.tone(0.0, 0.6, fixed(Synth::note(40)), W::Square, 0.45, 0.01, 0, 0.08);
        s.tone(0.0, 0.6, fixed(Synth::note(40.3)), W::Saw, 0.35, 0.01, 0, 0.08);
        return wav(s);
    }
    case 4: { // three soft descending boops
        Synth s(0.9);
        const double notes[] = {67, 63, 60};
        for (int i = 0; i < 3; ++i)
            s.tone(i * 0.22, i == 2 ? 0.45 : 0.2, fixed(Synth::note(notes[i])), W::Triangle, 0.6, 0.005, 0.15, 0.04);
        return wav(s);
    }
    default: { // a deflating boing
        Synth s(0.7);
        s.tone(
            0.0, 0.7, [](double t) { return 300.0 * std::exp(-t * 1.6) * (1 + 0.08 * std::sin(6.2831853 * 14 * t)); },
            W::Sine, 0.7, 0.005, 0.35, 0.08);
        s.tone(
            0.0, 0.7, [](double t) { return 600.0 * std::exp(-t * 1.6); }, W::Triangle, 0.2, 0.005, 0.25, 0.08);
        return wav(s);
    }
    }
}

std::string reelStop()
{
    // A solid mechanical clunk: a falling low thump plus a short dark click.
    Synth s(0.16);
    s.tone(0.0, 0.16, glide(150, 55, 0.06), W::Sine, 0.9, 0.001, 0.05, 0.02);
    s.noise(0.0, 0.05, 1800, 0.9, 0.008);
    s.tone(0.0, 0.05, fixed(880), W::Triangle, 0.12, 0.001, 0.01, 0.01);
    return wav(s);
}

std::string coinDrop()
{
    // A coin hitting metal and bouncing twice.
    Synth s(0.5);
    const double hits[] = {0.0, 0.14, 0.23};
    const double level[] = {1.0, 0.55, 0.3};
    for (int i = 0; i < 3; ++i) {
        s.fm(hits[i], 0.25, 2350, 1.47, 2.5, 0.45 * level[i], 0.07);
        s.fm(hits[i], 0.2, 3620, 1.41, 1.2, 0.25 * level[i], 0.05);
        s.noise(hits[i], 0.02, 7000, 0.35 * level[i], 0.004);
    }
    return wav(s);
}

std::string topAward()
{
    // Under half a second, since it repeats every 540 ms: a fast bright bell run.
    Synth s(0.48);
    const double notes[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i) bell(s, i * 0.07, notes[i], i == 3 ? 0.45 : 0.35, 0.12);
    chime(s, 0.21, 96, 0.12, 0.25);
    return wav(s);
}

std::string reelSpin()
{
    // Retriggered every animation frame: a tiny ratchet tick.
    Synth s(0.035);
    s.noise(0.0, 0.035, 3000, 0.8, 0.006);
    s.tone(0.0, 0.035, glide(520, 380, 0.03), W::Square, 0.25, 0.001, 0.01, 0.008);
    return wav(s);
}

std::string creditTick()
{
    // One per credit counted: a short bright blip, well under 25 ms.
    Synth s(0.02);
    s.tone(0.0, 0.02, fixed(1760), W::Sine, 0.7, 0.001, 0.008, 0.004);
    s.tone(0.0, 0.02, fixed(3520), W::Sine, 0.2, 0.001, 0.005, 0.004);
    return wav(s);
}

std::string win(int n)
{
    switch (n) {
    case 0: { // A: rising arpeggio and a held major chord
        Synth s(1.6);
        const double run[] = {72, 76, 79, 84};
        for (int i = 0; i < 4; ++i) chime(s, i * 0.1, run[i], 0.3, 0.18);
        for (double m : {72.0, 76.0, 79.0, 84.0})
            s.tone(0.42, 1.15, vibrato(Synth::note(m), 0.004, 5.5, 0.2), W::Square, 0.14, 0.01, 0.9, 0.3);
        bell(s, 0.42, 96, 0.3, 0.3);
        return wav(s);
    }
    case 1: { // B: a cascade of bells, falling then up again
        Synth s(1.8);
        const double notes[] = {96, 91, 88, 84, 79, 84, 88, 91, 96, 100};
        for (int i = 0; i < 10; ++i) bell(s, i * 0.09, notes[i], 0.3, 0.25);
        bell(s, 0.95, 84, 0.35, 0.45);
        return wav(s);
    }
    case 2: { // C: a brassy "ta-da" fanfare
        Synth s(1.9);
        auto brass = [&](double t, double len, double m, double g) {
            s.tone(t, len, vibrato(Synth::note(m), 0.006, 5.5, 0.25), W::Saw, g, 0.025, 0, 0.1);
            s.tone(t, len, vibrato(Synth::note(m - 12), 0.006, 5.5, 0.25), W::Saw, g * 0.5, 0.025, 0, 0.1);
        };
        brass(0.0, 0.14, 67, 0.22);
        brass(0.15, 0.14, 67, 0.22);
        brass(0.30, 0.14, 67, 0.22);
        for (double m : {72.0, 76.0, 79.0}) brass(0.46, 1.35, m, 0.16);
        s.noise(0.46, 0.9, 6000, 0.18, 0.3); // cymbal
        return wav(s);
    }
    case 3: { // D: a shower of coins, rising pings over a bright chord
        Synth s(2.0);
        double t = 0;
        for (int i = 0; i < 18; ++i) {
            const double m = 84 + (i * 5) % 12 + (i > 9 ? 5 : 0);
            s.fm(t, 0.3, Synth::note(m), 1.47, 1.8, 0.22, 0.09);
            t += 0.05 + 0.02 * ((i * 7) % 3);
        }
        for (double m : {79.0, 83.0, 86.0}) s.tone(0.2, 1.7, fixed(Synth::note(m)), W::Triangle, 0.16, 0.05, 1.2, 0.3);
        return wav(s);
    }
    default: { // E: an organ run up the scale to the octave
        Synth s(1.5);
        const double scale[] = {60, 62, 64, 65, 67, 69, 71, 72};
        for (int i = 0; i < 8; ++i) {
            const double len = i == 7 ? 0.8 : 0.09;
            s.tone(i * 0.085, len, fixed(Synth::note(scale[i])), W::Square, 0.25, 0.004, i == 7 ? 0.6 : 0, 0.03);
            s.tone(i * 0.085, len, fixed(Synth::note(scale[i] + 12)), W::Sine, 0.18, 0.004, i == 7 ? 0.6 : 0, 0.03);
        }
        for (double m : {64.0, 67.0}) s.tone(0.6, 0.8, fixed(Synth::note(m)), W::Square, 0.14, 0.01, 0.6, 0.2);
        return wav(s);
    }
    }
}

std::string freeSpins()
{
    // Magic: a shimmering upward sweep, then a sparkling chord.
    Synth s(1.6);
    s.tone(0.0, 0.7, glide(Synth::note(60), Synth::note(96), 0.65), W::Triangle, 0.35, 0.02, 0, 0.05);
    for (int i = 0; i < 12; ++i) bell(s, 0.05 * i, 84 + (i * 7) % 17, 0.12, 0.15);
    for (double m : {79.0, 84.0, 88.0, 91.0}) bell(s, 0.7, m, 0.22, 0.4);
    s.tone(0.7, 0.9, vibrato(Synth::note(72), 0.01, 6, 0.1), W::Sine, 0.25, 0.02, 0.6, 0.2);
    return wav(s);
}
} // namespace

std::vector<std::pair<std::string, std::string>> SoundEffects::all()
{
    std::vector<std::pair<std::string, std::string>> out;
    for (int n = 0; n < 6; ++n) out.emplace_back("QUINTEL" + std::to_string(n) + ".WAV", lose(n));
    out.emplace_back("QUINTEL6.WAV", reelStop());
    out.emplace_back("QUINTEL7.WAV", coinDrop());
    out.emplace_back("QUINTEL8.WAV", topAward());
    out.emplace_back("QUINTEL9.WAV", reelSpin());
    for (int n = 0; n < 5; ++n) out.emplace_back(std::string("QUINTEL") + static_cast<char>('A' + n) + ".WAV", win(n));
    out.emplace_back("QUINTELH.WAV", freeSpins());
    out.emplace_back("QUINTELI.WAV", creditTick());
    return out;
}
