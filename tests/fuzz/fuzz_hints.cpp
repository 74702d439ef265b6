// The pile hint file "solr.dat" on any bytes: every look-up of a pile's hint text ends, and a text
// found is made of what the file holds (it is never longer than the file).

#include "engine/PileHints.h"
#include "fuzz/FuzzFiles.h"
#include "model/Deal.h"
#include "model/Session.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::WriteInput("solr.dat", data, size);
    Session s;
    s.ProgramFolder = fuzz::Folder();
    s.SetFlag(GameInPlay, true);
    s.GameAttr[375] = 8;
    for (const char* game : {"0101", "0103", "0107", "9999"}) {
        s.Params.WriteParam(kParamGame, kParamGameWidth, game);
        for (const char* pile : {"Fila1", "Fila3", "Dest1", "Appogg2", "Mazzo", "Mazzo_Vis", "Mazzo_Waste"}) {
            const std::string text = LookUpHintText(s, pile, PileNumber(pile) - 1);
            if (text.size() > size)
                fuzz::Fail("a hint text longer than the file it came from");
            const PileHintTexts shown = PileHintFor(s, pile);
            if (!text.empty() && shown.rule != text)
                fuzz::Fail("the status bar does not show the hint file's text");
        }
    }
    return 0;
}
