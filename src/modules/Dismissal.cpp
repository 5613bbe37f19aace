#include "modules/Dismissal.h"

#include "modules/MatchText.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"

#include <array>

namespace stumpcraft {

namespace {
    enum class Who { Nobody, Bowler, Fielder };

    // One kind of dismissal: its commentary code and the names the commentator is given, and
    // the card's text as words around up to two names. The keeper's catch keeps the keeper as
    // its fielder.
    struct Kind {
        outcome::Code code;
        Who first, second;
        const char* before;
        Who cardName;
        const char* middle;
        Who cardName2;
    };

    // By HowOut, from NotOut on.
    constexpr std::array<Kind, 7> kKinds { {
        { outcome::Code {}, Who::Nobody, Who::Nobody, "Not Out", Who::Nobody, "", Who::Nobody },
        { outcome::Bowled, Who::Bowler, Who::Nobody, " b: ", Who::Bowler, "", Who::Nobody },
        { outcome::CaughtAndBowled, Who::Bowler, Who::Nobody, " c and b: ", Who::Bowler, "",
            Who::Nobody },
        { outcome::Lbw, Who::Bowler, Who::Nobody, " lbw b: ", Who::Bowler, "", Who::Nobody },
        { outcome::CaughtByKeeper, Who::Bowler, Who::Fielder, " c: ", Who::Fielder,
            " b: ", Who::Bowler },
        { outcome::Caught, Who::Bowler, Who::Fielder, " c: ", Who::Fielder, " b: ", Who::Bowler },
        { outcome::RunOut, Who::Fielder, Who::Nobody, "Run Out (", Who::Fielder, ") ",
            Who::Nobody },
    } };

    // The kind by the draw of 1 to 8.
    constexpr std::array<HowOut, 8> kDrawn { HowOut::Bowled, HowOut::Bowled,
        HowOut::CaughtAndBowled, HowOut::Lbw, HowOut::CaughtByKeeper, HowOut::Caught,
        HowOut::Caught, HowOut::RunOut };

    const Kind& KindOf(const Dismissal& out) { return kKinds[static_cast<std::size_t>(out.kind)]; }

    std::string NameOf(const Dismissal& out, const MatchTeam& field, Who who)
    {
        switch (who) {
        case Who::Bowler:
            return Trim(field.Plr[out.bowler].Name);
        case Who::Fielder:
            return Trim(field.Plr[out.fielder].Name);
        case Who::Nobody:
            break;
        }
        return {};
    }

    // A catcher among Today's Eleven other than the bowler and the keeper, whose catches
    // have kinds of their own.
    int Catcher(const MatchTeam& field)
    {
        int f = 0;
        do
            f = RandomDraw(1, 11);
        while (f == CurrBowler + 1 || f == field.Keeper + 1);
        return f - 1;
    }
} // namespace

Dismissal DrawDismissal()
{
    const MatchTeam& field = Teams[1 - CurrBatSide];
    Dismissal out;
    out.kind = kDrawn[static_cast<std::size_t>(RandomDraw(1, 8) - 1)];
    out.bowler = CurrBowler;
    if (out.kind == HowOut::CaughtByKeeper)
        out.fielder = field.Keeper;
    else if (out.kind == HowOut::Caught)
        out.fielder = Catcher(field);
    else if (out.kind == HowOut::RunOut) // anyone can run a batsman out, bowler and keeper too
        out.fielder = RandomDraw(1, 11) - 1;
    return out;
}

std::string DismissalText(const Dismissal& out, const MatchTeam& field)
{
    const Kind& kind = KindOf(out);
    return kind.before + NameOf(out, field, kind.cardName) + kind.middle
        + NameOf(out, field, kind.cardName2);
}

DismissalComment CommentOn(const Dismissal& out, const MatchTeam& field)
{
    const Kind& kind = KindOf(out);
    return { kind.code, NameOf(out, field, kind.first), NameOf(out, field, kind.second) };
}

} // namespace stumpcraft
