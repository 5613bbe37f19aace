// The opening of a kept match as text, written field by field: a number is its decimal and a
// space; a text is its length, a colon and its bytes. Reading takes exactly what was written
// and checks every number against its range, so a damaged opening is refused, never half
// taken.
#include "modules/MatchOpening.h"

#include "modules/Scorecard.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace stumpcraft {

namespace {
    constexpr const char* kOpeningTag = "stumpcraft-opening 1 ";
    constexpr int kMaxText = 1000;
    constexpr int kMaxFigure = 1000000;

    class Writer {
    public:
        Writer& Number(long long n)
        {
            text += std::to_string(n);
            text += ' ';
            return *this;
        }
        Writer& Text(const std::string& s)
        {
            Number(static_cast<long long>(s.size()));
            text.pop_back();
            text += ':';
            text += s;
            return *this;
        }
        std::string text;
    };

    class Reader {
    public:
        explicit Reader(const std::string& text)
            : text_(text)
        {
        }
        long long Number(long long min, long long max)
        {
            long long n = 0;
            const char* begin = text_.data() + pos_;
            const char* end = text_.data() + text_.size();
            const auto [past, error] = std::from_chars(begin, end, n);
            if (error != std::errc {} || past == end || *past != ' ' || n < min || n > max)
                throw KeptMatchDamaged("a number of the opening is damaged");
            pos_ += static_cast<std::size_t>(past - begin) + 1;
            return n;
        }
        int Int(int min, int max) { return static_cast<int>(Number(min, max)); }
        bool Flag() { return Number(0, 1) == 1; }
        std::string Text()
        {
            const char* begin = text_.data() + pos_;
            const char* end = text_.data() + text_.size();
            long long size = 0;
            const auto [past, error] = std::from_chars(begin, end, size);
            if (error != std::errc {} || past == end || *past != ':' || size < 0 || size > kMaxText)
                throw KeptMatchDamaged("a text of the opening is damaged");
            pos_ += static_cast<std::size_t>(past - begin) + 1;
            if (text_.size() - pos_ < static_cast<std::size_t>(size))
                throw KeptMatchDamaged("the opening is cut short");
            std::string s = text_.substr(pos_, static_cast<std::size_t>(size));
            pos_ += static_cast<std::size_t>(size);
            return s;
        }
        void Expect(const std::string& tag)
        {
            if (text_.compare(pos_, tag.size(), tag) != 0)
                throw KeptMatchDamaged("not an opening of this version");
            pos_ += tag.size();
        }
        bool AtEnd() const { return pos_ == text_.size(); }

    private:
        const std::string& text_;
        std::size_t pos_ = 0;
    };

    // Every field of a player, a side and a record, in one order for writing and reading:
    // Visit(io, thing) with io a Writer or Reader.
    struct Io {
        Writer* w = nullptr;
        Reader* r = nullptr;
        void Num(int& n, int min, int max)
        {
            if (w)
                w->Number(n);
            else
                n = r->Int(min, max);
        }
        void Flag(bool& b)
        {
            if (w)
                w->Number(b ? 1 : 0);
            else
                b = r->Flag();
        }
        void Text(std::string& s)
        {
            if (w)
                w->Text(s);
            else
                s = r->Text();
        }
    };

    void Visit(Io& io, Dismissal& d)
    {
        int kind = static_cast<int>(d.kind);
        io.Num(kind, 0, static_cast<int>(HowOut::RunOut));
        d.kind = static_cast<HowOut>(kind);
        io.Num(d.bowler, 0, 15);
        io.Num(d.fielder, 0, 15);
    }

    void Visit(Io& io, MatchPlayer& p)
    {
        io.Text(p.Name);
        io.Num(p.BatRate, 0, 5);
        io.Num(p.BallRate, 0, 5);
        for (int* figure : { &p.Runs, &p.BallsFaced, &p.Dots, &p.Ones, &p.Twos, &p.Threes, &p.Fours,
                 &p.Fives, &p.Sixes, &p.BallsBowled, &p.Maidens, &p.RunsGiven, &p.WicketsTaken })
            io.Num(*figure, 0, kMaxFigure);
        io.Flag(p.OnStrike);
        Visit(io, p.Out);
        io.Flag(p.ReachedFifty);
        io.Flag(p.ReachedHundred);
    }

    void Visit(Io& io, MatchTeam& t)
    {
        io.Text(t.Country);
        io.Text(t.PlayerName);
        io.Flag(t.WonToss);
        io.Num(t.Runs, -kMaxFigure, kMaxFigure); // a one-innings total as entered
        io.Num(t.Balls, 0, kMaxFigure);
        io.Num(t.Wickets, 0, 10);
        for (MatchPlayer& p : t.Plr)
            Visit(io, p);
        for (int& runs : t.PartnershipRuns)
            io.Num(runs, -kMaxFigure, kMaxFigure);
        for (int& total : t.FallOfWicket)
            io.Num(total, -kMaxFigure, kMaxFigure);
        for (int* slot : { &t.Captain, &t.Keeper, &t.Bowler1, &t.Bowler2 })
            io.Num(*slot, 0, 15);
    }

    void Visit(Io& io, RecordFigure& f)
    {
        io.Num(f.Value, -kMaxFigure, kMaxFigure);
        io.Text(f.Who);
        io.Text(f.Team);
    }

    void Visit(Io& io, PlayerRecord& rec)
    {
        io.Text(rec.Name);
        io.Num(rec.Played, 0, kMaxFigure);
        io.Num(rec.Won, 0, kMaxFigure);
        io.Num(rec.Ties, 0, kMaxFigure);
        for (RecordFigure* f : { &rec.HighestRuns, &rec.HighestRunsPlr, &rec.MostWicketsPlr,
                 &rec.FastestHalfCentury, &rec.FastestCentury })
            Visit(io, *f);
    }

    // The settings and sides the match screen's load starts from.
    void VisitMatch(Io& io, MatchState& s)
    {
        io.Flag(s.OnePlayer);
        io.Flag(s.OneInningsGame);
        io.Num(s.Overs, 1, 50);
        io.Num(s.FirstBatSide, 0, 1);
        io.Num(s.CurrBatSide, 0, 1);
        io.Flag(s.RecordBroken);
        for (int side = 0; side < 2; ++side)
            Visit(io, s.Teams[side]);
        for (PlayerRecord& rec : s.PlayerRecords)
            Visit(io, rec);
    }

    // FNV-1a, 64 bits: enough to tell a changed byte, and the same on every machine.
    void Mix(unsigned long long& h, const char* data, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i) {
            h ^= static_cast<unsigned char>(data[i]);
            h *= 1099511628211ULL;
        }
    }
} // namespace

bool PressIsSound(const Press& p)
{
    if (p.at < 0 || p.at > 2 * 6 * 50)
        return false;
    switch (p.kind) {
    case PressKind::Bowl:
    case PressKind::Over:
    case PressKind::Innings:
        return p.a == 0 && p.b == 0;
    case PressKind::Bowler:
        return p.a >= 0 && p.a <= 10 && p.b == 0;
    case PressKind::Level:
        return (p.a == 0 || p.a == 1) && p.b >= 1 && p.b <= 5;
    }
    return false;
}

int DeliveriesPlayed() { return History.innings[0].Balls() + History.innings[1].Balls(); }

std::string OpeningOfMatch()
{
    Writer w;
    w.text = kOpeningTag;
    Io io { &w, nullptr };
    VisitMatch(io, State);
    w.Text(std::to_string(RandomDrawState()));
    return w.text;
}

void RestoreOpening(const std::string& text)
{
    Reader r(text);
    r.Expect(kOpeningTag);
    MatchState opened;
    Io io { nullptr, &r };
    VisitMatch(io, opened);
    const std::string generator = r.Text();
    std::uint64_t state = 0;
    const char* end = generator.data() + generator.size();
    const auto [past, error] = std::from_chars(generator.data(), end, state);
    if (error != std::errc {} || past != end || !r.AtEnd())
        throw KeptMatchDamaged("the opening does not end where it should");
    opened.AgentOn = AgentOn;
    opened.AgentChar = AgentChar;
    State = std::move(opened);
    RestoreRandomDraw(state);
}

std::string MatchFingerprint()
{
    Writer w;
    for (int side = 0; side < 2; ++side)
        w.Number(Teams[side].Runs).Number(Teams[side].Wickets).Number(Teams[side].Balls);
    for (int n : { CurrBatSide, FirstInnings ? 1 : 0, MatchOver ? 1 : 0, BallOfOver, Batsman1,
             Batsman2, CurrBowler, OtherBowler, State.BatLevel[0], State.BatLevel[1],
             static_cast<int>(State.InningsButtonMode), State.Result, State.ResultMargin,
             DeliveriesPlayed() })
        w.Number(n);
    w.Text(std::to_string(RandomDrawState()));
    return w.text;
}

void KeepDigest::Add(const std::string& text) { Mix(value, text.data(), text.size()); }

void KeepDigest::Add(const Press& p)
{
    const std::string text = std::string(1, static_cast<char>(p.kind)) + std::to_string(p.a) + ' '
        + std::to_string(p.b) + ' ' + std::to_string(p.at) + ';';
    Add(text);
}

std::string KeepDigest::Text() const { return std::to_string(value); }

std::string MatchInProgressText()
{
    const MatchTeam& bat = Teams[CurrBatSide];
    const MatchTeam& field = Teams[1 - CurrBatSide];
    std::string text = bat.Country + " " + std::to_string(bat.Runs);
    if (bat.Wickets < 10)
        text += "/" + std::to_string(bat.Wickets);
    text += " in " + OversText(bat.Balls) + (bat.Balls == 6 ? " over" : " overs");
    text += " against " + field.Country + ", ";
    const auto who = [](const std::string& name) -> std::string {
        return name == kComputer ? "the computer" : name;
    };
    return text + who(Teams[0].PlayerName) + " against " + who(Teams[1].PlayerName);
}

} // namespace stumpcraft
