#include "editorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 40; // drawn at this size, scaled down by the button

void drawPage(QPainter &p, const QRectF &r, const QColor &fill) {
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - 8, r.top());
    page.lineTo(r.right(), r.top() + 8);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setBrush(fill);
    p.drawPath(page);
}

void drawFloppy(QPainter &p, const QColor &body) {
    p.setBrush(body);
    p.drawRoundedRect(QRectF(5, 5, 30, 30), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11, 5, 18, 11));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(10, 23, 20, 12));
}

void drawIcon(QPainter &p, EditorIcon kind) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 60, 110);
    p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (kind) {
    case EditorIcon::Open: {
        p.setBrush(QColor(240, 200, 90));
        QPainterPath back;
        back.moveTo(4, 10);
        back.lineTo(15, 10);
        back.lineTo(18, 14);
        back.lineTo(32, 14);
        back.lineTo(32, 33);
        back.lineTo(4, 33);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(QColor(250, 225, 130));
        QPainterPath front;
        front.moveTo(4, 33);
        front.lineTo(10, 19);
        front.lineTo(38, 19);
        front.lineTo(32, 33);
        front.closeSubpath();
        p.drawPath(front);
        break;
    }
    case EditorIcon::New:
        drawPage(p, QRectF(8, 4, 24, 32), Qt::white);
        p.setPen(QPen(QColor(230, 160, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, 24), QPointF(30, 36));
        p.drawLine(QPointF(24, 30), QPointF(36, 30));
        break;
    case EditorIcon::Save: drawFloppy(p, QColor(80, 120, 200)); break;
    case EditorIcon::SaveAs:
        drawFloppy(p, QColor(80, 160, 140));
        p.setPen(QPen(QColor(200, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 37), QPointF(37, 22));
        break;
    case EditorIcon::Recalculate: {
        p.setBrush(QColor(235, 235, 225));
        p.drawRoundedRect(QRectF(8, 3, 24, 34), 3, 3);
        p.setBrush(QColor(170, 210, 170));
        p.drawRect(QRectF(12, 7, 16, 8));
        p.setBrush(ink);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(12.5 + col * 6, 19 + row * 6, 3, 3));
        break;
    }
    case EditorIcon::Spreadsheet: {
        p.setBrush(QColor(60, 140, 80));
        p.drawRoundedRect(QRectF(4, 4, 32, 32), 3, 3);
        p.setPen(QPen(Qt::white, 2));
        for (int i = 1; i < 4; ++i) {
            p.drawLine(QPointF(4, 4 + i * 8), QPointF(36, 4 + i * 8));
            p.drawLine(QPointF(4 + i * 8, 4), QPointF(4 + i * 8, 36));
        }
        break;
    }
    case EditorIcon::Browse:
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(10 + i * 10, 24), 3, 3);
        break;
    }
}

} // namespace

QIcon EditorToolIcon(EditorIcon kind) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    drawIcon(p, kind);
    p.end();
    return QIcon(pm);
}
