#include "table/PileLayout.h"

#include "model/ParamString.h"
#include "model/Session.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace quillon {

using namespace layout_attr;

namespace {

constexpr int kHiddenX = -10000; // a pile a whole-table arrangement leaves off the table
constexpr int kCardSizePosition = 128;
constexpr int kHandPlacedPosition = 179;

std::int16_t Clamp16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

// Division truncated toward zero (C++ already truncates; named for the reader of the formulas).
int Div(int a, int b) {
    return a / b;
}

// One run of the layout: the inputs, the values of the preparation and the rows, and the helpers
// that place a pile only when the current game has it.
class Layout {
public:
    Layout(Session& s, int top, int bottom, int width, int windowHeight, ScreenSize screen, int scrollPos)
        : s_(s), T(top), B(bottom), SW(screen.Width), SH(screen.Height), scroll_(scrollPos) {
        CW = s.Metrics.CardWidth;
        CH = s.Metrics.CardHeight;
        nStock = std::clamp(s.Attr(StockCount), 0, 3);
        m = std::clamp(s.Attr(FoundationCount), 0, kFoundationCount);
        n = std::clamp(s.Attr(TableauCount), 0, kTableauCount);
        r = std::clamp(s.Attr(ReserveCount), 0, kReserveCount);
        nWaste = s.Attr(SecondWasteCount);
        stock = ReadLayoutCode(s, StockRow, StockArrangement);
        found = ReadLayoutCode(s, FoundationRow, FoundationArrangement);
        tab = ReadLayoutCode(s, TableauRow, TableauArrangement);
        res = ReadLayoutCode(s, ReserveRow, ReserveArrangement);
        waste = ReadLayoutCode(s, SecondWasteRow, SecondWasteArrangement);

        // Preparation.
        GroupGap = (SH < 500 && m > 4 && nStock > 1) ? 5 : 15;
        MinX = SH < 500 ? 10 : 20;
        W = width - 2 - (windowHeight < 500 ? 10 : 0);
        Big = windowHeight >= 500;
        Tall = SH >= 500;
    }

    void Run();

private:
    // Rows, margin and general arrangements (one pass; the reserve-overlap test may ask for another).
    void Rows();
    void LeftMargin();
    bool WholeTable();
    void TableauGeneral();
    void StockGroup();
    void Foundations();
    void TableauUnderFoundations();
    void Reserves();
    void SecondWaste();
    bool ReserveOverlap();
    void Finish(bool general);

    // Whole-table arrangements.
    void Grid(int c, int rows, int g, std::optional<int> x0, std::optional<int> y0, int gy = -1);
    void Arr051();
    void Arr052();
    void Arr054();
    void Arr057();
    void Arr058();
    void Arr066();
    void Arr075();
    void Arr078();
    void Arr103();
    void Arr108();
    void Arr120();
    void Arr123();
    void Arr124();
    void Arr125();
    void Arr126();
    void Arr127();
    void Arr128();
    void Arr129();
    void Arr130();
    void Arr061();
    void Arr081();
    void Arr098();
    void Arr166();
    void Arr172();

    // y of row digit d; a "0" is row 1 for the stock group, foundations and tableau and y 0 for the
    // others. Characters outside "0".."4" count as "0".
    int RowY(char d, bool zeroIsRow1) const {
        if (d >= '1' && d <= '4')
            return Row[d - '0'];
        return zeroIsRow1 ? Row[1] : 0;
    }
    int RowIndex(char d) const { return (d >= '1' && d <= '4') ? d - '0' : 1; }
    int Centre3(int k) const { return centre3_ + k * (CH + 10); }
    int Centre4(int k) const { return centre4_ + k * (CH + 10); }

    bool StockSlotExists(int slot) const { return slot < 2 ? nStock >= 1 : (nStock >= 3 || nWaste > 0); }
    void SetTab(int k, int x, int y) {
        SetTabX(k, x);
        SetTabY(k, y);
    }
    void SetTabX(int k, int x) {
        if (k >= 1 && k <= n)
            s_.TableauX[static_cast<size_t>(k - 1)] = Clamp16(x);
    }
    void SetTabY(int k, int y) {
        if (k >= 1 && k <= n)
            s_.TableauY[static_cast<size_t>(k - 1)] = Clamp16(y);
    }
    int TabX(int k) const {
        return k >= 1 && k <= kTableauCount ? s_.TableauX[static_cast<size_t>(k - 1)] : kTableauHidden;
    }
    int TabY(int k) const {
        return k >= 1 && k <= kTableauCount ? s_.TableauY[static_cast<size_t>(k - 1)] : kTableauHidden;
    }
    void SetFound(int i, int x, int y) {
        SetFoundX(i, x);
        SetFoundY(i, y);
    }
    void SetFoundX(int i, int x) {
        if (i >= 1 && i <= m)
            s_.Game.FoundationX[static_cast<size_t>(i - 1)] = Clamp16(x);
    }
    void SetFoundY(int i, int y) {
        if (i >= 1 && i <= m)
            s_.Game.FoundationY[static_cast<size_t>(i - 1)] = Clamp16(y);
    }
    int FoundX(int i) const { return s_.Game.FoundationX[static_cast<size_t>(i - 1)]; }
    int FoundY(int i) const { return s_.Game.FoundationY[static_cast<size_t>(i - 1)]; }
    void SetRes(int j, int x, int y) {
        SetResX(j, x);
        SetResY(j, y);
    }
    void SetResX(int j, int x) {
        if (j >= 1 && j <= r)
            s_.Game.ReserveX[static_cast<size_t>(j - 1)] = Clamp16(x);
    }
    void SetResY(int j, int y) {
        if (j >= 1 && j <= r)
            s_.Game.ReserveY[static_cast<size_t>(j - 1)] = Clamp16(y);
    }
    void SetStock(int slot, int x, int y) {
        SetStockX(slot, x);
        SetStockY(slot, y);
    }
    void SetStockX(int slot, int x) {
        if (StockSlotExists(slot))
            s_.Game.StockX[static_cast<size_t>(slot)] = Clamp16(x);
    }
    void SetStockY(int slot, int y) {
        if (StockSlotExists(slot))
            s_.Game.StockY[static_cast<size_t>(slot)] = Clamp16(y);
    }
    int StockXOf(int slot) const { return s_.Game.StockX[static_cast<size_t>(slot)]; }
    int StockYOf(int slot) const { return s_.Game.StockY[static_cast<size_t>(slot)]; }

    Session& s_;
    const int T, B, SW, SH;
    const int scroll_;
    int CW = 0, CH = 0;
    int nStock = 0, m = 0, n = 0, r = 0, nWaste = 0;
    LayoutCode stock, found, tab, res, waste;
    int GroupGap = 15, MinX = 20, W = 0, N = 0;
    bool Big = true, Tall = true;
    std::array<int, 5> Row{}; // Row[0] is y 0
    int centre3_ = 0, centre4_ = 0;
    int gap_ = 0;                     // tableau gap of the general arrangement, 0 when none was set
    std::optional<int> tableauStart_; // set by the reserve-overlap test
};

void Layout::Run() {
    s_.Game.ScrollOffset = 0;
    for (int pass = 0; pass < 2; ++pass) {
        Rows();
        LeftMargin();
        if (WholeTable()) {
            Finish(false);
            return;
        }
        gap_ = 0;
        TableauGeneral();
        if (nStock > 0)
            StockGroup();
        Foundations();
        if (tab.Arrangement == "020")
            TableauUnderFoundations();
        if (r > 0)
            Reserves();
        if (nWaste > 0)
            SecondWaste();
        // Only the "002" row takes the start, so only it is laid out again; any other arrangement
        // keeps its first pass (a second one could not move it). After the second pass the layout stands.
        if (pass == 0 && ReserveOverlap() && tab.Arrangement == "002")
            continue;
        break;
    }
    Finish(true);
}

void Layout::Rows() {
    const int bandGap = Big ? 10 : 5;
    Row[0] = 0;
    Row[1] = T + bandGap + (stock.Row == '1' ? 15 : 0);
    Row[2] = Row[1] + bandGap + CH + ((stock.Row == '2' || stock.Arrangement == "003") ? 15 : 0);
    Row[3] = Row[2] + bandGap + CH;
    Row[4] = Row[3] + bandGap + CH;
    if (tab.Arrangement == "015") {
        Row[1] = T + 15;
        Row[2] = Row[1] + 5 + CH;
        Row[3] = Row[2] + 5 + CH;
    }
    centre3_ = std::max(T + Div(B - T - 3 * CH - 20, 2), T + 2);
    centre4_ = std::max(T + Div(B - T - 4 * CH - 30, 2), T + 2);
}

void Layout::LeftMargin() {
    N = W < 650 ? 3 : 5;
    if (nStock > 0) {
        N += s_.Metrics.ShadowSize;
        const std::string& a = stock.Arrangement;
        if (a == "003" || a == "004" || a == "005" || a == "016" || a == "019" || waste.Arrangement == "004")
            N += 15;
    }
}

// ---------------------------------------------------------------------------------------------
// Whole-table arrangements

bool Layout::WholeTable() {
    const std::string& a = tab.Arrangement;
    struct Entry {
        const char* code;
        void (Layout::*place)();
    };
    static constexpr Entry kTable[] = {
        {"051", &Layout::Arr051}, {"052", &Layout::Arr052}, {"054", &Layout::Arr054},
        {"057", &Layout::Arr057}, {"058", &Layout::Arr058}, {"066", &Layout::Arr066},
        {"078", &Layout::Arr078}, {"103", &Layout::Arr103}, {"108", &Layout::Arr108},
        {"120", &Layout::Arr120}, {"123", &Layout::Arr123}, {"124", &Layout::Arr124},
        {"125", &Layout::Arr125}, {"126", &Layout::Arr126}, {"127", &Layout::Arr127},
        {"128", &Layout::Arr128}, {"129", &Layout::Arr129}, {"130", &Layout::Arr130},
        {"061", &Layout::Arr061}, {"081", &Layout::Arr081}, {"098", &Layout::Arr098},
        {"166", &Layout::Arr166}, {"172", &Layout::Arr172}, {"075", &Layout::Arr075},
    };
    for (const Entry& e : kTable) {
        if (a == e.code) {
            (this->*e.place)();
            return true;
        }
    }
    return false;
}

// Tableau pile k (0-based) in column k mod c and row k div c. x0 and y0 default to the centred
// values; gy is the vertical gap when it differs from g.
void Layout::Grid(int c, int rows, int g, std::optional<int> x0, std::optional<int> y0, int gy) {
    if (gy < 0)
        gy = g;
    const int x = x0 ? *x0 : Div(W - c * CW - (c - 1) * g, 2);
    const int y = y0 ? *y0 : T + Div(B - T - rows * CH - (rows - 1) * gy, 2);
    for (int k = 0; k < c * rows; ++k)
        SetTab(k + 1, x + (k % c) * (CW + g), y + (k / c) * (CH + gy));
}

void Layout::Arr051() {
    const int g = 10;
    int x0 = Div(W - 4 * CW - 3 * g, 2);
    const int y0 = std::max(T + Div(B - T - 4 * CH - 3 * g, 2), Row[1]);
    int side = 70;
    if (x0 - CW - 80 < 0) {
        side = 35;
        if (x0 - CW - 45 < 0) {
            side = 15;
            if (x0 - CW - 25 < 0)
                x0 = CW + N + 15;
        }
    }
    Grid(4, 4, g, x0, y0);
    const int sy = y0 + (CH + g) + Div(CH + 10, 2);
    SetStock(0, x0 - CW - side, sy);
    SetStock(2, x0 + 3 * (CW + g) + CW + side, sy);
    SetStockX(1, kHiddenX);
    for (int i = 1; i <= 4; ++i)
        SetFoundX(i, kHiddenX);
}

void Layout::Arr052() {
    const int g = Big ? 35 : 25;
    int xL = Div(W - 3 * CW - 2 * g, 2);
    if (xL - CW - 2 * g - 25 < 0)
        xL = CW + 2 * g + 25;
    const int xC = xL + CW + g, xR = xC + CW + g;
    const int yT = std::max(T + Div(B - T - 3 * CH - 2 * g, 2), Row[1]);
    const int yM = yT + g + CH, yB = yM + g + CH;
    SetTab(1, xC, yT);
    SetTab(2, xL, yM);
    SetTab(3, xC, yM);
    SetTab(4, xR, yM);
    SetTab(5, xC, yB);
    for (int k = 6; k <= 8; ++k)
        SetTabX(k, kHiddenX);
    const int sx = xL - CW - 2 * g;
    SetStock(0, sx, yT);
    SetStock(1, sx, yM);
    SetFound(1, xL + 7, yT + 7);
    SetFound(2, xR - 7, yT + 7);
    SetFound(3, xL + 7, yB - 7);
    SetFound(4, xR - 7, yB - 7);
}

void Layout::Arr054() {
    const int rowGap = s_.Game.RowGap;
    const int h = Div(CW + rowGap, 2);
    const int p = s_.Attr(PyramidFirstRow), q = s_.Attr(PyramidLastRow);
    const int sy = std::max(T + Div(B - T - 6 * Div(CH, 2) - CH, 2) - 20, T + 30);
    int x1 = Div(W - p * CW - (p - 1) * rowGap, 2);
    if (!Tall && p < q)
        x1 = Div(W - CW, 2);
    std::array<int, 8> x{}; // x[1]..x[7]: row starts
    int sx = 0, wx = 0;
    // Move the pyramid right 3 px at a time until the stock fits beside it. The bound only guards
    // against absurd card sizes; every real table settles within a few hundred steps.
    for (int guard = 0; guard < 100000; ++guard) {
        x[1] = x1;
        bool done;
        if (p < q) {
            for (int k = 2; k <= 7; ++k)
                x[k] = x[k - 1] - h;
            sx = Tall ? Div(x[7] - CW, 2) : Div(x[7] - CW + 50, 2);
            wx = 2 * x[1] - sx;
            done = sx + CW + 3 < x[6] && sx > 19;
        } else {
            for (int k = 2; k <= 7; ++k)
                x[k] = x[k - 1] + h;
            sx = Div(x[1] - CW, 2);
            wx = 2 * x[7] - sx;
            done = sx + CW + 3 < x[6] && sx + CW + 3 < x[1] && sx > 19;
        }
        if (done)
            break;
        x1 += 3;
    }
    SetStock(0, sx, sy);
    SetStock(1, sx, sy + CH + 25);
    SetStock(2, wx, sy);
    const int v = Tall ? -4 : 8;
    int y = sy;
    for (int k = 1; k <= 7; ++k) {
        SetTab(k, x[static_cast<size_t>(k)], y);
        y += Div(CH, 2) - v;
    }
}

void Layout::Arr057() {
    int g, e, f;
    if (Tall) {
        g = 10, e = 45, f = 50;
    } else {
        g = 3, e = 20, f = 15;
    }
    const int sx = Div(W - 2 * CW - 15, 2);
    SetStock(0, sx, Row[1] + e);
    SetStock(1, sx + CW + 15, Row[1] + e);
    int x0 = Div(W - 6 * CW - 5 * g, 2);
    if (x0 - CW - f - 25 < 0)
        x0 = CW + f + 25;
    for (int c = 0; c < 6; ++c) {
        SetTab(c + 1, x0 + c * (CW + g), Row[2] + e);
        SetTab(c + 7, x0 + c * (CW + g), Row[3] + e);
    }
    const int f1x = x0 - CW - f, f2x = x0 + 5 * (CW + g) + CW + f;
    const int lowY = Tall ? Row[4] : Row[3] + 50;
    SetFound(1, f1x, Row[1]);
    SetFound(2, f2x, Row[1]);
    SetFound(3, f1x, lowY);
    SetFound(4, f2x, lowY);
}

void Layout::Arr058() {
    const int g = Big ? 30 : 10, e = Big ? 50 : 30;
    const int sx = std::max(Div(W - 7 * CW - 100, 2) - CW - 37, 25);
    SetStock(0, sx, Centre4(0) - g);
    const int wx = sx + CW + 15;
    SetStock(1, wx, Centre4(0) - g);
    const int x0 = wx + e + CW;
    for (int k = 0; k < 20; ++k)
        SetTab(k + 1, x0 + (k % 5) * (CW + 10), Centre4(k / 5));
    const int f1x = x0 - CW - 30, f2x = x0 + 4 * (CW + 10) + CW + 30;
    SetFound(1, f1x, Centre4(1));
    SetFound(2, f2x, Centre4(1));
    SetFound(3, f1x, Centre4(2));
    SetFound(4, f2x, Centre4(2));
}

void Layout::Arr066() {
    const int v = Tall ? 3 : 1;
    const int x0 = std::max(Div(W - 6 * CW - 62, 2), 15);
    const int y0 = std::max(T + Div(B - T - 5 * CH - 4 * v, 2), T + 2);
    Grid(5, 5, 3, x0, y0, v);
    const int sx = x0 + 4 * (CW + 3) + CW + 50;
    SetStock(0, sx, y0 + (CH + v) + Div(CH, 3));
    SetStock(2, sx, y0 + 3 * (CH + v) - Div(CH, 3));
    // A game that turns its stock onto a waste instead of discarding shows the waste there.
    if (nStock >= 2 && nWaste == 0)
        SetStock(1, sx, y0 + 3 * (CH + v) - Div(CH, 3));
}

// The five by five square of "066" without its four corners: 21 places, the rows holding 3, 5, 5, 5
// and 3 cards (the short rows over the middle three columns), the stock and the discard pile to
// the right as in "066".
void Layout::Arr075() {
    const int v = Tall ? 3 : 1;
    const int x0 = std::max(Div(W - 6 * CW - 62, 2), 15);
    const int y0 = std::max(T + Div(B - T - 5 * CH - 4 * v, 2), T + 2);
    static constexpr int kRowStart[] = {1, 0, 0, 0, 1}, kRowCount[] = {3, 5, 5, 5, 3};
    int pile = 1;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < kRowCount[r]; ++c)
            SetTab(pile++, x0 + (kRowStart[r] + c) * (CW + 3), y0 + r * (CH + v));
    const int sx = x0 + 4 * (CW + 3) + CW + 50;
    SetStock(0, sx, y0 + (CH + v) + Div(CH, 3));
    SetStock(2, sx, y0 + 3 * (CH + v) - Div(CH, 3));
}

void Layout::Arr078() {
    const int sp = 22 * CW / 10;
    const int v = Tall ? 3 : 1, g = Tall ? 5 : 2;
    const int x0 = std::max(Div(W - 5 * sp, 2), 15);
    int y0 = std::max(T + Div(B - T - 5 * CH - 4 * v, 2), T + 10);
    if (s_.Attr(DeckSize) == 104)
        y0 = std::max(y0, T + 12);
    if (nStock > 0)
        SetStock(0, x0, y0);
    for (int i = 1; i <= 4; ++i)
        SetFound(i, x0 + i * sp, y0);
    for (int k = 0; k < 15; ++k)
        SetTab(k + 1, x0 + (k % 5) * sp, y0 + (k / 5 + 1) * (CH + v));
    for (int k = 16; k <= 18; ++k)
        if (n > k - 1)
            SetTab(k, x0 + (k - 16) * sp, y0 + 4 * (CH + v));
    if (nStock == 2)
        SetStock(1, StockXOf(0) + CW + 15, StockYOf(0));
    if (m == 8) {
        const int wx = StockXOf(1), wy = StockYOf(1);
        for (int i = 1; i <= 8; ++i)
            SetFound(i, wx + CW + Div(CW, 6) + (i - 1) * (CW + g), wy);
    }
}

void Layout::Arr103() {
    const int e = 5;
    const int x1 = std::max(Div(W - 8 * CW - 7 * e, 2), 25);
    const int fy = std::max(T + Div(B - T - 2 * CH - 105, 2), T + 5);
    for (int i = 1; i <= 8; ++i)
        SetFound(i, x1 + (i - 1) * (CW + e), fy);
    const int sy = fy + CH + 45;
    SetStock(0, x1 + 3 * (CW + e) - 15, sy);
    SetStock(1, x1 + 4 * (CW + e) + 15, sy);
}

void Layout::Arr108() {
    const int g = Big ? 10 : 6, e = 10, h = 7;
    const int sx = Div(CW, 2);
    const int sy = std::max(T + Div(B - T - 4 * CH - 7 * g - 35, 2), T + 15);
    SetStock(0, sx, sy);
    const int wx = sx + CW + 15;
    SetStock(1, wx, sy);
    const int x1 = std::max(Div(W - 4 * CW - 3 * e, 2), wx + CW + 2 * e);
    const int f1y = sy + g;
    for (int i = 1; i <= 4; ++i)
        SetFound(i, x1 + (i - 1) * (CW + 10), f1y);
    const int x5 = x1 - 2 * e - 2 * CW;
    const int f5y = f1y + CH + g;
    for (int i = 5; i <= 12; ++i)
        SetFound(i, x5 + (i - 5) * (CW + e), f5y);
    const int tx = x5 + Div(7 * e - 7 * h, 2);
    const int ty = f5y + CH + 4 * g;
    for (int k = 0; k < 8; ++k) {
        SetTab(k + 1, tx + k * (CW + h), ty);
        SetTab(k + 9, tx + k * (CW + h), ty + CH + h);
    }
}

void Layout::Arr120() {
    const int g = 12;
    const int sx = std::max(Div(W - 6 * CW - 7 * g - 15, 2), 25);
    const int sy = T + 30;
    SetStock(0, sx, sy);
    SetStock(1, sx, sy + CH + g + 15);
    const int x1 = sx + CW + 3 * g + 15;
    for (int i = 0; i < 5; ++i) {
        SetFound(i + 1, x1 + i * (CW + g), sy);
        SetTab(i + 1, x1 + i * (CW + g), sy + CH + 2 * g);
    }
}

void Layout::Arr123() {
    const bool withWaste = s_.Attr(SecondWasteCount) != 0;
    int g = withWaste ? 5 : 10;
    const int centring = withWaste ? 6 * CW + 4 * g : 4 * CW + 3 * g;
    if (!Big)
        g = 1;
    const int x0 = std::max(Div(W - centring - 10, 2), 25);
    Grid(4, 4, g, x0, std::nullopt);
    if (s_.Attr(SecondWasteCount) == 1)
        SetStock(2, x0 + 3 * (CW + g) + g + 2 * CW,
                 T + Div(B - T - 4 * CH - 3 * g, 2) + (CH + g) + Div(CH + g, 2));
}

void Layout::Arr124() {
    const int g = Big ? 15 : 10;
    Grid(3, 3, g, std::max(Div(W - 3 * CW - 2 * g, 2), 25), std::nullopt);
}

void Layout::Arr125() {
    const int g = Big ? 3 : 1;
    const int centring = s_.Attr(SecondWasteCount) != 0 ? 7 * CW + 4 * g : 5 * CW + 3 * g;
    const int x0 = std::max(Div(W - centring, 2), 25);
    Grid(5, 5, g, x0, std::nullopt);
    if (s_.Attr(SecondWasteCount) == 1)
        SetStock(2, x0 + 4 * (CW + g) + g + 2 * CW, T + Div(B - T - 5 * CH - 4 * g, 2) + 2 * (CH + g));
}

void Layout::Arr126() {
    const int g = Big ? 5 : 3;
    const int xa = std::max(Div(W - 5 * CW - 4 * g, 2), 25);
    const int y0 = std::max(T + Div(B - T - 3 * CH - 2 * g, 2), Row[1]);
    for (int c = 0; c < 4; ++c) {
        SetTab(c + 1, xa + Div(CW + g, 2) + c * (CW + g), y0);
        SetTab(c + 10, xa + Div(CW + g, 2) + c * (CW + g), y0 + 2 * (CH + g));
    }
    for (int c = 0; c < 5; ++c)
        SetTab(c + 5, xa + c * (CW + g), y0 + CH + g);
}

void Layout::Arr127() {
    const int g = Big ? 5 : 2;
    const int x0 = std::max(Div(W - 8 * CW - 6 * g, 2), 25);
    const int y0 = std::max(T + Div(B - T - 4 * CH - 3 * g, 2), Row[1]);
    for (int k = 0; k < 4; ++k)
        SetTab(k + 1, x0, y0 + k * (CH + g));
    SetStock(2, x0 + 7 * CW + g, y0 + (CH + g) + Div(CH + g, 2));
}

void Layout::Arr128() {
    const int g = Big ? 3 : 1;
    const int x0 = std::max(Div(W - 10 * CW - 8 * g, 2), 25);
    const int y0 = std::max(T + Div(B - T - 5 * CH - 4 * g, 2), T + 5);
    for (int k = 0; k < 5; ++k)
        SetTab(k + 1, x0, y0 + k * (CH + g));
    SetStock(2, x0 + 9 * CW + g, y0 + CH + g);
}

void Layout::Arr129() {
    const int g = Big ? 5 : 2;
    const int x0 = std::max(Div(W - 6 * CW - 4 * g, 2), 25);
    const int y0 = std::max(T + Div(B - T - 3 * CH - 2 * g, 2), T + 5);
    for (int k = 0; k < 3; ++k)
        SetTab(k + 1, x0, y0 + k * (CH + g));
    SetStock(2, x0 + 5 * CW + g, y0 + CH + g);
}

void Layout::Arr130() {
    const int g = Big ? 5 : 2, e = 15;
    const int x1 = std::max(Div(W - 10 * CW - 9 * g, 2), 10);
    const int fy = std::max(T + Div(B - T - 3 * CH - 6 * e, 2), T + 5);
    const int ty = fy + CH + e;
    for (int i = 0; i < 10; ++i) {
        SetFound(i + 1, x1 + i * (CW + g), fy);
        SetTab(i + 1, x1 + i * (CW + g), ty);
        SetTab(i + 11, x1 + i * (CW + g), ty + CH + 4 * e);
    }
}

void Layout::Arr061() {
    const int g = Big ? 5 : 2, e = Big ? 31 : 0;
    const int x1 = std::max(Div(W - 10 * CW - 9 * g, 2), MinX);
    const int ty = std::max(Div(2 * T + (B - T - 5 * CH - 4 * g), 2), T + 15);
    for (int k = 0; k < 4; ++k)
        SetTab(k + 1, x1 + k * (CW + g), ty);
    std::array<int, 13> fx{}, fy{};
    fx[1] = x1 + 3 * (CW + g) + 4 * CW - 10, fy[1] = ty;
    fx[2] = fx[1] + CW + g, fy[2] = fy[1] + e;
    fx[3] = fx[2] + CW + g, fy[3] = fy[2] + Div(CH, 2);
    fx[4] = fx[3] + Div(CW, 2), fy[4] = fy[3] + CH + g;
    fx[5] = fx[3], fy[5] = fy[4] + CH + g;
    fx[6] = fx[2], fy[6] = fy[5] + Div(CH, 2) + 10;
    fx[7] = fx[6] - CW - g, fy[7] = fy[6] + e;
    fx[8] = fx[7] - CW - g, fy[8] = fy[6];
    fx[9] = fx[8] - CW - g, fy[9] = fy[5];
    fx[10] = fx[9] - Div(CW, 2), fy[10] = fy[4];
    fx[11] = fx[9], fy[11] = fy[3];
    fx[12] = fx[8], fy[12] = fy[2];
    for (int i = 1; i <= 12; ++i)
        SetFound(i, fx[static_cast<size_t>(i)], fy[static_cast<size_t>(i)]);
    for (int k = 0; k < 4; ++k)
        SetTab(k + 5, x1 + k * (CW + g), fy[5]);
}

void Layout::Arr081() {
    const int g = 10, e = 40, h = 5;
    const int slot = s_.Attr(HasStock) == 1 ? 0 : 1;
    const int sx = std::max(Div(W - 8 * CW - 5 * h - 2 * e, 2), 25);
    const int x0 = sx + CW + e;
    const int y0 = std::max(T + Div(B - T - 4 * CH - 3 * g, 2), T + 5);
    for (int k = 0; k < 20; ++k)
        SetTab(k + 1, x0 + (k % 5) * (CW + h), y0 + (k / 5) * (CH + g));
    SetStock(slot, sx, y0 + (CH + g) + Div(CH + g, 2));
    const int f1x = x0 + 4 * (CW + h) + CW + e + h;
    for (int i = 0; i < 4; ++i) {
        SetFound(i + 1, f1x, y0 + i * (CH + g));
        SetFound(i + 5, f1x + CW + h, y0 + i * (CH + g));
    }
}

void Layout::Arr098() {
    const int g = 30, e = 40, h = 10;
    const int x0 = std::max(Div(W - 6 * CW - 50, 2), 10);
    const int sy = std::max(T + Div(B - T - 3 * CH - g - e - 60, 2), T + 15);
    SetStock(0, x0, sy);
    SetStock(2, x0 + CW + 25, sy);
    for (int c = 0; c < 6; ++c) {
        SetTab(c + 1, x0 + c * (CW + h), sy + CH + e);
        SetTab(c + 7, x0 + c * (CW + h), sy + CH + e + CH + g);
    }
}

void Layout::Arr166() {
    const int g = Big ? 20 : 18;
    const int x0 = std::max(Div(W - 4 * CW - 3 * g - 10, 2), 25);
    const int y0 = std::max(T + Div(B - T - 4 * CH - 3 * g, 2), T + 10);
    Grid(4, 4, g, x0, y0);
}

void Layout::Arr172() {
    const int g = 10;
    const int x0 = std::max(Div(W - 5 * CW - 95, 2), 20) + 30 + CW;
    const int y0 = std::max(T + Div(B - T - 3 * CH - 2 * g, 2), T + 10);
    Grid(3, 3, g, x0, y0);
    const int y2 = y0 + CH + g;
    SetStock(0, x0 - 30 - CW, y2);
    SetFound(1, x0 + 2 * (CW + g) + 30 + CW, y2);
}

// ---------------------------------------------------------------------------------------------
// General arrangements

void Layout::TableauGeneral() {
    const std::string& a = tab.Arrangement;
    const int y0 = RowY(tab.Row, true);
    for (int k = 1; k <= n; ++k)
        SetTabY(k, y0);
    auto placeRow = [&](int x0, int gap, int firstGaps) {
        int x = x0;
        for (int k = 1; k <= n; ++k) {
            SetTabX(k, x);
            x += CW + (k <= firstGaps ? 15 : gap);
        }
    };
    const bool stockInRow = stock.Arrangement == "004" || waste.Arrangement == "004";

    if (a == "001" || a == "014" || a == "015") {
        int gap = std::clamp(Div(W - n * CW, n + 1), 4, 20);
        if (n > 8 && gap > 14)
            gap = 14;
        if (a == "001" && stockInRow)
            gap = std::max(gap, 15);
        int x0 = Div(W - n * CW - (n - 1) * gap, 2);
        if (x0 < N) {
            if (a == "001") {
                x0 = N;
            } else {
                // Narrow the gaps just enough to start at the margin; one pile has no gap to narrow.
                if (n > 1)
                    gap -= static_cast<int>(std::trunc(static_cast<double>(N - x0) / (n - 1) + 0.99));
                gap = std::clamp(gap, 4, 20);
                if (SW < 650 && a == "015" && n == 10) {
                    x0 = 15;
                    gap = 3;
                } else if (SW < 650 && (m == 8 || n == 10)) {
                    x0 = N - 2;
                } else {
                    x0 = N;
                }
            }
        }
        gap_ = gap;
        const int firstGaps = (a != "001" && stockInRow && gap < 15) ? nStock : 0;
        placeRow(x0, gap, firstGaps);
    } else if (a == "002") {
        const int gap = W >= 650 ? 10 : 5;
        int x0 = tableauStart_ ? *tableauStart_ : Div(W - n * CW - (n - 1) * gap, 2);
        x0 = std::max(x0, N);
        gap_ = gap;
        placeRow(x0, gap, 0);
    } else if (a == "003" || a == "012" || a == "011" || a == "021") {
        const int ca = (a == "003" || a == "012") ? 1 : 2;
        const int cb = ca == 1 ? 2 : 1;
        if (ca == 1 && SH < 500 && GroupGap > 10) {
            GroupGap = 10;
            N = 15;
        }
        int gap = Div(W - (n + ca) * CW - cb * GroupGap - 15 * ca, n + 4);
        if (gap < 4)
            gap = 4;
        else if (gap > 20)
            gap = 15;
        if (a == "021")
            gap = 4;
        int x0 = Div(W - 15 * ca - cb * GroupGap - (n + ca) * CW - n * gap, 2);
        if (m < 8 || (m == 8 && ca == 1))
            x0 = std::max(x0, N);
        else
            x0 = std::max(x0, Tall ? 1 : -4);
        x0 += ca * (CW + 15) + cb * GroupGap;
        if (a == "011" || a == "012")
            x0 += GroupGap;
        gap_ = gap;
        placeRow(x0, gap, 0);
    } else if (a == "013") {
        int mm = s_.Metrics.ShadowSize != 0 ? s_.Metrics.ShadowSize : 9;
        if (SH < 500)
            mm = -11;
        gap_ = 4;
        placeRow(2 * mm + 30, 4, 0);
    } else if (a == "018" || a == "010") {
        const int rows = std::max(s_.Attr(TableauRowCount), 1);
        const int p = std::max(Div(n, rows), 1);
        int gap, x0, rowIndex;
        if (a == "018") {
            gap = std::max(Div(W - p * CW - 2, p + 1), 3 * CW / 2);
            x0 = Tall ? N + 10 : 15;
            rowIndex = RowIndex(tab.Row) - 1;
        } else {
            gap = 85 * CW / 100;
            x0 = 15;
            rowIndex = 0;
        }
        auto rowY = [&](int i) { return a == "018" ? Centre4(i) : Centre3(i); };
        gap_ = gap;
        int x = x0;
        SetTab(1, x, rowY(rowIndex));
        for (int k = 1; k < n; ++k) {
            if (rows > 1 && k % p == 0) {
                ++rowIndex;
                x = x0;
            } else {
                x += CW + gap;
            }
            SetTab(k + 1, x, rowY(rowIndex));
        }
    }
    // "020" is placed under the foundations; any other arrangement sets only the rows.
}

void Layout::StockGroup() {
    const std::string& a = stock.Arrangement;
    const int sy = RowY(stock.Row, true);
    SetStockY(0, sy);
    const int t1 = TabX(1);
    const int hasStock = s_.Attr(HasStock), toWaste = s_.Attr(StockToWaste);
    auto placeWaste = [&](int x) { SetStock(1, x, sy); };
    if (a == "004") {
        if (hasStock == 1 && toWaste == 1) {
            SetStockX(0, t1);
            placeWaste(TabX(2));
        } else if (hasStock == 0 && toWaste == 1) {
            placeWaste(t1);
        } else if (hasStock == 1 && toWaste == 0) {
            SetStockX(0, t1);
        }
    } else if (a == "005") {
        int x = N;
        for (int slot = 0; slot < nStock; ++slot) {
            SetStock(slot, x, sy);
            x += N + CW;
        }
    } else if (a == "003") {
        const int sx = t1 - CW - 2 * GroupGap;
        SetStockX(0, sx);
        if (toWaste == 1)
            SetStock(1, sx, Row[2]);
    } else if (a == "011") {
        const int wx = t1 - CW - 3 * GroupGap;
        placeWaste(wx);
        SetStockX(0, wx - CW - GroupGap);
    } else if (a == "013") {
        int mm = s_.Metrics.ShadowSize;
        if (mm > 1)
            mm /= 2;
        if (SH < 500 && m == 8 && nStock > 1)
            mm = -3;
        SetStockX(0, mm + 15);
        SetStockY(1, sy);
        if (nStock > 1)
            SetStockX(1, mm + 15 + CW + 15);
    } else if (a == "016" || a == "019") {
        const int x = t1 - CW - (a == "016" ? 2 : 4) * GroupGap;
        if (hasStock == 1)
            SetStockX(0, x);
        else
            placeWaste(x);
    } else if (a == "021") {
        const int wx = t1 - CW - GroupGap;
        placeWaste(wx);
        const int c = Tall ? 5 : (m < 5 ? 5 : 0);
        SetStockX(0, wx - CW - c - 15);
    } else if (a == "023") {
        if (hasStock == 1 && toWaste == 1) {
            SetStockX(0, t1);
            placeWaste(t1 + CW + 18);
        }
    }
}

void Layout::Foundations() {
    if (m < 1)
        return;
    const std::string& a = found.Arrangement;
    const int fy = RowY(found.Row, true);
    SetFoundY(1, fy);
    const int fgap = std::max(Div(gap_, 3), 4);
    // Foundation i over tableau pile k; piles numbered below 1 do not exist and give no place.
    auto overPile = [&](int i, int k) {
        if (k >= 1 && k <= kTableauCount)
            SetFound(i, TabX(k), fy);
    };
    auto leftFrom = [&](int xLast, int step) {
        for (int i = m; i >= 1; --i)
            SetFound(i, xLast - (m - i) * step, fy);
    };
    if (a == "007" || (a == "013" && Tall)) {
        for (int i = 1; i <= m; ++i)
            overPile(i, n - m + i);
    } else if (a == "009" || a == "013") {
        if (n >= 1)
            leftFrom(TabX(n), a == "009" ? fgap + CW : CW + 2);
    } else if (a == "001") {
        const int e = std::max(Div(W - m * CW - 2, m + 1), 1);
        for (int i = 1; i <= m; ++i)
            SetFound(i, e + (i - 1) * (CW + e), fy);
    } else if (a == "002") {
        const int g2 = std::max(Div(gap_, 2), 4);
        const int x1 = Div(W - m * CW - (m - 1) * g2, 2);
        for (int i = 1; i <= m; ++i)
            SetFound(i, x1 + (i - 1) * (CW + g2), fy);
    } else if (a == "008") {
        leftFrom(W - CW - N - 5, N + CW);
    } else if (a == "017") {
        int c, e;
        if (Tall) {
            c = 17, e = 4;
        } else {
            c = (m == 8 && nStock > 1) ? 4 : 7;
            e = 3;
        }
        const int slot = s_.Attr(StockToWaste) == 1 ? 1 : 0;
        const int x1 = StockXOf(slot) + CW + c, y = StockYOf(0);
        for (int i = 1; i <= m; ++i)
            SetFound(i, x1 + (i - 1) * (CW + e), y);
    } else if (a == "022") {
        for (int i = 1; i <= m; ++i)
            overPile(i, i);
    } else if (a == "032") {
        // Two rows, each centred as "002": the first half of the foundations (one more when the
        // count is odd) in the foundation row, the rest in the row below it. Sixteen foundations
        // do not fit side by side on a screen 1024 pixels wide.
        const int g2 = std::max(Div(gap_, 2), 4);
        const int upper = (m + 1) / 2;
        const int lowerY = RowY(static_cast<char>(std::min(RowIndex(found.Row) + 1, 4) + '0'), true);
        // On a narrow table both rows move right, as far as needed to keep the upper row clear of
        // the stock and the waste lying in it, shadows included.
        int clearOf = 0;
        for (int slot = 0; slot < 2; ++slot)
            if (StockSlotExists(slot) && StockYOf(slot) == fy)
                clearOf = std::max(clearOf, StockXOf(slot) + CW + s_.Metrics.ShadowSize + g2);
        const int shift = std::max(clearOf - Div(W - upper * CW - (upper - 1) * g2, 2), 0);
        auto centred = [&](int first, int count, int y) {
            const int x1 = Div(W - count * CW - (count - 1) * g2, 2) + shift;
            for (int k = 0; k < count; ++k)
                SetFound(first + k, x1 + k * (CW + g2), y);
        };
        centred(1, upper, fy);
        centred(upper + 1, m - upper, lowerY);
    }
}

void Layout::TableauUnderFoundations() {
    if (m < 1)
        return;
    const int f1 = FoundX(1), fm = FoundX(m);
    const int offset = Div(fm + CW - f1 - n * CW - 10 * n + 10, 2);
    for (int k = 1; k <= n; ++k)
        SetTabX(k, f1 + offset + (k - 1) * (CW + 10));
}

void Layout::Reserves() {
    const std::string& a = res.Arrangement;
    const int ry = RowY(res.Row, false);
    SetResY(1, ry);
    const int fgap = std::max(Div(gap_, 3), 4);
    const int t1 = TabX(1);
    if (a == "006") {
        for (int j = 1; j <= r; ++j)
            SetRes(j, t1 + (j - 1) * (CW + fgap), ry);
    } else if (a == "004") {
        for (int j = 1; j <= r; ++j)
            SetRes(j, TabX(j), ry);
    } else if (a == "005") {
        for (int j = 1; j <= r; ++j)
            SetRes(j, N + (j - 1) * (N + CW), ry);
    } else if (a == "007") {
        for (int j = 1; j <= r; ++j)
            if (n - r + j >= 1)
                SetRes(j, TabX(n - r + j), ry);
    } else if (a == "011") {
        SetResX(1, StockXOf(1));
    } else if (a == "023") {
        SetResX(1, StockXOf(0));
    } else if (a == "012") {
        SetResX(1, n > 7 ? t1 - CW - 3 * GroupGap / 2 : t1 - CW - 3 * GroupGap);
    }
}

void Layout::SecondWaste() {
    const std::string& a = waste.Arrangement;
    const char d = waste.Row;
    if (a == "016") {
        const int base = (d >= '2' && d <= '4') ? Row[d - '1'] : 0;
        SetStock(2, StockXOf(0), base + CH + 20);
    } else if (a == "006") {
        SetStock(2, TabX(2), RowY(d, false));
    } else if (a == "007") {
        if (n >= 1)
            SetStock(2, TabX(n), RowY(d, false));
    }
}

// True when the last reserve (arrangement "005") collides with a tableau slot widened by 85 px on
// each side; the tableau start is then set right of the reserves.
bool Layout::ReserveOverlap() {
    tableauStart_.reset();
    if (res.Arrangement != "005" || r < 1)
        return false;
    const int rx = s_.Game.ReserveX[static_cast<size_t>(r - 1)];
    const int ry = s_.Game.ReserveY[static_cast<size_t>(r - 1)];
    const int rr = rx + CW, rb = ry + CH;
    for (int k = 0; k < kTableauCount; ++k) {
        const int left = s_.TableauX[static_cast<size_t>(k)] - 85;
        const int right = s_.TableauX[static_cast<size_t>(k)] + CW + 85;
        const int top = s_.TableauY[static_cast<size_t>(k)];
        const int bottom = top + CH;
        auto inX = [&](int x) { return x >= left && x <= right; };
        auto inY = [&](int y) { return y >= top && y <= bottom; };
        bool hit = (inX(rx) || inX(rr)) && (inY(ry) || inY(rb));
        if (!hit && (inX(rx) || inX(rr))) {
            for (int y = ry; y <= rb && !hit; y += 50)
                hit = inY(y);
        }
        if (hit) {
            int start = rr + 86;
            tableauStart_ = start < 1 ? N : start;
            return true;
        }
    }
    return false;
}

void Layout::Finish(bool general) {
    auto& g = s_.Game;
    if (general && g.StockY[1] == kStockHidden && StockSlotExists(1))
        g.StockY[1] = g.StockY[0];
    const int scroll = scroll_;
    for (size_t i = 0; i < 3; ++i)
        g.StockHomePos[i] = {g.StockX[i], Clamp16(g.StockY[i] - scroll)};
    for (size_t j = 0; j < 16; ++j)
        g.FoundationHomePos[j] = {g.FoundationX[j], Clamp16(g.FoundationY[j] - scroll)};
    g.ScrollOffset = Clamp16(scroll);
}

} // namespace

LayoutCode ReadLayoutCode(const Session& s, int rowAttr, int arrangementAttr) {
    LayoutCode code;
    code.Row = std::to_string(s.Attr(rowAttr)).front();
    code.Arrangement = FormatFixed(s.Attr(arrangementAttr), 3);
    return code;
}

void LayoutPiles(Session& s, int top, int bottom, int width, int windowHeight, ScreenSize screen,
                 int scrollPos) {
    s.ScreenWidth = screen.Width;
    s.ScreenHeight = screen.Height;
    s.TableWidth = width;
    Layout(s, top, bottom, width, windowHeight, screen, scrollPos).Run();
}

void ComputeFanSteps(Session& s) {
    auto& g = s.Game;
    const std::string letterText = s.Params.ReadParam(kCardSizePosition, 1);
    const char letter = letterText.empty() ? ' ' : letterText[0];
    const int tableauFan = s.Attr(TableauFan), reserveFan = s.Attr(ReserveFan);
    int upY = 0, downY = 0, upX = 0, downX = 0;
    g.StepMode5 = 3;
    g.RowGap = 6;
    if (tableauFan == 1 || tableauFan == 7 || tableauFan == 12 || reserveFan == 1 || reserveFan == 13) {
        downY = 4;
        switch (letter) {
        case 'X':
            upY = 24, downY = 6;
            break;
        case 'S':
            upY = 21, downY = 5;
            break;
        case 'B':
            upY = 18;
            break;
        case 'M':
            upY = 14;
            break;
        case 'L':
            upY = 3, downY = 3;
            break;
        default:
            break;
        }
        if (tableauFan == 12) {
            upY = upY * 5 / 2;
            downY = downY * 5 / 2;
        } else if (reserveFan == 13) {
            upY *= 2;
            downY *= 2;
        }
    }
    if (tableauFan == 2 || s.Attr(MixedFan) != 0 || reserveFan == 2 || s.Attr(FoundationFan) == 2) {
        downX = 4;
        switch (letter) {
        case 'X':
            upX = 16;
            break;
        case 'S':
            upX = 14;
            break;
        case 'B':
            upX = 12;
            break;
        case 'M':
            upX = 10;
            break;
        case 'L':
            upX = 3, downX = 3;
            break;
        default:
            break;
        }
    }
    g.StepUpY = Clamp16(upY);
    g.StepDownY = Clamp16(downY);
    g.StepUpX = Clamp16(upX);
    g.StepDownX = Clamp16(downX);
    if (tableauFan == 6) {
        int step = -1;
        if (letter == 'S' || letter == 'X' || letter == 'B')
            step = 7;
        else if (letter == 'M')
            step = 5;
        else if (letter == 'L')
            step = 3;
        if (step >= 0)
            g.StepMode6X = g.StepMode6Y = Clamp16(step);
    }
    if (letter == 'S' || letter == 'X' || letter == 'B') {
        g.SnakeGapX = 12, g.SnakeGapY = 8;
    } else if (letter == 'M') {
        g.SnakeGapX = 8, g.SnakeGapY = 6;
    } else if (letter == 'L') {
        g.SnakeGapX = 4, g.SnakeGapY = 3;
    }
}

namespace {

// A pile named for the card-place queries: its content, its stored position and its fan mode.
struct PilePlace {
    const std::string* content = nullptr;
    int kind = kNotAPile;
    int number = 0; // 1-based within its group
    int x = 0, y = 0;
    int mode = 0;
};

bool FindPilePlace(const Session& s, std::string_view name, PilePlace& p) {
    const auto& g = s.Game;
    if (name == "Mazzo" || name == "Mazzo_Vis" || name == "Mazzo_Waste") {
        const size_t slot = name == "Mazzo" ? 0 : name == "Mazzo_Vis" ? 1 : 2;
        p.content = &s.Piles.StockPiles[slot];
        p.kind = kStockKind;
        p.x = g.StockX[slot];
        p.y = g.StockY[slot];
        return true;
    }
    p.kind = PileKind(name);
    p.number = PileNumber(name);
    p.content = s.Piles.Find(name);
    if (!p.content || p.number < 1)
        return false;
    const size_t i = static_cast<size_t>(p.number - 1);
    switch (p.kind) {
    case kTableauKind:
        p.x = s.TableauX[i], p.y = s.TableauY[i];
        p.mode = s.Attr(TableauFan);
        if (p.mode == 11) {
            if (s.Attr(MixedFan) == 1 && p.number <= 7)
                p.mode = 2;
            else if (s.Attr(MixedFan) == 1 && p.number <= 12)
                p.mode = 10;
            else
                p.mode = 0;
        }
        return true;
    case kFoundationKind:
        p.x = g.FoundationX[i], p.y = g.FoundationY[i];
        p.mode = s.Attr(FoundationFan);
        return true;
    case kReserveKind:
        p.x = g.ReserveX[i], p.y = g.ReserveY[i];
        p.mode = s.Attr(ReserveFan);
        return true;
    default:
        return false;
    }
}

// Cards the walk visits: all but the top `skip`, and all but the last remaining one unless the next
// slot is asked for.
int VisitedCount(int count, int skip, bool nextSlot) {
    return std::max(count - skip - (nextSlot ? 0 : 1), 0);
}

} // namespace

int GridColumns(const Session& s) {
    const int stepX = s.Metrics.CardWidth + s.Game.SnakeGapX;
    int columns = s.Attr(SnakeColumns);
    if (columns == -1)
        columns = stepX > 0 ? s.ScreenWidth / stepX : 1;
    return std::max(columns, 1); // no columns would leave nowhere to put a card
}

namespace {

// Fan mode 8: every card of tableau pile 1 in a serpentine grid. Gives x and y together.
void SnakePlace(const Session& s, const PilePlace& p, int skip, int& x, int& y) {
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    const int stepX = cw + s.Game.SnakeGapX;
    const int count = PileSize(*p.content);
    const int remaining = std::max(count - skip, 0);
    int empties = 0;
    for (int k = 0; k < remaining; ++k)
        if (p.content->compare(static_cast<size_t>(3 * k), 3, "000") == 0)
            ++empties;
    const int columns = GridColumns(s);
    const int row = empties / columns;
    x = stepX * (empties % columns);
    if (row % 2 == 1)
        x = stepX * (columns - 1) - x;
    x += s.TableauX[0];
    y = (ch + s.Game.SnakeGapY) * row + s.TableauY[0] - s.Game.ScrollOffset;
}

// The dealt row of family 19 (fan mode 9): the cards side by side, 2 px apart, from the pile's
// place, in lines of at most thirteen that fit the table's width; a longer row goes on in the
// line below, so that no card of a row of up to a whole pack lies off the table.
void RowPlace(const Session& s, const PilePlace& p, int skip, bool nextSlot, int& x, int& y) {
    const int stepX = s.Metrics.CardWidth + 2, stepY = s.Metrics.CardHeight + 8;
    const int width = s.TableWidth > 0 ? s.TableWidth : s.ScreenWidth;
    const int columns = std::clamp((width - p.x) / stepX, 1, 13);
    const int at = std::max(PileSize(*p.content) - skip - (nextSlot ? 0 : 1), 0);
    x = p.x + (at % columns) * stepX;
    y = p.y - s.Game.ScrollOffset + (at / columns) * stepY;
}

bool IsDealtRow(const Session& s, const PilePlace& p) {
    return p.kind == kTableauKind && p.mode == 9 && s.Attr(Family) == 19;
}

} // namespace

int PileCardY(const Session& s, std::string_view name, int skip, bool nextSlot) {
    PilePlace p;
    if (!FindPilePlace(s, name, p))
        return 0;
    const auto& g = s.Game;
    int y = p.y - g.ScrollOffset;
    if (p.kind == kTableauKind && p.mode == 8) {
        int x = 0;
        SnakePlace(s, p, skip, x, y);
        return y;
    }
    if (IsDealtRow(s, p)) {
        int x = 0;
        RowPlace(s, p, skip, nextSlot, x, y);
        return y;
    }
    if (p.kind == kTableauKind && p.mode == 9)
        return y;
    const int count = PileSize(*p.content);
    bool fansDown = false;
    switch (p.kind) {
    case kTableauKind:
        fansDown = p.mode == 1 || p.mode == 12 || p.mode == 13;
        break;
    case kFoundationKind:
        fansDown = p.mode == 1;
        break;
    case kReserveKind:
        fansDown = p.mode == 1 || p.mode == 5 || p.mode == 13;
        break;
    default:
        break;
    }
    if (fansDown) {
        const int visited = VisitedCount(count, skip, nextSlot);
        for (int k = 0; k < visited; ++k) {
            const int card = PileCard(*p.content, k);
            if (card < 0)
                continue;
            if (p.mode == 5)
                y += g.StepMode5;
            else if (p.mode == 12)
                y += (card != 0 && s.Cards.CardIsHidden(card)) ? g.StepDownY : g.StepUpY;
            else
                y += s.Cards.CardIsHidden(card) ? g.StepDownY : g.StepUpY;
        }
    }
    if (p.mode == 7 && p.kind != kStockKind && count - skip >= 1 && (count > 1 || skip > 0 || nextSlot))
        y += g.StepUpY;
    if (p.kind == kTableauKind && nextSlot && count == 1) {
        const int family = s.Attr(Family);
        if ((family == 49 || family == 63) &&
            CardRank(PileCard(*p.content, 0)) != s.Attr(TableauBaseRank + p.number - 1))
            return p.y - g.ScrollOffset;
    }
    return y;
}

int PileCardX(const Session& s, std::string_view name, int skip, bool nextSlot, int pileIndex) {
    PilePlace p;
    if (!FindPilePlace(s, name, p))
        return 0;
    const auto& g = s.Game;
    const int cw = s.Metrics.CardWidth;
    int x = p.x;
    if (p.kind == kTableauKind && p.mode == 8) {
        int y = 0;
        SnakePlace(s, p, skip, x, y);
        return x;
    }
    if (IsDealtRow(s, p)) {
        int y = 0;
        RowPlace(s, p, skip, nextSlot, x, y);
        return x;
    }
    const int count = PileSize(*p.content);
    if (p.kind == kTableauKind && p.mode == 9)
        return x + std::max(count - skip, 0) * (cw + 2);
    bool fansRight = false;
    switch (p.kind) {
    case kTableauKind:
        fansRight = p.mode == 2 || p.mode == 4 || p.mode == 6 || p.mode == 10;
        break;
    case kFoundationKind:
    case kReserveKind:
        fansRight = p.mode == 2 || p.mode == 4;
        break;
    default:
        break;
    }
    if (fansRight) {
        const int visited = VisitedCount(count, skip, nextSlot);
        for (int k = 0; k < visited; ++k) {
            const int card = PileCard(*p.content, k);
            if (card < 0)
                continue;
            const bool hidden = s.Cards.CardIsHidden(card);
            switch (p.mode) {
            case 2:
                x += hidden ? g.StepDownX : g.StepUpX;
                break;
            case 10:
                x -= hidden ? g.StepDownX : g.StepUpX;
                break;
            case 4:
                x += cw + g.RowGap;
                break;
            case 6:
                x += g.StepMode6X;
                break;
            default:
                break;
            }
        }
    }
    if (p.kind == kTableauKind && s.Attr(TableauFan) == 1 &&
        s.Params.ReadParam(kHandPlacedPosition, 1) != "N" && pileIndex >= 0) {
        const size_t row = static_cast<size_t>(pileIndex < 7 ? pileIndex : pileIndex % 6);
        int c = (skip == 0 && !nextSlot) ? count - 1 : count - skip;
        if (c > 12)
            c %= 12;
        if (c >= 0)
            x += s.JitterTable[row][static_cast<size_t>(c)];
    }
    return x;
}

void InstallPilePlaces(Session& s) {
    s.Play.PileCardX = [](const Session& ss, std::string_view name, int skip, bool nextSlot, int pileIndex) {
        return PileCardX(ss, name, skip, nextSlot, pileIndex);
    };
    s.Play.PileCardY = [](const Session& ss, std::string_view name, int skip, bool nextSlot) {
        return PileCardY(ss, name, skip, nextSlot);
    };
}

bool CardSizeForLetter(char letter, int& width, int& height) {
    switch (letter) {
    case 'M':
        width = 59, height = 80;
        return true;
    case 'B':
        width = 71, height = 96;
        return true;
    case 'S':
        width = 85, height = 115;
        return true;
    case 'X':
        width = 102, height = 138;
        return true;
    case 'L':
        width = 25, height = 32;
        return true;
    default:
        return false;
    }
}

void LayoutForClientArea(Session& s, int width, int height, char sizeLetter) {
    int cw = 0, ch = 0;
    if (!CardSizeForLetter(sizeLetter, cw, ch)) {
        sizeLetter = 'B';
        CardSizeForLetter(sizeLetter, cw, ch);
    }
    s.Params.WriteParam(kCardSizePosition, 1, std::string(1, sizeLetter));
    s.Metrics.CardWidth = cw;
    s.Metrics.CardHeight = ch;
    s.ResetPilePositions();
    ComputeFanSteps(s);
    LayoutPiles(s, 0, height - 1, width, height, ScreenSize{width, height});
}

std::string FormatPilePositions(const Session& s) {
    std::string out;
    auto line = [&](const std::string& name, int x, int y) {
        if (x < -9999)
            return;
        out += name + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
    };
    const auto& g = s.Game;
    static const char* const kStockNames[3] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    for (int i = 0; i < 3; ++i)
        line(kStockNames[i], g.GetStockX(i), g.GetStockY(i));
    for (int i = 0; i < kFoundationCount; ++i)
        line("Dest" + std::to_string(i + 1), g.GetFoundationX(i), g.GetFoundationY(i));
    for (int i = 0; i < kTableauCount; ++i)
        line("Fila" + std::to_string(i + 1), s.GetTableauX(i), s.GetTableauY(i));
    for (int i = 0; i < kReserveCount; ++i)
        line("Appogg" + std::to_string(i + 1), g.GetReserveX(i), g.GetReserveY(i));
    return out;
}

} // namespace quillon
