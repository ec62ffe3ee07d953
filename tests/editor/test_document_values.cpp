// The editor's controls and the document snapshots: what goes out comes back in.
#include "HStrGrid.h"
#include "subUnt.h"
#include "test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

TEST(EditorSnapshot, InvoiceRoundTripsThroughTheControls) {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    TsubUntf editor(nullptr, 1, true, 0);
    editor.show();
    InvoiceSnapshot in = editor.invoiceSnapshot();
    EXPECT_TRUE(in.statement);
    in.Gbn = BuyerKind::Individual;
    in.JuMinNo = s("900101-1234567");
    in.bSangho = s("김개인");
    in.bAddr = s("부산광역시 해운대구");
    in.DayEdt = s("2024.05.20");
    in.grDay = s("2024.05.20"); // the statement and the tax invoice carry one date
    in.grEdit = s("사무용품");
    in.DtysNo = s("00-1234");
    in.receipt = false;
    in.gGrid[4][1] = s("볼펜");
    in.gGrid[4][4] = s("3");
    in.gGrid[29][8] = s("끝줄");
    editor.showInvoiceSnapshot(in);

    const InvoiceSnapshot out = editor.invoiceSnapshot();
    EXPECT_EQ(out.Gbn, BuyerKind::Individual);
    EXPECT_EQ(editor.findChild<QComboBox *>(QStringLiteral("Gbn"))->currentIndex(), 1);
    EXPECT_EQ(out.JuMinNo, in.JuMinNo);
    EXPECT_EQ(out.bSangho, in.bSangho);
    EXPECT_EQ(out.DayEdt, in.DayEdt);
    EXPECT_EQ(out.grDay, in.grDay);
    EXPECT_EQ(out.grEdit, in.grEdit);
    EXPECT_EQ(out.DtysNo, in.DtysNo);
    EXPECT_FALSE(out.receipt);
    EXPECT_EQ(out.gGrid, in.gGrid);
    EXPECT_EQ(editor.findChild<THStringGrid *>(QStringLiteral("gGrid"))->cellText(5, 1), s("볼펜"));
}

TEST(EditorSnapshot, EmptyMaskedFieldsAreEmptyText) {
    ScratchAppFolder app;
    TsubUntf editor(nullptr, 1, false, 0);
    editor.show();
    const InvoiceSnapshot snap = editor.invoiceSnapshot();
    EXPECT_EQ(snap.bSaNo, QString());
    EXPECT_EQ(snap.JuMinNo, QString());
    EXPECT_EQ(snap.DtysNo, QString());
    EXPECT_FALSE(snap.statement);
}

TEST(EditorSnapshot, QuotationRoundTripsThroughTheControls) {
    ScratchAppFolder app;
    TsubUntf editor(nullptr, 2, false, 0);
    editor.show();
    QuotationSnapshot in = editor.quotationSnapshot();
    in.SangHoEdt = s("다라상사");
    in.NameEdt = s("이담당");
    in.AddrEdt = s("대전광역시");
    in.Day1Edt = s("2024.05.20");
    in.Day2Edt = s("2024.06.01");
    in.fMemo = QStringList{s("첫 줄"), s("둘째 줄")};
    in.kGrid[0][1] = s("복사지");
    editor.showQuotationSnapshot(in);
    const QuotationSnapshot out = editor.quotationSnapshot();
    EXPECT_EQ(out.SangHoEdt, in.SangHoEdt);
    EXPECT_EQ(out.Day1Edt, in.Day1Edt);
    EXPECT_EQ(out.Day2Edt, in.Day2Edt);
    EXPECT_EQ(out.fMemo, in.fMemo);
    EXPECT_EQ(out.kGrid, in.kGrid);
}
