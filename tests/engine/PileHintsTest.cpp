// The status bar's pile hints: the rule texts made from the building rules, the texts over the
// stock and the waste in every state of the redeals, the count texts, and the hint file that may
// replace a rule text.
#include "engine/PileHints.h"
#include "common/TempFolder.h"
#include "engine/Engine.h"
#include "engine/MoveLegality.h"
#include "model/Deal.h"
#include "model/Scramble.h"
#include "model/Session.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

constexpr int kRedeals = 16, kToWaste = 11, kTurn = 24, kTableauRows = 295, kReserveRows = 347;

struct RuleCase {
    int code;
    int direction;
    const char* text;
};

TEST(RuleText, EveryPhraseWithItsExampleForEachDirection) {
    const RuleCase cases[] = {
        {0, 1, "Build up in suit (ex. 2 [h] on Ace [h])"},
        {0, 0, "Build down in suit (ex. 10 [s] on Jack [s])"},
        {0, 2, "Build up or down in suit (ex. 10 [d] on 9 [d] or on Jack [d])"},
        {1, 1, "Build up by the same color (ex. 2 [h] on Ace [h][d])"},
        {1, 0, "Build down by the same color (ex. 10 [h] on Jack [h][d])"},
        {1, 2, "Build up or down by the same color (ex. 10 [d] on 9 [d][h] or on Jack [d][h])"},
        {2, 1, "Build up regardless of suit (ex. 2 [h] on Ace [h][c][d][s])"},
        {2, 0, "Build down regardless of suit (ex. 10 [d] on Jack [h][c][d][s])"},
        {2, 2, "Build up or down regardless of suit (ex. 10 [c] on 9 or on Jack [h][c][d][s])"},
        {3, 1, "Build up in alternating colors (ex. 2 [s] on Ace [h][d])"},
        {3, 0, "Build down in alternating colors (ex. 10 [d] on Jack [c][s])"},
        {3, 2, "Build up or down in alternating colors (ex. 10 [h] on 9 [c][s] or on Jack [c][s])"},
    };
    for (const RuleCase& c : cases)
        EXPECT_EQ(RuleText(c.code, c.direction, -1), c.text) << c.code << "/" << c.direction;
}

TEST(RuleText, WithoutADirectionThePhraseStandsWithoutExample) {
    const RuleCase cases[] = {
        {0, 3, "Build  in suit "},
        {1, -1, "Build  by the same color "},
        {2, 7, "Build  regardless of suit "},
        {3, 99, "Build  in alternating colors "},
    };
    for (const RuleCase& c : cases)
        EXPECT_EQ(RuleText(c.code, c.direction, -1), c.text) << c.code << "/" << c.direction;
}

TEST(RuleText, CodeFourIsTheFoundationSentenceWhateverTheDirection) {
    for (int direction : {0, 1, 2, 5})
        EXPECT_EQ(RuleText(4, direction, -1), "The top card is available for play to the foundations ");
}

TEST(RuleText, OtherCodesLeaveOneBlank) {
    for (int code : {-2, 5, 6, 20, 70, 32767})
        for (int direction : {0, 1, 2})
            EXPECT_EQ(RuleText(code, direction, -1), " ") << code;
}

TEST(RuleText, TheDescriptionParameterTakesThePlaceOfTheRuleUnlessMinusOne) {
    EXPECT_EQ(RuleText(3, 0, 0), "Build down in suit (ex. 10 [s] on Jack [s])");
    EXPECT_EQ(RuleText(3, 0, 4), "The top card is available for play to the foundations ");
    EXPECT_EQ(RuleText(70, 1, 2), "Build up regardless of suit (ex. 2 [h] on Ace [h][c][d][s])");
    EXPECT_EQ(RuleText(0, 1, 9), " ");
    EXPECT_EQ(RuleText(3, 0, -1), "Build down in alternating colors (ex. 10 [d] on Jack [c][s])");
}

// A session with a small game in play: stock and waste, four foundations, seven tableau piles,
// two reserves.
struct HintTable {
    Session s;
    HintTable() {
        s.SetFlag(GameInPlay, true);
        s.GameAttr[374] = 4, s.GameAttr[375] = 7, s.GameAttr[376] = 2;
        s.GameAttr[487] = -1, s.GameAttr[488] = -1;
        for (int i = 0; i < 7; ++i)
            s.GameAttr[static_cast<size_t>(attr::TableauRule + i)] = 3;
        s.Game.RedealCount = 1;
    }
    void Set(int a, int v) { s.GameAttr[static_cast<size_t>(a)] = static_cast<std::int16_t>(v); }
};

struct StockCase {
    const char* what;
    int toWaste, turn, tableauRows, reserveRows;
    const char* rule;
};

TEST(PileHints, StockTextsByHowTheStockDeals) {
    const StockCase cases[] = {
        {"one to the waste", 1, 1, 0, 0, "Click to turn up one card at a time to the waste"},
        {"three to the waste", 1, 3, 0, 0, "Click to turn up 3 cards at a time to the waste"},
        {"two to the waste", 1, 2, 5, 0, "Click to turn up 2 cards at a time to the waste"},
        {"none per turn", 1, 0, 5, 5, ""},
        {"rows to the tableau", 0, 1, 1, 1, "Click to deal a new row of cards to the tableau"},
        {"rows to the reserve", 0, 1, 0, 2, "Click to deal a new row of cards to the reserve"},
        {"neither", 0, 3, 0, 0, ""},
    };
    for (const StockCase& c : cases) {
        HintTable t;
        t.Set(kToWaste, c.toWaste), t.Set(kTurn, c.turn), t.Set(kTableauRows, c.tableauRows);
        t.Set(kReserveRows, c.reserveRows);
        t.s.Piles.StockPiles[0] = "001002003";
        const PileHintTexts h = PileHintFor(t.s, "Mazzo");
        EXPECT_EQ(h.rule, c.rule) << c.what;
        EXPECT_EQ(h.kind, "Stock");
        EXPECT_EQ(h.picture, "STATUSBAR_STOCK");
        EXPECT_EQ(h.count, "1");
        EXPECT_EQ(h.cards, "3 cards");
    }
}

struct RedealCase {
    int allowed; // attribute 16
    int pass;    // RedealCount
    bool empty;  // the stock is empty
    const char* rule;
    const char* redeals;
};

TEST(PileHints, StockAndWasteInEveryRedealState) {
    const RedealCase cases[] = {
        {-1, 1, false, "Click to turn up 3 cards at a time to the waste", "Unlimited redeals"},
        {-1, 1, true, "Click to redeal", "Unlimited redeals"},
        {-1, 40, true, "Click to redeal", "Unlimited redeals"},
        {0, 1, false, "Click to turn up 3 cards at a time to the waste", "No redeal"},
        {0, 1, true, "", "No redeal"},
        {1, 1, true, "", "0/0 redeals"},
        {3, 1, false, "Click to turn up 3 cards at a time to the waste", "0/2 redeals"},
        {3, 1, true, "Click to redeal", "0/2 redeals"},
        {3, 2, true, "Click to redeal", "1/2 redeals"},
        {3, 3, false, "Click to turn up 3 cards at a time to the waste", "2/2 redeals"},
        {3, 3, true, "", "2/2 redeals"},
    };
    for (const RedealCase& c : cases) {
        HintTable t;
        t.Set(kToWaste, 1), t.Set(kTurn, 3), t.Set(kRedeals, c.allowed);
        t.s.Game.RedealCount = static_cast<std::int16_t>(c.pass);
        t.s.Piles.StockPiles[0] = c.empty ? "" : "005";
        t.s.Piles.StockPiles[1] = "001002";
        const std::string what = std::to_string(c.allowed) + " pass " + std::to_string(c.pass);
        const PileHintTexts stock = PileHintFor(t.s, "Mazzo");
        EXPECT_EQ(stock.rule, c.rule) << what;
        EXPECT_EQ(stock.redeals, c.redeals) << what;
        EXPECT_EQ(stock.cards, c.empty ? "0 cards" : "1 card") << what;
        const PileHintTexts waste = PileHintFor(t.s, "Mazzo_Vis");
        EXPECT_EQ(waste.kind, "Waste");
        EXPECT_EQ(waste.picture, "STATUSBAR_WASTE");
        EXPECT_EQ(waste.count, "1");
        EXPECT_EQ(waste.cards, "2 cards");
        EXPECT_EQ(waste.rule, "The top card is available for play to the foundations or to the tableau");
        EXPECT_EQ(waste.redeals, c.redeals) << what;
        const PileHintTexts second = PileHintFor(t.s, "Mazzo_Waste");
        EXPECT_EQ(second.kind, "Waste");
        EXPECT_EQ(second.rule, "");
        EXPECT_EQ(second.redeals, c.redeals) << what;
    }
}

TEST(PileHints, TableauFoundationAndReservePiles) {
    HintTable t;
    t.s.GameAttr[attr::TableauDir + 2] = 0;
    t.s.GameAttr[attr::FoundationDir + 1] = 1;
    t.s.GameAttr[attr::FoundationRule + 1] = 0;
    const PileHintTexts tableau = PileHintFor(t.s, "Fila3");
    EXPECT_EQ(tableau.kind, "Tableau");
    EXPECT_EQ(tableau.count, "7");
    EXPECT_EQ(tableau.cards, "0 cards") << "an empty pile";
    EXPECT_EQ(tableau.rule, "Build down in alternating colors (ex. 10 [d] on Jack [c][s])");
    // The wrap of a pile changes which cards it takes, not how its rule reads.
    t.s.GameAttr[attr::TableauWrap + 2] = 1;
    EXPECT_EQ(PileHintFor(t.s, "Fila3").rule, tableau.rule);
    t.s.GameAttr[488] = 2;
    EXPECT_EQ(PileHintFor(t.s, "Fila3").rule,
              "Build down regardless of suit (ex. 10 [d] on Jack [h][c][d][s])");
    t.s.Piles.FoundationPiles[1] = "014";
    const PileHintTexts home = PileHintFor(t.s, "Dest2");
    EXPECT_EQ(home.kind, "Foundation");
    EXPECT_EQ(home.picture, "STATUSBAR_FOUNDATION");
    EXPECT_EQ(home.count, "4");
    EXPECT_EQ(home.cards, "1 card");
    EXPECT_EQ(home.rule, "Build up in suit (ex. 2 [h] on Ace [h])");
    const PileHintTexts reserve = PileHintFor(t.s, "Appogg2");
    EXPECT_EQ(reserve.kind, "Reserve");
    EXPECT_EQ(reserve.count, "2");
    EXPECT_EQ(reserve.rule, "The top card is available for play to the foundations or to the tableau");
}

TEST(PileHints, NothingUnderThePointOrNoGameInPlay) {
    HintTable t;
    t.Set(kRedeals, 3);
    EXPECT_EQ(PileHintFor(t.s, ""), (PileHintTexts{"", "", "", "", "", "0/2 redeals"}));
    t.s.SetFlag(GameInPlay, false);
    // Only the count keeps its value.
    EXPECT_EQ(PileHintFor(t.s, "Fila1"), (PileHintTexts{"", "", "7", "", "", ""}));
    EXPECT_EQ(PileHintFor(t.s, "Mazzo"), (PileHintTexts{"", "", "1", "", "", ""}));
}

TEST(PileHints, CardCounts) {
    EXPECT_EQ(CardCountText(0), "0 cards");
    EXPECT_EQ(CardCountText(1), "1 card");
    EXPECT_EQ(CardCountText(2), "2 cards");
    EXPECT_EQ(CardCountText(104), "104 cards");
}

// A hint file in a program folder of its own, written entry by entry as the build writes it.
struct HintFileTable : HintTable {
    testing::TempFolder folder;
    HintFileTable() {
        s.ProgramFolder = folder.path() + "/";
        s.Params.WriteParam(kParamGame, kParamGameWidth, "0101");
    }
    void Write(const std::vector<std::pair<std::string, std::string>>& entries,
               const std::string& extra = "") {
        std::string text = "[Other]\r\nx=y\r\n\r\n[Main]\r\n" + extra;
        for (const auto& [name, rule] : entries)
            text += HintEntryKey(name) + "=" + HintEntryValue(name, rule) + "\r\n";
        ASSERT_TRUE(WriteFileAtomic(s.ProgramFolder + "SOLR.DAT", text + "\r\n"));
    }
};

TEST(HintFile, ThePilesOwnEntryComesBeforeTheEntryForEveryPile) {
    HintFileTable t;
    t.Write({{"0101T000", "Every pile [s]"},
             {"0101T003", "Pile three only"},
             {"0102T001", "Another game"},
             {"0101S000", "The stock's own text"},
             {"0101W000", "The waste's own text"},
             {"0101F002", "Foundation two"}});
    EXPECT_EQ(LookUpHintText(t.s, "Fila3", 2), "Pile three only");
    EXPECT_EQ(LookUpHintText(t.s, "Fila1", 0), "Every pile [s]");
    EXPECT_EQ(PileHintFor(t.s, "Fila1").rule, "Every pile [s]");
    EXPECT_EQ(LookUpHintText(t.s, "Mazzo", -1), "The stock's own text");
    EXPECT_EQ(LookUpHintText(t.s, "Mazzo_Vis", -1), "The waste's own text");
    EXPECT_EQ(LookUpHintText(t.s, "Mazzo_Waste", -1), "The waste's own text");
    EXPECT_EQ(LookUpHintText(t.s, "Dest2", 1), "Foundation two");
    EXPECT_EQ(LookUpHintText(t.s, "Dest1", 0), "") << "no entry: the generated text stands";
    EXPECT_EQ(PileHintFor(t.s, "Dest1").rule, RuleText(0, 0, -1));
    EXPECT_EQ(LookUpHintText(t.s, "Appogg1", 0), "");
    // Another game reads its own entries only.
    t.s.Params.WriteParam(kParamGame, kParamGameWidth, "0102");
    EXPECT_EQ(LookUpHintText(t.s, "Fila1", 0), "Another game");
    EXPECT_EQ(LookUpHintText(t.s, "Fila3", 2), "") << "its entry is for pile 1 alone";
}

TEST(HintFile, NoGameInPlayMissingOrDamagedFilesLeaveTheGeneratedText) {
    HintFileTable t;
    EXPECT_EQ(LookUpHintText(t.s, "Fila1", 0), "") << "no file";
    // Entries of no use: a key cut short, a key with nothing after it, plain text.
    t.Write({},
            HintEntryKey("0101T000").substr(0, 5) + "\r\n" + HintEntryKey("0101R000") + "\r\nnonsense\r\n");
    EXPECT_EQ(LookUpHintText(t.s, "Fila1", 0), "");
    EXPECT_EQ(LookUpHintText(t.s, "Appogg1", 0), "");
    t.Write({{"0101T000", "Every pile"}});
    t.s.SetFlag(GameInPlay, false);
    EXPECT_EQ(PileHintFor(t.s, "Fila1").rule, "");
}

TEST(HintFile, EntriesRoundTripEveryPrintableTextAndTheirKeysStayKeys) {
    std::string all;
    for (int c = 32; c <= 126; ++c)
        all += static_cast<char>(c);
    for (int game : {0, 101, 999, 9999})
        for (char kind : {'F', 'T', 'R', 'S', 'W'})
            for (int pile : {0, 1, 9, 40, 99}) {
                const std::string name = HintEntryName(game, kind, pile);
                ASSERT_EQ(name.size(), 8u);
                const std::string key = HintEntryKey(name);
                // A key the sectioned key file can hold: no "=", no "[" in front, no line break.
                EXPECT_EQ(key.find('='), std::string::npos) << name;
                EXPECT_NE(key.front(), '[') << name;
                EXPECT_EQ(key.find_first_of("\r\n"), std::string::npos) << name;
                EXPECT_EQ(Unscramble(key, HintKey), name);
                const std::string value = HintEntryValue(name, all);
                EXPECT_EQ(value.find_first_of("\r\n"), std::string::npos) << name;
                EXPECT_EQ(HintEntryText(key, value), all) << name;
            }
    EXPECT_EQ(HintEntryName(101, 'T', 3), "0101T003");
    EXPECT_EQ(HintKey.size(), 15u);
    for (char k : HintKey)
        EXPECT_TRUE(k >= 1 && k <= 4);
}

} // namespace
} // namespace quillon
