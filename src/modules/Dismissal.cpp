#include "modules/Dismissal.h"

#include "modules/MatchText.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"

namespace stumpcraft {

namespace {
    void Comment(int code, const std::string& first, const std::string& second)
    {
        if (AgentOn)
            CommentBall(code, first, second);
    }

    // A catcher among Today's Eleven other than the bowler and the keeper, whose catches
    // have kinds of their own.
    std::string Catcher(const MatchTeam& field)
    {
        int f = 0;
        do
            f = RandomDraw(1, 11);
        while (f == CurrBowler + 1 || f == field.Keeper + 1);
        return Trim(field.Plr[f - 1].Name);
    }
} // namespace

std::string DismissalText()
{
    const MatchTeam& field = Teams[1 - CurrBatSide];
    const std::string bowler = Trim(field.Plr[CurrBowler].Name);
    const std::string keeper = Trim(field.Plr[field.Keeper].Name);

    switch (RandomDraw(1, 8)) {
    case 1:
    case 2:
        Comment(11, bowler, "");
        return " b: " + bowler;
    case 3:
        Comment(13, bowler, "");
        return " c and b: " + bowler;
    case 4:
        Comment(14, bowler, "");
        return " lbw b: " + bowler;
    case 5:
        Comment(15, bowler, keeper);
        return " c: " + keeper + " b: " + bowler;
    case 6:
    case 7: {
        const std::string fielder = Catcher(field);
        Comment(16, bowler, fielder);
        return " c: " + fielder + " b: " + bowler;
    }
    default: {
        // Anyone can run a batsman out, the bowler and the keeper included.
        const std::string fielder = Trim(field.Plr[RandomDraw(1, 11) - 1].Name);
        Comment(18, fielder, "");
        return "Run Out (" + fielder + ") ";
    }
    }
}

} // namespace stumpcraft
