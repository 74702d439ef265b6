// The custom-game file on any bytes: its list, the base game of every custom game and the rule
// strings applied to a game's attributes never fail hard.

#include "fuzz/FuzzFiles.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::WriteInput("GAM_CUST.DAT", data, size);
    Session s;
    s.DataFolder = fuzz::Folder();
    const CustomGames games = CustomGameList(s);
    for (size_t i = 0; i < games.numbers.size() && i < 32; ++i) {
        const int number = std::atoi(games.numbers[i].c_str());
        const CustomBase base = CustomGameBase(s, number);
        ApplyCustomRules(s, base.rules);
    }
    ApplyCustomRules(s, std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
