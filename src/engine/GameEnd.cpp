#include "engine/GameEnd.h"
#include "engine/LegalMoves.h"

#include "engine/CardPlaces.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace quillon {

namespace {

const std::string& Tableau(const Session& s, int k) {
    return s.Piles.TableauPiles[static_cast<size_t>(k)];
}
const std::string& Foundation(const Session& s, int k) {
    return s.Piles.FoundationPiles[static_cast<size_t>(k)];
}
const std::string& Reserve(const Session& s, int k) {
    return s.Piles.ReservePiles[static_cast<size_t>(k)];
}
const std::string& Stock(const Session& s) {
    return s.Piles.StockPiles[0];
}
const std::string& Waste(const Session& s) {
    return s.Piles.StockPiles[1];
}
const std::string& SecondWaste(const Session& s) {
    return s.Piles.StockPiles[2];
}

int Family(const Session& s) {
    return s.Attr(attr::Family);
}
int Size(const std::string& pile) {
    return PileSize(pile);
}

// Tableau piles first..last (0-based, inclusive, kept inside the list) all satisfy `test`.
template <class Test> bool AllTableau(const Session& s, int first, int last, Test test) {
    last = std::min(last, kTableauCount - 1);
    for (int k = std::max(first, 0); k <= last; ++k)
        if (!test(Tableau(s, k)))
            return false;
    return true;
}

int CardsIn(const Session& s, bool tableau, int first, int last) {
    int count = 0;
    last = std::min(last, (tableau ? kTableauCount : kFoundationCount) - 1);
    for (int k = std::max(first, 0); k <= last; ++k)
        count += Size(tableau ? Tableau(s, k) : Foundation(s, k));
    return count;
}

// A pile of exactly 9 cards ranked 9, 8 ... 1 from the bottom.
bool NineDownToOne(const std::string& pile) {
    if (Size(pile) != 9)
        return false;
    for (int k = 0; k < 9; ++k)
        if (CardRank(PileCard(pile, k)) != 9 - k)
            return false;
    return true;
}

// A pile holding only "0" characters counts as empty in the sum games.
bool OnlyZeros(const std::string& pile) {
    return std::all_of(pile.begin(), pile.end(), [](char c) { return c == '0'; });
}

bool GenericWon(const Session& s) {
    if (!Stock(s).empty() || !Waste(s).empty())
        return false;
    const bool zerosEmpty = Family(s) == 4 || Family(s) == 67;
    for (int k = 0; k < TableauInPlay(s); ++k)
        if (!Tableau(s, k).empty() && !(zerosEmpty && OnlyZeros(Tableau(s, k))))
            return false;
    for (int k = 0; k < kReserveCount; ++k)
        if (!Reserve(s, k).empty())
            return false;
    return true;
}

int Score(const Session& s) {
    return s.Params.ReadInt(param::Score, 6, 0);
}

// The four row sums of family 57 reach the targets the deal set (kept in OnceUsed and the three
// deal values after it).
bool RowsReachTargets(const Session& s) {
    const int targets[4] = {s.Game.OnceUsed, s.Game.DealValues[0], s.Game.DealValues[1],
                            s.Game.DealValues[2]};
    for (int row = 0; row < 4; ++row) {
        int sum = 0;
        for (int k = 4 * row; k < 4 * row + 4; ++k) {
            const std::string& pile = Tableau(s, k);
            if (Size(pile) != 1)
                return false;
            sum += CardRank(PileCard(pile, 0));
        }
        if (sum != targets[row])
            return false;
    }
    return true;
}

bool FoundationsReachDealSum(const Session& s) {
    const int target = DealCodeTarget(s);
    if (target < 0)
        return false;
    int sum = 0;
    for (int k = 0; k < 5; ++k) {
        const std::string& pile = Foundation(s, k);
        if (pile.empty())
            return false;
        for (int c = 0; c < Size(pile); ++c)
            sum += CardRank(PileCard(pile, c));
    }
    return sum == target;
}

// Family 74: every column either adds up to 30 or is still empty.
bool ColumnsWon(const Session& s) {
    for (int col = 0; col < 13; ++col) {
        int cards = 0, sum = 0;
        for (int k = 0; k < 4; ++k) {
            int card = PileCard(Tableau(s, k), col);
            if (card > 0) {
                ++cards;
                sum += CardRank(card);
            }
        }
        if (!(cards == 0 || (cards == 4 && sum == 30)))
            return false;
    }
    return true;
}

bool KingQueenJack(const std::string& pile) {
    return Size(pile) == 3 && CardRank(PileCard(pile, 0)) == 13 && CardRank(PileCard(pile, 1)) == 12 &&
           CardRank(PileCard(pile, 2)) == 11;
}

int BaseScore(const Session& s) {
    if (s.Params.ReadParam(param::ScoringScheme, 2) != "01")
        return 0;
    const int n = s.Attr(attr::CardsInPlay);
    int start = 0;
    switch (s.Attr(attr::ShortDeck)) {
    case 0:
        start = -n;
        break;
    case 1:
        start = n == 104 ? -64 : -32;
        break;
    case 2:
        start = -28;
        break;
    default:
        break;
    }
    return start + 5 * s.Attr(attr::BonusCards) + 5 * Size(SecondWaste(s)) - 5 * s.Attr(attr::Jokers) +
           5 * CardsIn(s, false, 0, FoundationsInPlay(s) - 1);
}

// The value of one card in the point count: the rank, with 10 and the court cards worth 0.
int PointValue(int card) {
    int rank = CardRank(card);
    return rank >= 10 || rank < 0 ? 0 : rank;
}

int CardAt(std::string_view cards, size_t offset) {
    if (offset + 3 > cards.size())
        return -1;
    return PileCard(cards.substr(offset, 3), 0);
}

// The cards added to a pile since an earlier state of it (the whole pile when it was rebuilt).
std::string_view AddedSince(std::string_view now, std::string_view before) {
    return now.starts_with(before) ? now.substr(before.size()) : now;
}

// Today's date and time as a day count from 30 December 1899, the program's date-time values.
double Now() {
    using namespace std::chrono;
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return 25569.0 + seconds / 86400.0;
}

} // namespace

int DealCodeTarget(const Session& s) {
    const std::string code = s.Params.ReadParam(param::DealCode, 15);
    if (code.size() < 12)
        return -1;
    bool taken[10] = {};
    int sum = 0;
    for (int position : {3, 5, 8, 10, 12}) {
        char c = code[static_cast<size_t>(position - 1)];
        if (c < '0' || c > '9')
            return -1;
        int digit = (c - '0') % 10;
        while (taken[digit])
            digit = (digit + 1) % 10;
        taken[digit] = true;
        sum += digit == 0 ? 10 : digit;
    }
    return sum;
}

std::vector<bool> ColumnsAddingUp(const Session& s) {
    std::vector<bool> columns(13, false);
    for (int col = 0; col < 13; ++col) {
        int cards = 0, sum = 0;
        for (int k = 0; k < 4; ++k) {
            int card = PileCard(Tableau(s, k), col);
            if (card > 0) {
                ++cards;
                sum += CardRank(card);
            }
        }
        columns[static_cast<size_t>(col)] = cards == 4 && sum == 30;
    }
    return columns;
}

bool WonTest(Session& s) {
    const int tableau = TableauInPlay(s);
    auto holds = [](int n) { return [n](const std::string& p) { return Size(p) == n; }; };
    switch (Family(s)) {
    case 9:
    case 59:
    case 77:
        return AllTableau(s, 0, tableau - 1, [](const std::string& p) { return !p.empty(); });
    case 38:
        // The game ends once the player has chosen a card for each of the ten places; the score
        // then tells whether it was won.
        return AllTableau(s, 0, 9, [](const std::string& p) { return !p.empty(); });
    case 19:
        // The dealt row is won once the whole pack lies in one pile: nothing left to deal and a
        // single card in the row, every covered card having gone under it.
        return Stock(s).empty() && Waste(s).empty() && Size(Tableau(s, 0)) == 1 &&
               AllTableau(s, 1, tableau - 1, holds(0));
    case 21:
    case 22:
    case 70:
        return Stock(s).empty() && Size(Tableau(s, 0)) <= 4;
    case 27:
        return AllTableau(s, 0, tableau - 1, holds(1)) && Stock(s).empty() && Waste(s).empty();
    case 31:
        return Stock(s).empty() && AllTableau(s, 0, tableau - 1, [](const std::string& p) {
                   return Size(p) == 1 && CardRank(PileCard(p, 0)) == 1;
               });
    case 32:
    case 44:
    case 46:
    case 48:
        return false;
    case 34:
    case 35:
    case 36:
    case 37:
    case 39:
    case 40:
    case 42:
    case 47:
        return Score(s) >= s.Attr(attr::ScoreToWin);
    case 41:
        for (int k = 1; k <= FoundationsInPlay(s) - 1; ++k)
            if (!Foundation(s, k).empty())
                return false;
        return true;
    case 43:
        for (int k = 0; k < tableau; ++k)
            if (NineDownToOne(Tableau(s, k)))
                return true;
        return false;
    case 45: {
        int withCards = 0;
        for (int k = 0; k < tableau; ++k)
            withCards += !Tableau(s, k).empty();
        return withCards == 4;
    }
    case 49:
    case 63:
        return AllTableau(s, 0, 23, holds(4));
    case 52:
        return AllTableau(s, 0, tableau - 1, holds(0)) && Stock(s).empty() && Waste(s).empty() &&
               Size(Reserve(s, 0)) == 8;
    case 55:
        return Stock(s).empty();
    case 57:
        return RowsReachTargets(s);
    case 58:
        return FoundationsReachDealSum(s);
    case 62:
        return Stock(s).empty() && AllTableau(s, 0, 8, holds(0));
    case 64:
        return Stock(s).empty() && AllTableau(s, 0, 2, holds(0));
    case 65:
        return Stock(s).empty() && Waste(s).empty();
    case 72:
        return AllTableau(s, 0, tableau - 1, holds(5));
    case 73: {
        if (!Stock(s).empty() || !Waste(s).empty())
            return false;
        for (int k = 0; k < FoundationsInPlay(s); ++k)
            if (Size(Foundation(s, k)) != 10)
                return false;
        return AllTableau(s, 0, tableau - 1, KingQueenJack);
    }
    case 74:
        return ColumnsWon(s);
    default:
        return GenericWon(s);
    }
}

bool KeepsScore(const Session& s) {
    const int family = Family(s);
    return family != 9 && family != 59;
}

bool ComputeScore(Session& s, int& score) {
    const int n = s.Attr(attr::CardsInPlay);
    const int w2 = Size(SecondWaste(s));
    const int pairs = static_cast<int>(SecondWaste(s).size() / 6);
    const int tableau = TableauInPlay(s);
    if (!KeepsScore(s))
        return false;
    switch (Family(s)) {
    case 38:
        // As the result window counts it: -52 at the start, 10 for each card matched.
        score = -52 + 10 * MatchedPairs(s);
        break;
    case 32:
    case 40:
    case 41:
    case 42:
    case 46:
    case 76:
    case 77:
        score = 0;
        break;
    case 34: {
        score = -n;
        for (int k = 0; k < tableau; ++k) {
            int first = PileCard(Tableau(s, k), 0);
            if (first <= 0 || !(first == k + 1 || first == k + 14))
                break;
            score += 10;
        }
        break;
    }
    case 35:
        score = -n + 10 * w2;
        break;
    case 36:
        score = 15 * SequenceLength(s) - s.Game.CardsTurnedBack - 52;
        break;
    case 37:
        score = -52 - 2 * s.Game.CardsTurnedBack + 10 * pairs;
        break;
    case 39:
        score = -52 - s.Game.CardsTurnedBack + 7 * pairs;
        break;
    case 43:
        score = -n;
        for (int k = 0; k < tableau; ++k)
            if (NineDownToOne(Tableau(s, k)))
                score += 225;
        break;
    case 44:
        score = -n;
        break;
    case 47:
        score = CardsIn(s, true, 0, tableau - 1) > 0 ? -n + 5 * w2 : -n + 5 * n;
        break;
    case 48:
        score = 5 * s.Attr(attr::BonusCards) - n + 5 * Size(Foundation(s, 0));
        break;
    case 70:
        score = 5 * s.Attr(attr::BonusCards) - n + 5 * w2;
        break;
    case 49:
    case 63:
        score = 5 * s.Attr(attr::BonusCards) - n + 5 * CardsIn(s, true, 0, 23);
        break;
    case 55:
    case 72:
        score = -n + 5 * CardsIn(s, true, 0, kTableauCount - 1);
        break;
    case 57:
        score = RowsReachTargets(s) ? 48 : -52;
        break;
    case 58:
        score = FoundationsReachDealSum(s) ? 23 : -52;
        break;
    case 62:
        score = -n + 5 * CardsIn(s, true, 0, 15) + 5 * CardsIn(s, false, 0, 7);
        break;
    case 64:
        score = HandScore(s);
        break;
    case 65:
        score =
            -n + 5 * CardsIn(s, true, 0, kTableauCount - 1) + 5 * CardsIn(s, false, 0, kFoundationCount - 1);
        break;
    case 74: {
        score = 0;
        if (s.Game.DealDone == 1) {
            std::vector<int> marked;
            auto columns = ColumnsAddingUp(s);
            for (int col = 0; col < 13; ++col)
                if (columns[static_cast<size_t>(col)])
                    marked.push_back(col);
            score = 20 - n + 20 * static_cast<int>(marked.size());
        }
        break;
    }
    default:
        score = BaseScore(s);
        break;
    }
    return true;
}

void UpdateScore(Session& s) {
    int score = 0;
    if (!ComputeScore(s, score))
        return;
    if (Family(s) == 74 && s.Game.DealDone == 1) {
        std::vector<int> marked;
        auto columns = ColumnsAddingUp(s);
        for (int col = 0; col < 13; ++col)
            if (columns[static_cast<size_t>(col)])
                marked.push_back(col);
        View(s).ShowMark("columns", marked);
    }
    const std::string text = std::to_string(score);
    View(s).ShowScore(text);
    s.Params.WriteParam(param::Score, 6, text);
    const int rule = s.Attr(attr::FoundationRule);
    if (rule == 72 || rule == 75)
        JokerLabels(s);
}

void AddScore(Session& s, int cards) {
    switch (Family(s)) {
    case 9:
    case 59:
    case 76:
    case 77:
        return;
    default:
        break;
    }
    int score = Score(s);
    if (s.Params.ReadParam(param::ScoringScheme, 2) == "01")
        score += 5 * cards;
    const std::string text = std::to_string(score);
    View(s).ShowScore(text);
    s.Params.WriteParam(param::Score, 6, text);
}

int SequenceLength(const Session& s) {
    const std::string& pile = Reserve(s, 0);
    const int count = Size(pile);
    if (count == 1)
        return CardRank(PileCard(pile, 0)) == 1 ? 1 : 0;
    if (count < 2)
        return 0;
    const int first = CardRank(PileCard(pile, 0));
    for (int k = 1; k < count; ++k)
        if (CardRank(PileCard(pile, k)) != first + k)
            return 0;
    return count;
}

int MatchedPairs(const Session& s) {
    for (int j = 0; j < 10; ++j)
        if (Tableau(s, j).empty())
            return 0;
    int matches = 0;
    for (int j = 0; j < 10; ++j) {
        int f = PileCard(Foundation(s, j), 0);
        if (f > 0 && PileCard(Tableau(s, j), 0) == f + 52)
            ++matches;
    }
    return matches;
}

bool TurnRememberedCards(Session& s, bool faceUp) {
    bool turned = false;
    for (int j = 0; j < std::min(FoundationsInPlay(s), 10); ++j) {
        const std::string& pile = Foundation(s, j);
        bool here = false;
        for (int k = 0; k < Size(pile); ++k) {
            const int card = PileCard(pile, k);
            if (card > 0 && s.Cards.CardIsHidden(card) == faceUp) {
                s.Cards.SetCardFace(card, faceUp ? '1' : '0');
                here = true;
            }
        }
        if (here)
            View(s).RedrawPile(PileName("Dest", j + 1), Surface::Both);
        turned = turned || here;
    }
    return turned;
}

int HandValue(std::string_view cards, int stride) {
    if (stride < 1)
        return 0;
    const int first = CardAt(cards, 0), second = CardAt(cards, static_cast<size_t>(stride));
    int sum = (first > 0 ? PointValue(first) : 0) + (second > 0 ? PointValue(second) : 0);
    if (sum > 9)
        sum -= 10;
    const int third = CardAt(cards, 2 * static_cast<size_t>(stride));
    if (third > 0) {
        sum += PointValue(third);
        if (sum > 9)
            sum = 0;
    }
    return sum;
}

void ShowPartialScore(Session& s, std::string_view cards) {
    View(s).DrawPartialScore(HandValue(cards, 3));
}

int HandScore(const Session& s) {
    int score = -s.Attr(attr::CardsInPlay);
    // Every distinct state of the second waste pile in the history adds the hand put on it. The
    // recorded lines are plain pile contents, so the cards lie three characters apart.
    const auto& lines = s.History.Undo.Stock;
    std::string previous;
    for (size_t k = 2; k < lines.size(); k += kStockPileCount) {
        const std::string& state = lines[k];
        if (state == previous)
            continue;
        std::string_view added = AddedSince(state, previous);
        if (!added.empty())
            score += HandValue(added, 3);
        previous = state;
    }
    if (SecondWaste(s) != previous) {
        std::string_view added = AddedSince(SecondWaste(s), previous);
        if (!added.empty())
            score += HandValue(added, 3);
    }
    return score;
}

std::string JokerLabelText(int rank) {
    const std::string text = CardRankText(rank);
    if (text == "Q")
        return "Joker= " + text;
    if (text.size() == 1)
        return "Joker = " + text;
    return "Joker=" + text;
}

void JokerLabels(Session& s) {
    static const char* const kSuitImages[] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
    int foundation = -1, depth = -1;
    for (int k = 0; k < kFoundationCount && foundation < 0; ++k) {
        const std::string& pile = Foundation(s, k);
        for (int c = 0; c < Size(pile); ++c)
            if (CardIsJoker(PileCard(pile, c))) {
                foundation = k;
                depth = c;
                break;
            }
    }
    std::string key =
        foundation < 0 ? "" : FormatFixed(foundation, 2) + FormatFixed(depth, 2) + Foundation(s, foundation);
    if (key == s.JokerLabelKey)
        return;
    s.JokerLabelKey = key;
    TableView& view = View(s);
    for (int k = 0; k < FoundationsInPlay(s); ++k)
        if (k != foundation)
            view.DrawJokerLabel(k, "", "");
    if (foundation < 0)
        return;
    const std::string& pile = Foundation(s, foundation);
    int rank = 0, suit = -1;
    if (depth == 0) {
        int above = PileCard(pile, 1);
        if (above > 0 && !CardIsJoker(above)) {
            rank = CardRank(above) - 1;
            suit = CardSuit(above);
        }
    } else {
        int below = PileCard(pile, depth - 1);
        if (below > 0 && !CardIsJoker(below)) {
            suit = CardSuit(PileCard(pile, 0));
            if (CardRank(below) == 13)
                rank = Size(pile) < 14 ? 1 : 0;
            else
                rank = CardRank(below) + 1;
        }
    }
    if (rank < 1 || suit < 0) {
        view.DrawJokerLabel(foundation, "", "");
        return;
    }
    view.DrawJokerLabel(foundation, JokerLabelText(rank), kSuitImages[suit]);
}

bool ConfirmQuit(Session& s, const std::string& text) {
    if (s.Flag(AutomaticSequence))
        return false;
    if (s.Params.ReadParam(param::ConfirmQuitGame, 1) == "N")
        return true;
    if (s.Flag(GameInPlay) && !s.Flag(GameWon))
        return View(s).MessageBox(BoxKind::Confirmation, "Quillon 2003",
                                  text.empty() ? "Quit this game?" : text);
    return true;
}

MemoryResultPage MemoryResult(Session& s, bool won) {
    MemoryResultPage page;
    page.won = won;
    page.caption = won ? "Game Won" : "Game Lost";
    page.total = Score(s);
    page.scoreToWin = s.Attr(attr::ScoreToWin);
    const int pairs = static_cast<int>(SecondWaste(s).size() / 6);
    switch (Family(s)) {
    case 37: {
        page.page = "Pairs";
        const int piles = s.Attr(attr::TableauCount);
        page.boxCaption = piles == 3   ? "Grid: 4 x 3"
                          : piles == 4 ? "Grid: 6 x 4"
                          : piles == 5 ? "Grid: 8 x 5"
                                       : "";
        page.matches = pairs, page.matchPoints = 10;
        page.misses = s.Game.CardsTurnedBack, page.missPoints = -2;
        break;
    }
    case 36:
        page.page = "Ace-To-King";
        page.matches = SequenceLength(s), page.matchPoints = 15;
        page.misses = s.Game.CardsTurnedBack, page.missPoints = -1;
        break;
    case 38:
        page.page = "Forget me not";
        page.boxCaption = "Cards: 10 ";
        page.matches = MatchedPairs(s), page.matchPoints = 10;
        page.misses = 10 - page.matches, page.missPoints = 0;
        break;
    case 39:
        page.page = "Concentration";
        page.boxCaption = "Cards: 52 ";
        page.matches = pairs, page.matchPoints = 7;
        page.misses = s.Game.CardsTurnedBack, page.missPoints = -1;
        break;
    default:
        break;
    }
    return page;
}

void ShowMemoryResult(Session& s, bool won) {
    View(s).ShowMemoryResult(MemoryResult(s, won));
}

bool EndGame(Session& s) {
    if (!s.Flag(GameInPlay))
        return false;
    TableView& view = View(s);
    view.SetBusyCursor(true);
    view.HideHintPanels();
    if (s.Play.EnsureStatisticsFiles)
        s.Play.EnsureStatisticsFiles(s);

    if (s.Attr(attr::ScoreToWin) != 0)
        s.SetFlag(GameWon, Score(s) >= s.Attr(attr::ScoreToWin));
    const bool won = s.Flag(GameWon);

    s.GameTimes[1] = Now();
    s.SetFlag(ClockRunning, false);
    view.SetGameMenusEnabled(false);

    if (Family(s) >= 36 && Family(s) <= 39)
        ShowMemoryResult(s, won);

    if (s.Play.RecordGameResult)
        s.Play.RecordGameResult(s, s.Params.ReadInt(param::GameNumber, 4, -1),
                                s.Params.ReadParam(param::Player, 30), false, won);
    if (s.Play.RefreshOpenGameStatistics)
        s.Play.RefreshOpenGameStatistics(s);

    s.Game.DragCard = 0;
    s.Game.RunEndCard = 0;
    view.UpdateClockLabel();
    s.SetFlag(GameWon, false);
    s.SetFlag(GameInPlay, false);
    s.SetFlag(GameEndHandled, true);
    s.Game.CloseRequested = 0;

    if (won) {
        view.SetBusyCursor(false);
        view.PauseWithMessages(200);
        view.SetInputBlocked(true);
        view.PlaySound("Won", s.Params.Flag(param::SoundGameWon));
        if (s.Play.WinningAnimation)
            s.Play.WinningAnimation(s);
    }

    view.SetBusyCursor(false);
    if (s.Game.CloseRequested == 1) {
        view.CloseMainWindow();
        return won;
    }
    view.SetInputBlocked(false);
    // A new deal during the animation puts a game in play again; then the table is its own.
    if (won && !s.Flag(GameInPlay)) {
        view.RedrawTable();
        view.OpenGameChooser();
    }
    return won;
}

bool EndGameAtDeal(Session& s) {
    if (!s.Flag(GameInPlay))
        return false;
    UpdateScore(s);
    s.SetFlag(GameWon, WonTest(s));
    if (!s.Flag(GameWon) && !ListLegalMoves(s).empty())
        return false;
    EndGame(s);
    return true;
}

void InstallPlayHooks(Session& s) {
    InstallEngineHooks(s);
    s.Hooks.AddScore = [](Session& session, int cards) { AddScore(session, cards); };
    s.Hooks.DrawCard = [](Session& session, int card, const std::string& target) {
        DrawCardToTop(session, card, target);
    };
}

} // namespace quillon
