#pragma once

#include "modules/MatchOpening.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace stumpcraft {

namespace sqlite {
    class Database;
}

// The kept matches, in the file "matches.db" of the player's folder beside the records: the
// match in progress, offered back at the next start, and the last 50 decided matches, for
// watching again. Each match is its opening and its log of presses (one format for both);
// a snapshot of the score after the last press and a check over the opening and the log
// tell a match that is whole from one that is not.
//
// The file is an SQLite database in WAL mode, and every press is one transaction: a kill at
// any instant leaves the match as it was before the press or after it. The writes are not
// synced one by one (synchronous NORMAL): a power cut may take back the presses since the
// last checkpoint (one every eight presses or so), but never leaves a mixture.
class MatchArchive {
public:
    struct Kept {
        long long id = 0;
        std::string key; // the match's own name, by which the records count it once
        long long started = 0; // seconds since 1970
        std::string opening;
        std::vector<Press> presses;
        std::string snapshot; // MatchFingerprint after the last press
        bool finished = false;
        std::string title; // a decided match: "Kenya v Ireland: Kenya win by 4 wickets"
    };
    struct Listed {
        long long id = 0;
        long long started = 0;
        std::string title;
    };
    static constexpr int kDecidedKept = 50;

    ~MatchArchive();
    MatchArchive(const MatchArchive&) = delete;
    MatchArchive& operator=(const MatchArchive&) = delete;

    // "matches.db" in the player's folder.
    static std::string DefaultPath();
    // The file as it is, to read what it keeps; none when there is no file. Throws
    // KeptMatchDamaged when it is not a file this version of the game wrote whole: a folder,
    // a FIFO, an empty or damaged file, another program's database or another version's.
    static std::unique_ptr<MatchArchive> OpenExisting(const std::string& path);
    // The file to keep matches in, made when missing. Throws as OpenExisting.
    static std::unique_ptr<MatchArchive> OpenForKeeping(const std::string& path);
    // Moves a file that was refused out of the way, with its journal, under a name of its
    // own beside it ("matches.db.set-aside-1", ...). Returns that name, or "" if it could not.
    static std::string SetAside(const std::string& path);

    // The match in progress, checked whole; none when there is none.
    std::optional<Kept> Unfinished();
    // One kept match, checked whole.
    Kept Load(long long id);
    // The decided matches, the newest first.
    std::vector<Listed> Decided(int most = kDecidedKept);

    // A new match in progress, in place of any other. Returns its id.
    long long Begin(const std::string& key, const std::string& opening, const std::string& snapshot,
        const std::string& digest);
    // The presses since the last, in one transaction with the snapshot and the check after
    // them. A decided match (with its title) is kept among the decided ones, the oldest
    // beyond 50 going.
    void Append(long long id, const std::vector<Press>& presses, int pressesBefore,
        const std::string& snapshot, const std::string& digest, const std::string* decidedTitle);
    void Discard(long long id);

private:
    explicit MatchArchive(std::unique_ptr<sqlite::Database> db);
    void Tune();

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace stumpcraft
