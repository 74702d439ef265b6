#pragma once
// One game dealt from a code as the window deals it for play: the engine's hooks installed, laid
// out in a 1024 x 768 table with the big cards, no card flights, the deal finished and the game in
// play. A view the caller wants to watch must be set on the session before.

#include "engine/Engine.h"
#include "engine/GameEnd.h"
#include "model/Deal.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "table/PileLayout.h"

#include <cstdlib>
#include <string>

namespace quillon {

inline bool DealForPlay(Session& s, int game, const char* code, std::string& error) {
    // The program folder; without the variable, the one beside the tests' own folder.
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    s.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
    InstallEngine(s);
    if (!LoadAndDeal(s, game, code, error))
        return false;
    LayoutForClientArea(s, 1024, 768, 'B');
    s.Params.WriteParam(param::CardsAnimate, 1, "N");
    s.Game.DealDone = 1;
    s.SetFlag(GameInPlay, true);
    return true;
}

} // namespace quillon
