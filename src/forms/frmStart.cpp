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

namespace {
    constexpr const char* kMarks[4] = { "c", "k", "1", "2" };

    // The commentator says it when he is on the screen, after stopping whatever he is saying
    // when asked to; otherwise a box shows it.
    void Tell(const Line& line, bool stopFirst, MsgIcon icon = MsgIcon::None,
        const std::string& title = kAppTitle)
    {
        if (AgentOn && AgentChar) {
            if (stopFirst)
                AgentChar->StopAll();
            AgentChar->Speak(line.Spoken());
        } else {
            MsgBox(line.Shown(), MsgButtons::OK, icon, title);
        }
    }

    // A rating as the list shows it, read back; a row that is not there leaves the field.
    void ReadRating(const ListBox& list, int row, int& rating)
    {
        if (row < list.ListCount() && !Trim(list.List(row)).empty())
            rating = CaptionNumber(Trim(list.List(row)));
    }
} // namespace

FrmStart& frmStart() { return forms::Instance<FrmStart>(); }

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
    specialRow_.fill(-1);
    squadShown_ = false;

    if (TeamExists(country)) {
        try {
            ReadSquad();
        } catch (const RuntimeError& error) {
            // A damaged file is as good as none: the sheet waits for the team editor.
            MsgBox(std::to_string(error.Number()) + ": " + error.Description()
                + "\nPlease click on the Edit Team button to create the team");
            return;
        }
        for (ListBox* list : { &lst11, &lstBatRate11, &lstBallRate11, &lstReserves,
                 &lstBatRateReserves, &lstBallRateReserves, &lstMarks })
            list->Clear();
        for (int i = 0; i < kSquadSize; ++i) {
            const TeamListEntry& entry = TeamList[i];
            const bool eleven = i <= 10;
            (eleven ? lst11 : lstReserves).AddItem(entry.PlrName);
            (eleven ? lstBatRate11 : lstBatRateReserves)
                .AddItem(std::to_string(RatingFromIndex(entry.BatRateIndex)));
            (eleven ? lstBallRate11 : lstBallRateReserves)
                .AddItem(std::to_string(RatingFromIndex(entry.BallRateIndex)));
        }
        squadShown_ = true;
        ShowMarks();
        Tell(Line("You can set any of the options for Team ")
                 .Name(country)
                 .Words(" from here.\nFor example, you can set the Captain, Keeper, First Bowler, "
                        "Second Bowler.\nOr, you can change the batting order, or even swap "
                        "players from the reserve bench"),
            true, MsgIcon::Information, "Before you Start...");
    } else {
        Tell(Line("There are no players yet for Team ")
                 .Name(country)
                 .Words("\nYou will have to create the team before proceeding.\nPlease click on "
                        "the Edit Team button to create the team"),
            true);
    }
}

// The marks stand beside the rows the specials were given to; a special belongs to its row,
// so its mark stays there when players move.
void FrmStart::ShowMarks()
{
    const int selected = lstMarks.ListIndex;
    while (lstMarks.ListCount() < lst11.ListCount())
        lstMarks.AddItem("");
    for (int row = 0; row < lstMarks.ListCount(); ++row) {
        std::string marks;
        for (int k = 0; k < 4; ++k)
            if (specialRow_[static_cast<std::size_t>(k)] == row)
                marks += marks.empty() ? kMarks[k] : std::string(" ") + kMarks[k];
        if (lstMarks.List(row) != marks)
            lstMarks.SetList(row, marks);
    }
    lstMarks.ListIndex = selected;
}

void FrmStart::cmdSpecials_Click(int Index)
{
    const int row = lst11.ListIndex;
    if (row < 0) {
        const std::string caption = cmdSpecials[Index].Caption;
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
    txtSpecial[Index].Text = lst11.List(row);
    MatchTeam& team = Teams[SheetSide()];
    int* const fields[4] = { &team.Captain, &team.Keeper, &team.Bowler1, &team.Bowler2 };
    *fields[Index] = row;
    specialRow_[static_cast<std::size_t>(Index)] = row;
    ShowMarks();
}

void FrmStart::ExchangeElevenRows(int a, int b)
{
    for (ListBox* list : { &lst11, &lstBatRate11, &lstBallRate11 }) {
        const std::string held = list->List(a);
        list->SetList(a, list->List(b));
        list->SetList(b, held);
    }
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
    const std::pair<ListBox*, ListBox*> columns[3] = { { &lst11, &lstReserves },
        { &lstBatRate11, &lstBatRateReserves }, { &lstBallRate11, &lstBallRateReserves } };
    for (const auto& [eleven, reserves] : columns) {
        const std::string held = eleven->List(r);
        eleven->SetList(r, reserves->List(q));
        reserves->SetList(q, held);
    }
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
    TeamFileName = cmbCountry.Text;
    // The editor brings the sheet back when it is done.
    Unload();
    frmTeamEd().Show();
}

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
        if (!Trim(txtSpecial[k].Text).empty())
            continue;
        ok = false;
        if (!MissingWarned) {
            Tell(missing[k], false);
            MissingWarned = true;
        }
    }
    const std::string keeper = Trim(txtSpecial[1].Text);
    const std::string first = Trim(txtSpecial[2].Text);
    const std::string second = Trim(txtSpecial[3].Text);
    if (first == second) {
        ok = false;
        Tell("Hey! You have chosen the same opening bowler from both the ends! Please change it "
             "before proceeding!",
            true);
    }
    if (keeper == first || keeper == second) {
        ok = false;
        Tell("Hey! You can not choose the keeper as a bowler!", true);
    }
    return ok;
}

// Rows 0 to 10 of the Eleven are slots 0 to 10, in batting order; the reserves follow. The
// squad has four reserves, so slot 15 gets no name and keeps its ratings.
void FrmStart::StoreSide(int side)
{
    MatchTeam& team = Teams[side];
    for (int slot = 0; slot <= 15; ++slot) {
        const bool eleven = slot <= 10;
        const int row = eleven ? slot : slot - 11;
        const ListBox& names = eleven ? lst11 : lstReserves;
        MatchPlayer& player = team.Plr[slot];
        player.Name = row < names.ListCount() ? names.List(row) : "";
        ReadRating(eleven ? lstBatRate11 : lstBatRateReserves, row, player.BatRate);
        ReadRating(eleven ? lstBallRate11 : lstBallRateReserves, row, player.BallRate);
    }
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
    if (!SpecialsAreSound())
        return;
    if (FillCount % 2 == 1) {
        StoreSide(CurrBatSide);
        for (auto& box : txtSpecial)
            box.Text = "";
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
