#pragma once

#include "modules/DismissalKind.h"

namespace stumpcraft {

// The delivery engine: one delivery drawn from the striker's level and booked in the match
// state. It shows and says nothing: it returns what happened, and the match screen paints the
// board and then has the commentator tell it.

// The ball result (1-6 runs, DotBall, Out) for the striker in batter frame StrikeEnd (1 or
// 2), drawn from that frame's level.
int DeliveryOutcome(int StrikeEnd);

struct MatchPlayer;

// The result that stands for this striker in batter frame StrikeEnd: drawn at his level, and
// below the top level drawn once more when his out is reprieved (the second draw stands).
int DrawBallResult(int StrikeEnd, const MatchPlayer& striker);

// What one delivery brought. A milestone and the result, when they come, are handed to the
// commentator's held news as they happen (see DeliveryNews); the ball's own line is told from
// this, before them.
struct BallNews {
    bool counted = false; // false: the delivery failed before the ball was counted
    int result = 0; // 1-6 runs, DotBall or Out
    int striker = -1; // his slot in the batting side
    Dismissal out; // for an out: how
};

// Plays one delivery to the striker in batter frame StrikeEnd and keeps it in the match's
// history. The caller has advanced BallOfOver. A failure ends the delivery where it happened
// (what was booked stays booked) and is reported in a message box, except an addressed
// element that does not exist.
BallNews PlayBall(int StrikeEnd);

// One match event at a time: while a delivery is being told (the commentator may wait and let
// other events through), the events that would change the match do nothing. The match screen
// wires every such event through it.
class DeliveryGuard {
public:
    DeliveryGuard();
    ~DeliveryGuard();
    DeliveryGuard(const DeliveryGuard&) = delete;
    DeliveryGuard& operator=(const DeliveryGuard&) = delete;

    // Whether a press may go ahead now.
    static bool Free();
};

} // namespace stumpcraft
