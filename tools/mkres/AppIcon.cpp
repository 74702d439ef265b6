// The program's icon for the desktop's menus and task bars: three cards fanned from one corner,
// a card back behind, the heart and the spade in front. Drawn at every size the icon theme
// asks for (16 to 256 pixels), with lines that stay crisp at the smallest.
#include "Art.h"

namespace mkres {

QImage DrawAppIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double w = size * 0.46, h = size * 0.64;
    const double radius = std::max(1.0, size * 0.05);
    const double pen = std::max(1.0, size / 48.0);
    const QPointF pivot(size * 0.5, size * 0.86);
    const QImage back = DrawBack(11, 71, 96);
    struct Card {
        double angle;
        int suit; // -1 for the back
    } cards[] = {{-26, -1}, {0, Hearts}, {26, Spades}};
    for (const Card& c : cards) {
        p.save();
        p.translate(pivot);
        p.rotate(c.angle);
        const QRectF r(-w / 2, -h, w, h);
        QPainterPath outline;
        outline.addRoundedRect(r, radius, radius);
        if (c.suit < 0) {
            p.setClipPath(outline);
            p.drawImage(r, back);
            p.setClipping(false);
        } else {
            p.fillPath(outline, QColor(252, 252, 248));
            const QColor colour = c.suit == Hearts ? QColor(200, 16, 32) : QColor(20, 20, 24);
            // A corner sign, which shows where the next card covers the middle, and a large one.
            DrawSuit(p, c.suit, -w * 0.26, -h * 0.8, h * 0.22, colour);
            DrawSuit(p, c.suit, 0, -h * 0.45, h * 0.4, colour);
        }
        p.setPen(QPen(QColor(40, 40, 48), pen));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
        p.restore();
    }
    p.end();
    return img;
}

} // namespace mkres
