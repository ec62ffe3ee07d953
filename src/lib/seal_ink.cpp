#include "seal_ink.h"

#include <QColor>

#include <algorithm>

namespace {

// The picture in 32-bit ARGB with every pixel replaced by f(pixel).
template <typename F> QImage EachPixel(const QImage &picture, F f) {
    if (picture.isNull())
        return picture;
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = f(line[x]);
    }
    return out;
}

} // namespace

QImage SealInk(const QImage &picture) {
    return EachPixel(picture, [](QRgb p) {
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        // The share of ink a pixel needs: that of its darkest channel against white.
        const int ink = 255 - std::min({r, g, b});
        const int alpha = ink * qAlpha(p) / 255;
        if (ink == 0 || alpha == 0)
            return qRgba(0, 0, 0, 0);
        // The colour that, laid over white with that share, gives the pixel's colour.
        auto channel = [ink](int c) { return std::clamp(255 - (255 - c) * 255 / ink, 0, 255); };
        return qRgba(channel(r), channel(g), channel(b), alpha);
    });
}

QImage GreyInk(const QImage &ink) {
    return EachPixel(ink, [](QRgb p) {
        const int grey = qGray(p);
        return qRgba(grey, grey, grey, qAlpha(p));
    });
}
