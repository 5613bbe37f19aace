// Kept matches: a match stopped anywhere as if the program were killed, taken back at the next
// start and played on comes out as it would have, and the records count it once; a kept file
// that is not whole is refused with one message and set aside.
#include "modules/KeepMatch.h"

#include "MatchFixture.h"
#include "forms/MatchReplay.h"
#include "forms/frmMenu.h"
#include "modules/MatchResult.h"
#include "modules/RecordsStore.h"
#include "modules/modProcs.h"
#include "platform/Sqlite.h"

#include <sqlite3.h>
#include <sys/stat.h>

namespace stumpcraft::testing {
namespace {

    namespace fs = std::filesystem;

    struct Killed { };

    struct KeepMatchTest : MatchFixture {
        static constexpr std::uint32_t kSeed = 20261207;
        // Ann against the computer, ten overs: her bowlers bowl out their two overs and she
        // is asked for others again and again.
        const MatchSetup setup { .overs = 10 };

        // The player's presses, the same whatever went before: now and then a level or a
        // bowler of her own choosing, one ball or a whole over, the innings button when shown.
        void Press(FrmMain& f, int n)
        {
            if (f.cmdChange.Visible) {
                f.cmdChange.UserClick();
                return;
            }
            if (n % 4 == 1 && !State.LevelsLocked)
                f.HScroll1[n % 2].Value = 1 + (n / 4) % 5;
            if (n % 7 == 3)
                f.lblNxtBlr.UserClick();
            (n % 3 == 0 ? f.CmdNBowl : f.CmdNOver).UserClick();
        }

        // The program's first start on an empty folder, or a start after it was killed: the
        // records store opened, the kept match looked for.
        void StartProgram()
        {
            cnRecords = std::make_unique<RecordsStore>(RecordsStore::DefaultPath());
            if (!cnRecords->Find("Ann"))
                cnRecords->AddPlayer("Ann");
            KeepMatchesInPlay = true;
            ChooseBowlersWhenAsked();
        }

        // Gone without a word: no unload, nothing written, the generator anywhere.
        void Kill()
        {
            platform.toolkit.posted.clear();
            forms::ResetAll();
            keeper::CloseArchive();
            cnRecords.reset();
            State = MatchState {};
            OnMatchDecided = nullptr;
            SeedRandomDraw(1);
        }

        // A first start, on a folder emptied of what the last run left, and a new seeded
        // match, the commentator on the screen if asked.
        FrmMain* NewMatch(const MatchSetup& s, bool commentator = false)
        {
            Kill();
            fs::remove_all(platform.Folder());
            fs::create_directories(platform.Folder());
            StartProgram();
            if (commentator)
                EnableCommentator();
            SeedRandomDraw(kSeed);
            return &StartMatch(s);
        }

        // Killed, then started again: the kept match offered and taken back, or null when
        // nothing is offered.
        FrmMain* Restart(bool commentator = false)
        {
            Kill();
            StartProgram();
            if (commentator)
                EnableCommentator();
            const auto offer = OfferKeptMatch();
            if (!offer)
                return nullptr;
            EXPECT_TRUE(ResumeKeptMatch(offer->kept));
            return &frmMain();
        }

        // A new match played to its result, killed before press `stopAfter` (never when it is
        // negative) between two presses of the player's, none of his moves waiting, and taken
        // back. With the commentator, the player moves a level at the first word he says in
        // every other press.
        std::string PlayKilledAt(const MatchSetup& s, int stopAfter, bool commentator = false)
        {
            FrmMain* f = NewMatch(s, commentator);
            bool stopped = false;
            for (int n = 0; !MatchOver; ++n) {
                if (!stopped && stopAfter >= 0 && n >= stopAfter
                    && platform.toolkit.posted.empty()) {
                    stopped = true;
                    if (!(f = Restart(commentator)))
                        return "not taken back";
                }
                if (commentator && n % 2 == 0)
                    platform.toolkit.Post([f, n] { f->HScroll1[0].Value = 1 + (n / 2) % 5; });
                Press(*f, n);
            }
            return Card(*f);
        }

        int Played(const std::string& name) const { return cnRecords->Load(name).Played; }

        std::string Card(FrmMain& f) { return Scorecard() + f.lblMsg[1].Caption() + "\n"; }
    };

    // A player's match stopped at any press (mid-over, after a wicket, at the innings break,
    // one press before the result, after it, and between the result being counted and the
    // press being kept) goes on after the next start exactly as it would have gone, and the
    // game is counted once.
    TEST_F(KeepMatchTest, AMatchKilledAnywhereGoesOnAsItWouldHaveAndCountsOnce)
    {
        // The match played through without a stop, and nothing kept.
        SeedRandomDraw(kSeed);
        FrmMain& plain = StartMatch(setup);
        ChooseBowlersWhenAsked();
        std::vector<int> afterWicket, atBreak, midOver;
        int presses = 0;
        for (int wickets = 0; !MatchOver; ++presses) {
            Press(plain, presses);
            const int now = Teams[0].Wickets + Teams[1].Wickets;
            if (now > wickets)
                afterWicket.push_back(presses + 1);
            wickets = now;
            if (State.InningsButtonMode == InningsButton::ChangeInnings)
                atBreak.push_back(presses + 1);
            if (BallOfOver > 0 && BallOfOver < 6)
                midOver.push_back(presses + 1);
        }
        const std::string card = Card(plain);
        const MatchHistory history = History;
        ASSERT_GE(afterWicket.size(), 3U);
        ASSERT_FALSE(atBreak.empty());
        ASSERT_GE(midOver.size(), 3U);
        Kill();

        const std::vector<int> points { 0, 2, midOver[0], afterWicket[0], midOver[1],
            afterWicket[1], atBreak[0], atBreak[0] + 1, midOver.back(), afterWicket.back(),
            presses - 1, presses };
        for (const int point : points) {
            SCOPED_TRACE("killed after press " + std::to_string(point));
            FrmMain* f = NewMatch(setup);
            for (int n = 0; n < point; ++n)
                Press(*f, n);
            f = Restart();
            if (point == presses) {
                EXPECT_FALSE(f) << "a decided match is not offered back";
                EXPECT_EQ(Played("Ann"), 1);
                continue;
            }
            ASSERT_TRUE(f);
            for (int n = point; !MatchOver; ++n)
                Press(*f, n);
            EXPECT_EQ(Card(*f), card);
            EXPECT_EQ(History, history);
            EXPECT_EQ(Played("Ann"), 1);
            EXPECT_EQ(Played("Computer"), 1);
        }

        // Killed after the result was counted, before the press that decided it was kept.
        FrmMain* f = NewMatch(setup);
        OnMatchDecided = [] { throw Killed {}; };
        try {
            for (int n = 0; !MatchOver; ++n)
                Press(*f, n);
        } catch (const Killed&) {
        }
        ASSERT_EQ(Played("Ann"), 1);
        f = Restart();
        ASSERT_TRUE(f);
        for (int n = presses - 1; !MatchOver; ++n)
            Press(*f, n);
        EXPECT_EQ(Card(*f), card);
        EXPECT_EQ(Played("Ann"), 1) << "counted once, though the result came twice";
        EXPECT_EQ(Played("Computer"), 1);
    }

    // A one-innings chase stopped halfway goes on against the same total to the same end.
    TEST_F(KeepMatchTest, AOneInningsChaseKilledHalfwayGoesOnAgainstTheSameTotal)
    {
        const MatchSetup chase { .overs = 10, .firstBatSide = 1, .oneInnings = true, .target = 71 };
        const std::string whole = PlayKilledAt(chase, -1);
        EXPECT_NE(whole.find("Southmere 71/0 in 0 balls"), std::string::npos) << whole;
        EXPECT_EQ(PlayKilledAt(chase, 4), whole);
    }

    // A level the player moves while the commentator tells a ball of "Next Over" plays the
    // rest of that over; taken back after a kill, the match has it from the same ball on.
    TEST_F(KeepMatchTest, ALevelSetWhileABallIsToldGoesBackInBeforeTheSameBall)
    {
        const std::string whole = PlayKilledAt(setup, -1, true);
        auto archive = MatchArchive::OpenExisting(MatchArchive::DefaultPath());
        const auto log = archive->Load(archive->Decided().at(0).id).presses;
        archive.reset();
        int told = 0; // levels kept after a ball of the press they came in
        for (std::size_t i = 1; i < log.size(); ++i)
            told += log[i].kind == PressKind::Level && log[i - 1].kind == PressKind::Over
                && log[i].at > log[i - 1].at;
        ASSERT_GT(told, 3);
        for (const int stop : { 5, 22, 40 })
            EXPECT_EQ(PlayKilledAt(setup, stop, true), whole) << "killed before press " << stop;
    }

    // A kept file the game cannot take back (cut short, a byte changed, empty, a folder, a
    // FIFO, another program's database, a later version's) gives one message, is set aside,
    // and the menu offers nothing; no damage ever gives back a different match.
    TEST_F(KeepMatchTest, AKeptFileThatIsNotWholeIsRefusedOnceAndSetAside)
    {
        FrmMain& f = *NewMatch(setup);
        for (int n = 0; n < 4; ++n)
            Press(f, n);
        const std::string card = Card(f);
        Kill();
        const fs::path path = MatchArchive::DefaultPath();
        const std::string good = fakes::FileBytes(path);
        ASSERT_FALSE(fs::exists(path.string() + "-wal")) << "all in the one file once closed";
        ASSERT_LT(good.size(), 8000U);

        // What the next start makes of the folder: "offered", "refused" (one message, the
        // file set aside) or something else.
        const auto next = [&] {
            platform.toolkit.messages.clear();
            KeepMatchesInPlay = true;
            const auto offer = OfferKeptMatch();
            const bool told = MessageTexts().size() == 1
                && MessageTexts()[0].find("could not be taken back") != std::string::npos;
            std::string outcome = offer ? "offered" : "nothing";
            if (told && !offer && !fs::exists(path) && fs::exists(path.string() + ".set-aside-1"))
                outcome = "refused";
            if (offer) {
                ResumeKeptMatch(offer->kept);
                if (Card(frmMain()) != card)
                    outcome = "a different match";
            }
            Kill();
            for (const auto& entry : fs::directory_iterator(platform.Folder()))
                if (entry.path().filename().string().rfind("matches.db", 0) == 0)
                    fs::remove_all(entry.path());
            return outcome;
        };
        const auto write
            = [&](const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; };
        // Cut short or changed where the file holds nothing of the match (its free space),
        // the match is still whole, and offered back as it was.
        int refused = 0;
        for (std::size_t size = 0; size < good.size(); ++size) {
            write(good.substr(0, size));
            const std::string outcome = next();
            ASSERT_TRUE(outcome == "refused" || outcome == "offered")
                << outcome << " when cut short at " << size;
            refused += outcome == "refused";
        }
        EXPECT_GT(refused, static_cast<int>(good.size()) * 3 / 4);
        for (std::size_t at = 0; at < good.size(); at += 7) {
            std::string bytes = good;
            bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
            write(bytes);
            const std::string outcome = next();
            ASSERT_TRUE(outcome == "refused" || outcome == "offered")
                << outcome << " with byte " << at << " changed";
        }
        fs::create_directory(path);
        EXPECT_EQ(next(), "refused") << "a folder";
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        EXPECT_EQ(next(), "refused") << "a FIFO";
        RecordsStore(path.string()); // another program's database
        EXPECT_EQ(next(), "refused") << "another program's database";
        write(good);
        {
            sqlite::Database later(path.string(), SQLITE_OPEN_READWRITE);
            later.Execute("PRAGMA user_version = 2");
        }
        EXPECT_EQ(next(), "refused") << "a later version's";
        write(good);
        EXPECT_EQ(next(), "offered");
    }

    // A decided match picked from the menu's Matches is watched again over by over to the same
    // cards it ended with, and counts nothing more in the records.
    TEST_F(KeepMatchTest, ADecidedMatchWatchedAgainEndsWithTheSameCardsAndCountsNothing)
    {
        FrmMain* f = NewMatch(setup);
        for (int n = 0; !MatchOver; ++n)
            Press(*f, n);
        const std::string card = Card(*f);
        const std::string bowlers = f->lblBlrName[0].Caption() + f->lblOvers[0].Caption();
        f->Unload();

        FrmMenu& menu = frmMenu();
        menu.cmdMatches.UserClick();
        ASSERT_EQ(menu.lstMatches.ListCount(), 1);
        EXPECT_NE(menu.lstMatches.List(0).find("Northland v Southmere: "), std::string::npos);
        menu.cmdWatch.UserClick();
        f = &frmMain();
        EXPECT_EQ(Teams[0].Runs + Teams[1].Runs, 0) << "it starts at the first ball";
        EXPECT_EQ(f->cmdChange.Visible(), false);
        for (int presses = 0; f->cmdChange.Caption() != "E&xit to Main Menu" || !MatchOver;
             ++presses) {
            ASSERT_LT(presses, 100);
            (f->cmdChange.Visible() ? f->cmdChange : f->CmdNOver).UserClick();
        }
        EXPECT_EQ(Card(*f), card);
        EXPECT_EQ(f->lblBlrName[0].Caption() + f->lblOvers[0].Caption(), bowlers);
        EXPECT_EQ(Played("Ann"), 1);
        f->cmdChange.UserClick();
        EXPECT_FALSE(MatchScreenLoaded());
        EXPECT_EQ(Played("Ann"), 1) << "watched, not counted";
    }

} // namespace
} // namespace stumpcraft::testing
