#pragma once
// The preview of a game's opening table, made from the game itself: the game is dealt from a fixed
// deal code, laid out by the program's own pile layout with the tiny preview cards, and every card
// place becomes a preview piece. The pieces are then fitted into the dialog's preview area. A table
// that would have to shrink too far to stay readable with the fixed-size preview pictures is drawn
// instead as a picture of its own ("GAME" + number) with cards scaled to fit.

#include "select/PreviewFile.h"

#include <string>
#include <vector>

namespace quillon {

class Session;

// The deal every preview is made from.
inline constexpr const char* kPreviewDealCode = "1234567890123";
// The table size the preview layout is made for, with the 25 x 32 preview cards.
inline constexpr int kPreviewLayoutWidth = 340, kPreviewLayoutHeight = 230;
// Below this scale the record pieces would cover each other too much: the game gets a picture.
inline constexpr double kSmallestRecordScale = 0.5;
// The room for a piece's top-left corner: a 25 x 32 picture drawn at the offset stays inside.
inline constexpr int kPreviewRoomX = kPreviewWidth - kPreviewOffsetX - kPreviewCardWidth;
inline constexpr int kPreviewRoomY = kPreviewHeight - kPreviewOffsetY - kPreviewCardHeight;

// The pieces of the dealt game in `s` (the cards of every pile on the table, bottom first, face-down
// cards as backs, empty piles as their marks), laid out for the preview table; a piece wholly
// covered by a later one at the same place is left out.
std::vector<PreviewPiece> TablePieces(Session& s);

struct PreviewPlan {
    double scale = 1.0;
    // True when the record can show the table; `pieces` are then the record's pieces.
    bool record = true;
    std::vector<PreviewPiece> pieces;
    // For a picture: the pieces at picture coordinates and the scaled card size.
    int cardWidth = kPreviewCardWidth, cardHeight = kPreviewCardHeight;
};
// Fits table pieces into the preview area, centred across and from the top.
PreviewPlan FitPreview(const std::vector<PreviewPiece>& table);

// Deals game `number` of the definition file in `programFolder` and plans its preview; false
// with `error` when the game cannot be dealt.
bool PlanGamePreview(const std::string& programFolder, int number, PreviewPlan& plan, std::string& error);

} // namespace quillon
