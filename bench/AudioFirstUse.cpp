// The wait the player's first sound costs now that the audio backend loads then: the module (SDL, the
// mixer and their libraries), the device, and the four effects kept in memory decoded. One first use per
// process, so run it several times: audio-first-use MODULE_DIR ASSET_DIR [--split]. With --split the module
// is loaded first on its own, and the two parts are timed apart.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "AudioLoader.h"
#include "AudioModule.h"
#include "ModuleLoader.h"

namespace {
double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: audio-first-use MODULE_DIR ASSET_DIR [--split]\n");
        return 2;
    }
    if (argc > 3) {
        const auto start = std::chrono::steady_clock::now();
        ModuleLoader module({QString::fromLocal8Bit(argv[1])}, kAudioModuleFile, kAudioEntry);
        if (module.entry() == nullptr) return 1;
        std::printf("module loaded after %.1f ms; ", msSince(start));
    }
    DeferredAudioBackend audio(audioModuleFactory({QString::fromLocal8Bit(argv[1])}),
                               [](const std::string& why) { std::fprintf(stderr, "no sound (%s)\n", why.c_str()); });
    int spin = AudioBackend::kNoWave;
    for (const char* name : {"QUINTEL6.WAV", "QUINTEL9.WAV", "QUINTEL8.WAV", "QUINTELI.WAV"}) {
        std::ifstream in(std::string(argv[2]) + "/" + name, std::ios::binary);
        spin = audio.loadWaveBytes({std::istreambuf_iterator<char>(in), {}});
    }
    const auto start = std::chrono::steady_clock::now();
    audio.playWave(spin, 0);
    std::printf("first sound after %.1f ms%s\n", msSince(start), audio.isOpen() ? "" : " (no device)");
    return audio.isOpen() ? 0 : 1;
}
