// Writing the records of an innings back to the store: the batting records of the side that
// batted, the bowling record of the side that fielded, and any all-time best they beat.
#include "forms/frmMain.h"
#include "modules/RecordsStore.h"
#include "modules/modRecords.h"
#include "modules/modVars.h"
#include "platform/Errors.h"

namespace stumpcraft {

namespace {
    using Columns = RecordsStore::Columns;
    constexpr unsigned kBatting = Columns::HighestTotal | Columns::BestInnings
        | Columns::FastestFifty | Columns::FastestHundred;
    constexpr unsigned kBowling = Columns::BestBowling;

    // Each row takes only the figures that beat what it holds. Both sides of a match may be
    // played under one name, and then share a row of which each side holds its own copy: the
    // copy of the side that did less must not write over the other's new record.
    void Improve(RecordsStore& store, const std::string& name,
        std::initializer_list<std::pair<const PlayerRecord*, unsigned>> offers)
    {
        auto row = store.Find(name);
        if (!row)
            return; // a name without a row: nothing to write to
        unsigned changed = 0;
        for (const auto& [record, groups] : offers)
            changed |= MergeRecords(*row, *record, groups);
        if (changed != 0)
            store.WriteRecord(name, *row, changed);
    }
} // namespace

void FrmMain::UpdateRecord()
{
    if (!cnRecords)
        return; // nothing to write to: a match played without the menu's store
    const int b = CurrBatSide;
    const int f = 1 - b;
    try {
        Improve(*cnRecords, Teams[b].PlayerName, { { &PlayerRecords[b], kBatting } });
        Improve(*cnRecords, Teams[f].PlayerName, { { &PlayerRecords[f], kBowling } });
        Improve(*cnRecords, "All",
            { { &PlayerRecords[b], kBatting }, { &PlayerRecords[f], kBowling } });
    } catch (const RuntimeError& e) {
        // The match goes on; the rows keep what they held before the failed write.
        ShowErrorBox(e);
    }
}

} // namespace stumpcraft
