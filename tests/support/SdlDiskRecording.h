#pragma once
// SDL's disk driver as a recording of everything the mixer plays: one SDL start per test program, the
// backend living for the whole suite and writing a raw file (44100 Hz, signed 16-bit, stereo) in real time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "SdlAudioBackend.h"
#include "TempDir.h"

namespace sdl_disk {

constexpr int kRate = 44100;
constexpr int kSilence = 300; // sample magnitude taken as silence

inline void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The left channel of part of the recording.
struct Recording {
    std::vector<std::int16_t> left;

    // First and one past the last frame louder than silence; {0, 0} when all is silent.
    std::pair<std::size_t, std::size_t> sounding() const
    {
        std::size_t first = left.size(), last = 0;
        for (std::size_t i = 0; i < left.size(); ++i) {
            if (std::abs(left[i]) > kSilence) {
                first = std::min(first, i);
                last = i + 1;
            }
        }
        return first < last ? std::make_pair(first, last) : std::make_pair(std::size_t{0}, std::size_t{0});
    }
    double rms(std::size_t from, std::size_t to) const
    {
        double sum = 0;
        for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(left[i]) * left[i];
        return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
    }
    // Root of the summed squares: the loudness of everything in it, wherever it starts.
    double energy() const
    {
        double sum = 0;
        for (std::int16_t s : left) sum += static_cast<double>(s) * s;
        return std::sqrt(sum);
    }
    int peak() const
    {
        int p = 0;
        for (std::int16_t s : left) p = std::max(p, std::abs(static_cast<int>(s)));
        return p;
    }
    // Strength of one frequency in a window (Goertzel), relative to full scale.
    double tone(std::size_t from, std::size_t count, double hz) const
    {
        const double w = 2 * std::acos(-1.0) * hz / kRate;
        double s1 = 0, s2 = 0;
        for (std::size_t i = from; i < from + count && i < left.size(); ++i) {
            const double s = left[i] / 32768.0 + 2 * std::cos(w) * s1 - s2;
            s2 = s1;
            s1 = s;
        }
        const double power = s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
        return 2 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(count);
    }
};

} // namespace sdl_disk

// The fixture: the backend on the disk driver, and the recording read back by frame.
class SdlDiskRecording : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        recordDir = new TempDir;
        recordFile = (*recordDir / "out.raw").string();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", recordFile.c_str(), 1);
        backend = new SdlAudioBackend();
    }
    static void TearDownTestSuite()
    {
        delete backend;
        delete recordDir;
    }
    void SetUp() override { ASSERT_TRUE(backend->isOpen()) << backend->openError(); }

    // Frames recorded so far.
    static std::size_t mark()
    {
        std::ifstream in(recordFile, std::ios::binary | std::ios::ate);
        return in ? static_cast<std::size_t>(in.tellg()) / 4 : 0;
    }
    static sdl_disk::Recording since(std::size_t frame)
    {
        std::ifstream in(recordFile, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(frame * 4));
        sdl_disk::Recording r;
        std::int16_t lr[2];
        while (in.read(reinterpret_cast<char*>(lr), sizeof lr)) r.left.push_back(lr[0]);
        return r;
    }
    static double ms(std::size_t frames) { return 1000.0 * static_cast<double>(frames) / sdl_disk::kRate; }
    // Waits until `wanted` ms have been recorded since `frame`: the driver writes in real time, but a busy
    // machine may run its audio thread late, so a fixed sleep could read a recording cut short.
    static void waitRecorded(std::size_t frame, int wanted)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(wanted + 10000);
        while (ms(mark() - std::min(mark(), frame)) < wanted && std::chrono::steady_clock::now() < end)
            sdl_disk::sleepMs(20);
    }

    static inline TempDir* recordDir = nullptr;
    static inline std::string recordFile;
    static inline SdlAudioBackend* backend = nullptr;
};
