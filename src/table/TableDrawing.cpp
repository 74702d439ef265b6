#include "table/TableDrawing.h"

#include "engine/DealFlight.h"
#include "engine/GameEnd.h"
#include "engine/TableView.h"
#include "model/Cards.h"
#include "model/EventSounds.h"
#include "model/Session.h"
#include "platform/ResourceCatalog.h"
#include "table/ImageResources.h"
#include "table/PileLayout.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace quillon {

namespace {

constexpr int kAttrTableauFan = 3, kAttrFoundationFan = 4, kAttrReserveFan = 5, kAttrMixedFan = 6;
constexpr int kAttrStockBack = 7; // 7, 8, 9: backs on stock, waste, second waste
constexpr int kAttrHasStock = 10, kAttrPasses = 16, kAttrRedealMode = 17, kAttrPileAfterPile = 26;
constexpr int kAttrPairing = 41, kAttrFamily = 54, kAttrFoundationBase = 55, kAttrFoundationRule = 87;
constexpr int kAttrTableauEmpty = 135, kAttrReserveKind = 335;
constexpr int kAttrFoundations = 374, kAttrTableaus = 375, kAttrReserves = 376, kAttrStockPiles = 373;
constexpr int kAttrSecondWastes = 377;
constexpr int kParamSoundShuffle = 149;

const char* const kStockNames[3] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};

bool Inside(const QImage& img, int x, int y) {
    return x >= 0 && y >= 0 && x < img.width() && y < img.height();
}

QRgb PixelOr(const QImage& img, int x, int y, QRgb fallback) {
    return Inside(img, x, y) ? reinterpret_cast<const QRgb*>(img.constScanLine(y))[x] : fallback;
}

QImage Rgb32(const QImage& img) {
    return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
}

} // namespace

int DevicePos(int v, qreal ratio) {
    return ratio == 1.0 ? v : int(std::floor(v * ratio + 1e-9));
}

int DeviceLength(int length, qreal ratio) {
    return ratio == 1.0 ? length : int(std::ceil(length * ratio - 1e-9));
}

QRect DeviceRect(const QRect& r, qreal ratio) {
    if (ratio == 1.0 || r.isNull())
        return r;
    const int left = DevicePos(r.x(), ratio), top = DevicePos(r.y(), ratio);
    const int right = int(std::ceil((r.x() + r.width()) * ratio - 1e-9));
    const int bottom = int(std::ceil((r.y() + r.height()) * ratio - 1e-9));
    return QRect(left, top, right - left, bottom - top);
}

QSize LogicalSize(const QImage& img) {
    const qreal r = img.devicePixelRatio();
    if (r == 1.0)
        return img.size();
    return QSize(int(std::floor(img.width() / r + 1e-6)), int(std::floor(img.height() / r + 1e-6)));
}

QImage AtRatio(const QImage& img, qreal ratio) {
    if (img.isNull() || img.devicePixelRatio() == ratio)
        return img;
    const QSize logical = LogicalSize(img);
    QImage out = img.scaled(DeviceLength(logical.width(), ratio), DeviceLength(logical.height(), ratio),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(ratio);
    return out;
}

int CornerCutAt(int row, qreal ratio, bool single) {
    if (single) {
        // One program pixel: its block of device pixels.
        const int block = std::max(1, int(std::ceil(ratio - 1e-9)));
        return row < block ? block : 0;
    }
    return CornerCut(row, ratio);
}

namespace {

// One pixel of a premultiplied picture laid over an opaque one.
QRgb Over(QRgb top, QRgb under) {
    const unsigned a = qAlpha(top);
    if (a == 255)
        return top;
    const unsigned keep = 255 - a;
    auto channel = [&](unsigned t, unsigned u) { return std::min(255u, t + (u * keep + 127) / 255); };
    return qRgb(int(channel(qRed(top), qRed(under))), int(channel(qGreen(top), qGreen(under))),
                int(channel(qBlue(top), qBlue(under))));
}

// Copies (blend false) or lays over (blend true) the part `from` of a picture at (x, y).
void PutPixels(QImage& dst, int x, int y, const QImage& srcIn, QRect from, bool blend) {
    if (srcIn.isNull() || dst.isNull())
        return;
    const qreal ratio = dst.devicePixelRatio();
    const QImage scaled = AtRatio(srcIn, ratio);
    const QImage src = blend ? scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied) : Rgb32(scaled);
    if (ratio != 1.0) {
        from = DeviceRect(from, ratio);
        x = DevicePos(x, ratio);
        y = DevicePos(y, ratio);
    }
    if (from.isNull())
        from = src.rect();
    // A source rectangle reaching past the picture is cut, and its destination moves with it, so
    // that every pixel still lands where it belongs.
    const QRect wanted = from;
    from = from.intersected(src.rect());
    if (from.isEmpty())
        return;
    x += from.x() - wanted.x();
    y += from.y() - wanted.y();
    QRect to(x, y, from.width(), from.height());
    QRect clipped = to.intersected(dst.rect());
    if (clipped.isEmpty())
        return;
    const int sx = from.x() + (clipped.x() - x), sy = from.y() + (clipped.y() - y);
    for (int row = 0; row < clipped.height(); ++row) {
        auto* d = reinterpret_cast<QRgb*>(dst.scanLine(clipped.y() + row)) + clipped.x();
        auto* sp = reinterpret_cast<const QRgb*>(src.constScanLine(sy + row)) + sx;
        if (!blend) {
            std::memcpy(d, sp, size_t(clipped.width()) * sizeof(QRgb));
            continue;
        }
        for (int i = 0; i < clipped.width(); ++i)
            d[i] = Over(sp[i], d[i]);
    }
}

} // namespace

void CopyPixels(QImage& dst, int x, int y, const QImage& src, QRect from) {
    PutPixels(dst, x, y, src, from, false);
}

TableDrawing::TableDrawing(Session& session, ImageResources& res) : s(session), images(res) {}

int TableDrawing::Scroll() const {
    return s.Game.ScrollOffset;
}

void TableDrawing::Resize(int screenWidth, int screenHeight, int clientWidth, int clientHeight) {
    const qreal ratio = DeviceRatio;
    auto grow = [ratio](QImage& img, int w, int h) {
        w = DeviceLength(std::max(1, w), ratio);
        h = DeviceLength(std::max(1, h), ratio);
        if (img.width() == w && img.height() == h && img.devicePixelRatio() == ratio)
            return;
        QImage next(w, h, QImage::Format_RGB32);
        next.setDevicePixelRatio(ratio);
        next.fill(0);
        // What the pictures held stays, unless their pixels changed size: a repaint follows then.
        if (!img.isNull() && img.devicePixelRatio() == ratio)
            CopyPixels(next, 0, 0, img);
        img = next;
    };
    grow(TableImage, screenWidth + 30, screenHeight + 30);
    windowSize_ = QSize(std::max(1, clientWidth), std::max(1, clientHeight));
    if (!(WindowFollowsTable && WindowImage.isNull()))
        grow(WindowImage, clientWidth, clientHeight);
}

QImage& TableDrawing::OwnWindow() {
    if (WindowIsTable())
        WindowImage = WindowPicture();
    return WindowImage;
}

QImage* TableDrawing::WindowCanvas(DrawTarget to) {
    if (to == DrawTarget::Both && WindowIsTable())
        return nullptr;
    // A drawing on either picture alone makes them differ: the window keeps what it shows.
    QImage& own = OwnWindow();
    return to == DrawTarget::Table ? nullptr : &own;
}

QImage TableDrawing::WindowPicture() const {
    if (!WindowIsTable())
        return WindowImage.copy();
    QImage shown(DeviceLength(windowSize_.width(), DeviceRatio),
                 DeviceLength(windowSize_.height(), DeviceRatio), QImage::Format_RGB32);
    shown.setDevicePixelRatio(DeviceRatio);
    shown.fill(0xFF000000);
    CopyPixels(shown, 0, 0, TableImage, QRect(QPoint(0, Scroll()), windowSize_));
    return shown;
}

QRgb TableDrawing::WindowPixel(int x, int y) const {
    if (!WindowIsTable())
        return WindowImage.pixel(x, y);
    const int ty = y + DevicePos(Scroll(), DeviceRatio);
    return Inside(TableImage, x, ty) ? TableImage.pixel(x, ty) : 0xFF000000;
}

int TableDrawing::TableHeight() const {
    return LogicalSize(TableImage).height();
}

void TableDrawing::Show(const QRect& windowRect) {
    if (ShowOnWindow && !windowRect.isEmpty())
        ShowOnWindow(windowRect.intersected(QRect(QPoint(), windowSize_)));
}

void TableDrawing::RefreshWindow() {
    const QSize window = windowSize_;
    if (!WindowIsTable())
        CopyPixels(WindowImage, 0, 0, TableImage, QRect(QPoint(0, Scroll()), window));
    Show(QRect(QPoint(), window));
}

void TableDrawing::PaintBackground() {
    UseBackground(images.ChooseBackground());
    PaintBackgroundArea(TableImage, 0, 0, QRect(QPoint(), LogicalSize(TableImage)));
}

void TableDrawing::UseBackground(const BackgroundChoice& choice) {
    const qreal ratio = DeviceRatio;
    const QSize table = TableImage.size();
    repeatsAcross_ = repeatsDown_ = true;
    beyond_ = 0xFF000000;
    switch (choice.kind) {
    case BackgroundChoice::Colour:
        if (choice.faded && ManyColours) {
            // One column of the gradient's rows, the height of the table pictures.
            const int height = FadeHeight > 0 ? FadeHeight : LogicalSize(TableImage).height();
            pattern_ = QImage(1, std::max(1, table.height()), QImage::Format_RGB32);
            pattern_.setDevicePixelRatio(ratio);
            pattern_.fill(0xFF000000);
            PaintFadedColour(pattern_, choice.colour, height + (ScrollBarVisible ? 80 : 1), height);
            repeatsDown_ = false;
        } else {
            pattern_ = QImage(1, 1, QImage::Format_RGB32);
            pattern_.fill(QColor(choice.colour));
        }
        break;
    case BackgroundChoice::Tiled:
        pattern_ = ImageResources::TileAtRatio(choice.picture, ratio);
        break;
    case BackgroundChoice::Whole: {
        // The picture from the top left corner on the default green, which goes on beyond it.
        const QSize picture = LogicalSize(choice.picture);
        const int w = std::min(table.width(), DeviceLength(picture.width(), ratio) + 2);
        const int h = std::min(table.height(), DeviceLength(picture.height(), ratio) + 2);
        pattern_ = QImage(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
        pattern_.setDevicePixelRatio(ratio);
        ImageResources::PaintBackground(pattern_, choice);
        beyond_ = QColor(ColourFromValue(32768)).rgb();
        repeatsAcross_ = repeatsDown_ = false;
        break;
    }
    }
    if (!pattern_.isNull() && pattern_.format() != QImage::Format_RGB32)
        pattern_ = pattern_.convertToFormat(QImage::Format_RGB32);
}

void TableDrawing::SetPlainBackground(QRgb colour) {
    pattern_ = QImage(1, 1, QImage::Format_RGB32);
    pattern_.fill(colour);
    repeatsAcross_ = repeatsDown_ = true;
}

void TableDrawing::BackgroundRow(QRgb* out, int x, int y, int n) const {
    const int pw = pattern_.width(), ph = pattern_.height();
    if (pattern_.isNull() || (!repeatsDown_ && y >= ph)) {
        std::fill_n(out, n, beyond_);
        return;
    }
    const auto* from = reinterpret_cast<const QRgb*>(pattern_.constScanLine(repeatsDown_ ? y % ph : y));
    if (!repeatsAcross_) {
        const int inside = std::clamp(pw - x, 0, n);
        std::memcpy(out, from + x, size_t(inside) * sizeof(QRgb));
        std::fill_n(out + inside, n - inside, beyond_);
        return;
    }
    if (pw == 1) {
        std::fill_n(out, n, from[0]);
        return;
    }
    for (int done = 0, at = x % pw; done < n; at = 0) {
        const int k = std::min(pw - at, n - done);
        std::memcpy(out + done, from + at, size_t(k) * sizeof(QRgb));
        done += k;
    }
}

QRgb TableDrawing::BackgroundPixel(int x, int y, QRgb fallback) const {
    if (!Inside(TableImage, x, y))
        return fallback;
    QRgb v = 0;
    BackgroundRow(&v, x, y, 1);
    return v;
}

void TableDrawing::PaintBackgroundArea(QImage& dst, int x, int y, const QRect& tableRect) const {
    if (dst.isNull() || TableImage.isNull())
        return;
    const qreal ratio = dst.devicePixelRatio();
    QRect from = DeviceRect(tableRect, ratio);
    x = DevicePos(x, ratio);
    y = DevicePos(y, ratio);
    // Clipped to the table pictures and to `dst`, each pixel still landing where it belongs.
    const QRect wanted = from;
    from = from.intersected(TableImage.rect());
    x += from.x() - wanted.x();
    y += from.y() - wanted.y();
    const QRect to = QRect(x, y, from.width(), from.height()).intersected(dst.rect());
    if (from.isEmpty() || to.isEmpty())
        return;
    const int sx = from.x() + (to.x() - x), sy = from.y() + (to.y() - y);
    for (int row = 0; row < to.height(); ++row)
        BackgroundRow(reinterpret_cast<QRgb*>(dst.scanLine(to.y() + row)) + to.x(), sx, sy + row, to.width());
}

QImage TableDrawing::BackgroundPicture() const {
    QImage out(TableImage.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(TableImage.devicePixelRatio());
    PaintBackgroundArea(out, 0, 0, QRect(QPoint(), LogicalSize(out)));
    return out;
}

void PaintFadedColour(QImage& img, QRgb colour, int gradientHeight, int bottomRow) {
    // A vertical gradient from black at the bottom to the colour at the top, in 256 bands.
    // The bands are in the program's pixels; on a picture of finer pixels each band covers the
    // device rows its edges round to, so neighbouring bands meet without a gap.
    const qreal ratio = img.devicePixelRatio();
    const int bottom = bottomRow < 0 ? LogicalSize(img).height() : bottomRow;
    const int H = gradientHeight;
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    for (int n = 0; n < 256; ++n) {
        int y0 = bottom - (n + 1) * H / 256, y1 = bottom - n * H / 256;
        const QRgb band = qRgb(n * r / 256, n * g / 256, n * b / 256);
        const int top = std::max(0, DevicePos(y0, ratio)), end = std::min(img.height(), DevicePos(y1, ratio));
        for (int y = top; y < end; ++y)
            std::fill_n(reinterpret_cast<QRgb*>(img.scanLine(y)), img.width(), band);
    }
}

void TableDrawing::CopyFromBackground(const QRect& tableRect, DrawTarget to) {
    QImage* window = WindowCanvas(to);
    if (to != DrawTarget::Window)
        PaintBackgroundArea(TableImage, tableRect.x(), tableRect.y(), tableRect);
    if (to != DrawTarget::Table) {
        QRect w = tableRect.translated(0, -Scroll());
        if (window)
            PaintBackgroundArea(*window, w.x(), w.y(), tableRect);
        Show(w);
    }
}

int TableDrawing::FanMode(int pileKind, int pileIndex) const {
    switch (pileKind) {
    case pile_kind::Tableau: {
        const int mode = s.Attr(kAttrTableauFan);
        // Mixed fans: with the switch on, piles 1-7 fan to the right and piles 8-12 to the left.
        if (mode == 11)
            return s.Attr(kAttrMixedFan) != 1 ? 0 : pileIndex < 7 ? 2 : pileIndex < 12 ? 10 : 0;
        return mode;
    }
    case pile_kind::Foundation:
        return s.Attr(kAttrFoundationFan);
    case pile_kind::Reserve:
        return s.Attr(kAttrReserveFan);
    default:
        return 0;
    }
}

// Overwrites the corner pixels of a card picture with what lies under them, so that the copy
// leaves the table visible in the rounded corners. (tx, ty) is the picture's place on `target`;
// table coordinates are target coordinates + `dy`.
void TableDrawing::BlendCorners(QImage& pic, const QImage& target, int tx, int ty, bool stacked,
                                int pileIndex, int pileKind) const {
    const QSize logical = LogicalSize(pic);
    if (logical.width() < 3 || logical.height() < 3)
        return;
    const qreal ratio = pic.devicePixelRatio();
    const int dy = (&target == &TableImage) ? 0 : Scroll();
    const bool single = logical.width() == 25;
    // The picture's place in device pixels, on the target and on the table pictures.
    const int ox = DevicePos(tx, ratio), oy = DevicePos(ty, ratio), oyTable = DevicePos(ty + dy, ratio);
    enum Src { Target, Background, Table, Silver };
    Src tl = Target, tr = Target, bl = Background, br = stacked ? Silver : Background;
    if (pileKind == pile_kind::Tableau) {
        const int mode = FanMode(pileKind, pileIndex);
        if (mode == 2 || mode == 6) {
            tl = bl = Target;
            tr = br = Table;
        } else if (mode == 10) {
            tl = bl = Table;
            tr = br = Target;
        }
    }
    auto source = [&](Src from, int px, int py) -> QRgb {
        const QRgb own = reinterpret_cast<const QRgb*>(pic.constScanLine(py))[px];
        switch (from) {
        case Target:
            return PixelOr(target, ox + px, oy + py, own);
        case Background:
            return BackgroundPixel(ox + px, oyTable + py, own);
        case Table:
            return PixelOr(TableImage, ox + px, oyTable + py, own);
        case Silver:
            return kStackEdgeColour;
        }
        return own;
    };
    const Src sources[4] = {tl, tr, bl, br};
    for (int corner = 0; corner < 4; ++corner)
        ForCornerPixels(pic.width(), pic.height(), ratio, single, corner, [&](int px, int py) {
            reinterpret_cast<QRgb*>(pic.scanLine(py))[px] = source(sources[corner], px, py);
        });
}

void TableDrawing::PutPicture(const QImage& picture, int x, int y, DrawTarget to, bool stacked, int pileIndex,
                              int pileKind) {
    if (picture.isNull())
        return;
    const qreal ratio = DeviceRatio;
    const QImage base =
        Rgb32(AtRatio(picture, ratio))
            .copy(0, 0, DeviceLength(s.Metrics.CardWidth, ratio), DeviceLength(s.Metrics.CardHeight, ratio));
    QImage* window = WindowCanvas(to);
    // The table first: the window's corners may be taken from it.
    if (to != DrawTarget::Window) {
        QImage pic = base;
        BlendCorners(pic, TableImage, x, y + Scroll(), stacked, pileIndex, pileKind);
        CopyPixels(TableImage, x, y + Scroll(), pic);
    }
    if (to != DrawTarget::Table) {
        if (window) {
            QImage pic = base;
            BlendCorners(pic, *window, x, y, stacked, pileIndex, pileKind);
            CopyPixels(*window, x, y, pic);
        }
        Show(QRect(x, y, s.Metrics.CardWidth, s.Metrics.CardHeight));
    }
    s.Game.TableBottom = static_cast<std::int16_t>(
        std::max<int>(s.Game.TableBottom, std::min(32767, y + s.Metrics.CardHeight + Scroll())));
}

void TableDrawing::DrawCard(int card, int x, int y, bool stacked, DrawTarget to, int pileIndex,
                            int pileKind) {
    if (card < 1) {
        if (s.Attr(kAttrPairing) != 0)
            DrawMark(mark_kind::Nothing, x, y, to, 0);
        return;
    }
    const size_t entry = card <= 208 ? size_t((card - 1) % 52) : 52;
    PutPicture(images.CardFace(entry), x, y, to, stacked, pileIndex, pileKind);
}

void TableDrawing::DrawBack(int x, int y, bool stacked, DrawTarget to, int pileIndex, int pileKind) {
    if (x < -9999 || y < -9999)
        return;
    PutPicture(images.CardBackImage, x, y, to, stacked, pileIndex, pileKind);
}

std::string TableDrawing::RankMarkName(int rank) {
    switch (rank) {
    case 1:
    case 58:
    case 81:
    case 85:
        return "FoundationA";
    case 2:
    case 90:
        return "Foundation2";
    case 13:
    case 64:
    case 84:
        return "Foundation13";
    case 94:
        return "=BG";
    default:
        if (rank >= 3 && rank <= 12)
            return "Foundation" + std::to_string(rank);
        return "";
    }
}

std::string TableDrawing::MarkName(int kind, int index) const {
    const int p = s.Attr(kAttrPasses), redeals = s.Game.RedealCount;
    switch (kind) {
    case mark_kind::Stock: {
        const int family = s.Attr(kAttrFamily);
        if (family == 8 || family == 45 || family == 71)
            return "#W" + s.Params.ReadParam(128, 1) + "021";
        if (s.Attr(kAttrRedealMode) < 1 || (redeals >= p && p != -1)) {
            if (s.Piles.StockPiles[0].empty() && PileSize(s.Piles.StockPiles[1]) <= 1)
                return "StockStop";
            return (redeals < p || p < 0) ? "StockUp" : "StockStop";
        }
        return "StockUp";
    }
    case mark_kind::Waste:
        if (s.Attr(kAttrHasStock) == 1)
            return "StockVisible";
        if (p == 0)
            return "StockStop";
        if (s.Attr(kAttrRedealMode) >= 1 && s.Attr(kAttrHasStock) == 0)
            return (redeals >= p && p != -1) ? "StockStop" : "StockUp";
        return "";
    case mark_kind::Foundation: {
        std::string name = s.Attr(kAttrFoundationRule + index) == 10
                               ? RankMarkName(12)
                               : RankMarkName(s.Attr(kAttrFoundationBase + index));
        return name.empty() ? "Foundation" : name;
    }
    case mark_kind::Reserve: {
        const int c = s.Attr(kAttrReserveKind + index), first = s.Attr(kAttrReserveKind);
        if (c == 4)
            return "Position";
        if (first == 9)
            return "#JQK";
        if (first == 8)
            return "Foundation13";
        if (c == 88)
            return "Foundation11";
        if (c == 89 || c == 119)
            return "Foundation12";
        if (c == 90)
            return "Foundation13";
        if (c == 107)
            return "FoundationA";
        return "EmptyPosition";
    }
    case mark_kind::Tableau: {
        const int rank = s.Attr(kAttrTableauEmpty + index);
        std::string name = RankMarkName(rank);
        if (!name.empty())
            return name;
        return rank != 0 ? "FirstTableauAll" : "Position";
    }
    case mark_kind::SecondWaste:
        return "StockVisible";
    default:
        return "";
    }
}

const QImage& TableDrawing::Mark(const std::string& name) {
    const std::string key = name + "/" + s.Params.ReadParam(128, 1) + s.Params.ReadParam(21, 3);
    auto it = marks_.find(key);
    if (it != marks_.end())
        return it->second;
    QImage img;
    if (name == "#JQK")
        img = images.JqkMarkImage;
    else if (name[0] == '#')
        images.LoadTableImage(img, name.substr(1));
    else
        images.LoadMarkImage(img, name);
    // A mark with see-through parts keeps them: it is laid over the table (see DrawNamedMark).
    img = AtRatio(img, DeviceRatio);
    return marks_[key] =
               img.hasAlphaChannel() ? img.convertToFormat(QImage::Format_ARGB32_Premultiplied) : Rgb32(img);
}

void TableDrawing::DrawMark(int kind, int x, int y, DrawTarget to, int index) {
    const std::string name = MarkName(kind, index);
    if (name.empty())
        return;
    DrawNamedMark(name, x, y, to);
}

void TableDrawing::DrawNamedMark(const std::string& name, int x, int y, DrawTarget to) {
    const QRect place(x, y, s.Metrics.CardWidth, s.Metrics.CardHeight);
    if (name == "=BG") {
        CopyFromBackground(place.translated(0, Scroll()), to);
    } else {
        MarkImage = Mark(name);
        const QRect from(0, 0, s.Metrics.CardWidth, s.Metrics.CardHeight);
        // An opaque mark (the player's own pictures) is copied as it is; the marks of the shipped
        // pictures are outlines and signs with the table showing through, so the place is first
        // cleared to the table and the mark laid over it, whatever colour or picture the table has.
        const bool over = MarkImage.hasAlphaChannel();
        if (over)
            CopyFromBackground(place.translated(0, Scroll()), to);
        QImage* window = WindowCanvas(to);
        if (to != DrawTarget::Window)
            PutPixels(TableImage, x, y + Scroll(), MarkImage, from, over);
        if (to != DrawTarget::Table) {
            if (window)
                PutPixels(*window, x, y, MarkImage, from, over);
            Show(place);
        }
    }
    s.Game.TableBottom = static_cast<std::int16_t>(
        std::max<int>(s.Game.TableBottom, std::min(32767, y + s.Metrics.CardHeight + Scroll())));
}

int TableDrawing::StackDepth(int c, int maximum) {
    int d = c <= 1 ? 0 : c == 2 ? 1 : c / 7 + 1;
    return std::min(d, maximum);
}

void TableDrawing::DrawStackDepth(DrawTarget to, int group, int index, bool force, int contentLength) {
    const bool stock = group == 0;
    if (!stock && (s.Attr(kAttrFoundationFan) == 2 || s.Attr(kAttrFoundationFan) == 7))
        return;
    if ((stock && (index < 0 || index > 2)) || (!stock && (index < 0 || index > 15)))
        return;
    const int m = stock ? 15 : 2;
    const int d = StackDepth(contentLength / 3, m);
    const TMainGame::HomePos place =
        stock ? s.Game.StockHomePos[size_t(index)] : s.Game.FoundationHomePos[size_t(index)];
    // The home places are taken on the unscrolled table (the window lays the piles out with its
    // scroll bar at the top); on the window they lie the scroll position higher. Taking the scroll
    // position off here keeps a pile redrawn on a scrolled table at its own place.
    const TMainGame::HomePos home{place.X, static_cast<std::int16_t>(place.Y - Scroll())};
    const int nx = home.X - d, ny = home.Y - d + Scroll();
    auto& px = stock ? s.Game.StockX[size_t(index)] : s.Game.FoundationX[size_t(index)];
    auto& py = stock ? s.Game.StockY[size_t(index)] : s.Game.FoundationY[size_t(index)];
    const bool there = px == nx && py == ny;
    px = static_cast<std::int16_t>(nx);
    py = static_cast<std::int16_t>(ny);
    if (there && !force)
        return;
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    // The sides of the cards beneath: pure blue in the border pieces is transparent.
    const qreal ratio = DeviceRatio;
    QImage* window = WindowCanvas(to);
    auto strip = [&](const QImage& piece, QRect from, int x, int y) {
        const QImage src = Rgb32(AtRatio(piece, ratio));
        from = from.intersected(QRect(QPoint(), LogicalSize(src)));
        const QRect cut = DeviceRect(from, ratio).intersected(src.rect());
        auto put = [&](QImage& dst, int ty, bool window) {
            const int dx0 = DevicePos(x, ratio), dy0 = DevicePos(ty, ratio);
            for (int r = 0; r < cut.height(); ++r)
                for (int c = 0; c < cut.width(); ++c) {
                    QRgb v = src.pixel(cut.x() + c, cut.y() + r);
                    if ((v & 0xFFFFFF) == 0x0000FF)
                        continue;
                    if (Inside(dst, dx0 + c, dy0 + r))
                        dst.setPixel(dx0 + c, dy0 + r, v);
                }
            if (window)
                Show(QRect(x, ty, from.width(), from.height()));
        };
        if (to != DrawTarget::Window)
            put(TableImage, y + Scroll(), false);
        if (to != DrawTarget::Table) {
            if (window)
                put(*window, y, true);
            else
                Show(QRect(x, y, from.width(), from.height()));
        }
    };
    if (d > 0) {
        strip(images.BorderImages[1], QRect(0, 15 - d, cw + 11, d + 1), home.X - 13, home.Y + ch - 1 - d);
        strip(images.BorderImages[0], QRect(15 - d, 0, d + 1, ch + 13), home.X + cw - 1 - d, home.Y - 13);
    }
    // The bands the raised card uncovered above and to its left.
    CopyFromBackground(QRect(home.X - m, home.Y - m + Scroll(), cw + m + 1, m - d + 1), to);
    CopyFromBackground(QRect(home.X - m, home.Y - m + 1 + Scroll(), m - d + 1, ch + m), to);
}

void TableDrawing::RestoreCorners(int x, int y) {
    const int n = s.Metrics.CardWidth == 25 ? 1 : 2;
    for (int corner = 0; corner < 4; ++corner)
        RestoreCornerArea(x, y, n, corner % 2 == 1, corner >= 2, DrawTarget::Both);
}

void TableDrawing::RestoreCornerArea(int x, int y, int n, bool right, bool bottom, DrawTarget to) {
    const int W = s.Metrics.CardWidth, H = s.Metrics.CardHeight;
    const qreal ratio = DeviceRatio;
    if (ratio == 1.0) {
        CopyFromBackground(QRect(right ? x + W - n : x, (bottom ? y + H - n : y) + Scroll(), n, n), to);
        return;
    }
    // Finer pictures round their corners more softly: only the pixels outside the curve go back,
    // so the card's edge stays whole.
    const int w = DeviceLength(W, ratio), h = DeviceLength(H, ratio);
    const int ox = DevicePos(x, ratio), oy = DevicePos(y, ratio), oyTable = DevicePos(y + Scroll(), ratio);
    QImage* window = WindowCanvas(to);
    ForCornerPixels(w, h, ratio, W == 25, (right ? 1 : 0) + (bottom ? 2 : 0), [&](int px, int py) {
        const QRgb bg = BackgroundPixel(ox + px, oyTable + py);
        if (to != DrawTarget::Window && Inside(TableImage, ox + px, oyTable + py))
            TableImage.setPixel(ox + px, oyTable + py, bg);
        if (window && Inside(*window, ox + px, oy + py))
            window->setPixel(ox + px, oy + py, bg);
    });
    if (to != DrawTarget::Table)
        Show(QRect(right ? x + W - n : x, bottom ? y + H - n : y, n, n));
}

void TableDrawing::DrawPileTop(std::string_view name, int pileIndex, DrawTarget to) {
    const std::string* content = s.Piles.Find(name);
    if (!content)
        return;
    const int kind = PileKind(name);
    const bool isStockGroup = kind == kStockKind || kind == kWasteKind;
    const int slot = name == "Mazzo" ? 0 : name == "Mazzo_Vis" ? 1 : 2;
    if (content->empty()) {
        if (isStockGroup) {
            const int x = s.Game.GetStockX(slot), y = s.Game.GetStockY(slot);
            DrawMark(slot == 0   ? mark_kind::Stock
                     : slot == 1 ? mark_kind::Waste
                                 : mark_kind::SecondWaste,
                     x, y, to, 0);
        } else if (kind == kFoundationKind) {
            DrawMark(mark_kind::Foundation, s.Game.GetFoundationX(pileIndex),
                     s.Game.GetFoundationY(pileIndex), to, pileIndex);
        } else if (kind == kReserveKind) {
            DrawMark(mark_kind::Reserve, s.Game.GetReserveX(pileIndex), s.Game.GetReserveY(pileIndex), to,
                     pileIndex);
        } else if (kind == kTableauKind) {
            DrawMark(mark_kind::Tableau, s.GetTableauX(pileIndex), s.GetTableauY(pileIndex), to, pileIndex);
        }
        return;
    }
    const int top = PileTop(*content);
    if (isStockGroup) {
        DrawStackDepth(to, 0, slot, false, int(content->size()));
        const int x = s.Game.GetStockX(slot), y = s.Game.GetStockY(slot);
        if (s.Attr(kAttrStockBack + slot) != 0 || s.Cards.CardIsHidden(top))
            DrawBack(x, y, content->size() > 3, to);
        else
            DrawCard(top, x, y, content->size() > 3, to, slot, pile_kind::Other);
        const auto home = s.Game.StockHomePos[size_t(slot)];
        const int n = s.Metrics.CardWidth == 25 ? 1 : 2;
        RestoreCornerArea(home.X, home.Y - Scroll(), n, true, true, to);
    } else if (kind == kFoundationKind) {
        DrawStackDepth(to, 5, pileIndex, false, int(content->size()));
        // A foundation card turned face down (a card the player must remember) shows its back.
        if (s.Cards.CardIsHidden(top))
            DrawBack(s.Game.GetFoundationX(pileIndex), s.Game.GetFoundationY(pileIndex), content->size() > 3,
                     to, pileIndex, pile_kind::Foundation);
        else
            DrawCard(top, s.Game.GetFoundationX(pileIndex), s.Game.GetFoundationY(pileIndex),
                     content->size() > 3, to, pileIndex, pile_kind::Foundation);
        if (content->size() == 3) {
            const auto home = s.Game.FoundationHomePos[size_t(pileIndex)];
            RestoreCorners(home.X, home.Y - Scroll());
        }
    } else {
        DrawPileCard(name, PileSize(*content) - 1, to);
    }
}

void TableDrawing::DrawPileCard(std::string_view name, int k, DrawTarget to) {
    const std::string* content = s.Piles.Find(name);
    if (!content)
        return;
    const int kind = PileKind(name);
    const int index = std::max(0, PileNumber(name) - 1);
    const int pk = kind == kTableauKind      ? pile_kind::Tableau
                   : kind == kReserveKind    ? pile_kind::Reserve
                   : kind == kFoundationKind ? pile_kind::Foundation
                                             : pile_kind::Other;
    const int count = PileSize(*content);
    if (count == 0 || k < 0 || k >= count) {
        if (count == 0)
            DrawPileTop(name, index, to);
        return;
    }
    const int skip = count - 1 - k;
    const int x = PileCardX(s, name, skip, false, index), y = PileCardY(s, name, skip, false);
    if (x < -9999)
        return;
    const int card = PileCard(*content, k);
    if (s.Cards.CardIsHidden(card) && card >= 1)
        DrawBack(x, y, false, to, index, pk);
    else
        DrawCard(card, x, y, false, to, index, pk);
}

void TableDrawing::DrawPile(std::string_view name, DrawTarget to) {
    const std::string* content = s.Piles.Find(name);
    if (!content)
        return;
    const int kind = PileKind(name);
    const int index = std::max(0, PileNumber(name) - 1);
    if (kind != kTableauKind && kind != kReserveKind) {
        DrawPileTop(name, index, to);
        return;
    }
    if (content->empty()) {
        DrawPileTop(name, index, to);
        return;
    }
    for (int k = 0; k < PileSize(*content); ++k)
        DrawPileCard(name, k, to);
}

void TableDrawing::PaintTable(bool animateDeal) {
    if (!s.Flag(GameInPlay))
        return;
    s.Game.ScrollOffset = 0;
    s.Game.TableBottom = 0;
    DealSource source;
    if (animateDeal && ChooseDealSource(s, source)) {
        AnimateDeal(source);
        return;
    }
    PaintSquaredPiles(DrawTarget::Both);
    const int reserves = std::clamp(s.Attr(kAttrReserves), 0, 12);
    for (int i = 0; i < reserves; ++i)
        if (s.Game.GetReserveX(i) >= -9999)
            DrawPile("Appogg" + std::to_string(i + 1), DrawTarget::Both);
    const int tableaus = std::clamp(s.Attr(kAttrTableaus), 0, 40);
    auto name = [](int i) { return "Fila" + std::to_string(i + 1); };
    if (s.Attr(kAttrPileAfterPile) != 0) {
        for (int i = 0; i < tableaus; ++i)
            if (s.GetTableauX(i) >= -9999)
                DrawPile(name(i), DrawTarget::Both);
    } else {
        int longest = 0;
        for (int i = 0; i < tableaus; ++i) {
            if (s.GetTableauX(i) < -9999)
                continue;
            const int c = PileSize(s.Piles.TableauPiles[size_t(i)]);
            longest = std::max(longest, c);
            if (c == 0)
                DrawPileTop(name(i), i, DrawTarget::Both);
        }
        // Row by row: the bottom card of every pile, then the second, and so on.
        for (int k = 0; k < longest; ++k)
            for (int i = 0; i < tableaus; ++i)
                if (s.GetTableauX(i) >= -9999 && k < PileSize(s.Piles.TableauPiles[size_t(i)]))
                    DrawPileCard(name(i), k, DrawTarget::Both);
    }
    FinishTable();
}

void TableDrawing::PaintSquaredPiles(DrawTarget to) {
    const int stocks = std::clamp(s.Attr(kAttrStockPiles), 0, 3);
    for (int i = 0; i < 3; ++i) {
        // The second waste is a pile of its own count; an empty one shows its mark too.
        const bool counted = i == 0 || i < stocks || (i == 2 && s.Attr(kAttrSecondWastes) > 0);
        if (s.Game.GetStockX(i) < -9999 || (!counted && s.Piles.StockPiles[size_t(i)].empty()))
            continue;
        DrawPileTop(kStockNames[i], i, to);
    }
    const int foundations = std::clamp(s.Attr(kAttrFoundations), 0, 16);
    for (int i = 0; i < foundations; ++i) {
        if (s.Game.GetFoundationX(i) < -9999)
            continue;
        DrawPileTop("Dest" + std::to_string(i + 1), i, to);
    }
}

void TableDrawing::AnimateDeal(const DealSource& source) {
    // The empty places first, so the cards land on their marks.
    if (s.Attr(kAttrTableauFan) != 4) {
        const int reserves = std::clamp(s.Attr(kAttrReserves), 0, 12);
        for (int i = 0; i < reserves; ++i)
            if (s.Game.GetReserveX(i) >= -9999)
                DrawMark(mark_kind::Reserve, s.Game.GetReserveX(i), s.Game.GetReserveY(i), DrawTarget::Both,
                         i);
        const int tableaus = std::clamp(s.Attr(kAttrTableaus), 0, 40);
        for (int i = 0; i < tableaus; ++i)
            if (s.GetTableauX(i) >= -9999)
                DrawMark(mark_kind::Tableau, s.GetTableauX(i), s.GetTableauY(i), DrawTarget::Both, i);
    }
    PaintSquaredPiles(DrawTarget::Table);
    // The deck the cards come from, then the whole table on the window.
    DrawBack(source.x, source.y, false, DrawTarget::Table);
    RefreshWindow();
    if (source.pile != "Mazzo" || s.Piles.StockPiles[0].empty())
        RestoreCorners(source.x, source.y);
    TableView& view = View(s);
    view.PauseBusy(100);
    PlayEventSoundLoop(s, "Shuffle", s.Params.Flag(kParamSoundShuffle));
    for (const DealPlace& place : DealOrder(s)) {
        const std::string* content = s.Piles.Find(place.pile);
        const int count = PileSize(*content), skip = count - 1 - place.k;
        const int index = std::max(0, PileNumber(place.pile) - 1);
        const int x = PileCardX(s, place.pile, skip, false, index), y = PileCardY(s, place.pile, skip, false);
        const int card = PileCard(*content, place.k);
        FlyDealtCard(s, source, card, !s.Cards.CardIsHidden(card), x, y);
        // The card lies in its pile with the pile's own corners; the bottom card of a pile covers
        // the pile's mark, which then no longer shows in its corners.
        const QRect landed(x, y, s.Metrics.CardWidth, s.Metrics.CardHeight);
        if (place.k == 0)
            CopyFromBackground(landed.translated(0, Scroll()), DrawTarget::Table);
        DrawPileCard(place.pile, place.k, DrawTarget::Table);
        if (!WindowIsTable())
            CopyPixels(WindowImage, x, y, TableImage, landed.translated(0, Scroll()));
        Show(landed);
    }
    StopSounds(s);
    // The deck shows what it holds now: its top card, a back or its mark.
    if (!source.pile.empty()) {
        const int kind = PileKind(source.pile);
        if (kind == kTableauKind || kind == kReserveKind)
            DrawPile(source.pile, DrawTarget::Both);
        else
            DrawPileTop(source.pile, std::max(0, PileNumber(source.pile) - 1), DrawTarget::Both);
    }
    FinishTable();
}

void TableDrawing::FinishTable() {
    DrawGameLabels();
    if (s.Game.HighlightFoundationsMark != 0)
        HighlightFoundations(-1);
    s.Game.DealDone = 1;
    // The puzzle of columns adding up shows its score and the sums of the finished columns.
    if (s.Attr(kAttrFamily) == 74)
        UpdateScore(s);
}

void TableDrawing::DrawLabelBox(const QRect& box, const QString& text) {
    auto paint = [&](QImage& img, const QRect& r) {
        QPainter p(&img);
        p.fillRect(r, Qt::white);
        p.setPen(Qt::black);
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.bottomRight());
        if (!text.isEmpty()) {
            QFont font("Tahoma");
            font.setPointSize(8);
            p.setFont(font);
            p.drawText(r.adjusted(0, 0, -1, -1), Qt::AlignCenter, text);
        }
    };
    paint(TableImage, box.translated(0, Scroll()));
    if (QImage* window = WindowCanvas(DrawTarget::Both))
        paint(*window, box);
    Show(box);
}

void TableDrawing::DrawGameLabels() {
    const int family = s.Attr(kAttrFamily);
    static const int kWithoutLabels[] = {9, 59, 10, 23, 50, 40, 42, 56, 58, 64, 65, 68};
    if (std::find(std::begin(kWithoutLabels), std::end(kWithoutLabels), family) != std::end(kWithoutLabels) ||
        s.Attr(kAttrFoundationRule) == 72)
        return;
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    const int tableaus = std::clamp(s.Attr(kAttrTableaus), 0, 40);
    if (family == 57 && tableaus >= 16) {
        // Four rows of four piles: "+" between the piles of a row, the row's target at its end and
        // white bars between the rows.
        const int targets[4] = {s.Game.OnceUsed, s.Game.DealValues[0], s.Game.DealValues[1],
                                s.Game.DealValues[2]};
        const int sumX = s.GetTableauX(3) + cw + 20;
        for (int row = 0; row < 4; ++row) {
            const int first = row * 4;
            const int middle = s.GetTableauY(first) + ch / 2;
            for (int k = first; k < first + 3; ++k) {
                const int gapLeft = s.GetTableauX(k) + cw, gap = s.GetTableauX(k + 1) - gapLeft;
                DrawLabelBox(QRect(gapLeft + (gap - 14) / 2, middle - 9, 14, 18), "+");
            }
            DrawLabelBox(QRect(sumX, middle - 9, 58, 18), QString("Sum = %1").arg(targets[row]));
            if (row < 3) {
                const int below = s.GetTableauY(first) + ch, next = s.GetTableauY(first + 4);
                const QRect bar(s.GetTableauX(first), below + (next - below - 2) / 2,
                                sumX + 58 - s.GetTableauX(first), 2);
                for (QImage* img : {&TableImage, WindowCanvas(DrawTarget::Both)}) {
                    if (!img)
                        continue;
                    QPainter p(img);
                    p.fillRect(img == &TableImage ? bar.translated(0, Scroll()) : bar, Qt::white);
                }
                Show(bar);
            }
        }
    }
    const int arrangement = s.Attr(366);
    if (arrangement == 172 && tableaus >= 6 && s.GetTableauX(5) >= -9999) {
        // A white arrow pointing right, beside tableau pile 6.
        const int start = s.GetTableauX(5) + cw + 5, end = s.GetTableauX(5) + cw + 25;
        const int y = s.GetTableauY(5) + ch / 2;
        for (QImage* img : {&TableImage, WindowCanvas(DrawTarget::Both)}) {
            if (!img)
                continue;
            const int dy = img == &TableImage ? Scroll() : 0;
            QPainter p(img);
            p.setPen(QPen(Qt::white, 3));
            p.drawLine(start, y + dy, end, y + dy);
            p.drawLine(end - 2, y + dy, end - 12, y + dy - 6);
            p.drawLine(end - 2, y + dy, end - 12, y + dy + 5);
        }
        Show(QRect(start - 2, y - 8, end - start + 4, 16));
    }
}

void TableDrawing::DrawColumnSums(const std::vector<int>& marked) {
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    if (std::clamp(s.Attr(kAttrTableaus), 0, 40) < 4 || s.GetTableauX(0) < -9999)
        return;
    const int y = s.GetTableauY(3) + ch + 5;
    for (int column = 0; column < 13; ++column) {
        const int x = s.GetTableauX(0) + column * (cw + 2) + (cw - 28) / 2;
        const QRect box(x, y, 28, 18);
        if (std::find(marked.begin(), marked.end(), column) == marked.end()) {
            CopyFromBackground(box.translated(0, Scroll()), DrawTarget::Both);
            continue;
        }
        int sum = 0;
        for (size_t pile = 0; pile < 4; ++pile) {
            const std::string& content = s.Piles.TableauPiles[pile];
            if (column < PileSize(content))
                sum += CardRank(PileCard(content, column));
        }
        DrawLabelBox(box, QString::number(sum));
    }
}

void TableDrawing::RedrawPileChange(const std::string& oldContent, const std::string& newContent,
                                    std::string_view name) {
    if (newContent.compare(0, oldContent.size(), oldContent) == 0 && newContent.size() >= oldContent.size())
        return;
    const int kind = PileKind(name);
    const int pk = kind == kTableauKind      ? pile_kind::Tableau
                   : kind == kReserveKind    ? pile_kind::Reserve
                   : kind == kFoundationKind ? pile_kind::Foundation
                                             : pile_kind::Other;
    const int index = std::max(0, PileNumber(name) - 1);
    const int mode = FanMode(pk, index);
    if (kind == kTableauKind && mode == 3 && !newContent.empty())
        return;
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    const int removed = std::max(1, PileSize(oldContent) - PileSize(newContent));
    const int x = PileCardX(s, name, 0, true, index);
    const int y = PileCardY(s, name, 0, true);
    const int pileX = kind == kTableauKind ? s.GetTableauX(index) : x;
    const int pileY = kind == kTableauKind   ? s.GetTableauY(index)
                      : kind == kReserveKind ? s.Game.GetReserveY(index)
                                             : y;
    // The first pile of a group that `wanted` picks is drawn again over the restored area.
    auto redrawFirst = [&](const char* prefix, int count, auto position, auto wanted) {
        for (int i = 0; i < count; ++i) {
            const std::string other = prefix + std::to_string(i + 1);
            if (other == name)
                continue;
            const auto [ox, oy] = position(i);
            if (ox >= -9999 && wanted(ox, oy)) {
                DrawPile(other, DrawTarget::Both);
                return;
            }
        }
    };
    const int tableaus = std::clamp(s.Attr(kAttrTableaus), 0, 40);
    const int reserves = std::clamp(s.Attr(kAttrReserves), 0, 12);
    const int foundations = std::clamp(s.Attr(kAttrFoundations), 0, 16);
    auto tableauAt = [&](int i) { return std::pair{s.GetTableauX(i), s.GetTableauY(i)}; };
    auto reserveAt = [&](int i) { return std::pair{s.Game.GetReserveX(i), s.Game.GetReserveY(i)}; };
    auto foundationAt = [&](int i) { return std::pair{s.Game.GetFoundationX(i), s.Game.GetFoundationY(i)}; };
    if (kind == kTableauKind && mode == 8) {
        // The grid closed up: every slot the old content filled is cleared and the grid drawn
        // anew, its cards in their new slots.
        const int stepX = cw + s.Game.SnakeGapX, stepY = ch + s.Game.SnakeGapY;
        // A card's slot is the number of markers before it: the last card's is the count of all.
        int lastSlot = 0;
        for (int k = 0; k < PileSize(oldContent); ++k)
            lastSlot += oldContent.compare(static_cast<size_t>(3 * k), 3, "000") == 0 ? 1 : 0;
        const int columns = GridColumns(s);
        const int rows = lastSlot / columns + 1, margin = s.Metrics.ShadowSize + 2;
        const QRect area(pileX, pileY - s.Game.ScrollOffset, columns * stepX + margin, rows * stepY + margin);
        CopyFromBackground(area.translated(0, Scroll()), DrawTarget::Both);
        DrawPile(name, DrawTarget::Both);
        return;
    }
    if (mode == 2 || mode == 4 || mode == 6 || mode == 10) {
        // The removed cards lay side by side from the next card place on (to the left in mode 10).
        const int step = mode == 4 ? cw + s.Game.RowGap : mode == 6 ? s.Game.StepMode6X : s.Game.StepUpX;
        const int span = (removed - 1) * std::max(step, 0);
        const QRect area(mode == 10 ? x - span : x, y, cw + span, ch);
        CopyFromBackground(area.translated(0, Scroll()), DrawTarget::Both);
        DrawPileTop(name, index, DrawTarget::Both);
        if (kind == kTableauKind) {
            redrawFirst("Fila", tableaus, tableauAt,
                        [&](int ox, int oy) { return ox > pileX && std::abs(oy - pileY) < ch; });
            redrawFirst("Dest", foundations, foundationAt,
                        [&](int ox, int oy) { return area.intersects(QRect(ox, oy, cw, ch)); });
        }
        return;
    }
    if (mode == 1 || mode == 5 || mode == 7 || mode == 12 || mode == 13) {
        const int step = (mode == 1 || mode == 7) ? s.Game.StepUpY : s.Game.StepMode5;
        const int runHeight = (removed - 1) * std::max<int>(step, 0) + ch;
        CopyFromBackground(QRect(pileX - 2, y + Scroll(), cw + 4, step + runHeight), DrawTarget::Both);
        // The hand-placed look puts each card a little aside: the whole pile is drawn again.
        if (kind == kTableauKind && s.Params.ReadParam(179, 1) != "N")
            DrawPile(name, DrawTarget::Both);
        else
            DrawPileTop(name, index, DrawTarget::Both);
        auto overlaps = [&](int ox) { return std::abs(ox - pileX) < cw; };
        if (kind == kTableauKind && (mode == 1 || mode == 7)) {
            redrawFirst("Fila", tableaus, tableauAt,
                        [&](int ox, int oy) { return ox > pileX && ox - pileX < cw && oy > pileY; });
            // The restored strip below the pile reaches one fan step past its last card: in a
            // grid whose rows lie closer than that, it cut the top off the card in the row below.
            // Every pile it reaches is drawn again, and this pile's top over them.
            const QRect restored(pileX - 2, y, cw + 4, step + runHeight);
            bool covered = false;
            for (int i = 0; i < tableaus; ++i) {
                const auto [ox, oy] = tableauAt(i);
                if (i != index && ox >= -9999 &&
                    restored.intersects(QRect(ox, oy - s.Game.ScrollOffset, cw, ch))) {
                    DrawPile("Fila" + std::to_string(i + 1), DrawTarget::Both);
                    covered = true;
                }
            }
            if (covered)
                DrawPileTop(name, index, DrawTarget::Both);
            redrawFirst("Appogg", reserves, reserveAt,
                        [&](int ox, int oy) { return oy > pileY && overlaps(ox); });
        } else if (kind == kReserveKind && mode == 1) {
            redrawFirst("Dest", foundations, foundationAt,
                        [&](int ox, int oy) { return oy > pileY && overlaps(ox); });
        }
        return;
    }
    CopyFromBackground(QRect(x, y + Scroll(), cw, ch), DrawTarget::Both);
    DrawPileTop(name, index, DrawTarget::Both);
}

QRgb TableDrawing::HighlightColour(int number) {
    static const long long colours[] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xDCB9FF,
                                        0x4646FF, 0x80FFFF, 0xA00000, 0x808000, 0x408000,
                                        0xFF80FF, 0x400080, 0x008080, 0x000080, 0xC0C0C0};
    if (number < 0 || number >= int(std::size(colours)))
        return ColourFromValue(0x000000);
    return ColourFromValue(colours[number]);
}

void TableDrawing::HighlightFoundations(int index) {
    auto pref = [this](const std::string& key) {
        return images.services.ReadPreference ? images.services.ReadPreference(key) : images.Preference(key);
    };
    auto number = [](const std::string& text) {
        try {
            return text.empty() ? 0 : std::stoi(text);
        } catch (...) {
            return 0;
        }
    };
    const int type = number(pref("HighLights_Foundations_Mark"));
    const QColor colour(HighlightColour(number(pref("HighLights_Foundations_Color"))));
    if (type < 1 || type > 5)
        return;
    const int count = std::clamp(s.Attr(kAttrFoundations), 0, 16);
    for (int i = 0; i < count; ++i) {
        if (index != -1 && index != i)
            continue;
        const int wanted = s.Attr(119 + i) == -1 ? s.Attr(34) : s.Attr(119 + i);
        if (PileSize(s.Piles.FoundationPiles[size_t(i)]) != wanted || wanted <= 0)
            continue;
        const QRect place(s.Game.GetFoundationX(i) + 1, s.Game.GetFoundationY(i) + 1, s.Metrics.CardWidth - 2,
                          s.Metrics.CardHeight - 2);
        auto paint = [&](QImage& img, const QRect& r) {
            QPainter p(&img);
            p.setClipRect(r);
            if (type == 1) {
                // Diagonal lines every 2 px both ways; the corners stay clear.
                p.setClipRegion(QRegion(r)
                                    .subtracted(QRegion(r.x(), r.y(), 3, 3))
                                    .subtracted(QRegion(r.right() - 2, r.y(), 3, 3))
                                    .subtracted(QRegion(r.x(), r.bottom() - 2, 3, 3))
                                    .subtracted(QRegion(r.right() - 2, r.bottom() - 2, 3, 3)));
                p.setPen(colour);
                for (int k = -r.height(); k < r.width(); k += 2) {
                    p.drawLine(r.x() + k, r.y(), r.x() + k + r.height(), r.y() + r.height());
                    p.drawLine(r.x() + k + r.height(), r.y(), r.x() + k, r.y() + r.height());
                }
            } else {
                static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::FDiagPattern, Qt::CrossPattern,
                                                        Qt::DiagCrossPattern};
                p.fillRect(r, QBrush(colour, styles[type - 2]));
            }
        };
        paint(TableImage, place.translated(0, Scroll()));
        if (QImage* window = WindowCanvas(DrawTarget::Both))
            paint(*window, place);
        Show(place);
    }
}

void TableDrawing::InvertCard(int left, int top, int right, int bottom) {
    const QRect r(QPoint(left, top), QPoint(right - 1, bottom - 1));
    const qreal ratio = DeviceRatio;
    auto invert = [](QImage& img, const QRect& area) {
        const QRect a = area.intersected(img.rect());
        for (int y = a.top(); y <= a.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = a.left(); x <= a.right(); ++x)
                line[x] ^= 0x00FFFFFF;
        }
    };
    const QRect onWindow = DeviceRect(r, ratio), onTable = DeviceRect(r.translated(0, Scroll()), ratio);
    invert(WindowImage, onWindow);
    invert(TableImage, onTable);
    // The rounded corners show the table, not the inverted corner pixels.
    if (r.width() >= 3 && r.height() >= 3) {
        for (int corner = 0; corner < 4; ++corner)
            ForCornerPixels(onWindow.width(), onWindow.height(), ratio, r.width() == 25, corner,
                            [&](int px, int py) {
                                const int x = onTable.x() + px, y = onTable.y() + py;
                                const QRgb bg = BackgroundPixel(x, y);
                                if (Inside(WindowImage, onWindow.x() + px, onWindow.y() + py))
                                    WindowImage.setPixel(onWindow.x() + px, onWindow.y() + py, bg);
                                if (Inside(TableImage, x, y))
                                    TableImage.setPixel(x, y, bg);
                            });
    }
    Show(r);
}

} // namespace quillon
