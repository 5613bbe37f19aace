#pragma once

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace stumpcraft::sqlite {

// An open database file. Every failure of SQLite, here and in the statements below, is thrown
// as a RuntimeError whose description is SQLite's own message: a damaged or foreign file
// (errors::DatabaseCorrupt) or any other failure (errors::Database).
class Database {
public:
    // flags as for sqlite3_open_v2 (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, ...).
    Database(const std::string& path, int flags);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // For a file that another tool may have made: nothing stored in the file runs on our
    // statements (its triggers and views are switched off, its functions are not trusted) and
    // the file's own schema cannot be written through SQL.
    void Defend();

    // Runs SQL that takes no values and returns no rows (schema, transaction control).
    void Execute(const char* sql);
    // Throws the error SQLite reports for the last call on this database, as code `code`.
    [[noreturn]] void Fail(int code) const;
    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// One prepared statement. Values go in only through the Bind calls, by parameter index
// (1 for ?1), so no text a user typed is ever read as SQL.
class Statement {
public:
    Statement(Database& db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, long long value);
    Statement& Bind(int index, const std::string& value);
    Statement& BindNull(int index);
    // Ready to run again with new values: a statement kept for a write made many times is
    // prepared once.
    void Reset();

    // Runs the statement to its next row: true when a row is ready to read, false when done.
    bool Step();
    // Columns of the current row, counted from 0.
    bool IsNull(int column) const;
    long long ColumnInt(int column) const;
    std::string ColumnText(int column) const;

private:
    void Check(int code) const;

    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A write transaction taken at once (BEGIN IMMEDIATE), so it never fails halfway for want of
// the lock. Everything since the start is rolled back unless Commit was reached.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

private:
    Database& db_;
    bool done_ = false;
};

} // namespace stumpcraft::sqlite
