// Draws the commentator offscreen into PNG files, for looking at: the key pose of every
// animation, a sheet of them all, and the idle character with a speech balloon. With --idle
// it instead shows the character for that many seconds, then as long again hidden, and
// prints the processor time each took.
//
//   agent_snapshot <character file> <output folder>
//   agent_snapshot --idle <seconds> <character file>
//   agent_snapshot --desktop <character file> <output folder>
//   agent_snapshot --match <program folder> <output folder>
//
// Any of them after --zoom <factor> draws the character, his balloon and the game's windows at
// that zoom, as on a large screen.
//
// --match (under a display too) plays the start of a game in a scratch copy of the program's
// folder: the menu's greeting, then the match screen with its announcements and a ball
// commented, grabbing the whole screen at each stage.
#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "modules/QuickMatch.h"
#include "modules/RecordsStore.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "qt/AgentBalloon.h"
#include "qt/AgentServiceQt.h"
#include "qt/AgentWindow.h"
#include "qt/MerlinFile.h"
#include "qt/MerlinPainter.h"
#include "qt/QtShell.h"
#include "qt/QtToolkit.h"
#include "qt/Renderer.h"
#include "qt/WindowZoom.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>

using namespace stumpcraft;
using namespace stumpcraft::qt;

namespace {

// The frame of an animation that looks least like rest: the pose a viewer remembers.
MerlinPose KeyPose(const MerlinCharacter& character, const MerlinAnimation& animation)
{
    const MerlinFrame* best = &animation.frames.front();
    for (const auto& frame : animation.frames)
        if (PoseDistance(frame.pose, character.rest) > PoseDistance(best->pose, character.rest))
            best = &frame;
    return best->pose;
}

QImage OnCard(const QImage& figure, int zoom)
{
    QImage card(figure.size() * zoom, QImage::Format_ARGB32_Premultiplied);
    card.fill(QColor(236, 233, 216));
    QPainter p(&card);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(card.rect(), figure);
    return card;
}

// The idle character standing at at, with the first words of line in its balloon (all of
// them when words is 0); both windows drawn where they stand.
QImage Speaking(
    const MerlinCharacter& character, const QString& line, QPoint at = { 420, 200 }, int words = 0)
{
    AgentWindow window(character, 1);
    AgentBalloon balloon(character.colours);
    balloon.SetZoom(window.Zoom());
    window.move(at);
    window.show();
    const QString shown = words > 0 ? line.section(' ', 0, words - 1) : line;
    balloon.Say(shown, line, window.frameGeometry(), window.Side());
    const QRect both
        = window.frameGeometry().united(balloon.frameGeometry()).adjusted(-6, -6, 6, 6);
    QImage out(both.size() * 2, QImage::Format_ARGB32_Premultiplied);
    out.fill(QColor(236, 233, 216));
    QPainter p(&out);
    p.scale(2, 2);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(balloon.pos() - both.topLeft(), balloon.size()), balloon.Picture());
    p.drawImage(QRect(window.pos() - both.topLeft(), window.size()), window.Picture());
    return out;
}

// Processor time this process has used so far, in seconds.
double CpuSeconds()
{
    std::ifstream stat("/proc/self/stat");
    std::string text;
    std::getline(stat, text);
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15)
            ticks += std::stol(field);
    return double(ticks) / double(sysconf(_SC_CLK_TCK));
}

// Lets the event loop run for seconds and returns the processor time it used.
double CpuOver(double seconds)
{
    const double before = CpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    return CpuSeconds() - before;
}

// The character loaded from file by the live service, at the game's own pace, voice off.
std::unique_ptr<QtAgentService> LiveService(const QString& file)
{
    SetAppPath(QFileInfo(file).absolutePath().toStdString());
    auto service = std::make_unique<QtAgentService>(AgentOptions { 1.0, false, false });
    service->Load("Merlin", QFileInfo(file).fileName().toStdString());
    return service;
}

int MeasureIdle(double seconds, const QString& file)
{
    const auto service = LiveService(file);
    QtAgentCharacter& merlin = *service->Loaded();
    merlin.Show();
    CpuOver(1.5); // the entrance
    const double shown = CpuOver(seconds);
    merlin.Hide();
    const double hidden = CpuOver(seconds);
    std::printf("platform %s: idle and shown %.0f s: %.2f s of processor time (%.2f%%)\n",
        qPrintable(QGuiApplication::platformName()), seconds, shown, 100 * shown / seconds);
    std::printf("hidden %.0f s: %.2f s of processor time (%.2f%%)\n", seconds, hidden,
        100 * hidden / seconds);
    std::printf("pictures drawn afresh: %d\n", merlin.Window().Drawn());
    return 0;
}

// The greeting on a real desktop (run it under a display, e.g. xvfb-run): grabs the whole
// screen a few times while the character appears, moves and speaks.
int GrabDesktop(const QString& file, const QString& out)
{
    // A plain window behind, so that anything drawn round the figure would show against it.
    QWidget backdrop;
    backdrop.setStyleSheet("background: #e6ecd8");
    backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry().adjusted(40, 40, -40, -40));
    backdrop.show();
    const auto service = LiveService(file);
    QtAgentCharacter& merlin = *service->Loaded();
    merlin.Show();
    merlin.MoveTo(300, 120);
    merlin.Speak("Welcome to Stumpcraft");
    merlin.Play("Announce");
    merlin.Speak("Here, you can choose the type of game, you want to play");
    QScreen* screen = QGuiApplication::primaryScreen();
    for (int shot = 1; shot <= 4; ++shot) {
        CpuOver(1.2);
        const QPixmap desktop = screen->grabWindow(0);
        desktop.save(out + "/desktop-" + QString::number(shot) + ".png");
        // The edges close up.
        const QRect near = merlin.Window().frameGeometry().adjusted(-10, -10, 10, 10);
        desktop.copy(near)
            .scaled(near.size() * 3)
            .save(out + "/desktop-" + QString::number(shot) + "-zoom.png");
    }
    return 0;
}

// The menu and the match screen as a player meets them, with the commentator at the game's
// own pace, grabbed from the screen at moments when he speaks.
int GrabMatch(const QString& programFolder, const QString& out)
{
    namespace fs = std::filesystem;
    const fs::path scratch
        = fs::temp_directory_path() / ("agent-match-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    for (const auto& entry : fs::directory_iterator(programFolder.toStdString()))
        if (entry.path().extension() == ".lst" || entry.path().extension() == ".acs")
            fs::copy_file(entry.path(), scratch / entry.path().filename());
    SetAppPath(scratch.string());
    InstallLook();
    QtToolkit toolkit;
    QtShell shell;
    QtAgentService agent(AgentOptions { 1.0, false, false });
    Platform() = Services { &toolkit, &agent, &shell };
    QScreen* screen = QGuiApplication::primaryScreen();
    const auto grab
        = [&](const char* name) { screen->grabWindow(0).save(out + "/" + name + ".png"); };
    const std::vector<std::pair<int, std::function<void()>>> steps {
        { 0, [] { RunGameEvent([] { frmMenu().Show(); }); } },
        { 9000, [&] { grab("match-0-menu"); } },
        { 9100,
            [] {
                RunGameEvent([] {
                    frmMenu().Hide();
                    SetUpQuickMatch({ "Australia", "Bangladesh", "Player", "Computer", 50, 0 });
                    frmMain().Show();
                });
            } },
        { 12000, [&] { grab("match-1-conditions"); } },
        { 16000, [&] { grab("match-2-conditions"); } },
        { 24000, [] { RunGameEvent([] { frmMain().CmdNBowl.UserClick(); }); } },
        { 25500, [&] { grab("match-3-ball"); } },
        { 27000, [&] { grab("match-4-ball"); } },
    };
    for (const auto& [at, step] : steps)
        QTimer::singleShot(at, step);
    CpuOver(30);
    forms::ResetAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    cnRecords.reset();
    Platform() = Services {};
    fs::remove_all(scratch);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() > 2 && args[0] == "--zoom") {
        SetOpeningZoom(args[1].toDouble(), false);
        args = args.mid(2);
    }
    if (args.size() == 3 && args[0] == "--desktop")
        return GrabDesktop(args[1], args[2]);
    if (args.size() == 3 && args[0] == "--match")
        return GrabMatch(args[1], args[2]);
    if (args.size() == 3 && args[0] == "--idle")
        return MeasureIdle(args[1].toDouble(), args[2]);
    if (args.size() < 2) {
        std::fprintf(stderr,
            "usage: agent_snapshot <character file> <output folder>\n"
            "       agent_snapshot --idle <seconds> <character file>\n"
            "       (any of them after --zoom <factor>)\n");
        return 2;
    }
    const QString out = args[1];
    QDir().mkpath(out);
    try {
        const MerlinCharacter character = LoadMerlinFile(args[0], "Merlin");
        const MerlinPainter painter(character.colours);
        const QSize size = Scaled(character.size, OpeningZoom());
        std::vector<std::pair<QString, MerlinPose>> poses { { "rest", character.rest } };
        for (const auto& animation : character.animations)
            poses.emplace_back(animation.name, KeyPose(character, animation));

        const int columns = 4;
        const int rows = int(poses.size() + columns - 1) / columns;
        QImage sheet(size.width() * columns * 2, (size.height() + 16) * rows * 2,
            QImage::Format_ARGB32_Premultiplied);
        sheet.fill(QColor(236, 233, 216));
        QPainter sp(&sheet);
        sp.scale(2, 2);
        for (size_t i = 0; i < poses.size(); ++i) {
            const QImage figure = painter.Render(poses[i].second, size, 0.4, 3);
            OnCard(figure, 1).save(out + "/" + poses[i].first + ".png");
            const QPoint at(
                int(i % columns) * size.width(), int(i / columns) * (size.height() + 16));
            sp.drawImage(QRect(at, size), figure);
            sp.drawText(QRect(at + QPoint(0, size.height()), QSize(size.width(), 16)),
                Qt::AlignCenter, poses[i].first);
        }
        sp.end();
        sheet.save(out + "/sheet.png");
        Speaking(character, "My name is Merlin, and I will be your friend, cum commentator!")
            .save(out + "/idle-speaking.png");
        Speaking(character,
            "It is raining cats and dogs here over the last two days or so and I am afraid, "
            "today seems to be no exception. It is not raining yet but might start at any time.")
            .save(out + "/idle-speaking-long.png");
        // At the screen's left edge the balloon goes to the right; mid-line, part of it shown.
        Speaking(character, "Welcome to the spectacular Desert City of Sharjah.", { 0, 200 }, 4)
            .save(out + "/speaking-right-partial.png");
    } catch (const RuntimeError& e) {
        std::fprintf(stderr, "%ld: %s\n", e.Number(), e.what());
        return 1;
    }
    return 0;
}
