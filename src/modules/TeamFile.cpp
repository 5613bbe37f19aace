#include "modules/TeamFile.h"

#include "platform/AppPath.h"
#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/FileReplace.h"
#include "platform/RecordFile.h"

#include <algorithm>
#include <limits>

namespace stumpcraft {

namespace {

    constexpr int kTypeOffset = 30;
    constexpr int kBatOffset = 32;
    constexpr int kBallOffset = 34;
    constexpr const char* kPlayerTypes[] = { "Batsman", "Bowler", "AllRounder", "WicketKeeper" };

    std::string FileNameOf(const std::string& country) { return country + ".lst"; }

    // A country name is used as a file name; one that could name another folder is refused.
    bool SafeCountryName(const std::string& country)
    {
        return !country.empty()
            && country.find_first_of(std::string("/\\:\0", 4)) == std::string::npos;
    }

    void CheckCountryName(const std::string& country)
    {
        if (!SafeCountryName(country))
            throw RuntimeError(errors::PathFileAccess,
                "\"" + country + "\" cannot be used as the name of a squad file.");
    }

    // The same error, told as what it means for this squad file.
    RuntimeError SquadFileError(
        const std::string& country, const std::string& what, const RuntimeError& cause)
    {
        return RuntimeError(cause.Number(),
            "The squad file " + FileNameOf(country) + " " + what + ": " + cause.Description()
                + ".");
    }

    void PutInt16(std::uint8_t* at, int value)
    {
        if (value < std::numeric_limits<std::int16_t>::min()
            || value > std::numeric_limits<std::int16_t>::max())
            throw RuntimeError(errors::Overflow,
                "The value " + std::to_string(value) + " does not fit in a squad file.");
        const auto bits = static_cast<std::uint16_t>(value);
        at[0] = static_cast<std::uint8_t>(bits & 0xFF);
        at[1] = static_cast<std::uint8_t>(bits >> 8);
    }

    int GetInt16(const std::uint8_t* at)
    {
        const auto bits = static_cast<std::uint16_t>(at[0] | (at[1] << 8));
        return static_cast<std::int16_t>(bits);
    }

    // The 30 bytes of a name on disk.
    std::string EncodeName(const std::string& name)
    {
        std::string bytes = Utf8ToCp1252(name);
        bytes.resize(kPlrNameLength, ' ');
        return bytes;
    }

    // Control bytes, such as the zeros another tool may pad with, would show as garbage in a
    // caption; they read as the spaces they stand for.
    std::string DecodeName(std::string bytes)
    {
        for (char& c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7F)
                c = ' ';
        }
        return Cp1252ToUtf8(bytes);
    }

} // namespace

std::string TeamFilePath(const std::string& country)
{
    return PlayerOrShippedFile(FileNameOf(country));
}

std::string TeamFileSavePath(const std::string& country) { return PlayerFile(FileNameOf(country)); }

bool TeamExists(const std::string& country)
{
    return SafeCountryName(country) && FileExistsExactCase(TeamFilePath(country));
}

void ReadSquad()
{
    const std::string country = TeamFileName;
    CheckCountryName(country);
    const std::string path = TeamFilePath(country);
    SquadBytes bytes {};
    try {
        RecordFile file(path, kTeamRecordLength, RecordFile::Access::Read);
        if (const int records = file.Records(); records < kSquadSize)
            throw RuntimeError(errors::InputPastEnd,
                "it holds " + std::to_string(records) + " of the " + std::to_string(kSquadSize)
                    + " players");
        file.Read(1, bytes);
        file.Close();
    } catch (const RuntimeError& e) {
        if (e.Number() == errors::InputPastEnd)
            throw SquadFileError(country, "is incomplete", e);
        throw SquadFileError(country, "could not be read", e);
    }
    // Only a squad read whole replaces the one in memory.
    Squad squad;
    for (int i = 0; i < kSquadSize; ++i)
        squad[static_cast<std::size_t>(i)]
            = DecodeTeamRecord(std::span<const std::uint8_t, kTeamRecordLength>(
                bytes.data() + i * kTeamRecordLength, kTeamRecordLength));
    for (int i = 0; i < kSquadSize; ++i)
        TeamList[i] = squad[static_cast<std::size_t>(i)];
}

void WriteSquad()
{
    const std::string country = TeamFileName;
    CheckCountryName(country);
    const std::string path = TeamFileSavePath(country);
    Squad squad;
    for (int i = 0; i < kSquadSize; ++i)
        squad[static_cast<std::size_t>(i)] = TeamList[i];
    const SquadBytes bytes = EncodeSquad(squad); // a value that cannot be stored stops us here
    try {
        // Whole or not at all: a full disk or a crash halfway leaves the old squad, not half
        // of each.
        ReplaceFileStart(path, bytes);
    } catch (const RuntimeError& e) {
        throw SquadFileError(country, "could not be saved", e);
    }
}

Squad DefaultSquad()
{
    Squad squad;
    for (int i = 0; i < kSquadSize; ++i) {
        TeamListEntry& entry = squad[static_cast<std::size_t>(i)];
        entry.PlrName = FitPlrName("Player " + std::to_string(i + 1));
        entry.PlrType = 0;
        entry.BatRateIndex = 4;
        entry.BallRateIndex = 4;
    }
    return squad;
}

std::string FitPlrName(const std::string& name) { return DecodeName(EncodeName(name)); }

TeamRecordBytes EncodeTeamRecord(const TeamListEntry& entry)
{
    TeamRecordBytes bytes {};
    const std::string name = EncodeName(entry.PlrName);
    std::copy(name.begin(), name.end(), bytes.begin());
    PutInt16(bytes.data() + kTypeOffset, entry.PlrType);
    PutInt16(bytes.data() + kBatOffset, entry.BatRateIndex);
    PutInt16(bytes.data() + kBallOffset, entry.BallRateIndex);
    return bytes;
}

TeamListEntry DecodeTeamRecord(std::span<const std::uint8_t, kTeamRecordLength> bytes)
{
    TeamListEntry entry;
    entry.PlrName = DecodeName(std::string(bytes.begin(), bytes.begin() + kPlrNameLength));
    entry.PlrType = GetInt16(bytes.data() + kTypeOffset);
    entry.BatRateIndex = GetInt16(bytes.data() + kBatOffset);
    entry.BallRateIndex = GetInt16(bytes.data() + kBallOffset);
    return entry;
}

SquadBytes EncodeSquad(const Squad& squad)
{
    SquadBytes bytes {};
    auto out = bytes.begin();
    for (const TeamListEntry& entry : squad) {
        const TeamRecordBytes record = EncodeTeamRecord(entry);
        out = std::copy(record.begin(), record.end(), out);
    }
    return bytes;
}

int ClampPlayerType(int index) { return std::clamp(index, 0, 3); }

int ClampRatingIndex(int index) { return std::clamp(index, 0, 4); }

std::string PlayerTypeName(int index) { return kPlayerTypes[ClampPlayerType(index)]; }

int RatingFromIndex(int index) { return 5 - ClampRatingIndex(index); }

int RatingIndexOf(int rating) { return ClampRatingIndex(5 - rating); }

} // namespace stumpcraft
