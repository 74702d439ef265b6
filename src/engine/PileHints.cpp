#include "engine/PileHints.h"

#include "engine/MoveLegality.h"
#include "engine/PointerInput.h"
#include "model/Deal.h"
#include "model/Scramble.h"
#include "platform/Files.h"
#include "platform/SectionedKeyFile.h"

#include <array>

namespace quillon {

namespace {

// Attribute numbers read here.
constexpr int kAttrRedeals = 16, kAttrStockToWaste = 11, kAttrCardsPerTurn = 24;
constexpr int kAttrTableauRows = 295, kAttrReserveRows = 347;
constexpr int kAttrFoundations = 374, kAttrTableaus = 375, kAttrReserves = 376;
constexpr int kAttrFoundationDescribe = 487, kAttrTableauDescribe = 488;

constexpr const char* kTopCardText =
    "The top card is available for play to the foundations or to the tableau";

struct RulePhrase {
    const char* suit;
    std::array<const char*, 3> example; // down, up, up or down (by direction 0, 1, 2)
};

constexpr std::array<RulePhrase, 4> kPhrases{{
    {" in suit",
     {"(ex. 10 [s] on Jack [s])", "(ex. 2 [h] on Ace [h])", "(ex. 10 [d] on 9 [d] or on Jack [d])"}},
    {" by the same color",
     {"(ex. 10 [h] on Jack [h][d])", "(ex. 2 [h] on Ace [h][d])",
      "(ex. 10 [d] on 9 [d][h] or on Jack [d][h])"}},
    {" regardless of suit",
     {"(ex. 10 [d] on Jack [h][c][d][s])", "(ex. 2 [h] on Ace [h][c][d][s])",
      "(ex. 10 [c] on 9 or on Jack [h][c][d][s])"}},
    {" in alternating colors",
     {"(ex. 10 [d] on Jack [c][s])", "(ex. 2 [s] on Ace [h][d])",
      "(ex. 10 [h] on 9 [c][s] or on Jack [c][s])"}},
}};

std::string StockRuleText(const Session& s, bool empty) {
    const int redeals = s.Attr(kAttrRedeals);
    if (empty)
        return s.Game.RedealCount < redeals || redeals == -1 ? "Click to redeal" : "";
    if (s.Attr(kAttrStockToWaste) == 1) {
        const int turn = s.Attr(kAttrCardsPerTurn);
        if (turn == 1)
            return "Click to turn up one card at a time to the waste";
        if (turn >= 2)
            return "Click to turn up " + std::to_string(turn) + " cards at a time to the waste";
        return "";
    }
    if (s.Attr(kAttrTableauRows) > 0)
        return "Click to deal a new row of cards to the tableau";
    if (s.Attr(kAttrReserveRows) > 0)
        return "Click to deal a new row of cards to the reserve";
    return "";
}

} // namespace

int HintPileKind(std::string_view pile) {
    // "Mazzo_Waste" begins like the stock's name but is the second waste pile.
    return pile == "Mazzo_Waste" ? kSecondWasteKind : PileKind(pile);
}

std::string RuleText(int rule, int direction, int override) {
    const int c = override != -1 ? override : rule;
    const char* word = direction == 1   ? "up"
                       : direction == 0 ? "down"
                       : direction == 2 ? "up or down"
                                        : nullptr;
    std::string main;
    std::string example;
    if (c >= 0 && c < static_cast<int>(kPhrases.size())) {
        const RulePhrase& p = kPhrases[static_cast<size_t>(c)];
        // Without a direction word the main text keeps the blank after "Build".
        main = std::string("Build ") + (word ? word : "") + p.suit;
        if (word)
            example = p.example[static_cast<size_t>(direction)];
    } else if (c == 4) {
        main = "The top card is available for play to the foundations";
    }
    return main + " " + example;
}

std::string RedealText(const Session& s) {
    const int k = s.Attr(kAttrRedeals);
    if (k == -1)
        return "Unlimited redeals";
    if (k == 0)
        return "No redeal";
    if (k > 0)
        return std::to_string(s.Game.RedealCount - 1) + "/" + std::to_string(k - 1) + " redeals";
    return "";
}

std::string CardCountText(int n) {
    return std::to_string(n) + (n == 1 ? " card" : " cards");
}

PileHintTexts PileHintFor(Session& s, const std::string& pile) {
    PileHintTexts h;
    const std::string* content = pile.empty() ? nullptr : s.Piles.Find(pile);
    const int n = content ? PileSize(*content) : 0;
    const int index = PileNumber(pile) - 1;
    switch (content ? HintPileKind(pile) : kNotAPile) {
    case kStockKind:
        h.kind = "Stock", h.picture = "STATUSBAR_STOCK", h.count = "1";
        h.rule = StockRuleText(s, n == 0);
        break;
    case kWasteKind:
        h.kind = "Waste", h.picture = "STATUSBAR_WASTE", h.count = "1";
        h.rule = kTopCardText;
        break;
    case kSecondWasteKind:
        h.kind = "Waste", h.picture = "STATUSBAR_WASTE", h.count = "1";
        break;
    case kTableauKind:
        h.kind = "Tableau", h.picture = "STATUSBAR_TABLEAU", h.count = std::to_string(s.Attr(kAttrTableaus));
        h.rule = RuleText(s.Attr(attr::TableauRule + index), s.Attr(attr::TableauDir + index),
                          s.Attr(kAttrTableauDescribe));
        break;
    case kFoundationKind:
        h.kind = "Foundation", h.picture = "STATUSBAR_FOUNDATION";
        h.count = std::to_string(s.Attr(kAttrFoundations));
        h.rule = RuleText(s.Attr(attr::FoundationRule + index), s.Attr(attr::FoundationDir + index),
                          s.Attr(kAttrFoundationDescribe));
        break;
    case kReserveKind:
        h.kind = "Reserve", h.picture = "STATUSBAR_RESERVE", h.count = std::to_string(s.Attr(kAttrReserves));
        h.rule = kTopCardText;
        break;
    default:
        break;
    }
    h.redeals = RedealText(s);
    h.cards = CardCountText(n);
    const bool inPlay = s.Flag(GameInPlay);
    if (h.kind.empty() || !inPlay) {
        h.kind.clear(), h.picture.clear(), h.cards.clear(), h.rule.clear();
        if (!inPlay)
            h.redeals.clear();
    }
    if (!h.kind.empty() && inPlay) {
        const std::string replaced = LookUpHintText(s, pile, index);
        if (!replaced.empty())
            h.rule = replaced;
    }
    return h;
}

PileHintTexts PileHintAt(Session& s, int x, int y) {
    return PileHintFor(s, HitTest(s, x, y, true).pile);
}

std::string LookUpHintText(const Session& s, const std::string& pileName, int pileIndex) {
    const std::string file = FindNoCase(s.ProgramFolder, "solr.dat");
    if (s.ProgramFolder.empty() || !FileExists(file))
        return "";
    char letter = 0;
    switch (HintPileKind(pileName)) {
    case kFoundationKind:
        letter = 'F';
        break;
    case kTableauKind:
        letter = 'T';
        break;
    case kReserveKind:
        letter = 'R';
        break;
    case kStockKind:
        letter = 'S';
        break;
    case kWasteKind:
    case kSecondWasteKind:
        letter = 'W';
        break;
    default:
        return "";
    }
    const int game = s.Params.ReadInt(kParamGame, kParamGameWidth, -1);
    if (game < 0)
        return "";
    auto lookUp = [&](int pile) {
        const std::string key = HintEntryKey(HintEntryName(game, letter, pile));
        try {
            const KeyResult r = ReadKey(file, "Main", key, "");
            return r.found ? HintEntryText(key, r.value) : std::string();
        } catch (const FileError&) {
            // An unreadable hint file leaves the generated text, as a missing one does.
            return std::string();
        }
    };
    std::string text;
    if (letter == 'F' || letter == 'T' || letter == 'R')
        text = lookUp(pileIndex + 1);
    if (text.empty())
        text = lookUp(0);
    return text;
}

} // namespace quillon
