#pragma once

#include "modules/MatchHistory.h"
#include "platform/CheckedArray.h"

#include <string>

namespace stumpcraft {

class AgentCharacter;

// Ball results as the delivery engine produces them: 1 to 6 runs, a dot ball, or out.
enum BallResult : int { DotBall = 7, Out = 8 };

// One player's slot in a side: his name and ratings from the team sheet and his figures in
// this match, batting and bowling alike.
struct MatchPlayer {
    std::string Name;
    int BatRate = 0; // 1 (worst) to 5 (best)
    int BallRate = 0;
    int Runs = 0;
    int BallsFaced = 0;
    int Dots = 0;
    int Ones = 0;
    int Twos = 0;
    int Threes = 0;
    int Fours = 0;
    int Fives = 0;
    int Sixes = 0;
    bool OnStrike = false;
    int BallsBowled = 0;
    int Maidens = 0;
    int RunsGiven = 0;
    int WicketsTaken = 0;
    Dismissal Out; // how he is out; NotOut while he is not
    bool ReachedFifty = false; // celebrated already, so never twice
    bool ReachedHundred = false;

    friend bool operator==(const MatchPlayer&, const MatchPlayer&) = default;
};

// One side of the match. Slots 0..10 are Today's Eleven in batting order, 11..15 reserves.
struct MatchTeam {
    std::string Country;
    std::string PlayerName; // the human who plays it, or "Computer"
    bool WonToss = false;
    int Runs = 0;
    int Balls = 0;
    int Wickets = 0;
    CheckedArray<MatchPlayer, 16> Plr;
    CheckedArray<int, 12> PartnershipRuns; // [k]: runs of the stand ended by wicket k
    CheckedArray<int, 12> FallOfWicket; // [k]: total when wicket k fell; [0] stays 0
    int Captain = 0;
    int Keeper = 0;
    int Bowler1 = 0;
    int Bowler2 = 0;

    friend bool operator==(const MatchTeam&, const MatchTeam&) = default;
};

// One player of a team file as it is read or about to be written. PlrName holds exactly the
// 30 characters of the file, padding included.
struct TeamListEntry {
    std::string PlrName;
    int PlrType = 0; // 0 Batsman, 1 Bowler, 2 AllRounder, 3 WicketKeeper
    int BatRateIndex = 0; // 0 is rating 5 ... 4 is rating 1
    int BallRateIndex = 0;

    friend bool operator==(const TeamListEntry&, const TeamListEntry&) = default;
};

// One record figure with who set it and for whom: runs, wickets or balls, the player's name
// (none for a side's total) and his country.
struct RecordFigure {
    int Value = 0;
    std::string Who;
    std::string Team;

    friend bool operator==(const RecordFigure&, const RecordFigure&) = default;
};

// The in-memory copy of one row of the records store: the counts and five record figures,
// each kept in the store's columns of the same name (HighestRuns, HighestRunsBy for the
// highest total's country; HighestRunsPlr, HighestRunsPlrName, HighestRunsPlrTeam; ...).
struct PlayerRecord {
    std::string Name; // left empty: the owner is Teams[k].PlayerName
    int Played = 0;
    int Won = 0;
    int Ties = 0;
    RecordFigure HighestRuns; // a side's total; Team is the side (HighestRunsBy), no Who
    RecordFigure HighestRunsPlr; // most runs by a batsman in an innings
    RecordFigure MostWicketsPlr; // most wickets by a bowler in an innings
    RecordFigure FastestHalfCentury; // fewest balls to 50; 10000 once loaded means none yet
    RecordFigure FastestCentury; // fewest balls to 100, likewise

    // The record of a player who has set nothing yet.
    static PlayerRecord Empty()
    {
        PlayerRecord r;
        r.FastestHalfCentury.Value = kNoFastest;
        r.FastestCentury.Value = kNoFastest;
        return r;
    }
    static constexpr int kNoFastest = 10000;

    friend bool operator==(const PlayerRecord&, const PlayerRecord&) = default;
};

// One ball of the over in progress as the commentary tab lists it: who faced it and its result.
struct OverBall {
    int striker = -1; // none yet
    int result = 0;

    friend bool operator==(const OverBall&, const OverBall&) = default;
};

// The two batsmen of a stand, by slot; -1 while the stand has not begun.
struct Partners {
    int first = -1;
    int second = -1;

    friend bool operator==(const Partners&, const Partners&) = default;
};

// What the status line's right part says: nothing, the target's rate as the chase begins, the
// run rate (with the chase) after each ball, or the result.
enum class StatusLine : int { Empty, RequiredRate, RunRate, Result };

// The innings button: hidden, offering the second innings, or offering the way out once the
// match is decided.
enum class InningsButton : int { Hidden, ChangeInnings, ExitToMenu };

// The one state of the game in progress. Every screen and procedure reads and writes it
// directly through the names below; `State = MatchState {}` starts it afresh.
struct MatchState {
    bool OnePlayer = false;
    bool ComputerCallsToss = false;
    bool OneInningsGame = false;
    int Overs = 0;
    std::string TeamFileName;
    bool TeamEdited = false;
    int FirstBatSide = 0;
    int CurrBatSide = 0;
    bool FirstInnings = false;
    bool MatchOver = false;
    int BallOfOver = 0;
    int RunsRequired = 0;
    int BallsRemaining = 0;
    int Batsman1 = 0;
    int Batsman2 = 0;
    int CurrBowler = 0;
    int OtherBowler = 0;
    CheckedArray<MatchTeam, 4> Teams;
    CheckedArray<TeamListEntry, 16> TeamList;
    bool AgentOn = false;
    bool AgentSpeaking = false;
    AgentCharacter* AgentChar = nullptr;
    CheckedArray<PlayerRecord, 3> PlayerRecords;
    bool RecordBroken = false;
    // A delivery is being played; a further press of a play button waits its turn.
    bool DeliveryInProgress = false;
    // Every delivery of both innings, for the charts and the scorecards.
    MatchHistory History;

    // The match as the match screen shows it; the screen is painted from these.
    int RunsInOver = 0; // runs of the over in progress
    CheckedArray<OverBall, 6> OverBalls; // the balls of the over in progress
    // Each batter frame's level, 1 (cautious) to 5 (aggressive): [0] for Batsman1. The player
    // moves them on the frames' sliders; the computer sets them when it bats.
    CheckedArray<int, 2> BatLevel { { 1, 1 } };
    bool LevelsLocked = false; // the computer bats: the sliders are not the player's
    // The bowling card: the slots of the fielding side in the order they first bowled (one row
    // for players of the same name), and how many rows are taken.
    CheckedArray<int, 11> BowlingOrder;
    int BowlersOnCard = 0;
    CheckedArray<Partners, 10> Stands; // the pair of each stand of the innings
    int ShownBowler = -1; // "Current Bowler:" names this slot of the fielding side; -1 nobody
    int ShownNextBowler = -1; // "Next Bowler:" likewise
    bool InningsClosed = false; // all out, overs used up or the match decided: no more balls
    InningsButton InningsButtonMode = InningsButton::Hidden;
    StatusLine Status = StatusLine::Empty;
    // The result once MatchOver: -1 a tie, 0 the side batting first won, 1 the side batting
    // now won; by Margin runs or wickets.
    int Result = 0;
    int ResultMargin = 0;
    // The scorecard last kept by hand or on the result, and whether the status line says so
    // (until the next ball).
    std::string KeptScorecard;
    bool KeptScorecardNoted = false;
};

inline MatchState State;

// The match state afresh; the commentator stays as he is.
inline void FreshMatchState()
{
    const bool agentOn = State.AgentOn;
    AgentCharacter* const agentChar = State.AgentChar;
    State = MatchState {};
    State.AgentOn = agentOn;
    State.AgentChar = agentChar;
}

// The game's procedures use the state's fields by their own names.
inline bool& OnePlayer = State.OnePlayer;
inline bool& ComputerCallsToss = State.ComputerCallsToss;
inline bool& OneInningsGame = State.OneInningsGame;
inline int& Overs = State.Overs;
inline std::string& TeamFileName = State.TeamFileName;
inline bool& TeamEdited = State.TeamEdited;
inline int& FirstBatSide = State.FirstBatSide;
inline int& CurrBatSide = State.CurrBatSide;
inline bool& FirstInnings = State.FirstInnings;
inline bool& MatchOver = State.MatchOver;
inline int& BallOfOver = State.BallOfOver;
inline int& RunsRequired = State.RunsRequired;
inline int& BallsRemaining = State.BallsRemaining;
inline int& Batsman1 = State.Batsman1;
inline int& Batsman2 = State.Batsman2;
inline int& CurrBowler = State.CurrBowler;
inline int& OtherBowler = State.OtherBowler;
inline CheckedArray<MatchTeam, 4>& Teams = State.Teams;
inline CheckedArray<TeamListEntry, 16>& TeamList = State.TeamList;
inline bool& AgentOn = State.AgentOn;
inline bool& AgentSpeaking = State.AgentSpeaking;
inline AgentCharacter*& AgentChar = State.AgentChar;
inline CheckedArray<PlayerRecord, 3>& PlayerRecords = State.PlayerRecords;
inline bool& RecordBroken = State.RecordBroken;
inline MatchHistory& History = State.History;

inline const char* const kComputer = "Computer";

} // namespace stumpcraft
