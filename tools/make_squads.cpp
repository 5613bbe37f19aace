// make_squads: turns the readable text of a squad into the team file the game reads.
//
//     make_squads <squad.txt> <squad.lst>
//
// The text is checked line by line; a mistake is reported as "file:line: what is wrong" and
// no team file is written.

#include "modules/SquadText.h"
#include "modules/TeamFile.h"

#include <filesystem>
#include <fstream>
#include <iostream>

using namespace stumpcraft;

namespace {

int Fail(const std::string& message)
{
    std::cerr << "make_squads: " << message << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: make_squads <squad.txt> <squad.lst>");
    const std::filesystem::path input(argv[1]);
    const std::filesystem::path output(argv[2]);
    std::ifstream in(input);
    if (!in)
        return Fail("cannot open " + input.string());
    try {
        const SquadBytes bytes = EncodeSquad(ParseSquadText(in, input.string()));
        std::ofstream out(output, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(output);
            return Fail("cannot write " + output.string());
        }
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    return 0;
}
