#pragma once

#include <cstdint>

// A 32-bit millisecond tick count that wraps around after about 49.7 days.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual std::uint32_t now() = 0;
};

// True when tick a lies after tick b, across a wrap of the counter.
inline bool tickAfter(std::uint32_t a, std::uint32_t b) { return static_cast<std::int32_t>(a - b) > 0; }
// True when tick a is b or later, across a wrap of the counter.
inline bool tickReached(std::uint32_t a, std::uint32_t b) { return static_cast<std::int32_t>(a - b) >= 0; }
