// The team editor's work: filling the rows from the team file or with a new squad, noticing
// the player's changes, checking the names, and saving the squad on the way back to the sheet.
#include "forms/frmTeamEd.h"

#include "forms/Look.h"
#include "forms/frmStart.h"
#include "modules/MatchText.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <algorithm>

namespace stumpcraft {

FrmTeamEd& frmTeamEd() { return forms::Instance<FrmTeamEd>(); }

void FrmTeamEd::Form_Load() { StartTeamEd(); }

void FrmTeamEd::StartTeamEd()
{
    const std::string country = TeamFileName;
    TeamPath = TeamFilePath(country);
    Caption = "Team Editor for " + country;
    SyncPeer();
    Frame1[0].Caption = "Editing Team " + country;
    lblDesc[4].Caption = "You can edit Team " + country
        + " by simply changing the values from here. Note: 1 is the lowest rating, 5 is the best";

    filling_ = true;
    bool read = false;
    bool damaged = false;
    if (TeamExists(country)) {
        try {
            ReadSquad();
            read = true;
        } catch (const RuntimeError& error) {
            damaged = true;
            // A damaged file is made afresh here; saving puts a whole squad in its place.
            ShowErrorBox(RuntimeError(
                error.Number(), error.Description() + "\nYou can make the squad afresh here."));
        }
    }
    if (read) {
        Squad squad;
        for (int i = 0; i < kSquadSize; ++i)
            squad[static_cast<std::size_t>(i)] = TeamList[i];
        ShowSquad(squad);
        SayOrShow(Line("You can edit/change any of the players from Team ")
                      .Name(country)
                      .Words(" from here."));
    } else {
        ShowSquad(DefaultSquad());
        if (!damaged) // otherwise the error box has said what happened to the file
            SayOrShow(Line("There are no players yet for Team ")
                          .Name(country)
                          .Words("\nPlease create the team here before proceeding.\nNOTE: Rating "
                                 "of 5 for a player indicates the best rating,\n        1 "
                                 "indicates the worst rating.\nTeam Ratings are calculated "
                                 "automatically."));
    }
    filling_ = false;
    // The filling is not the player's change.
    TeamEdited = false;
}

void FrmTeamEd::ShowSquad(const Squad& squad)
{
    for (int i = 0; i < kSquadSize; ++i) {
        const TeamListEntry& entry = squad[static_cast<std::size_t>(i)];
        txtPlrName[i].Text = entry.PlrName;
        // A damaged file may hold anything; the lists show the nearest position they have.
        cmbPlrType[i].ListIndex = ClampPlayerType(entry.PlrType);
        cmbBatRate[i].ListIndex = ClampRatingIndex(entry.BatRateIndex);
        cmbBallRate[i].ListIndex = ClampRatingIndex(entry.BallRateIndex);
    }
    MarkNames();
}

SquadNamesTyped FrmTeamEd::TypedNames() const
{
    SquadNamesTyped names;
    for (int i = 0; i < kSquadSize; ++i)
        names[static_cast<std::size_t>(i)] = txtPlrName[i].Text;
    return names;
}

Squad FrmTeamEd::RowsAsSquad() const
{
    Squad squad;
    for (int i = 0; i < kSquadSize; ++i) {
        TeamListEntry& entry = squad[static_cast<std::size_t>(i)];
        entry.PlrName = FitPlrName(txtPlrName[i].Text);
        entry.PlrType = std::max<int>(0, cmbPlrType[i].ListIndex);
        entry.BatRateIndex = std::max<int>(0, cmbBatRate[i].ListIndex);
        entry.BallRateIndex = std::max<int>(0, cmbBallRate[i].ListIndex);
    }
    return squad;
}

void FrmTeamEd::MarkNames()
{
    const SquadNamesTyped names = TypedNames();
    const auto checks = CheckNames(names);
    for (int i = 0; i < kSquadSize; ++i) {
        const NameCheck& check = checks[static_cast<std::size_t>(i)];
        TextBox& box = txtPlrName[i];
        box.BackColor = check.ChangedOnSaving() ? look::kNameChanged
            : check.Suspicious()                ? look::kNameSuspicious
                                                : Color {};
        box.ToolTipText = NameCheckText(check, names[static_cast<std::size_t>(i)]);
    }
    const std::string summary = NameChecksSummary(checks);
    lblCheck.Caption = summary;
    lblCheck.Visible = !summary.empty();
}

void FrmTeamEd::Edited()
{
    if (!filling_)
        TeamEdited = true;
}

void FrmTeamEd::txtPlrName_Change(int Index)
{
    (void)Index;
    Edited();
    if (!filling_)
        MarkNames();
}

void FrmTeamEd::cmbPlrType_Click(int Index)
{
    (void)Index;
    Edited();
}

void FrmTeamEd::cmbBatRate_Click(int Index)
{
    (void)Index;
    Edited();
}

void FrmTeamEd::cmbBallRate_Click(int Index)
{
    (void)Index;
    Edited();
}

bool FrmTeamEd::LostLettersAccepted()
{
    const SquadNamesTyped names = TypedNames();
    const auto checks = CheckNames(names);
    std::string rows;
    int first = -1;
    for (int i = 0; i < kSquadSize; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (checks[at].lacking.empty())
            continue;
        if (first < 0)
            first = i;
        rows += "Row " + std::to_string(i + 1) + ": " + Trim(names[at]) + "  becomes  "
            + Trim(FitPlrName(names[at])) + "\n";
    }
    if (first < 0)
        return true;
    const MsgResult answer = MsgBox("The squad file keeps only Western European letters, so these "
                                    "names would be saved with \"?\" for the letters it lacks:\n\n"
            + rows + "\nSave them like that?",
        MsgButtons::YesNo, MsgIcon::Question);
    if (answer == MsgResult::Yes)
        return true;
    txtPlrName[first].SetFocus();
    return false;
}

bool FrmTeamEd::SaveSquad()
{
    const auto before = TeamList;
    const Squad squad = RowsAsSquad();
    for (int i = 0; i < kSquadSize; ++i)
        TeamList[i] = squad[static_cast<std::size_t>(i)];
    try {
        WriteSquad();
        return true;
    } catch (const RuntimeError& error) {
        TeamList = before;
        if (AgentOn && AgentChar)
            AgentChar->StopAll(); // "Saving to file..." was not true after all
        ShowErrorBox(RuntimeError(error.Number(),
            error.Description() + "\nIt is in the folder " + CurrentLayout().player
                + ".\nNothing was saved: the file is as it was, and your changes are still on "
                  "the screen."));
        return false;
    }
}

void FrmTeamEd::cmdNext_Click()
{
    if (TeamEdited) {
        if (!LostLettersAccepted())
            return;
        if (AgentOn && AgentChar) {
            AgentChar->Play("Process");
            AgentChar->Speak("Saving to file...");
        } else {
            MsgBox("Saving to file...");
        }
        if (!SaveSquad())
            return;
        SayOrShow(Line("Team ").Name(TeamFileName).Words(" created successfully!"));
    }
    ReturnToSheet();
}

void FrmTeamEd::ReturnToSheet()
{
    Unload();
    // The sheet fills again for the side it was showing.
    FrmStart::ReturningFromEditor = true;
    frmStart().Show();
}

} // namespace stumpcraft
