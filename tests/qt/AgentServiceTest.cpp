// The live commentator offscreen: it loads from the program's folder, appears and raises its
// shown event, moves, speaks in its balloon, plays animations, hides from its own menu and
// comes back from "Show commentator"; and the game's CommentBall returns once the line has been
// spoken through it.
#include "WindowChecks.h"
#include "modules/modAgent.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "qt/AgentServiceQt.h"
#include "qt/QtToolkit.h"

#include <QElapsedTimer>
#include <set>

namespace stumpcraft::qt {
namespace {

    namespace fs = std::filesystem;

    const fs::path kShipped = STUMPCRAFT_SHIPPED_MERLIN;

    // An event as the tests write it down: what happened to whom, and who caused it.
    std::string Event(const std::string& what, int cause)
    {
        return what + " by " + std::to_string(cause);
    }

    class AgentServiceTest : public ::testing::Test {
    protected:
        AgentServiceTest()
        {
            fs::copy_file(kShipped, platform.Folder() / "Merlin.acs");
            service.Shown = [this](const std::string& name, int cause) {
                events.push_back(Event("shown " + name, cause));
            };
            service.Hidden = [this](const std::string& name, int cause) {
                events.push_back(Event("hidden " + name, cause));
            };
            service.Bookmark = [this](long mark) { marks.push_back(mark); };
        }

        QtAgentCharacter& Load()
        {
            EXPECT_EQ(service.Load("Merlin", "Merlin.acs"), 0);
            merlin = service.Loaded();
            return *merlin;
        }

        // Neither he nor his balloon covers the game's window.
        bool ClearOf(const QWidget& game) const
        {
            const QRect g = game.frameGeometry();
            return !merlin->Window().frameGeometry().intersects(g)
                && !(merlin->SpeechBalloon().isVisible()
                    && merlin->SpeechBalloon().frameGeometry().intersects(g));
        }

        fakes::FakePlatform platform;
        QtAgentService service { AgentOptions { 0.02, false, false } };
        QtAgentCharacter* merlin = nullptr;
        std::vector<std::string> events;
        std::vector<long> marks;
        QStringList started;
    };

    // Catches a missing or damaged character reported as the wrong failure.
    TEST_F(AgentServiceTest, LoadFailuresCarryTheirNumbersAndLeaveNoCharacter)
    {
        fs::remove(platform.Folder() / "Merlin.acs");
        EXPECT_EQ(fakes::ErrorOf([&] { service.Load("Merlin", "Merlin.acs"); }).Number(),
            kAgentFileMissing);

        std::ofstream(platform.Folder() / "Merlin.acs") << "character Merlin\nsize huge\n";
        const RuntimeError bad = fakes::ErrorOf([&] { service.Load("Merlin", "Merlin.acs"); });
        EXPECT_EQ(bad.Number(), kAgentFileBad);
        EXPECT_NE(bad.Description().find("Merlin.acs, line 2"), std::string::npos);
        EXPECT_EQ(service.Character("Merlin"), nullptr);
    }

    // Catches a commentator that never appears, or whose hiding leaves the game waiting.
    TEST_F(AgentServiceTest, ShowMovesAndRaisesShownEvenWhenStoppedAtOnceAndHidesFromItsMenu)
    {
        // The match screen stops everything to announce the conditions, which may be at once
        // after the character was loaded and asked to appear.
        QtAgentCharacter& c = Load();
        c.Show();
        c.MoveTo(300, 200);
        c.Speak("Welcome");
        c.StopAll();
        c.Speak("\\Mrk=1\\");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !marks.empty(); }));
        EXPECT_TRUE(c.Visible());
        EXPECT_EQ(events, std::vector { Event("shown Merlin", kCauseProgram) });
        EXPECT_EQ(c.Window().pos(), QPoint(300, 200));

        // Hidden from his own menu in a long line at the game's real pace, he leaves no wait
        // behind; "Show commentator" brings him back.
        EXPECT_FALSE(service.ShowAction()->isEnabled());
        c.Speak("It is raining cats and dogs here over the last two days or so and I am afraid, "
                "today seems to be no exception. \\Mrk=2\\");
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.SpeechBalloon().isVisible(); }));
        c.Window().HideAction()->trigger();
        EXPECT_FALSE(c.Visible());
        EXPECT_FALSE(c.SpeechBalloon().isVisible());
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return events.size() == 2 && marks.size() == 2; }, 1000));
        service.ShowAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor([this] { return events.size() == 3; }));
        EXPECT_EQ(events,
            (std::vector { Event("shown Merlin", kCauseProgram), Event("hidden Merlin", kCauseUser),
                Event("shown Merlin", kCauseUser) }));
        EXPECT_EQ(marks, (std::vector<long> { 1, 2 }));
    }

    // Catches Merlin or his balloon left over a game window that moved or was zoomed under
    // them. On a large screen the game's windows open zoomed, and so does he: his window, his
    // shape and his balloon's print grow with the factor, and he keeps clear of the game.
    TEST_F(AgentServiceTest, HeIsDrawnAtTheGamesZoomStaysClearOfItAndFollowsItsMovesAndZoom)
    {
        const testing::OpeningZoom zoomed(1.5);
        QWidget game;
        game.setGeometry(20, 20, 200, 200);
        game.show();
        QtAgentCharacter& c = Load();
        const QSize design = c.Definition().size;
        const auto clear = [&] { return ClearOf(game); };
        EXPECT_EQ(c.Window().size(), Scaled(design, 1.5));
        c.Show();
        c.MoveTo(200, 100);
        c.Speak("Here, you can choose the type of game, you want to play\\Mrk=1\\");
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.SpeechBalloon().isVisible(); }));
        EXPECT_TRUE(clear());
        EXPECT_DOUBLE_EQ(c.SpeechBalloon().font().pointSizeF(), 15);
        // The shape is the grown figure's: his robe low in the middle, not the corners.
        const QRegion shape = c.Window().Shape();
        EXPECT_TRUE(shape.contains(QPoint(c.Window().width() / 2, c.Window().height() * 4 / 5)));
        EXPECT_FALSE(shape.contains(QPoint(4, 4)));
        EXPECT_FALSE(shape.contains(QPoint(c.Window().width() - 4, c.Window().height() / 2)));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !marks.empty(); }));

        // The player takes the game back to its models' size, then moves it past him.
        KeepPlayersZoom(1);
        game.setGeometry(40, 40, 300, 300);
        EXPECT_TRUE(QTest::qWaitFor([&] { return c.Window().size() == design && clear(); }));
        EXPECT_DOUBLE_EQ(c.SpeechBalloon().font().pointSizeF(), 10);
        c.Speak("Here, you can choose the type of game, you want to play\\Mrk=2\\");
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.SpeechBalloon().isVisible(); }));
        EXPECT_EQ(c.SpeechBalloon().Side(), BalloonSide::Right);
        game.move(460, 40);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return clear() && c.SpeechBalloon().Side() == BalloonSide::Left; }));
        ASSERT_TRUE(QTest::qWaitFor([this] { return marks.size() == 2; }));
    }

    // Catches speech shown all at once, and bookmarks out of order or ahead of an animation.
    TEST_F(AgentServiceTest, SpeechAppearsWordByWordAndBookmarksComeInOrder)
    {
        QtAgentCharacter& c = Load();
        c.Show();
        QStringList seen;
        std::set<std::pair<int, int>> sizes;
        c.Speak("Edged! But, it's gone for four.\\Mrk=1\\");
        c.Play("Wave");
        c.Speak("\\Mrk=2\\");
        ASSERT_TRUE(QTest::qWaitFor([&] {
            const QString now = c.SpeechBalloon().isVisible() ? c.SpeechBalloon().Text() : "";
            if (!now.isEmpty() && (seen.isEmpty() || seen.back() != now)) {
                seen << now;
                sizes.insert({ c.SpeechBalloon().width(), c.SpeechBalloon().height() });
            }
            return marks.size() == 2;
        }));
        EXPECT_EQ(marks, (std::vector<long> { 1, 2 }));
        // Word by word: each text seen is the start of the next.
        ASSERT_GE(seen.size(), 2);
        for (qsizetype i = 1; i < seen.size(); ++i)
            EXPECT_TRUE(seen[i].startsWith(seen[i - 1] + " ")) << seen[i].toStdString();
        EXPECT_EQ(seen.back(), "Edged! But, it's gone for four.");
        EXPECT_EQ(sizes.size(), 1u) << "the balloon keeps its shape while the words come";
        EXPECT_FALSE(c.SpeechBalloon().isVisible());

        ASSERT_TRUE(QTest::qWaitFor([&] { return c.Queue().Idle(); }));
        // Through the queue: the bookmark behind an animation waits for it to end, and one
        // behind an animation the character lacks does not wait at all.
        c.Window().Rest();
        QString playingAtMark = "not reported";
        service.Bookmark = [&](long mark) {
            marks.push_back(mark);
            playingAtMark = c.Window().Playing();
        };
        c.Play("domagic1");
        c.Speak("\\Mrk=5\\");
        ASSERT_TRUE(QTest::qWaitFor([this] { return marks.size() == 3; }));
        EXPECT_EQ(playingAtMark, "");
        c.Play("Juggle");
        c.Speak("\\Mrk=6\\");
        ASSERT_TRUE(QTest::qWaitFor([this] { return marks.size() == 4; }, 1000));
    }

    // The voice engine, which weighs more than the whole main menu, starts only when the player
    // turns the voice on, and then stays on for the run, through the character's reloads; and
    // whatever this machine has (an engine with or without a sound device, or none), every line
    // ends and its bookmark arrives.
    TEST_F(AgentServiceTest, TheVoiceStartsOnlyWhenTurnedOnAndNeverHoldsUpTheLine)
    {
        {
            AgentVoice voice(true);
            QWidget game;
            game.show();
            QTest::qWait(100);
            EXPECT_FALSE(voice.Started()) << "not asked for";
            const bool offered = voice.Offered();
            voice.SetEnabled(true);
            EXPECT_EQ(voice.Started(), offered);
            AgentVoice reloaded(true);
            EXPECT_EQ(reloaded.Started(), offered) << "on for the rest of the run";
            reloaded.SetEnabled(false);
            EXPECT_FALSE(AgentVoice(true).Started()) << "off again";
        }
        QtAgentService voiced(AgentOptions { 0.02, true, false });
        voiced.Bookmark = [this](long mark) { marks.push_back(mark); };
        voiced.Load("Merlin", "Merlin.acs");
        QAction* speakAloud = voiced.Loaded()->Window().VoiceAction();
        emit voiced.Loaded()->Window().MenuOpening();
        if (speakAloud->isVisible())
            speakAloud->setChecked(true);
        voiced.Loaded()->Show();
        for (int i = 1; i <= 2; ++i)
            voiced.Loaded()->Speak("Super Shot! Four!\\Mrk=" + std::to_string(i) + "\\");
        ASSERT_TRUE(QTest::qWaitFor([this] { return marks.size() == 2; }, 20000));
        speakAloud->setChecked(false);
    }

    // An idle game costs no processor time: once he has stood at rest for a moment no frame is
    // due, and whatever he is asked to do next brings him back to life.
    TEST_F(AgentServiceTest, AtRestHeStandsStillUntilAskedAgain)
    {
        QtAgentCharacter& c = Load();
        c.Show();
        AgentWindow& window = c.Window();
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.Visible() && !window.Ticking(); }, 3000));
        const int drawn = window.Drawn();
        QTest::qWait(300);
        EXPECT_EQ(window.Drawn(), drawn);
        c.Play("Greet");
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.Drawn() > drawn + 1; }, 2000))
            << "he moves again";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.Ticking(); }, 5000));
    }

    // Catches a reload that leaves the old character speaking or reporting.
    TEST_F(AgentServiceTest, LoadingAgainReplacesTheCharacterQuietly)
    {
        QtAgentCharacter& first = Load();
        first.Show();
        first.Speak("A line that will never finish \\Mrk=1\\");
        ASSERT_TRUE(QTest::qWaitFor([&] { return first.Visible(); }));
        EXPECT_FALSE(Load().Visible());
        QTest::qWait(100);
        EXPECT_TRUE(marks.empty()) << "the old character's speech is gone";
        EXPECT_EQ(events.size(), 1u) << "no hidden event for the old one";
    }

    // The game's own procedures through the live service and the live event pump.
    class CommentatorGameTest : public AgentServiceTest {
    protected:
        CommentatorGameTest()
        {
            Platform().toolkit = &toolkit;
            Platform().agent = &service;
        }
        QtToolkit toolkit;
    };

    // Catches a delivery that never returns from its line, or commentary left on when hidden.
    TEST_F(CommentatorGameTest, CommentBallReturnsOnceItsLineIsSpokenAndHidingTurnsCommentaryOff)
    {
        LoadAgent(700, 120);
        merlin = service.Loaded();
        ASSERT_TRUE(AgentOn && merlin);
        ASSERT_TRUE(QTest::qWaitFor([this] { return merlin->Visible(); }));
        merlin->Queue().started = [this](const QString& what) { started << what; };
        QElapsedTimer clock;
        clock.start();
        CommentBall(6, "", "");
        EXPECT_FALSE(AgentSpeaking);
        EXPECT_LT(clock.elapsed(), 5000);
        ASSERT_EQ(started.size(), 3) << "the greeting was dropped, the line then spoken";
        EXPECT_EQ(started[0], "Play pleased");
        EXPECT_TRUE(
            started[1].startsWith("Speak ") && started[1].contains("six", Qt::CaseInsensitive))
            << started[1].toStdString();
        EXPECT_EQ(started[2], "Speak ");

        // Hiding the character turns commentary off; showing it again turns it back on.
        merlin->Window().HideAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor([] { return !AgentOn; }));
        service.ShowAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor([] { return AgentOn; }));
    }

} // namespace
} // namespace stumpcraft::qt
