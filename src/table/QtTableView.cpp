#include "table/QtTableView.h"

#include "table/ImageResources.h"
#include "table/PileLayout.h"

#include "engine/CardPlaces.h"
#include "model/Cards.h"
#include "model/EventSounds.h"
#include "support/widgets/InputSwallower.h"
#include "table/TableDrawing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace quillon {

namespace {

DrawTarget Target(Surface where) {
    return where == Surface::Window       ? DrawTarget::Window
           : where == Surface::TableImage ? DrawTarget::Table
                                          : DrawTarget::Both;
}

// Every pile name the table can show.
std::vector<std::string> AllPiles() {
    std::vector<std::string> names{"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    for (int i = 1; i <= 40; ++i)
        names.push_back("Fila" + std::to_string(i));
    for (int i = 1; i <= 16; ++i)
        names.push_back("Dest" + std::to_string(i));
    for (int i = 1; i <= 12; ++i)
        names.push_back("Appogg" + std::to_string(i));
    return names;
}

} // namespace

QtTableView::QtTableView(Session& s, TableDrawing& drawing) : s_(s), d_(drawing) {
    pauses_.pumpMessages = [] { QCoreApplication::processEvents(); };
}

QtTableView::~QtTableView() = default;

void QtTableView::UseClock(PauseClock* clock) {
    auto pump = pauses_.pumpMessages;
    pauses_ = Pauses(clock);
    pauses_.pumpMessages = pump;
}

void QtTableView::PumpMessages() {
    if (pauses_.pumpMessages)
        pauses_.pumpMessages();
}

namespace {

// Watches the player's input while the winning animation runs: a key press, a mouse button press
// on any window of the program or a press on a window frame ends the animation by clearing the
// automatic-sequence flag. It only looks: the input swallower, installed before it and so asked
// after it, discards the press.
class StopPressWatcher : public QObject {
public:
    explicit StopPressWatcher(Session& s) : s_(s) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride: // a key that is a menu's shortcut
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            s_.StateFlags[AutomaticSequence] = 0;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Session& s_;
};

} // namespace

void QtTableView::WatchForStopPress(bool on) {
    QCoreApplication* app = QCoreApplication::instance();
    if (on) {
        if (onTakeFocus)
            onTakeFocus();
        if (!stopWatcher_) {
            stopWatcher_ = std::make_unique<StopPressWatcher>(s_);
            if (app)
                app->installEventFilter(stopWatcher_.get());
        }
        return;
    }
    if (stopWatcher_ && app)
        app->removeEventFilter(stopWatcher_.get());
    stopWatcher_.reset();
}

WindowArea QtTableView::AnimationArea() {
    if (onAnimationArea)
        return onAnimationArea();
    // Without a window around it the table is the whole window.
    const QSize size = d_.WindowSize();
    const int w = size.width(), h = size.height();
    return {w, h, w, h, 0};
}

void QtTableView::DrawLooseCard(int card, int x, int y) {
    d_.DrawCard(card, x, y, false, DrawTarget::Both, 0, pile_kind::Other);
}

void QtTableView::DrawStockImage(const std::string& image, int stockPile) {
    if (stockPile < 0 || stockPile > 2)
        return;
    const int x = s_.Game.GetStockX(stockPile), y = s_.Game.GetStockY(stockPile);
    if (x < -9999)
        return;
    d_.DrawNamedMark(image, x, y, DrawTarget::Both);
}

int QtTableView::Scroll() const {
    return s_.Game.ScrollOffset;
}

void QtTableView::Show(const QRect& r) {
    if (d_.ShowOnWindow && !r.isEmpty())
        d_.ShowOnWindow(r);
}

void QtTableView::RestoreWindow(const QRect& r) {
    if (r.isEmpty() || d_.WindowIsTable())
        return;
    CopyPixels(d_.WindowImage, r.left(), r.top(), d_.TableImage, r.translated(0, Scroll()));
}

void QtTableView::BuildDragImage(int card) {
    const int w = s_.Metrics.CardWidth;
    const int h = std::max(s_.DragHeight, s_.Metrics.CardHeight);
    const qreal ratio = d_.DeviceRatio;
    dragIsCard_ = false;
    dragSize_ = QSize(w, h);
    // A single flying card is its own picture, face or back (-1): the table at its start may show
    // another card, such as the stock's back.
    if (card != 0 && h == s_.Metrics.CardHeight) {
        const size_t entry = card >= 1 && card <= 208 ? size_t((card - 1) % 52) : 52;
        const QImage& picture = card < 0 ? d_.images.CardBackImage : d_.images.CardFace(entry);
        if (!picture.isNull()) {
            drag_ = AtRatio(picture, ratio).convertToFormat(QImage::Format_RGB32);
            dragIsCard_ = true;
            // The card may already be shown at its start (raised off the stock, say): the first
            // step of the flight then gives that place back to the table.
            shown_ = QRect(s_.DragRect.left, s_.DragRect.top, w, h);
            return;
        }
    }
    // Picked-up cards are taken from the table picture as they lie at the drag rectangle: a single
    // card, or the run down to the pile's bottom edge.
    // In the table's own format, so that no frame of the drag converts it; what lies beyond the
    // table picture is black.
    drag_ = QImage(DeviceLength(w, ratio), DeviceLength(h, ratio), QImage::Format_RGB32);
    drag_.setDevicePixelRatio(ratio);
    drag_.fill(Qt::black);
    if (d_.TableImage.isNull())
        return;
    CopyPixels(drag_, 0, 0, d_.TableImage, QRect(s_.DragRect.left, s_.DragRect.top + Scroll(), w, h));
}

QImage QtTableView::Placed(int x, int y, bool blendCorners) const {
    // A single card takes on the corners of each new place; a run keeps the picture it was lifted
    // with (its corners lie on the cards of its own pile).
    if (!dragIsCard_ && !(blendCorners && dragSize_.height() == s_.Metrics.CardHeight))
        return drag_;
    QImage pic = drag_;
    d_.BlendCorners(pic, d_.TableImage, x, y + Scroll(), false, 0, 0);
    return pic;
}

bool QtTableView::Shadowed() const {
    return s_.Params.ReadParam(param::CardsShadowed, 1) != "N";
}

namespace {

// Draws `piece` onto `dst` at device pixel (x, y), white pixels left out, clipped to `dst`.
void PutShadowPiece(QImage& dst, int x, int y, const QImage& piece) {
    const QRect r = QRect(x, y, piece.width(), piece.height()).intersected(dst.rect());
    if (r.isEmpty() || piece.format() != QImage::Format_RGB32)
        return;
    for (int row = r.top(); row <= r.bottom(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(piece.constScanLine(row - y)) + (r.left() - x);
        auto* to = reinterpret_cast<QRgb*>(dst.scanLine(row)) + r.left();
        for (int k = 0; k < r.width(); ++k)
            if ((from[k] & 0xFFFFFF) != 0xFFFFFF)
                to[k] = from[k];
    }
}

// Paints the device pixels of a rectangle of the program's pixels; `dotted` only every second one.
void PutBlack(QImage& dst, const QRect& logical, bool dotted) {
    const QRect r = DeviceRect(logical, dst.devicePixelRatio()).intersected(dst.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(dst.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            if (!dotted || (x + y) % 2 == 0)
                line[x] = 0xFF000000;
    }
}

} // namespace

QRegion QtTableView::DrawShadow(const QRect& at) {
    QImage& w = d_.OwnWindow();
    const qreal ratio = w.devicePixelRatio();
    const int left = at.left(), top = at.top(), right = at.left() + at.width(),
              bottom = at.top() + at.height();
    if (at.height() > s_.Metrics.CardHeight) {
        // A run: a dotted black band 7 px wide down the right edge and 7 px high along the bottom.
        const QRect side(right, top + 7, 7, bottom - top), under(left + 8, bottom, right - left - 8, 7);
        for (const QRect& band : {side, under})
            PutBlack(w, band, true);
        return QRegion(side).united(under);
    }
    const int S = s_.Metrics.ShadowSize;
    const QImage one = AtRatio(d_.images.ShadowImages[0], ratio);
    const QImage two = AtRatio(d_.images.ShadowImages[1], ratio);
    PutShadowPiece(w, DevicePos(right, ratio), DevicePos(top + S - 2, ratio), one);
    PutShadowPiece(w, DevicePos(left + S - 1, ratio), DevicePos(bottom, ratio), two);
    // The rounded bottom-right corner of the card falls into its own shadow.
    PutBlack(w, QRect(right - 1, bottom - 2, 1, 1), false);
    PutBlack(w, QRect(right - 2, bottom - 1, 1, 1), false);
    const QSize a = LogicalSize(one), b = LogicalSize(two);
    return QRegion(right, top + S - 2, a.width(), a.height())
        .united(QRegion(left + S - 1, bottom, b.width(), b.height()))
        .united(QRegion(right - 2, bottom - 2, 2, 2));
}

bool QtTableView::MoveDragImage(int x, int y, bool commit, bool blendCorners) {
    const QRect to(QPoint(x, y), dragSize_);
    if (drag_.isNull())
        return false;
    if (to == shown_ && !commit)
        return false;
    // Only the strips the picture and its shadow leave are restored from the table picture.
    const QRegion left = QRegion(shown_).united(shadow_);
    const QRegion uncovered = left.subtracted(QRegion(to));
    for (const QRect& strip : uncovered)
        RestoreWindow(strip);
    const QImage picture = Placed(x, y, blendCorners);
    CopyPixels(d_.OwnWindow(), x, y, picture);
    if (commit) {
        CopyPixels(d_.TableImage, x, y + Scroll(), picture);
        Show(left.united(to).boundingRect());
        shown_ = QRect();
        shadow_ = QRegion();
        return true;
    }
    shadow_ = Shadowed() ? DrawShadow(to) : QRegion();
    Show(left.united(to).united(shadow_).boundingRect());
    shown_ = to;
    return true;
}

void QtTableView::CommitDragImage(int x, int y) {
    if (drag_.isNull())
        return;
    d_.WindowCanvas(DrawTarget::Table); // the window keeps showing what it shows
    CopyPixels(d_.TableImage, x, y + Scroll(), Placed(x, y, true));
}

void QtTableView::Repaint(const TableRect& a) {
    const QRect r(QPoint(a.left, a.top), QPoint(a.right, a.bottom));
    RestoreWindow(r);
    Show(r);
}

void QtTableView::DropDragImage(int x, int y) {
    HideDragImage();
    if (drag_.isNull())
        return;
    const QImage picture = Placed(x, y, true);
    QImage* window = d_.WindowCanvas(DrawTarget::Both);
    CopyPixels(d_.TableImage, x, y + Scroll(), picture);
    if (window)
        CopyPixels(*window, x, y, picture);
    Show(QRect(QPoint(x, y), dragSize_));
}

void QtTableView::HideDragImage() {
    const QRegion r = QRegion(shown_).united(shadow_);
    shown_ = QRect();
    shadow_ = QRegion();
    for (const QRect& part : r)
        RestoreWindow(part);
    Show(r.boundingRect());
}

void QtTableView::LiftCard(int card) {
    // The pile is drawn without the run on both pictures, then given back its cards.
    for (const std::string& name : AllPiles()) {
        std::string* content = s_.Piles.Find(name);
        if (!content)
            continue;
        const int at = PileFind(*content, card);
        if (at < 0)
            continue;
        const std::string old = *content;
        *content = old.substr(0, static_cast<size_t>(at) * 3);
        d_.RedrawPileChange(old, *content, name);
        d_.DrawPile(name, DrawTarget::Both);
        drawn_[name] = *content;
        *content = old;
        return;
    }
}

void QtTableView::ForgetPiles() {
    drawn_.clear();
    cleared_.clear();
    for (const std::string& name : AllPiles())
        if (const std::string* content = s_.Piles.Find(name))
            drawn_[name] = *content;
}

void QtTableView::RedrawPile(std::string_view pile, Surface where) {
    const std::string* content = s_.Piles.Find(pile);
    if (!content)
        return;
    auto it = drawn_.find(pile);
    if (it != drawn_.end())
        d_.RedrawPileChange(it->second, *content, pile);
    d_.DrawPile(pile, Target(where));
    drawn_[std::string(pile)] = *content;
    if (auto cleared = cleared_.find(pile); cleared != cleared_.end() && where != Surface::TableImage) {
        Show(cleared->second);
        cleared_.erase(cleared);
    }
}

namespace {

// The area a pile's cards cover on the window, its empty place included, with a small margin for
// the edges of a stack; empty when the pile is not on the table.
QRect PileArea(const Session& s, std::string_view pile) {
    int x = 0, y = 0;
    const std::string* content = s.Piles.Find(pile);
    if (!content || !PilePosition(s, pile, x, y))
        return {};
    const int w = s.Metrics.CardWidth, h = s.Metrics.CardHeight, index = std::max(0, PileNumber(pile) - 1);
    QRect area(x, y, w, h);
    for (int skip = 0; skip < PileSize(*content); ++skip)
        area |= QRect(PileCardX(s, pile, skip, false, index), PileCardY(s, pile, skip, false), w, h);
    return area.adjusted(-4, -4, 4, 4);
}

} // namespace

void QtTableView::ClearPile(std::string_view pile) {
    const QRect area = PileArea(s_, pile);
    if (area.isEmpty() || d_.TableImage.isNull())
        return;
    const QRect onTable = area.translated(0, Scroll());
    d_.PaintBackgroundArea(d_.TableImage, onTable.x(), onTable.y(), onTable);
    drawn_[std::string(pile)].clear();
    // A stack goes back to the place the layout gave it, so that it is drawn again with its depth.
    const int kind = PileKind(pile);
    if (kind == kStockKind || kind == kWasteKind) {
        const size_t slot = kind == kStockKind ? 0 : 1;
        s_.Game.StockX[slot] = s_.Game.StockHomePos[slot].X;
        s_.Game.StockY[slot] = s_.Game.StockHomePos[slot].Y;
    } else if (kind == kFoundationKind) {
        const size_t k = static_cast<size_t>(std::clamp(PileNumber(pile) - 1, 0, kFoundationCount - 1));
        s_.Game.FoundationX[k] = s_.Game.FoundationHomePos[k].X;
        s_.Game.FoundationY[k] = s_.Game.FoundationHomePos[k].Y;
    }
    // A pile the cleared margin reached into is drawn again.
    for (const std::string& other : AllPiles())
        if (other != pile && PileArea(s_, other).intersects(area)) {
            d_.DrawPile(other, DrawTarget::Table);
            drawn_[other] = *s_.Piles.Find(other);
        }
    // The window shows the cleared area with the pile's new cards, once they are drawn.
    RestoreWindow(area);
    cleared_[std::string(pile)] |= area;
}

void QtTableView::DrawCard(int card, int x, int y, Surface where, int tableauPile) {
    const int kind = tableauPile >= 0 ? pile_kind::Tableau : pile_kind::Other;
    if (card <= 0 || s_.Cards.CardIsHidden(card))
        d_.DrawBack(x, y, false, Target(where), std::max(0, tableauPile), kind);
    else
        d_.DrawCard(card, x, y, false, Target(where), std::max(0, tableauPile), kind);
}

void QtTableView::InvertCard(int x, int y) {
    d_.InvertCard(x, y, x + s_.Metrics.CardWidth, y + s_.Metrics.CardHeight);
}

void QtTableView::DrawEmptyStockMarker() {
    d_.DrawPileTop("Mazzo", 0, DrawTarget::Both);
}

void QtTableView::DrawFoundationHighlight(int foundation) {
    d_.HighlightFoundations(foundation);
}

void QtTableView::RedrawTable() {
    ForgetPiles();
    shown_ = QRect();
    d_.PaintBackground();
    d_.PaintTable();
    d_.RefreshWindow();
}

void QtTableView::DrawLabel(const QRect& r, const QStringList& lines, const QImage& picture) {
    if (d_.TableImage.isNull() || r.isEmpty())
        return;
    const QRect onTable = r.translated(0, Scroll());
    {
        QPainter p(&d_.TableImage);
        p.fillRect(onTable, Qt::white);
        p.setPen(Qt::black);
        p.drawLine(onTable.topRight(), onTable.bottomRight());
        p.drawLine(onTable.bottomLeft(), onTable.bottomRight());
        QFont font("Tahoma");
        font.setPixelSize(11);
        p.setFont(font);
        const QFontMetrics m(font);
        int y = onTable.top() + 1;
        int right = onTable.left() + 2;
        for (const QString& line : lines) {
            p.drawText(QRect(onTable.left() + 2, y, onTable.width() - 4, m.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, line);
            right = std::max(right, onTable.left() + 2 + m.horizontalAdvance(line));
            y += m.height();
        }
        if (!picture.isNull())
            p.drawImage(
                QPoint(right + 2, onTable.top() + (onTable.height() - LogicalSize(picture).height()) / 2),
                picture);
    }
    RestoreWindow(r);
    Show(r);
}

void QtTableView::ClearLabel(const QRect& r) {
    if (d_.TableImage.isNull())
        return;
    d_.PaintBackgroundArea(d_.TableImage, r.left(), r.top() + Scroll(), r.translated(0, Scroll()));
    RestoreWindow(r);
    Show(r);
}

void QtTableView::DrawJokerLabel(int foundation, const std::string& text, const std::string& suitImage) {
    if (foundation < 0 || foundation >= kFoundationCount)
        return;
    const int x = s_.Game.GetFoundationX(foundation);
    if (x < -9999)
        return;
    const QRect box(x, s_.Game.GetFoundationY(foundation) + s_.Metrics.CardHeight + 3, s_.Metrics.CardWidth,
                    16);
    if (text.empty()) {
        ClearLabel(box);
        return;
    }
    QImage suit;
    if (!suitImage.empty())
        d_.images.LoadTableImage(suit, suitImage);
    ClearLabel(box);
    DrawLabel(box, {QString::fromStdString(text)}, suit.convertToFormat(QImage::Format_RGB32));
}

void QtTableView::DrawPartialScore(int value) {
    // Over the first three tableau piles, just above their row; beside it, at the waste, how the
    // hand is scored.
    const int left = s_.GetTableauX(0), right = s_.GetTableauX(2) + s_.Metrics.CardWidth;
    const QString score = QString(" Partial Score: %1    (max score = 9)").arg(value);
    const int width = std::max(right - left, 190);
    const QRect scoreBox(left + (right - left - width) / 2, s_.GetTableauY(0) - 20, width, 17);
    DrawLabel(scoreBox, {score});
    const int wx = s_.Game.GetStockX(1);
    if (wx > -9999)
        DrawLabel(QRect(wx, s_.Game.GetStockY(1), 130, 32),
                  {" Click on the Waste", " to transfer the cards."});
}

void QtTableView::ShowMemoryResult(const MemoryResultPage& page) {
    if (onShowMemoryResult)
        onShowMemoryResult(page);
}

void QtTableView::PlaySound(const std::string& name, bool enabled) {
    PlayEventSound(s_, name, enabled);
}

void QtTableView::Beep() {
    s_.desktop->Beep();
}

bool QtTableView::MessageBox(BoxKind kind, const std::string& caption, const std::string& text) {
    return s_.desktop->MessageBox(kind, caption, text);
}

void QtTableView::ShowScore(const std::string& text) {
    if (onShowScore)
        onShowScore(text);
}
void QtTableView::UpdateClockLabel() {
    if (onUpdateClock)
        onUpdateClock();
}
void QtTableView::HideHintPanels() {
    if (onHideHints)
        onHideHints();
}
void QtTableView::SetBusyCursor(bool busy) {
    if (onBusyCursor)
        onBusyCursor(busy);
}
void QtTableView::SetGameMenusEnabled(bool enabled) {
    if (onGameMenus)
        onGameMenus(enabled);
}
void QtTableView::SetInputBlocked(bool blocked) {
    if (onInputBlocked)
        onInputBlocked(blocked);
}
void QtTableView::SwallowInput(bool on) {
    InputSwallower::Instance().Swallow(on);
}
void QtTableView::OpenGameChooser() {
    if (onOpenGameChooser)
        onOpenGameChooser();
}
void QtTableView::CloseMainWindow() {
    if (onCloseWindow)
        onCloseWindow();
}

// The columns of the side-by-side puzzle whose ranks add up get their sum boxes.
void QtTableView::ShowMark(const std::string& kind, const std::vector<int>& items) {
    if (kind == "columns")
        d_.DrawColumnSums(items);
}

} // namespace quillon
