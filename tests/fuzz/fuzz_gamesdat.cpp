// The game-definition file on any bytes: the game list, the byte shift of its cells and the
// loading of every game it lists never fail hard.

#include "fuzz/FuzzFiles.h"
#include "model/GameDefinitions.h"
#include "model/ParamString.h"
#include "model/Session.h"

#include <string_view>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitLines(text);
    (void)ExtractSection(lines, "[Sect2]");
    for (size_t i = 0; i < lines.size() && i < 4; ++i)
        (void)Unshift(lines[i]);
    Session s;
    s.Game.GameList = GameListFromText(text);
    for (size_t i = 0; i < s.Game.GameList.size() && i < 64; ++i) {
        const std::string& line = s.Game.GameList[i];
        const int number = line.size() >= 7 ? std::atoi(line.substr(4, 3).c_str()) : -1;
        (void)GameName(s, number);
        (void)GameGroup(s, number);
        s.Params.WriteParam(62, 4, FormatFixed(number, 4));
        (void)LoadGameDefinitionFromText(s, text);
        RestoreSavedAttributes(s);
    }
    return 0;
}
