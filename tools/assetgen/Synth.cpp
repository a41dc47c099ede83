#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwoPi = 6.283185307179586;

double shape(Synth::Wave wave, double phase, double freq)
{
    // Additive, band-limited to about 9 kHz so nothing aliases at 22.05 kHz.
    const int maxH = std::max(1, static_cast<int>(9000.0 / std::max(freq, 20.0)));
    double v = 0;
    switch (wave) {
    case Synth::Wave::Sine:
        return std::sin(phase);
    case Synth::Wave::Square:
        for (int h = 1; h <= std::min(maxH, 15); h += 2) v += std::sin(phase * h) / h;
        return v * 1.1;
    case Synth::Wave::Saw:
        for (int h = 1; h <= std::min(maxH, 16); ++h) v += std::sin(phase * h) / h;
        return v * 0.6;
    case Synth::Wave::Triangle:
        for (int h = 1, s = 1; h <= std::min(maxH, 9); h += 2, s = -s) v += s * std::sin(phase * h) / (h * h);
        return v * 0.8;
    }
    return 0;
}
} // namespace

Synth::Synth(double seconds)
    : buf_(static_cast<size_t>(seconds * kRate), 0.0f)
{}

double Synth::random()
{
    seed_ = seed_ * 1664525u + 1013904223u;
    return (seed_ >> 8) / 8388608.0 - 1.0;
}

void Synth::tone(double start, double length, const Pitch& freq, Wave wave, double gain, double attack, double decay,
                 double release)
{
    const size_t s0 = static_cast<size_t>(start * kRate);
    const size_t n = static_cast<size_t>(length * kRate);
    double phase = 0;
    for (size_t i = 0; i < n && s0 + i < buf_.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = freq(t);
        phase += kTwoPi * f / kRate;
        double env = std::min(1.0, t / attack);
        if (decay > 0) env *= std::exp(-t / decay);
        const double left = length - t;
        if (left < release) env *= std::max(0.0, left / release);
        buf_[s0 + i] += static_cast<float>(gain * env * shape(wave, phase, f));
    }
}

void Synth::fm(double start, double length, double freq, double ratio, double index, double gain, double decay)
{
    const size_t s0 = static_cast<size_t>(start * kRate);
    const size_t n = static_cast<size_t>(length * kRate);
    for (size_t i = 0; i < n && s0 + i < buf_.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double env = std::min(1.0, t / 0.002) * std::exp(-t / decay);
        const double modEnv = std::exp(-t / (decay * 0.6));
        const double v = std::sin(kTwoPi * freq * t + index * modEnv * std::sin(kTwoPi * freq * ratio * t));
        const double left = length - t;
        const double tail = left < 0.01 ? std::max(0.0, left / 0.01) : 1.0;
        buf_[s0 + i] += static_cast<float>(gain * env * tail * v);
    }
}

void Synth::noise(double start, double length, double cutoff, double gain, double decay)
{
    const size_t s0 = static_cast<size_t>(start * kRate);
    const size_t n = static_cast<size_t>(length * kRate);
    const double a = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
    double lp = 0;
    for (size_t i = 0; i < n && s0 + i < buf_.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        lp += a * (random() - lp);
        const double env = std::min(1.0, t / 0.001) * std::exp(-t / decay);
        buf_[s0 + i] += static_cast<float>(gain * env * lp);
    }
}

void Synth::finish(double peak, double fadeIn, double fadeOut)
{
    // Remove any DC offset first, then fade, then scale to the target peak.
    double mean = 0;
    for (float s : buf_) mean += s;
    mean /= std::max<size_t>(1, buf_.size());
    for (float& s : buf_) s = static_cast<float>(s - mean);
    const size_t in = static_cast<size_t>(fadeIn * kRate), out = static_cast<size_t>(fadeOut * kRate);
    for (size_t i = 0; i < in && i < buf_.size(); ++i) buf_[i] *= static_cast<float>(i) / in;
    for (size_t i = 0; i < out && i < buf_.size(); ++i) buf_[buf_.size() - 1 - i] *= static_cast<float>(i) / out;
    float top = 0;
    for (float s : buf_) top = std::max(top, std::fabs(s));
    if (top <= 0) return;
    double gain = peak / top;
    // Dense sounds would come out louder than sparse ones at the same peak: cap the loudest
    // 50 ms at about -11 dBFS RMS so all effects sit at a similar level.
    const size_t win = static_cast<size_t>(0.05 * kRate);
    double loudest = 0;
    for (size_t i = 0; i < buf_.size(); i += win / 2) {
        double sum = 0;
        const size_t end = std::min(buf_.size(), i + win);
        for (size_t j = i; j < end; ++j) sum += double(buf_[j]) * buf_[j];
        loudest = std::max(loudest, std::sqrt(sum / double(std::max<size_t>(1, end - i))));
    }
    constexpr double kLoudness = 0.28;
    if (loudest * gain > kLoudness) gain = kLoudness / loudest;
    for (float& s : buf_) s = static_cast<float>(s * gain);
}
