// The players' records file: what a player's name, a finished game and a broken record leave in
// it, and what a damaged or unwritable file does to the game.
#include "modules/RecordsStore.h"

#include "fakes/FakeServices.h"
#include "platform/Sqlite.h"

#include <regex>
#include <sqlite3.h>

namespace stumpcraft {
namespace {

    using Outcome = RecordsStore::Outcome;
    using Names = std::vector<std::string>;
    using fakes::ErrorOf;

    // A record with every field set, none equal to the empty record's value.
    PlayerRecord Sample()
    {
        return PlayerRecord { "", 7, 5, 1, { 312, "", "Freedonia" },
            { 141, "T. Quill", "Freedonia" }, { 6, "R. Ostrander", "Latveria" },
            { 22, "K. Okafor", "Genovia" }, { 58, "M. Vance", "Genovia" } };
    }

    class RecordsStoreTest : public ::testing::Test {
    protected:
        // SQL run on the file behind the store's back, as another program would.
        void Sql(const char* sql)
        {
            sqlite::Database db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            db.Execute(sql);
        }
        // Makes the table anew, rows and all, from its own statement as `change` rewrites it.
        void Rebuild(const std::function<std::string(const std::string&)>& change)
        {
            sqlite::Database db(path, SQLITE_OPEN_READWRITE);
            std::string create;
            {
                sqlite::Statement table(db, "SELECT sql FROM sqlite_master WHERE name = 'Players'");
                ASSERT_TRUE(table.Step());
                create = change(table.ColumnText(0));
            }
            db.Execute("ALTER TABLE Players RENAME TO Old");
            db.Execute(create.c_str());
            db.Execute("INSERT INTO Players SELECT * FROM Old; DROP TABLE Old; VACUUM");
        }
        int RowsNamed(const std::string& name)
        {
            sqlite::Database db(path, SQLITE_OPEN_READONLY);
            sqlite::Statement count(db, "SELECT COUNT(*) FROM Players WHERE Name = ?1");
            count.Bind(1, name).Step();
            return static_cast<int>(count.ColumnInt(0));
        }
        std::string Bytes() { return fakes::FileBytes(path); }
        void WriteBytes(const std::string& bytes) { fakes::WriteFileBytes(path, bytes); }
        std::unique_ptr<RecordsStore> Open() { return std::make_unique<RecordsStore>(path); }
        std::vector<int> Counts(const RecordsStore& store, const std::string& name)
        {
            const PlayerRecord r = store.Load(name);
            return { r.Played, r.Won, r.Ties };
        }

        fakes::FakePlatform platform;
        std::string path = RecordsStore::DefaultPath();
    };

    // A table made elsewhere, without column defaults and comparing names regardless of case:
    // a missing fixed row still gets the empty record, nulls read as the empty record's values
    // and count from 0, and names are still exact.
    TEST_F(RecordsStoreTest, TableMadeElsewhereGetsItsFixedRowsBackAndReadsNullsAsEmpty)
    {
        Open();
        Rebuild([](const std::string& create) {
            return std::regex_replace(std::regex_replace(create, std::regex(" DEFAULT [^,)]+"), ""),
                std::regex("BINARY"), "NOCASE");
        });
        Sql("DELETE FROM Players WHERE Name = 'Computer';"
            "UPDATE Players SET Played = 4, Won = 2, FastestCentury = 80 WHERE Name = 'All';"
            "INSERT INTO Players (Name, Played) VALUES ('Hana', 3), ('Nil', NULL), (NULL, 5)");
        auto store = Open();
        EXPECT_EQ(RowsNamed("Computer"), 1);
        EXPECT_EQ(RowsNamed("All"), 1);
        EXPECT_EQ(store->Load("Computer"), PlayerRecord::Empty());
        EXPECT_EQ(store->Load("All").FastestCentury.Value, 80);
        PlayerRecord hana = PlayerRecord::Empty();
        hana.Played = 3;
        EXPECT_EQ(store->Load("Hana"), hana);
        EXPECT_EQ(store->ListNames(), (Names { "Hana", "Nil" })) << "a row nobody can name";
        store->CountGame("Nil", Outcome::Won);
        EXPECT_EQ(Counts(*store, "Nil"), (std::vector<int> { 1, 1, 0 }));
        store->AddPlayer("hana");
        store->CountGame("hana", Outcome::Won);
        EXPECT_EQ(store->Load("Hana").Played, 3);
        EXPECT_EQ(store->ListNames(), (Names { "Hana", "Nil", "hana" }));
    }

    // A new file holds the fixed rows "All" and "Computer" with the empty record, as does a
    // new player's row; names are values, exact to the byte.
    TEST_F(RecordsStoreTest, NamesOfAnyTextAreExactAndTouchOnlyTheirOwnRows)
    {
        const Names names { "O'Brien", "x' OR '1'='1", "Łukasz", "木村", "Ann", "bob", "Bob", "all",
            "Ann", "Ann ", "Robert'); DROP TABLE Players;--" };
        EXPECT_EQ(path, (platform.Folder() / "stmp.bin").string());
        ASSERT_FALSE(std::filesystem::exists(path));
        Open();
        auto store = Open(); // a second opening adds no second fixed row
        EXPECT_TRUE(store->ListNames().empty());
        for (const auto& name : names)
            store->AddPlayer(name);
        EXPECT_EQ(store->ListNames(), names); // in the order added; "all" is a player

        store->WriteRecord("x' OR '1'='1", Sample(), ~0u);
        store->CountGame("bob", Outcome::Won);
        store->CountGame("O'Brien", Outcome::Tied);
        for (const char* gone : { "Robert'); DROP TABLE Players;--", "Ann", "Nobody", "All",
                 "Computer" }) // the fixed rows are never a player to delete
            store->DeletePlayer(gone);

        EXPECT_EQ(store->Load("x' OR '1'='1").HighestRunsPlr.Who, "T. Quill");
        EXPECT_EQ(store->Load("bob").Won, 1);
        EXPECT_EQ(store->Load("Bob"), PlayerRecord::Empty());
        EXPECT_EQ(store->Load("O'Brien").Ties, 1);
        for (const char* untouched : { "Łukasz", "木村", "all", "Ann ", "All", "Computer" })
            EXPECT_EQ(store->Load(untouched), PlayerRecord::Empty()) << untouched;
        EXPECT_FALSE(store->Find("BOB"));
        EXPECT_EQ(RowsNamed("All") + RowsNamed("Computer"), 2);

        // What is left, letters and all, survives the file being closed and opened again.
        store.reset();
        auto reopened = Open();
        EXPECT_EQ(reopened->ListNames(),
            (Names { "O'Brien", "x' OR '1'='1", "Łukasz", "木村", "bob", "Bob", "all", "Ann " }));
        EXPECT_EQ(reopened->Load("x' OR '1'='1").FastestCentury.Who, "M. Vance");
        const RuntimeError e = ErrorOf([&] { reopened->Load("Ann"); });
        EXPECT_EQ(e.Number(), errors::DatabaseNoRow);
        EXPECT_EQ(e.Description(), "No current record.");
    }

    // A game counts one more played and its outcome; a record is written by groups and never
    // touches the counts. Both stop at the 16-bit limits rather than wrap.
    TEST_F(RecordsStoreTest, CountsAndRecordsChangeOnlyWhatTheyAreFor)
    {
        auto store = Open();
        store->AddPlayer("Win");
        store->AddPlayer("Tie");
        store->CountGame("Win", Outcome::Won);
        store->CountGame("Tie", Outcome::Lost);
        store->CountGame("Tie", Outcome::Tied);
        store->CountGame("Ghost", Outcome::Won); // no row: nothing changes, nothing is added
        EXPECT_EQ(Counts(*store, "Win"), (std::vector<int> { 1, 1, 0 }));
        EXPECT_EQ(Counts(*store, "Tie"), (std::vector<int> { 2, 0, 1 }));
        EXPECT_FALSE(store->Find("Ghost"));

        const PlayerRecord full = Sample();
        store->WriteRecord("Win", full, RecordsStore::BestBowling);
        PlayerRecord expected = PlayerRecord::Empty();
        expected.Played = expected.Won = 1;
        expected.MostWicketsPlr = full.MostWicketsPlr;
        EXPECT_EQ(store->Load("Win"), expected);
        store->WriteRecord("Win", full, ~0u);
        expected = full;
        expected.Played = expected.Won = 1;
        expected.Ties = 0;
        EXPECT_EQ(store->Load("Win"), expected);

        PlayerRecord huge = full;
        huge.HighestRuns.Value = 40000;
        huge.HighestRunsPlr.Value = -40000;
        store->WriteRecord("Win", huge, RecordsStore::HighestTotal | RecordsStore::BestInnings);
        EXPECT_EQ(store->Load("Win").HighestRuns.Value, 32767);
        EXPECT_EQ(store->Load("Win").HighestRunsPlr.Value, -32768);
        Sql("UPDATE Players SET Played = 32767, Won = 32766 WHERE Name = 'Win'");
        store->CountGame("Win", Outcome::Won);
        store->CountGame("Win", Outcome::Won);
        EXPECT_EQ(Counts(*store, "Win"), (std::vector<int> { 32767, 32767, 0 }));
    }

    // Catches a damaged records file overwritten, or its damage found mid-match.
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
            "INSERT INTO Players (Name) SELECT 'Player number ' || i || ' of a long list' FROM n;"
            "DELETE FROM Players WHERE Name LIKE 'Player number %'");
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

    // Catches a failed write reported as success, or a row left half-written.
    TEST_F(RecordsStoreTest, FailedWriteReportsTheErrorAndChangesNoRow)
    {
        auto store = Open();
        for (const char* name : { "Dup", "Kim", "Dup" })
            store->AddPlayer(name);
        store->WriteRecord("Kim", Sample(), ~0u);
        const PlayerRecord kim = store->Load("Kim");
        store.reset();
        // The file refuses any change to the rows of "Dup", as one made by another tool may.
        Rebuild([](std::string create) {
            return create.insert(
                create.rfind(')'), ", CHECK (Name <> 'Dup' OR Played + HighestRuns = 0)");
        });
        const std::string before = Bytes();
        store = Open();

        RuntimeError e = ErrorOf([&] { store->WriteRecord("Dup", Sample(), ~0u); });
        EXPECT_EQ(e.Number(), errors::Database);
        EXPECT_TRUE(e.Description().starts_with("CHECK constraint failed")) << e.Description();
        e = ErrorOf([&] { store->CountGame("Dup", Outcome::Won); });
        EXPECT_EQ(e.Number(), errors::Database);
        EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(store->Load("Kim"), kim);

        // Nothing is left half-done: the next write goes through.
        store->CountGame("Kim", Outcome::Lost);
        EXPECT_EQ(store->Load("Kim").Played, kim.Played + 1);
    }

    // A file made by another tool may carry triggers, one of which zeroed every other player's
    // games: none of them runs on the game's own writes. An index whose entries no longer match
    // its table passes SQLite's quick check; only the full check finds it, before a write
    // through the index goes wrong.
    TEST_F(RecordsStoreTest, PlantedTriggersNeverRunAndADamagedIndexIsRefused)
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
        EXPECT_EQ(store->ListNames(), (Names { "Ann", "Bea" }));
        store.reset();

        Sql("CREATE INDEX ByName ON Players(Name);"
            "PRAGMA writable_schema = ON;"
            "UPDATE sqlite_master SET sql = 'CREATE INDEX ByName ON Players(Played)' "
            "WHERE name = 'ByName'");
        const std::string before = Bytes();
        EXPECT_EQ(ErrorOf([&] { Open(); }).Number(), errors::DatabaseCorrupt);
        EXPECT_EQ(Bytes(), before);
    }

    // Catches writes to a read-only records file reported as done.
    TEST_F(RecordsStoreTest, ReadOnlyFileOpensForReadingAndRefusesWrites)
    {
        Open()->AddPlayer("Lee");
        // A file format newer than this program writes may only be read; that is how SQLite
        // treats a write-version byte above 2, whatever the file's permissions.
        const auto writeVersion = [this](char version) {
            std::string bytes = Bytes();
            bytes[18] = version;
            WriteBytes(bytes);
            return bytes;
        };
        const std::string bytes = writeVersion(3);
        auto store = Open();
        EXPECT_EQ(store->ListNames(), Names { "Lee" });
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
        writeVersion(1);
        Sql("DELETE FROM Players WHERE Name = 'Computer'");
        writeVersion(3);
        EXPECT_EQ(ErrorOf([&] { Open(); }).Description(), "attempt to write a readonly database");
    }

} // namespace
} // namespace stumpcraft
