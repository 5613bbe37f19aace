#include "forms/MatchReplay.h"

#include "forms/HeadlessMatch.h"
#include "forms/frmBowlChange.h"
#include "forms/frmMain.h"
#include "modules/KeepMatch.h"
#include "modules/MatchText.h"
#include "modules/modAgent.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

namespace stumpcraft {

namespace {
    // The toolkit of a match played again. What the game says goes unread: it said it the
    // first time. The bowler change that a press opens takes the bowler the player chose, or
    // closes as the player closed it when he chose none.
    class ReplayToolkit : public Toolkit {
    public:
        explicit ReplayToolkit(const std::vector<Press>& log)
            : presses(log)
        {
        }
        MsgResult MessageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override
        {
            return MsgResult::OK;
        }
        void DoEvents() override { }
        void Pause(int) override { }
        ScreenSize Screen() override { return { 1280, 800 }; }
        void EndProgram() override { }
        void ShowForm(Form& form, bool modal) override
        {
            if (!modal)
                return;
            auto* change = dynamic_cast<FrmBowlChange*>(&form);
            if (change && Next(PressKind::Bowler)) {
                const Press& p = presses[next++];
                if (p.at != DeliveriesPlayed())
                    problem = true;
                else
                    change->lblBlrName_Click(p.a);
            }
            if (form.IsLoaded())
                form.Unload();
        }

        bool Next(PressKind kind) const
        {
            return next < presses.size() && presses[next].kind == kind;
        }

        // Before a delivery: the levels the player set while the balls before it were told.
        void PutBackLevels(FrmMain& f)
        {
            while (Next(PressKind::Level) && presses[next].at == DeliveriesPlayed()) {
                const Press& p = presses[next++];
                f.HScroll1[p.a].Value = p.b;
            }
        }

        const std::vector<Press>& presses;
        std::size_t next = 0;
        bool problem = false;
    };

    ReplayToolkit* replaying = nullptr;
    const std::function<void()>* stopAt = nullptr;

    void AfterReplayedDelivery()
    {
        if (stopAt && *stopAt)
            (*stopAt)();
    }

    void BeforeReplayedDelivery()
    {
        if (replaying)
            replaying->PutBackLevels(frmMain());
    }

    // Plays one press of the log again; false when it could not be where it was.
    bool PressAgain(FrmMain& f, ReplayToolkit& toolkit)
    {
        const Press p = toolkit.presses[toolkit.next++];
        if (p.at != DeliveriesPlayed())
            return false;
        switch (p.kind) {
        case PressKind::Bowl:
            f.CmdNBowl.UserClick();
            break;
        case PressKind::Over:
            f.CmdNOver.UserClick();
            break;
        case PressKind::Innings:
            if (State.InningsButtonMode != InningsButton::ChangeInnings)
                return false;
            f.cmdChange.UserClick();
            AfterReplayedDelivery();
            break;
        case PressKind::Bowler: {
            // Chosen from the next-bowler label: the bowler change it opens takes him.
            const std::size_t at = --toolkit.next;
            f.lblNxtBlr.UserClick();
            return toolkit.next == at + 1;
        }
        case PressKind::Level:
            f.HScroll1[p.a].Value = p.b;
            break;
        }
        return true;
    }

    const char* const kWelcomeBack
        = "Welcome back! We carry on just where we left off.|Welcome back! The match "
          "goes on where it stopped.";
} // namespace

FrmMain& ReplayKeptMatch(const MatchArchive::Kept& kept, const std::function<void()>& stop)
{
    if (FrmMain* open = forms::IfLoaded<FrmMain>())
        open->Unload();
    ReplayToolkit toolkit(kept.presses);
    bool whole = false;
    {
        QuietMatch quiet(toolkit);
        RestoreOpening(kept.opening);
        replaying = &toolkit;
        stopAt = &stop;
        BeforeEachDelivery = &BeforeReplayedDelivery;
        AfterEachDelivery = &AfterReplayedDelivery;
        FrmMain& f = frmMain();
        try {
            AfterReplayedDelivery(); // the screen as it opens
            while (toolkit.next < toolkit.presses.size() && !toolkit.problem) {
                const std::size_t before = toolkit.next;
                if (!PressAgain(f, toolkit) || toolkit.next == before)
                    toolkit.problem = true;
            }
            whole = !toolkit.problem && MatchFingerprint() == kept.snapshot;
        } catch (const std::exception&) {
            whole = false;
        }
        replaying = nullptr;
        stopAt = nullptr;
        BeforeEachDelivery = nullptr;
        AfterEachDelivery = nullptr;
        if (!whole && f.IsLoaded())
            f.Unload();
    }
    if (!whole)
        throw KeptMatchDamaged("the presses do not lead to the kept score");
    return frmMain();
}

void RefuseKeptFile(const std::string& path)
{
    keeper::CloseArchive();
    const std::string aside = MatchArchive::SetAside(path);
    std::string text = "The match kept from an earlier game could not be taken back: \"" + path
        + "\" is damaged, or was written by another program or another version of Stumpcraft.";
    text += aside.empty() ? " It could not be moved out of the way either."
                          : " It has been set aside as \"" + aside + "\".";
    MsgBox(text, MsgButtons::OK, MsgIcon::Exclamation);
}

std::optional<KeptMatchOffer> OfferKeptMatch()
{
    const std::string path = MatchArchive::DefaultPath();
    std::optional<KeptMatchOffer> offer;
    try {
        MatchArchive* archive = nullptr;
        std::unique_ptr<MatchArchive> opened = MatchArchive::OpenExisting(path);
        archive = opened.get();
        if (!archive)
            return std::nullopt;
        if (auto kept = archive->Unfinished()) {
            FrmMain& f = ReplayKeptMatch(*kept);
            offer = KeptMatchOffer { std::move(*kept), MatchInProgressText() };
            f.Unload();
        }
    } catch (const KeptMatchDamaged&) {
        FreshMatchState();
        RefuseKeptFile(path);
        return std::nullopt;
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
    }
    FreshMatchState();
    return offer;
}

bool ResumeKeptMatch(const MatchArchive::Kept& kept)
{
    FrmMain* screen = nullptr;
    try {
        screen = &ReplayKeptMatch(kept);
    } catch (const KeptMatchDamaged&) {
        FreshMatchState();
        RefuseKeptFile(MatchArchive::DefaultPath());
        return false;
    }
    keeper::GoOn(kept);
    screen->Show();
    if (State.InningsButtonMode == InningsButton::ChangeInnings)
        screen->cmdChange.SetFocus();
    else if (!State.InningsClosed)
        screen->CmdNOver.SetFocus();
    if (AgentOn && AgentChar) {
        AgentChar->StopAll();
        Announce(Line(kWelcomeBack), false);
    }
    return true;
}

void DiscardKeptMatch(const MatchArchive::Kept& kept)
{
    try {
        if (MatchArchive* archive = keeper::Archive())
            archive->Discard(kept.id);
    } catch (const RuntimeError& error) {
        ShowErrorBox(error);
    } catch (const KeptMatchDamaged&) {
        RefuseKeptFile(MatchArchive::DefaultPath());
    }
}

} // namespace stumpcraft
