// Renders each window of the game offscreen into PNG files, in a few states a player meets:
// the main menu at each stage of a game's setup and its hall of fame, the toss, the team
// sheets, the team editor and the one-innings setup, the World Cup, the match screen on every tab
// mid-innings, at the innings break and after the result, the bowler change and the batting
// statistics. For reviewing the look of the windows; the build draws the manual's pictures
// with it.
//
//   snapshot [--quiet] [--zoom FACTOR] [output folder]
//
// The folder defaults to ./snapshots; the squads come from the program's folder. --quiet prints
// only failures, not each picture and message box. --zoom draws every window at that zoom
// instead of the models' own size (the manual's pictures keep the models' size).
#include "qt/Snapshot.h"

#include "SnapshotTool.h"
#include "forms/frmBatStat.h"
#include "forms/frmBowlChange.h"
#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "modules/KeepMatch.h"
#include "modules/QuickMatch.h"
#include "modules/RecordsStore.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "platform/Services.h"
#include "qt/Renderer.h"
#include "qt/WindowZoom.h"

#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <unistd.h>

namespace stumpcraft {
namespace snapshot {
    namespace {
        std::filesystem::path outFolder;
        int failures = 0;
        bool quiet = false;
    } // namespace

    void Save(Form& form, const std::string& name)
    {
        const std::string path = (outFolder / (name + ".png")).string();
        if (qt::SaveSnapshot(form, path)) {
            if (!quiet)
                std::cout << path << "\n";
        } else {
            std::cerr << "could not write " << path << "\n";
            ++failures;
        }
    }

    const std::filesystem::path& OutFolder() { return outFolder; }

    void Pick(ComboBox& list, const std::string& entry)
    {
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.List(i) == entry)
                list.ListIndex = i;
    }
} // namespace snapshot

namespace {
    using snapshot::Pick;
    using snapshot::Save;

    // A toolkit that never waits for a person: message boxes are printed and answered OK (Yes
    // to a question), and a
    // modal window is photographed once and then handled as a player would.
    class SnapshotToolkit : public Toolkit {
    public:
        MsgResult MessageBox(
            const std::string& text, MsgButtons buttons, MsgIcon, const std::string& title) override
        {
            if (!snapshot::quiet)
                std::cout << "[" << title << "] " << text << "\n";
            return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel
                ? MsgResult::Yes
                : MsgResult::OK;
        }
        void DoEvents() override { QCoreApplication::processEvents(); }
        ScreenSize Screen() override { return { 1280, 800 }; }
        void EndProgram() override { }
        void ShowForm(Form& form, bool modal) override
        {
            if (!modal)
                return;
            if (!photographed.contains(form.TypeName())) {
                photographed.insert(form.TypeName());
                Save(form, form.TypeName());
            }
            if (form.TypeName() == "frmBowlChange")
                ChooseAnyBowler();
            if (form.IsLoaded())
                form.Unload();
        }

    private:
        // Clicks the names from the bottom of the order until the window accepts one.
        static void ChooseAnyBowler()
        {
            FrmBowlChange& change = frmBowlChange();
            for (int i = 10; i >= 0 && change.IsLoaded(); --i)
                change.lblBlrName[i].UserClick();
        }

        std::set<std::string> photographed;
    };

    void SaveEveryTab(FrmMain& screen, const std::string& stage)
    {
        static const char* const tabs[]
            = { "commentary", "batting", "bowling", "partnerships", "charts" };
        for (int tab = 0; tab < screen.SSTab1.Tabs(); ++tab) {
            screen.SSTab1.Tab = tab;
            Save(screen, "match-" + stage + "-" + tabs[tab]);
        }
        screen.SSTab1.Tab = 0;
    }

    void PlayOvers(FrmMain& screen, int overs)
    {
        for (int i = 0; i < overs && screen.CmdNOver.Visible && !MatchOver; ++i)
            screen.CmdNOver.UserClick();
    }

    // A records file with a few seasons behind it, in a folder of its own so the program's
    // folder keeps its own records.
    void FillRecords()
    {
        RecordsStore store(RecordsStore::DefaultPath());
        using O = RecordsStore::Outcome;
        for (const char* name : { "Priya", "Sam Okonkwo-Bellweather" })
            store.AddPlayer(name);
        for (O o : { O::Won, O::Won, O::Lost, O::Tied })
            store.CountGame("Priya", o);
        PlayerRecord best = PlayerRecord::Empty();
        best.HighestRuns.Value = 347;
        best.HighestRuns.Team = "New Zealand";
        best.HighestRunsPlr.Value = 162;
        best.HighestRunsPlr.Who = "Tavita Fonoti-Ralston";
        best.HighestRunsPlr.Team = "New Zealand";
        best.MostWicketsPlr.Value = 6;
        best.MostWicketsPlr.Who = "Imran Quereshi";
        best.MostWicketsPlr.Team = "Pakistan";
        best.FastestHalfCentury.Value = 24;
        best.FastestHalfCentury.Who = "Dale Brinkworth";
        best.FastestHalfCentury.Team = "South Africa";
        const unsigned all = RecordsStore::HighestTotal | RecordsStore::BestInnings
            | RecordsStore::BestBowling | RecordsStore::FastestFifty;
        store.WriteRecord("All", best, all);
        store.WriteRecord("Priya", best, all);
    }

    // A scratch copy of the program's folder for the screens before the match: a records file
    // with a few seasons behind it and the shipped squads, so that neither the records nor a
    // squad of the program's own folder is touched. Each run has its own, so two builds may
    // draw their pictures at once.
    class ScratchFolder {
    public:
        ScratchFolder()
            : layout_(CurrentLayout())
            , folder_(std::filesystem::temp_directory_path()
                  / ("stumpcraft-snapshot-" + std::to_string(::getpid())))
        {
            namespace fs = std::filesystem;
            fs::remove_all(folder_);
            fs::create_directories(folder_);
            for (const auto& entry : fs::directory_iterator(layout_.shipped))
                if (entry.path().extension() == ".lst")
                    fs::copy_file(entry.path(), folder_ / entry.path().filename());
            SetAppPath(folder_.string());
            FillRecords();
        }
        ~ScratchFolder()
        {
            forms::ResetAll();
            cnRecords.reset();
            SetFileLayout(layout_);
            std::error_code ec;
            std::filesystem::remove_all(folder_, ec);
        }
        ScratchFolder(const ScratchFolder&) = delete;
        ScratchFolder& operator=(const ScratchFolder&) = delete;

    private:
        FileLayout layout_;
        std::filesystem::path folder_;
    };

    void MenuStages()
    {
        FrmMenu& menu = frmMenu();
        menu.Show();
        Save(menu, "menu-1-game-type");
        menu.optoditest[2].UserClick();
        Save(menu, "menu-hall-of-fame-all");
        Pick(menu.cmbNames, "Priya");
        Save(menu, "menu-hall-of-fame-player");
        menu.cmdReset.UserClick();
        menu.optoditest[0].UserClick();
        Save(menu, "menu-2-players");
        menu.opt1p2p[1].UserClick();
        Save(menu, "menu-3-names");
        menu.txtName.Text = "Sam Okonkwo-Bellweather";
        menu.cmdGo.UserClick();
        menu.txtName.Text = "Priya";
        menu.cmdGo.UserClick();
        Pick(menu.cmbCountry[1], "South Africa");
        Save(menu, "menu-4-countries");
        Pick(menu.cmbCountry[0], "New Zealand");
        Save(menu, "menu-5-ready");
        menu.Unload();
    }

    // A match left after 27.3 overs, as the menu offers it back at the next start.
    void KeptMatchStage()
    {
        KeepMatchesInPlay = true;
        SeedRandomDraw(31);
        SetUpQuickMatch({ "Australia", "Bangladesh", "Priya", kComputer, 50, 0 });
        FrmMain& screen = frmMain();
        for (int over = 0; over < 27; ++over)
            screen.CmdNOver.UserClick();
        for (int ball = 0; ball < 3; ++ball)
            screen.CmdNBowl.UserClick();
        // Gone as a crash would take it: nothing unloaded, nothing more written.
        forms::ResetAll();
        keeper::CloseArchive();
        State = MatchState {};
        KeepMatchesInPlay = false;
        FrmMenu& menu = frmMenu();
        menu.Show();
        Save(menu, "menu-resume");
        menu.Unload();
    }

    void Run()
    {
        {
            ScratchFolder scratch;
            MenuStages();
            KeptMatchStage();
            snapshot::WorldCupStages(); // before the team editor's stages remove a squad
            snapshot::PreMatchStages();
        }
        SeedRandomDraw(2024);
        // The computer bats first, so the player's side fields and chooses its bowlers.
        SetUpQuickMatch({ "Australia", "Bangladesh", "Player", kComputer, 50, 1 });
        FrmMain& screen = frmMain();
        screen.Show();

        PlayOvers(screen, 13);
        screen.CmdNBowl.UserClick();
        screen.CmdNBowl.UserClick();
        SaveEveryTab(screen, "first-innings");
        screen.lblNxtBlr.UserClick(); // the bowler change, photographed when it opens
        screen.SSTab1.Tab = 1;
        screen.lblBatName[0].UserClick(); // the batting statistics

        PlayOvers(screen, 50);
        SaveEveryTab(screen, "innings-break");

        screen.cmdChange.UserClick();
        PlayOvers(screen, 20);
        Save(screen, "match-chase-commentary"); // the status line at its longest
        PlayOvers(screen, 50);
        SaveEveryTab(screen, "result");
    }

} // namespace
} // namespace stumpcraft

int main(int argc, char** argv)
{
    using namespace stumpcraft;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qt::InstallLook();
    snapshot::outFolder = "snapshots";
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--quiet")
            snapshot::quiet = true;
        else if (std::string(argv[i]) == "--zoom" && i + 1 < argc)
            qt::SetOpeningZoom(std::atof(argv[++i]), false);
        else
            snapshot::outFolder = argv[i];
    }
    std::filesystem::create_directories(snapshot::outFolder);

    SnapshotToolkit toolkit;
    Platform().toolkit = &toolkit;
    try {
        qt::RunGameEvent(Run);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        ++snapshot::failures;
    }
    forms::ResetAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Platform() = Services {};
    return snapshot::failures == 0 ? 0 : 1;
}
