#pragma once
// Helpers for laying out one copy of a form: positions are given as on the copy's drawing and moved by
// the copy's offset; form words and ruling take the copy's colour and tag, data labels are black.

#include "report_form.h"

#include <QStringList>

namespace report {

// The maker's web address printed in small grey type on every form.
inline const QString kMakerWebAddress = QStringLiteral("www.kelmorsoft.co.kr");

struct CopyBuilder {
    ReportForm &form;
    int band = 0;
    QColor colour = Qt::black;
    int tag = 0; // tag of the form words
    double dx = 0, dy = 0;

    QRectF at(double x, double y, double w, double h) const { return QRectF(x + dx, y + dy, w, h); }

    // A printed word of the form, centred in its box unless told otherwise.
    Label &word(double x, double y, double w, double h, const QString &text, int px = 11, HAlign align = HAlign::Center,
                bool bold = false) const {
        return form.addLabel(band, QString(), at(x, y, w, h), text, FontSpec{QStringLiteral("굴림"), px, bold}, align,
                             colour, tag);
    }
    // A word centred vertically and horizontally in a cell whose top-left corner and size are given.
    Label &cellWord(double x, double y, double w, double h, const QString &text, int px = 11) const {
        const double lines = text.count(u'\n') + 1;
        const double textH = lines * (px + 2);
        return word(x, y + (h - textH) / 2, w, textH, text, px);
    }
    // Characters stacked one under the other, spread evenly down a column.
    void column(double x, double y, double w, double h, const QStringList &chars, int px = 11) const {
        const double step = h / chars.size();
        for (int i = 0; i < chars.size(); ++i)
            word(x, y + step * i + (step - px - 2) / 2, w, px + 2, chars[i], px);
    }
    Label &data(const QString &name, double x, double y, double w, double h, int px = 11, HAlign align = HAlign::Left,
                bool bold = false, const QString &family = QStringLiteral("굴림")) const {
        return form.addLabel(band, name, at(x, y, w, h), QString(), FontSpec{family, px, bold}, align, Qt::black, 0);
    }
    Shape &box(double x, double y, double w, double h, double pen = 1) const {
        return form.addShape(band, QString(), Shape::Type::Rectangle, at(x, y, w, h), colour, pen);
    }
    Shape &shaded(double x, double y, double w, double h, const QColor &fill, int shapeTag = 0) const {
        Shape &s =
            form.addShape(band, QString(), Shape::Type::Rectangle, at(x, y, w, h), colour, 1, Qt::SolidLine, shapeTag);
        s.brush = fill;
        return s;
    }
    Shape &hline(double x, double y, double w, double pen = 1, Qt::PenStyle style = Qt::SolidLine) const {
        return form.addShape(band, QString(), Shape::Type::HorLine, at(x, y, w, pen), colour, pen, style);
    }
    Shape &vline(double x, double y, double h, double pen = 1, Qt::PenStyle style = Qt::SolidLine) const {
        return form.addShape(band, QString(), Shape::Type::VertLine, at(x, y, pen, h), colour, pen, style);
    }
    // A row of cells sharing their edges: edges are the column borders from left to right.
    void cells(const QList<double> &edges, double y, double h) const {
        for (int i = 0; i + 1 < edges.size(); ++i)
            box(edges[i], y, edges[i + 1] - edges[i] + 1, h);
    }
};

// The small grey web-address label.
inline Label &AddWebAddress(ReportForm &form, int band, const QRectF &rect, int tag = 0) {
    return form.addLabel(band, QStringLiteral("kelmorLabel"), rect, kMakerWebAddress,
                         FontSpec{QStringLiteral("Small Fonts"), 8, false}, HAlign::Right, kWebAddressGrey, tag);
}

// Names numbered with two digits: prefix01 ... prefixNN.
inline QStringList Numbered2(const QString &prefix, int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << prefix + QString::number(i).rightJustified(2, u'0');
    return out;
}

} // namespace report
