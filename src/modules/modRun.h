#pragma once

#include <stdexcept>

namespace stumpcraft {

// The delivery engine: one delivery drawn from the striker's level, booked in the match
// state and shown on the match screen.

// The ball result (1-6 runs, DotBall, Out) for the striker in batter frame StrikeEnd (1 or
// 2), drawn from the level on that frame's slider.
int DeliveryOutcome(int StrikeEnd);

struct MatchPlayer;

// The result that stands for this striker in batter frame StrikeEnd: drawn at his level, and
// below the top level drawn once more when his out is reprieved (the second draw stands).
int DrawBallResult(int StrikeEnd, const MatchPlayer& striker);

// Plays one delivery to the striker in batter frame StrikeEnd. The caller has advanced
// BallOfOver. A failure ends the delivery where it happened (what was booked stays booked)
// and is reported in a message box, except an addressed control that does not exist.
void PlayBall(int StrikeEnd);

// Thrown when the match screen went away while a delivery waited for the commentator or a
// pause: the delivery has nothing left to show and stops quietly.
class MatchScreenClosed : public std::runtime_error {
public:
    MatchScreenClosed()
        : std::runtime_error("The match screen was closed")
    {
    }
};

// Stops the delivery with MatchScreenClosed when the match screen was unloaded meanwhile.
void CheckMatchScreenStillOpen();

// One match event at a time: while a delivery is being played (it may wait for the
// commentator and let other events through), the events that would change the match do
// nothing. The match screen wires every such event through it.
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
