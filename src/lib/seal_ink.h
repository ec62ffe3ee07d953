#pragma once
// A seal is ink on paper: the white of its picture is paper, not paint. These helpers turn a scanned or
// drawn seal into ink (white transparent, light tints partly transparent) and ink into grey for
// black-and-white printing.

#include <QImage>

// The picture with white removed: each pixel keeps the least opacity that shows the same colour over
// white paper, so pure white becomes transparent and pure colours stay opaque.
QImage SealInk(const QImage &picture);

// The same ink in grey, by its lightness; transparency is kept.
QImage GreyInk(const QImage &ink);
