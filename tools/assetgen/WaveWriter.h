#pragma once

#include <string>
#include <vector>

// Encodes mono float samples (-1..1) as a 16-bit PCM RIFF/WAVE file.
class WaveWriter {
public:
    static std::string encode(const std::vector<float>& samples, int sampleRate);
};
