#include "mainU_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

// One paper form leaning on the desk: a title, ruled item lines, a total box.
void drawForm(QPainter &p, const QRectF &r, const QColor &ink, const QString &title, qreal angle) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    p.translate(-r.width() / 2, -r.height() / 2);
    p.setPen(QPen(QColor(0, 0, 0, 40), 1));
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawRect(QRectF(4, 4, r.width(), r.height()));
    p.setBrush(Qt::white);
    p.setPen(QPen(ink, 1.2));
    p.drawRect(QRectF(0, 0, r.width(), r.height()));
    QFont f(QStringLiteral("명조"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0, 6, r.width(), 22), Qt::AlignCenter, title);
    p.drawRect(QRectF(8, 32, r.width() - 16, 26));
    p.drawLine(QPointF(r.width() / 2, 32), QPointF(r.width() / 2, 58));
    const qreal top = 66;
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 6; ++i)
        p.drawLine(QPointF(8, top + i * 12), QPointF(r.width() - 8, top + i * 12));
    for (qreal x : {0.35, 0.55, 0.75})
        p.drawLine(QPointF(8 + (r.width() - 16) * x, top), QPointF(8 + (r.width() - 16) * x, top + 72));
    p.drawRect(QRectF(8, top, r.width() - 16, 72));
    p.setBrush(QColor(ink.red(), ink.green(), ink.blue(), 30));
    p.drawRect(QRectF(8, top + 80, r.width() - 16, 16));
    p.restore();
}

} // namespace

QPixmap MainWindowPicture(const QSize &size) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(226, 236, 250));
    g.setColorAt(1, QColor(190, 208, 235));
    p.fillRect(pm.rect(), g);

    drawForm(p, QRectF(28, 40, 150, 170), QColor(0, 0, 128), QStringLiteral("견 적 서"), -8);
    drawForm(p, QRectF(180, 36, 150, 170), QColor(40, 40, 40), QStringLiteral("거래명세표"), 7);
    drawForm(p, QRectF(100, 60, 156, 176), QColor(200, 30, 30), QStringLiteral("세금계산서"), 0);

    QFont f(QStringLiteral("굴림"));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 50, 100));
    p.drawText(QRectF(0, size.height() - 50, size.width(), 26), Qt::AlignCenter,
               QStringLiteral("켈모르소프트 세금계산서"));
    f.setPixelSize(12);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(0, size.height() - 24, size.width(), 18), Qt::AlignCenter,
               QStringLiteral("세금계산서 · 거래명세서 · 견적서를 쉽고 정확하게"));
    p.end();
    return pm;
}
