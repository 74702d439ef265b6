#include "engine/PickUp.h"

#include "engine/MoveLegality.h"
#include "platform/Desktop.h"

#include <cstdio>
#include <string>

namespace quillon {

namespace {

// Where a card lies among the tableau piles and reserves: the content and the card's depth.
struct RunPlace {
    const std::string* content = nullptr;
    bool tableau = false;
    int index = -1; // 0-based pile index
    int depth = -1; // 0-based position of the card from the bottom
};

RunPlace FindRun(const Session& s, int card) {
    RunPlace place;
    if (card < 1 || card > kCardCount)
        return place;
    auto search = [&](const auto& list, int count, bool tableau) {
        for (int k = 0; k < count; ++k) {
            const std::string& content = list[static_cast<size_t>(k)];
            const int depth = PileFind(content, card);
            if (depth >= 0) {
                place = {&content, tableau, k, depth};
                return true;
            }
        }
        return false;
    };
    if (!search(s.Piles.TableauPiles, TableauInPlay(s), true))
        search(s.Piles.ReservePiles, ReservesInPlay(s), false);
    return place;
}

int EmptyCount(const Session& s, bool tableau) {
    int empty = 0;
    if (tableau) {
        for (int k = 0; k < TableauInPlay(s); ++k)
            empty += s.Piles.TableauPiles[static_cast<size_t>(k)].empty() ? 1 : 0;
    } else {
        for (int k = 0; k < ReservesInPlay(s); ++k)
            empty += s.Piles.ReservePiles[static_cast<size_t>(k)].empty() ? 1 : 0;
    }
    return empty;
}

bool SlotsEmpty(const std::string& content, int from, int to) {
    for (int k = from; k < to; ++k)
        if (content.compare(static_cast<size_t>(3 * k), 3, "000") != 0)
            return false;
    return true;
}

void Draw(Session& s, int card, const RunPlace& place) {
    if (s.Game.RedealCount != 3) {
        s.desktop->MessageBox(BoxKind::Information, "Information", kDrawAfterLastRedeal);
        return;
    }
    if (s.Game.OnceUsed == 1) {
        s.desktop->MessageBox(BoxKind::Information, "Information", kOnlyOneDraw);
        return;
    }
    // Only a tableau card can be pulled to the top of its pile, and only by the play code.
    if (!place.tableau || !s.Hooks.DrawCard)
        return;
    char target[16];
    std::snprintf(target, sizeof target, "Fila%02d", place.index + 1);
    s.Hooks.DrawCard(s, card, target);
    s.Game.OnceUsed = 1;
}

bool Limit(Session& s, int card, bool toEmpty, bool play) {
    const RunPlace place = FindRun(s, card);
    if (!place.content) {
        s.Game.RunEndCard = 0;
        return false;
    }
    const std::string& content = *place.content;
    const int size = PileSize(content);
    const int length = size - place.depth;
    s.Game.RunEndCard = static_cast<std::int16_t>(PileTop(content));

    const int rule = s.Attr(14);
    switch (rule) {
    case pickup::Always:
        return true;
    case pickup::SingleOrKing:
        return length == 1 || CardRank(card) == 13;
    case pickup::SingleOrWholePile:
        return length == 1 || place.depth == 0;
    case pickup::FreeInRow:
        return CardIsFree(s, card);
    case pickup::PileEnds:
        return place.depth == 0 || place.depth == size - 1 || SlotsEmpty(content, 0, place.depth) ||
               SlotsEmpty(content, place.depth + 1, size);
    case pickup::SingleOrDraw:
        if (length == 1)
            return true;
        if (play)
            Draw(s, card, place);
        return false;
    case pickup::FreeCellsAndPiles: {
        const int t = EmptyCount(s, true), e = EmptyCount(s, false);
        if (t >= 1)
            return length <= (toEmpty ? e + t : e + t + 1);
        return length <= e + 1;
    }
    case pickup::FreeCellsOrPiles: {
        const int t = EmptyCount(s, true), e = EmptyCount(s, false);
        return length <= (t >= 1 ? e + t : e + 1);
    }
    default:
        if (rule < 0) {
            const int t = EmptyCount(s, true);
            return length <= (t > 1 ? t : 1);
        }
        return length <= rule;
    }
}

} // namespace

bool PickUpLimit(Session& s, int card, bool toEmpty) {
    return Limit(s, card, toEmpty, true);
}

bool TableauPileLocked(const Session& s, int pileIndex) {
    constexpr int kLockedRows = 27, kLockedPerRow = 28;
    return s.Attr(kLockedRows) >= 1 && pileIndex + 1 < s.Attr(kLockedRows) * s.Attr(kLockedPerRow);
}

bool FoundationCardLifts(const Session& s, int card, int size) {
    constexpr int kFoundationPickUp = 19, kFirstJoker = 209;
    const int rule = s.Attr(kFoundationPickUp);
    return rule == 1 || (rule == 2 && size > 1) || (rule == 3 && card >= kFirstJoker);
}

bool PickUpAllowed(Session& s, int card, bool toEmpty) {
    return Limit(s, card, toEmpty, false);
}

} // namespace quillon
