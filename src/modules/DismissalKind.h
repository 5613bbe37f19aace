#pragma once

namespace stumpcraft {

// How a batsman was out. The kinds that name a fielder (a catch, the keeper's catch, a run
// out) keep his slot in the fielding side; every kind but the run out keeps the bowler's.
enum class HowOut : int { NotOut, Bowled, CaughtAndBowled, Lbw, CaughtByKeeper, Caught, RunOut };

struct Dismissal {
    HowOut kind = HowOut::NotOut;
    int bowler = 0;
    int fielder = 0;

    friend bool operator==(const Dismissal&, const Dismissal&) = default;
};

} // namespace stumpcraft
