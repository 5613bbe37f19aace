#include "modules/MatchArchive.h"

#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "platform/Sqlite.h"

#include <ctime>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

namespace stumpcraft {

namespace {
    namespace fs = std::filesystem;

    // Written into the file's header: a file without both is not ours, or not this version's.
    constexpr long long kApplicationId = 0x53434B50; // "SCKP"
    constexpr long long kVersion = 1;

    // The opening, a few pages long, has a table of its own: the row of the match, written at
    // every press, stays small.
    constexpr const char* kSchema = R"(
        CREATE TABLE Matches (Id INTEGER PRIMARY KEY, MatchKey TEXT NOT NULL,
            Started INTEGER NOT NULL, Snapshot TEXT NOT NULL, Digest TEXT NOT NULL,
            Presses INTEGER NOT NULL, Finished INTEGER NOT NULL, Title TEXT NOT NULL);
        CREATE TABLE Openings (MatchId INTEGER PRIMARY KEY, Opening TEXT NOT NULL);
        CREATE TABLE Presses (MatchId INTEGER NOT NULL, Seq INTEGER NOT NULL,
            Kind TEXT NOT NULL, A INTEGER NOT NULL, B INTEGER NOT NULL, At INTEGER NOT NULL,
            PRIMARY KEY (MatchId, Seq)) WITHOUT ROWID;)";

    long long Pragma(sqlite::Database& db, const char* sql)
    {
        sqlite::Statement statement(db, sql);
        return statement.Step() ? statement.ColumnInt(0) : 0;
    }

    std::string WalOf(const std::string& path) { return path + "-wal"; }
} // namespace

struct MatchArchive::Impl {
    explicit Impl(std::unique_ptr<sqlite::Database> database)
        : db(std::move(database))
    {
    }
    sqlite::Statement& Kept(std::unique_ptr<sqlite::Statement>& slot, const char* sql)
    {
        if (!slot)
            slot = std::make_unique<sqlite::Statement>(*db, sql);
        slot->Reset();
        return *slot;
    }

    std::unique_ptr<sqlite::Database> db;
    // The two writes of every press, prepared once.
    std::unique_ptr<sqlite::Statement> insertPress;
    std::unique_ptr<sqlite::Statement> updateMatch;
};

MatchArchive::MatchArchive(std::unique_ptr<sqlite::Database> db)
    : impl_(std::make_unique<Impl>(std::move(db)))
{
}

MatchArchive::~MatchArchive() = default;

std::string MatchArchive::DefaultPath() { return PlayerFile("matches.db"); }

void MatchArchive::Tune()
{
    sqlite::Database& db = *impl_->db;
    db.Execute("PRAGMA journal_mode = WAL");
    db.Execute("PRAGMA synchronous = NORMAL");
    // A checkpoint (which syncs) every 16 pages of presses: about eight presses.
    db.Execute("PRAGMA wal_autocheckpoint = 16");
}

std::unique_ptr<MatchArchive> MatchArchive::OpenExisting(const std::string& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return nullptr;
    // A folder or a FIFO is never opened: reading a FIFO would wait for ever.
    if (ec || status.type() != fs::file_type::regular)
        throw KeptMatchDamaged("not a file");
    if (fs::file_size(path, ec) == 0 || ec)
        throw KeptMatchDamaged("an empty file");
    try {
        auto db = std::make_unique<sqlite::Database>(path, SQLITE_OPEN_READWRITE);
        db->Defend();
        if (Pragma(*db, "PRAGMA application_id") != kApplicationId)
            throw KeptMatchDamaged("another program's file");
        if (Pragma(*db, "PRAGMA user_version") != kVersion)
            throw KeptMatchDamaged("another version's file");
        sqlite::Statement check(*db, "PRAGMA quick_check");
        if (!check.Step() || check.ColumnText(0) != "ok")
            throw KeptMatchDamaged("a damaged file");
        std::unique_ptr<MatchArchive> archive(new MatchArchive(std::move(db)));
        archive->Tune();
        return archive;
    } catch (const RuntimeError& error) {
        throw KeptMatchDamaged(error.Description());
    }
}

std::unique_ptr<MatchArchive> MatchArchive::OpenForKeeping(const std::string& path)
{
    if (auto archive = OpenExisting(path))
        return archive;
    auto db = std::make_unique<sqlite::Database>(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db->Defend();
    // Small pages: a press rewrites a page or two of them.
    db->Execute("PRAGMA page_size = 1024");
    std::unique_ptr<MatchArchive> archive(new MatchArchive(std::move(db)));
    archive->Tune();
    sqlite::Database& d = *archive->impl_->db;
    sqlite::Transaction transaction(d);
    d.Execute(kSchema);
    d.Execute(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
    d.Execute(("PRAGMA user_version = " + std::to_string(kVersion)).c_str());
    transaction.Commit();
    return archive;
}

std::string MatchArchive::SetAside(const std::string& path)
{
    std::error_code ec;
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = path + ".set-aside-" + std::to_string(n);
        if (fs::exists(fs::symlink_status(aside, ec)))
            continue;
        fs::rename(path, aside, ec);
        if (ec)
            return "";
        // The journal goes with it, so no new file ever takes up an old file's pages.
        if (fs::exists(fs::symlink_status(WalOf(path), ec)))
            fs::rename(WalOf(path), WalOf(aside), ec);
        fs::remove(path + "-shm", ec);
        return aside;
    }
    return "";
}

std::optional<MatchArchive::Kept> MatchArchive::Unfinished()
{
    sqlite::Statement statement(
        *impl_->db, "SELECT Id FROM Matches WHERE Finished = 0 ORDER BY Id DESC LIMIT 1");
    if (!statement.Step())
        return std::nullopt;
    return Load(statement.ColumnInt(0));
}

MatchArchive::Kept MatchArchive::Load(long long id)
{
    try {
        sqlite::Database& db = *impl_->db;
        sqlite::Statement match(db,
            "SELECT MatchKey, Started, Opening, Snapshot, Digest, Presses, Finished, Title"
            " FROM Matches JOIN Openings ON MatchId = Id WHERE Id = ?1");
        match.Bind(1, id);
        if (!match.Step())
            throw KeptMatchDamaged("no such match");
        Kept kept;
        kept.id = id;
        kept.key = match.ColumnText(0);
        kept.started = match.ColumnInt(1);
        kept.opening = match.ColumnText(2);
        kept.snapshot = match.ColumnText(3);
        const std::string digest = match.ColumnText(4);
        const long long count = match.ColumnInt(5);
        kept.finished = match.ColumnInt(6) != 0;
        kept.title = match.ColumnText(7);

        KeepDigest check;
        check.Add(kept.opening);
        sqlite::Statement presses(
            db, "SELECT Seq, Kind, A, B, At FROM Presses WHERE MatchId = ?1 ORDER BY Seq");
        presses.Bind(1, id);
        while (presses.Step()) {
            const std::string kind = presses.ColumnText(1);
            Press p;
            p.kind = static_cast<PressKind>(kind.size() == 1 ? kind[0] : '?');
            p.a = static_cast<int>(presses.ColumnInt(2));
            p.b = static_cast<int>(presses.ColumnInt(3));
            p.at = static_cast<int>(presses.ColumnInt(4));
            if (presses.ColumnInt(0) != static_cast<long long>(kept.presses.size())
                || !PressIsSound(p))
                throw KeptMatchDamaged("a damaged press");
            check.Add(p);
            kept.presses.push_back(p);
        }
        if (static_cast<long long>(kept.presses.size()) != count || check.Text() != digest)
            throw KeptMatchDamaged("the log does not agree with its check");
        return kept;
    } catch (const RuntimeError& error) {
        throw KeptMatchDamaged(error.Description());
    }
}

std::vector<MatchArchive::Listed> MatchArchive::Decided(int most)
{
    sqlite::Statement statement(*impl_->db,
        "SELECT Id, Started, Title FROM Matches WHERE Finished = 1 ORDER BY Id DESC LIMIT ?1");
    statement.Bind(1, most);
    std::vector<Listed> listed;
    while (statement.Step())
        listed.push_back(
            { statement.ColumnInt(0), statement.ColumnInt(1), statement.ColumnText(2) });
    return listed;
}

long long MatchArchive::Begin(const std::string& key, const std::string& opening,
    const std::string& snapshot, const std::string& digest)
{
    sqlite::Database& db = *impl_->db;
    sqlite::Transaction transaction(db);
    for (const char* table : { "Presses", "Openings" })
        db.Execute((std::string("DELETE FROM ") + table
            + " WHERE MatchId IN (SELECT Id FROM Matches WHERE Finished = 0)")
                       .c_str());
    db.Execute("DELETE FROM Matches WHERE Finished = 0");
    sqlite::Statement insert(db,
        "INSERT INTO Matches (MatchKey, Started, Snapshot, Digest, Presses, Finished, Title)"
        " VALUES (?1, ?2, ?3, ?4, 0, 0, '')");
    insert.Bind(1, key)
        .Bind(2, static_cast<long long>(std::time(nullptr)))
        .Bind(3, snapshot)
        .Bind(4, digest);
    insert.Step();
    const long long id = sqlite3_last_insert_rowid(db.Handle());
    sqlite::Statement keep(db, "INSERT INTO Openings (MatchId, Opening) VALUES (?1, ?2)");
    keep.Bind(1, id).Bind(2, opening).Step();
    transaction.Commit();
    return id;
}

void MatchArchive::Append(long long id, const std::vector<Press>& presses, int pressesBefore,
    const std::string& snapshot, const std::string& digest, const std::string* decidedTitle)
{
    sqlite::Database& db = *impl_->db;
    sqlite::Transaction transaction(db);
    int seq = pressesBefore;
    for (const Press& p : presses) {
        sqlite::Statement& insert = impl_->Kept(impl_->insertPress,
            "INSERT INTO Presses (MatchId, Seq, Kind, A, B, At) VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
        insert.Bind(1, id)
            .Bind(2, seq++)
            .Bind(3, std::string(1, static_cast<char>(p.kind)))
            .Bind(4, p.a)
            .Bind(5, p.b)
            .Bind(6, p.at);
        insert.Step();
    }
    sqlite::Statement& update = impl_->Kept(impl_->updateMatch,
        "UPDATE Matches SET Snapshot = ?2, Digest = ?3, Presses = ?4, Finished = ?5,"
        " Title = ?6 WHERE Id = ?1");
    update.Bind(1, id)
        .Bind(2, snapshot)
        .Bind(3, digest)
        .Bind(4, seq)
        .Bind(5, decidedTitle ? 1 : 0)
        .Bind(6, decidedTitle ? *decidedTitle : std::string());
    update.Step();
    if (decidedTitle) {
        // The oldest decided matches beyond the fifty newest go, with their presses.
        for (const char* table : { "Presses", "Openings" })
            db.Execute((std::string("DELETE FROM ") + table
                + " WHERE MatchId IN (SELECT Id FROM Matches"
                  " WHERE Finished = 1 ORDER BY Id DESC LIMIT -1 OFFSET 50)")
                           .c_str());
        db.Execute("DELETE FROM Matches WHERE Finished = 1 AND Id NOT IN (SELECT Id FROM"
                   " Matches WHERE Finished = 1 ORDER BY Id DESC LIMIT 50)");
    }
    transaction.Commit();
}

void MatchArchive::Discard(long long id)
{
    sqlite::Database& db = *impl_->db;
    sqlite::Transaction transaction(db);
    for (const char* table : { "Presses", "Openings" }) {
        sqlite::Statement rows(db, std::string("DELETE FROM ") + table + " WHERE MatchId = ?1");
        rows.Bind(1, id).Step();
    }
    sqlite::Statement match(db, "DELETE FROM Matches WHERE Id = ?1");
    match.Bind(1, id).Step();
    transaction.Commit();
}

} // namespace stumpcraft
