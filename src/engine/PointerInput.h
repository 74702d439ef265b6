#pragma once
// The player's pointer and keys on the table: which pile and card lie under the pointer, whether
// a pressed card (or the run above it) may be picked up, carrying the drag, and handing every
// other kind of click to the code that owns it (stock clicks, selections, the drop at release).
// Everything runs on the GUI thread one event at a time; a press that is not allowed is answered
// with the beep and changes nothing.

#include "model/Session.h"

#include <string>

namespace quillon {

// Mouse buttons as the table reports them.
enum PointerButton : int { kLeftButton = 0, kRightButton = 1, kMiddleButton = 2 };
// The modifier bit the press looks at.
constexpr int kCtrlKey = 4;

// Positions in the parameter string read by the pointer handling.
namespace param {
constexpr int Cursor = 172;      // width 2; "10" the standard arrow
constexpr int SoundCardUp = 182; // "Y": "card_up" plays at pick-up
constexpr int DoubleClickToFoundations = 249;
constexpr int DoubleClickToTableaus = 251;
constexpr int ShowPartialHiddenCard = 255;
} // namespace param

struct HitResult {
    std::string pile; // empty when nothing lies under the point
    int card = 0;     // 0 when no card
    TableRect rect;   // the card's rectangle, all 0 when no card
};

struct CardHit {
    int card = 0;
    int x = 0, y = 0; // top-left corner of the card
};

// The pile and card under (x, y). With `reportEmpty` an empty pile (or a miss inside a pile's
// area) is reported too.
HitResult HitTest(Session& s, int x, int y, bool reportEmpty);
// The card of tableau pile ("Fila") or reserve ("Appogg") `pileIndex` (0-based) under (x, y).
CardHit CardInPile(Session& s, const std::string& prefix, const std::string& content, int pileIndex, int x,
                   int y);

void OnTablePress(Session& s, int button, int shift, int x, int y);
void OnTableMove(Session& s, int x, int y);
void OnTableDoubleClick(Session& s);
void OnTableKey(Session& s, char character);

// Picks up the card (or its run, or the whole reserve) lying at `rect`: the drag picture is
// built and the cards leave the table picture.
void StartDrag(Session& s, int card, const TableRect& rect, bool lift, bool wholeReserve);
// Sends a clicked card to the first pile that takes it (foundations first, then tableau piles).
bool SendByClick(Session& s, int card, const TableRect& rect, const std::string& pile, bool toFoundations,
                 bool toTableaus);

} // namespace quillon
