#include "seal_ink.h"

#include <QColor>

#include <algorithm>

QImage SealInk(const QImage &picture) {
    if (picture.isNull())
        return picture;
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            // The share of ink a pixel needs: that of its darkest channel against white.
            const int ink = 255 - std::min({r, g, b});
            const int alpha = ink * qAlpha(p) / 255;
            if (ink == 0 || alpha == 0) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            // The colour that, laid over white with that share, gives the pixel's colour.
            auto channel = [ink](int c) { return std::clamp(255 - (255 - c) * 255 / ink, 0, 255); };
            line[x] = qRgba(channel(r), channel(g), channel(b), alpha);
        }
    }
    return out;
}

QImage GreyInk(const QImage &ink) {
    if (ink.isNull())
        return ink;
    QImage out = ink.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return out;
}
