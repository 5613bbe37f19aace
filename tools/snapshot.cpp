// Renders each window of the game offscreen into PNG files, in a few states a player meets:
// the main menu at each stage of a game's setup and its hall of fame, the match screen on
// every tab mid-innings, at the innings break and after the result, the bowler change and the
// batting statistics. For reviewing the look of the windows, and for the manual.
//
//   snapshot [output folder]     (default: ./snapshots; squads come from the program's folder)
#include "qt/Snapshot.h"

#include "forms/frmBatStat.h"
#include "forms/frmBowlChange.h"
#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "modules/QuickMatch.h"
#include "modules/RecordsStore.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "platform/Services.h"
#include "qt/Renderer.h"

#include <QApplication>
#include <QDir>
#include <filesystem>
#include <iostream>
#include <set>

namespace stumpcraft {
namespace {

    std::filesystem::path outFolder;
    int failures = 0;

    void Save(Form& form, const std::string& name)
    {
        const std::string path = (outFolder / (name + ".png")).string();
        if (qt::SaveSnapshot(form, path)) {
            std::cout << path << "\n";
        } else {
            std::cerr << "could not write " << path << "\n";
            ++failures;
        }
    }

    // A toolkit that never waits for a person: message boxes are printed and answered OK, and a
    // modal window is photographed once and then handled as a player would.
    class SnapshotToolkit : public Toolkit {
    public:
        MsgResult MessageBox(
            const std::string& text, MsgButtons, MsgIcon, const std::string& title) override
        {
            std::cout << "[" << title << "] " << text << "\n";
            return MsgResult::OK;
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
        static const char* const tabs[] = { "commentary", "batting", "bowling", "partnerships" };
        for (int tab = 0; tab < 4; ++tab) {
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

    void Pick(ComboBox& list, const std::string& entry)
    {
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.List(i) == entry)
                list.ListIndex = i;
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

    void MenuStages()
    {
        const std::string programFolder = AppPath();
        const auto records = std::filesystem::temp_directory_path() / "stumpcraft-snapshot";
        std::filesystem::remove_all(records);
        std::filesystem::create_directories(records);
        SetAppPath(records.string());
        FillRecords();

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
        cnRecords.reset();
        SetAppPath(programFolder);
        std::filesystem::remove_all(records);
    }

    void Run()
    {
        MenuStages();
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
    outFolder = argc > 1 ? argv[1] : "snapshots";
    std::filesystem::create_directories(outFolder);

    SnapshotToolkit toolkit;
    Platform().toolkit = &toolkit;
    try {
        qt::RunGameEvent(Run);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        ++failures;
    }
    forms::ResetAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Platform() = Services {};
    return failures == 0 ? 0 : 1;
}
