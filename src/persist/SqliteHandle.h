#pragma once

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Owners of SQLite's handles: a connection is closed and a statement finalized when its owner goes.
struct SqliteCloser {
    void operator()(sqlite3* db) const;
};
struct SqliteFinalizer {
    void operator()(sqlite3_stmt* statement) const;
};
using SqliteConnection = std::unique_ptr<sqlite3, SqliteCloser>;
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteFinalizer>;

// Prepares sql on db; code receives SQLite's result code. Empty on failure.
SqliteStatement prepareStatement(sqlite3* db, const char* sql, int& code);
