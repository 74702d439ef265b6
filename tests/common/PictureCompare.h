#pragma once
// Comparing drawn pictures where pictures with see-through parts are laid over the table.
#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace quillon::testing {

// `picture` as it looks laid over `under` (its see-through parts showing what lies beneath).
inline QImage LaidOver(const QImage& picture, const QImage& under) {
    QImage out = under.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(0, 0, picture);
    return out;
}

// Two colours equal but for rounding (one step per channel).
inline bool NearColour(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
           std::abs(qBlue(a) - qBlue(b)) <= 1;
}

// Two pictures of one size whose every pixel is near.
inline bool NearPictures(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!NearColour(a.pixel(x, y), b.pixel(x, y)))
                return false;
    return true;
}

} // namespace quillon::testing
