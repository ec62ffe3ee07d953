// The editor's controls and the document values: what goes out comes back in, amounts to the last won.
#include "HStrGrid.h"
#include "amount_columns.h"
#include "subUnt.h"
#include "test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
Money won(qint64 w) { return Money::fromWon(w); }
} // namespace

TEST(EditorDocument, InvoiceRoundTripsThroughTheControls) {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    TsubUntf editor(nullptr, 1, true, 0);
    editor.show();
    InvoiceDocument in = editor.invoiceDocument();
    EXPECT_TRUE(in.statement);
    in.buyerKind = BuyerKind::Individual;
    in.buyer.number = s("900101-1234567");
    in.buyer.name = s("김개인");
    in.buyer.address = s("부산광역시 해운대구");
    in.issueDate = s("2024.05.20");
    in.statementDate = s("2024.05.20"); // the statement and the tax invoice carry one date
    in.description = s("사무용품");
    in.serialNumber = s("00-1234");
    in.receipt = false;
    in.cash = won(-1200);
    in.lines[4].item = s("볼펜");
    in.lines[4].quantity = Money::fromRaw(31234); // 3.1234
    in.lines[29].remark = s("끝줄");
    // The widest values each amount column takes, negative and positive.
    in.lines[0].unitPrice = won(-999999999);
    in.lines[0].tax = won(-999999999);
    in.lines[0].supply = won(-999999999);
    in.lines[1].unitPrice = won(999999999);
    in.lines[1].supply = won(9999999999);
    in.lines[1].tax = won(999999999);
    editor.showInvoiceDocument(in);

    const InvoiceDocument out = editor.invoiceDocument();
    EXPECT_EQ(out, in);
    EXPECT_EQ(editor.findChild<QComboBox *>(QStringLiteral("Gbn"))->currentIndex(), 1);
    auto *grid = editor.findChild<THStringGrid *>(QStringLiteral("gGrid"));
    const InvoiceColumns c = ColumnsOf(GridKind::Statement);
    EXPECT_EQ(grid->cellText(5, c.item), s("볼펜"));
    EXPECT_EQ(grid->cellText(5, c.quantity), s("3.1234"));
    EXPECT_EQ(grid->cellText(1, c.unitPrice).trimmed(), s("-999,999,999"));
    EXPECT_EQ(grid->cellText(2, c.supply).trimmed(), s("9,999,999,999"));
    // The totals follow the lines shown.
    EXPECT_EQ(editor.findChild<QLineEdit *>(QStringLiteral("gMnyEdt"))->text(), TotalText(in.supplyTotal()));
}

TEST(EditorDocument, EmptyMaskedFieldsAreEmptyText) {
    ScratchAppFolder app;
    TsubUntf editor(nullptr, 1, false, 0);
    editor.show();
    const InvoiceDocument d = editor.invoiceDocument();
    EXPECT_EQ(d.buyer.number, QString());
    EXPECT_EQ(d.serialNumber, QString());
    EXPECT_FALSE(d.statement);
}

TEST(EditorDocument, QuotationRoundTripsThroughTheControls) {
    ScratchAppFolder app;
    TsubUntf editor(nullptr, 2, false, 0);
    editor.show();
    QuotationDocument in = editor.quotationDocument();
    in.recipient = s("다라상사");
    in.contact = s("이담당");
    in.address = s("대전광역시");
    in.quoteDate = s("2024.05.20");
    in.deliveryDate = s("2024.06.01");
    in.memo = QStringList{s("첫 줄"), s("둘째 줄")};
    in.lines[0].item = s("복사지");
    in.lines[0].quantity = won(9);
    in.lines[0].unitPrice = won(999999999);
    editor.showQuotationDocument(in);
    const QuotationDocument out = editor.quotationDocument();
    EXPECT_EQ(out, in);
    auto *grid = editor.findChild<THStringGrid *>(QStringLiteral("kGrid"));
    EXPECT_EQ(grid->cellText(1, kcol::amount).trimmed(), s("8,999,999,991"));
}

// A document whose amounts the grid cannot hold is refused whole: nothing on screen changes.
TEST(EditorDocument, AmountsBeyondTheColumnsAreRefusedBeforeAnythingChanges) {
    ScratchAppFolder app;
    TsubUntf editor(nullptr, 1, false, 0);
    editor.show();
    const InvoiceDocument before = editor.invoiceDocument();
    InvoiceDocument in = before;
    in.buyer.name = s("바뀐상호");
    in.lines[4].unitPrice = won(1000000000);
    EXPECT_THROW(editor.showInvoiceDocument(in), AppError);
    EXPECT_EQ(editor.invoiceDocument(), before);
}
