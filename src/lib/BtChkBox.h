#pragma once
// TBitCheckBox: a check box drawn from three glyph bitmaps, one per state. A glyph bitmap may hold two
// cells side by side: the first is drawn when the box is enabled, the second when it is disabled.

#include <QPixmap>
#include <QWidget>

class TBitCheckBox : public QWidget {
    Q_OBJECT

public:
    enum State { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };

    explicit TBitCheckBox(QWidget *parent = nullptr);
    explicit TBitCheckBox(const QString &caption, QWidget *parent = nullptr);

    // The caption; "&" marks the accelerator key.
    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption);

    // Qt::AlignRight: glyph on the left, caption to its right (the default); Qt::AlignLeft: the reverse.
    Qt::AlignmentFlag Alignment() const { return alignment_; }
    void SetAlignment(Qt::AlignmentFlag alignment);

    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow);

    // Checked reads true only in the checked state; setting it chooses checked or unchecked.
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked);
    State GetState() const { return state_; }
    void SetState(State state);

    // The next state of a click: unchecked to grayed (when allowed) or checked, checked to unchecked,
    // grayed to checked.
    void Toggle();

    QPixmap CheckedGlyph() const { return glyph_[cbChecked]; }
    QPixmap GrayedGlyph() const { return glyph_[cbGrayed]; }
    QPixmap UncheckedGlyph() const { return glyph_[cbUnchecked]; }
    // Copies the bitmap, or reloads the default glyph for a null one; a bitmap whose width is a whole
    // multiple of its height sets the glyph count to width / height.
    void SetCheckedGlyph(const QPixmap &glyph) { setGlyph(cbChecked, glyph); }
    void SetGrayedGlyph(const QPixmap &glyph) { setGlyph(cbGrayed, glyph); }
    void SetUncheckedGlyph(const QPixmap &glyph) { setGlyph(cbUnchecked, glyph); }

    // Glyph counts are kept within 1 and 2.
    int CheckedNumGlyphs() const { return numGlyphs_[cbChecked]; }
    int GrayedNumGlyphs() const { return numGlyphs_[cbGrayed]; }
    int UncheckedNumGlyphs() const { return numGlyphs_[cbUnchecked]; }
    void SetCheckedNumGlyphs(int n) { setNumGlyphs(cbChecked, n); }
    void SetGrayedNumGlyphs(int n) { setNumGlyphs(cbGrayed, n); }
    void SetUncheckedNumGlyphs(int n) { setNumGlyphs(cbUnchecked, n); }

    // The default glyph bitmaps, by resource name: "CHECKED", "GRAYED", "UNCHECKED".
    static QPixmap GlyphResource(const QString &name);

    // Where the caption is drawn (client coordinates).
    QRect CaptionRect() const;

    QSize sizeHint() const override { return QSize(97, 17); }

signals:
    void clicked();
    void stateChanged(int state);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setGlyph(State which, const QPixmap &glyph);
    void setNumGlyphs(State which, int n);
    void clickedByUser();
    void updateMnemonic();
    QString plainCaption() const;

    QString caption_;
    Qt::AlignmentFlag alignment_ = Qt::AlignRight;
    bool allowGrayed_ = false;
    State state_ = cbUnchecked;
    QPixmap glyph_[3];
    int numGlyphs_[3] = {1, 1, 1};
    int mnemonicId_ = 0;
    bool pressed_ = false;
};
