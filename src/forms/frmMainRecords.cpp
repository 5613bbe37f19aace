// Writing the records of an innings back to the store: the batting records of the side that
// batted, the bowling record of the side that fielded, and any all-time best they beat.
#include "forms/frmMain.h"
#include "modules/RecordsStore.h"
#include "modules/modVars.h"
#include "platform/Errors.h"

namespace stumpcraft {

namespace {
    using Columns = RecordsStore::Columns;

    // The all-time bests with every figure of this innings' players that beats them; returns
    // the groups of columns that changed.
    unsigned MergeAllTimeBests(
        PlayerRecord& all, const PlayerRecord& batting, const PlayerRecord& bowling)
    {
        unsigned changed = 0;
        if (batting.HighestRuns > all.HighestRuns) {
            all.HighestRuns = batting.HighestRuns;
            all.HighestRunsBy = batting.HighestRunsBy;
            changed |= Columns::HighestTotal;
        }
        if (batting.HighestRunsPlr > all.HighestRunsPlr) {
            all.HighestRunsPlr = batting.HighestRunsPlr;
            all.HighestRunsPlrName = batting.HighestRunsPlrName;
            all.HighestRunsPlrTeam = batting.HighestRunsPlrTeam;
            changed |= Columns::BestInnings;
        }
        if (batting.FastestHalfCentury < all.FastestHalfCentury) {
            all.FastestHalfCentury = batting.FastestHalfCentury;
            all.FastestHalfCenturyBy = batting.FastestHalfCenturyBy;
            all.FastestHalfCenturyTeam = batting.FastestHalfCenturyTeam;
            changed |= Columns::FastestFifty;
        }
        if (batting.FastestCentury < all.FastestCentury) {
            all.FastestCentury = batting.FastestCentury;
            all.FastestCenturyBy = batting.FastestCenturyBy;
            all.FastestCenturyTeam = batting.FastestCenturyTeam;
            changed |= Columns::FastestHundred;
        }
        if (bowling.MostWicketsPlr > all.MostWicketsPlr) {
            all.MostWicketsPlr = bowling.MostWicketsPlr;
            all.MostWicketsPlrName = bowling.MostWicketsPlrName;
            all.MostWicketsPlrTeam = bowling.MostWicketsPlrTeam;
            changed |= Columns::BestBowling;
        }
        return changed;
    }
} // namespace

void FrmMain::UpdateRecord()
{
    if (!cnRecords)
        return; // nothing to write to: a match played without the menu's store
    const int b = CurrBatSide;
    const int f = 1 - b;
    try {
        cnRecords->WriteRecord(Teams[b].PlayerName, PlayerRecords[b],
            Columns::HighestTotal | Columns::BestInnings | Columns::FastestFifty
                | Columns::FastestHundred);
        cnRecords->WriteRecord(Teams[f].PlayerName, PlayerRecords[f], Columns::BestBowling);
        if (auto all = cnRecords->Find("All")) {
            const unsigned changed = MergeAllTimeBests(*all, PlayerRecords[b], PlayerRecords[f]);
            if (changed != 0)
                cnRecords->WriteRecord("All", *all, changed);
        }
    } catch (const RuntimeError& e) {
        // The match goes on; the rows keep what they held before the failed write.
        ShowErrorBox(e);
    }
}

} // namespace stumpcraft
