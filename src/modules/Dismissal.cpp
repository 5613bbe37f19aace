#include "modules/Dismissal.h"

#include "modules/MatchText.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"

#include <array>

namespace stumpcraft {

namespace {
    // The players a dismissal can name.
    struct Fielders {
        std::string bowler, keeper, fielder;
    };
    enum class Who { Nobody, Bowler, Keeper, Fielder };

    const std::string& NameOf(const Fielders& f, Who who)
    {
        static const std::string nobody;
        switch (who) {
        case Who::Bowler:
            return f.bowler;
        case Who::Keeper:
            return f.keeper;
        case Who::Fielder:
            return f.fielder;
        case Who::Nobody:
            break;
        }
        return nobody;
    }

    // One kind of dismissal: its commentary code and the names the commentator is given, and
    // the card's text as words around up to two names.
    struct Kind {
        outcome::Code code;
        Who first, second;
        const char* before;
        Who cardName;
        const char* middle;
        Who cardName2;
        const char* after;
    };

    // By the draw of 1 to 8: bowled twice as often as the rarer kinds, a fielder's catch too.
    constexpr Kind kBowled { outcome::Bowled, Who::Bowler, Who::Nobody, " b: ", Who::Bowler, "",
        Who::Nobody, "" };
    constexpr Kind kCaught { outcome::Caught, Who::Bowler, Who::Fielder, " c: ", Who::Fielder,
        " b: ", Who::Bowler, "" };
    constexpr std::array<Kind, 8> kKinds { {
        kBowled,
        kBowled,
        { outcome::CaughtAndBowled, Who::Bowler, Who::Nobody, " c and b: ", Who::Bowler, "",
            Who::Nobody, "" },
        { outcome::Lbw, Who::Bowler, Who::Nobody, " lbw b: ", Who::Bowler, "", Who::Nobody, "" },
        { outcome::CaughtByKeeper, Who::Bowler, Who::Keeper, " c: ", Who::Keeper,
            " b: ", Who::Bowler, "" },
        kCaught,
        kCaught,
        { outcome::RunOut, Who::Fielder, Who::Nobody, "Run Out (", Who::Fielder, ") ", Who::Nobody,
            "" },
    } };

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
    Fielders names { Trim(field.Plr[CurrBowler].Name), Trim(field.Plr[field.Keeper].Name), {} };
    const Kind& kind = kKinds[static_cast<std::size_t>(RandomDraw(1, 8) - 1)];
    if (kind.code == outcome::Caught)
        names.fielder = Catcher(field);
    else if (kind.code == outcome::RunOut) // anyone can run a batsman out, bowler and keeper too
        names.fielder = Trim(field.Plr[RandomDraw(1, 11) - 1].Name);

    if (AgentOn)
        CommentBall(kind.code, NameOf(names, kind.first), NameOf(names, kind.second));
    return kind.before + NameOf(names, kind.cardName) + kind.middle + NameOf(names, kind.cardName2)
        + kind.after;
}

} // namespace stumpcraft
