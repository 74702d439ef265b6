// Table backgrounds. Tiles are built from periodic noise and patterns whose period is the tile
// size, so that copies laid side by side meet without a seam.
#include "Art.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace mkres {

namespace {

// Value noise on a grid of nx x ny cells that wraps at the tile edge in both directions.
class TileNoise {
public:
    TileNoise(int nx, int ny, uint32_t seed) : nx_(nx), ny_(ny), v_(size_t(nx) * ny) {
        for (float& f : v_) {
            seed = seed * 1664525u + 1013904223u;
            f = float((seed >> 8) & 0xFFFF) / 65535.0f;
        }
    }
    // u, v in tile units 0..1.
    float At(double u, double v) const {
        double x = u * nx_, y = v * ny_;
        int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        double fx = x - x0, fy = y - y0;
        fx = fx * fx * (3 - 2 * fx);
        fy = fy * fy * (3 - 2 * fy);
        auto g = [&](int i, int j) {
            return v_[size_t(((j % ny_) + ny_) % ny_) * nx_ + size_t(((i % nx_) + nx_) % nx_)];
        };
        double a = g(x0, y0) + (g(x0 + 1, y0) - g(x0, y0)) * fx;
        double b = g(x0, y0 + 1) + (g(x0 + 1, y0 + 1) - g(x0, y0 + 1)) * fx;
        return float(a + (b - a) * fy);
    }

private:
    int nx_, ny_;
    std::vector<float> v_;
};

QRgb Mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(int(a.red() + (b.red() - a.red()) * t), int(a.green() + (b.green() - a.green()) * t),
                int(a.blue() + (b.blue() - a.blue()) * t));
}

QRgb Shade(QRgb c, double f) {
    auto ch = [&](int v) { return std::clamp(int(v * f), 0, 255); };
    return qRgb(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

// A periodic noise field sampled once per pixel. The grid has base * sx by base * sy cells
// (whole numbers, so every octave repeats exactly at the tile edge); sx > sy gives streaks
// along y, sy > sx streaks along x.
std::vector<float> Field(int w, int h, uint32_t seed, int base, int octaves, int sx = 1, int sy = 1) {
    std::vector<float> out(size_t(w) * h, 0);
    float amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        TileNoise n(std::max(1, (base << o) * sx), std::max(1, (base << o) * sy), seed + 977u * o);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out[size_t(y) * w + x] += amp * n.At(double(x) / w, double(y) / h);
        norm += amp;
        amp *= 0.5f;
    }
    for (float& f : out)
        f /= norm;
    return out;
}

// Each tile takes `k`, the picture pixels to each pixel of the tile's own size: the noise is
// sampled once per picture pixel and the pattern's lines keep their widths in the tile's pixels.

QImage Moquette(int k) { // small woven diamonds, few colours
    const int T = 48;
    QImage img(T * k, T * k, QImage::Format_RGB32);
    for (int Y = 0; Y < T * k; ++Y)
        for (int X = 0; X < T * k; ++X) {
            // The diamonds' edges follow the finer pixels; the weave's checks stay one tile pixel.
            const double u = (X + 0.5) / k - 0.5, v = (Y + 0.5) / k - 0.5;
            const int x = X / k, y = Y / k;
            const double dx = std::abs(std::fmod(u + 24, 24.0) - 12), dy = std::abs(std::fmod(v + 24, 24.0) - 12);
            const double d = std::round(dx + dy);
            QRgb c = d < 5    ? qRgb(0xB0, 0x90, 0x40)
                     : d < 7  ? qRgb(0x20, 0x40, 0x30)
                     : d < 12 ? qRgb(0x2E, 0x5E, 0x46)
                              : qRgb(0x24, 0x4C, 0x38);
            if ((x + y) % 2 == 0)
                c = Shade(c, 0.92);
            img.setPixel(X, Y, c);
        }
    return img;
}

QImage MetalGold(int k) { // brushed gold: streaks along x, periodic
    const int T = 128, N = T * k;
    QImage img(N, N, QImage::Format_RGB32);
    auto streak = Field(N, N, 11, 1, 5, 1, 16);
    auto fine = Field(N, N, 12, 8, 3);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            // Brushed streaks under a broad sheen that rises and falls once per tile.
            double sheen = 0.18 * std::sin(2 * M_PI * (x + y) / double(N));
            double t = 0.3 + 0.5 * streak[size_t(y) * N + x] + 0.25 * (fine[size_t(y) * N + x] - 0.5) + sheen;
            img.setPixel(x, y, Mix(QColor(0x8A, 0x6A, 0x20), QColor(0xF0, 0xD2, 0x78), t));
        }
    return img;
}

QImage Moquette1(int k) { // soft carpet pile in deep red with a faint lattice
    const int T = 128, N = T * k;
    QImage img(N, N, QImage::Format_RGB32);
    auto pile = Field(N, N, 21, 16, 3);
    auto cloud = Field(N, N, 22, 2, 3);
    for (int Y = 0; Y < N; ++Y)
        for (int X = 0; X < N; ++X) {
            const int x = X / k, y = Y / k;
            double t = 0.3 + 0.5 * pile[size_t(Y) * N + X] + 0.3 * (cloud[size_t(Y) * N + X] - 0.5);
            QRgb c = Mix(QColor(0x50, 0x10, 0x18), QColor(0x9A, 0x2A, 0x34), t);
            if ((x % 32 == 0) || (y % 32 == 0))
                c = Shade(c, 0.85);
            img.setPixel(X, Y, c);
        }
    return img;
}

QImage BrickWall(int k) {
    const int W = 128, H = 64, bw = 64, bh = 16, mortar = 2;
    QImage img(W * k, H * k, QImage::Format_RGB32);
    auto grain = Field(W * k, H * k, 31, 16, 3);
    auto blot = Field(W * k, H * k, 32, 4, 2);
    for (int Y = 0; Y < H * k; ++Y)
        for (int X = 0; X < W * k; ++X) {
            const int x = X / k, y = Y / k;
            int row = y / bh, ox = (row % 2) * (bw / 2);
            int bx = (x + ox) % bw, by = y % bh;
            bool joint = by < mortar || bx < mortar;
            double g = grain[size_t(Y) * W * k + X], b = blot[size_t(Y) * W * k + X];
            QRgb c;
            if (joint) {
                c = Mix(QColor(0x9A, 0x94, 0x88), QColor(0xC8, 0xC2, 0xB4), g);
            } else {
                int brick = ((x + ox) / bw + row * 3) % 4; // a few tones between bricks
                QColor base[4] = {QColor(0x9C, 0x3E, 0x28), QColor(0xA8, 0x48, 0x30),
                                  QColor(0x8E, 0x36, 0x24), QColor(0xB0, 0x52, 0x36)};
                c = Shade(base[brick].rgb(), 0.82 + 0.3 * g + 0.12 * (b - 0.5));
                if (by == mortar)
                    c = Shade(c, 1.12);
                if (by == bh - 1)
                    c = Shade(c, 0.8);
            }
            img.setPixel(X, Y, c);
        }
    return img;
}

QImage Parquet(int k) { // basket-weave oak blocks, grain from stretched noise
    const int T = 128, B = 64, strips = 4, N = T * k;
    QImage img(N, N, QImage::Format_RGB32);
    auto grainH = Field(N, N, 41, 1, 4, 1, 16);
    auto grainV = Field(N, N, 42, 1, 4, 16, 1);
    for (int Y = 0; Y < N; ++Y)
        for (int X = 0; X < N; ++X) {
            const int x = X / k, y = Y / k;
            bool horizontal = ((x / B) + (y / B)) % 2 == 0;
            int along = horizontal ? y % B : x % B;
            int strip = along / (B / strips);
            double g = horizontal ? grainH[size_t(Y) * N + X] : grainV[size_t(Y) * N + X];
            double tone = 0.55 + 0.1 * ((strip * 7 + (x / B) * 3 + (y / B)) % 4) / 3.0;
            QRgb c = Mix(QColor(0x8A, 0x5A, 0x2C), QColor(0xD6, 0xA4, 0x62), tone + 0.35 * (g - 0.5));
            if (along % (B / strips) == 0)
                c = Shade(c, 0.7);
            if ((horizontal ? x : y) % B == 0)
                c = Shade(c, 0.65);
            img.setPixel(X, Y, c);
        }
    return img;
}

QImage Meadow(int k) { // grass with a few flowers; flowers wrap round the edges
    const int T = 128, N = T * k;
    QImage img(N, N, QImage::Format_RGB32);
    auto blades = Field(N, N, 51, 16, 2, 2, 1);
    auto patches = Field(N, N, 52, 4, 3);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            double t = 0.25 + 0.45 * patches[size_t(y) * N + x] + 0.4 * (blades[size_t(y) * N + x] - 0.5);
            img.setPixel(x, y, Mix(QColor(0x1E, 0x5A, 0x18), QColor(0x7C, 0xB8, 0x3A), t));
        }
    uint32_t seed = 99;
    for (int i = 0; i < 14; ++i) {
        seed = seed * 1664525u + 1013904223u;
        int cx = int(seed >> 8) % T;
        seed = seed * 1664525u + 1013904223u;
        int cy = int(seed >> 8) % T;
        QRgb petal = i % 3 == 0   ? qRgb(0xFF, 0xFF, 0xF0)
                     : i % 3 == 1 ? qRgb(0xF8, 0xE0, 0x40)
                                  : qRgb(0xD0, 0x80, 0xE0);
        const int offs[5][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}, {0, 0}};
        for (int f = 0; f < 5; ++f)
            for (int dy = 0; dy < k; ++dy)
                for (int dx = 0; dx < k; ++dx)
                    img.setPixel((cx + offs[f][0] + T) % T * k + dx, (cy + offs[f][1] + T) % T * k + dy,
                                 f == 4 ? qRgb(0xE8, 0xA0, 0x20) : petal);
    }
    return img;
}

QImage GreenBaize(int w, int h) { // a whole picture: a card table with a lit centre
    QImage img(w, h, QImage::Format_RGB32);
    auto felt = Field(256, 256, 61, 32, 3);
    QRadialGradient light(w / 2.0, h * 0.45, std::max(w, h) * 0.7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double dx = (x - w / 2.0) / (w * 0.7), dy = (y - h * 0.45) / (h * 0.8);
            double lit = std::clamp(1.0 - (dx * dx + dy * dy), 0.0, 1.0);
            double f = felt[size_t(y % 256) * 256 + size_t(x % 256)];
            img.setPixel(x, y,
                         Mix(QColor(0x06, 0x38, 0x18), QColor(0x1C, 0x86, 0x3C),
                             0.15 + 0.75 * lit + 0.15 * (f - 0.5)));
        }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xE0, 0xC0, 0x60, 70), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(24, 24, w - 48, h - 48), 40, 40);
    return img;
}

} // namespace

QImage DrawBackground(int number, int scale) {
    switch (number) {
    case 102:
        return Moquette(scale);
    case 287:
        return MetalGold(scale);
    case 296:
        return Moquette1(scale);
    case 304:
        return BrickWall(scale);
    case 311:
        return Parquet(scale);
    case 324:
        return Meadow(scale);
    default:
        return GreenBaize(800, 600);
    }
}

} // namespace mkres
