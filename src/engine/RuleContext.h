#pragma once
// What one building-rule question sees: the card being placed (M), the destination's top card (D)
// and index (i), the pile contents and the attributes of the pile with that index. Shared by the
// general rule and the special building rules; internal to the legality units.

#include "engine/MoveLegality.h"

#include <string>
#include <string_view>

namespace quillon {

class RuleContext {
public:
    RuleContext(const Session& session, const RuleQuery& query);

    const Session& s;
    const RuleQuery& q;
    int M;      // card being placed
    int D;      // destination top card, -1 when the destination is empty
    bool empty; // the destination holds no card
    int i;      // destination index
    int rM, rD, sM, sD;
    bool redM, redD;

    // Where M lies (computed once, on first use: it scans the piles).
    int loc() const;
    bool fromTableau() const { return LocIsTableau(loc()); }
    bool fromReserve() const { return LocIsReserve(loc()); }
    bool fromFoundation() const { return LocIsFoundation(loc()); }
    bool fromWaste() const { return loc() == kLocWaste; }
    // M comes from tableau pile first..last (0-based, inclusive).
    bool fromTableauPiles(int first, int last) const {
        int k = loc() - 1;
        return fromTableau() && k >= first && k <= last;
    }

    // Pile contents by list and 0-based index; an index outside the list is an empty pile.
    std::string_view F(int k) const { return Get(s.Piles.FoundationPiles, k); }
    std::string_view T(int k) const { return Get(s.Piles.TableauPiles, k); }
    std::string_view R(int k) const { return Get(s.Piles.ReservePiles, k); }
    std::string_view S() const { return s.Piles.StockPiles[0]; }
    std::string_view W() const { return s.Piles.StockPiles[1]; }
    // The destination's own content: foundation i when a foundation is judged, else tableau pile i.
    std::string_view Dest() const { return q.toFoundation ? F(i) : T(i); }
    static int n(std::string_view pile) { return PileSize(pile); }
    static int First(std::string_view pile) { return PileCard(pile, 0); }

    // Per-pile attributes; an index outside the pile kind's range reads 0.
    int Base(int k) const { return k >= 0 && k < kFoundationCount ? s.Attr(attr::FoundationBase + k) : 0; }
    int Dir(int k) const { return k >= 0 && k < kFoundationCount ? s.Attr(attr::FoundationDir + k) : 0; }
    int Empty(int k) const { return k >= 0 && k < kTableauCount ? s.Attr(attr::TableauEmpty + k) : 0; }
    int Wrap(int k) const { return k >= 0 && k < kTableauCount ? s.Attr(attr::TableauWrap + k) : 0; }

    // Rank steps between D and M. `wrap` adds an Ace on a King (up) or a King on an Ace (down).
    bool Up(bool wrap = false) const { return rM == rD + 1 || (wrap && rD == 13 && rM == 1); }
    bool Down(bool wrap = false) const { return rM == rD - 1 || (wrap && rD == 1 && rM == 13); }
    bool UpOrDown(bool wrap = false) const { return Up(wrap) || Down(wrap); }
    bool SameSuit() const { return sM == sD; }

private:
    template <class List> static std::string_view Get(const List& list, int k) {
        return k >= 0 && k < static_cast<int>(list.size()) ? std::string_view(list[static_cast<size_t>(k)])
                                                           : std::string_view();
    }
    mutable int loc_ = 0;
    mutable bool locKnown_ = false;
};

// The outcome of a special building rule: accepted, refused, or handed to the general rule with
// a suit code (and, for rule 125, an acceptance the general rule builds on).
struct Verdict {
    enum Kind { Accept, Refuse, General } kind = General;
    int code = 0;
    bool initial = false;
    static Verdict Is(bool yes) { return {yes ? Accept : Refuse, 0, false}; }
    static Verdict G(int code, bool initial = false) { return {General, code, initial}; }
};

// The special building rules by code; codes without a rule of their own give G(code).
Verdict SpecialRule(const RuleContext& c);

} // namespace quillon
