#pragma once
// The pile hints of the status bar: what kind of pile lies under the pointer, how many piles of
// that kind the game has, how many cards it holds, the rule for building on it and the redeals of
// the stock. Rule texts may carry the suit codes "[h]", "[d]", "[c]" and "[s]", which the status
// bar draws as small suit pictures. The hint file "solr.dat" of the program folder may replace
// the rule text of a game's pile.

#include "model/Session.h"

#include <string>
#include <string_view>

namespace quillon {

// The description of a building rule: "Build " + direction word + suit phrase + " " + example.
// The code is `override` unless that is -1, else `rule`; code 4 is the foundation sentence and
// any other unknown code leaves one blank.
std::string RuleText(int rule, int direction, int override);

// The five texts of the status bar's panels 0 to 4 and the picture of panel 0.
struct PileHintTexts {
    std::string kind;    // "Stock", "Waste", "Foundation", "Tableau", "Reserve"; empty over no pile
    std::string picture; // "STATUSBAR_STOCK", ...
    std::string count;   // piles of that kind
    std::string cards;   // "1 card", "0 cards"
    std::string rule;
    std::string redeals; // "Unlimited redeals", "No redeal", "0/2 redeals"
    bool operator==(const PileHintTexts&) const = default;
};

// The texts of the named pile (empty: no pile) as the status bar shows them: generated from the
// game's attributes, the rule text replaced by the hint file's when it has one, everything but the
// count emptied when no game is in play.
PileHintTexts PileHintFor(Session& s, const std::string& pile);
// The same for the pile under the table point (x, y), empty piles included.
PileHintTexts PileHintAt(Session& s, int x, int y);

// The kind of a pile by its name, the second waste "Mazzo_Waste" told from the stock.
int HintPileKind(std::string_view pile);

// The redeal text of the stock for the current pass.
std::string RedealText(const Session& s);
// "1 card", "n cards".
std::string CardCountText(int n);

// The hint file's rule text for a pile of the current game (the pile's own entry, else the entry
// for every pile of its kind); empty without "solr.dat" in the program folder or without an entry.
std::string LookUpHintText(const Session& s, const std::string& pileName, int pileIndex);

} // namespace quillon
