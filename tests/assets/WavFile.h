#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A strict reader for RIFF/WAVE files with 16-bit PCM data.
class WavFile {
public:
    // Parses bytes; on failure error() says why and samples() is empty.
    explicit WavFile(const std::vector<unsigned char>& bytes);

    const std::string& error() const { return error_; }
    int channels() const { return channels_; }
    int sampleRate() const { return rate_; }
    int bitsPerSample() const { return bits_; }
    int format() const { return format_; }
    // Samples of the first channel, scaled to -1..1.
    const std::vector<double>& samples() const { return samples_; }
    double seconds() const { return rate_ ? double(samples_.size()) / rate_ : 0.0; }
    double peak() const;
    // RMS of the loudest 50 ms stretch.
    double loudest50ms() const;

private:
    std::string error_;
    int channels_ = 0, rate_ = 0, bits_ = 0, format_ = 0;
    std::vector<double> samples_;
};
