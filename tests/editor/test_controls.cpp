// The custom controls: the check edit, the shadow label, the bitmap check box and the item grid.
#include "BtChkBox.h"
#include "ChkEdit.h"
#include "HStrGrid.h"
#include "SdLabel.h"
#include "masks.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

// --- TChkEdit ---

TEST(ChkEdit, KindSetsMaskAndLength) {
    TChkEdit edit;
    EXPECT_EQ(edit.Kind(), TChkKind::ceCitizen);
    EXPECT_EQ(MaskedValue(&edit), QString());
    EXPECT_EQ(edit.inputMask(), QStringLiteral("000000-0000000;_"));
    EXPECT_EQ(edit.maxLength(), 14);
    edit.SetKind(TChkKind::ceBussiness);
    EXPECT_EQ(edit.inputMask(), QStringLiteral("000-00-00000;_"));
    EXPECT_EQ(edit.maxLength(), 12);
    EXPECT_EQ(edit.Verdict(), QString()); // no check yet
}

TEST(ChkEdit, ChecksTheNumberItHoldsAndKeepsTheVerdict) {
    TChkEdit business;
    business.SetKind(TChkKind::ceBussiness);
    // Copied in from a field with its hyphens, or typed without them: the same number.
    business.setText(QStringLiteral("123-45-67891"));
    EXPECT_TRUE(business.CheckNumber());
    EXPECT_EQ(business.Verdict(), s("맞아요 !"));
    business.clear();
    QTest::keyClicks(&business, QStringLiteral("1234567890"));
    EXPECT_EQ(business.text(), QStringLiteral("123-45-67890"));
    EXPECT_FALSE(business.CheckNumber());
    EXPECT_EQ(business.Verdict(), s("틀려요 !  가짜!!"));
    // A number not filled in is too short.
    business.setText(QStringLiteral("12345"));
    EXPECT_FALSE(business.CheckNumber());
    EXPECT_EQ(business.Verdict(), s("부정확한 수"));

    TChkEdit resident;
    resident.setText(QStringLiteral("000229-3000001")); // born 29 February 2000
    EXPECT_TRUE(resident.CheckNumber());
    EXPECT_EQ(resident.Verdict(), s("맞아요 <맞음>"));
    resident.setText(QStringLiteral("001301-1234567"));
    EXPECT_FALSE(resident.CheckNumber());
    EXPECT_EQ(resident.Verdict(), s("틀려요 ! 가짜 <월>"));
}

// --- TSdLabel ---

namespace {

class CountingLabel : public TSdLabel {
public:
    using TSdLabel::TSdLabel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *e) override {
        ++paints;
        TSdLabel::paintEvent(e);
    }
};

} // namespace

TEST(SdLabel, DefaultsAndPlacementByDirection) {
    TSdLabel label(QStringLiteral("Caption"));
    EXPECT_EQ(label.ShadowDepth(), 3);
    EXPECT_EQ(label.ShadowDirection(), TShadowDirection::sdDnRight);
    EXPECT_EQ(label.font().family(), QStringLiteral("System"));

    const QRect r(0, 0, 100, 20);
    using P = TSdLabel::Placement;
    auto place = [&](TShadowDirection d) { return TSdLabel::Place(r, 3, d); };
    auto eq = [](const P &a, const P &b) { return a.text == b.text && a.shadow == b.shadow; };
    EXPECT_TRUE(eq(place(TShadowDirection::sdDnRight), P{r, r.translated(3, 3)}));
    EXPECT_TRUE(eq(place(TShadowDirection::sdUpLeft), P{r.translated(3, 3), r}));
    EXPECT_TRUE(eq(place(TShadowDirection::sdUpRight), P{r.translated(0, 3), r.translated(3, 0)}));
    EXPECT_TRUE(eq(place(TShadowDirection::sdDnLeft), P{r.translated(3, 0), r.translated(0, 3)}));
}

TEST(SdLabel, ShadowChangesRepaintAndShowInThePicture) {
    CountingLabel label(QStringLiteral("WWWW"));
    label.resize(80, 30);
    label.SetShadowColor(Qt::red);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    QApplication::processEvents();

    auto repaintsAfter = [&](auto change) {
        const int before = label.paints;
        change();
        QApplication::processEvents();
        return label.paints > before;
    };
    EXPECT_TRUE(repaintsAfter([&] { label.SetShadowColor(Qt::blue); }));
    EXPECT_TRUE(repaintsAfter([&] { label.SetShadowDepth(5); }));
    EXPECT_TRUE(repaintsAfter([&] { label.SetShadowDirection(TShadowDirection::sdUpLeft); }));
    EXPECT_FALSE(repaintsAfter([&] { label.SetShadowDirection(TShadowDirection::sdUpLeft); })); // same value

    // The shadow is drawn in its colour, on the side the direction gives it: the leftmost shadow pixel
    // lies right of the leftmost caption pixel when the shadow falls to the right, left of it otherwise.
    auto leftmost = [](const QImage &img, auto isWanted) {
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                if (isWanted(QColor(img.pixel(x, y))))
                    return x;
        return -1;
    };
    auto bluish = [](QColor c) { return c.blue() > 120 && c.red() < 90 && c.green() < 90; };
    auto dark = [](QColor c) { return c.blue() < 60 && c.red() < 60 && c.green() < 60; };
    label.SetShadowDepth(4);
    label.SetShadowDirection(TShadowDirection::sdDnRight);
    QImage img = label.grab().toImage();
    ASSERT_GE(leftmost(img, bluish), 0);
    EXPECT_GT(leftmost(img, bluish), leftmost(img, dark));
    label.SetShadowDirection(TShadowDirection::sdUpLeft);
    img = label.grab().toImage();
    EXPECT_LT(leftmost(img, bluish), leftmost(img, dark));
}

// --- TBitCheckBox ---

TEST(BitCheckBox, NewBoxDefaults) {
    TBitCheckBox box;
    EXPECT_EQ(box.size(), QSize(97, 17));
    EXPECT_EQ(box.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(box.Alignment(), Qt::AlignRight);
    EXPECT_FALSE(box.AllowGrayed());
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(box.GetState(), TBitCheckBox::cbUnchecked);
    EXPECT_EQ(box.CheckedNumGlyphs(), 1);
    for (const char *name : {"CHECKED", "GRAYED", "UNCHECKED"})
        EXPECT_FALSE(TBitCheckBox::GlyphResource(QString::fromLatin1(name)).isNull()) << name;
    EXPECT_EQ(box.CheckedGlyph().toImage(), TBitCheckBox::GlyphResource(QStringLiteral("CHECKED")).toImage());
}

TEST(BitCheckBox, ClickCycleWithAndWithoutGrayed) {
    TBitCheckBox box(s("흑백전용"));
    QSignalSpy clicks(&box, &TBitCheckBox::clicked);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(box.GetState(), TBitCheckBox::cbChecked);
    EXPECT_TRUE(box.Checked());
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(box.GetState(), TBitCheckBox::cbUnchecked);
    EXPECT_EQ(clicks.count(), 2);

    box.SetAllowGrayed(true);
    std::vector<TBitCheckBox::State> seen;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(&box, Qt::LeftButton);
        seen.push_back(box.GetState());
    }
    EXPECT_EQ(seen, (std::vector<TBitCheckBox::State>{TBitCheckBox::cbGrayed, TBitCheckBox::cbChecked,
                                                      TBitCheckBox::cbUnchecked}));
    EXPECT_TRUE(box.hasFocus());

    // Checked reads true only when checked; setting it chooses checked or unchecked.
    box.SetState(TBitCheckBox::cbGrayed);
    EXPECT_FALSE(box.Checked());
    box.SetChecked(false);
    EXPECT_EQ(box.GetState(), TBitCheckBox::cbUnchecked);
}

TEST(BitCheckBox, AcceleratorTogglesWithoutClick) {
    QWidget window;
    auto *box = new TBitCheckBox(QStringLiteral("&Mono"), &window);
    QSignalSpy clicks(box, &TBitCheckBox::clicked);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTest::keyClick(&window, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks.count(), 0);
}

TEST(BitCheckBox, GlyphCountsFollowTheBitmapAndAreClamped) {
    TBitCheckBox box;
    QPixmap two(32, 16);
    two.fill(Qt::green);
    box.SetCheckedGlyph(two);
    EXPECT_EQ(box.CheckedNumGlyphs(), 2);
    QPixmap odd(40, 16); // not a whole multiple: the count stays
    odd.fill(Qt::green);
    box.SetCheckedGlyph(odd);
    EXPECT_EQ(box.CheckedNumGlyphs(), 2);
    QPixmap four(64, 16); // four cells are more than a box uses
    four.fill(Qt::green);
    box.SetGrayedGlyph(four);
    EXPECT_EQ(box.GrayedNumGlyphs(), 2);

    box.SetUncheckedNumGlyphs(0);
    EXPECT_EQ(box.UncheckedNumGlyphs(), 1);
    box.SetUncheckedNumGlyphs(3);
    EXPECT_EQ(box.UncheckedNumGlyphs(), 2);

    // No bitmap: the default glyph comes back.
    box.SetCheckedGlyph(QPixmap());
    EXPECT_EQ(box.CheckedGlyph().toImage(), TBitCheckBox::GlyphResource(QStringLiteral("CHECKED")).toImage());
}

TEST(BitCheckBox, PaintsTheCellOfItsStateAndLeavesOutTheTransparentColour) {
    TBitCheckBox box(QStringLiteral("Mono"));
    box.resize(97, 17);
    // Two cells: red when enabled, blue when disabled, on a white ground that is left out.
    QImage glyph(26, 13, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    for (int y = 2; y < 11; ++y)
        for (int x = 2; x < 11; ++x) {
            glyph.setPixel(x, y, qRgb(255, 0, 0));
            glyph.setPixel(x + 13, y, qRgb(0, 0, 255));
        }
    box.SetUncheckedGlyph(QPixmap::fromImage(glyph));
    ASSERT_EQ(box.UncheckedNumGlyphs(), 2);
    const QColor ground = box.palette().color(QPalette::Button);

    QImage img = box.grab().toImage();
    EXPECT_EQ(QColor(img.pixel(6, 8)), QColor(Qt::red));
    EXPECT_EQ(QColor(img.pixel(0, 2)), ground); // the white corner is transparent
    // The caption begins after the cell width and 4 pixels.
    EXPECT_EQ(box.CaptionRect().left(), 13 + 4);

    box.setEnabled(false);
    img = box.grab().toImage();
    EXPECT_EQ(QColor(img.pixel(6, 8)), QColor(Qt::blue));

    box.setEnabled(true);
    box.SetAlignment(Qt::AlignLeft); // glyph at the right edge, caption from 1
    img = box.grab().toImage();
    EXPECT_EQ(QColor(img.pixel(97 - 13 + 6, 8)), QColor(Qt::red));
    EXPECT_EQ(box.CaptionRect().left(), 1);
}

// --- THStringGrid ---

namespace {

struct GridFixture : ::testing::Test {
    THStringGrid grid{6, 4};
    void SetUp() override {
        grid.setFixedRowCount(1);
        grid.setCellText(0, 1, s("품명"));
        grid.resize(400, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        grid.setFocus();
        grid.setCurrentCell(2, 1);
    }
    void sendIme(const QString &preedit, const QString &commit) {
        QInputMethodEvent e(preedit, {});
        e.setCommitString(commit);
        QApplication::sendEvent(&grid, &e);
    }
};

} // namespace

TEST_F(GridFixture, FixedRowIsTheHeaderAndNeverACurrentCell) {
    EXPECT_EQ(grid.cellText(0, 1), s("품명"));
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), s("품명"));
    grid.setCellText(0, 1, s("품 명"));
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), s("품 명"));
    EXPECT_FALSE(grid.item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.canEditCell(0, 1));
    grid.setCurrentCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.currentRow(), 1);
    // Rows added later are item rows.
    grid.insertRow(grid.rowCount());
    EXPECT_TRUE(grid.item(6, 0)->flags() & Qt::ItemIsEditable);
}

TEST_F(GridFixture, HangulCompositionOnASelectedCellOpensTheEditorWithTheSyllable) {
    grid.setCellText(2, 1, QStringLiteral("old"));
    ASSERT_EQ(grid.inplaceEditor(), nullptr);
    sendIme(s("하"), QString());
    THInplaceEdit *editor = grid.inplaceEditor();
    ASSERT_NE(editor, nullptr);
    // The syllable being composed goes on in the cell editor, which replaces the old text.
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImSurroundingText).toString(), QString());
    EXPECT_EQ(editor->text(), QString());
    QInputMethodEvent finish(QString(), {});
    finish.setCommitString(s("한"));
    QApplication::sendEvent(editor, &finish);
    EXPECT_EQ(editor->text(), s("한"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid.cellText(2, 1), s("한"));
}

TEST_F(GridFixture, TheGridKeepsTheFocusWhileItsCellEditorTakesTheComposition) {
    // An input method resets its composition when the focus moves: the first syllable broke into letters.
    grid.setCellText(2, 1, QStringLiteral("old"));
    sendIme(s("ㅂ"), QString());
    THInplaceEdit *editor = grid.inplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    sendIme(s("볼"), QString());
    sendIme(s("ㅍ"), s("볼"));
    sendIme(QString(), s("펜"));
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    EXPECT_EQ(editor->text(), s("볼펜"));
    // Keys reach the editor through the grid; the input method is told where the editor's caret is.
    QTest::keyClick(&grid, Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), s("볼"));
    const QRect caret = editor->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_EQ(grid.inputMethodQuery(Qt::ImCursorRectangle).toRect(), caret.translated(editor->mapTo(&grid, QPoint())));
    QTest::keyClick(&grid, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid.cellText(2, 1), s("볼"));
    EXPECT_EQ(QApplication::focusWidget(), &grid);
}

TEST_F(GridFixture, NumberColumnsSwitchTheInputMethodOff) {
    grid.setColumnNumbersOnly(2, true);
    EXPECT_TRUE(grid.inputMethodQuery(Qt::ImEnabled).toBool());
    grid.setCurrentCell(2, 2);
    EXPECT_FALSE(grid.inputMethodQuery(Qt::ImEnabled).toBool());
    EXPECT_TRUE(Qt::InputMethodHints(grid.inputMethodQuery(Qt::ImHints).toInt()) & Qt::ImhFormattedNumbersOnly);
    QTest::keyClick(&grid, Qt::Key_5);
    ASSERT_NE(grid.inplaceEditor(), nullptr);
    EXPECT_FALSE(grid.inplaceEditor()->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(grid.inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(GridFixture, CommittedHangulIsTypedIntoTheCell) {
    sendIme(QString(), s("글"));
    ASSERT_NE(grid.inplaceEditor(), nullptr);
    EXPECT_EQ(grid.inplaceEditor()->text(), s("글"));
}

TEST_F(GridFixture, HangulDoesNotEditWhenTheGridForbidsEditing) {
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    sendIme(s("하"), QString());
    EXPECT_EQ(grid.inplaceEditor(), nullptr);
}
