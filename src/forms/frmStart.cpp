// The team sheet's work: filling the lists from the side's team file, choosing the specials,
// moving and swapping players, checking the sheet and storing the side.
#include "forms/frmStart.h"

#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "forms/frmOneInnings.h"
#include "forms/frmTeamEd.h"
#include "modules/Manual.h"
#include "modules/MatchText.h"
#include "modules/TeamFile.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

namespace stumpcraft {

int FrmStart::FillCount = 0;
std::string FrmStart::TeamPath;
bool FrmStart::MissingWarned = false;
bool FrmStart::ReturningFromEditor = false;
std::optional<FrmStart::Choices> FrmStart::KeptChoices;

namespace {
    constexpr const char* kMarks[4] = { "c", "k", "1", "2" };

} // namespace

FrmStart& frmStart() { return forms::Instance<FrmStart>(); }

void FrmStart::Tell(const Line& line, bool stopFirst, MsgIcon icon, const std::string& title)
{
    if (AgentOn && AgentChar) {
        if (stopFirst)
            AgentChar->StopAll();
        AgentChar->Speak(line.Spoken());
    } else {
        MsgBox(line.Shown(), MsgButtons::OK, icon, title);
    }
}

void FrmStart::Form_Load() { StartFormFill(); }

int FrmStart::SheetSide() const { return FillCount % 2 == 1 ? CurrBatSide : 1 - CurrBatSide; }

void FrmStart::StartFormFill()
{
    if (ReturningFromEditor) {
        ReturningFromEditor = false;
        TeamFileName = Teams[SheetSide()].Country;
    } else {
        TeamFileName
            = FillCount % 2 == 0 ? Teams[CurrBatSide].Country : Teams[1 - CurrBatSide].Country;
        ++FillCount;
    }
    const std::string country = TeamFileName;
    TeamPath = TeamFilePath(country);
    // The title says whose sheet this is; it does not gather every side shown before.
    Caption = "Before you begin... Finalize Team " + country;
    SyncPeer();
    Frame1[0].Caption = "Finalizing Team " + country;
    for (int i = 0; i < cmbCountry.ListCount(); ++i) {
        if (cmbCountry.List(i) == country) {
            cmbCountry.ListIndex = i;
            break;
        }
    }
    special_.fill(-1);
    squadShown_ = false;
    // Choices kept for the editor belong to this fill only.
    std::optional<Choices> kept = std::move(KeptChoices);
    KeptChoices.reset();

    if (TeamExists(country)) {
        try {
            ReadSquad();
        } catch (const RuntimeError& error) {
            // A damaged file is as good as none: the sheet waits for the team editor.
            ShowSpecials();
            MsgBox(std::to_string(error.Number()) + ": " + error.Description()
                + "\nPlease click on the Edit Team button to create the team");
            return;
        }
        for (int i = 0; i < kSquadSize; ++i) {
            squad_[static_cast<std::size_t>(i)] = TeamList[i];
            rows_[static_cast<std::size_t>(i)] = i;
        }
        squadShown_ = true;
        ShowSquad();
        Tell(Line("You can set any of the options for Team ")
                 .Name(country)
                 .Words(" from here.\nFor example, you can set the Captain, Keeper, First Bowler, "
                        "Second Bowler.\nOr, you can change the batting order, or even swap "
                        "players from the reserve bench"),
            true, MsgIcon::Information, "Before you Start...");
        if (kept && kept->country == country)
            RestoreChoices(*kept);
    } else {
        ShowSpecials();
        Tell(Line("There are no players yet for Team ")
                 .Name(country)
                 .Words("\nYou will have to create the team before proceeding.\nPlease click on "
                        "the Edit Team button to create the team"),
            true);
    }
}

// The lists show the squad row by row: names as the file keeps them, the two ratings, and
// beside the Eleven the marks of the specials.
void FrmStart::ShowSquad()
{
    for (ListBox* list : { &lst11, &lstBatRate11, &lstBallRate11, &lstReserves, &lstBatRateReserves,
             &lstBallRateReserves, &lstMarks })
        list->Clear();
    for (int row = 0; row < kSquadSize; ++row) {
        const bool eleven = row < kElevenRows;
        (eleven ? lst11 : lstReserves).AddItem("");
        (eleven ? lstBatRate11 : lstBatRateReserves).AddItem("");
        (eleven ? lstBallRate11 : lstBallRateReserves).AddItem("");
        if (eleven)
            lstMarks.AddItem("");
        ShowRow(row);
    }
    ShowSpecials();
}

void FrmStart::ShowRow(int row)
{
    const TeamListEntry& entry
        = squad_[static_cast<std::size_t>(rows_[static_cast<std::size_t>(row)])];
    const bool eleven = row < kElevenRows;
    const int at = eleven ? row : row - kElevenRows;
    (eleven ? lst11 : lstReserves).SetList(at, entry.PlrName);
    (eleven ? lstBatRate11 : lstBatRateReserves)
        .SetList(at, std::to_string(RatingFromIndex(entry.BatRateIndex)));
    (eleven ? lstBallRate11 : lstBallRateReserves)
        .SetList(at, std::to_string(RatingFromIndex(entry.BallRateIndex)));
}

int FrmStart::SpecialRow(int k) const
{
    const int player = special_[static_cast<std::size_t>(k)];
    if (player < 0)
        return -1;
    for (int row = 0; row < kElevenRows && row < lst11.ListCount(); ++row)
        if (rows_[static_cast<std::size_t>(row)] == player)
            return row;
    return -1;
}

void FrmStart::ShowSpecials()
{
    std::array<std::string, kElevenRows> marks;
    MatchTeam& team = Teams[SheetSide()];
    int* const stored[4] = { &team.Captain, &team.Keeper, &team.Bowler1, &team.Bowler2 };
    for (int k = 0; k < 4; ++k) {
        const int row = SpecialRow(k);
        if (row < 0) // his player went to the reserves, or he was never given
            special_[static_cast<std::size_t>(k)] = -1;
        txtSpecial[k].Text = row < 0 ? std::string() : lst11.List(row);
        if (row < 0)
            continue; // the stored row waits for a new choice; Continue asks for one
        *stored[k] = row;
        std::string& mark = marks[static_cast<std::size_t>(row)];
        mark += mark.empty() ? kMarks[k] : std::string(" ") + kMarks[k];
    }
    const int selected = lstMarks.ListIndex;
    for (int row = 0; row < lstMarks.ListCount() && row < kElevenRows; ++row)
        if (lstMarks.List(row) != marks[static_cast<std::size_t>(row)])
            lstMarks.SetList(row, marks[static_cast<std::size_t>(row)]);
    lstMarks.ListIndex = selected;
}

void FrmStart::cmdSpecials_Click(int Index)
{
    const int row = lst11.ListIndex;
    if (row < 0) {
        const std::string caption = PlainCaption(cmdSpecials[Index].Caption());
        const std::string first
            = "First, click on the player's name whom you want to make " + caption;
        const std::string then = "And then, click on the " + caption + " button.";
        if (AgentOn && AgentChar) {
            AgentChar->Speak(first);
            AgentChar->Speak(then);
        } else {
            MsgBox(first + "\n" + then);
        }
        return;
    }
    special_[static_cast<std::size_t>(Index)] = rows_[static_cast<std::size_t>(row)];
    ShowSpecials();
}

void FrmStart::ExchangeElevenRows(int a, int b)
{
    std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
    ShowRow(a);
    ShowRow(b);
    ShowSpecials();
}

void FrmStart::cmdUp_Click()
{
    const int row = lst11.ListIndex;
    if (row < 1)
        return;
    ExchangeElevenRows(row, row - 1);
    lst11.ListIndex = row - 1;
}

void FrmStart::cmdDown_Click()
{
    const int row = lst11.ListIndex;
    if (row < 0 || row >= lst11.ListCount() - 1)
        return;
    ExchangeElevenRows(row, row + 1);
    lst11.ListIndex = row + 1;
}

void FrmStart::cmdSwap_Click()
{
    const int r = lst11.ListIndex;
    const int q = lstReserves.ListIndex;
    if (r < 0 || q < 0)
        return;
    std::swap(rows_[static_cast<std::size_t>(r)], rows_[static_cast<std::size_t>(kElevenRows + q)]);
    ShowRow(r);
    ShowRow(kElevenRows + q);
    ShowSpecials(); // a special whose player went to the reserves is cleared
}

void FrmStart::lst11_KeyPress(int& KeyAscii)
{
    switch (KeyAscii) {
    case 'c':
    case 'k':
    case '1':
    case '2':
        cmdSpecials_Click(KeyAscii == 'c' ? 0 : KeyAscii == 'k' ? 1 : KeyAscii == '1' ? 2 : 3);
        break;
    case 'u':
        cmdUp_Click();
        break;
    case 'd':
        cmdDown_Click();
        break;
    case 's':
        cmdSwap_Click();
        break;
    default:
        return;
    }
    KeyAscii = 0;
}

// The rating and mark columns follow the row picked in the names, and the other way round.
void FrmStart::lst11_Click()
{
    lstBatRate11.ListIndex = lst11.ListIndex;
    lstBallRate11.ListIndex = lst11.ListIndex;
    lstMarks.ListIndex = lst11.ListIndex;
}

void FrmStart::lstReserves_Click()
{
    lstBatRateReserves.ListIndex = lstReserves.ListIndex;
    lstBallRateReserves.ListIndex = lstReserves.ListIndex;
}

void FrmStart::cmdEdit_Click()
{
    // The editor brings the sheet back when it is done, with the choices made so far.
    if (squadShown_)
        KeptChoices = ChoicesMade();
    TeamFileName = cmbCountry.Text;
    Unload();
    frmTeamEd().Show();
}

// A special not chosen is named in the message for the first one missing; the checks that
// compare two specials compare their players, and only when both are chosen.
bool FrmStart::SpecialsAreSound()
{
    bool ok = true;
    MissingWarned = false;
    static const char* const missing[4]
        = { "You have not chosen a Captain. Please choose one before proceeding!",
              "You have not chosen a Keeper. Please choose one before proceeding!",
              "You have not chosen the opening bowlers. Please choose them before proceeding!",
              "You have not chosen the opening bowlers. Please choose them before proceeding!" };
    for (int k = 0; k < 4; ++k) {
        if (special_[static_cast<std::size_t>(k)] >= 0)
            continue;
        ok = false;
        if (!MissingWarned) {
            Tell(missing[k], false);
            MissingWarned = true;
        }
    }
    const auto same = [this](int a, int b) {
        const int x = special_[static_cast<std::size_t>(a)];
        return x >= 0 && x == special_[static_cast<std::size_t>(b)];
    };
    if (same(2, 3)) {
        ok = false;
        Tell("Hey! You have chosen the same opening bowler from both the ends! Please change it "
             "before proceeding!",
            true);
    }
    if (same(1, 2) || same(1, 3)) {
        ok = false;
        Tell("Hey! You can not choose the keeper as a bowler!", true);
    }
    return ok;
}

// A player with no name would bat as a blank line on the card and the scorecard.
bool FrmStart::ElevenAllNamed()
{
    for (int row = 0; row < lst11.ListCount(); ++row) {
        if (!Trim(lst11.List(row)).empty())
            continue;
        Tell(Line("Row ")
                 .Words(std::to_string(row + 1))
                 .Words(" of Today's Eleven has no name. Please swap him with a named reserve, or "
                        "give him a name in the team editor, before proceeding!"),
            true);
        return false;
    }
    return true;
}

// Rows 0 to 10 of the Eleven are slots 0 to 10, in batting order; the reserves follow. The
// squad has four reserves, so slot 15 gets no name and keeps its ratings.
void FrmStart::StoreSide(int side)
{
    MatchTeam& team = Teams[side];
    for (int slot = 0; slot < kSquadSize; ++slot) {
        const TeamListEntry& entry
            = squad_[static_cast<std::size_t>(rows_[static_cast<std::size_t>(slot)])];
        MatchPlayer& player = team.Plr[slot];
        player.Name = entry.PlrName;
        player.BatRate = RatingFromIndex(entry.BatRateIndex);
        player.BallRate = RatingFromIndex(entry.BallRateIndex);
    }
    team.Plr[kSquadSize].Name = "";
}

void FrmStart::cmdNext_Click()
{
    if (!squadShown_) {
        // Another side's players may still stand in the lists: they are not this side's.
        Tell(Line("There are no players yet for Team ")
                 .Name(TeamFileName)
                 .Words("\nPlease click on the Edit Team button to create the team"),
            true);
        return;
    }
    if (!SpecialsAreSound() || !ElevenAllNamed())
        return;
    if (FillCount % 2 == 1) {
        StoreSide(CurrBatSide);
        StartFormFill();
        return;
    }
    StoreSide(1 - CurrBatSide);
    Unload();
    if (OneInningsGame)
        frmOneInnings().Show();
    else
        frmMain().Show();
}

} // namespace stumpcraft
