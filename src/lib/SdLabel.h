#pragma once
// TSdLabel: a caption drawn twice, first in the shadow colour, then in the font colour, offset from each
// other by the shadow depth in the shadow direction.

#include <QColor>
#include <QLabel>

enum class TShadowDirection { sdUpLeft, sdUpRight, sdDnLeft, sdDnRight };

class TSdLabel : public QLabel {
    Q_OBJECT

public:
    explicit TSdLabel(QWidget *parent = nullptr);
    explicit TSdLabel(const QString &caption, QWidget *parent = nullptr);

    QColor ShadowColor() const { return shadowColor_; }
    int ShadowDepth() const { return shadowDepth_; }
    TShadowDirection ShadowDirection() const { return shadowDirection_; }
    // Each setter repaints the label when the value changes.
    void SetShadowColor(const QColor &color);
    void SetShadowDepth(int depth);
    void SetShadowDirection(TShadowDirection direction);

    // Where the caption and its shadow are drawn inside rect.
    struct Placement {
        QRect text;
        QRect shadow;
    };
    static Placement Place(const QRect &rect, int depth, TShadowDirection direction);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor shadowColor_;
    int shadowDepth_ = 3;
    TShadowDirection shadowDirection_ = TShadowDirection::sdDnRight;
};
