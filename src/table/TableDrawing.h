#pragma once
// Painting the table: the background, every card and back, the marks of empty piles, the
// thickness of squared piles and the repairs after cards leave a pile.
//
// Every operation draws on two surfaces: the window's own picture (window coordinates) and the
// off-screen TableImage (table coordinates = window coordinates + scroll position). The window
// shows its picture; after each change the changed rectangle is handed to `ShowOnWindow`, which
// puts it on screen at once. Any place can be restored from TableImage (cards) or painted afresh
// from the background (the empty table), which is not held as a picture of the whole table.
#include <QImage>
#include <QRect>
#include <QString>
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class ImageResources;
class Session;
struct DealSource;
struct BackgroundChoice;

// Which surfaces an operation draws on.
enum class DrawTarget { Window, Table, Both };

// Kinds of empty-pile marks.
namespace mark_kind {
constexpr int Stock = 1, Waste = 2, Foundation = 3, Nothing = 4, Reserve = 5, Tableau = 6, SecondWaste = 7;
}

// The pile kinds the card drawing tells apart for its corners.
namespace pile_kind {
constexpr int Other = 0, Tableau = 4, Foundation = 5, Reserve = 6;
}

// The colour of the edge of a card lying beneath a squared pile's top card.
constexpr QRgb kStackEdgeColour = 0xFFC0C0C0;

class TableDrawing {
public:
    TableDrawing(Session& s, ImageResources& images);

    Session& s;
    ImageResources& images;

    QImage TableImage;  // the whole table as shown, table coordinates
    QImage WindowImage; // what the window shows, window coordinates (see WindowFollowsTable)
    QImage MarkImage;   // scratch picture of an empty-pile mark

    // Shows a changed rectangle of WindowImage on screen (a synchronous repaint); may be empty.
    std::function<void(const QRect&)> ShowOnWindow;
    // While nothing was drawn on the window alone, the window shows TableImage from the scroll
    // position down and WindowImage stays null: a window that only shows the table, as at
    // start-up, holds no second picture of it. The first drawing meant for the window alone gives
    // the window its own picture, made from the table. Off for drawings whose window picture is
    // looked at directly (off-screen tables), which have their own from the start.
    bool WindowFollowsTable = false;
    // The window shows TableImage itself.
    bool WindowIsTable() const { return WindowFollowsTable && WindowImage.isNull() && !TableImage.isNull(); }
    // The window's own picture, made from TableImage first while the window shows the table.
    QImage& OwnWindow();
    // The window picture a drawing on `to` paints besides the table: none for the table alone, or
    // for both while the window shows the table itself.
    QImage* WindowCanvas(DrawTarget to);
    // The window's size in the program's pixels, and what it shows, in either case.
    QSize WindowSize() const { return windowSize_; }
    QImage WindowPicture() const;
    QRgb WindowPixel(int x, int y) const;
    // The display shows more than 256 colours (the faded background needs it).
    bool ManyColours = true;
    // The vertical scroll bar is visible (the faded background then reaches 80 px further).
    bool ScrollBarVisible = false;
    // The height the faded background is laid out for, its black end at that row; 0 for the
    // height of the table pictures. The pictures themselves need only cover the window, while the
    // fading keeps the proportions of the whole screen.
    int FadeHeight = 0;

    // Device pixels to each of the program's pixels on the window's screen. The pictures hold
    // device pixels and carry this ratio; every operation below still takes the program's own
    // pixels. A change takes effect at the next Resize, which then makes the pictures afresh.
    qreal DeviceRatio = 1.0;

    // Sizes the table pictures for a screen of width x height (+ 30 px each way) and the window
    // picture for the client area. Contents are kept where they fit.
    void Resize(int screenWidth, int screenHeight, int clientWidth, int clientHeight);
    // The height of TableImage in the program's pixels.
    int TableHeight() const;

    // Copies TableImage to the window from the scroll position down.
    void RefreshWindow();
    // Takes the background in force from the settings and paints it into TableImage.
    void PaintBackground();

    // The empty table, painted on demand from a small pattern: one colour, the faded colour's
    // column of rows, a tile, or a whole picture. It covers the table pictures (table coordinates).
    // Paints the empty table's `tableRect` into `dst` at (x, y), clipped to both, as a block copy
    // from a picture of the empty table would (the program's pixels, as CopyPixels).
    void PaintBackgroundArea(QImage& dst, int x, int y, const QRect& tableRect) const;
    // The empty table's device pixel (x, y); `fallback` outside the table pictures.
    QRgb BackgroundPixel(int x, int y, QRgb fallback = 0xFF000000) const;
    // The empty table as one picture the size of TableImage.
    QImage BackgroundPicture() const;
    // Makes `choice` the empty table, for pictures of the current size, without painting it.
    void UseBackground(const BackgroundChoice& choice);
    // A plain table colour, without asking the settings (a table drawn off-screen).
    void SetPlainBackground(QRgb colour);

    void DrawCard(int card, int x, int y, bool stacked, DrawTarget to, int pileIndex, int pileKind);
    void DrawBack(int x, int y, bool stacked, DrawTarget to, int pileIndex = 0, int pileKind = 0);
    void DrawMark(int kind, int x, int y, DrawTarget to, int index);
    // The thickness of a squared pile: group 0 the stock-type pile `index`, group 5 foundation `index`.
    void DrawStackDepth(DrawTarget to, int group, int index, bool force, int contentLength);
    void DrawPileTop(std::string_view name, int pileIndex, DrawTarget to);
    // Card k (0-based from the bottom) of a pile at its card place; an empty pile draws its mark.
    void DrawPileCard(std::string_view name, int k, DrawTarget to);
    // Every card of a tableau or reserve pile; the top of the other piles.
    void DrawPile(std::string_view name, DrawTarget to);
    // The whole table; nothing while no game is in play. With `animateDeal` the cards of the
    // reserves and the tableau fly in from the deal source, in the order of the deal, while the
    // shuffle sound plays; the window is drawn as they land.
    void PaintTable(bool animateDeal = false);
    // A named mark picture ("StockDown", "StockUp", ...) at window (x, y), opaque at card size.
    void DrawNamedMark(const std::string& name, int x, int y, DrawTarget to);
    // Repairs the table after cards left a pile whose content was `oldContent`.
    void RedrawPileChange(const std::string& oldContent, const std::string& newContent,
                          std::string_view name);
    // Puts the background back into the four corners of the card place at window (x, y).
    void RestoreCorners(int x, int y);

    // Marks the completed foundations (index -1: all of them) with the highlight chosen in the
    // configuration file.
    void HighlightFoundations(int index);
    // Shows a selected card by inverting its colours on the window and on TableImage; the
    // corners show the table again. Inverting twice restores the card.
    void InvertCard(int left, int top, int right, int bottom);
    // The colour of a highlight colour number; numbers without a colour of their own give black.
    static QRgb HighlightColour(int number);

    // The mark name an empty pile of the given kind and index shows ("" for none, "=BG" for the
    // table itself, "#NAME" for a library picture taken by its resource name, "#JQK" for the
    // jack-queen-king mark).
    std::string MarkName(int kind, int index) const;
    // The mark of a rank value (the empty-pile rank of a tableau pile, the base rank of a
    // foundation): "" for none, "=BG" for the table itself.
    static std::string RankMarkName(int rank);
    // Depth in pixels of a squared pile of c cards, at most `maximum`.
    static int StackDepth(int c, int maximum);

    // Gives a card picture about to be put at (tx, ty) of `target` the rounded corners of its
    // place: the pixels of the table beneath show through them.
    void BlendCorners(QImage& pic, const QImage& target, int tx, int ty, bool stacked, int pileIndex,
                      int pileKind) const;

    // The labels some games show beside their piles: the row sums of the four-row sum puzzle and
    // the arrow right of tableau pile 6 of the three-by-three arrangement, on both surfaces.
    void DrawGameLabels();
    // Under each of the 13 columns of tableau piles 1-4 laid side by side, the box with the
    // column's rank sum when that column is one of `marked` (0-based); the table elsewhere.
    void DrawColumnSums(const std::vector<int>& marked);
    // A white label box with a black right and bottom edge, its text centred, on both surfaces
    // (window coordinates).
    void DrawLabelBox(const QRect& box, const QString& text);

    // Forgets the loaded mark pictures (after the card size or back changed).
    void ForgetMarks() { marks_.clear(); }

private:
    int Scroll() const;
    // The stock-type piles and the foundations with their thickness.
    void PaintSquaredPiles(DrawTarget to);
    void AnimateDeal(const DealSource& source);
    // The labels, the foundation highlights and the end of the deal.
    void FinishTable();
    void Show(const QRect& windowRect);
    void PutPicture(const QImage& picture, int x, int y, DrawTarget to, bool stacked, int pileIndex,
                    int pileKind);
    void CopyFromBackground(const QRect& tableRect, DrawTarget to);
    // Gives the corner of a card place at window (x, y) back to the table: at ratio 1 the n x n
    // square at that corner, finer pictures just the pixels outside the rounded corner.
    void RestoreCornerArea(int x, int y, int n, bool right, bool bottom, DrawTarget to);
    int FanMode(int pileKind, int pileIndex) const;
    const QImage& Mark(const std::string& name);
    // Device pixels of the empty table's row `y` from column `x`, `n` of them.
    void BackgroundRow(QRgb* out, int x, int y, int n) const;
    std::map<std::string, QImage> marks_;
    // The empty table's pattern (RGB32, device pixels), repeated across (a colour, a tile, the
    // faded rows) and down (a colour, a tile); `beyond_` where it does not repeat.
    QImage pattern_;
    QSize windowSize_;
    bool repeatsAcross_ = true, repeatsDown_ = true;
    QRgb beyond_ = 0xFF000000;
};

// The faded table colour: a vertical gradient in 256 bands from the colour at the top to black at
// the bottom of a gradient `gradientHeight` pixels high that ends at row `bottom` (the picture's
// bottom when negative).
void PaintFadedColour(QImage& img, QRgb colour, int gradientHeight, int bottom = -1);

// Copies `src` into `dst` at (x, y), clipped to `dst`; both 32-bit. Positions and `from` are the
// program's pixels; pictures with a device ratio are copied in device pixels.
void CopyPixels(QImage& dst, int x, int y, const QImage& src, QRect from = QRect());

// Device pixels of a picture with device ratio `ratio`: the program's position v lies at device
// pixel floor(v * ratio); a rectangle covers the device pixels from its near edges rounded down
// to its far edges rounded up, so that restored areas never leave a seam at fractional ratios.
int DevicePos(int v, qreal ratio);
QRect DeviceRect(const QRect& logical, qreal ratio);
// The length in device pixels of a picture `length` program pixels long.
int DeviceLength(int length, qreal ratio);
// The size of a picture in the program's pixels.
QSize LogicalSize(const QImage& img);
// The picture with device ratio `ratio`: itself, or scaled to it.
QImage AtRatio(const QImage& img, qreal ratio);
// Calls f(x, y) for each device pixel of a w x h picture (device pixels, ratio `ratio`) that
// lies outside the rounded corner `corner` (0 top left, 1 top right, 2 bottom left, 3 bottom
// right). `single`: the small cards round off only their corner pixel.
template <class F> void ForCornerPixels(int w, int h, qreal ratio, bool single, int corner, F f);

int CornerCutAt(int row, qreal ratio, bool single);

template <class F> void ForCornerPixels(int w, int h, qreal ratio, bool single, int corner, F f) {
    const bool right = corner == 1 || corner == 3, bottom = corner >= 2;
    for (int j = 0; j < h; ++j) {
        const int cut = std::min(CornerCutAt(j, ratio, single), w);
        if (cut == 0)
            break;
        for (int k = 0; k < cut; ++k)
            f(right ? w - 1 - k : k, bottom ? h - 1 - j : j);
    }
}

} // namespace quillon
