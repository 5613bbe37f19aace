#pragma once

#include "modules/DismissalKind.h"

#include <array>
#include <string>
#include <vector>

namespace stumpcraft {

// One delivery as over and ball control saw it played.
struct BallRecord {
    int runs = 0;
    bool wicket = false;
    int level = 0; // the striker's level, 1 to 5
    int striker = 0; // his slot in the batting side
    int bowler = 0; // the bowler's slot in the fielding side

    friend bool operator==(const BallRecord&, const BallRecord&) = default;
};

// Runs and wickets of one over; balls counts the deliveries bowled in it so far.
struct OverRecord {
    int runs = 0;
    int wickets = 0;
    int balls = 0;

    friend bool operator==(const OverRecord&, const OverRecord&) = default;
};

// A wicket: on which delivery of the innings it fell (from 0), whose, and how.
struct WicketRecord {
    int ball = 0;
    int batsman = 0;
    Dismissal out;

    friend bool operator==(const WicketRecord&, const WicketRecord&) = default;
};

// The story of one innings, ball by ball and over by over. Side is the batting side, or -1
// while the innings has not begun.
struct InningsHistory {
    int side = -1;
    std::vector<BallRecord> balls;
    std::vector<OverRecord> overs;
    std::vector<WicketRecord> wickets;

    int Runs() const;
    int Balls() const { return static_cast<int>(balls.size()); }
    int Wickets() const { return static_cast<int>(wickets.size()); }
    // The runs scored up to and including delivery `ball` (from 0).
    int RunsAfter(int ball) const;

    friend bool operator==(const InningsHistory&, const InningsHistory&) = default;
};

// Both innings of the match in progress, kept as the balls are played, for the charts, the
// scorecards and the season simulator. Innings 0 is the first innings; in a one-innings game
// it stays empty, the entered total having no story.
struct MatchHistory {
    std::array<InningsHistory, 2> innings;

    // Adds a delivery of innings `inning` (0 or 1) batted by `side`. Every delivery counts
    // towards its over, so delivery n of the innings is ball n mod 6 of over n / 6. `out` is
    // used only for a wicket.
    // Inline: it is on every ball's path.
    void RecordBall(int inning, int side, const BallRecord& ball, const Dismissal& out)
    {
        InningsHistory& h = innings.at(static_cast<std::size_t>(inning));
        if (h.balls.empty()) [[unlikely]]
            Begin(h, side);
        if (ball.wicket) [[unlikely]]
            h.wickets.push_back({ h.Balls(), ball.striker, out });
        h.balls.push_back(ball);
        // Only this adds balls, so every over but the last has had its six.
        if (h.overs.empty() || h.overs.back().balls >= 6)
            h.overs.emplace_back();
        OverRecord& over = h.overs.back();
        over.runs += ball.runs;
        over.balls += 1;
        over.wickets += ball.wicket ? 1 : 0;
    }
    void Clear() { *this = MatchHistory {}; }

    friend bool operator==(const MatchHistory&, const MatchHistory&) = default;

private:
    static void Begin(InningsHistory& h, int side);
};

} // namespace stumpcraft
