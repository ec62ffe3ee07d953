#include "icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 40; // drawn at this size, scaled down by the button

void drawIcon(QPainter &p, ToolIconKind kind) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 60, 110);
    QPen pen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (kind) {
    case ToolIconKind::User:
        p.setBrush(QColor(120, 160, 220));
        p.drawEllipse(QRectF(13, 5, 14, 14));
        p.drawChord(QRectF(6, 21, 28, 28), 0, 180 * 16);
        break;
    case ToolIconKind::Help: {
        p.setBrush(QColor(90, 150, 230));
        p.drawEllipse(QRectF(4, 4, 32, 32));
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath q;
        q.moveTo(14, 15);
        q.cubicTo(14, 7, 27, 7, 26, 15);
        q.cubicTo(26, 20, 20, 20, 20, 25);
        p.setBrush(Qt::NoBrush);
        p.drawPath(q);
        p.drawPoint(QPointF(20, 31));
        break;
    }
    case ToolIconKind::Printer:
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(12, 4, 16, 12));
        p.setBrush(QColor(150, 165, 190));
        p.drawRoundedRect(QRectF(4, 15, 32, 14), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(12, 24, 16, 12));
        break;
    case ToolIconKind::Download: {
        p.setBrush(QColor(80, 170, 100));
        QPainterPath a;
        a.moveTo(15, 4);
        a.lineTo(25, 4);
        a.lineTo(25, 18);
        a.lineTo(32, 18);
        a.lineTo(20, 30);
        a.lineTo(8, 18);
        a.lineTo(15, 18);
        a.closeSubpath();
        p.drawPath(a);
        p.drawLine(QPointF(6, 35), QPointF(34, 35));
        break;
    }
    case ToolIconKind::Home: {
        p.setBrush(QColor(230, 150, 80));
        QPainterPath h;
        h.moveTo(4, 20);
        h.lineTo(20, 5);
        h.lineTo(36, 20);
        p.setBrush(Qt::NoBrush);
        p.drawPath(h);
        p.setBrush(QColor(245, 215, 160));
        p.drawRect(QRectF(9, 19, 22, 16));
        p.setBrush(QColor(150, 90, 40));
        p.drawRect(QRectF(17, 25, 7, 10));
        break;
    }
    case ToolIconKind::About:
        p.setBrush(QColor(250, 220, 110));
        p.drawEllipse(QRectF(4, 4, 32, 32));
        p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(QPointF(20, 12));
        p.drawLine(QPointF(20, 19), QPointF(20, 29));
        break;
    case ToolIconKind::Quit:
        p.setPen(QPen(QColor(190, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(7, 8, 26, 26), 125 * 16, 290 * 16);
        p.drawLine(QPointF(20, 4), QPointF(20, 19));
        break;
    case ToolIconKind::Close:
        p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(30, 30));
        p.drawLine(QPointF(30, 10), QPointF(10, 30));
        break;
    case ToolIconKind::Minimise:
        p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 30), QPointF(30, 30));
        break;
    }
}

} // namespace

QIcon ToolIcon(ToolIconKind kind) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    drawIcon(p, kind);
    p.end();
    return QIcon(pm);
}
