#pragma once
// Pile layout: where every pile of the current game lies on the table, the fan steps for the card
// size in use, and where card place k of a pile lies. Plain arithmetic over the session, so the
// engine's hit tests, the drawing and the animations all read the same places.
//
// Positions are the top-left corner of a pile's bottom card in table coordinates (as if the table
// were not scrolled). A pile whose x is below -9999 is not on the table.

#include <string>
#include <string_view>

namespace quillon {

class Session;

// Attribute numbers read by the layout.
namespace layout_attr {
constexpr int TableauFan = 3, FoundationFan = 4, ReserveFan = 5, MixedFan = 6;
constexpr int HasStock = 10, StockToWaste = 11;
constexpr int SnakeColumns = 45;
constexpr int Family = 54;
constexpr int TableauBaseRank = 135; // + 0-based tableau pile
constexpr int StockArrangement = 362, StockRow = 363;
constexpr int FoundationArrangement = 364, FoundationRow = 365;
constexpr int TableauArrangement = 366, TableauRow = 367;
constexpr int TableauRowCount = 368;
constexpr int ReserveRow = 369, ReserveArrangement = 370;
constexpr int SecondWasteRow = 371, SecondWasteArrangement = 372;
constexpr int StockCount = 373, FoundationCount = 374, TableauCount = 375, ReserveCount = 376;
constexpr int SecondWasteCount = 377;
constexpr int DeckSize = 378;
constexpr int PyramidFirstRow = 382, PyramidLastRow = 383;
} // namespace layout_attr

// The screen the table is shown on.
struct ScreenSize {
    int Width = 0;
    int Height = 0;
};

// A layout code: the row digit (first character of the decimal text of the row attribute) and the
// three-digit arrangement number (zero-padded). Row 363 = 1 with arrangement 362 = 5 gives "1005".
struct LayoutCode {
    char Row = '0';
    std::string Arrangement;
    std::string Text() const { return std::string(1, Row) + Arrangement; }
};
LayoutCode ReadLayoutCode(const Session& s, int rowAttr, int arrangementAttr);

// Computes every position of the current game. `top` is the bottom edge of the visible toolbar band
// (plus 2 when both separator lines show), `bottom` the top of the status bar or the client height - 1,
// `width` the client width less a visible vertical scroll bar, `windowHeight` the outer window
// height, `screen` the screen size and `scrollPos` the position of the vertical scroll bar.
// Piles the game does not have keep the positions they held (their "not shown" values after
// ResetPilePositions).
void LayoutPiles(Session& s, int top, int bottom, int width, int windowHeight, ScreenSize screen,
                 int scrollPos = 0);

// Sets the fan steps for the card-size letter of the parameter string and the current game's fan modes.
void ComputeFanSteps(Session& s);

// Window y and x of a card place of the named pile ("Mazzo", "Mazzo_Vis", "Mazzo_Waste", "DestN",
// "FilaN", "AppoggN"), leaving out the top `skip` cards: the remaining top card's place, or with
// `nextSlot` the place one more card would take. `pileIndex` (0-based tableau pile) selects the row
// of the hand-placed offsets. Any other name gives 0.
int PileCardY(const Session& s, std::string_view name, int skip, bool nextSlot);
int PileCardX(const Session& s, std::string_view name, int skip, bool nextSlot, int pileIndex);

// The columns of the serpentine grid of fan mode 8: the game's own count, or as many as the
// screen's width holds; at least one.
int GridColumns(const Session& s);

// Makes the engine place cards as the table lays them out (a grid of fan mode 8 among them): the
// main window, the command line's hand play and the tests that play through the table use it.
void InstallPilePlaces(Session& s);

// Card picture size for a card-size letter ("M", "B", "S", "X", "L"); false for any other letter.
bool CardSizeForLetter(char letter, int& width, int& height);

// Lays the current game out for a bare client area of width x height: toolbar band bottom at 0, no
// status bar, no scroll bar, the window as high as the area and the screen the size of the area,
// with cards of the given size letter ("B" when it is no size letter). Resets the pile positions and
// the fan steps first, as a new deal does.
void LayoutForClientArea(Session& s, int width, int height, char sizeLetter);

// One line per pile on the table, "Fila1 202 131": name, x, y (scroll offset removed), in the order
// stock group, foundations, tableau, reserves.
std::string FormatPilePositions(const Session& s);

} // namespace quillon
