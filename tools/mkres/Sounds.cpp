// Synthesised event sounds: card snaps, a shuffle riffle, chimes. 16-bit PCM mono at 22050 Hz.
#include "Art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace mkres {

namespace {

constexpr int kRate = 22050;

struct Buffer {
    std::vector<double> s;
    explicit Buffer(double seconds) : s(size_t(seconds * kRate), 0.0) {}
};

uint32_t g_seed = 12345;
double Noise() {
    g_seed = g_seed * 1664525u + 1013904223u;
    return double(int32_t(g_seed)) / 2147483648.0;
}

// A card snap: a burst of filtered noise with a short body tone, decaying within ~50 ms.
void Snap(Buffer& b, double at, double gain, double brightness, double tone) {
    size_t start = size_t(at * kRate);
    double lp = 0, prev = 0;
    for (size_t i = 0; start + i < b.s.size() && i < size_t(0.09 * kRate); ++i) {
        double t = double(i) / kRate;
        double env = std::exp(-t * 70) * std::min(1.0, t * 4000);
        double n = Noise();
        lp += brightness * (n - lp);
        double hp = lp - prev;
        prev = lp;
        double body = std::sin(2 * M_PI * tone * t) * std::exp(-t * 90);
        b.s[start + i] += gain * env * (0.8 * hp * 3 + 0.35 * body);
    }
}

// A soft bell: a few inharmonic partials with slow decay.
void Bell(Buffer& b, double at, double freq, double gain, double decay) {
    size_t start = size_t(at * kRate);
    const double partials[][2] = {{1.0, 1.0}, {2.0, 0.35}, {2.76, 0.18}, {5.4, 0.06}};
    for (size_t i = 0; start + i < b.s.size(); ++i) {
        double t = double(i) / kRate;
        double env = std::exp(-t * decay) * std::min(1.0, t * 400);
        if (env < 1e-4)
            break;
        double v = 0;
        for (auto& pt : partials)
            v += pt[1] * std::sin(2 * M_PI * freq * pt[0] * t) * std::exp(-t * decay * (pt[0] - 1) * 0.6);
        b.s[start + i] += gain * env * v;
    }
}

void Riffle(Buffer& b, double at, double length, int clicks) {
    for (int k = 0; k < clicks; ++k) {
        double f = double(k) / clicks;
        // Faster and quieter towards the end, as the halves run out.
        double t = at + length * (1 - (1 - f) * (1 - f)) * 0.95;
        Snap(b, t, 0.35 + 0.25 * std::sin(f * M_PI), 0.5 + 0.3 * Noise(), 900 + 300 * Noise());
    }
}

void Swish(Buffer& b, double at, double length, double gain) {
    size_t start = size_t(at * kRate);
    double lp = 0;
    for (size_t i = 0; start + i < b.s.size() && i < size_t(length * kRate); ++i) {
        double f = double(i) / (length * kRate);
        double env = std::sin(f * M_PI);
        lp += (0.05 + 0.4 * f) * (Noise() - lp);
        b.s[start + i] += gain * env * lp;
    }
}

std::string Wave(const Buffer& b) {
    double peak = 1e-9;
    for (double v : b.s)
        peak = std::max(peak, std::abs(v));
    double scale = 0.7 * 32767 / peak;
    std::string out;
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&](uint16_t v) {
        out.push_back(char(v & 0xFF));
        out.push_back(char(v >> 8));
    };
    uint32_t bytes = uint32_t(b.s.size() * 2);
    out += "RIFF";
    put32(36 + bytes);
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    out += "data";
    put32(bytes);
    for (size_t i = 0; i < b.s.size(); ++i) {
        // A short fade at both ends keeps the edges click-free.
        double edge = std::min({1.0, double(i) / 40.0, double(b.s.size() - i) / 200.0});
        put16(uint16_t(int16_t(std::lround(std::clamp(b.s[i] * scale * edge, -32767.0, 32767.0)))));
    }
    return out;
}

} // namespace

std::string SynthesiseWave(const std::string& name) {
    g_seed = 12345u + uint32_t(name.size()) * 7919u + uint32_t(name[0]);
    if (name == "Shuffle") {
        Buffer b(0.95);
        Riffle(b, 0.02, 0.8, 34);
        return Wave(b);
    }
    if (name == "Redeal") {
        Buffer b(0.6);
        Riffle(b, 0.0, 0.58, 22);
        return Wave(b);
    }
    if (name == "Red_no_a") {
        Buffer b(0.35);
        Riffle(b, 0.0, 0.3, 12);
        return Wave(b);
    }
    if (name == "Won") {
        Buffer b(2.0);
        const double notes[] = {523.25, 659.25, 783.99, 1046.5};
        for (int i = 0; i < 4; ++i)
            Bell(b, 0.02 + i * 0.14, notes[i], i == 3 ? 0.9 : 0.6, 3.0);
        Bell(b, 0.62, 1318.5, 0.25, 2.5);
        return Wave(b);
    }
    if (name == "Splash" || name == "About") {
        Buffer b(name == "Splash" ? 1.6 : 1.1);
        const double chord[] = {392.0, 493.88, 587.33, 783.99};
        for (int i = 0; i < 4; ++i)
            Bell(b, 0.02 + i * 0.06, chord[i], 0.5, name == "Splash" ? 2.6 : 4.0);
        return Wave(b);
    }
    if (name == "New") {
        Buffer b(0.45);
        Bell(b, 0.0, 659.25, 0.5, 9);
        Bell(b, 0.11, 987.77, 0.5, 7);
        return Wave(b);
    }
    if (name == "Pairing") {
        Buffer b(0.5);
        Snap(b, 0.0, 0.8, 0.6, 900);
        Bell(b, 0.03, 880, 0.35, 9);
        Bell(b, 0.12, 1174.66, 0.35, 8);
        return Wave(b);
    }
    if (name == "Foundation") {
        Buffer b(0.35);
        Snap(b, 0.0, 1.0, 0.55, 700);
        Bell(b, 0.01, 1567.98, 0.12, 14);
        return Wave(b);
    }
    if (name == "Eddy") {
        Buffer b(0.4);
        Swish(b, 0.0, 0.32, 1.0);
        Snap(b, 0.3, 0.6, 0.5, 700);
        return Wave(b);
    }
    // Taking a move back: a short swish and a soft falling pair of notes; replaying it: rising.
    if (name == "Undo" || name == "Redo") {
        const bool back = name == "Undo";
        Buffer b(0.3);
        Swish(b, 0.0, 0.14, 0.5);
        Bell(b, 0.04, back ? 880.0 : 659.25, 0.25, 12);
        Bell(b, 0.12, back ? 659.25 : 880.0, 0.25, 12);
        return Wave(b);
    }
    if (name == "Autoplay") {
        Buffer b(0.22);
        Swish(b, 0.0, 0.12, 0.6);
        Snap(b, 0.1, 0.9, 0.6, 800);
        return Wave(b);
    }
    // Single card sounds, each with its own colour.
    Buffer b(0.14);
    if (name == "card_up")
        Snap(b, 0.0, 0.7, 0.8, 1300);
    else if (name == "card_down")
        Snap(b, 0.0, 1.0, 0.45, 520);
    else if (name == "Face_up")
        Snap(b, 0.0, 0.8, 0.7, 1100);
    else if (name == "Stock")
        Snap(b, 0.0, 0.9, 0.6, 760);
    else
        Snap(b, 0.0, 1.0, 0.5, 620);
    return Wave(b);
}

} // namespace mkres
