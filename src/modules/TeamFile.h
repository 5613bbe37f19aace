#pragma once

#include "modules/modVars.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace stumpcraft {

// The squad of a country, kept as "<Country>.lst" (see TeamFilePath): fifteen 36-byte records
// and nothing else. Record k holds player k; records 1 to 11 are the default Today's Eleven in
// batting order, 12 to 15 the reserves. A record is the name in 30 bytes of Windows-1252 padded
// with spaces, then the type, batting and bowling rating indexes as 16-bit little-endian
// integers at bytes 30, 32 and 34. In memory the squad is TeamList entries 0 to 14 with names
// in UTF-8; entry 15 is never touched.

constexpr int kSquadSize = 15;
constexpr int kTeamRecordLength = 36;
constexpr int kPlrNameLength = 30;

using TeamRecordBytes = std::array<std::uint8_t, kTeamRecordLength>;
using SquadBytes = std::array<std::uint8_t, kSquadSize * kTeamRecordLength>;
using Squad = std::array<TeamListEntry, kSquadSize>;

// Where the squad of a country is read: the player's own "<Country>.lst" when he has one, else
// the shipped one (PlayerOrShippedFile).
std::string TeamFilePath(const std::string& country);
// Where the team editor saves it: always the player's own file.
std::string TeamFileSavePath(const std::string& country);

// The team exists when the player's folder or the shipped files list a file of exactly that
// name, letter case included; a country whose name could reach outside the folder never
// exists.
bool TeamExists(const std::string& country);

// TeamList entries 0 to 14 from the squad file of TeamFileName. A file that is missing, holds
// fewer than 15 whole records or cannot be read throws RuntimeError with a message naming it,
// and leaves TeamList as it was. Fields are taken as stored, in range or not.
void ReadSquad();

// TeamList entries 0 to 14 as records 1 to 15 of the player's squad file of TeamFileName,
// created when missing; bytes beyond record 15 of his file stay. The file is replaced whole
// (ReplaceFileStart), so a failure leaves the old squad as it was. Failures throw RuntimeError
// naming the file.
void WriteSquad();

// The squad of a team that has no file yet: "Player 1" to "Player 15", batsmen rated 1.
Squad DefaultSquad();

// A name as the file keeps it: in Windows-1252, cut to 30 bytes, padded with spaces, and back.
std::string FitPlrName(const std::string& name);

// One record, field by field. A value beyond 16 bits cannot be stored and throws RuntimeError.
TeamRecordBytes EncodeTeamRecord(const TeamListEntry& entry);
TeamListEntry DecodeTeamRecord(std::span<const std::uint8_t, kTeamRecordLength> bytes);
SquadBytes EncodeSquad(const Squad& squad);

// Indexes as they are used: a value a damaged file gave out of range is brought to the nearest
// end of its range, so no list position, lookup or rating computed from it can fail.
int ClampPlayerType(int index); // 0 to 3
int ClampRatingIndex(int index); // 0 to 4
// "Batsman", "Bowler", "AllRounder" or "WicketKeeper".
std::string PlayerTypeName(int index);
// The rating 1 (worst) to 5 (best) of a rating index: 5 minus the index.
int RatingFromIndex(int index);
// The index of a rating: 5 minus the rating, clamped like ClampRatingIndex.
int RatingIndexOf(int rating);

} // namespace stumpcraft
