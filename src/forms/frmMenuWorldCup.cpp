// The main menu's way into the World Cup: one already under way is offered first; a new one
// takes the players, their countries (one each) and the overs, asks before it replaces an
// unfinished one, and opens on the draw.
#include "forms/WorldCupPlay.h"
#include "forms/frmMenu.h"
#include "forms/frmWorldCup.h"
#include "modules/MatchText.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <ctime>

namespace stumpcraft {

namespace {
    // "World Cup 2026, 50 overs a side: Ann (Kenya), 7 of 33 matches played".
    std::string UnderWay(const WorldCupRun& run)
    {
        std::string people;
        for (const worldcup::Entrant& e : run.cup.humans)
            people += (people.empty() ? "" : ", ") + e.player + " (" + e.country + ")";
        return WorldCupTitle(run.cup) + ", " + people + ": " + std::to_string(run.cup.played.size())
            + " of " + std::to_string(worldcup::kMatches) + " matches played";
    }

    int ThisYear()
    {
        const std::time_t now = std::time(nullptr);
        std::tm local {};
        localtime_r(&now, &local);
        return local.tm_year + 1900;
    }
} // namespace

// One World Cup at a time: one left unfinished is offered for carrying on before a new one.
bool FrmMenu::OfferUnfinishedWorldCup()
{
    std::optional<WorldCupRun> unfinished;
    try {
        unfinished = UnfinishedWorldCup();
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
    }
    if (!unfinished)
        return false;
    const MsgResult answer = MsgBox("A World Cup is under way:\n" + UnderWay(*unfinished)
            + ".\n\nDo you want to carry on with it?",
        MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgResult::Yes)
        return false;
    ThisWorldCup = std::move(unfinished);
    optoditest[3].Value = false;
    Hide();
    frmWorldCup().Show();
    frmWorldCup().ShowCup();
    return true;
}

// A World Cup for one player asks for his country alone; two players choose one each.
void FrmMenu::ShowCountryChoice()
{
    const bool single = worldCup_ && OnePlayer;
    cmbCountry[1].Visible = !single;
    lblVS.Visible = !single;
    lblPlName[1].Visible = !single;
    Frame1[3].Caption = worldCup_ ? (single ? "Choose your Country" : "Choose your Countries")
                                  : "Choose Countries";
    Frame1[3].Visible = true;
}

bool FrmMenu::WorldCupCountriesChosen()
{
    if (OnePlayer || cmbCountry[0].Text() != cmbCountry[1].Text())
        return true;
    SayOrShow("In a World Cup each player leads a country of his own. Please choose two "
              "different countries.");
    return false;
}

bool FrmMenu::BeginNewWorldCup()
{
    try {
        if (const auto unfinished = UnfinishedWorldCup()) {
            const MsgResult answer = MsgBox("A new World Cup ends the one under way:\n"
                    + UnderWay(*unfinished) + ".\n\nStart a new World Cup all the same?",
                MsgButtons::YesNo, MsgIcon::Question);
            if (answer != MsgResult::Yes)
                return false;
        }
        std::vector<worldcup::Entrant> humans { { Teams[0].PlayerName, Teams[0].Country } };
        if (!OnePlayer)
            humans.push_back({ Teams[1].PlayerName, Teams[1].Country });
        ThisWorldCup = BeginWorldCup(std::move(humans), Overs, ThisYear());
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
        return false;
    }
    Hide();
    frmWorldCup().Show();
    frmWorldCup().ShowCup();
    Say("pleased",
        { "Here is the draw of the World Cup. Play your matches, or let me play the "
          "others to your next one." });
    return true;
}

} // namespace stumpcraft
