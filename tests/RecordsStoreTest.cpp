// The players' records file: what a player's name, a finished game and a broken record leave in
// it, and what a damaged or unwritable file does to the game.
#include "modules/RecordsStore.h"

#include "fakes/FakeServices.h"
#include "platform/Errors.h"
#include "platform/Sqlite.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace stumpcraft {
namespace {

    using Outcome = RecordsStore::Outcome;

    // A record with every field set, none equal to the empty record's value.
    PlayerRecord Sample()
    {
        return PlayerRecord { "", 7, 5, 1, { 312, "", "Freedonia" },
            { 141, "T. Quill", "Freedonia" }, { 6, "R. Ostrander", "Latveria" },
            { 22, "K. Okafor", "Genovia" }, { 58, "M. Vance", "Genovia" } };
    }

    using fakes::ErrorOf;

    class RecordsStoreTest : public ::testing::Test {
    protected:
        // SQL run on the file behind the store's back, as another program would.
        void Sql(const char* sql)
        {
            sqlite::Database db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            db.Execute(sql);
        }
        int RowsNamed(const std::string& name)
        {
            sqlite::Database db(path, SQLITE_OPEN_READONLY);
            sqlite::Statement count(db, "SELECT COUNT(*) FROM Players WHERE Name = ?1");
            count.Bind(1, name).Step();
            return static_cast<int>(count.ColumnInt(0));
        }
        std::string Bytes()
        {
            std::string bytes(std::filesystem::file_size(path), '\0');
            std::ifstream(path, std::ios::binary).read(bytes.data(), std::ssize(bytes));
            return bytes;
        }
        void WriteBytes(const std::string& bytes)
        {
            std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        }
        std::unique_ptr<RecordsStore> Open() { return std::make_unique<RecordsStore>(path); }

        fakes::FakePlatform platform;
        std::string path = RecordsStore::DefaultPath();
    };

    TEST_F(RecordsStoreTest, NewFileHoldsBothFixedRowsWithTheEmptyRecord)
    {
        EXPECT_EQ(path, (platform.Folder() / "stmp.bin").string());
        ASSERT_FALSE(std::filesystem::exists(path));
        Open();
        auto store = Open(); // a second opening adds nothing
        EXPECT_TRUE(store->ListNames().empty());
        for (const char* row : { "All", "Computer" }) {
            EXPECT_EQ(store->Load(row), PlayerRecord::Empty()) << row;
            EXPECT_EQ(RowsNamed(row), 1) << row;
        }
        store->AddPlayer("Priya");
        EXPECT_EQ(store->Load("Priya"), PlayerRecord::Empty());
        const RuntimeError e = ErrorOf([&] { store->Load("Stranger"); });
        EXPECT_EQ(e.Number(), errors::DatabaseNoRow);
        EXPECT_EQ(e.Description(), "No current record.");
    }

    TEST_F(RecordsStoreTest, MissingFixedRowIsAddedBackOnOpen)
    {
        // A table made elsewhere, without column defaults and comparing names regardless of
        // case: the new rows still get the empty record, and names are still exact.
        Sql("CREATE TABLE Players (Name TEXT COLLATE NOCASE, Played INTEGER, Won INTEGER, Ties "
            "INTEGER, "
            "HighestRuns INTEGER, HighestRunsBy TEXT, HighestRunsPlr INTEGER, "
            "HighestRunsPlrName TEXT, HighestRunsPlrTeam TEXT, MostWicketsPlr INTEGER, "
            "MostWicketsPlrName TEXT, MostWicketsPlrTeam TEXT, FastestCentury INTEGER, "
            "FastestCenturyBy TEXT, FastestCenturyTeam TEXT, FastestHalfCentury INTEGER, "
            "FastestHalfCenturyBy TEXT, FastestHalfCenturyTeam TEXT)");
        Sql("INSERT INTO Players (Name, Played, Won, FastestCentury) VALUES ('All', 4, 2, 80)");
        Sql("INSERT INTO Players (Name, Played) VALUES ('Hana', 3)");
        auto store = Open();
        EXPECT_EQ(RowsNamed("Computer"), 1);
        EXPECT_EQ(RowsNamed("All"), 1);
        EXPECT_EQ(store->Load("Computer"), PlayerRecord::Empty());
        EXPECT_EQ(store->Load("All").FastestCentury.Value, 80);
        EXPECT_EQ(store->Load("Hana").Played, 3);
        store->AddPlayer("hana");
        store->CountGame("hana", Outcome::Won);
        EXPECT_EQ(store->Load("Hana").Played, 3);
        EXPECT_EQ(store->ListNames(), (std::vector<std::string> { "Hana", "hana" }));
    }

    TEST_F(RecordsStoreTest, NamesOfAnyTextAreExactAndTouchOnlyTheirOwnRow)
    {
        const std::vector<std::string> names { "O'Brien", "x' OR '1'='1", "Łukasz", "木村", "Zoë",
            "bob", "Bob", "all", "Robert'); DROP TABLE Players;--" };
        auto store = Open();
        for (const auto& name : names)
            store->AddPlayer(name);
        EXPECT_EQ(store->ListNames(), names); // in the order added; "all" is a player

        store->WriteRecord("x' OR '1'='1", Sample(), ~0u);
        store->CountGame("bob", Outcome::Won);
        store->CountGame("O'Brien", Outcome::Tied);
        store->DeletePlayer("Robert'); DROP TABLE Players;--");

        EXPECT_EQ(store->Load("x' OR '1'='1").HighestRunsPlr.Who, "T. Quill");
        EXPECT_EQ(store->Load("bob").Won, 1);
        EXPECT_EQ(store->Load("Bob"), PlayerRecord::Empty());
        EXPECT_EQ(store->Load("O'Brien").Ties, 1);
        for (const char* untouched : { "Łukasz", "木村", "Zoë", "all", "All", "Computer" })
            EXPECT_EQ(store->Load(untouched), PlayerRecord::Empty()) << untouched;
        EXPECT_FALSE(store->Find("BOB"));
        EXPECT_EQ(store->ListNames().size(), names.size() - 1);

        // The letters survive the file being closed and opened again.
        store.reset();
        auto reopened = Open();
        EXPECT_EQ(reopened->ListNames()[3], "木村");
        EXPECT_EQ(reopened->Load("x' OR '1'='1").FastestCentury.Who, "M. Vance");
    }

    TEST_F(RecordsStoreTest, DeleteRemovesEveryRowOfTheNameAndNoOther)
    {
        auto store = Open();
        for (const char* name : { "Ann", "Annie", "Ann", "ann", "Ann " })
            store->AddPlayer(name);
        store->DeletePlayer("Ann");
        EXPECT_EQ(store->ListNames(), (std::vector<std::string> { "Annie", "ann", "Ann " }));
        store->DeletePlayer("Nobody");
        // The fixed rows are never a player to delete.
        store->DeletePlayer("All");
        store->DeletePlayer("Computer");
        EXPECT_EQ(RowsNamed("All"), 1);
        EXPECT_EQ(RowsNamed("Computer"), 1);
        EXPECT_EQ(store->ListNames().size(), 3u);
    }

    TEST_F(RecordsStoreTest, NullColumnsReadAsTheEmptyRecord)
    {
        auto store = Open();
        Sql("INSERT INTO Players (Name, Played, Won, Ties, HighestRuns, HighestRunsBy, "
            "HighestRunsPlr, HighestRunsPlrName, HighestRunsPlrTeam, MostWicketsPlr, "
            "MostWicketsPlrName, MostWicketsPlrTeam, FastestCentury, FastestCenturyBy, "
            "FastestCenturyTeam, FastestHalfCentury, FastestHalfCenturyBy, "
            "FastestHalfCenturyTeam) VALUES ('Nil', NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
            "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)");
        Sql("INSERT INTO Players (Name) VALUES (NULL)"); // a row nobody can name
        EXPECT_EQ(store->Load("Nil"), PlayerRecord::Empty());
        EXPECT_EQ(store->ListNames(), std::vector<std::string> { "Nil" });
        // A null count counts from 0.
        store->CountGame("Nil", Outcome::Won);
        EXPECT_EQ(store->Load("Nil").Played, 1);
        EXPECT_EQ(store->Load("Nil").Won, 1);
        EXPECT_EQ(store->Load("Nil").Ties, 0);
    }

    TEST_F(RecordsStoreTest, CountingAGameAddsPlayedAndTheOutcome)
    {
        auto store = Open();
        store->AddPlayer("Win");
        store->AddPlayer("Tie");
        store->CountGame("Win", Outcome::Won);
        store->CountGame("Tie", Outcome::Lost);
        store->CountGame("Tie", Outcome::Tied);
        store->CountGame("Ghost", Outcome::Won); // no row: nothing changes, nothing is added

        auto counts = [&](const char* name) {
            const PlayerRecord r = store->Load(name);
            return std::vector<int> { r.Played, r.Won, r.Ties };
        };
        EXPECT_EQ(counts("Win"), (std::vector<int> { 1, 1, 0 }));
        EXPECT_EQ(counts("Tie"), (std::vector<int> { 2, 0, 1 }));
        EXPECT_FALSE(store->Find("Ghost"));

        // The counts are 16-bit in the game: they stop at the top rather than wrap.
        Sql("UPDATE Players SET Played = 32767, Won = 32766 WHERE Name = 'Win'");
        store->CountGame("Win", Outcome::Won);
        store->CountGame("Win", Outcome::Won);
        EXPECT_EQ(counts("Win"), (std::vector<int> { 32767, 32767, 0 }));
    }

    TEST_F(RecordsStoreTest, WriteRecordWritesOnlyTheChosenGroups)
    {
        auto store = Open();
        store->AddPlayer("Ira");
        store->CountGame("Ira", Outcome::Won);
        const PlayerRecord full = Sample();

        store->WriteRecord("Ira", full, RecordsStore::BestBowling);
        PlayerRecord expected = PlayerRecord::Empty();
        expected.Played = expected.Won = 1;
        expected.MostWicketsPlr.Value = 6;
        expected.MostWicketsPlr.Who = "R. Ostrander";
        expected.MostWicketsPlr.Team = "Latveria";
        EXPECT_EQ(store->Load("Ira"), expected);

        // Every group at once still leaves the counts alone: only counting changes them.
        store->WriteRecord("Ira", full, ~0u);
        expected = full;
        expected.Played = expected.Won = 1;
        expected.Ties = 0;
        EXPECT_EQ(store->Load("Ira"), expected);

        PlayerRecord huge = full;
        huge.HighestRuns.Value = 40000;
        huge.HighestRunsPlr.Value = -40000;
        store->WriteRecord("Ira", huge, RecordsStore::HighestTotal | RecordsStore::BestInnings);
        EXPECT_EQ(store->Load("Ira").HighestRuns.Value, 32767);
        EXPECT_EQ(store->Load("Ira").HighestRunsPlr.Value, -32768);
    }

    TEST_F(RecordsStoreTest, DamagedFileIsReportedOnOpenAndLeftAsItWas)
    {
        std::string noise(1 << 20, '\0');
        for (std::size_t i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<char>((i * 7919 + 13) % 251);
        WriteBytes(noise);
        RuntimeError e = ErrorOf([&] { Open(); });
        EXPECT_EQ(e.Number(), errors::DatabaseCorrupt);
        EXPECT_EQ(e.Description(), "file is not a database");
        EXPECT_EQ(Bytes(), noise);

        // A good file whose later pages are damaged or lost. Its rows all lie in the first
        // pages and read well; the later pages held deleted players, whose space the file keeps
        // for later writes, so only a check of the whole file finds overwritten ones before a
        // write in the middle of a match does.
        std::filesystem::remove(path);
        Open()->AddPlayer("Early");
        Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
            "INSERT INTO Players (Name) SELECT 'Player number ' || i || ' of a long list' FROM n");
        Sql("DELETE FROM Players WHERE Name LIKE 'Player number %'");
        const std::string whole = Bytes();
        ASSERT_GT(whole.size(), 16384u);
        const std::string head = whole.substr(0, 4 * 4096);
        for (const std::string& damaged :
            { head + noise.substr(0, whole.size() - head.size()), head }) {
            WriteBytes(damaged);
            e = ErrorOf([&] { Open(); });
            EXPECT_EQ(e.Number(), errors::DatabaseCorrupt);
            EXPECT_EQ(e.Description(), "database disk image is malformed");
        }
    }

    TEST_F(RecordsStoreTest, FailedWriteReportsTheErrorAndChangesNoRow)
    {
        auto store = Open();
        for (const char* name : { "Dup", "Kim", "Dup" })
            store->AddPlayer(name);
        store->WriteRecord("Kim", Sample(), ~0u);
        const PlayerRecord kim = store->Load("Kim");
        store.reset();
        // The file refuses any change to the rows of "Dup", as one made by another tool may.
        {
            sqlite::Database db(path, SQLITE_OPEN_READWRITE);
            std::string create;
            {
                sqlite::Statement table(db, "SELECT sql FROM sqlite_master WHERE name = 'Players'");
                ASSERT_TRUE(table.Step());
                create = table.ColumnText(0);
            }
            create.insert(create.rfind(')'), ", CHECK (Name <> 'Dup' OR Played + HighestRuns = 0)");
            db.Execute("ALTER TABLE Players RENAME TO Old");
            db.Execute(create.c_str());
            db.Execute("INSERT INTO Players SELECT * FROM Old; DROP TABLE Old; VACUUM");
        }
        const std::string before = Bytes();
        store = Open();

        RuntimeError e = ErrorOf([&] { store->WriteRecord("Dup", Sample(), ~0u); });
        EXPECT_EQ(e.Number(), errors::Database);
        EXPECT_EQ(e.Description().rfind("CHECK constraint failed", 0), 0u) << e.Description();
        e = ErrorOf([&] { store->CountGame("Dup", Outcome::Won); });
        EXPECT_EQ(e.Number(), errors::Database);
        EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(store->Load("Kim"), kim);

        // Nothing is left half-done: the next write goes through.
        store->CountGame("Kim", Outcome::Lost);
        EXPECT_EQ(store->Load("Kim").Played, kim.Played + 1);
    }

    // A file made by another tool may carry triggers, one of which zeroed every other
    // player's games; none of them runs on the game's own writes.
    TEST_F(RecordsStoreTest, TriggersInTheFileNeverRunOnTheGamesWrites)
    {
        Open()->AddPlayer("Ann");
        Open()->CountGame("Computer", Outcome::Won);
        Sql("CREATE TRIGGER Zero AFTER UPDATE ON Players BEGIN "
            "UPDATE Players SET Played = 0 WHERE Name <> NEW.Name; END;"
            "CREATE TRIGGER Gone AFTER INSERT ON Players BEGIN DELETE FROM Players; END");
        auto store = Open();
        store->CountGame("Ann", Outcome::Won);
        store->AddPlayer("Bea");
        EXPECT_EQ(store->Load("Computer").Played, 1);
        EXPECT_EQ(store->Load("Ann").Played, 1);
        EXPECT_EQ(store->ListNames(), (std::vector<std::string> { "Ann", "Bea" }));
    }

    // An index whose entries no longer match its table passes SQLite's quick check; only the
    // full check finds it, before a write through the index goes wrong.
    TEST_F(RecordsStoreTest, AFileWhoseIndexDisagreesWithItsTableIsRefused)
    {
        Open()->AddPlayer("Ann");
        Sql("CREATE INDEX ByName ON Players(Name);"
            "PRAGMA writable_schema = ON;"
            "UPDATE sqlite_master SET sql = 'CREATE INDEX ByName ON Players(Played)' "
            "WHERE name = 'ByName'");
        const std::string before = Bytes();
        const RuntimeError e = ErrorOf([&] { Open(); });
        EXPECT_EQ(e.Number(), errors::DatabaseCorrupt);
        EXPECT_EQ(Bytes(), before);
    }

    TEST_F(RecordsStoreTest, ReadOnlyFileOpensForReadingAndRefusesWrites)
    {
        Open()->AddPlayer("Lee");
        // A file format newer than this program writes may only be read; that is how SQLite
        // treats a write-version byte above 2, whatever the file's permissions.
        std::string bytes = Bytes();
        bytes[18] = 3;
        WriteBytes(bytes);

        auto store = Open();
        EXPECT_EQ(store->ListNames(), std::vector<std::string> { "Lee" });
        for (auto write : std::vector<std::function<void()>> { [&] { store->AddPlayer("Mo"); },
                 [&] { store->CountGame("Lee", Outcome::Won); },
                 [&] { store->WriteRecord("Lee", Sample(), ~0u); },
                 [&] { store->ResetPlayer("All"); }, [&] { store->DeletePlayer("Lee"); } }) {
            const RuntimeError e = ErrorOf(write);
            EXPECT_EQ(e.Number(), errors::Database);
            EXPECT_EQ(e.Description(), "attempt to write a readonly database");
        }
        EXPECT_EQ(Bytes(), bytes);
        EXPECT_EQ(store->Load("Lee"), PlayerRecord::Empty());

        // Opening needs a write only when a fixed row is missing, and then says so.
        store.reset();
        bytes[18] = 1;
        WriteBytes(bytes);
        Sql("DELETE FROM Players WHERE Name = 'Computer'");
        bytes = Bytes();
        bytes[18] = 3;
        WriteBytes(bytes);
        EXPECT_EQ(ErrorOf([&] { Open(); }).Description(), "attempt to write a readonly database");
    }

} // namespace
} // namespace stumpcraft
