// mkpreview: writes the preview file "solp.dat" of the open-game dialog for every game of the
// definition file, and the plan of the "GAME" pictures for the games whose table a record cannot
// show (drawn by the resource-library builder).
//   mkpreview PROGRAM_FOLDER PICTURE_PLAN
// The plan holds per picture a line "GAMEnnnn CARDWIDTH CARDHEIGHT" followed by one line
// "picture x y" per piece and an empty line.
#include "PreviewLayout.h"

#include "model/GameDefinitions.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "platform/Files.h"

#include <cstdio>
#include <map>
#include <string>

using namespace quillon;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkpreview PROGRAM_FOLDER PICTURE_PLAN\n");
        return 2;
    }
    const std::string folder = WithSlash(argv[1]);
    Session s;
    s.ProgramFolder = folder;
    auto text = ReadGamesDat(s);
    if (!text) {
        std::fprintf(stderr, "mkpreview: cannot read %s\n", GamesDatPath(s).c_str());
        return 1;
    }
    s.Game.GameList = GameListFromText(*text);
    std::map<int, std::string> records;
    std::string plan;
    for (const std::string& line : s.Game.GameList) {
        int number = -1;
        if (line.size() < 7 || std::sscanf(line.substr(4, 3).c_str(), "%d", &number) != 1 || number < 0)
            continue;
        PreviewPlan p;
        std::string error;
        if (!PlanGamePreview(folder, number, p, error)) {
            std::fprintf(stderr, "mkpreview: game %d: %s\n", number, error.c_str());
            return 1;
        }
        if (p.record) {
            records[number] = FormatPreviewRecord(p.pieces);
            continue;
        }
        records[number] = "0000";
        plan += "GAME" + FormatFixed(number, 4) + " " + std::to_string(p.cardWidth) + " " +
                std::to_string(p.cardHeight) + "\n";
        for (const PreviewPiece& piece : p.pieces)
            plan += std::to_string(piece.picture) + " " + std::to_string(piece.x) + " " +
                    std::to_string(piece.y) + "\n";
        plan += "\n";
    }
    // Line g belongs to game g; numbers without a game get an empty line.
    std::string file;
    const int last = records.empty() ? -1 : records.rbegin()->first;
    for (int g = 0; g <= last; ++g) {
        auto it = records.find(g);
        file += (it == records.end() ? std::string() : StorePreviewRecord(it->second)) + "\r\n";
    }
    // A file that would not change is left alone, so that what is built from it (the resource
    // libraries from the picture plan) is not built again for nothing.
    auto write = [](const std::string& path, const std::string& bytes) {
        auto old = ReadWholeFile(path);
        return (old && *old == bytes) || WriteFileAtomic(path, bytes);
    };
    if (!write(folder + "solp.dat", file) || !write(argv[2], plan)) {
        std::fprintf(stderr, "mkpreview: cannot write the preview files\n");
        return 1;
    }
    return 0;
}
