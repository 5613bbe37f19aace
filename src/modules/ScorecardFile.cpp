#include "modules/ScorecardFile.h"

#include "modules/MatchResult.h"
#include "modules/Scorecard.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace stumpcraft {

namespace {
    namespace fs = std::filesystem;

    std::string Stamp(const std::tm& when, const char* format)
    {
        char buffer[32];
        const std::size_t n = std::strftime(buffer, sizeof buffer, format, &when);
        return std::string(buffer, n);
    }

    // A country's name as part of a file name: no separator or character a desktop refuses.
    std::string FileNamePart(const std::string& text)
    {
        std::string out;
        for (const char c : text) {
            const bool refused = static_cast<unsigned char>(c) < 0x20
                || std::string("/\\:*?\"<>|").find(c) != std::string::npos;
            out += refused ? '_' : c;
        }
        return out;
    }

    RuntimeError CannotWrite(const std::string& what, const std::string& why)
    {
        return RuntimeError(errors::PathFileAccess, what + " cannot be written: " + why);
    }

    void WriteFile(const fs::path& path, const std::string& content)
    {
        errno = 0;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (out)
            out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (out)
            out.close();
        if (!out) {
            const int why = errno;
            std::error_code ec;
            fs::remove(path, ec);
            throw CannotWrite(path.string(),
                why ? std::generic_category().message(why) : "the file could not be filled");
        }
    }
} // namespace

std::string ScorecardFolder() { return PlayerFile("Scorecards"); }

namespace {
    // The folder, made when missing.
    fs::path ReadyFolder()
    {
        const fs::path folder = ScorecardFolder();
        std::error_code ec;
        if (fs::exists(folder, ec) && !fs::is_directory(folder, ec))
            throw CannotWrite("The folder " + folder.string(), "a file of that name is there");
        fs::create_directories(folder, ec);
        if (ec)
            throw CannotWrite("The folder " + folder.string(), ec.message());
        return folder;
    }
} // namespace

std::string KeepPage(const std::tm& when, const std::string& what, const std::string& html)
{
    const fs::path page
        = ReadyFolder() / (Stamp(when, "%Y-%m-%d %H-%M-%S ") + FileNamePart(what) + ".html");
    WriteFile(page, html);
    return page.string();
}

std::string WriteScorecards(const std::tm& when)
{
    const fs::path folder = ReadyFolder();
    std::error_code ec;

    const MatchCard card = ScorecardOfMatch(Stamp(when, "%Y-%m-%d %H:%M"));
    const std::string name = Stamp(when, "%Y-%m-%d %H-%M-%S ")
        + FileNamePart(Teams[FirstBatSide].Country) + " v "
        + FileNamePart(Teams[1 - FirstBatSide].Country);
    const fs::path base = folder / name;
    fs::path text = base, page = base;
    text += ".txt";
    page += ".html";
    WriteFile(text, ScorecardText(card));
    try {
        WriteFile(page, ScorecardHtml(card));
    } catch (const RuntimeError&) {
        fs::remove(text, ec);
        throw;
    }
    return base.string();
}

void KeepScorecard()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    try {
        // The status line says so until the next ball, the full path in its tooltip.
        State.KeptScorecard = WriteScorecards(local);
        State.KeptScorecardNoted = true;
    } catch (const RuntimeError& e) {
        MsgBox(
            std::string("The scorecard could not be kept. ") + e.what() + ".\nThe match goes on.",
            MsgButtons::OK, MsgIcon::Exclamation);
    }
}

} // namespace stumpcraft
