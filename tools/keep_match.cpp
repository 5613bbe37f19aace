// A helper of tools/kill-test: begins a kept match of the computer against itself in a copy of
// the program's folder, so the live game offers it back, and tells what a folder's kept match
// has come to after the game was killed.
//
//   keep_match begin FOLDER   a new 10-over match, Australia against Bangladesh, kept
//   keep_match check FOLDER   "whole <presses> <deliveries>", "none" or "refused <why>", then
//                             "decided <matches kept as decided> counted <games counted>
//                             played <games in the computer's row, one for each side>"
#include "forms/MatchReplay.h"
#include "forms/frmMain.h"
#include "modules/KeepMatch.h"
#include "modules/QuickMatch.h"
#include "modules/RecordsStore.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "platform/Form.h"
#include "platform/Sqlite.h"

#include <filesystem>
#include <iostream>
#include <sqlite3.h>
#include <string>

using namespace stumpcraft;

namespace {
int Begin()
{
    SetUpQuickMatch({ "Australia", "Bangladesh", kComputer, kComputer, 10, 0 });
    KeepMatchesInPlay = true;
    frmMain(); // its load keeps the opening
    forms::ResetAll();
    keeper::CloseArchive();
    return 0;
}

long long Counted()
{
    if (!std::filesystem::exists(RecordsStore::DefaultPath()))
        return 0;
    sqlite::Database db(RecordsStore::DefaultPath(), SQLITE_OPEN_READONLY);
    sqlite::Statement table(db, "SELECT 1 FROM sqlite_master WHERE name = 'CountedMatches'");
    if (!table.Step())
        return 0;
    sqlite::Statement count(db, "SELECT COUNT(*) FROM CountedMatches");
    return count.Step() ? count.ColumnInt(0) : 0;
}

int Check()
{
    std::size_t decided = 0;
    try {
        auto archive = MatchArchive::OpenExisting(MatchArchive::DefaultPath());
        if (!archive) {
            std::cout << "none\n";
        } else {
            decided = archive->Decided().size();
            if (auto kept = archive->Unfinished()) {
                ReplayKeptMatch(*kept);
                std::cout << "whole " << kept->presses.size() << " "
                          << History.innings[0].Balls() + History.innings[1].Balls() << "\n";
                forms::ResetAll();
            } else {
                std::cout << "none\n";
            }
        }
    } catch (const KeptMatchDamaged& damaged) {
        std::cout << "refused " << damaged.what() << "\n";
    }
    std::cout << "decided " << decided << " counted " << Counted() << " played "
              << (std::filesystem::exists(RecordsStore::DefaultPath())
                         ? RecordsStore(RecordsStore::DefaultPath()).Load(kComputer).Played
                         : 0)
              << "\n";
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: keep_match begin|check FOLDER\n";
        return 2;
    }
    SetAppPath(argv[2]);
    const std::string what = argv[1];
    try {
        return what == "begin" ? Begin() : Check();
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
