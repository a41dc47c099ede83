#include "SaveCalls.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>

SaveCalls* SaveCalls::installed_ = nullptr;

int SaveCalls::createTemporary(char* pattern, int flags) { return ::mkostemp(pattern, flags); }

ssize_t SaveCalls::write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }

int SaveCalls::fsync(int fd) { return ::fsync(fd); }

int SaveCalls::close(int fd) { return ::close(fd); }

int SaveCalls::rename(const char* from, const char* to) { return std::rename(from, to); }

int SaveCalls::openDirectory(const char* path) { return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

SaveCalls& SaveCalls::current()
{
    static SaveCalls real;
    return installed_ ? *installed_ : real;
}

ScopedSaveCalls::ScopedSaveCalls(SaveCalls& calls)
    : previous_(SaveCalls::installed_)
{
    SaveCalls::installed_ = &calls;
}

ScopedSaveCalls::~ScopedSaveCalls() { SaveCalls::installed_ = previous_; }
