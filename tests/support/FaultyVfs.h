#pragma once

#include <sqlite3.h>

#include <cerrno>

// The default SQLite file system, wrapped: counts the flushes of each kind of file and, while full is
// set, refuses every write as a full disk does. Registered as the default for as long as it lives, so
// a log opened meanwhile runs on it.
class FaultyVfs {
public:
    bool full = false;
    int mainSyncs = 0; // flushes of the database file
    int walSyncs = 0;  // flushes of its write-ahead log

    FaultyVfs()
    {
        self() = this;
        real_ = sqlite3_vfs_find(nullptr);
        vfs_ = *real_;
        vfs_.zName = "quintel-faulty";
        vfs_.szOsFile = static_cast<int>(sizeof(File)) + real_->szOsFile;
        vfs_.xOpen = &open;
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~FaultyVfs()
    {
        sqlite3_vfs_unregister(&vfs_);
        sqlite3_vfs_register(real_, 1);
        self() = nullptr;
    }
    FaultyVfs(const FaultyVfs&) = delete;
    FaultyVfs& operator=(const FaultyVfs&) = delete;

private:
    struct File {
        sqlite3_file base;
        sqlite3_file* real;
        int flags;
    };
    static FaultyVfs*& self()
    {
        static FaultyVfs* current = nullptr;
        return current;
    }
    static sqlite3_file* real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }

    static int open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
    {
        File* f = reinterpret_cast<File*>(file);
        f->real = reinterpret_cast<sqlite3_file*>(f + 1);
        f->flags = flags;
        f->base.pMethods = nullptr;
        const int rc = self()->real_->xOpen(self()->real_, name, f->real, flags, outFlags);
        if (rc == SQLITE_OK && f->real->pMethods) {
            self()->methods_ = *f->real->pMethods;
            self()->methods_.xClose = [](sqlite3_file* x) { return real(x)->pMethods->xClose(real(x)); };
            self()->methods_.xRead = [](sqlite3_file* x, void* p, int n, sqlite3_int64 o) {
                return real(x)->pMethods->xRead(real(x), p, n, o);
            };
            self()->methods_.xWrite = [](sqlite3_file* x, const void* p, int n, sqlite3_int64 o) {
                if (self()->full) {
                    errno = ENOSPC;
                    return SQLITE_FULL;
                }
                return real(x)->pMethods->xWrite(real(x), p, n, o);
            };
            self()->methods_.xTruncate = [](sqlite3_file* x, sqlite3_int64 size) {
                return real(x)->pMethods->xTruncate(real(x), size);
            };
            self()->methods_.xSync = [](sqlite3_file* x, int flags) {
                const int kind = reinterpret_cast<File*>(x)->flags;
                if (kind & SQLITE_OPEN_MAIN_DB) ++self()->mainSyncs;
                if (kind & SQLITE_OPEN_WAL) ++self()->walSyncs;
                return real(x)->pMethods->xSync(real(x), flags);
            };
            self()->methods_.xFileSize = [](sqlite3_file* x, sqlite3_int64* size) {
                return real(x)->pMethods->xFileSize(real(x), size);
            };
            self()->methods_.xLock = [](sqlite3_file* x, int l) { return real(x)->pMethods->xLock(real(x), l); };
            self()->methods_.xUnlock = [](sqlite3_file* x, int l) { return real(x)->pMethods->xUnlock(real(x), l); };
            self()->methods_.xCheckReservedLock = [](sqlite3_file* x, int* out) {
                return real(x)->pMethods->xCheckReservedLock(real(x), out);
            };
            self()->methods_.xFileControl = [](sqlite3_file* x, int op, void* arg) {
                return real(x)->pMethods->xFileControl(real(x), op, arg);
            };
            self()->methods_.xSectorSize = [](sqlite3_file* x) { return real(x)->pMethods->xSectorSize(real(x)); };
            self()->methods_.xDeviceCharacteristics = [](sqlite3_file* x) {
                return real(x)->pMethods->xDeviceCharacteristics(real(x));
            };
            self()->methods_.xShmMap = [](sqlite3_file* x, int page, int size, int extend, void volatile** out) {
                return real(x)->pMethods->xShmMap(real(x), page, size, extend, out);
            };
            self()->methods_.xShmLock = [](sqlite3_file* x, int offset, int n, int flags) {
                return real(x)->pMethods->xShmLock(real(x), offset, n, flags);
            };
            self()->methods_.xShmBarrier = [](sqlite3_file* x) { real(x)->pMethods->xShmBarrier(real(x)); };
            self()->methods_.xShmUnmap = [](sqlite3_file* x, int del) {
                return real(x)->pMethods->xShmUnmap(real(x), del);
            };
            self()->methods_.xFetch = [](sqlite3_file* x, sqlite3_int64 o, int n, void** out) {
                return real(x)->pMethods->xFetch(real(x), o, n, out);
            };
            self()->methods_.xUnfetch = [](sqlite3_file* x, sqlite3_int64 o, void* p) {
                return real(x)->pMethods->xUnfetch(real(x), o, p);
            };
            f->base.pMethods = &self()->methods_;
        }
        return rc;
    }

    sqlite3_vfs* real_ = nullptr;
    sqlite3_vfs vfs_{};
    sqlite3_io_methods methods_{};
};
