#pragma once
// One game dealt from a code for the solver: the engine's hooks as the window installs them,
// laid out in a 1024 x 768 table with the big cards, and made ready for searching.

#include "engine/Engine.h"
#include "engine/GameEnd.h"
#include "engine/Solver.h"
#include "model/Deal.h"
#include "model/Session.h"
#include "table/PileLayout.h"

#include <cstdlib>
#include <string>

namespace quillon {

struct SearchDeal {
    Session s;
    bool ok = false;
    std::string error;
    SearchDeal(int game, const std::string& code) {
        // The program folder; without the variable, the one beside the tests' own folder.
        const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
        s.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
        InstallEngine(s);
        ok = LoadAndDeal(s, game, code, error);
        if (!ok)
            return;
        LayoutForClientArea(s, 1024, 768, 'B');
        PrepareForSearch(s);
    }
};

} // namespace quillon
