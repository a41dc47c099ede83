#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

// A tiny offline synthesiser: oscillators and envelopes mixed into one mono buffer.
// All randomness comes from a fixed-seed generator, so a sound is the same on every run.
class Synth {
public:
    static constexpr int kRate = 22050;

    explicit Synth(double seconds);

    std::vector<float>& samples() { return buf_; }
    double duration() const { return static_cast<double>(buf_.size()) / kRate; }

    // Frequency as a function of time since the note start (for sweeps and vibrato).
    using Pitch = std::function<double(double t)>;
    enum class Wave { Sine, Square, Saw, Triangle };

    // A tone with an attack/exponential-decay envelope; harmonics limited for a softer square/saw.
    void tone(double start, double length, const Pitch& freq, Wave wave, double gain, double attack = 0.004,
              double decay = 0.0, double release = 0.02);
    // Two-operator FM: bright bells (ratio 3.5) and metallic clinks (inharmonic ratios).
    void fm(double start, double length, double freq, double ratio, double index, double gain, double decay);
    // Filtered noise burst: lowpass cutoff in Hz, exponential decay time in seconds.
    void noise(double start, double length, double cutoff, double gain, double decay);

    // Peak to the given level (0.708 = -3 dBFS) with short fades so nothing clicks.
    void finish(double peak = 0.708, double fadeIn = 0.002, double fadeOut = 0.006);

    static double note(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

private:
    double random(); // uniform in [-1, 1)
    std::vector<float> buf_;
    std::uint32_t seed_ = 0x51A7C0DEu;
};
