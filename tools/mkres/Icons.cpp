// Interface pictures: toolbar and menu icons, game-tree and game-fact icons, status-bar and suit
// signs, dialog buttons, pointer shapes, the splash title, the logo and the preview pieces.
#include "Art.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace mkres {

namespace {

QImage Canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

void Grey(QImage& img, double fade) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QRgb c = img.pixel(x, y);
            int g = qGray(c);
            g = int(g + (255 - g) * fade);
            img.setPixel(x, y, qRgba(g, g, g, qAlpha(c)));
        }
}

// Glyphs are drawn on a 24-unit grid and scaled to the icon size.
void Glyph(QPainter& p, const std::string& name, bool flat) {
    QColor ink(0x30, 0x30, 0x40);
    QPen outline(ink, flat ? 1.0 : 1.3);
    outline.setJoinStyle(Qt::RoundJoin);
    auto fill = [&](QColor a, QColor b, QRectF r) -> QBrush {
        if (flat)
            return QBrush(a);
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, a.lighter(135));
        g.setColorAt(1, b);
        return QBrush(g);
    };
    p.setPen(outline);
    auto arrow = [&](bool right, QColor c) {
        QPainterPath a;
        if (right) {
            a.moveTo(4, 16);
            a.cubicTo(4, 8, 12, 5, 17, 9);
            a.lineTo(19, 6);
            a.lineTo(21, 14);
            a.lineTo(13, 14);
            a.lineTo(15, 11);
            a.cubicTo(11, 8, 7, 11, 7, 16);
            a.closeSubpath();
        } else {
            a.moveTo(20, 16);
            a.cubicTo(20, 8, 12, 5, 7, 9);
            a.lineTo(5, 6);
            a.lineTo(3, 14);
            a.lineTo(11, 14);
            a.lineTo(9, 11);
            a.cubicTo(13, 8, 17, 11, 17, 16);
            a.closeSubpath();
        }
        p.setBrush(fill(c, c.darker(140), a.boundingRect()));
        p.drawPath(a);
    };
    if (name == "NEW") {
        QRectF r(5, 3, 13, 18);
        p.setBrush(fill(QColor(255, 255, 255), QColor(0xD8, 0xE0, 0xF0), r));
        p.drawRoundedRect(r, 2, 2);
        DrawSuit(p, Hearts, 11.5, 12, 8, QColor(0xD0, 0x20, 0x30));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0xC0, 0x20));
        QPainterPath star;
        for (int i = 0; i < 8; ++i) {
            double a = i * M_PI / 4, rr = i % 2 ? 1.6 : 4.5;
            QPointF pt(19 + rr * std::sin(a), 5 + rr * std::cos(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        p.drawPath(star);
    } else if (name == "OPEN" || name == "SELECT") {
        QRectF r(2, 6, 20, 14);
        p.setBrush(fill(QColor(0xF8, 0xD0, 0x60), QColor(0xC8, 0x90, 0x20), r));
        QPainterPath f;
        f.moveTo(2, 20);
        f.lineTo(2, 5);
        f.lineTo(9, 5);
        f.lineTo(11, 7);
        f.lineTo(20, 7);
        f.lineTo(20, 20);
        f.closeSubpath();
        p.drawPath(f);
        QPainterPath front;
        front.moveTo(2, 20);
        front.lineTo(6, 11);
        front.lineTo(23, 11);
        front.lineTo(20, 20);
        front.closeSubpath();
        p.setBrush(fill(QColor(0xFF, 0xE0, 0x80), QColor(0xE0, 0xA8, 0x30), r));
        p.drawPath(front);
    } else if (name == "RESTART") {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x20, 0x80, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(4, 4, 16, 16), 100 * 16, 290 * 16);
        p.setPen(outline);
        p.setBrush(QColor(0x20, 0x80, 0x30));
        QPainterPath h;
        h.moveTo(8, 1);
        h.lineTo(14, 5);
        h.lineTo(8, 9);
        h.closeSubpath();
        p.drawPath(h);
    } else if (name == "UNDO") {
        arrow(false, QColor(0x30, 0x70, 0xD0));
    } else if (name == "REDO") {
        arrow(true, QColor(0x30, 0x70, 0xD0));
    } else if (name == "AUTOPLAY") {
        QPainterPath bolt;
        bolt.moveTo(14, 2);
        bolt.lineTo(5, 13);
        bolt.lineTo(11, 13);
        bolt.lineTo(9, 22);
        bolt.lineTo(19, 10);
        bolt.lineTo(13, 10);
        bolt.closeSubpath();
        p.setBrush(fill(QColor(0xFF, 0xD8, 0x30), QColor(0xE0, 0x80, 0x10), bolt.boundingRect()));
        p.drawPath(bolt);
    } else if (name == "STAT") {
        const double hs[4] = {8, 13, 6, 17};
        const QColor cs[4] = {QColor(0x30, 0x70, 0xD0), QColor(0xD0, 0x40, 0x30), QColor(0x30, 0xA0, 0x40),
                              QColor(0xE0, 0xA0, 0x20)};
        for (int i = 0; i < 4; ++i) {
            QRectF r(3 + i * 5, 21 - hs[i], 4, hs[i]);
            p.setBrush(fill(cs[i], cs[i].darker(140), r));
            p.drawRect(r);
        }
        p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
    } else if (name == "RULES" || name == "RULESWIZARD") {
        QRectF r(4, 3, 16, 18);
        p.setBrush(fill(QColor(0x40, 0x80, 0xE0), QColor(0x20, 0x40, 0x90), r));
        p.drawRoundedRect(r, 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 4, 11, 15));
        p.setFont(Font("DejaVu Sans", 12, QFont::Bold));
        p.setPen(QColor(0x20, 0x40, 0x90));
        p.drawText(QRectF(7, 4, 11, 15), Qt::AlignCenter, name == "RULES" ? "?" : "!");
    } else if (name == "EXIT") {
        QRectF door(4, 3, 11, 18);
        p.setBrush(fill(QColor(0xA0, 0x60, 0x30), QColor(0x60, 0x30, 0x10), door));
        p.drawRect(door);
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.drawEllipse(QPointF(12.5, 12), 1, 1);
        p.setBrush(QColor(0xD0, 0x30, 0x30));
        QPainterPath a;
        a.moveTo(13, 10.5);
        a.lineTo(18, 10.5);
        a.lineTo(18, 7);
        a.lineTo(23, 12);
        a.lineTo(18, 17);
        a.lineTo(18, 13.5);
        a.lineTo(13, 13.5);
        a.closeSubpath();
        p.drawPath(a);
    } else if (name == "RESTORE_AFTER_F11") {
        p.setBrush(fill(QColor(0xE0, 0xE8, 0xF8), QColor(0xA0, 0xB0, 0xD0), QRectF(2, 2, 20, 20)));
        p.drawRect(QRectF(8, 3, 13, 11));
        p.drawRect(QRectF(3, 9, 13, 11));
        p.setBrush(QColor(0x30, 0x60, 0xC0));
        p.drawRect(QRectF(3, 9, 13, 3));
    } else if (name == "SAVE") {
        QRectF r(3, 3, 18, 18);
        p.setBrush(fill(QColor(0x40, 0x60, 0xB0), QColor(0x20, 0x30, 0x70), r));
        p.drawRoundedRect(r, 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 4, 12, 7));
        p.setBrush(QColor(0xB0, 0xB0, 0xB8));
        p.drawRect(QRectF(7, 14, 10, 6));
    } else if (name == "PLAYERS") {
        for (int i = 0; i < 2; ++i) {
            QColor c = i ? QColor(0x30, 0x70, 0xD0) : QColor(0x30, 0xA0, 0x50);
            double x = 8 + i * 8;
            p.setBrush(fill(QColor(0xF4, 0xD3, 0xAE), QColor(0xD0, 0xA0, 0x70), QRectF(x - 3, 4, 7, 7)));
            p.drawEllipse(QPointF(x, 7.5 + i), 3.5, 3.5);
            p.setBrush(fill(c, c.darker(140), QRectF(x - 6, 12, 12, 10)));
            p.drawRoundedRect(QRectF(x - 6, 12 + i, 12, 9), 4, 4);
        }
    } else if (name == "BOOKMARK") {
        QPainterPath b;
        b.moveTo(6, 2);
        b.lineTo(18, 2);
        b.lineTo(18, 22);
        b.lineTo(12, 16);
        b.lineTo(6, 22);
        b.closeSubpath();
        p.setBrush(fill(QColor(0xE0, 0x30, 0x40), QColor(0x90, 0x10, 0x20), b.boundingRect()));
        p.drawPath(b);
    } else if (name == "PAUSE") {
        p.setBrush(fill(QColor(0x40, 0x80, 0xE0), QColor(0x20, 0x40, 0x90), QRectF(4, 3, 16, 18)));
        p.drawRoundedRect(QRectF(5, 4, 5, 16), 1, 1);
        p.drawRoundedRect(QRectF(14, 4, 5, 16), 1, 1);
    } else if (name == "SERIES" || name == "CARDCOUNTER") {
        for (int i = 0; i < 3; ++i) {
            QRectF r(3 + i * 4, 3 + i * 2, 11, 15);
            p.setBrush(fill(QColor(255, 255, 255), QColor(0xD8, 0xE0, 0xF0), r));
            p.drawRoundedRect(r, 1.5, 1.5);
        }
        if (name == "SERIES") {
            DrawSuit(p, Spades, 16.5, 14.5, 7, ink);
        } else {
            p.setFont(Font("DejaVu Sans", 8, QFont::Bold, 80));
            p.setPen(QColor(0xD0, 0x20, 0x30));
            p.drawText(QRectF(11, 7, 11, 15), Qt::AlignCenter, "123");
        }
    } else if (name == "FAVORITES") {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            double a = i * M_PI / 5, rr = i % 2 ? 4.2 : 10;
            QPointF pt(12 + rr * std::sin(a), 12.5 - rr * std::cos(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setBrush(fill(QColor(0xFF, 0xD8, 0x30), QColor(0xE0, 0x90, 0x10), star.boundingRect()));
        p.drawPath(star);
    } else if (name == "CUSTOMIZE") {
        QPainterPath pal;
        pal.addEllipse(QRectF(2, 4, 20, 16));
        QPainterPath hole;
        hole.addEllipse(QRectF(13, 13, 4, 4));
        p.setBrush(fill(QColor(0xF0, 0xD8, 0xA8), QColor(0xC0, 0x98, 0x60), pal.boundingRect()));
        p.drawPath(pal.subtracted(hole));
        const QColor dots[4] = {QColor(0xD0, 0x20, 0x30), QColor(0x30, 0x70, 0xD0), QColor(0x30, 0xA0, 0x40),
                                QColor(0xF0, 0xC0, 0x20)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(QPointF(6.5 + i * 3.5, 9 + (i % 2) * 1.5), 1.8, 1.8);
        }
    } else if (name == "WEB") {
        QRectF r(3, 3, 18, 18);
        QRadialGradient g(9, 8, 14);
        g.setColorAt(0, QColor(0x90, 0xD0, 0xFF));
        g.setColorAt(1, QColor(0x20, 0x60, 0xC0));
        p.setBrush(flat ? QBrush(QColor(0x40, 0x90, 0xE0)) : QBrush(g));
        p.drawEllipse(r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawEllipse(QRectF(8, 3, 8, 18));
        p.drawLine(QPointF(3, 12), QPointF(21, 12));
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
    }
}

} // namespace

QImage DrawToolbarIcon(const std::string& button, int size, bool classic, bool disabled) {
    QImage img = Canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, !classic);
    p.setRenderHint(QPainter::TextAntialiasing, !classic);
    p.scale(size / 24.0, size / 24.0);
    Glyph(p, button, classic);
    p.end();
    if (disabled)
        Grey(img, 0.55);
    img.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return img;
}

QImage DrawMenuIcon(const std::string& name, int size) {
    return DrawToolbarIcon(name, size, false, false);
}

QImage DrawSmallIcon(const std::string& name, int w, int h) {
    QImage img = Canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QColor ink(0x30, 0x30, 0x40);
    auto starts = [&](const char* s) { return name.rfind(s, 0) == 0; };
    auto ends = [&](const char* s) {
        size_t n = std::strlen(s);
        return name.size() >= n && name.compare(name.size() - n, n, s) == 0;
    };
    auto folder = [&](QColor c, bool open) {
        p.setPen(QPen(c.darker(170), 1));
        p.setBrush(c);
        QPainterPath f;
        f.moveTo(1.5, 13.5);
        f.lineTo(1.5, 3.5);
        f.lineTo(6, 3.5);
        f.lineTo(7.5, 5);
        f.lineTo(13.5, 5);
        f.lineTo(13.5, 13.5);
        f.closeSubpath();
        p.drawPath(f);
        p.setBrush(c.lighter(125));
        QPainterPath front;
        if (open) {
            front.moveTo(1.5, 13.5);
            front.lineTo(4, 7.5);
            front.lineTo(15.5, 7.5);
            front.lineTo(13.5, 13.5);
        } else {
            front.moveTo(1.5, 13.5);
            front.lineTo(1.5, 6.5);
            front.lineTo(13.5, 6.5);
            front.lineTo(13.5, 13.5);
        }
        front.closeSubpath();
        p.drawPath(front);
    };
    auto miniCard = [&](double x, double y, double cw, double ch, QColor corner) {
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(x + 0.5, y + 0.5, cw, ch), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(corner);
        p.drawRect(QRectF(x + 2, y + 2, cw - 3, ch - 3));
    };
    if (starts("PROG_")) {
        // A meter of segments: how far along the scale the game stands.
        int level = 0, of = 5;
        QColor c(0x30, 0xA0, 0x40);
        if (ends("EASY"))
            level = 1, of = 3;
        if (ends("DIFF_MEDIUM"))
            level = 2, of = 3, c = QColor(0xE0, 0xA0, 0x20);
        if (ends("HARD"))
            level = 3, of = 3, c = QColor(0xD0, 0x30, 0x30);
        if (ends("CHANCEONLY"))
            level = 1;
        if (ends("MOSTLYCHANCE"))
            level = 2;
        if (ends("MODERATE"))
            level = 3, c = QColor(0xE0, 0xA0, 0x20);
        if (ends("MOSTLYSKILL"))
            level = 4, c = QColor(0xE0, 0x70, 0x20);
        if (ends("SKILL_DIFFICULT"))
            level = 5, c = QColor(0xD0, 0x30, 0x30);
        if (ends("QUICK"))
            level = 1, of = 3;
        if (ends("TIME_MEDIUM"))
            level = 2, of = 3;
        if (ends("LONG"))
            level = 3, of = 3;
        if (ends("VERYLOW"))
            level = 1, c = QColor(0xD0, 0x30, 0x30);
        else if (ends("CHAN_LOW"))
            level = 2, c = QColor(0xE0, 0x70, 0x20);
        if (ends("CHAN_MEDIUM"))
            level = 3, c = QColor(0xE0, 0xA0, 0x20);
        if (ends("CHAN_HIGH"))
            level = 4;
        if (ends("VERYHIGH"))
            level = 5;
        if (starts("PROG_TIME_"))
            c = QColor(0x30, 0x70, 0xD0);
        bool disabled = ends("DISABLED");
        double seg = (w - 2.0 - (of - 1) * 2.0) / of;
        for (int i = 0; i < of; ++i) {
            QRectF r(1 + i * (seg + 2), 2, seg, h - 4);
            p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.8));
            p.setBrush(!disabled && i < level ? c : QColor(0xE8, 0xE8, 0xE8));
            p.drawRoundedRect(r, 1.5, 1.5);
        }
    } else if (starts("TREE5_")) {
        // A family: a small card in the family's colour, with its result badge.
        uint32_t hash = 2166136261u;
        std::string base =
            name.substr(0, name.find("_TYPE") == std::string::npos ? name.size() : name.find("_TYPE"));
        for (char ch : base)
            hash = (hash ^ uint8_t(ch)) * 16777619u;
        QColor fam = QColor::fromHsv(int(hash % 360), 150, 200);
        miniCard(2, 1, 10, 13, fam);
        DrawSuit(p, int(hash >> 9) % 4, 7.5, 8, 6, Qt::white);
        if (ends("_WIN")) {
            p.setPen(QPen(QColor(0x10, 0x90, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 12), QPointF(11, 14.5));
            p.drawLine(QPointF(11, 14.5), QPointF(15, 8));
        } else if (ends("_NOWIN")) {
            p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 9), QPointF(15, 14.5));
            p.drawLine(QPointF(15, 9), QPointF(10, 14.5));
        } else if (ends("_NOPLAYED")) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x90, 0x90, 0x90));
            p.drawEllipse(QPointF(13, 12.5), 2.5, 2.5);
        }
    } else if (name == "N_TREE3") {
        miniCard(3, 1, 10, 14, QColor(0xB8, 0x24, 0x24));
    } else if (name == "N_TREE4") {
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        p.setBrush(QColor(0x1C, 0x86, 0x3C));
        p.drawRect(QRectF(1.5, 3.5, 13, 10));
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(11, 6.5), 1.5, 1.5);
    } else if (name == "N_TREE5") {
        p.setPen(QPen(QColor(0x20, 0x50, 0xA0), 1));
        p.setBrush(QColor(0x40, 0x80, 0xE0));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setFont(Font("DejaVu Serif", 11, QFont::Bold));
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, "i");
    } else if (name.find("TREE") != std::string::npos) {
        QColor c(0xF0, 0xC0, 0x50);
        if (starts("S_"))
            c = QColor(0x60, 0x90, 0xE0);
        if (starts("F_"))
            c = QColor(0xF0, 0x90, 0x30);
        if (starts("D_"))
            c = QColor(0x50, 0xB0, 0x60);
        if (starts("C_"))
            c = QColor(0xE0, 0x50, 0x50);
        if (starts("T_"))
            c = QColor(0xA0, 0x70, 0xD0);
        if (starts("I_"))
            c = QColor(0x40, 0xB0, 0xB0);
        folder(c, ends("2"));
    } else if (starts("SUIT_")) {
        int suit = ends("HEARTS") ? Hearts : ends("DIAMONDS") ? Diamonds : ends("CLUBS") ? Clubs : Spades;
        DrawSuit(p, suit, w / 2.0, h / 2.0, h - 1, SuitColour(1, suit));
    } else if (starts("STATUSBAR_")) {
        QColor back(0xB8, 0x24, 0x24);
        if (ends("STOCK")) {
            for (int i = 2; i >= 0; --i)
                miniCard(3 + i, 1 + i, 9, 12, back);
        } else if (ends("WASTE")) {
            for (int i = 0; i < 3; ++i)
                miniCard(1 + i * 2.5, 2, 9, 12, QColor(0xF8, 0xF8, 0xF8));
            DrawSuit(p, Hearts, 11.5, 8, 5, QColor(0xD0, 0x20, 0x30));
        } else if (ends("FOUNDATION")) {
            miniCard(3, 1, 10, 14, QColor(0xF8, 0xF8, 0xF8));
            p.setFont(Font("DejaVu Sans", 9, QFont::Bold));
            p.setPen(ink);
            p.drawText(QRectF(3, 1, 10, 14), Qt::AlignCenter, "A");
        } else if (ends("TABLEAU")) {
            for (int i = 0; i < 3; ++i)
                miniCard(3, 0.5 + i * 3, 10, 9, i < 2 ? back : QColor(0xF8, 0xF8, 0xF8));
        } else {
            miniCard(3, 1, 10, 14, QColor(0xF8, 0xF8, 0xF8));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x30, 0x70, 0xD0));
            p.drawEllipse(QPointF(8.5, 8.5), 2.5, 2.5);
        }
    } else if (starts("BTN_")) {
        if (ends("NEW")) {
            p.setPen(QPen(ink, 1));
            p.setBrush(QColor(0xF4, 0xD3, 0xAE));
            p.drawEllipse(QPointF(6, 5), 3, 3);
            p.setBrush(QColor(0x30, 0x70, 0xD0));
            p.drawRoundedRect(QRectF(1.5, 9, 9, 6), 3, 3);
            p.setPen(QPen(QColor(0x10, 0x90, 0x20), 2.2));
            p.drawLine(QPointF(12.5, 3), QPointF(12.5, 10));
            p.drawLine(QPointF(9, 6.5), QPointF(16, 6.5));
        } else if (ends("EDIT")) {
            p.setPen(QPen(ink, 1));
            p.setBrush(QColor(0xF0, 0xC0, 0x30));
            QPainterPath pen;
            pen.moveTo(3, 13);
            pen.lineTo(4, 10);
            pen.lineTo(12, 2);
            pen.lineTo(14, 4);
            pen.lineTo(6, 12);
            pen.closeSubpath();
            p.drawPath(pen);
        } else {
            p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(4, 4), QPointF(12, 12));
            p.drawLine(QPointF(12, 4), QPointF(4, 12));
        }
    }
    p.end();
    img.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return img;
}

QImage DrawCursor(const std::string& name, int& hotX, int& hotY) {
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    bool second = name.find('2') != std::string::npos;
    bool variantB = name.back() == 'B';
    QColor body = variantB ? QColor(0x20, 0x20, 0x20) : Qt::white;
    QColor edge = variantB ? Qt::white : Qt::black;
    p.setPen(QPen(edge, 1.2));
    p.setBrush(body);
    if (name.find("ARROW") != std::string::npos) {
        QPainterPath a;
        a.moveTo(1, 1);
        a.lineTo(1, 19);
        a.lineTo(5.5, 14.5);
        a.lineTo(9, 22);
        a.lineTo(12, 20.5);
        a.lineTo(8.5, 13.5);
        a.lineTo(14.5, 13.5);
        a.closeSubpath();
        p.drawPath(a);
        if (second) {
            // Carrying a card.
            p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(14.5, 12.5, 12, 16), 1.5, 1.5);
            DrawSuit(p, Hearts, 20.5, 20.5, 8, QColor(0xC8, 0x10, 0x2E));
        }
        hotX = 1;
        hotY = 1;
    } else {
        bool left = name.find("LEFT") != std::string::npos;
        p.save();
        if (left) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        QPainterPath hand;
        if (!second) {
            // Pointing hand: index finger to the right.
            hand.moveTo(1, 12);
            hand.lineTo(18, 12);
            hand.cubicTo(21, 12, 21, 16, 18, 16);
            hand.lineTo(14, 16);
            hand.lineTo(15, 18);
            hand.cubicTo(17, 18, 17, 21, 15, 21);
            hand.lineTo(14, 21);
            hand.cubicTo(16, 21, 16, 24, 14, 24);
            hand.lineTo(12, 24);
            hand.cubicTo(14, 24, 14, 27, 12, 27);
            hand.lineTo(5, 27);
            hand.cubicTo(2, 27, 1, 24, 1, 20);
            hand.closeSubpath();
        } else {
            // Closed hand holding a card.
            hand.addRoundedRect(QRectF(3, 10, 15, 15), 5, 5);
        }
        p.drawPath(hand);
        if (second) {
            p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(14.5, 4.5, 12, 16), 1.5, 1.5);
            DrawSuit(p, Spades, 20.5, 12.5, 8, QColor(0x12, 0x12, 0x12));
            p.setPen(QPen(edge, 1.2));
            p.setBrush(body);
            p.drawRoundedRect(QRectF(12, 12, 7, 6), 2.5, 2.5);
        }
        p.restore();
        hotX = second ? (left ? 11 : 20) : (left ? 11 : 20);
        hotY = second ? 12 : 13;
    }
    p.end();
    return img;
}

QImage DrawTitle(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRadialGradient g(w / 2.0, h * 0.4, w * 0.75);
    g.setColorAt(0, QColor(0x1E, 0x8A, 0x40));
    g.setColorAt(1, QColor(0x06, 0x3A, 0x18));
    p.fillRect(img.rect(), g);
    // A fan of the four aces.
    const int cw = 85, ch = 115;
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(w / 2.0, h * 0.62 + 70);
        p.rotate(-27 + i * 18);
        p.translate(-cw / 2.0, -ch - 70);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(4, 4, cw, ch), 5, 5);
        QImage face = DrawFace(1, 1, (i + 2) % 4, cw, ch);
        QPainterPath clip = CardShape(cw, ch, 4);
        p.setClipPath(clip);
        p.drawImage(0, 0, face);
        p.restore();
    }
    QFont title = Font("DejaVu Serif", 44, QFont::Bold);
    p.setFont(title);
    QRectF box(0, h * 0.66, w, 56);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(box.translated(2, 2), Qt::AlignCenter, "Quillon 2003");
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0, QColor(0xFF, 0xF0, 0xB0));
    gold.setColorAt(1, QColor(0xD8, 0xA0, 0x30));
    p.setPen(QPen(QBrush(gold), 1));
    p.drawText(box, Qt::AlignCenter, "Quillon 2003");
    p.setFont(Font("DejaVu Sans", 14, QFont::Normal));
    p.setPen(QColor(0xE8, 0xF0, 0xE0));
    p.drawText(QRectF(0, h * 0.66 + 54, w, 22), Qt::AlignCenter, "Patience card games");
    p.setPen(QPen(QColor(0xE0, 0xC0, 0x60, 140), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 6, w - 12, h - 12));
    p.end();
    return img;
}

QImage DrawLogo(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int cw = 59, ch = 80;
    for (int i : {0, 2, 1}) { // the ace last, on top
        p.save();
        p.translate(w / 2.0, 130);
        p.rotate(-20 + i * 20);
        p.translate(-cw / 2.0, -ch - 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(QRectF(3, 3, cw, ch), 4, 4);
        p.setClipPath(CardShape(cw, ch, 3));
        p.drawImage(0, 0, i == 1 ? DrawFace(1, 1, Spades, cw, ch) : DrawBack(i ? 7 : 11, cw, ch));
        p.restore();
    }
    p.setFont(Font("DejaVu Serif", 26, QFont::Bold));
    p.setPen(QColor(0x10, 0x60, 0x28));
    p.drawText(QRectF(0, 128, w, 34), Qt::AlignCenter, "Quillon");
    p.setFont(Font("DejaVu Sans", 11, QFont::Normal));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(QRectF(0, 158, w, 18), Qt::AlignCenter, "Freeware version");
    p.end();
    return img;
}

// Pieces of the game preview, on magenta (transparent).
QImage DrawPreviewPiece(const std::string& name) {
    const QRgb magenta = qRgb(255, 0, 255);
    auto onMagenta = [&](int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(magenta);
        return img;
    };
    auto paste = [&](QImage& dst, const QImage& src, int x, int y) {
        for (int j = 0; j < src.height(); ++j)
            for (int i = 0; i < src.width(); ++i) {
                if ((i == 0 || i == src.width() - 1) && (j == 0 || j == src.height() - 1))
                    continue; // leave the corners to the table
                if (x + i < dst.width() && y + j < dst.height())
                    dst.setPixel(x + i, y + j, src.pixel(i, j));
            }
    };
    QImage back = DrawBack(11, 25, 32);
    auto kind = name.size() > 4 ? name.substr(0, 6) : name;
    int n = name.size() >= 2 ? std::atoi(name.c_str() + name.size() - 2) : 1;
    if (name.rfind("SL", 0) == 0) {
        // Squared piles of three heights.
        int depth = name == "SL001" ? 2 : name == "SL002" ? 4 : 6;
        QImage img = onMagenta(25, 32);
        QImage small = DrawBack(11, 25 - depth, 32 - depth);
        for (int d = depth; d >= 0; d -= 2)
            paste(img, d ? DrawBack(11, 25 - depth, 32 - depth) : small, d, depth - d);
        return img;
    }
    if (kind == "Tab_v_") {
        QImage img = onMagenta(25, 32 + 6 * (n - 1));
        for (int i = 0; i < n; ++i)
            paste(img, i == n - 1 ? DrawFace(3, 13 - i % 13, i % 4, 25, 32) : back, 0, 6 * i);
        return img;
    }
    if (kind == "Tab_h_") {
        QImage img = onMagenta(25 + 7 * (n - 1), 32);
        for (int i = 0; i < n; ++i)
            paste(img, i == n - 1 ? DrawFace(3, 1 + i % 13, i % 4, 25, 32) : back, 7 * i, 0);
        return img;
    }
    if (kind == "Tab_a_") {
        // Face-up cascades of n cards.
        QImage img = onMagenta(25, 32 + 6 * (n - 1));
        for (int i = 0; i < n; ++i)
            paste(img, DrawFace(3, 13 - i % 13, i % 4, 25, 32), 0, 6 * i);
        return img;
    }
    if (kind == "Tab_d_") {
        // A deck (1) or two decks (2) squared.
        QImage img = onMagenta(25 + 3 * n, 32 + 3 * n);
        for (int d = 3 * n; d >= 0; --d)
            paste(img, back, 3 * n - d, d);
        return img;
    }
    // "Tab_s_01": a short fan of waste cards.
    QImage img = onMagenta(39, 32);
    for (int i = 0; i < 3; ++i)
        paste(img, DrawFace(3, 5 + i, i, 25, 32), 7 * i, 0);
    return img;
}

} // namespace mkres
