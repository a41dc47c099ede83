#pragma once

#include <sys/types.h>

#include <cstddef>

// The system calls that replace a file on the disk, in one place so that a test can fail a chosen one
// (a full disk, an I/O error) or watch their order. Each behaves as the call it is named after: -1 and
// errno on failure.
class SaveCalls {
public:
    virtual ~SaveCalls() = default;

    // A new temporary file from a mkostemp pattern, opened for writing.
    virtual int createTemporary(char* pattern, int flags);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    // The directory, opened for its own fsync once a rename in it is done.
    virtual int openDirectory(const char* path);

    // The calls in use: the real ones unless a ScopedSaveCalls has put others in place.
    static SaveCalls& current();

private:
    friend class ScopedSaveCalls;
    static SaveCalls* installed_;
};

// Puts other calls in place of the current ones for as long as it lives (tests).
class ScopedSaveCalls {
public:
    explicit ScopedSaveCalls(SaveCalls& calls);
    ~ScopedSaveCalls();
    ScopedSaveCalls(const ScopedSaveCalls&) = delete;
    ScopedSaveCalls& operator=(const ScopedSaveCalls&) = delete;

private:
    SaveCalls* previous_;
};
