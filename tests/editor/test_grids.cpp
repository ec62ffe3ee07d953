// The item grids typed into with keys: line amounts, totals, digit boxes, the amount line of the quotation,
// the keys of each column, Alt+D, F11, the double-click splits, and amounts that cannot stand.
#include "arithmetic.h"
#include "behaviour_fixture.h"
#include "invoice_file.h"
#include "look.h"
#include "money.h"
#include "quotation_file.h"
#include "subUntGridCells.h"

#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QInputMethodEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QStackedWidget>
#include <QTextItem>
#include <QToolButton>

namespace {

// Columns of the tax invoice grid and of the statement grid (one higher).
constexpr int dQty = 3, dPrice = 4, dSupply = 5, dTax = 6, dRemark = 7;
constexpr int gQty = 4, gPrice = 5, gSupply = 6, gTax = 7, gRemark = 8;
constexpr int kQty = 4, kPrice = 5, kAmount = 6, kRemark = 7;

QString boxes(BehaviourFixture &f, const char *prefix, int count) {
    QString out;
    for (int i = count; i >= 1; --i)
        out += f.text(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i).toLatin1());
    return out;
}

} // namespace

struct Grids : BehaviourFixture {};

// --- What is typed is what the commands read ---

TEST_F(Grids, CommandsFinishTheCellBeingEditedBeforeTheyReadTheDocument) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    type(g, 1, dQty, QStringLiteral("2"));
    type(g, 1, dPrice, QStringLiteral("5000"), false); // no Enter: the cell is still being edited
    const QString path = app.file(QStringLiteral("typed.Dy5"));
    prompts.fileAnswers = {path};
    QTest::keyClick(g->inplaceEditor(), Qt::Key_S, Qt::AltModifier);
    const InvoiceDocument saved = LoadInvoiceFile(path, GridKind::TaxInvoice).document;
    EXPECT_EQ(saved.lines[0].unitPrice, Money::fromWon(5000));
    EXPECT_EQ(saved.lines[0].supply, Money::fromWon(10000));
    EXPECT_EQ(saved.lines[0].tax, Money::fromWon(1000));
    EXPECT_EQ(cell(g, 1, dPrice), QStringLiteral("5,000"));
    EXPECT_EQ(text("Totmy"), QStringLiteral("11,000"));
    EXPECT_FALSE(editor->Modified());

    // A typed amount that cannot stand stops the command: nothing saved, the text stays to be corrected.
    type(g, 2, dPrice, QStringLiteral("1234567890"), false);
    QTest::keyClick(g->inplaceEditor(), Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(prompts.shown.size(), 1);
    ASSERT_NE(g->inplaceEditor(), nullptr);
    EXPECT_EQ(g->inplaceEditor()->text(), QStringLiteral("1234567890"));
    EXPECT_EQ(LoadInvoiceFile(path, GridKind::TaxInvoice).document.lines, saved.lines);
    key(g, Qt::Key_Escape);

    // The quotation: a quantity typed without Enter, then the save button clicked.
    open(2);
    THStringGrid *k = grid("kGrid");
    type(k, 1, kPrice, QStringLiteral("1500"));
    type(k, 1, kQty, QStringLiteral("3"), false);
    const QString quotation = app.file(QStringLiteral("typed.Prc"));
    prompts.fileAnswers = {quotation};
    QTest::mouseClick(child<QToolButton>(QStringLiteral("SavekBtn")), Qt::LeftButton);
    const QuotationDocument q = LoadQuotationFile(quotation);
    EXPECT_EQ(q.lines[0].quantity, Money::fromWon(3));
    EXPECT_EQ(q.lines[0].amount(), Money::fromWon(4500));
    EXPECT_EQ(text("MsgLabel"), QuotationAmountLine(Money::fromWon(4500)));
}

TEST_F(Grids, LeavingACellWithoutEnterGivesTheTaxOfTheSupplyShown) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    // Each way of leaving the price cell: another cell, Tab, an arrow key, a header field.
    const std::function<void()> leave[] = {
        [&] { g->setCurrentCell(5, 1); },
        [&] { key(g, Qt::Key_Tab); },
        [&] { key(g, Qt::Key_Down); },
        [&] { edit("bSangho")->setFocus(); },
    };
    int row = 1;
    for (const auto &away : leave) {
        type(g, row, dQty, QStringLiteral("1"));
        type(g, row, dPrice, QStringLiteral("10000"), false);
        away();
        EXPECT_EQ(cell(g, row, dPrice), QStringLiteral("10,000")) << row;
        EXPECT_EQ(cell(g, row, dSupply), QStringLiteral("10,000")) << row;
        EXPECT_EQ(cell(g, row, dTax), QStringLiteral("1,000")) << row;
        EXPECT_TRUE(editor->Modified());
        ++row;
    }
    EXPECT_EQ(text("Totmy"), QStringLiteral("44,000"));

    // A quantity changed without Enter: the supply and tax follow it, as after Enter.
    type(g, 1, dQty, QStringLiteral("3"), false);
    g->setCurrentCell(5, 1);
    EXPECT_EQ(cell(g, 1, dSupply), QStringLiteral("30,000"));
    EXPECT_EQ(cell(g, 1, dTax), QStringLiteral("3,000"));
    EXPECT_EQ(text("Totmy"), QStringLiteral("66,000"));
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(Grids, DecimalQuantitiesGiveExactAmounts) {
    open(2);
    THStringGrid *k = grid("kGrid");
    type(k, 1, kQty, QStringLiteral("1.3"));
    type(k, 1, kPrice, QStringLiteral("1500"));
    EXPECT_EQ(cell(k, 1, kAmount), QStringLiteral("1,950"));
    EXPECT_EQ(text("MsgLabel"), QuotationAmountLine(Money::fromWon(1950)));

    // On the tax invoice, a quantity typed after the price.
    open(1, false);
    THStringGrid *g = grid("dGrid");
    type(g, 1, dPrice, QStringLiteral("90"));
    type(g, 1, dQty, QStringLiteral("1.3"));
    EXPECT_EQ(cell(g, 1, dSupply), QStringLiteral("117"));
    EXPECT_EQ(cell(g, 1, dTax), QStringLiteral("11"));
    // The price split by a double click: 1,650 with its tax is 1,500, and 1.3 x 1,500 is 1,950.
    type(g, 3, dQty, QStringLiteral("1.3"));
    type(g, 3, dPrice, QStringLiteral("1650"));
    select(g, 3, dPrice);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(3, dPrice)).center());
    EXPECT_EQ(cell(g, 3, dPrice), QStringLiteral("1,500"));
    EXPECT_EQ(cell(g, 3, dSupply), QStringLiteral("1,950"));
    EXPECT_EQ(cell(g, 3, dTax), QStringLiteral("195"));
    // More decimals than a quantity keeps are refused as typed.
    type(g, 2, dQty, QStringLiteral("1.23456"));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(u8("수량"))) << prompts.shown[0].toStdString();
    EXPECT_EQ(cell(g, 2, dQty), QStringLiteral("0"));
}

// --- Line amounts and totals ---

TEST_F(Grids, NewTaxInvoiceShowsZeroTotalsAndTenBlanks) {
    open(1, false);
    EXPECT_EQ(boxes(*this, "La", 11), QString(10, u' ') + u'0');
    EXPECT_EQ(text("La12"), u8("⑩"));
    EXPECT_EQ(boxes(*this, "Lb", 10), QString(9, u' ') + u'0');
    EXPECT_EQ(text("Totmy"), QStringLiteral("0"));
}

TEST_F(Grids, QuantityTimesPriceGivesSupplyTaxAndDigitBoxes) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    type(g, 1, dQty, QStringLiteral("3"));
    EXPECT_EQ(g->currentColumn(), dPrice);
    type(g, 1, dPrice, QStringLiteral("333"));
    EXPECT_EQ(g->cellText(1, dPrice), FormatAmountText(Money::fromWon(333), 15));
    EXPECT_EQ(g->cellText(1, dSupply), FormatAmountText(Money::fromWon(999), 16));
    EXPECT_EQ(g->cellText(1, dTax), FormatAmountText(Money::fromWon(99), 15));
    EXPECT_EQ(text("Totmy"), QStringLiteral("1,098"));
    EXPECT_EQ(boxes(*this, "La", 11), QString(8, u' ') + QStringLiteral("999"));
    EXPECT_EQ(text("La12"), u8("⑧"));
    EXPECT_EQ(boxes(*this, "Lb", 10), QString(8, u' ') + QStringLiteral("99"));
    EXPECT_TRUE(editor->Modified());

    // A decimal quantity: 2.5 x 1,001 = 2,502.5, truncated.
    type(g, 2, dQty, QStringLiteral("2.5"));
    type(g, 2, dPrice, QStringLiteral("1001"));
    EXPECT_EQ(cell(g, 2, dSupply), QStringLiteral("2,502"));
    EXPECT_EQ(cell(g, 2, dTax), QStringLiteral("250"));
    // A negative price: negative supply and tax, truncated toward zero.
    type(g, 3, dQty, QStringLiteral("2.5"));
    type(g, 3, dPrice, QStringLiteral("-1001"));
    EXPECT_EQ(cell(g, 3, dSupply), QStringLiteral("-2,502"));
    EXPECT_EQ(cell(g, 3, dTax), QStringLiteral("-250"));
    EXPECT_EQ(text("Totmy"), QStringLiteral("1,098"));
    // Quantity and price that add up to zero still make a line: 1 x -1.
    SetCellAmount(g, GridKind::TaxInvoice, 4, dQty, Money::fromWon(1));
    SetCellAmount(g, GridKind::TaxInvoice, 4, dPrice, Money::fromWon(-1));
    SetCellAmount(g, GridKind::TaxInvoice, 4, dSupply, Money::fromWon(500));
    select(g, 4, dPrice);
    pressEnter(g);
    EXPECT_EQ(cell(g, 4, dSupply), QStringLiteral("-1"));
    EXPECT_EQ(cell(g, 4, dTax), QStringLiteral("0"));
}

TEST_F(Grids, StatementTotalsFollowTheLines) {
    open(1, true);
    THStringGrid *g = grid("gGrid");
    type(g, 30, gQty, QStringLiteral("3"));
    type(g, 30, gPrice, QStringLiteral("333"));
    type(g, 1, gSupply, QStringLiteral("10000"));
    EXPECT_EQ(cell(g, 1, gTax), QStringLiteral("1,000"));
    EXPECT_EQ(text("gMnyEdt"), QStringLiteral("10,999"));
    EXPECT_EQ(text("gVatEdt"), QStringLiteral("1,099"));
    EXPECT_EQ(text("gTotEdt"), QStringLiteral("12,098"));
}

TEST_F(Grids, PriceFollowsWhileTypedAndTheTaxCheckKeepsTwoWon) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    type(g, 1, dQty, QStringLiteral("2"));
    // Typing the price without Enter: the supply follows each released key.
    type(g, 1, dPrice, QStringLiteral("500"), false);
    EXPECT_EQ(cell(g, 1, dSupply), QStringLiteral("1,000"));
    pressEnter(g);
    // Escape drops an edit together with what its keys derived.
    type(g, 1, dPrice, QStringLiteral("900"), false);
    EXPECT_EQ(cell(g, 1, dSupply), QStringLiteral("1,800"));
    key(g, Qt::Key_Escape);
    EXPECT_EQ(cell(g, 1, dPrice), QStringLiteral("500"));
    EXPECT_EQ(cell(g, 1, dSupply), QStringLiteral("1,000"));
    EXPECT_EQ(cell(g, 1, dTax), QStringLiteral("100"));

    // The supply typed, the tax typed 2 won off: kept after a key in the supply column, and added.
    type(g, 1, dSupply, QStringLiteral("10000"));
    type(g, 1, dTax, QStringLiteral("1002"));
    select(g, 1, dSupply);
    key(g, Qt::Key_Shift);
    EXPECT_EQ(cell(g, 1, dTax), QStringLiteral("1,002"));
    EXPECT_EQ(text("Totmy"), QStringLiteral("11,002"));
    type(g, 1, dTax, QStringLiteral("998"));
    select(g, 1, dSupply);
    key(g, Qt::Key_Shift);
    EXPECT_EQ(cell(g, 1, dTax), QStringLiteral("998"));
    // 3 won off is replaced by 10 % of the supply.
    type(g, 1, dTax, QStringLiteral("1003"));
    select(g, 1, dSupply);
    key(g, Qt::Key_Shift);
    EXPECT_EQ(cell(g, 1, dTax), QStringLiteral("1,000"));
    EXPECT_EQ(text("Totmy"), QStringLiteral("11,000"));
}

TEST_F(Grids, AmountsSetWithoutTypingCountOnceAnotherCellOrFieldIsChosen) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    // As the item list sets a unit price: the totals follow at the next cell chosen.
    SetCellAmount(g, GridKind::TaxInvoice, 2, dSupply, Money::fromWon(5000));
    select(g, 3, 1);
    EXPECT_EQ(g->cellText(2, dSupply), FormatAmountText(Money::fromWon(5000), 16));
    EXPECT_EQ(text("Totmy"), QStringLiteral("5,000"));
    // Leaving the grid for a field does the same.
    SetCellAmount(g, GridKind::TaxInvoice, 1, dSupply, Money::fromWon(2500));
    edit("bSangho")->setFocus();
    EXPECT_EQ(text("Totmy"), QStringLiteral("7,500"));
}

// --- Double click ---

TEST_F(Grids, DoubleClickSplitsTheTaxOutAndWritesTheDate) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    auto doubleClick = [&](int row, int col) {
        select(g, row, col);
        const QPoint at = g->visualRect(g->model()->index(row, col)).center();
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    };
    type(g, 1, dQty, QStringLiteral("1"));
    type(g, 1, dPrice, QStringLiteral("11000"));
    editor->SetModified(false);
    doubleClick(1, dPrice);
    EXPECT_EQ(cell(g, 1, dPrice), QStringLiteral("10,000"));
    EXPECT_EQ(cell(g, 1, dSupply), QStringLiteral("10,000"));
    EXPECT_EQ(cell(g, 1, dTax), QStringLiteral("1,000"));
    EXPECT_EQ(g->inplaceEditor(), nullptr);
    EXPECT_TRUE(editor->Modified());

    type(g, 2, dSupply, QStringLiteral("11000"));
    doubleClick(2, dSupply);
    EXPECT_EQ(cell(g, 2, dSupply), QStringLiteral("10,000"));
    EXPECT_EQ(cell(g, 2, dTax), QStringLiteral("1,000"));
    EXPECT_EQ(text("Totmy"), QStringLiteral("22,000"));

    edit("DayEdt")->setText(QStringLiteral("2001.05.27"));
    doubleClick(3, 0);
    EXPECT_EQ(g->cellText(3, 0), QStringLiteral("05/27"));

    // The statement's date box gives the statement's dates.
    open(1, true);
    g = grid("gGrid");
    edit("grDay")->setText(QStringLiteral("2024.12.03"));
    doubleClick(4, 0);
    EXPECT_EQ(g->cellText(4, 0), QStringLiteral("12/03"));
}

// --- Keys of the columns ---

TEST_F(Grids, AmountColumnsTakeOnlyTheirCharacters) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    type(g, 1, dQty, QStringLiteral("a1x.5"));
    EXPECT_EQ(cell(g, 1, dQty), QStringLiteral("1.5"));
    type(g, 1, dPrice, QStringLiteral("-2.0b0"));
    EXPECT_EQ(cell(g, 1, dPrice), QStringLiteral("-200"));
    type(g, 1, 1, QStringLiteral("Pen-1.5"));
    EXPECT_EQ(g->cellText(1, 1), QStringLiteral("Pen-1.5"));
    EXPECT_TRUE(prompts.shown.isEmpty());

    open(2);
    THStringGrid *k = grid("kGrid");
    type(k, 1, kQty, QStringLiteral("-1.5"));
    EXPECT_EQ(cell(k, 1, kQty), QStringLiteral("1.5"));
    type(k, 1, kPrice, QStringLiteral("-1.5"));
    EXPECT_EQ(cell(k, 1, kPrice), QStringLiteral("15"));
    // The amount column takes digits only, not even Backspace.
    select(k, 1, kAmount);
    key(k, Qt::Key_F2);
    ASSERT_NE(k->inplaceEditor(), nullptr);
    k->inplaceEditor()->end(false);
    key(k, Qt::Key_Backspace);
    EXPECT_EQ(k->inplaceEditor()->text().trimmed(), QStringLiteral("22"));
}

TEST_F(Grids, EnterInTheLastColumnReturnsToTheFirstTextColumn) {
    open(1, false);
    THStringGrid *d = grid("dGrid");
    type(d, 2, dRemark, QStringLiteral("x"));
    EXPECT_EQ(d->currentRow(), 2);
    EXPECT_EQ(d->currentColumn(), 1);
    type(d, 2, 0, QStringLiteral("1"));
    EXPECT_EQ(d->currentColumn(), 1);

    open(1, true);
    THStringGrid *g = grid("gGrid");
    type(g, 5, gRemark, QStringLiteral("x"));
    EXPECT_EQ(g->currentRow(), 5);
    EXPECT_EQ(g->currentColumn(), 1);
    type(g, 5, 3, QStringLiteral("EA"));
    EXPECT_EQ(g->currentColumn(), gQty);

    open(2);
    THStringGrid *k = grid("kGrid");
    type(k, 3, kRemark, QStringLiteral("x"));
    EXPECT_EQ(k->currentRow(), 3);
    EXPECT_EQ(k->currentColumn(), 1);
}

TEST_F(Grids, EnterWithoutEditingOpensTheNextCell) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    select(g, 1, 1);
    editor->SetModified(false);
    pressEnter(g);
    EXPECT_EQ(g->currentColumn(), 2);
    EXPECT_NE(g->inplaceEditor(), nullptr);
    EXPECT_TRUE(editor->Modified());
}

// --- Quotation ---

TEST_F(Grids, QuotationAmountLineAndQuantityZero) {
    open(2);
    THStringGrid *k = grid("kGrid");
    type(k, 1, kQty, QStringLiteral("3"));
    type(k, 1, kPrice, QStringLiteral("333"));
    EXPECT_EQ(k->cellText(1, kAmount), FormatAmountText(Money::fromWon(999), 16));
    EXPECT_EQ(text("MsgLabel"), QuotationAmountLine(Money::fromWon(999)));
    EXPECT_TRUE(text("MsgLabel").startsWith(u8(" 一金 : ")));

    // Quantity 0: the typed amount is replaced by 0.
    type(k, 2, kPrice, QStringLiteral("500"));
    type(k, 2, kAmount, QStringLiteral("777"));
    EXPECT_EQ(cell(k, 2, kAmount), QStringLiteral("0"));
    EXPECT_EQ(k->currentColumn(), kRemark);
    EXPECT_EQ(text("MsgLabel"), QuotationAmountLine(Money::fromWon(999)));
}

// --- Alt+D ---

TEST_F(Grids, AltDDeletesALineAndKeepsTheLineCount) {
    open(1, true);
    THStringGrid *g = grid("gGrid");
    for (int r = 1; r <= 3; ++r) {
        g->setCellText(r, 1, QStringLiteral("item %1").arg(r));
        type(g, r, gSupply, QString::number(r * 1000));
    }
    g->setCellText(30, 1, QStringLiteral("last"));
    editor->SetModified(false);
    select(g, 2, 1);
    key(g, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(g->rowCount(), 31);
    EXPECT_EQ(g->currentRow(), 2);
    EXPECT_EQ(g->cellText(2, 1), QStringLiteral("item 3"));
    EXPECT_EQ(g->cellText(29, 1), QStringLiteral("last"));
    EXPECT_EQ(g->cellText(30, 1), QString());
    EXPECT_EQ(cell(g, 30, gSupply), QStringLiteral("0"));
    EXPECT_EQ(g->cellText(30, 3), QString());
    EXPECT_EQ(text("gMnyEdt"), QStringLiteral("4,000"));
    EXPECT_TRUE(editor->Modified());

    open(1, false);
    THStringGrid *d = grid("dGrid");
    type(d, 5, dSupply, QStringLiteral("700"));
    select(d, 5, dSupply);
    key(d, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(d->rowCount(), 6);
    EXPECT_EQ(d->currentRow(), 5);
    for (int c : {0, 1, 2, dRemark, 8})
        EXPECT_EQ(d->cellText(5, c), QString()) << c;
    for (int c : {dQty, dPrice, dSupply, dTax})
        EXPECT_EQ(cell(d, 5, c), QStringLiteral("0")) << c;
    EXPECT_EQ(text("Totmy"), QStringLiteral("0"));

    open(2);
    THStringGrid *k = grid("kGrid");
    k->setCellText(1, 1, QStringLiteral("first"));
    type(k, 2, kQty, QStringLiteral("2"));
    type(k, 2, kPrice, QStringLiteral("50"));
    select(k, 1, 1);
    key(k, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(k->rowCount(), 21);
    EXPECT_EQ(cell(k, 1, kAmount), QStringLiteral("100"));
    for (int r = 1; r <= 20; ++r)
        EXPECT_EQ(k->cellText(r, 0), QStringLiteral("%1").arg(r, 2));
    EXPECT_EQ(text("MsgLabel"), QuotationAmountLine(Money::fromWon(100)));
}

// --- F11 ---

TEST_F(Grids, SpecialCharacterGoesToTheEndOfATextCell) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    g->setCellText(1, 1, QStringLiteral("Box"));
    select(g, 1, 1);
    pickerResult = u8("★");
    key(g, Qt::Key_F11);
    EXPECT_EQ(g->cellText(1, 1), u8("Box★"));
    // Cancelled in the picker: unchanged.
    pickerResult = QStringLiteral("Non");
    key(g, Qt::Key_F11);
    EXPECT_EQ(g->cellText(1, 1), u8("Box★"));
    // Not in an amount column.
    pickerResult = u8("※");
    select(g, 1, dPrice);
    key(g, Qt::Key_F11);
    EXPECT_EQ(cell(g, 1, dPrice), QStringLiteral("0"));
    // In an open cell editor, at the end of what is typed.
    type(g, 2, 2, QStringLiteral("A4"), false);
    key(g, Qt::Key_F11);
    pressEnter(g);
    EXPECT_EQ(g->cellText(2, 2), u8("A4※"));
    EXPECT_EQ(pickerRuns, 4);
}

// --- Amounts that cannot stand ---

TEST_F(Grids, AnAmountTooLargeIsRefusedNamingItsColumnAndTheTypedTextStays) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    type(g, 1, dPrice, QStringLiteral("1500"));
    const QString before = g->cellText(1, dPrice);
    type(g, 1, dPrice, QStringLiteral("1234567890"));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(u8("단가 칸"))) << prompts.shown[0].toStdString();
    EXPECT_TRUE(prompts.shown[0].contains(u8("999,999,999"))) << prompts.shown[0].toStdString();
    EXPECT_EQ(g->cellText(1, dPrice), before);
    EXPECT_EQ(g->currentColumn(), dPrice);
    ASSERT_NE(g->inplaceEditor(), nullptr);
    EXPECT_EQ(g->inplaceEditor()->text(), QStringLiteral("1234567890"));
    key(g, Qt::Key_Escape);

    // A price whose product is too large for the supply: the message names the supply column, the line
    // stays as it was, and the typed price waits in its cell to be corrected.
    type(g, 1, dQty, QStringLiteral("100"));
    const QString supply = g->cellText(1, dSupply), quantity = g->cellText(1, dQty);
    prompts.shown.clear();
    type(g, 1, dPrice, QStringLiteral("999999999"));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(u8("공급가액 칸"))) << prompts.shown[0].toStdString();
    EXPECT_TRUE(prompts.shown[0].contains(u8("9,999,999,999"))) << prompts.shown[0].toStdString();
    EXPECT_EQ(g->cellText(1, dPrice), before);
    EXPECT_EQ(g->cellText(1, dSupply), supply);
    EXPECT_EQ(g->cellText(1, dQty), quantity);
    EXPECT_EQ(text("Totmy"), TotalText(ParseAmount(supply) + ParseAmount(g->cellText(1, dTax))));
    ASSERT_NE(g->inplaceEditor(), nullptr);
    EXPECT_EQ(g->inplaceEditor()->text(), QStringLiteral("999999999"));
    // Corrected: one 9 fewer.
    key(g, Qt::Key_Backspace);
    pressEnter(g);
    EXPECT_EQ(cell(g, 1, dSupply), QStringLiteral("9,999,999,900"));
    EXPECT_EQ(prompts.shown.size(), 1);

    // Left by a click instead of Enter: the same message once the focus has settled, and the same wait.
    type(g, 2, dQty, QStringLiteral("100"));
    type(g, 2, dPrice, QStringLiteral("999999999"), false);
    g->setCurrentCell(4, 1);
    QTest::qWait(10);
    ASSERT_EQ(prompts.shown.size(), 2);
    EXPECT_TRUE(prompts.shown[1].contains(u8("공급가액 칸"))) << prompts.shown[1].toStdString();
    EXPECT_EQ(cell(g, 2, dPrice), QStringLiteral("0"));
    ASSERT_NE(g->inplaceEditor(), nullptr);
    EXPECT_EQ(g->currentRow(), 2);
    EXPECT_EQ(g->inplaceEditor()->text(), QStringLiteral("999999999"));
    key(g, Qt::Key_Escape);
}

// --- Input method, entering the quotation grid ---

TEST_F(Grids, ComposedHangulNeverEntersAnAmountColumn) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    auto compose = [](QWidget *target, const QString &preedit, const QString &commit) {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QApplication::sendEvent(target, &event);
    };
    select(g, 1, dPrice);
    compose(g, u8("가"), QString());
    compose(g, QString(), u8("가"));
    EXPECT_EQ(g->inplaceEditor(), nullptr);
    EXPECT_EQ(cell(g, 1, dPrice), QStringLiteral("0"));
    // In an open cell editor as well.
    type(g, 1, dQty, QStringLiteral("5"), false);
    compose(g->inplaceEditor(), QString(), u8("나"));
    EXPECT_EQ(g->inplaceEditor()->text(), QStringLiteral("5"));
    pressEnter(g);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(cell(g, 1, dQty), QStringLiteral("5"));
    // An item name takes it and opens the cell editor with it.
    select(g, 2, 1);
    compose(g, QString(), u8("다"));
    ASSERT_NE(g->inplaceEditor(), nullptr);
    EXPECT_EQ(g->inplaceEditor()->text(), u8("다"));
}

TEST_F(Grids, TheQuotationGridIsEnteredOnTheItemColumn) {
    open(2);
    THStringGrid *k = grid("kGrid");
    QLineEdit *addr = edit("AddrEdt");
    addr->setFocus();
    QTest::keyClick(addr, Qt::Key_Return);
    ASSERT_TRUE(k->hasFocus());
    EXPECT_EQ(k->currentRow(), 1);
    EXPECT_EQ(k->currentColumn(), kcol::item);
    QTest::keyClick(k, Qt::Key_A);
    QTest::keyClick(k->inplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(k->cellText(1, kcol::item), QStringLiteral("a"));
    EXPECT_EQ(k->cellText(1, kcol::number), QStringLiteral(" 1"));
    // The line numbers cannot be typed over.
    k->setCurrentCell(2, kcol::number);
    QTest::keyClick(k, Qt::Key_7);
    EXPECT_EQ(k->inplaceEditor(), nullptr);
    EXPECT_EQ(k->cellText(2, kcol::number), QStringLiteral(" 2"));
}

// --- Amount cells are drawn whole ---

namespace {

// A paint device that records where text is drawn, in device pixels, instead of drawing it.
class TextRecorder : public QPaintEngine {
public:
    struct Drawn {
        QString text;
        QRectF box;
    };
    QList<Drawn> drawn;
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawRects(const QRectF *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override {
        const QRectF box(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        drawn << Drawn{item.text(), painter()->combinedTransform().mapRect(box)};
    }
    Type type() const override { return QPaintEngine::User; }
};

class RecordingDevice : public QPaintDevice {
public:
    mutable TextRecorder engine;
    QPaintEngine *paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return 2000;
        case PdmHeight: return 200;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }
};

} // namespace

TEST_F(Grids, TheWidestAmountOfEveryColumnIsDrawnWholeInsideItsCell) {
    struct Page {
        int pageKind;
        bool statement;
        const char *grid;
        GridKind kind;
    };
    const Page pages[] = {{1, false, "dGrid", GridKind::TaxInvoice},
                          {1, true, "gGrid", GridKind::Statement},
                          {2, false, "kGrid", GridKind::Quotation}};
    for (const Page &page : pages) {
        open(page.pageKind, page.statement);
        THStringGrid *g = grid(page.grid);
        for (int col = 0; col < g->columnCount(); ++col) {
            const std::optional<AmountColumn> column = AmountColumnAt(page.kind, col);
            if (!column)
                continue;
            // The widest values the column takes: all nines as long as they fit, and their negative.
            QList<Money> widest;
            for (const bool negative : {false, true}) {
                std::int64_t nines = 9;
                while (Holds(*column, Money::fromWon((nines * 10 + 9) * (negative ? -1 : 1))))
                    nines = nines * 10 + 9;
                widest << Money::fromWon(nines * (negative ? -1 : 1));
            }
            widest << ParseAmount(QStringLiteral("99999.9999")) << ParseAmount(QStringLiteral("-9999.9999"));
            for (const Money value : widest) {
                if (!Holds(*column, value))
                    continue;
                SetCellAmount(g, page.kind, 3, col, value);
                const QString shown = g->cellText(3, col);
                const QModelIndex index = g->model()->index(3, col);
                QStyleOptionViewItem option;
                option.rect = g->visualRect(index);
                option.font = g->font();
                option.fontMetrics = QFontMetrics(g->font());
                option.palette = g->palette();
                option.state = QStyle::State_Enabled;
                RecordingDevice device;
                {
                    QPainter painter(&device);
                    g->itemDelegate()->paint(&painter, option, index);
                }
                QString drawnText;
                QRectF box;
                for (const TextRecorder::Drawn &d : device.engine.drawn) {
                    drawnText += d.text;
                    box = box.united(d.box);
                }
                const std::string where =
                    std::string(page.grid) + " column " + std::to_string(col) + " " + shown.toStdString();
                EXPECT_EQ(drawnText, shown.trimmed()) << where;
                EXPECT_GE(box.left(), option.rect.left()) << where;
                EXPECT_LE(box.right(), option.rect.right() + 1) << where;
                // Condensed no more than needed: the text takes the room it has.
                EXPECT_GE(box.width(),
                          qMin<qreal>(option.fontMetrics.horizontalAdvance(shown.trimmed()), option.rect.width() - 4) -
                              1)
                    << where;
            }
        }
    }
}

TEST_F(Grids, PastedTextLoneSignsAndLongTextsDoNotBreakTheGrid) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    type(g, 1, dQty, QStringLiteral("2"));
    // Pasted text that is no number: refused, the cell keeps its value.
    QGuiApplication::clipboard()->setText(u8("열두 개 12,-3"));
    select(g, 1, dQty);
    key(g, Qt::Key_F2);
    key(g, Qt::Key_V, Qt::ControlModifier);
    pressEnter(g);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(cell(g, 1, dQty), QStringLiteral("2"));
    key(g, Qt::Key_Escape); // the pasted text, back in the cell editor, given up
    // Pasted, then left by a click elsewhere: refused as well, once the focus has settled.
    select(g, 1, dQty);
    key(g, Qt::Key_F2);
    key(g, Qt::Key_V, Qt::ControlModifier);
    g->setCurrentCell(2, 1);
    QTest::qWait(10);
    EXPECT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(cell(g, 1, dQty), QStringLiteral("2"));
    // What was pasted waits in the cell to be corrected; Escape gives it up.
    ASSERT_NE(g->inplaceEditor(), nullptr);
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_EQ(g->inplaceEditor()->text(), u8("열두 개 12,-3"));
    key(g, Qt::Key_Escape);
    EXPECT_EQ(g->inplaceEditor(), nullptr);

    // A lone "-" reads as 0; a lone "." is refused.
    prompts.shown.clear();
    type(g, 2, dPrice, QStringLiteral("-"));
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(cell(g, 2, dPrice), QStringLiteral("0"));
    type(g, 2, dQty, QStringLiteral("."));
    EXPECT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(cell(g, 2, dQty), QStringLiteral("0"));
    // Minus signs typed while the line is computed as keys are released.
    prompts.shown.clear();
    type(g, 3, dQty, QStringLiteral("-"));
    type(g, 3, dPrice, QStringLiteral("--5"), false);
    key(g, Qt::Key_Escape);
    EXPECT_TRUE(prompts.shown.isEmpty());

    const QString longText(5000, u'가');
    g->setCellText(4, 1, longText);
    select(g, 4, 2);
    EXPECT_EQ(g->cellText(4, 1), longText);
    EXPECT_EQ(text("Totmy"), TotalText(editor->invoiceDocument().total()));
}

TEST_F(Grids, TotalsTooLargeForTheDigitBoxesShowTheOverflow) {
    open(1, true);
    THStringGrid *g = grid("gGrid");
    for (int r = 1; r <= 30; ++r) {
        SetCellAmount(g, GridKind::Statement, r, gSupply, Money::fromWon(9'999'999'999));
        SetCellAmount(g, GridKind::Statement, r, gTax, Money::fromWon(999'999'999));
    }
    editor->Recalculate(true);
    EXPECT_EQ(text("gMnyEdt"), QStringLiteral("299,999,999,970"));
    EXPECT_EQ(text("gVatEdt"), QStringLiteral("29,999,999,970"));
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(text(QStringLiteral("La%1").arg(i).toLatin1()), QStringLiteral("#")) << i;
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(text(QStringLiteral("Lb%1").arg(i).toLatin1()), QStringLiteral("#")) << i;
    EXPECT_EQ(child<QLabel>(QStringLiteral("La1"))->palette().color(QPalette::WindowText), look::Alarm());

    // Back within the boxes: digits again, in black.
    for (int r = 2; r <= 30; ++r)
        SetCellAmount(g, GridKind::Statement, r, gSupply, Money());
    editor->Recalculate(true);
    EXPECT_EQ(boxes(*this, "La", 11), QStringLiteral(" 9999999999"));
    EXPECT_EQ(text("La12"), u8("①"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("La1"))->palette().color(QPalette::WindowText), look::Field().text);
}

// On a screen scaled by 1.5 every line between two digit boxes is as thick as every other: the boxes once
// drew a frame each, and two frames side by side came out 2, 3 or 4 screen pixels thick.
TEST_F(Grids, DigitBoxLinesAreEvenOnAScreenScaledByOneAndAHalf) {
    open(1, false);
    QLabel *first = child<QLabel>(QStringLiteral("La12"));
    QLabel *last = child<QLabel>(QStringLiteral("Lb1"));
    QWidget *panel = first->parentWidget();
    const QRect strip = first->geometry() | last->geometry();
    QImage picture(panel->size() * 3 / 2, QImage::Format_RGB32);
    picture.setDevicePixelRatio(1.5);
    picture.fill(Qt::white);
    panel->render(&picture);
    // Along a row through the boxes' middle, above their digits: the runs of dark pixels.
    const int y = int((strip.top() + 3) * 1.5);
    QList<int> lines;
    int run = 0;
    for (int x = int(strip.left() * 1.5); x < int((strip.right() + 1) * 1.5) + 2 && x < picture.width(); ++x) {
        if (qGray(picture.pixel(x, y)) < 128) {
            ++run;
        } else if (run > 0) {
            lines << run;
            run = 0;
        }
    }
    if (run > 0)
        lines << run;
    // Blank count and 11 supply boxes, then 10 tax boxes: 11 + 9 lines between boxes, 4 outer edges.
    ASSERT_EQ(lines.size(), 24) << QDebug::toString(lines).toStdString();
    const QList<int> between = lines.mid(1, 11) + lines.mid(14, 9);
    for (int width : between)
        EXPECT_EQ(width, between.first()) << QDebug::toString(lines).toStdString();
}

// Pictures of the pages with lines typed in, for a person to look at (screenshots/editor/ in the build).
TEST_F(Grids, FilledPagesArePictured) {
    const QString folder = QStringLiteral(ZARU_SCREENSHOT_DIR "/");
    QDir().mkpath(folder);
    open(1, false);
    THStringGrid *d = grid("dGrid");
    d->setCellText(1, 1, u8("A4 복사용지"));
    type(d, 1, dQty, QStringLiteral("3"));
    type(d, 1, dPrice, QStringLiteral("23000"));
    d->setCellText(2, 1, u8("볼펜 (흑색)"));
    type(d, 2, dQty, QStringLiteral("2.5"));
    type(d, 2, dPrice, QStringLiteral("-1001"));
    // The widest amounts the columns take, condensed into their cells.
    type(d, 3, dQty, QStringLiteral("10"));
    type(d, 3, dPrice, QStringLiteral("999999999"));
    type(d, 4, dQty, QStringLiteral("-9999.9999"));
    type(d, 4, dPrice, QStringLiteral("-99999"));
    select(d, 5, 1);
    EXPECT_TRUE(editor->grab().save(folder + QStringLiteral("tax_invoice_filled.png")));

    open(1, true);
    THStringGrid *g = grid("gGrid");
    for (int r = 1; r <= 30; ++r)
        SetCellAmount(g, GridKind::Statement, r, gSupply, Money::fromWon(9'999'999'999));
    editor->Recalculate(true);
    EXPECT_TRUE(editor->grab().save(folder + QStringLiteral("statement_overflow.png")));

    open(2);
    THStringGrid *k = grid("kGrid");
    k->setCellText(1, 1, u8("노트북"));
    type(k, 1, kQty, QStringLiteral("2"));
    type(k, 1, kPrice, QStringLiteral("1250000"));
    EXPECT_TRUE(editor->grab().save(folder + QStringLiteral("quotation_filled.png")));
}
