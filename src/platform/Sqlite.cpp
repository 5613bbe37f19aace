#include "platform/Sqlite.h"

#include "platform/Errors.h"

#include <sqlite3.h>

namespace stumpcraft::sqlite {

namespace {
    // A file that is not a database, or one whose pages are damaged, is told apart from other
    // failures so that the user knows the file itself is at fault.
    long ErrorNumber(int code)
    {
        const int primary = code & 0xff;
        if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
            return errors::DatabaseCorrupt;
        return errors::Database;
    }

    RuntimeError ErrorFor(int code, const char* message)
    {
        return RuntimeError(ErrorNumber(code), message ? message : sqlite3_errstr(code));
    }

    // Tells SQLite to take its own copy of a bound text.
    const sqlite3_destructor_type kCopyText = SQLITE_TRANSIENT;
} // namespace

Database::Database(const std::string& path, int flags)
{
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (code != SQLITE_OK) {
        const RuntimeError error = ErrorFor(code, db_ ? sqlite3_errmsg(db_) : nullptr);
        sqlite3_close(db_);
        throw error;
    }
    // Another copy of the game may be writing the file; wait a moment rather than fail.
    sqlite3_busy_timeout(db_, 2000);
}

Database::~Database() { sqlite3_close_v2(db_); }

void Database::Defend()
{
    for (const int option : { SQLITE_DBCONFIG_DEFENSIVE, SQLITE_DBCONFIG_TRUSTED_SCHEMA,
             SQLITE_DBCONFIG_ENABLE_TRIGGER, SQLITE_DBCONFIG_ENABLE_VIEW }) {
        const int on = option == SQLITE_DBCONFIG_DEFENSIVE ? 1 : 0;
        int now = -1;
        const int code = sqlite3_db_config(db_, option, on, &now);
        if (code != SQLITE_OK)
            Fail(code);
        if (now != on)
            throw RuntimeError(errors::Database, "the database cannot be opened safely");
    }
}

void Database::Execute(const char* sql)
{
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        Fail(code);
}

void Database::Fail(int code) const { throw ErrorFor(code, sqlite3_errmsg(db_)); }

Statement::Statement(Database& db, const std::string& sql)
    : db_(db)
{
    const int size = static_cast<int>(sql.size());
    Check(sqlite3_prepare_v2(db.Handle(), sql.c_str(), size, &stmt_, nullptr));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::Check(int code) const
{
    if (code != SQLITE_OK)
        db_.Fail(code);
}

Statement& Statement::Bind(int index, long long value)
{
    Check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::Bind(int index, const std::string& value)
{
    const auto size = static_cast<sqlite3_uint64>(value.size());
    Check(sqlite3_bind_text64(stmt_, index, value.data(), size, kCopyText, SQLITE_UTF8));
    return *this;
}

Statement& Statement::BindNull(int index)
{
    Check(sqlite3_bind_null(stmt_, index));
    return *this;
}

void Statement::Reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool Statement::Step()
{
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    db_.Fail(code);
}

bool Statement::IsNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

long long Statement::ColumnInt(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::ColumnText(int column) const
{
    const auto* text = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column); // after the text: its length in UTF-8
    if (!text)
        return {};
    return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
}

Transaction::Transaction(Database& db)
    : db_(db)
{
    db_.Execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    // Nothing may be thrown from here; a rollback that fails leaves SQLite to undo the
    // transaction itself when the database closes.
    if (!done_)
        sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit()
{
    db_.Execute("COMMIT");
    done_ = true;
}

} // namespace stumpcraft::sqlite
