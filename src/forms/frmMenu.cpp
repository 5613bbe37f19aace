// The main menu's flow: the frames open one at a time (game type, players, names, countries,
// overs), each choice fills the match state, and "&Continue" loads both players' records and
// hands over to the next screen.
#include "forms/frmMenu.h"

#include "forms/MatchWatch.h"
#include "forms/WorldCupPlay.h"
#include "forms/frmStart.h"
#include "forms/frmToss.h"
#include "modules/Manual.h"
#include "modules/MatchText.h"
#include "modules/RecordsStore.h"
#include "modules/ReturnToMenu.h"
#include "modules/modAgent.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <algorithm>
#include <ctime>

namespace stumpcraft {

namespace {
    constexpr const char* kFirstNameCaption = "Enter your name";
    constexpr const char* kAllRow = "All";
    constexpr int kAgentWidth = 160; // Merlin and a little air around him

    // The entry of the list whose text is exactly `text`, or -1.
    int IndexOf(const ListControl& list, const std::string& text)
    {
        const auto& items = list.Items();
        const auto it = std::find(items.begin(), items.end(), text);
        return it == items.end() ? -1 : static_cast<int>(it - items.begin());
    }

} // namespace

FrmMenu& frmMenu() { return forms::Instance<FrmMenu>(); }

void FrmMenu::WireEvents()
{
    for (int i = 0; i < 4; ++i)
        optoditest[i].Click = [this, i] { optoditest_Click(i); };
    for (int i = 0; i < 2; ++i) {
        opt1p2p[i].Click = [this, i] { opt1p2p_Click(i); };
        cmbCountry[i].Click = [this, i] { cmbCountry_Click(i); };
        cmbCountry[i].LostFocus = [this, i] { cmbCountry_LostFocus(i); };
    }
    txtName.Click = [this] { txtName_Click(); };
    txtName.GotFocus = [this] { txtName_GotFocus(); };
    cmdGo.Click = [this] { cmdGo_Click(); };
    cmdDel.Click = [this] { cmdDel_Click(); };
    cmbOvers.Click = [this] { cmbOvers_Click(); };
    cmbOvers.LostFocus = [this] { cmbOvers_LostFocus(); };
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdReset.Click = [this] { cmdReset_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    cmdHelp.Click = [this] { cmdHelp_Click(); };
    cmbNames.Click = [this] { cmbNames_Click(); };
    cmdResume.Click = [this] { cmdResume_Click(); };
    cmdDiscard.Click = [this] { cmdDiscard_Click(); };
    cmdMatches.Click = [this] { cmdMatches_Click(); };
    cmdWatch.Click = [this] { cmdWatch_Click(); };
    lblReset.Click = [this] { lblReset_Click(); };
    lblReset.MouseMove = [this](MouseButton, int, int) { lblReset_MouseMove(); };
    for (int i = 0; i < 6; ++i)
        Frame1[i].MouseMove = [this, i](MouseButton, int, int) { Frame1_MouseMove(i); };
}

// The window opens in the middle of the screen, so the commentator knows where to stand.
void FrmMenu::PlaceOnScreen()
{
    const Toolkit* toolkit = Platform().toolkit;
    if (!toolkit)
        return;
    const ScreenSize screen = Platform().toolkit->Screen();
    Left = std::max(0, (screen.width - Width) / 2);
    Top = std::max(0, (screen.height - Height) / 2);
    SyncPeer();
}

int FrmMenu::AgentX() const
{
    const int right = Left + Width + 16;
    const Toolkit* toolkit = Platform().toolkit;
    const int screenWidth = toolkit ? Platform().toolkit->Screen().width : 0;
    if (screenWidth <= 0 || right + kAgentWidth <= screenWidth)
        return right;
    return std::max(0, Left - kAgentWidth);
}

int FrmMenu::AgentY(int top) const { return Top + top; }

void FrmMenu::Form_Load()
{
    PlaceOnScreen();
    Picture1.Top = 0;
    Picture1.Height = Height;

    try {
        cnRecords = std::make_unique<RecordsStore>(RecordsStore::DefaultPath());
        FillNameLists();
    } catch (const RuntimeError& error) {
        // The menu works all the same; the games are then played without records.
        cnRecords.reset();
        MsgBox(std::to_string(error.Number()) + ": " + error.Description()
            + "\n\nYou can still play, but the games and records of this session will not be "
              "kept.");
    }
    OfferKept();

    // The commentator steps out beside the menu once it is on the screen: drawing him would
    // only keep the menu waiting.
    WhenDrawn(*this, [this] {
        LoadAgent(AgentX(), AgentY(Frame1[0].Top));
        // The agent control lives on this form, and its events come here.
        if (AgentService* agent = Platform().agent) {
            agent->Shown = &FrmMenu::Agent1_Show;
            agent->Hidden = &FrmMenu::Agent1_Hide;
            agent->Bookmark = &FrmMenu::Agent1_Bookmark;
        }
    });
}

// A match left unfinished (a close, a crash, a power cut) is offered back as the menu opens.
void FrmMenu::OfferKept()
{
    kept_ = OfferKeptMatch();
    if (kept_)
        lblKept.Caption = "Resume the match: " + kept_->text;
    ShowKeptOffer();
}

void FrmMenu::ShowKeptOffer() { fraKept.Visible = kept_.has_value(); }

void FrmMenu::cmdResume_Click()
{
    if (!kept_)
        return;
    const MatchArchive::Kept kept = std::move(kept_->kept);
    kept_.reset();
    fraKept.Visible = false;
    Hide();
    if (!ResumeKeptMatch(kept))
        Show();
}

void FrmMenu::cmdDiscard_Click()
{
    if (!kept_)
        return;
    const MsgResult answer = MsgBox(
        "Discard the match in progress?\n" + kept_->text + ".\n\nIt can not be resumed afterwards.",
        MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgResult::Yes)
        return;
    DiscardKeptMatch(kept_->kept);
    kept_.reset();
    fraKept.Visible = false;
}

// The last fifty decided matches, newest first, each by its date and result.
void FrmMenu::cmdMatches_Click()
{
    for (int i = 1; i <= 5; ++i)
        Frame1[i].Visible = false;
    fraKept.Visible = false;
    lstMatches.Clear();
    listedMatches_.clear();
    for (const MatchArchive::Listed& match : KeptDecidedMatches()) {
        char when[32] = "";
        const std::time_t started = static_cast<std::time_t>(match.started);
        std::tm local {};
        if (localtime_r(&started, &local))
            std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
        lstMatches.AddItem(std::string(when) + "   " + match.title);
        listedMatches_.push_back(match.id);
    }
    fraMatches.Caption = listedMatches_.empty()
        ? "Matches to watch again: none yet (a decided match is kept here)"
        : "Matches to watch again";
    cmdWatch.Enabled = !listedMatches_.empty();
    if (!listedMatches_.empty())
        lstMatches.ListIndex = 0;
    fraMatches.Visible = true;
    Picture2.Visible = true;
}

void FrmMenu::cmdWatch_Click()
{
    const int index = lstMatches.ListIndex;
    if (index < 0 || index >= static_cast<int>(listedMatches_.size()))
        return;
    WatchKeptMatch(listedMatches_[static_cast<std::size_t>(index)]);
}

bool FrmMenu::NewMatchEndsKept()
{
    if (!kept_)
        return true;
    const MsgResult answer = MsgBox("A new match ends the match in progress:\n" + kept_->text
            + ".\n\nStart a new match all the same?",
        MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgResult::Yes)
        return false;
    DiscardKeptMatch(kept_->kept);
    kept_.reset();
    return true;
}

void FrmMenu::FillNameLists()
{
    for (const std::string& name : cnRecords->ListNames())
        txtName.AddItem(name);
    if (txtName.ListCount() > 0)
        txtName.ListIndex = 0;
    cmbNames.AddItem(kAllRow);
    cmbNames.AddItem(kComputer);
    for (const std::string& name : txtName.Items())
        cmbNames.AddItem(name);
    cmbNames.ListIndex = 0;
}

void FrmMenu::Form_QueryUnload(bool& cancel, UnloadMode mode)
{
    (void)cancel;
    // The program's own unload (on the way back from a match) does not end the game.
    if (mode != UnloadMode::FormCode)
        EndGame();
}

void FrmMenu::Say(const char* animation, std::initializer_list<const char*> lines)
{
    if (!AgentOn || !AgentChar)
        return;
    AgentChar->StopAll();
    AgentChar->Play(animation);
    for (const char* line : lines)
        AgentChar->Speak(line);
}

void FrmMenu::optoditest_Click(int Index)
{
    if (AgentOn && AgentChar)
        AgentChar->StopAll();
    worldCup_ = Index == 3;
    fraKept.Visible = false; // the frames of the new game take its place
    fraMatches.Visible = false;
    if (worldCup_ && OfferUnfinishedWorldCup())
        return;
    if (Index == 2) {
        Frame1[5].Visible = true;
        for (int i = 1; i <= 4; ++i)
            Frame1[i].Visible = false;
    } else {
        Frame1[5].Visible = false;
        lblDesc[1].Visible = true;
        Frame1[0].Enabled = false; // the game type is fixed until Reset
        Frame1[1].Visible = true;
        if (AgentOn && AgentChar) {
            AgentChar->MoveTo(AgentX(), AgentY(Frame1[0].Top + 200));
            AgentChar->Play("GestureRight");
            AgentChar->Speak(
                "Here, choose whether you want to play against the computer or against a friend");
        }
        if (Index == 1) {
            // One innings is always one player against the computer.
            OneInningsGame = true;
            opt1p2p[0].Value = true;
        } else {
            OneInningsGame = false;
            opt1p2p[0].Value = false;
        }
    }
    Picture2.Visible = true;
}

void FrmMenu::opt1p2p_Click(int Index)
{
    OnePlayer = Index == 0;
    Frame1[1].Enabled = false;
    lblDesc[2].Visible = true;
    Frame1[2].Visible = true;
    txtName.SetFocus();
    Say("Gestureright", { "Now, you can enter the names for the players." });
}

void FrmMenu::txtName_Click()
{
    lblPldWon.Caption = "";
    if (!cnRecords || IndexOf(txtName, txtName.Text) < 0)
        return;
    try {
        if (const auto row = cnRecords->Find(txtName.Text))
            lblPldWon.Caption = "[Played=" + std::to_string(row->Played)
                + ", Won=" + std::to_string(row->Won) + "]";
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
    }
}

void FrmMenu::txtName_GotFocus() { lblPldWon.Caption = ""; }

// A name the menu cannot take: nothing, blanks only, or one of the store's own rows, which
// would give a person the computer's side or the all-time bests. The player hears why.
bool FrmMenu::RefuseName(const std::string& name)
{
    const std::string trimmed = Trim(name);
    if (trimmed.empty()) {
        if (AgentOn)
            Say("Surprised", { "Hey, Please enter something for the name?" });
        else
            MsgBox("Please enter something for your name!");
    } else if (trimmed == kComputer || trimmed == kAllRow) {
        SayOrShow(Line("Sorry, \"")
                      .Name(trimmed)
                      .Words("\" is a name the game keeps for its own records. Please choose "
                             "another name."));
    } else {
        return false;
    }
    txtName.SetFocus();
    return true;
}

// A name not in the list yet becomes a new player: in the list at once, and a row of the
// store. The hall of fame's list is filled only when the menu loads.
void FrmMenu::AddNewPlayer(const std::string& name)
{
    if (IndexOf(txtName, name) >= 0)
        return;
    txtName.AddItem(name);
    if (!cnRecords)
        return;
    try {
        cnRecords->AddPlayer(name);
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
    }
}

void FrmMenu::cmdGo_Click()
{
    const std::string name = txtName.Text;
    if (RefuseName(name))
        return;
    if (Frame1[2].Caption() != kFirstNameCaption) {
        SecondPlayerChosen(name);
        return;
    }
    AddNewPlayer(name);
    Teams[0].PlayerName = name;
    lblPlName[0].Caption = name;
    if (OnePlayer) {
        Frame1[2].Enabled = false;
        Teams[1].PlayerName = kComputer;
        lblPlName[1].Caption = kComputer;
        lblDesc[3].Visible = true;
        ShowCountryChoice();
        Say("acknowledge",
            { worldCup_ ? "Good. Now, choose the country you will lead in the World Cup."
                        : "Good. Now, choose the countries for the two players." });
    } else {
        Frame1[2].Caption = "Enter Second player's name";
        txtName.SetFocus();
    }
}

void FrmMenu::SecondPlayerChosen(const std::string& name)
{
    AddNewPlayer(name);
    Teams[1].PlayerName = name;
    lblPlName[1].Caption = name;
    Frame1[2].Enabled = false;
    lblDesc[3].Visible = true;
    ShowCountryChoice();
    Say("acknowledge", { "Now, choose the countries for the two players." });
}

void FrmMenu::cmdDel_Click()
{
    const std::string name = txtName.Text;
    const int entry = IndexOf(txtName, name);
    if (entry < 0)
        return;
    // A failed delete is not worth a word: the name simply stays in the store.
    if (cnRecords) {
        try {
            cnRecords->DeletePlayer(name);
        } catch (const RuntimeError&) {
        }
    }
    txtName.RemoveItem(entry);
    if (const int fame = IndexOf(cmbNames, name); fame >= 0) {
        const bool shown = cmbNames.ListIndex == fame;
        cmbNames.RemoveItem(fame);
        if (shown)
            cmbNames.ListIndex = 0; // the view goes back to "All", not a row that is gone
    }
    txtName.Text = "";
    lblPldWon.Caption = "";
}

void FrmMenu::cmbCountry_Click(int Index)
{
    countryPicked_[static_cast<std::size_t>(Index)] = cmbCountry[Index].Text;
    // A country counts when it is one of the list's: a typed name that is not would be taken
    // for a squad file nobody made, and the player hears so.
    const auto picked = [](const ComboBox& list) {
        return !Trim(list.Text).empty() && IndexOf(list, list.Text) >= 0;
    };
    // A one-player World Cup needs the player's own country only.
    const bool twoNeeded = !(worldCup_ && OnePlayer);
    if (!picked(cmbCountry[0]) || (twoNeeded && !picked(cmbCountry[1]))) {
        for (int i = 0; i < 2; ++i)
            if (!Trim(cmbCountry[i].Text).empty() && !picked(cmbCountry[i]))
                RefuseCountry(i);
        return;
    }
    if (worldCup_ && !WorldCupCountriesChosen())
        return;
    Teams[0].Country = countryPicked_[0] = cmbCountry[0].Text;
    Teams[1].Country = countryPicked_[1] = cmbCountry[1].Text;
    lblDesc[4].Visible = true;
    Frame1[4].Visible = true;
    // Fifty overs, chosen as a pick would: the overs are stored and Continue shows, even when
    // fifty was already the pick.
    if (cmbOvers.ListIndex == 6)
        cmbOvers_Click();
    else
        cmbOvers.ListIndex = 6;
    Say("blink", { "Please also choose the number of overs, you want to play for." });
}

void FrmMenu::cmbOvers_Click()
{
    Overs = CaptionNumber(cmbOvers.Text);
    cmdNext.Visible = true;
    Say("pleased",
        { "Very Good. Now, when you are ready for the toss, please click on the Next button",
            "or, if you want to make any changes, you can click on the Reset button." });
}

bool FrmMenu::MovingOnToInput() const
{
    const Control* next = ActiveControl();
    return next && next->kind() != Control::Kind::CommandButton;
}

void FrmMenu::cmbCountry_LostFocus(int Index)
{
    if (MovingOnToInput())
        TakeTypedCountry(Index);
}

void FrmMenu::cmbOvers_LostFocus()
{
    if (MovingOnToInput())
        TakeTypedOvers();
}

void FrmMenu::RefuseCountry(int Index)
{
    ComboBox& box = cmbCountry[Index];
    SayOrShow(Line("Sorry! \"")
                  .Name(Trim(box.Text))
                  .Words("\" is not one of the twelve countries. Please pick a country from the "
                         "list."));
    box.Text = countryPicked_[static_cast<std::size_t>(Index)];
}

bool FrmMenu::TakeTypedCountry(int Index)
{
    ComboBox& box = cmbCountry[Index];
    const std::string& inForce = countryPicked_[static_cast<std::size_t>(Index)];
    const std::string typed = Trim(box.Text);
    if (typed.empty() || typed == inForce) {
        box.Text = inForce; // an emptied box still plays the country picked
        return true;
    }
    if (const int entry = IndexOf(box, typed); entry >= 0)
        box.ListIndex = entry; // as if picked
    else
        RefuseCountry(Index);
    return false;
}

bool FrmMenu::TakeTypedOvers()
{
    if (!Frame1[4].Visible)
        return true;
    const std::string inForce = std::to_string(Overs);
    const std::string typed = Trim(cmbOvers.Text);
    if (typed == inForce) {
        cmbOvers.Text = inForce;
        return true;
    }
    if (const int entry = IndexOf(cmbOvers, typed); entry >= 0) {
        cmbOvers.ListIndex = entry; // as if picked
        return true;
    }
    SayOrShow(Line("Sorry! A match is 10, 20, 25, 30, 35, 40 or 50 overs a side, so it can not be "
                   "\"")
                  .Name(typed)
                  .Words("\" overs. It stays at " + inForce + " overs."));
    cmbOvers.Text = inForce;
    return false;
}

void FrmMenu::cmdNext_Click()
{
    // What the boxes show is what is played: a country typed over a pick is taken (and the
    // overs go back to fifty, so the player looks again) or refused, and so are typed overs.
    bool countriesStand = true;
    for (int i = 0; i < 2; ++i)
        countriesStand = TakeTypedCountry(i) && countriesStand;
    if (!countriesStand || !TakeTypedOvers())
        return;
    // A player whose records cannot be read keeps the menu as it was, to pick another name
    // or try again.
    ShowNext();
}

bool FrmMenu::ShowNext()
{
    if (worldCup_)
        return BeginNewWorldCup();
    if (!NewMatchEndsKept())
        return false;
    for (int side : { 1, 0 }) {
        if (!cnRecords) {
            PlayerRecords[side] = PlayerRecord::Empty();
            continue;
        }
        try {
            PlayerRecords[side] = cnRecords->Load(Teams[side].PlayerName);
        } catch (const RuntimeError& error) {
            ShowErrorBox(error);
            return false;
        }
    }
    Hide();
    if (OneInningsGame)
        frmStart().Show();
    else
        frmToss().Show();
    return true;
}

void FrmMenu::cmdReset_Click()
{
    for (int i = 1; i <= 4; ++i) {
        Frame1[i].Enabled = true;
        Frame1[i].Visible = false;
        lblDesc[i].Visible = false;
    }
    Frame1[0].Enabled = true;
    worldCup_ = false;
    ShowCountryChoice();
    Frame1[3].Visible = false;
    for (auto& option : optoditest)
        option.Value = false;
    for (auto& option : opt1p2p)
        option.Value = false;
    txtName.Text = "";
    cmbCountry[0].Text = "";
    cmbCountry[1].Text = "";
    countryPicked_ = {};
    Frame1[2].Caption = kFirstNameCaption;
    Picture2.Visible = false;
    cmdNext.Visible = false;
    fraMatches.Visible = false;
    ShowKeptOffer();
}

void FrmMenu::cmdExit_Click()
{
    Unload();
    EndGame();
}

void FrmMenu::cmdHelp_Click() { ShowManual(*this); }

void FrmMenu::lblReset_MouseMove() { lblReset.ForeColor = RGB(143, 255, 0); }

void FrmMenu::Frame1_MouseMove(int Index)
{
    (void)Index;
    lblReset.ForeColor = RGB(255, 255, 0);
}

void FrmMenu::Agent1_Show(const std::string& character, int cause)
{
    stumpcraft::Agent1_Show(character, cause);
}

void FrmMenu::Agent1_Hide(const std::string& character, int cause)
{
    stumpcraft::Agent1_Hide(character, cause);
}

void FrmMenu::Agent1_Bookmark(long bookmark)
{
    if (bookmark == 1)
        AgentSpeaking = false;
}

void LeaveGame(Form& screen)
{
    screen.Unload();
    if (FrmMenu* menu = forms::IfLoaded<FrmMenu>())
        menu->Unload();
    EndGame();
}

void ReturnToMainMenu()
{
    // A World Cup match goes back to the World Cup; the menu stays hidden, Merlin on it.
    if (ReturnToWorldCup())
        return;
    if (FrmMenu* menu = forms::IfLoaded<FrmMenu>())
        menu->Unload();
    frmMenu().Show();
}

} // namespace stumpcraft
