#include "SqliteHandle.h"

#include <sqlite3.h>

void SqliteCloser::operator()(sqlite3* db) const { sqlite3_close(db); }

void SqliteFinalizer::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

SqliteStatement prepareStatement(sqlite3* db, const char* sql, int& code)
{
    sqlite3_stmt* statement = nullptr;
    code = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    return SqliteStatement(statement);
}
