#pragma once

#include "modules/WorldCup.h"
#include "modules/modVars.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace stumpcraft {

namespace sqlite {
    class Database;
}

// The players' records: one row per human player name, one for "Computer" and one of
// all-time bests, "All", in the table Players of the database file "stmp.bin" in the
// program's folder. Names are only ever bound as values, so any text is just a name. Every
// write is one transaction: a failure leaves every row as it was and throws RuntimeError
// (number and description for the standard error box).
class RecordsStore {
public:
    // Opens the store, creating the file with its table and the rows "All" and "Computer"
    // when it is missing, and adding either row when an existing file lacks it.
    explicit RecordsStore(const std::string& path);
    ~RecordsStore();
    RecordsStore(const RecordsStore&) = delete;
    RecordsStore& operator=(const RecordsStore&) = delete;

    // "stmp.bin" in the player's folder (beside the program when it runs from its own).
    static std::string DefaultPath();

    // Names of the human players, in the order the rows were added ("All" and "Computer"
    // are never listed).
    std::vector<std::string> ListNames() const;

    // The first row of that exact name, nulls read as the empty record's values.
    std::optional<PlayerRecord> Find(const std::string& name) const;
    // As Find, but a missing row is an error (number 3021, "No current record.").
    PlayerRecord Load(const std::string& name) const;

    // Appends a row holding the empty record.
    void AddPlayer(const std::string& name);
    // Removes every row of that name.
    void DeletePlayer(const std::string& name);
    // Gives every row of that name the empty record.
    void ResetPlayer(const std::string& name);

    enum class Outcome { Won, Lost, Tied };
    // One more game played, and a win or a tie as the outcome says. A name without a row
    // changes nothing. Counts stop at the 16-bit limit instead of wrapping.
    void CountGame(const std::string& name, Outcome outcome);
    // A decided match counted for everyone who played it, in one transaction. A kept match
    // gives its name (`key`) and is counted once: when that name was counted already,
    // nothing changes and the answer is false.
    bool CountMatch(
        const std::string& key, const std::vector<std::pair<std::string, Outcome>>& counts);

    // Groups of columns written back together.
    enum Columns : unsigned {
        HighestTotal = 1, // HighestRuns, HighestRunsBy
        BestInnings = 2, // HighestRunsPlr, HighestRunsPlrName, HighestRunsPlrTeam
        BestBowling = 4, // MostWicketsPlr, MostWicketsPlrName, MostWicketsPlrTeam
        FastestFifty = 8, // FastestHalfCentury, ...By, ...Team
        FastestHundred = 16, // FastestCentury, ...By, ...Team
    };
    // Writes the chosen groups of record into every row of that name, in one transaction.
    void WriteRecord(const std::string& name, const PlayerRecord& record, unsigned columns);

    // The World Cup keeps its own tables in the same file (WorldCup, WorldCupDraw,
    // WorldCupMatches, WorldCupWinners); Players is never touched by them except to count the
    // games people played, in the same transaction as the result.
    struct StoredCup {
        long long id = 0;
        worldcup::Cup cup;
        bool finished = false;
    };
    // A win of the World Cup by a person: his country, the year of the run and the overs.
    struct WorldCupWin {
        std::string name;
        std::string country;
        int year = 0;
        int overs = 0;

        friend bool operator==(const WorldCupWin&, const WorldCupWin&) = default;
    };
    // The newest World Cup, finished or not, with every result so far; none when no World Cup
    // was ever begun.
    std::optional<StoredCup> LatestWorldCup() const;
    // Begins a World Cup (its draw, who plays, the overs) in one transaction, in place of one
    // that was not finished. Returns its id.
    long long StartWorldCup(const worldcup::Cup& cup);
    // Books one finished match of World Cup `id` in one transaction: the result with its card,
    // a game counted for each person who played it (`counts`), and after the final its
    // winners' rows. A match that is not the next of that cup is refused (false) and nothing
    // is written, so a result is never counted twice.
    bool RecordWorldCupMatch(long long id, const worldcup::PlayedMatch& match,
        const std::vector<std::pair<std::string, Outcome>>& counts,
        const std::vector<WorldCupWin>& winners);
    // The World Cups that person won, oldest first.
    std::vector<WorldCupWin> WorldCupWins(const std::string& name) const;

private:
    // The game counted without a transaction of its own: the caller holds one.
    void CountGameWithin(const std::string& name, Outcome outcome);
    void EnsureWorldCupTables();
    sqlite::Database& Db() const;
    bool HasWorldCupTables() const;

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The open store of the running game; opened by the main menu and kept for the match.
inline std::unique_ptr<RecordsStore> cnRecords;

} // namespace stumpcraft
