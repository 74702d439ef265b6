// Card faces, jokers, backs, empty-pile marks, shadows and the 3D pile borders.
#include "Art.h"

#include "platform/ResourceCatalog.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace mkres {

QFont Font(const char* family, double pixelSize, int weight, int stretch) {
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setWeight(QFont::Weight(weight));
    if (stretch != 100)
        f.setStretch(stretch);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPainterPath SuitPath(int suit) {
    QPainterPath p;
    switch (suit) {
    case Hearts:
        p.moveTo(0.5, 1.0);
        p.cubicTo(0.36, 0.80, 0.0, 0.60, 0.0, 0.30);
        p.cubicTo(0.0, 0.09, 0.14, 0.0, 0.27, 0.0);
        p.cubicTo(0.40, 0.0, 0.47, 0.09, 0.5, 0.19);
        p.cubicTo(0.53, 0.09, 0.60, 0.0, 0.73, 0.0);
        p.cubicTo(0.86, 0.0, 1.0, 0.09, 1.0, 0.30);
        p.cubicTo(1.0, 0.60, 0.64, 0.80, 0.5, 1.0);
        break;
    case Diamonds:
        p.moveTo(0.5, 0.0);
        p.quadTo(0.66, 0.30, 0.92, 0.5);
        p.quadTo(0.66, 0.70, 0.5, 1.0);
        p.quadTo(0.34, 0.70, 0.08, 0.5);
        p.quadTo(0.34, 0.30, 0.5, 0.0);
        break;
    case Clubs: {
        QPainterPath c;
        c.addEllipse(QPointF(0.5, 0.245), 0.235, 0.235);
        c.addEllipse(QPointF(0.245, 0.585), 0.235, 0.235);
        c.addEllipse(QPointF(0.755, 0.585), 0.235, 0.235);
        c.addEllipse(QPointF(0.5, 0.5), 0.12, 0.12);
        QPainterPath stem;
        stem.moveTo(0.465, 0.52);
        stem.cubicTo(0.46, 0.78, 0.40, 0.92, 0.28, 1.0);
        stem.lineTo(0.72, 1.0);
        stem.cubicTo(0.60, 0.92, 0.54, 0.78, 0.535, 0.52);
        stem.closeSubpath();
        QPainterPath all;
        all.setFillRule(Qt::WindingFill);
        all.addPath(c);
        all.addPath(stem);
        p = all.simplified();
        break;
    }
    default: {
        QPainterPath body;
        body.moveTo(0.5, 0.0);
        body.cubicTo(0.62, 0.20, 1.0, 0.36, 1.0, 0.61);
        body.cubicTo(1.0, 0.79, 0.86, 0.85, 0.75, 0.85);
        body.cubicTo(0.64, 0.85, 0.56, 0.80, 0.52, 0.72);
        body.cubicTo(0.54, 0.86, 0.60, 0.95, 0.72, 1.0);
        body.lineTo(0.28, 1.0);
        body.cubicTo(0.40, 0.95, 0.46, 0.86, 0.48, 0.72);
        body.cubicTo(0.44, 0.80, 0.36, 0.85, 0.25, 0.85);
        body.cubicTo(0.14, 0.85, 0.0, 0.79, 0.0, 0.61);
        body.cubicTo(0.0, 0.36, 0.38, 0.20, 0.5, 0.0);
        p = body;
        break;
    }
    }
    return p;
}

static double SuitAspect(int suit) {
    switch (suit) {
    case Hearts:
        return 0.92;
    case Diamonds:
        return 0.80;
    case Clubs:
        return 0.98;
    default:
        return 0.88;
    }
}

void DrawSuit(QPainter& p, int suit, double cx, double cy, double h, const QColor& colour, bool flip) {
    double w = h * SuitAspect(suit);
    p.save();
    p.translate(cx, cy);
    if (flip)
        p.rotate(180);
    p.translate(-w / 2, -h / 2);
    p.scale(w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(SuitPath(suit));
    p.restore();
}

QColor SuitColour(int set, int suit) {
    bool red = suit == Hearts || suit == Diamonds;
    switch (set) {
    case 2: {
        static const QColor four[4] = {QColor(0xD0, 0x1C, 0x1F), QColor(0x1F, 0x5F, 0xC4),
                                       QColor(0x1A, 0x86, 0x38), QColor(0x14, 0x14, 0x14)};
        return four[suit];
    }
    case 3:
        return red ? QColor(0xD8, 0x00, 0x00) : QColor(0, 0, 0);
    case 4:
        return red ? QColor(0xA0, 0x16, 0x2C) : QColor(0x1C, 0x1C, 0x38);
    default:
        return red ? QColor(0xC8, 0x10, 0x2E) : QColor(0x12, 0x12, 0x12);
    }
}

QPainterPath CardShape(double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), r, r);
    return path;
}

// The outline every card picture shares: a 1-px edge that leaves the corner pixel and its two
// neighbours outside (white), which the table's corner blending then replaces by what lies below.
void CardOutline(QImage& img, const QColor& edge, int scale) {
    int w = img.width(), h = img.height();
    QRgb e = edge.rgb(), white = qRgb(255, 255, 255);
    if (scale > 1) {
        // The corners the table's blending replaces are white; the edge runs one pixel wide along
        // the sides and steps round each corner.
        for (int row = 0; row < h; ++row) {
            const int cut = std::min(quillon::CornerCut(std::min(row, h - 1 - row), scale), w / 2);
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(row));
            for (int k = 0; k < cut; ++k)
                line[k] = line[w - 1 - k] = white;
            line[cut] = line[w - 1 - cut] = e;
        }
        for (int col = 0; col < w; ++col) {
            const int cut = std::min(quillon::CornerCut(std::min(col, w - 1 - col), scale), h / 2);
            img.setPixel(col, cut, e);
            img.setPixel(col, h - 1 - cut, e);
        }
        return;
    }
    QRgb soft = qRgb((qRed(e) + 255 * 2) / 3, (qGreen(e) + 255 * 2) / 3, (qBlue(e) + 255 * 2) / 3);
    for (int x = 2; x < w - 2; ++x) {
        img.setPixel(x, 0, e);
        img.setPixel(x, h - 1, e);
    }
    for (int y = 2; y < h - 2; ++y) {
        img.setPixel(0, y, e);
        img.setPixel(w - 1, y, e);
    }
    const int cx[4] = {0, w - 1, 0, w - 1}, cy[4] = {0, 0, h - 1, h - 1};
    for (int i = 0; i < 4; ++i) {
        int dx = cx[i] == 0 ? 1 : -1, dy = cy[i] == 0 ? 1 : -1;
        img.setPixel(cx[i], cy[i], white);
        img.setPixel(cx[i] + dx, cy[i], soft);
        img.setPixel(cx[i], cy[i] + dy, soft);
        img.setPixel(cx[i] + dx, cy[i] + dy, e);
    }
}

namespace {

const char* RankText(int rank) {
    static const char* t[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return t[rank];
}

struct Style {
    QColor paper, edge;
    const char* family;
    int stretch;
    double indexScale;
};

Style StyleOf(int set) {
    switch (set) {
    case 2:
        return {QColor(255, 255, 255), QColor(0x4A, 0x4A, 0x4A), "DejaVu Sans", 82, 1.12};
    case 3:
        return {QColor(255, 255, 255), QColor(0x30, 0x30, 0x30), "DejaVu Sans", 90, 1.0};
    case 4:
        return {QColor(0xFD, 0xFA, 0xF0), QColor(0x80, 0x6C, 0x48), "DejaVu Serif", 88, 1.0};
    default:
        return {QColor(255, 255, 255), QColor(0x50, 0x50, 0x50), "DejaVu Sans", 86, 1.0};
    }
}

// Rank and suit in the top-left corner; the same turned round in the bottom-right.
void DrawIndex(QPainter& p, int set, int rank, int suit, int w, int h, const QColor& colour, double rankPx,
               double suitPx) {
    Style st = StyleOf(set);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn) {
            p.translate(w, h);
            p.rotate(180);
        }
        double cx = std::max(6.0, w * 0.118);
        QFont f = Font(st.family, rankPx, QFont::Bold, rank == 10 ? st.stretch - 18 : st.stretch);
        if (rank == 10)
            f.setLetterSpacing(QFont::AbsoluteSpacing, -rankPx * 0.08);
        p.setFont(f);
        p.setPen(colour);
        QRectF box(cx - rankPx, h * 0.025, rankPx * 2, rankPx * 1.05);
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(RankText(rank)));
        if (suitPx > 0)
            DrawSuit(p, suit, cx, h * 0.025 + rankPx * 1.12 + suitPx / 2, suitPx, colour);
        p.restore();
    }
}

void Pips(QPainter& p, int rank, int suit, int w, int h, double pip, const QColor& colour) {
    double xl = w * 0.335, xm = w * 0.5, xr = w * 0.665;
    double yt = h * 0.205, yb = h * 0.795, span = yb - yt;
    auto at = [&](double x, double f) { DrawSuit(p, suit, x, yt + f * span, pip, colour, f > 0.5); };
    switch (rank) {
    case 2:
        at(xm, 0), at(xm, 1);
        break;
    case 3:
        at(xm, 0), at(xm, 0.5), at(xm, 1);
        break;
    case 4:
    case 5:
        at(xl, 0), at(xr, 0), at(xl, 1), at(xr, 1);
        if (rank == 5)
            at(xm, 0.5);
        break;
    case 6:
    case 7:
    case 8:
        for (double f : {0.0, 0.5, 1.0})
            at(xl, f), at(xr, f);
        if (rank >= 7)
            at(xm, 0.25);
        if (rank == 8)
            at(xm, 0.75);
        break;
    case 9:
    case 10:
        for (double f : {0.0, 1.0 / 3, 2.0 / 3, 1.0})
            at(xl, f), at(xr, f);
        if (rank == 9)
            at(xm, 0.5);
        else
            at(xm, 1.0 / 6), at(xm, 5.0 / 6);
        break;
    default:
        break;
    }
}

// Half of a court figure, drawn into the upper half of the frame (0..fw, 0..fh/2); the lower half
// is the same picture turned round, as on a double-headed card.
// `k` pixels of the picture to each pixel of the card (2 for the double-size cards).
QImage CourtHalf(int set, int rank, int suit, int fw, int fh, double k) {
    int hh = fh / 2 + 1;
    QImage half(int(fw * k), int(hh * k), QImage::Format_ARGB32_Premultiplied);
    half.fill(Qt::transparent);
    QPainter p(&half);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(fw * k / 100.0, hh * k / 70.0);
    QColor suitCol = SuitColour(set, suit);
    // Robe colours by suit, in the traditional red, blue, gold and black.
    static const QColor robes[4][3] = {
        {QColor(0xC8, 0x24, 0x2C), QColor(0x27, 0x4E, 0xA6), QColor(0xE8, 0xB8, 0x30)},
        {QColor(0x27, 0x4E, 0xA6), QColor(0xC8, 0x24, 0x2C), QColor(0xE8, 0xB8, 0x30)},
        {QColor(0x2A, 0x7A, 0x3C), QColor(0xC8, 0x24, 0x2C), QColor(0xE8, 0xB8, 0x30)},
        {QColor(0x22, 0x22, 0x55), QColor(0xE8, 0xB8, 0x30), QColor(0xC8, 0x24, 0x2C)}};
    QColor robe = robes[suit][0], trim = robes[suit][1], gold = robes[suit][2];
    if (set == 4) {
        robe = robe.darker(115);
        gold = QColor(0xC9, 0xA2, 0x4B);
    }
    QPen ink(QColor(0x20, 0x18, 0x10), 1.2);
    p.setPen(ink);
    // Shoulders and robe.
    QPainterPath body;
    body.moveTo(12, 70);
    body.cubicTo(14, 56, 26, 48, 38, 46);
    body.lineTo(62, 46);
    body.cubicTo(74, 48, 86, 56, 88, 70);
    body.closeSubpath();
    p.setBrush(robe);
    p.drawPath(body);
    // Collar and sash.
    p.setBrush(gold);
    QPainterPath collar;
    collar.moveTo(34, 47);
    collar.quadTo(50, 60, 66, 47);
    collar.lineTo(62, 45);
    collar.quadTo(50, 54, 38, 45);
    collar.closeSubpath();
    p.drawPath(collar);
    p.setBrush(trim);
    QPainterPath sash;
    sash.moveTo(26, 70);
    sash.lineTo(60, 50);
    sash.lineTo(68, 54);
    sash.lineTo(38, 70);
    sash.closeSubpath();
    p.drawPath(sash);
    // Pattern dots on the robe.
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(76 + (i % 2) * 6, 56 + i * 3.5), 1.6, 1.6);
    // Head.
    p.setPen(ink);
    p.setBrush(QColor(0xF4, 0xD3, 0xAE));
    p.drawEllipse(QRectF(35, 12, 30, 34));
    // Hair.
    QColor hair = rank == 12 ? QColor(0xD9, 0xA4, 0x41) : QColor(0x5A, 0x3A, 0x22);
    p.setBrush(hair);
    if (rank == 12) {
        QPainterPath locks;
        locks.moveTo(37, 22);
        locks.cubicTo(30, 34, 32, 44, 36, 48);
        locks.lineTo(40, 44);
        locks.cubicTo(38, 36, 39, 28, 42, 22);
        locks.closeSubpath();
        p.drawPath(locks);
        QTransform m;
        m.translate(100, 0);
        m.scale(-1, 1);
        p.drawPath(m.map(locks));
    } else if (rank == 13) {
        // The king's beard.
        QPainterPath beard;
        beard.moveTo(36, 31);
        beard.cubicTo(37, 48, 45, 53, 50, 54);
        beard.cubicTo(55, 53, 63, 48, 64, 31);
        beard.cubicTo(58, 41, 42, 41, 36, 31);
        p.drawPath(beard);
    }
    // Face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x18, 0x10));
    p.drawEllipse(QPointF(44.5, 27), 1.6, 1.9);
    p.drawEllipse(QPointF(55.5, 27), 1.6, 1.9);
    p.setPen(QPen(QColor(0xA0, 0x30, 0x30), 1.2));
    p.drawLine(QPointF(47, 37), QPointF(53, 37));
    p.setPen(ink);
    // Headwear.
    if (rank == 13) {
        p.setBrush(gold);
        QPainterPath crown;
        crown.moveTo(36, 19);
        crown.lineTo(34, 4);
        crown.lineTo(42, 11);
        crown.lineTo(50, 1);
        crown.lineTo(58, 11);
        crown.lineTo(66, 4);
        crown.lineTo(64, 19);
        crown.closeSubpath();
        p.drawPath(crown);
        p.setBrush(QColor(0xC8, 0x24, 0x2C));
        p.drawEllipse(QPointF(50, 14), 2.2, 2.2);
    } else if (rank == 12) {
        p.setBrush(gold);
        QPainterPath crown;
        crown.moveTo(38, 19);
        crown.cubicTo(38, 10, 42, 8, 44, 12);
        crown.cubicTo(46, 4, 54, 4, 56, 12);
        crown.cubicTo(58, 8, 62, 10, 62, 19);
        crown.closeSubpath();
        p.drawPath(crown);
        p.setBrush(QColor(0x27, 0x4E, 0xA6));
        p.drawEllipse(QPointF(50, 9), 2, 2);
        // A flower held up.
        p.setBrush(QColor(0x2A, 0x7A, 0x3C));
        p.drawRect(QRectF(80, 34, 1.6, 22));
        p.setBrush(QColor(0xE0, 0x40, 0x50));
        p.drawEllipse(QPointF(81, 32), 4.5, 4.5);
    } else {
        // The jack's cap with a feather.
        p.setBrush(trim);
        QPainterPath cap;
        cap.moveTo(35, 20);
        cap.cubicTo(36, 8, 64, 6, 66, 20);
        cap.closeSubpath();
        p.drawPath(cap);
        p.setBrush(gold);
        QPainterPath feather;
        feather.moveTo(60, 12);
        feather.cubicTo(72, 2, 82, 4, 88, 8);
        feather.cubicTo(80, 10, 72, 12, 62, 16);
        feather.closeSubpath();
        p.drawPath(feather);
        // A halberd beside him.
        p.setBrush(QColor(0x80, 0x60, 0x30));
        p.drawRect(QRectF(16, 20, 2, 50));
        p.setBrush(QColor(0xB8, 0xB8, 0xC0));
        QPainterPath blade;
        blade.moveTo(17, 10);
        blade.lineTo(24, 22);
        blade.lineTo(17, 26);
        blade.lineTo(10, 22);
        blade.closeSubpath();
        p.drawPath(blade);
    }
    // The suit sign the figure carries.
    p.setPen(Qt::NoPen);
    DrawSuit(p, suit, 20, 52, 14, suitCol);
    p.end();
    return half;
}

void DrawCourt(QPainter& p, int set, int rank, int suit, int w, int h) {
    QRectF frame(std::round(w * 0.2) + 0.5, std::round(h * 0.11) + 0.5, std::round(w * 0.6),
                 std::round(h * 0.78));
    QColor suitCol = SuitColour(set, suit);
    p.save();
    p.setClipRect(frame.adjusted(-0.5, -0.5, 0.5, 0.5));
    QColor back = set == 4 ? QColor(0xF6, 0xEC, 0xD2) : QColor(0xFF, 0xF6, 0xDC);
    p.fillRect(frame, back);
    int fw = int(frame.width()), fh = int(frame.height());
    // Drawn with the detail of the picture the painter fills.
    const double k = std::max(1.0, p.transform().m11());
    QImage half = CourtHalf(set, rank, suit, fw, fh, k);
    QImage turned = half.mirrored(true, true);
    half.setDevicePixelRatio(k);
    turned.setDevicePixelRatio(k);
    p.drawImage(QPointF(frame.left(), frame.top()), half);
    p.drawImage(QPointF(frame.left(), frame.bottom() - half.height() / k), turned);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(set == 4 ? QColor(0xB0, 0x8A, 0x3A) : suitCol, 1));
    p.drawRect(frame);
    if (set == 4) {
        p.setPen(QPen(QColor(0xB0, 0x8A, 0x3A), 0.6));
        p.drawRect(frame.adjusted(-2, -2, 2, 2));
    }
}

} // namespace

QImage DrawFace(int set, int rank, int suit, int w, int h, int scale) {
    Style st = StyleOf(set);
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(1, 1, img.width() - 2, img.height() - 2), st.paper);
    p.scale(scale, scale);
    QColor colour = SuitColour(set, suit);
    bool tiny = w < 40;
    if (tiny) {
        // Preview cards: a bold rank over one big suit sign, nothing else.
        p.setFont(Font("DejaVu Sans", h * 0.42, QFont::Bold, rank == 10 ? 70 : 90));
        p.setPen(colour);
        p.drawText(QRectF(0, 0, w, h * 0.5), Qt::AlignCenter, QString::fromLatin1(RankText(rank)));
        DrawSuit(p, suit, w / 2.0, h * 0.72, h * 0.38, colour);
    } else if (set == 3) {
        // The plain set, made to stay readable on small cards: large index, one large sign.
        DrawIndex(p, set, rank, suit, w, h, colour, h * 0.2, h * 0.13);
        if (rank >= 11) {
            QRectF frame(w * 0.26, h * 0.2, w * 0.48, h * 0.6);
            p.setPen(QPen(colour, 1.2));
            p.setBrush(QColor(0xFF, 0xF3, 0xD0));
            p.drawRoundedRect(frame, 3, 3);
            p.setFont(Font("DejaVu Serif", h * 0.3, QFont::Bold));
            p.drawText(frame.adjusted(0, -h * 0.08, 0, 0), Qt::AlignCenter,
                       QString::fromLatin1(RankText(rank)));
            DrawSuit(p, suit, w * 0.5, frame.bottom() - h * 0.12, h * 0.16, colour);
        } else {
            DrawSuit(p, suit, w * 0.56, h * 0.56, h * (rank == 1 ? 0.44 : 0.36), colour);
            if (rank > 1) {
                p.setFont(Font("DejaVu Sans", h * 0.11, QFont::Bold));
                p.setPen(Qt::white);
                p.drawText(QRectF(w * 0.56 - h * 0.18, h * 0.48, h * 0.36, h * 0.14), Qt::AlignCenter,
                           QString::number(rank));
            }
        }
    } else {
        if (set == 4) {
            // The elegant set: a fine gold frame inside the edge.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0xC9, 0xA2, 0x4B), w >= 80 ? 1.0 : 0.8));
            double m = w >= 80 ? 3.0 : 2.0;
            p.drawRoundedRect(QRectF(m, m, w - 2 * m, h - 2 * m), 2.5, 2.5);
            p.setPen(Qt::NoPen);
        }
        double rankPx = h * 0.15 * st.indexScale;
        DrawIndex(p, set, rank, suit, w, h, colour, rankPx, h * 0.1);
        if (rank == 1) {
            double size = h * (suit == Spades && set != 2 ? 0.44 : 0.36);
            if (suit == Spades && set != 2) {
                // The ace of spades carries the deck's ornament.
                p.setPen(QPen(set == 4 ? QColor(0xB0, 0x8A, 0x3A) : colour, 1));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(w / 2.0, h / 2.0), size * 0.62, size * 0.62);
            }
            DrawSuit(p, suit, w / 2.0, h / 2.0, size, colour);
            if (suit == Spades && set != 2)
                DrawSuit(p, Spades, w / 2.0, h / 2.0 + size * 0.05, size * 0.18, QColor(255, 255, 255));
        } else if (rank <= 10) {
            Pips(p, rank, suit, w, h, h * (rank >= 9 ? 0.13 : 0.14), colour);
        } else {
            DrawCourt(p, set, rank, suit, w, h);
        }
    }
    p.end();
    CardOutline(img, st.edge, scale);
    return img;
}

QImage DrawJoker(int w, int h, int scale) {
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    QColor red(0xC8, 0x10, 0x2E), green(0x1A, 0x86, 0x38), gold(0xE8, 0xB8, 0x30), ink(0x20, 0x18, 0x10);
    if (w >= 40) {
        // The word down both corners.
        QFont f = Font("DejaVu Sans", h * 0.085, QFont::Bold, 80);
        p.setFont(f);
        p.setPen(red);
        const char* word = "JOKER";
        for (int turn = 0; turn < 2; ++turn) {
            p.save();
            if (turn) {
                p.translate(w, h);
                p.rotate(180);
            }
            for (int i = 0; i < 5; ++i)
                p.drawText(QRectF(1, h * 0.03 + i * h * 0.085, w * 0.2, h * 0.09), Qt::AlignCenter,
                           QString(QChar(word[i])));
            p.restore();
        }
    }
    // The jester: a three-pointed cap with bells over a smiling face and a ruffled collar.
    p.save();
    double s = std::min(w * 0.62, h * 0.62) / 100.0;
    p.translate(w / 2.0 - 50 * s, h / 2.0 - 50 * s);
    p.scale(s, s);
    p.setPen(QPen(ink, 1.6));
    QPainterPath left, mid, right;
    left.moveTo(30, 42);
    left.cubicTo(20, 30, 8, 26, 2, 34);
    left.cubicTo(14, 30, 24, 38, 36, 44);
    left.closeSubpath();
    mid.moveTo(36, 40);
    mid.cubicTo(40, 20, 46, 8, 50, 0);
    mid.cubicTo(54, 8, 60, 20, 64, 40);
    mid.closeSubpath();
    right.moveTo(70, 42);
    right.cubicTo(80, 30, 92, 26, 98, 34);
    right.cubicTo(86, 30, 76, 38, 64, 44);
    right.closeSubpath();
    p.setBrush(red);
    p.drawPath(left);
    p.setBrush(green);
    p.drawPath(mid);
    p.setBrush(QColor(0x27, 0x4E, 0xA6));
    p.drawPath(right);
    p.setBrush(gold);
    for (QPointF b : {QPointF(2, 35), QPointF(50, 1), QPointF(98, 35)})
        p.drawEllipse(b, 4.5, 4.5);
    p.setBrush(QColor(0xF4, 0xD3, 0xAE));
    p.drawEllipse(QRectF(34, 38, 32, 36));
    p.setBrush(ink);
    p.drawEllipse(QPointF(44, 52), 2, 2.4);
    p.drawEllipse(QPointF(56, 52), 2, 2.4);
    p.setBrush(QColor(0xE0, 0x50, 0x50));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(38, 62), 3.5, 2.5);
    p.drawEllipse(QPointF(62, 62), 3.5, 2.5);
    p.setPen(QPen(ink, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(42, 56, 16, 10), 200 * 16, 140 * 16);
    p.setPen(QPen(ink, 1.2));
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i % 2 ? red : gold);
        p.drawEllipse(QPointF(27 + i * 9.2, 80 + (i % 2) * 2), 6, 6);
    }
    p.restore();
    if (w >= 40) {
        p.setPen(Qt::NoPen);
        for (QPointF st : {QPointF(w * 0.8, h * 0.2), QPointF(w * 0.22, h * 0.82)}) {
            QPainterPath star;
            double r = h * 0.05;
            for (int i = 0; i < 8; ++i) {
                double a = i * M_PI / 4, rr = i % 2 ? r * 0.35 : r;
                QPointF pt(st.x() + rr * std::sin(a), st.y() - rr * std::cos(a));
                i ? star.lineTo(pt) : star.moveTo(pt);
            }
            star.closeSubpath();
            p.setBrush(gold);
            p.drawPath(star);
        }
    }
    p.end();
    CardOutline(img, QColor(0x50, 0x50, 0x50), scale);
    return img;
}

QImage DrawSuitStrip(int set, int suit, int cw, int ch, int scale) {
    QImage strip(5 * cw * scale, 3 * ch * scale, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter p(&strip);
    for (int r = 1; r <= 13; ++r)
        p.drawImage(((r - 1) % 5) * cw * scale, ((r - 1) / 5) * ch * scale,
                    DrawFace(set, r, suit, cw, ch, scale));
    p.end();
    return strip;
}

// ---- Card backs ---------------------------------------------------------------------------

namespace {

void Weave(QPainter& p, double W, double H, const QColor& a, const QColor& b, const QColor& ground,
           double band, bool diagonal) {
    p.fillRect(QRectF(0, 0, W, H), ground);
    if (diagonal) {
        p.translate(W / 2, H / 2);
        p.rotate(45);
        p.translate(-H, -H);
        W = H = 2 * H;
    }
    int nx = int(W / band) + 2, ny = int(H / band) + 2;
    double gap = band * 0.16;
    auto strand = [&](QRectF r, const QColor& c, bool vertical) {
        QLinearGradient g(vertical ? r.topLeft() : r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
        g.setColorAt(0, c.darker(135));
        g.setColorAt(0.45, c.lighter(118));
        g.setColorAt(1, c.darker(150));
        p.fillRect(r, g);
    };
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            QRectF cell(i * band, j * band, band, band);
            bool over = (i + j) % 2 == 0;
            QRectF hr = cell.adjusted(0, gap, 0, -gap), vr = cell.adjusted(gap, 0, -gap, 0);
            if (over) {
                strand(hr, a, false);
                strand(vr, b, true);
            } else {
                strand(vr, b, true);
                strand(hr, a, false);
            }
        }
}

void Mountains(QPainter& p, double W, double H, double base, bool mirror) {
    QPainterPath m;
    m.moveTo(0, base);
    const double peaks[][2] = {{0.0, 0.62}, {0.18, 0.42}, {0.32, 0.55}, {0.5, 0.30},
                               {0.66, 0.5}, {0.8, 0.38},  {1.0, 0.58}};
    for (auto& pk : peaks) {
        double y = base - (base - pk[1] * H) * 1.0;
        m.lineTo(pk[0] * W, mirror ? 2 * base - y : y);
    }
    m.lineTo(W, base);
    m.closeSubpath();
    p.drawPath(m);
}

void BackDesign(QPainter& p, int number, double W, double H) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case 1: { // Leonardo da Vinci: a study of proportions in sepia on parchment
        QRadialGradient g(W / 2, H / 2, H * 0.75);
        g.setColorAt(0, QColor(0xF0, 0xE0, 0xB8));
        g.setColorAt(1, QColor(0xC8, 0xA8, 0x70));
        p.fillRect(QRectF(0, 0, W, H), g);
        QPen sepia(QColor(0x6B, 0x44, 0x23), std::max(0.7, W / 70));
        p.setPen(sepia);
        p.setBrush(Qt::NoBrush);
        double r = W * 0.4, cx = W / 2, cy = H * 0.5;
        p.drawEllipse(QPointF(cx, cy), r, r);
        p.drawRect(QRectF(cx - r * 0.86, cy - r * 0.72, r * 1.72, r * 1.72));
        // The figure: head, body, two pairs of arms and legs.
        p.drawEllipse(QPointF(cx, cy - r * 0.55), r * 0.12, r * 0.14);
        p.drawLine(QPointF(cx, cy - r * 0.4), QPointF(cx, cy + r * 0.2));
        p.drawLine(QPointF(cx - r * 0.86, cy - r * 0.3), QPointF(cx + r * 0.86, cy - r * 0.3));
        p.drawLine(QPointF(cx, cy - r * 0.3), QPointF(cx - r * 0.8, cy - r * 0.62));
        p.drawLine(QPointF(cx, cy - r * 0.3), QPointF(cx + r * 0.8, cy - r * 0.62));
        p.drawLine(QPointF(cx, cy + r * 0.2), QPointF(cx - r * 0.25, cy + r));
        p.drawLine(QPointF(cx, cy + r * 0.2), QPointF(cx + r * 0.25, cy + r));
        p.drawLine(QPointF(cx, cy + r * 0.2), QPointF(cx - r * 0.6, cy + r * 0.8));
        p.drawLine(QPointF(cx, cy + r * 0.2), QPointF(cx + r * 0.6, cy + r * 0.8));
        // Lines of mirror writing above and below.
        QPen thin(QColor(0x6B, 0x44, 0x23, 150), std::max(0.5, W / 140));
        p.setPen(thin);
        for (int i = 0; i < 3; ++i) {
            double y1 = H * 0.06 + i * H * 0.035, y2 = H * 0.86 + i * H * 0.035;
            p.drawLine(QPointF(W * 0.12, y1), QPointF(W * (0.88 - 0.1 * (i % 2)), y1));
            p.drawLine(QPointF(W * 0.12, y2), QPointF(W * (0.8 + 0.08 * (i % 2)), y2));
        }
        break;
    }
    case 3: { // Snowman on a winter night
        QLinearGradient g(0, 0, 0, H);
        g.setColorAt(0, QColor(0x10, 0x24, 0x5C));
        g.setColorAt(1, QColor(0x4A, 0x7C, 0xC8));
        p.fillRect(QRectF(0, 0, W, H), g);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        unsigned seed = 7;
        for (int i = 0; i < 40; ++i) {
            seed = seed * 1103515245u + 12345u;
            double x = (seed >> 8) % 1000 / 1000.0 * W;
            seed = seed * 1103515245u + 12345u;
            double y = (seed >> 8) % 1000 / 1000.0 * H * 0.8;
            p.drawEllipse(QPointF(x, y), W / 90 + (i % 3) * W / 200, W / 90 + (i % 3) * W / 200);
        }
        p.setBrush(QColor(0xF4, 0xF8, 0xFF));
        QPainterPath ground;
        ground.moveTo(0, H * 0.82);
        ground.quadTo(W * 0.5, H * 0.74, W, H * 0.84);
        ground.lineTo(W, H);
        ground.lineTo(0, H);
        p.drawPath(ground);
        double cx = W * 0.5;
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(0xA0, 0xB8, 0xD8), W / 80));
        p.drawEllipse(QPointF(cx, H * 0.7), W * 0.24, W * 0.22);
        p.drawEllipse(QPointF(cx, H * 0.5), W * 0.18, W * 0.17);
        p.drawEllipse(QPointF(cx, H * 0.34), W * 0.13, W * 0.125);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawRect(QRectF(cx - W * 0.15, H * 0.255, W * 0.3, W * 0.035));
        p.drawRect(QRectF(cx - W * 0.1, H * 0.14, W * 0.2, H * 0.12));
        p.drawEllipse(QPointF(cx - W * 0.045, H * 0.32), W * 0.018, W * 0.018);
        p.drawEllipse(QPointF(cx + W * 0.045, H * 0.32), W * 0.018, W * 0.018);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(cx, H * (0.46 + i * 0.045)), W * 0.016, W * 0.016);
        p.setBrush(QColor(0xF0, 0x80, 0x20));
        QPainterPath nose;
        nose.moveTo(cx, H * 0.34);
        nose.lineTo(cx + W * 0.13, H * 0.355);
        nose.lineTo(cx, H * 0.365);
        nose.closeSubpath();
        p.drawPath(nose);
        p.setBrush(QColor(0xC8, 0x20, 0x30));
        p.drawRect(QRectF(cx - W * 0.13, H * 0.395, W * 0.26, H * 0.03));
        break;
    }
    case 6:
        Weave(p, W, H, QColor(0x2E, 0x8B, 0x57), QColor(0xD4, 0xAF, 0x37), QColor(0x10, 0x30, 0x20), W / 6.5,
              true);
        break;
    case 7: { // Classic blue lattice with a centre medallion
        p.fillRect(QRectF(0, 0, W, H), QColor(0x1B, 0x3F, 0x8F));
        QPen line(QColor(0xC8, 0xD8, 0xFF, 170), std::max(0.6, W / 100));
        p.setPen(line);
        double step = W / 7;
        for (double d = -H; d < W + H; d += step) {
            p.drawLine(QPointF(d, 0), QPointF(d + H, H));
            p.drawLine(QPointF(d, H), QPointF(d + H, 0));
        }
        p.setPen(QPen(Qt::white, std::max(1.0, W / 60)));
        p.setBrush(QColor(0x1B, 0x3F, 0x8F));
        p.drawEllipse(QPointF(W / 2, H / 2), W * 0.26, H * 0.2);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        DrawSuit(p, Spades, W / 2, H / 2, H * 0.2, QColor(255, 255, 255));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 200), std::max(0.8, W / 90)));
        p.drawRect(QRectF(W * 0.06, H * 0.045, W * 0.88, H * 0.91));
        break;
    }
    case 11:
        Weave(p, W, H, QColor(0xB8, 0x24, 0x24), QColor(0xB8, 0x24, 0x24).darker(115),
              QColor(0x40, 0x0A, 0x0A), W / 5.5, false);
        break;
    case 14: { // Roses on dark green
        p.fillRect(QRectF(0, 0, W, H), QColor(0x14, 0x3A, 0x22));
        double step = W / 2.6;
        int row = 0;
        for (double y = step * 0.45; y < H + step; y += step * 0.8, ++row)
            for (double x = (row % 2 ? step * 0.5 : 0) + step * 0.05; x < W + step; x += step) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x3C, 0x8C, 0x44));
                p.drawEllipse(QPointF(x - step * 0.28, y + step * 0.12), step * 0.16, step * 0.08);
                p.drawEllipse(QPointF(x + step * 0.28, y + step * 0.14), step * 0.16, step * 0.08);
                QRadialGradient rg(x - step * 0.06, y - step * 0.06, step * 0.3);
                rg.setColorAt(0, QColor(0xF0, 0x50, 0x60));
                rg.setColorAt(1, QColor(0x90, 0x08, 0x18));
                p.setBrush(rg);
                p.drawEllipse(QPointF(x, y), step * 0.25, step * 0.23);
                p.setPen(QPen(QColor(0x60, 0x00, 0x10), std::max(0.6, W / 110)));
                p.setBrush(Qt::NoBrush);
                for (int k = 0; k < 3; ++k) {
                    double r = step * (0.06 + k * 0.06);
                    p.drawArc(QRectF(x - r, y - r, 2 * r, 2 * r), (k * 110) * 16, 220 * 16);
                }
            }
        break;
    }
    case 19: { // Tropical fish
        QLinearGradient g(0, 0, 0, H);
        g.setColorAt(0, QColor(0x30, 0xB0, 0xD0));
        g.setColorAt(1, QColor(0x0A, 0x30, 0x70));
        p.fillRect(QRectF(0, 0, W, H), g);
        p.setPen(QPen(QColor(0x20, 0x90, 0x40), W / 30, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            QPainterPath weed;
            double x = W * (0.1 + i * 0.27);
            weed.moveTo(x, H);
            weed.cubicTo(x - W * 0.08, H * 0.85, x + W * 0.08, H * 0.78, x, H * (0.66 + (i % 2) * 0.06));
            p.drawPath(weed);
        }
        auto fish = [&](double x, double y, double s, QColor body, QColor stripe, bool left) {
            p.save();
            p.translate(x, y);
            if (left)
                p.scale(-1, 1);
            p.scale(s, s);
            p.setPen(QPen(QColor(0, 0, 0, 120), 0.05));
            p.setBrush(body);
            QPainterPath tail;
            tail.moveTo(-0.8, 0);
            tail.lineTo(-1.3, -0.4);
            tail.lineTo(-1.3, 0.4);
            tail.closeSubpath();
            p.drawPath(tail);
            p.drawEllipse(QPointF(0, 0), 0.95, 0.55);
            p.setBrush(stripe);
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(-0.25, -0.5, 0.18, 1.0));
            p.drawRect(QRectF(0.25, -0.45, 0.14, 0.9));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(0.6, -0.12), 0.13, 0.13);
            p.setBrush(Qt::black);
            p.drawEllipse(QPointF(0.63, -0.12), 0.07, 0.07);
            p.restore();
        };
        fish(W * 0.35, H * 0.22, W * 0.14, QColor(0xFF, 0x8C, 0x1A), Qt::white, false);
        fish(W * 0.66, H * 0.45, W * 0.16, QColor(0xFF, 0xD8, 0x20), QColor(0x20, 0x20, 0x60), true);
        fish(W * 0.32, H * 0.66, W * 0.12, QColor(0x9A, 0x4C, 0xD8), QColor(0xFF, 0xE0, 0x40), false);
        p.setPen(QPen(QColor(255, 255, 255, 180), std::max(0.5, W / 120)));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(W * (0.82 - i * 0.02), H * (0.18 - i * 0.03) + H * 0.1),
                          W * 0.015 * (1 + i % 2), W * 0.015 * (1 + i % 2));
        break;
    }
    case 20: { // Lake with mountains and their reflection
        QLinearGradient sky(0, 0, 0, H * 0.55);
        sky.setColorAt(0, QColor(0x5A, 0x9A, 0xE0));
        sky.setColorAt(1, QColor(0xF8, 0xD8, 0xA8));
        p.fillRect(QRectF(0, 0, W, H * 0.56), sky);
        QLinearGradient water(0, H * 0.55, 0, H);
        water.setColorAt(0, QColor(0x5A, 0x8C, 0xB8));
        water.setColorAt(1, QColor(0x1C, 0x40, 0x70));
        p.fillRect(QRectF(0, H * 0.55, W, H * 0.45), water);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4A, 0x58, 0x78));
        Mountains(p, W, H, H * 0.56, false);
        p.setBrush(QColor(0x4A, 0x58, 0x78, 90));
        Mountains(p, W, H, H * 0.56, true);
        p.setBrush(QColor(0xFF, 0xF4, 0xD0));
        p.drawEllipse(QPointF(W * 0.74, H * 0.16), W * 0.08, W * 0.08);
        p.setBrush(QColor(0x1E, 0x4A, 0x2A));
        for (int i = 0; i < 4; ++i) {
            double x = W * (0.06 + i * 0.07), base = H * 0.57, th = H * (0.12 + (i % 2) * 0.04);
            QPainterPath tree;
            tree.moveTo(x, base - th);
            tree.lineTo(x + W * 0.045, base);
            tree.lineTo(x - W * 0.045, base);
            tree.closeSubpath();
            p.drawPath(tree);
        }
        p.setPen(QPen(QColor(255, 255, 255, 110), std::max(0.5, W / 120)));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(W * (0.2 + (i % 3) * 0.2), H * (0.66 + i * 0.05)),
                       QPointF(W * (0.32 + (i % 3) * 0.2), H * (0.66 + i * 0.05)));
        break;
    }
    default:
        p.fillRect(QRectF(0, 0, W, H), QColor(0x80, 0x20, 0x20));
        break;
    }
}

} // namespace

QImage DrawBack(int number, int w, int h, int scale) {
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    int m = w < 40 ? 2 : std::max(3, int(std::lround(w * 0.055)));
    QRectF inner(m, m, w - 2 * m, h - 2 * m);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(inner, w < 40 ? 1 : 2.5, w < 40 ? 1 : 2.5);
    p.setClipPath(clip);
    p.translate(inner.topLeft());
    BackDesign(p, number, inner.width(), inner.height());
    p.end();
    CardOutline(img, QColor(0x50, 0x50, 0x50), scale);
    return img;
}

// ---- Empty-pile marks --------------------------------------------------------------------

QImage DrawMark(const std::string& suffix, int w, int h, int scale) {
    QImage img(w * scale, h * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QColor line(255, 255, 255, 185), fill(0, 0, 0, 42), ink(255, 255, 255, 200);
    double r = w < 40 ? 2 : 4;
    p.setPen(QPen(line, w < 40 ? 1.0 : 1.4));
    p.setBrush(fill);
    bool dashed = suffix == "021";
    if (dashed)
        p.setPen(QPen(line, 1.4, Qt::DashLine));
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto text = [&](const QString& t, double size) {
        p.setFont(Font("DejaVu Serif", size, QFont::Bold, t.size() > 2 ? 80 : 100));
        p.setPen(ink);
        p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, t);
        p.setPen(Qt::NoPen);
    };
    double cx = w / 2.0, cy = h / 2.0;
    static const std::pair<const char*, const char*> ranks[] = {
        {"010", "A"}, {"012", "2"}, {"013", "3"},  {"014", "4"}, {"015", "5"}, {"016", "6"}, {"017", "7"},
        {"018", "8"}, {"019", "9"}, {"020", "10"}, {"006", "J"}, {"003", "Q"}, {"011", "K"}};
    for (auto& [sfx, label] : ranks)
        if (suffix == sfx) {
            text(label, h * (std::string(label).size() > 1 ? 0.34 : 0.42));
            p.end();
            return img;
        }
    if (suffix == "009") {
        text("JQK", h * 0.2);
    } else if (suffix == "004") {
        // A foundation: the four suit signs in a diamond.
        double s = h * 0.17;
        DrawSuit(p, Spades, cx, cy - s * 1.05, s, ink);
        DrawSuit(p, Hearts, cx - s * 1.05, cy, s, ink);
        DrawSuit(p, Diamonds, cx + s * 1.05, cy, s, ink);
        DrawSuit(p, Clubs, cx, cy + s * 1.05, s, ink);
    } else if (suffix == "022" || suffix == "005") {
        // Stock that can be turned again: a circular arrow (down: an arrow pointing down).
        QPen pen(ink, std::max(1.5, w * 0.07), Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        double rr = w * 0.24;
        if (suffix == "022") {
            p.drawArc(QRectF(cx - rr, cy - rr, 2 * rr, 2 * rr), 60 * 16, 300 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            QPointF tip(cx + rr * std::cos(M_PI / 3), cy - rr * std::sin(M_PI / 3));
            QPainterPath head;
            head.moveTo(tip + QPointF(w * 0.12, -w * 0.02));
            head.lineTo(tip + QPointF(-w * 0.04, -w * 0.11));
            head.lineTo(tip + QPointF(-w * 0.02, w * 0.09));
            head.closeSubpath();
            p.drawPath(head);
        } else {
            p.drawLine(QPointF(cx, cy - rr), QPointF(cx, cy + rr * 0.6));
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            QPainterPath head;
            head.moveTo(cx, cy + rr * 1.1);
            head.lineTo(cx - rr * 0.6, cy + rr * 0.3);
            head.lineTo(cx + rr * 0.6, cy + rr * 0.3);
            head.closeSubpath();
            p.drawPath(head);
        }
    } else if (suffix == "008") {
        // No more passes: a ring crossed out.
        QPen pen(QColor(255, 120, 120, 220), std::max(1.5, w * 0.07), Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        double rr = w * 0.24;
        p.drawEllipse(QPointF(cx, cy), rr, rr);
        p.drawLine(QPointF(cx - rr * 0.7, cy + rr * 0.7), QPointF(cx + rr * 0.7, cy - rr * 0.7));
    } else if (suffix == "021") {
        QPainterPath star;
        double ro = w * 0.22;
        for (int i = 0; i < 10; ++i) {
            double a = i * M_PI / 5, rr = i % 2 ? ro * 0.42 : ro;
            QPointF pt(cx + rr * std::sin(a), cy - rr * std::cos(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.drawPath(star);
    } else if (suffix == "_WASTE") {
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(255, 255, 255, 40));
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(QRectF(w * (0.2 + i * 0.1), h * (0.22 + i * 0.06), w * 0.4, h * 0.42), 2, 2);
    } else if (suffix == "_TABLEAU") {
        p.setPen(QPen(QColor(255, 255, 255, 80), 1));
        for (double d = -h; d < w; d += std::max(4.0, w / 8.0))
            p.drawLine(QPointF(d, h - 3), QPointF(d + h - 6, 3));
        p.setPen(QPen(line, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), r, r);
    }
    // "001": the plain outline.
    p.end();
    return img;
}

// ---- Shadows and 3D borders ----------------------------------------------------------------

// Piece 1 lies along the right edge of a card (9 px wide), piece 2 along its bottom edge (9 px
// high). White is transparent, so the soft fall-off is an ordered dither of dark pixels.
QImage DrawShadowPiece(int piece, int cw, int ch, int scale) {
    const int S = 9 * scale;
    int w = piece == 1 ? S : (cw + 1) * scale, h = piece == 1 ? (ch + 2) * scale : S;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Distance from the card edge along the shadow's depth, and from its ends.
            double depth = piece == 1 ? x : y;
            double along = piece == 1 ? y : x;
            double length = piece == 1 ? h : w;
            double density = 0.75 * (1.0 - depth / S);
            double endFade = std::min(1.0, std::min(along + 1, length - along) / (6.0 * scale));
            density *= endFade;
            if (density * 16 > bayer[y % 4][x % 4])
                img.setPixel(x, y, qRgb(0x30, 0x30, 0x30));
        }
    return img;
}

// The sides of the cards under a squared pile. Row 15 of piece 2 is the edge next to the table,
// row 15 - d the edge of the card d places up; piece 1 likewise by columns. Pure blue is
// transparent.
QImage DrawBorderPiece(int piece, int cw, int ch, int scale) {
    // The sides are flat lines of colour: twice the size is each line twice as thick, with the
    // transparent blue kept pure.
    if (scale > 1) {
        QImage one = DrawBorderPiece(piece, cw, ch, 1);
        return one.scaled(one.width() * scale, one.height() * scale, Qt::IgnoreAspectRatio,
                          Qt::FastTransformation);
    }
    QImage img(piece == 1 ? 16 : cw + 13, piece == 1 ? ch + 13 : 16, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 255));
    for (int k = 0; k < 16; ++k) {
        int level = 15 - k; // how many card places above the table this line lies
        QRgb edge = level % 2 ? qRgb(0xE8, 0xE8, 0xE8) : qRgb(0xC0, 0xC0, 0xC0);
        QRgb dark = qRgb(0x70, 0x70, 0x70);
        if (piece == 2) {
            int x0 = 13 - level + 1, x1 = std::min(img.width() - 1, x0 + cw - 3);
            for (int x = std::max(0, x0); x <= x1; ++x)
                img.setPixel(x, k, x == x1 ? dark : edge);
        } else {
            int y0 = 13 - level + 1, y1 = std::min(img.height() - 1, y0 + ch - 3);
            for (int y = std::max(0, y0); y <= y1; ++y)
                img.setPixel(k, y, y == y1 ? dark : edge);
        }
    }
    return img;
}

} // namespace mkres
