#include "engine/Engine.h"

#include "engine/Autoplay.h"
#include "engine/GameEnd.h"
#include "engine/SelectionGames.h"
#include "engine/Stock.h"

namespace quillon {

void InstallEngine(Session& s) {
    InstallPlayHooks(s);
    InstallStockHooks(s);
    InstallAutoplayHooks(s);
    InstallSelectionHooks(s);
}

} // namespace quillon
