#include "modules/OutcomeTable.h"

#include "modules/NumberFormat.h"

namespace stumpcraft {

int OutStandsOneIn(int BatRate, int BallRate)
{
    return static_cast<int>(1 + RoundDiv(5LL * BatRate - BallRate, BatRate));
}

} // namespace stumpcraft
