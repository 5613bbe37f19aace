#pragma once

#include "modules/modVars.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace stumpcraft {

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

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The open store of the running game; opened by the main menu and kept for the match.
inline std::unique_ptr<RecordsStore> cnRecords;

} // namespace stumpcraft
