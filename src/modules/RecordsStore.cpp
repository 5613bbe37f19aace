#include "modules/RecordsStore.h"

#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "platform/Sqlite.h"

#include <algorithm>
#include <array>
#include <sqlite3.h>

namespace stumpcraft {

namespace {
    // One column of Players as the program reads and writes it: a count, or one part of a
    // record figure of PlayerRecord, and the group it is written back with.
    struct Column {
        enum class Part { Count, Value, Who, Team };
        const char* name;
        Part part;
        int PlayerRecord::*count;
        RecordFigure PlayerRecord::*figure;
        unsigned group;

        bool IsNumber() const { return part == Part::Count || part == Part::Value; }
        // The column's place in a record (const or not).
        template <typename Record> auto& Number(Record& r) const
        {
            return part == Part::Count ? r.*count : (r.*figure).Value;
        }
        template <typename Record> auto& Text(Record& r) const
        {
            return part == Part::Who ? (r.*figure).Who : (r.*figure).Team;
        }
    };

    constexpr unsigned kCounts = 32; // Played, Won, Ties: changed only by counting and reset
    constexpr unsigned kEveryColumn = 63;

    using R = PlayerRecord;
    using RS = RecordsStore;
    using P = Column::Part;
    constexpr Column Count(const char* name, int R::*count)
    {
        return { name, P::Count, count, nullptr, kCounts };
    }
    constexpr Column Part(const char* name, P part, RecordFigure R::*figure, unsigned group)
    {
        return { name, part, nullptr, figure, group };
    }
    const std::array<Column, 17> kColumns { {
        Count("Played", &R::Played),
        Count("Won", &R::Won),
        Count("Ties", &R::Ties),
        Part("HighestRuns", P::Value, &R::HighestRuns, RS::HighestTotal),
        Part("HighestRunsBy", P::Team, &R::HighestRuns, RS::HighestTotal),
        Part("HighestRunsPlr", P::Value, &R::HighestRunsPlr, RS::BestInnings),
        Part("HighestRunsPlrName", P::Who, &R::HighestRunsPlr, RS::BestInnings),
        Part("HighestRunsPlrTeam", P::Team, &R::HighestRunsPlr, RS::BestInnings),
        Part("MostWicketsPlr", P::Value, &R::MostWicketsPlr, RS::BestBowling),
        Part("MostWicketsPlrName", P::Who, &R::MostWicketsPlr, RS::BestBowling),
        Part("MostWicketsPlrTeam", P::Team, &R::MostWicketsPlr, RS::BestBowling),
        Part("FastestHalfCentury", P::Value, &R::FastestHalfCentury, RS::FastestFifty),
        Part("FastestHalfCenturyBy", P::Who, &R::FastestHalfCentury, RS::FastestFifty),
        Part("FastestHalfCenturyTeam", P::Team, &R::FastestHalfCentury, RS::FastestFifty),
        Part("FastestCentury", P::Value, &R::FastestCentury, RS::FastestHundred),
        Part("FastestCenturyBy", P::Who, &R::FastestCentury, RS::FastestHundred),
        Part("FastestCenturyTeam", P::Team, &R::FastestCentury, RS::FastestHundred),
    } };

    constexpr const char* kBests = "All";
    constexpr int kMin16 = -32768;
    constexpr int kMax16 = 32767;

    // The game keeps its counts and figures in 16 bits wherever they are stored.
    int Clamp16(long long value)
    {
        return static_cast<int>(std::clamp<long long>(value, kMin16, kMax16));
    }

    // The table as the program creates it. The defaults give a row added by other means the
    // empty record; the program itself always writes every column of a new row.
    constexpr const char* kCreateTable = R"(CREATE TABLE IF NOT EXISTS Players (
        Name TEXT COLLATE BINARY,
        Played INTEGER DEFAULT 0, Won INTEGER DEFAULT 0, Ties INTEGER DEFAULT 0,
        HighestRuns INTEGER DEFAULT 0, HighestRunsBy TEXT DEFAULT '',
        HighestRunsPlr INTEGER DEFAULT 0, HighestRunsPlrName TEXT DEFAULT '',
        HighestRunsPlrTeam TEXT DEFAULT '',
        MostWicketsPlr INTEGER DEFAULT 0, MostWicketsPlrName TEXT DEFAULT '',
        MostWicketsPlrTeam TEXT DEFAULT '',
        FastestCentury INTEGER DEFAULT 10000, FastestCenturyBy TEXT DEFAULT '',
        FastestCenturyTeam TEXT DEFAULT '',
        FastestHalfCentury INTEGER DEFAULT 10000, FastestHalfCenturyBy TEXT DEFAULT '',
        FastestHalfCenturyTeam TEXT DEFAULT ''))";

    // Names are compared byte for byte whatever collation the file declares: "bob" and "Bob"
    // are two players.
    constexpr const char* kWhereName = " WHERE Name = ?1 COLLATE BINARY";

    std::vector<const Column*> ColumnsOf(unsigned groups)
    {
        std::vector<const Column*> chosen;
        for (const Column& column : kColumns)
            if (column.group & groups)
                chosen.push_back(&column);
        return chosen;
    }

    // Binds the chosen columns of a record to ?2, ?3, ... in order (?1 is the name).
    void BindRecord(sqlite::Statement& statement, const PlayerRecord& record,
        const std::vector<const Column*>& columns)
    {
        int index = 2;
        for (const Column* column : columns) {
            if (column->IsNumber())
                statement.Bind(index++, Clamp16(column->Number(record)));
            else
                statement.Bind(index++, column->Text(record));
        }
    }

    // Copies the current row into a record; a null reads as the empty record's value.
    PlayerRecord ReadRecord(const sqlite::Statement& statement)
    {
        PlayerRecord record = PlayerRecord::Empty();
        for (int i = 0; i < static_cast<int>(kColumns.size()); ++i) {
            const Column& column = kColumns[static_cast<std::size_t>(i)];
            if (statement.IsNull(i))
                continue;
            if (column.IsNumber())
                column.Number(record) = Clamp16(statement.ColumnInt(i));
            else
                column.Text(record) = statement.ColumnText(i);
        }
        return record;
    }

    // The columns' names joined by commas; with a suffix (" = ?"), each name is followed by it
    // and the number of its parameter, from ?2 in the order BindRecord binds them.
    std::string ColumnList(const std::vector<const Column*>& columns, const char* suffix)
    {
        std::string list;
        int index = 2;
        for (const Column* column : columns) {
            if (!list.empty())
                list += ", ";
            list += column->name;
            if (suffix)
                list += suffix + std::to_string(index++);
        }
        return list;
    }
} // namespace

struct RecordsStore::Impl {
    explicit Impl(const std::string& path)
        : db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
    {
        // The file may come from anywhere: nothing it holds runs on the game's writes.
        db.Defend();
    }

    // Runs one statement that writes, with the name as ?1 and the values bound by bindRest
    // from ?2, in a transaction of its own.
    template <typename BindRest>
    void Write(const std::string& sql, const std::string& name, BindRest bindRest)
    {
        sqlite::Transaction transaction(db);
        sqlite::Statement statement(db, sql);
        statement.Bind(1, name);
        bindRest(statement);
        statement.Step();
        transaction.Commit();
    }

    void WriteColumns(const std::string& sql, const std::string& name, const PlayerRecord& record,
        const std::vector<const Column*>& columns)
    {
        Write(sql, name, [&](sqlite::Statement& s) { BindRecord(s, record, columns); });
    }

    void Insert(const std::string& name)
    {
        const auto columns = ColumnsOf(kEveryColumn);
        std::string values = "?1";
        for (std::size_t i = 0; i < columns.size(); ++i)
            values += ", ?" + std::to_string(i + 2);
        WriteColumns("INSERT INTO Players (Name, " + ColumnList(columns, nullptr) + ") VALUES ("
                + values + ")",
            name, PlayerRecord::Empty(), columns);
    }

    void Update(const std::string& name, const PlayerRecord& record, unsigned groups)
    {
        const auto columns = ColumnsOf(groups);
        if (columns.empty())
            return;
        WriteColumns("UPDATE Players SET " + ColumnList(columns, " = ?") + kWhereName, name, record,
            columns);
    }

    bool HasTable()
    {
        sqlite::Statement statement(db,
            "SELECT 1 FROM sqlite_master"
            " WHERE type = 'table' AND name = 'Players' COLLATE NOCASE");
        return statement.Step();
    }

    std::optional<PlayerRecord> Find(const std::string& name)
    {
        sqlite::Statement statement(db,
            "SELECT " + ColumnList(ColumnsOf(kEveryColumn), nullptr) + " FROM Players" + kWhereName
                + " ORDER BY rowid LIMIT 1");
        statement.Bind(1, name);
        if (!statement.Step())
            return std::nullopt;
        return ReadRecord(statement);
    }

    // A damaged page may lie anywhere in the file, and an index may disagree with its table;
    // checking it all now (the file is small) reports the damage when the store opens rather
    // than halfway through a match, or never while a write goes wrong.
    void CheckIntact()
    {
        sqlite::Statement statement(db, "PRAGMA integrity_check");
        if (statement.Step() && statement.ColumnText(0) != "ok")
            throw RuntimeError(errors::DatabaseCorrupt, sqlite3_errstr(SQLITE_CORRUPT));
    }

    // Creates the table and the rows "All" and "Computer" where they are missing. A complete
    // file is only read, so one that cannot be written still opens.
    void EnsureRows()
    {
        if (!HasTable()) {
            sqlite::Transaction transaction(db);
            db.Execute(kCreateTable);
            transaction.Commit();
        }
        for (const char* name : { kBests, kComputer })
            if (!Find(name))
                Insert(name);
    }

    sqlite::Database db;
};

RecordsStore::RecordsStore(const std::string& path)
    : impl_(std::make_unique<Impl>(path))
{
    impl_->CheckIntact();
    impl_->EnsureRows();
}

RecordsStore::~RecordsStore() = default;

sqlite::Database& RecordsStore::Db() const { return impl_->db; }

std::string RecordsStore::DefaultPath() { return PlayerFile("stmp.bin"); }

std::vector<std::string> RecordsStore::ListNames() const
{
    sqlite::Statement statement(
        impl_->db, "SELECT Name FROM Players WHERE Name IS NOT NULL ORDER BY rowid");
    std::vector<std::string> names;
    while (statement.Step()) {
        std::string name = statement.ColumnText(0);
        if (name != kBests && name != kComputer)
            names.push_back(std::move(name));
    }
    return names;
}

std::optional<PlayerRecord> RecordsStore::Find(const std::string& name) const
{
    return impl_->Find(name);
}

PlayerRecord RecordsStore::Load(const std::string& name) const
{
    auto record = Find(name);
    if (!record)
        throw RuntimeError(errors::DatabaseNoRow, "No current record.");
    return *record;
}

void RecordsStore::AddPlayer(const std::string& name) { impl_->Insert(name); }

void RecordsStore::DeletePlayer(const std::string& name)
{
    // The bests and the computer's row must always be there; neither is ever a player to go.
    if (name == kBests || name == kComputer)
        return;
    impl_->Write(std::string("DELETE FROM Players") + kWhereName, name, [](sqlite::Statement&) {});
}

void RecordsStore::ResetPlayer(const std::string& name)
{
    impl_->Update(name, PlayerRecord::Empty(), kEveryColumn);
}

void RecordsStore::CountGame(const std::string& name, Outcome outcome)
{
    sqlite::Transaction transaction(impl_->db);
    CountGameWithin(name, outcome);
    transaction.Commit();
}

bool RecordsStore::CountMatch(
    const std::string& key, const std::vector<std::pair<std::string, Outcome>>& counts)
{
    sqlite::Database& db = impl_->db;
    sqlite::Transaction transaction(db);
    if (!key.empty()) {
        db.Execute("CREATE TABLE IF NOT EXISTS CountedMatches (MatchKey TEXT PRIMARY KEY)");
        sqlite::Statement counted(
            db, "INSERT OR IGNORE INTO CountedMatches (MatchKey) VALUES (?1)");
        counted.Bind(1, key).Step();
        if (sqlite3_changes(db.Handle()) == 0)
            return false; // counted before an interruption: never twice
    }
    for (const auto& [name, outcome] : counts)
        CountGameWithin(name, outcome);
    transaction.Commit();
    return true;
}

void RecordsStore::CountGameWithin(const std::string& name, Outcome outcome)
{
    const int won = outcome == Outcome::Won ? 1 : 0;
    const int tied = outcome == Outcome::Tied ? 1 : 0;
    // A null count is taken as 0, as when it is read; MIN keeps each count within 16 bits.
    sqlite::Statement statement(impl_->db,
        std::string("UPDATE Players SET Played = MIN(IFNULL(Played, 0) + 1, 32767), "
                    "Won = MIN(IFNULL(Won, 0) + ?2, 32767), "
                    "Ties = MIN(IFNULL(Ties, 0) + ?3, 32767)")
            + kWhereName);
    statement.Bind(1, name).Bind(2, won).Bind(3, tied);
    statement.Step();
}

void RecordsStore::WriteRecord(
    const std::string& name, const PlayerRecord& record, unsigned columns)
{
    impl_->Update(name, record, columns & ~kCounts);
}

} // namespace stumpcraft
