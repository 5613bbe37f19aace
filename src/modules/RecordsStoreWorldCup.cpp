// The World Cup's tables in the records file: the cup, who plays it, its draw, every match
// played with its card, and the winners' rows of the hall of fame. Each finished match is
// booked in one transaction, so a World Cup goes on across runs and a program killed at any
// moment leaves every match either booked whole or not at all.
#include "modules/RecordsStore.h"
#include "platform/Sqlite.h"

#include <sqlite3.h>

namespace stumpcraft {

namespace {
    constexpr const char* kCreateTables = R"(
        CREATE TABLE IF NOT EXISTS WorldCup (Id INTEGER PRIMARY KEY, Overs INTEGER NOT NULL,
            Year INTEGER NOT NULL, Finished INTEGER NOT NULL DEFAULT 0);
        CREATE TABLE IF NOT EXISTS WorldCupEntrants (Cup INTEGER NOT NULL, Seat INTEGER NOT NULL,
            Player TEXT NOT NULL, Country TEXT NOT NULL, PRIMARY KEY (Cup, Seat));
        CREATE TABLE IF NOT EXISTS WorldCupDraw (Cup INTEGER NOT NULL, Lot INTEGER NOT NULL,
            Country TEXT NOT NULL, PRIMARY KEY (Cup, Lot));
        CREATE TABLE IF NOT EXISTS WorldCupMatches (Cup INTEGER NOT NULL,
            Number INTEGER NOT NULL, Side0 TEXT NOT NULL, Side1 TEXT NOT NULL,
            BattedFirst INTEGER NOT NULL, Runs0 INTEGER NOT NULL, Wickets0 INTEGER NOT NULL,
            Balls0 INTEGER NOT NULL, Runs1 INTEGER NOT NULL, Wickets1 INTEGER NOT NULL,
            Balls1 INTEGER NOT NULL, Winner INTEGER NOT NULL, Result TEXT NOT NULL,
            CardText TEXT NOT NULL, CardHtml TEXT NOT NULL, Simulated INTEGER NOT NULL,
            PRIMARY KEY (Cup, Number));
        CREATE TABLE IF NOT EXISTS WorldCupWinners (Name TEXT NOT NULL, Country TEXT NOT NULL,
            Year INTEGER NOT NULL, Overs INTEGER NOT NULL);
    )";

    // Removes every row of the cups not finished.
    void DropUnfinished(sqlite::Database& db)
    {
        for (const char* table : { "WorldCupEntrants", "WorldCupDraw", "WorldCupMatches" })
            db.Execute((std::string("DELETE FROM ") + table
                + " WHERE Cup IN (SELECT Id FROM WorldCup WHERE Finished = 0)")
                           .c_str());
        db.Execute("DELETE FROM WorldCup WHERE Finished = 0");
    }

    int PlayedCount(sqlite::Database& db, long long id)
    {
        sqlite::Statement count(db, "SELECT COUNT(*) FROM WorldCupMatches WHERE Cup = ?1");
        count.Bind(1, id);
        count.Step();
        return static_cast<int>(count.ColumnInt(0));
    }

    void ReadEntrantsAndDraw(sqlite::Database& db, long long id, worldcup::Cup& cup)
    {
        sqlite::Statement entrants(
            db, "SELECT Player, Country FROM WorldCupEntrants WHERE Cup = ?1 ORDER BY Seat");
        entrants.Bind(1, id);
        while (entrants.Step())
            cup.humans.push_back({ entrants.ColumnText(0), entrants.ColumnText(1) });
        sqlite::Statement draw(
            db, "SELECT Lot, Country FROM WorldCupDraw WHERE Cup = ?1 ORDER BY Lot");
        draw.Bind(1, id);
        while (draw.Step()) {
            const long long lot = draw.ColumnInt(0);
            if (lot >= 0 && lot < worldcup::kCountries)
                cup.drawn[static_cast<std::size_t>(lot)] = draw.ColumnText(1);
        }
    }

    void ReadMatches(sqlite::Database& db, long long id, worldcup::Cup& cup)
    {
        sqlite::Statement matches(db,
            "SELECT Number, Side0, Side1, BattedFirst, Runs0, Wickets0, Balls0, Runs1, Wickets1,"
            " Balls1, Winner, Result, CardText, CardHtml, Simulated FROM WorldCupMatches"
            " WHERE Cup = ?1 ORDER BY Number");
        matches.Bind(1, id);
        while (matches.Step()) {
            worldcup::PlayedMatch m;
            const auto number
                = [&](int column) { return static_cast<int>(matches.ColumnInt(column)); };
            m.number = number(0);
            m.sides = { matches.ColumnText(1), matches.ColumnText(2) };
            m.battedFirst = number(3);
            m.innings[0] = { number(4), number(5), number(6) };
            m.innings[1] = { number(7), number(8), number(9) };
            m.winner = number(10);
            m.result = matches.ColumnText(11);
            m.cardText = matches.ColumnText(12);
            m.cardHtml = matches.ColumnText(13);
            m.simulated = matches.ColumnInt(14) != 0;
            cup.played.push_back(std::move(m));
        }
    }
} // namespace

bool RecordsStore::HasWorldCupTables() const
{
    sqlite::Statement statement(Db(),
        "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ('WorldCup',"
        " 'WorldCupEntrants', 'WorldCupDraw', 'WorldCupMatches', 'WorldCupWinners')");
    statement.Step();
    return statement.ColumnInt(0) == 5;
}

void RecordsStore::EnsureWorldCupTables()
{
    if (!HasWorldCupTables())
        Db().Execute(kCreateTables);
}

std::optional<RecordsStore::StoredCup> RecordsStore::LatestWorldCup() const
{
    if (!HasWorldCupTables())
        return std::nullopt;
    sqlite::Statement latest(
        Db(), "SELECT Id, Overs, Year, Finished FROM WorldCup ORDER BY Id DESC LIMIT 1");
    if (!latest.Step())
        return std::nullopt;
    StoredCup stored;
    stored.id = latest.ColumnInt(0);
    stored.cup.overs = static_cast<int>(latest.ColumnInt(1));
    stored.cup.year = static_cast<int>(latest.ColumnInt(2));
    stored.finished = latest.ColumnInt(3) != 0;
    ReadEntrantsAndDraw(Db(), stored.id, stored.cup);
    ReadMatches(Db(), stored.id, stored.cup);
    return stored;
}

long long RecordsStore::StartWorldCup(const worldcup::Cup& cup)
{
    sqlite::Database& db = Db();
    sqlite::Transaction transaction(db);
    EnsureWorldCupTables();
    DropUnfinished(db);
    sqlite::Statement insert(db, "INSERT INTO WorldCup (Overs, Year, Finished) VALUES (?1, ?2, 0)");
    insert.Bind(1, cup.overs).Bind(2, cup.year);
    insert.Step();
    const long long id = sqlite3_last_insert_rowid(db.Handle());
    for (std::size_t seat = 0; seat < cup.humans.size(); ++seat) {
        sqlite::Statement entrant(db,
            "INSERT INTO WorldCupEntrants (Cup, Seat, Player, Country) VALUES (?1, ?2, ?3, ?4)");
        entrant.Bind(1, id)
            .Bind(2, static_cast<long long>(seat))
            .Bind(3, cup.humans[seat].player)
            .Bind(4, cup.humans[seat].country);
        entrant.Step();
    }
    for (std::size_t lot = 0; lot < cup.drawn.size(); ++lot) {
        sqlite::Statement draw(
            db, "INSERT INTO WorldCupDraw (Cup, Lot, Country) VALUES (?1, ?2, ?3)");
        draw.Bind(1, id).Bind(2, static_cast<long long>(lot)).Bind(3, cup.drawn[lot]);
        draw.Step();
    }
    transaction.Commit();
    return id;
}

bool RecordsStore::RecordWorldCupMatch(long long id, const worldcup::PlayedMatch& match,
    const std::vector<std::pair<std::string, Outcome>>& counts,
    const std::vector<WorldCupWin>& winners)
{
    sqlite::Database& db = Db();
    sqlite::Transaction transaction(db);
    EnsureWorldCupTables();
    if (PlayedCount(db, id) + 1 != match.number)
        return false;
    sqlite::Statement insert(db,
        "INSERT INTO WorldCupMatches (Cup, Number, Side0, Side1, BattedFirst, Runs0, Wickets0,"
        " Balls0, Runs1, Wickets1, Balls1, Winner, Result, CardText, CardHtml, Simulated)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16)");
    insert.Bind(1, id).Bind(2, match.number).Bind(3, match.sides[0]).Bind(4, match.sides[1]);
    insert.Bind(5, match.battedFirst);
    insert.Bind(6, match.innings[0].runs).Bind(7, match.innings[0].wickets);
    insert.Bind(8, match.innings[0].balls).Bind(9, match.innings[1].runs);
    insert.Bind(10, match.innings[1].wickets).Bind(11, match.innings[1].balls);
    insert.Bind(12, match.winner).Bind(13, match.result).Bind(14, match.cardText);
    insert.Bind(15, match.cardHtml).Bind(16, match.simulated ? 1 : 0);
    insert.Step();
    for (const auto& [name, outcome] : counts)
        CountGameWithin(name, outcome);
    for (const WorldCupWin& win : winners) {
        sqlite::Statement row(
            db, "INSERT INTO WorldCupWinners (Name, Country, Year, Overs) VALUES (?1, ?2, ?3, ?4)");
        row.Bind(1, win.name).Bind(2, win.country).Bind(3, win.year).Bind(4, win.overs);
        row.Step();
    }
    if (match.number == worldcup::kFinal) {
        sqlite::Statement finish(db, "UPDATE WorldCup SET Finished = 1 WHERE Id = ?1");
        finish.Bind(1, id);
        finish.Step();
    }
    transaction.Commit();
    return true;
}

std::vector<RecordsStore::WorldCupWin> RecordsStore::WorldCupWins(const std::string& name) const
{
    std::vector<WorldCupWin> wins;
    if (!HasWorldCupTables())
        return wins;
    sqlite::Statement statement(Db(),
        "SELECT Name, Country, Year, Overs FROM WorldCupWinners WHERE Name = ?1 COLLATE BINARY"
        " ORDER BY rowid");
    statement.Bind(1, name);
    while (statement.Step())
        wins.push_back({ statement.ColumnText(0), statement.ColumnText(1),
            static_cast<int>(statement.ColumnInt(2)), static_cast<int>(statement.ColumnInt(3)) });
    return wins;
}

} // namespace stumpcraft
