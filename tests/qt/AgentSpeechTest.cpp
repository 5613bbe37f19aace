// The commentator's speech engine and request queue, driven against a stand-in stage: which
// alternative is spoken, when each bookmark is reported, what a stop-all drops, and that a
// hidden character or a silent voice never holds up the game's wait.
#include "qt/AgentSpeech.h"

#include "qt/AgentQueue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace stumpcraft::qt {
namespace {

    // Records what the queue asks of the character; a wave takes 5 ms, other animations none.
    class StageLog : public AgentStage {
    public:
        bool OnScreen() const override { return shown; }
        int Appear(int) override
        {
            shown = true;
            return 0;
        }
        int Glide(QPoint to) override
        {
            at = to;
            return 0;
        }
        int Animate(const QString& name) override { return name == "Wave" ? 5 : 0; }
        void Rest() override { ++rests; }
        void Balloon(const QString& text, const QString&) override { balloon = text; }
        bool Voice(const QString&, std::function<void()> done) override
        {
            if (!hasVoice)
                return false;
            voiceDone = std::move(done);
            return true;
        }
        void Silence() override { voiceDone = nullptr; }

        bool shown = true;
        bool hasVoice = false;
        int rests = 0;
        QPoint at;
        QString balloon;
        std::function<void()> voiceDone;
    };

    class AgentQueueTest : public ::testing::Test {
    protected:
        AgentQueueTest()
        {
            queue.bookmark = [this](long mark) {
                marks.push_back(mark);
                balloonAtMark.push_back(stage.balloon);
                if (onMark)
                    onMark(mark);
            };
            queue.started = [this](const QString& what) { started << what; };
            paced.bookmark = [this](long mark) { marks.push_back(mark); };
        }

        // Runs the event loop until the queue is done: every step, zero-time ones included,
        // runs as soon as it is due.
        bool Drain(int ms = 5000)
        {
            QElapsedTimer clock;
            clock.start();
            while (!queue.Idle() && clock.elapsed() < ms)
                QCoreApplication::processEvents(
                    QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            return queue.Idle();
        }

        StageLog stage;
        AgentQueue queue { stage, SpeechTiming { 0.01 } };
        AgentQueue paced { stage, SpeechTiming {} }; // at the game's own pace
        std::vector<long> marks;
        QStringList balloonAtMark;
        QStringList started;
        std::function<void(long)> onMark;
    };

    using Kind = AgentRequest::Kind;

    // Catches tags read aloud, or bookmarks lost or invented from odd text.
    TEST(SpeechTextTest, AlternativesWordsAndBookmarkTags)
    {
        EXPECT_EQ(SpeechAlternatives("a|b||c"), (QStringList { "a", "b", "", "c" }));
        EXPECT_EQ(SpeechAlternatives("plain"), QStringList { "plain" });

        // Words and bookmarks keep their order; unknown tags vanish without a trace.
        QStringList seen;
        for (const auto& t : SpeechTokens(" Out!\\Mrk=7\\ What \\Pau=300\\a  ball\\mrk=-2\\"))
            seen << (t.IsMark() ? "#" + QString::number(t.mark) : t.word);
        EXPECT_EQ(seen, (QStringList { "Out!", "#7", "What", "a", "ball", "#-2" }));

        // Numbers beyond 32 bits and unpaired backslashes are no bookmarks.
        const auto odd = SpeechTokens("\\Mrk=99999999999\\ left \\ alone");
        EXPECT_EQ(SpeechWords(odd), "left \\ alone");
        EXPECT_TRUE(std::none_of(odd.begin(), odd.end(), [](const auto& t) { return t.IsMark(); }));
        EXPECT_TRUE(SpeechTokens("\\Mrk=1\\").front().IsMark());
    }

    // Catches commentary out of order, or bookmarks that release the game too early.
    TEST_F(AgentQueueTest, RequestsRunInOrderAndBookmarksComeWhereTheSpeechReachesThem)
    {
        queue.Push({ Kind::Speak, "\\Mrk=4\\a \\Mrk=5\\ b \\Mrk=6\\ c \\Mrk=7\\", {} });
        queue.Push({ Kind::Speak, "one two\\Mrk=1\\", {} });
        queue.Push({ Kind::Play, "Wave", {} });
        queue.Push({ Kind::Move, {}, QPoint(300, 40) });
        queue.Push({ Kind::Speak, "\\Mrk=2\\three", {} });
        queue.Push({ Kind::Show, {}, {} });
        queue.Push({ Kind::Speak, "\\Mrk=3\\", {} });
        ASSERT_TRUE(Drain());
        EXPECT_EQ(started,
            (QStringList { "Speak a b c", "Speak one two", "Play Wave", "Move 300,40",
                "Speak three", "Show", "Speak " }));
        EXPECT_EQ(marks, (std::vector<long> { 4, 5, 6, 7, 1, 2, 3 }));
        EXPECT_EQ(balloonAtMark, (QStringList { "", "a", "a b", "a b c", "one two", "", "" }));
        EXPECT_EQ(stage.at, QPoint(300, 40));
        EXPECT_EQ(stage.balloon, "") << "the balloon goes once the queue is done";

        // A stop-all from a bookmark's handler ends the line there.
        marks.clear();
        onMark = [this](long mark) {
            if (mark == 1) {
                queue.StopAll();
                queue.Push({ Kind::Speak, "\\Mrk=9\\", {} });
            }
        };
        queue.Push({ Kind::Speak, "a \\Mrk=1\\ b \\Mrk=2\\", {} });
        queue.Push({ Kind::Speak, "\\Mrk=3\\", {} });
        ASSERT_TRUE(Drain());
        EXPECT_EQ(marks, (std::vector<long> { 1, 9 }));
    }

    // Catches a line spoken with all its alternatives, or always the same one.
    TEST_F(AgentQueueTest, OneAlternativeIsSpokenEachWithEqualChance)
    {
        // Hidden, every speech completes at once: many draws in little time. Each alternative
        // is expected 300 times; 200 is more than six standard deviations away.
        stage.shown = false;
        for (int i = 0; i < 900; ++i)
            queue.Push({ Kind::Speak, "alpha|beta|gamma", {} });
        ASSERT_TRUE(Drain(20000));
        qsizetype spoken = 0;
        for (const char* line : { "Speak alpha", "Speak beta", "Speak gamma" }) {
            EXPECT_GT(started.count(line), 200) << line;
            spoken += started.count(line);
        }
        EXPECT_EQ(spoken, 900) << "one alternative for each request, nothing else";
    }

    // A line the game's pace makes long is stopped after its second word, or hurried when the
    // character is hidden, so that its bookmarks come at once.
    TEST_F(AgentQueueTest, StopAllDropsTheLinesBookmarksAndHidingHurriesThem)
    {
        paced.Push({ Kind::Speak, "one two three four five six seven \\Mrk=1\\", {} });
        paced.Push({ Kind::Speak, "\\Mrk=2\\", {} });
        ASSERT_TRUE(QTest::qWaitFor([this] { return stage.balloon == "one two"; }, 5000));
        paced.StopAll();
        EXPECT_TRUE(paced.Idle());
        EXPECT_EQ(stage.balloon, "");
        EXPECT_GE(stage.rests, 1) << "a running animation is dropped too";
        paced.Push({ Kind::Speak, "\\Mrk=3\\", {} });
        ASSERT_TRUE(QTest::qWaitFor([&] { return paced.Idle(); }, 5000));
        QTest::qWait(50);
        EXPECT_EQ(marks, std::vector<long> { 3 });

        stage.hasVoice = true;
        paced.Push({ Kind::Speak, "a b \\Mrk=4\\ c d e f g h i j k l m n o p \\Mrk=5\\", {} });
        paced.Push({ Kind::Play, "Wave", {} });
        paced.Push({ Kind::Speak, "\\Mrk=6\\", {} });
        ASSERT_TRUE(QTest::qWaitFor([this] { return stage.balloon == "a"; }, 5000));
        stage.shown = false;
        paced.Hurry();
        ASSERT_TRUE(QTest::qWaitFor([&] { return paced.Idle(); }, 500));
        EXPECT_EQ(marks, (std::vector<long> { 3, 4, 5, 6 }));
    }

    // Catches the next ball cutting off the spoken line, or a stopped voice reporting late.
    TEST_F(AgentQueueTest, TheLastBookmarkWaitsForTheVoiceToFinish)
    {
        stage.hasVoice = true;
        queue.Push({ Kind::Speak, "said aloud \\Mrk=1\\", {} });
        ASSERT_TRUE(QTest::qWaitFor([this] { return stage.balloon == "said aloud"; }, 5000));
        QTest::qWait(100); // well past the reading time at this speed
        EXPECT_TRUE(marks.empty());
        ASSERT_TRUE(stage.voiceDone);
        stage.voiceDone();
        ASSERT_TRUE(Drain());
        EXPECT_EQ(marks, std::vector<long> { 1 });

        // A voice that finishes after a stop-all reports nothing.
        stage.voiceDone = nullptr;
        queue.Push({ Kind::Speak, "said aloud \\Mrk=2\\", {} });
        ASSERT_TRUE(QTest::qWaitFor([this] { return bool(stage.voiceDone); }, 5000));
        auto late = stage.voiceDone;
        queue.StopAll();
        late();
        QTest::qWait(30);
        EXPECT_EQ(marks, std::vector<long> { 1 });
        EXPECT_TRUE(queue.Idle());
    }

} // namespace
} // namespace stumpcraft::qt
