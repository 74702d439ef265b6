// mkres: draws every picture and synthesises every sound the program asks of its libraries and
// writes them as SOL.RGF and plus/soladd.rgf into the program folder given on the command line.
//   mkres PROGRAM_FOLDER [--sheet CONTACT_SHEET.png] [--previews PICTURE_PLAN]
//   mkres --icons FOLDER     the program's icon as FOLDER/hicolor/NxN/apps/quillon.png
// The picture plan (written by the preview generator) names the "GAME" preview pictures of the
// games whose table the preview file cannot show, with the places of their cards.
#include "Art.h"

#include "platform/ResourceCatalog.h"
#include "platform/ResourceLibrary.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

using namespace quillon;

namespace mkres {
namespace {

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// `quality` 0 packs tightest, 100 fastest.
std::string Png(const QImage& img, int quality = 60) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG", quality);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

int SuitOfLetter(char c) {
    return c == 'H' ? Hearts : c == 'D' ? Diamonds : c == 'C' ? Clubs : Spades;
}

QImage GamePicture() {
    // The preview of the default game: nine cards in a square and the stock beside it.
    QImage img(200, 120, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    QPainter p(&img);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawImage(60 + c * 30, 6 + r * 37, DrawFace(3, 1 + (r * 3 + c) % 13, (r + c) % 4, 25, 32));
    p.drawImage(10, 6, DrawBack(11, 25, 32));
    p.end();
    return img;
}

// The icon theme's sizes of the program's icon.
int WriteIcons(const std::string& folder) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QString::fromStdString(folder) + QString("/hicolor/%1x%1/apps").arg(size);
        if (!QDir().mkpath(dir) || !DrawAppIcon(size).save(dir + "/quillon.png")) {
            std::fprintf(stderr, "mkres: cannot write the icons in %s\n", folder.c_str());
            return 1;
        }
    }
    return 0;
}

// The "GAME" pictures of a picture plan: per picture a line "GAMEnnnn CARDWIDTH CARDHEIGHT", then
// "picture x y" per card place (preview picture numbers: 1-52 cards, 53 joker, 54 back, 55-63
// empty-pile marks), then an empty line. Magenta is the transparent colour.
std::map<std::string, QImage> PlannedGamePictures(const std::string& path) {
    std::map<std::string, QImage> pictures;
    std::ifstream in(path);
    std::string line;
    static const char* const marks[] = {"001", "002", "004", "005", "007", "008", "009", "010", "011"};
    while (std::getline(in, line)) {
        std::istringstream head(line);
        std::string name;
        int cw = 0, ch = 0;
        if (!(head >> name >> cw >> ch) || name.rfind("GAME", 0) != 0 || cw < 1 || ch < 1)
            continue;
        std::vector<std::array<int, 3>> pieces;
        int bottom = 0;
        while (std::getline(in, line) && !line.empty()) {
            std::istringstream piece(line);
            int n = 0, x = 0, y = 0;
            if (piece >> n >> x >> y) {
                pieces.push_back({n, x, y});
                bottom = std::max(bottom, y + ch);
            }
        }
        QImage img(306, std::clamp(bottom + 1, 1, 184), QImage::Format_RGB32);
        img.fill(qRgb(255, 0, 255));
        QPainter p(&img);
        for (const auto& [n, x, y] : pieces) {
            QImage card;
            if (n >= 1 && n <= 52)
                card = DrawFace(3, (n - 1) % 13 + 1, (n - 1) / 13, cw, ch);
            else if (n == 53)
                card = DrawJoker(cw, ch);
            else if (n == 54)
                card = DrawBack(1, cw, ch);
            else if (n >= 55 && n <= 63)
                card = DrawMark(marks[n - 55], cw, ch);
            if (!card.isNull())
                p.drawImage(x, y, card);
        }
        p.end();
        pictures[name] = img;
    }
    return pictures;
}

// The picture of a resource; `scale` 2 draws its double-size picture.
QImage Render(const RequiredResource& r, int& hotX, int& hotY, int scale = 1) {
    const std::string& n = r.name;
    int cw = 0, ch = 0;
    if (r.kind == ResourceKind::Cursor)
        return DrawCursor(n, hotX, hotY);
    if (n.size() == 6 && n[0] == 'C' && CardSizeOf(n[1], cw, ch) &&
        std::isdigit(static_cast<unsigned char>(n[2]))) {
        StripCellOf(n[1], cw, ch);
        return DrawSuitStrip(std::atoi(n.substr(2, 3).c_str()), SuitOfLetter(n[5]), cw, ch, scale);
    }
    if (StartsWith(n, "JOKER_") || StartsWith(n, "Joker_"))
        return DrawJoker(r.width, r.height, scale);
    if (n.size() == 5 && n[0] == 'D' && CardSizeOf(n[1], cw, ch))
        return DrawBack(std::atoi(n.substr(2).c_str()), r.width, r.height, scale);
    if (n[0] == 'W' && n.size() >= 4 && CardSizeOf(n[1], cw, ch))
        return DrawMark(n.substr(2), r.width, r.height, scale);
    if (StartsWith(n, "SHADOW_")) {
        CardSizeOf(n[7], cw, ch);
        return DrawShadowPiece(n[8] - '0', cw, ch, scale);
    }
    if (StartsWith(n, "3D_BORDER_")) {
        CardSizeOf(n[10], cw, ch);
        return DrawBorderPiece(n[11] - '0', cw, ch, scale);
    }
    if (n.size() == 4 && n[0] == 'B' && std::isdigit(static_cast<unsigned char>(n[1])))
        return DrawBackground(std::atoi(n.c_str() + 1), scale);
    if (StartsWith(n, "SL") || StartsWith(n, "Tab_"))
        return DrawPreviewPiece(n);
    if (StartsWith(n, "GAME"))
        return GamePicture();
    if (n == "TITLE")
        return DrawTitle(r.width, r.height);
    if (n == "LOGO")
        return DrawLogo(r.width, r.height);
    if (StartsWith(n, "TB_") || StartsWith(n, "2000_TB_")) {
        bool classic = StartsWith(n, "2000_");
        std::string rest = n.substr(classic ? 8 : 3);
        bool disabled = rest.size() > 4 && rest.compare(rest.size() - 4, 4, "_DIS") == 0;
        if (disabled)
            rest.resize(rest.size() - 4);
        std::string button = rest.substr(0, rest.rfind('_'));
        return DrawToolbarIcon(button, r.width * scale, classic, disabled);
    }
    if (StartsWith(n, "MN_"))
        return DrawMenuIcon(n.substr(3), r.width * scale);
    return DrawSmallIcon(n, r.width, r.height);
}

void TileInto(QPainter& p, const QImage& tile, QRect area) {
    for (int y = area.top(); y < area.bottom(); y += tile.height())
        for (int x = area.left(); x < area.right(); x += tile.width())
            p.drawImage(QPoint(x, y), tile,
                        QRect(0, 0, std::min(tile.width(), area.right() - x + 1),
                              std::min(tile.height(), area.bottom() - y + 1)));
}

QImage ContactSheet(const std::map<std::string, QImage>& images) {
    const int W = 13 * 75 + 20;
    QImage sheet(W, 4000, QImage::Format_RGB32);
    sheet.fill(qRgb(0x1C, 0x6E, 0x34));
    QPainter p(&sheet);
    p.setPen(Qt::white);
    p.setFont(Font("DejaVu Sans", 14));
    int y = 10;
    auto label = [&](const QString& text) {
        p.drawText(10, y + 14, text);
        y += 22;
    };
    auto get = [&](const std::string& name) -> const QImage& { return images.at(name); };
    for (int set = 1; set <= 4; ++set) {
        label(QString("Card set %1 (size B)").arg(set, 3, 10, QChar('0')));
        const char suits[] = "HDCS";
        for (int s = 0; s < 4; ++s) {
            QImage strip = get(std::string("CB00") + char('0' + set) + suits[s]);
            for (int r = 0; r < 13; ++r)
                p.drawImage(10 + r * 75, y, strip.copy(((r) % 5) * 71, (r / 5) * 96, 71, 96));
            y += 100;
        }
    }
    label("Jokers M, B, S, X, L; backs B 001 003 006 007 011 014 019 020; 011 in M, S, X; L");
    int x = 10;
    for (const char* j : {"JOKER_M", "JOKER_B", "JOKER_S", "JOKER_X", "Joker_L"}) {
        p.drawImage(x, y, get(j));
        x += get(j).width() + 6;
    }
    y += 145;
    x = 10;
    for (const char* b : {"DB001", "DB003", "DB006", "DB007", "DB011", "DB014", "DB019", "DB020", "DM011",
                          "DS011", "DX011", "DL001"}) {
        p.drawImage(x, y, get(b));
        x += get(b).width() + 6;
        if (x > W - 110) {
            x = 10;
            y += 145;
        }
    }
    y += 145;
    label("Empty-pile marks (size B), shadows and 3D borders");
    x = 10;
    for (const std::string& sfx : MarkSuffixes()) {
        p.drawImage(x, y, get("WB" + sfx));
        x += 75;
        if (x > W - 75) {
            x = 10;
            y += 100;
        }
    }
    y += 104;
    p.fillRect(10, y, 300, 140, qRgb(0x1C, 0x6E, 0x34));
    p.drawImage(40, y + 10, get("3D_BORDER_B1"));
    p.drawImage(70, y + 10, get("3D_BORDER_B2"));
    p.drawImage(200, y + 10, get("SHADOW_B1"));
    p.drawImage(220, y + 10, get("SHADOW_B2"));
    y += 150;
    label("Backgrounds tiled 2 x 2: 102 287 296 304 311; 324 and picture 501 (scaled)");
    x = 10;
    for (int n : BackgroundTiles()) {
        QImage tile = get("B" + std::to_string(n));
        QRect area(x, y, 2 * tile.width() > 180 ? 180 : 2 * tile.width(), 180);
        p.save();
        p.setClipRect(area);
        TileInto(p, tile, area);
        p.restore();
        x += 190;
        if (x > W - 190) {
            x = 10;
            y += 190;
        }
    }
    p.drawImage(QRect(x, y, 240, 180), get("B501"));
    y += 200;
    label("Preview strips (set 003, 25 x 32), toolbars, menus, icons, cursors, title");
    x = 10;
    for (const char* s : {"CL003H", "CL003D", "CL003C", "CL003S"}) {
        p.drawImage(x, y, get(s));
        x += 135;
    }
    for (const char* s : {"Tab_v_05", "Tab_h_04", "Tab_a_03", "Tab_d_02", "SL003", "GAME0087"}) {
        p.drawImage(x, y, get(s));
        x += get(s).width() + 8;
    }
    y += 110;
    x = 10;
    for (const auto& [name, img] : images) {
        if (!(StartsWith(name, "TB_") || StartsWith(name, "2000_TB_") || StartsWith(name, "MN_") ||
              StartsWith(name, "PROG_") || StartsWith(name, "SUIT_") || StartsWith(name, "STATUSBAR_") ||
              StartsWith(name, "BTN_") || StartsWith(name, "CUR_") || name.find("TREE") != std::string::npos))
            continue;
        p.fillRect(x - 1, y - 1, img.width() + 2, img.height() + 2, qRgb(0xF0, 0xF0, 0xF0));
        p.drawImage(x, y, img);
        x += img.width() + 6;
        if (x > W - 60) {
            x = 10;
            y += 36;
        }
    }
    y += 44;
    p.drawImage(10, y, get("TITLE"));
    p.drawImage(460, y, get("LOGO"));
    p.end();
    return sheet.copy(0, 0, W, std::min(sheet.height(), y + 300));
}

} // namespace
} // namespace mkres

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mkres PROGRAM_FOLDER [--sheet FILE.png]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::string folder = argv[1];
    if (folder == "--icons" && argc == 3)
        return mkres::WriteIcons(argv[2]);
    std::string sheetPath, planPath;
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--sheet")
            sheetPath = argv[i + 1];
        if (std::string(argv[i]) == "--previews")
            planPath = argv[i + 1];
    }
    std::map<std::string, QImage> planned;
    if (!planPath.empty())
        planned = mkres::PlannedGamePictures(planPath);

    ResourceWriter main, extra;
    std::map<std::string, QImage> images;
    for (const RequiredResource& r : RequiredResources()) {
        ResourceWriter& lib = r.extraLarge ? extra : main;
        if (r.kind == ResourceKind::Wave) {
            lib.Add(ResourceKind::Wave, r.name, mkres::SynthesiseWave(r.name));
            continue;
        }
        int hx = 0, hy = 0;
        auto plannedPicture = planned.find(r.name);
        QImage img = plannedPicture != planned.end() ? plannedPicture->second : mkres::Render(r, hx, hy);
        if (plannedPicture != planned.end())
            planned.erase(plannedPicture);
        if (r.width && (img.width() != r.width || img.height() != r.height)) {
            std::fprintf(stderr, "mkres: %s drawn %dx%d, wanted %dx%d\n", r.name.c_str(), img.width(),
                         img.height(), r.width, r.height);
            return 1;
        }
        if (r.kind == ResourceKind::Cursor)
            lib.AddCursor(r.name, mkres::Png(img), hx, hy);
        else
            lib.Add(r.kind, r.name, mkres::Png(img));
        if (HasDoubleSize(r)) {
            // Beside it, the same picture at twice the size, packed as tightly as PNG allows.
            QImage big = mkres::Render(r, hx, hy, 2);
            if (big.width() != 2 * img.width() || big.height() != 2 * img.height()) {
                std::fprintf(stderr, "mkres: %s drawn %dx%d at double size\n", r.name.c_str(), big.width(),
                             big.height());
                return 1;
            }
            lib.Add(r.kind, DoubleSizeName(r.name), mkres::Png(big, 0));
        }
        if (!sheetPath.empty())
            images.emplace(r.name, img);
    }
    for (const auto& [name, img] : planned)
        main.Add(ResourceKind::Bitmap, name, mkres::Png(img));
    main.AddString(21803, "Add a player");
    main.AddString(21804, "Edit a player");
    main.AddString(11803, "Aggiungi un giocatore");
    main.AddString(11804, "Modifica un giocatore");

    QDir().mkpath(QString::fromStdString(folder + "/plus"));
    if (!main.Save(folder + "/SOL.RGF") || !extra.Save(folder + "/plus/soladd.rgf")) {
        std::fprintf(stderr, "mkres: cannot write the libraries in %s\n", folder.c_str());
        return 1;
    }
    if (!sheetPath.empty() && !mkres::ContactSheet(images).save(QString::fromStdString(sheetPath))) {
        std::fprintf(stderr, "mkres: cannot write %s\n", sheetPath.c_str());
        return 1;
    }
    return 0;
}
