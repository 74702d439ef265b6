#include "table/QtTableView.h"

#include "table/ImageResources.h"

#include "model/Cards.h"
#include "model/EventSounds.h"
#include "table/TableDrawing.h"

#include <QCoreApplication>
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

int QtTableView::Scroll() const {
    return s_.Game.ScrollOffset;
}

void QtTableView::Show(const QRect& r) {
    if (d_.ShowOnWindow && !r.isEmpty())
        d_.ShowOnWindow(r);
}

void QtTableView::RestoreWindow(const QRect& r) {
    if (r.isEmpty())
        return;
    CopyPixels(d_.WindowImage, r.left(), r.top(), d_.TableImage, r.translated(0, Scroll()));
}

void QtTableView::BuildDragImage(int card) {
    const int w = s_.Metrics.CardWidth;
    const int h = std::max(s_.DragHeight, s_.Metrics.CardHeight);
    dragIsCard_ = false;
    // A single flying card is its own picture, face or back (-1): the table at its start may show
    // another card, such as the stock's back.
    if (card != 0 && h == s_.Metrics.CardHeight) {
        const auto& faces = d_.images.CardFaceImages;
        const size_t entry = card >= 1 && card <= 208 ? size_t((card - 1) % 52) : 52;
        const QImage& picture =
            card < 0 ? d_.images.CardBackImage : (entry < faces.size() ? faces[entry] : QImage());
        if (!picture.isNull()) {
            drag_ = picture.convertToFormat(QImage::Format_RGB32);
            dragIsCard_ = true;
            // The card may already be shown at its start (raised off the stock, say): the first
            // step of the flight then gives that place back to the table.
            shown_ = QRect(s_.DragRect.left, s_.DragRect.top, w, h);
            return;
        }
    }
    // Picked-up cards are taken from the table picture as they lie at the drag rectangle: a single
    // card, or the run down to the pile's bottom edge.
    drag_ = QImage(w, h, QImage::Format_ARGB32);
    drag_.fill(Qt::transparent);
    if (d_.TableImage.isNull())
        return;
    CopyPixels(drag_, 0, 0, d_.TableImage, QRect(s_.DragRect.left, s_.DragRect.top + Scroll(), w, h));
}

QImage QtTableView::Placed(int x, int y) const {
    if (!dragIsCard_)
        return drag_;
    QImage pic = drag_;
    d_.BlendCorners(pic, d_.TableImage, x, y + Scroll(), false, 0, 0);
    return pic;
}

bool QtTableView::MoveDragImage(int x, int y, bool commit, bool) {
    const QRect to(x, y, drag_.width(), drag_.height());
    if (drag_.isNull())
        return false;
    if (to == shown_ && !commit)
        return false;
    // Only the strips the picture leaves are restored from the table picture.
    const QRegion uncovered = QRegion(shown_).subtracted(QRegion(to));
    for (const QRect& strip : uncovered)
        RestoreWindow(strip);
    const QImage picture = Placed(x, y);
    CopyPixels(d_.WindowImage, x, y, picture);
    if (commit) {
        CopyPixels(d_.TableImage, x, y + Scroll(), picture);
        Show(shown_.united(to));
        shown_ = QRect();
        return true;
    }
    Show(shown_.isEmpty() ? to : shown_.united(to));
    shown_ = to;
    return true;
}

void QtTableView::CommitDragImage(int x, int y) {
    if (!drag_.isNull())
        CopyPixels(d_.TableImage, x, y + Scroll(), Placed(x, y));
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
    const QImage picture = Placed(x, y);
    CopyPixels(d_.TableImage, x, y + Scroll(), picture);
    CopyPixels(d_.WindowImage, x, y, picture);
    Show(QRect(x, y, drag_.width(), drag_.height()));
}

void QtTableView::HideDragImage() {
    const QRect r = shown_;
    shown_ = QRect();
    RestoreWindow(r);
    Show(r);
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

void QtTableView::RedrawPile(std::string_view pile, Surface where) {
    const std::string* content = s_.Piles.Find(pile);
    if (!content)
        return;
    auto it = drawn_.find(pile);
    if (it != drawn_.end())
        d_.RedrawPileChange(it->second, *content, pile);
    d_.DrawPile(pile, Target(where));
    drawn_[std::string(pile)] = *content;
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
    drawn_.clear();
    shown_ = QRect();
    d_.PaintBackground();
    d_.PaintTable();
    d_.RefreshWindow();
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
