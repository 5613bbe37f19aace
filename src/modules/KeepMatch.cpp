#include "modules/KeepMatch.h"

#include "modules/MatchResult.h"
#include "modules/modVars.h"
#include "platform/Errors.h"

#include <chrono>
#include <memory>
#include <random>
#include <vector>

namespace stumpcraft {

namespace {
    struct Keeper {
        std::unique_ptr<MatchArchive> archive;
        long long id = 0; // the match being kept; 0 none
        std::string key;
        int presses = 0; // in the file already
        KeepDigest digest;
        std::vector<Press> pending; // of the press going on
        std::string opening; // taken as the screen loads, kept once it has opened
    };
    Keeper keeping;

    // A name no other match will have, drawn apart from the game's generator: keeping a match
    // must not change a single draw of it.
    std::string NewMatchKey()
    {
        std::random_device device;
        const auto now = static_cast<unsigned long long>(
            std::chrono::system_clock::now().time_since_epoch().count());
        const unsigned long long value
            = (static_cast<unsigned long long>(device()) << 32U ^ device()) ^ now;
        static const char* const kHex = "0123456789abcdef";
        std::string key;
        for (int shift = 60; shift >= 0; shift -= 4)
            key += kHex[(value >> static_cast<unsigned>(shift)) & 15U];
        return key;
    }

    std::string DecidedTitle()
    {
        return Teams[FirstBatSide].Country + " v " + Teams[1 - FirstBatSide].Country + ": "
            + ResultLine();
    }

    // A file that cannot be written is told once; the match goes on without being kept.
    void GiveUp(const RuntimeError& error)
    {
        keeper::Stop();
        ShowErrorBox(RuntimeError(error.Number(),
            error.Description() + "\n\nThe match goes on, but it is not kept from here on."));
    }
} // namespace

namespace keeper {

    MatchArchive* Archive()
    {
        if (keeping.archive)
            return keeping.archive.get();
        const std::string path = MatchArchive::DefaultPath();
        try {
            keeping.archive = MatchArchive::OpenForKeeping(path);
        } catch (const KeptMatchDamaged&) {
            // Damaged since the menu looked at it: it goes aside, and a new file takes its place.
            MatchArchive::SetAside(path);
            keeping.archive = MatchArchive::OpenForKeeping(path);
        }
        return keeping.archive.get();
    }

    void CloseArchive()
    {
        Stop();
        keeping.archive.reset();
    }

    void BeginMatch()
    {
        if (!KeepMatchesInPlay)
            return;
        Stop();
        keeping.opening = OpeningOfMatch();
    }

    void Opened()
    {
        if (keeping.opening.empty())
            return;
        const std::string opening = std::move(keeping.opening);
        keeping.opening.clear();
        try {
            MatchArchive* archive = Archive();
            KeepDigest digest;
            digest.Add(opening);
            const std::string key = NewMatchKey();
            keeping.id = archive->Begin(key, opening, MatchFingerprint(), digest.Text());
            keeping.key = key;
            keeping.digest = digest;
        } catch (const RuntimeError& error) {
            GiveUp(error);
        } catch (const KeptMatchDamaged& damaged) {
            GiveUp(RuntimeError(errors::DatabaseCorrupt, damaged.what()));
        }
    }

    void GoOn(const MatchArchive::Kept& kept)
    {
        Stop();
        if (!KeepMatchesInPlay || kept.finished)
            return;
        try {
            Archive();
        } catch (const RuntimeError& error) {
            GiveUp(error);
            return;
        }
        keeping.id = kept.id;
        keeping.key = kept.key;
        keeping.presses = static_cast<int>(kept.presses.size());
        keeping.digest.Add(kept.opening);
        for (const Press& p : kept.presses)
            keeping.digest.Add(p);
    }

    void Note(PressKind kind, int a, int b)
    {
        if (keeping.id != 0)
            keeping.pending.push_back({ kind, a, b, DeliveriesPlayed() });
    }

    void PressDone()
    {
        if (keeping.id == 0 || keeping.pending.empty())
            return;
        try {
            for (const Press& p : keeping.pending)
                keeping.digest.Add(p);
            const std::string title = MatchOver ? DecidedTitle() : "";
            keeping.archive->Append(keeping.id, keeping.pending, keeping.presses,
                MatchFingerprint(), keeping.digest.Text(), MatchOver ? &title : nullptr);
            keeping.presses += static_cast<int>(keeping.pending.size());
            keeping.pending.clear();
            if (MatchOver)
                Stop(); // kept among the decided matches; nothing more to keep
        } catch (const RuntimeError& error) {
            GiveUp(error);
        }
    }

    void Stop()
    {
        keeping.id = 0;
        keeping.key.clear();
        keeping.presses = 0;
        keeping.digest = {};
        keeping.pending.clear();
        keeping.opening.clear();
    }

    const std::string& MatchKey() { return keeping.key; }

} // namespace keeper

} // namespace stumpcraft
