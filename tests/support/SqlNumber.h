#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>

// One number from a database by plain SQL, read as another program would read the file; -1 when the
// query gives no row.
inline std::int64_t sqlNumber(const std::filesystem::path& db, const char* sql)
{
    sqlite3* handle = nullptr;
    sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    std::int64_t value = -1;
    if (sqlite3_prepare_v2(handle, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        value = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    sqlite3_close(handle);
    return value;
}
