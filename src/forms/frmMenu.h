#pragma once

#include "forms/MatchReplay.h"
#include "modules/modVars.h"
#include "platform/Form.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace stumpcraft {

// The main menu: the first window of the program and the start of every game. It walks the
// player through the game type, the number of players, the names, the countries and the
// overs, one frame at a time, and hosts the hall of fame and the commentator. While a game
// runs the menu is only hidden, because Merlin lives on it; a finished match unloads it and
// shows it afresh.
class FrmMenu : public Form {
public:
    FrmMenu();

    // The left panel: help and the hint beside each frame of the flow.
    PictureBox Picture1 { this, "Picture1" };
    CommandButton cmdHelp { this, "cmdHelp" };
    ControlArray<Label, 5> lblDesc { this, "lblDesc" };

    // 0 game type, 1 players, 2 names, 3 countries, 4 overs, 5 hall of fame.
    ControlArray<Frame, 6> Frame1 { this, "Frame1" };
    ControlArray<OptionButton, 4> optoditest { this, "optoditest" };
    ControlArray<OptionButton, 2> opt1p2p { this, "opt1p2p" };
    ComboBox txtName { this, "txtName" };
    CommandButton cmdGo { this, "cmdGo" };
    CommandButton cmdDel { this, "cmdDel" };
    Label lblPldWon { this, "lblPldWon" };
    ControlArray<Label, 2> lblPlName { this, "lblPlName" };
    ControlArray<ComboBox, 2> cmbCountry { this, "cmbCountry" };
    Label lblVS { this, "lblVS" };
    Label Label1 { this, "Label1" };
    ComboBox cmbOvers { this, "cmbOvers" };

    // The hall of fame, inside Frame1(5).
    Label lbltoss { this, "lbltoss" };
    ComboBox cmbNames { this, "cmbNames" };
    Label lblReset { this, "lblReset" };
    ControlArray<Label, 15> lbls { this, "lbls" };
    ControlArray<Label, 19> lblRVal { this, "lblRVal" };

    // The match in progress of an earlier run, offered back where the players' frame will
    // open: what it is, Resume and Discard.
    Frame fraKept { this, "fraKept" };
    Label lblKept { this, "lblKept" };
    CommandButton cmdResume { this, "cmdResume" };
    CommandButton cmdDiscard { this, "cmdDiscard" };

    // The decided matches kept to watch again, in place of the hall of fame.
    CommandButton cmdMatches { this, "cmdMatches" };
    Frame fraMatches { this, "fraMatches" };
    ListBox lstMatches { this, "lstMatches" };
    CommandButton cmdWatch { this, "cmdWatch" };

    PictureBox Picture2 { this, "Picture2" };
    CommandButton cmdReset { this, "cmdReset" };
    CommandButton cmdExit { this, "cmdExit" };
    CommandButton cmdNext { this, "cmdNext" };

    // Event procedures.
    void optoditest_Click(int Index);
    void opt1p2p_Click(int Index);
    void txtName_Click();
    void txtName_GotFocus();
    void cmdGo_Click();
    void cmdDel_Click();
    void cmbCountry_Click(int Index);
    void cmbOvers_Click();
    void cmbCountry_LostFocus(int Index);
    void cmbOvers_LostFocus();
    void cmdNext_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void cmdHelp_Click();
    void cmbNames_Click();
    void lblReset_Click();
    void lblReset_MouseMove();
    void Frame1_MouseMove(int Index);
    void cmdResume_Click();
    void cmdDiscard_Click();
    void cmdMatches_Click();
    void cmdWatch_Click();

    // Loads both players' records, hides the menu and opens the next screen. False when the
    // records could not be loaded: the menu then stays as it is.
    bool ShowNext();

    // The agent control's events: the commentator was shown or hidden, or reached a bookmark.
    static void Agent1_Show(const std::string& character, int cause);
    static void Agent1_Hide(const std::string& character, int cause);
    static void Agent1_Bookmark(long bookmark);

    // Where the commentator stands: just right of the menu window (left of it on a screen with
    // no room there), at `top` below the window's top edge.
    int AgentX() const;
    int AgentY(int top) const;

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;

private:
    void LayOutPanel();
    void LayOutFlowFrames();
    void LayOutHallOfFame();
    void LayOutKeptOffer();
    void PlaceHallOfFameRows(bool withCounts);
    void WireEvents();
    void PlaceOnScreen();

    void FillNameLists();
    bool RefuseName(const std::string& name);
    void AddNewPlayer(const std::string& name);
    void SecondPlayerChosen(const std::string& name);
    // What a typed country or number of overs does when the player moves on: one of the
    // list's is taken as if picked; any other is refused, and the box shows the choice in
    // force again. False when the box did not already show what is in force.
    bool TakeTypedCountry(int Index);
    bool TakeTypedOvers();
    void RefuseCountry(int Index);
    // A box's text changes with a move to another control of the menu; a button's own click
    // decides for itself.
    bool MovingOnToInput() const;

    void ShowRecord(const PlayerRecord& record);
    static void ShowFastest(
        const RecordFigure& fastest, Label& balls, Label& ballsBy, Label& who, Label& team);
    void ShowHallOfFameRows(bool shown);
    void ShowWorldCupWins(const std::string& name);

    // The World Cup's own steps of the flow.
    bool OfferUnfinishedWorldCup();
    void ShowCountryChoice();
    bool WorldCupCountriesChosen();
    bool BeginNewWorldCup();
    // The game type is the World Cup (until Reset).
    bool worldCup_ = false;

    // Says a line through the commentator: stop all, the animation, then the lines.
    static void Say(const char* animation, std::initializer_list<const char*> lines);

    // The offer of the kept match: shown until a game type is chosen (and again on Reset).
    void OfferKept();
    void ShowKeptOffer();
    // A new match ends the kept one: the player is asked first. False: he keeps it.
    bool NewMatchEndsKept();
    std::optional<KeptMatchOffer> kept_;
    // The ids of the matches listed in lstMatches, in its order.
    std::vector<long long> listedMatches_;

    // The country last picked in each list, as the list should show it.
    std::array<std::string, 2> countryPicked_;
};

FrmMenu& frmMenu();

// What "E&xit" and the close box of a screen before the match do: the screen and the main
// menu close, and the game ends.
void LeaveGame(Form& screen);

// Leaves a finished match for the main menu: the match screen and the old menu go, and the
// menu loads afresh (commentator, store and lists).
void ReturnToMainMenu();

} // namespace stumpcraft
