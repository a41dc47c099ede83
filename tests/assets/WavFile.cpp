#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
std::uint32_t le(const std::vector<unsigned char>& b, size_t at, int n)
{
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}
} // namespace

WavFile::WavFile(const std::vector<unsigned char>& b)
{
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
        error_ = "not a RIFF/WAVE file";
        return;
    }
    if (le(b, 4, 4) + 8 != b.size()) {
        error_ = "RIFF size does not match the file size";
        return;
    }
    bool haveFmt = false;
    size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(reinterpret_cast<const char*>(b.data() + at), 4);
        const std::uint32_t size = le(b, at + 4, 4);
        const size_t body = at + 8;
        if (body + size > b.size()) {
            error_ = "chunk '" + id + "' runs past the end";
            return;
        }
        if (id == "fmt " && size >= 16) {
            format_ = static_cast<int>(le(b, body, 2));
            channels_ = static_cast<int>(le(b, body + 2, 2));
            rate_ = static_cast<int>(le(b, body + 4, 4));
            bits_ = static_cast<int>(le(b, body + 14, 2));
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt) {
                error_ = "data before fmt";
                return;
            }
            if (format_ != 1 || bits_ != 16 || channels_ < 1) {
                error_ = "not 16-bit PCM";
                return;
            }
            const size_t frame = static_cast<size_t>(channels_) * 2;
            for (size_t i = 0; i + frame <= size; i += frame)
                samples_.push_back(static_cast<std::int16_t>(le(b, body + i, 2)) / 32768.0);
            return;
        }
        at = body + size + (size & 1);
    }
    error_ = haveFmt ? "no data chunk" : "no fmt chunk";
}

double WavFile::peak() const
{
    double p = 0;
    for (double s : samples_) p = std::max(p, std::fabs(s));
    return p;
}

double WavFile::loudest50ms() const
{
    const size_t win = static_cast<size_t>(rate_ / 20);
    double best = 0;
    for (size_t i = 0; i < samples_.size(); i += std::max<size_t>(1, win / 2)) {
        const size_t end = std::min(samples_.size(), i + win);
        double sum = 0;
        for (size_t j = i; j < end; ++j) sum += samples_[j] * samples_[j];
        best = std::max(best, std::sqrt(sum / double(std::max<size_t>(1, end - i))));
    }
    return best;
}
