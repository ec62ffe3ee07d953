// Whole-product journeys, each from the main window's button through typing, saving, closing, reopening,
// printing to the preview and to the CUPS queue, and exporting the sheet; and the supplier registration
// whose record and seal show up on the next invoice.
#include "journey_driver.h"

#include "PrtUnit.h"
#include "prevUnt.h"
#include "regnum.h"
#include "subUnt.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>

namespace {

constexpr int dQty = 3, dPrice = 4, dSupply = 5, dTax = 6;
constexpr int gQty = 4, gPrice = 5;
constexpr int kQty = 4, kPrice = 5;

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A business number the check accepts.
QString validBusinessNumber(const QString &firstNine) {
    for (int d = 0; d <= 9; ++d)
        if (CheckRegistrationNumber(TChkKind::ceBussiness, firstNine + QString::number(d)).valid)
            return firstNine + QString::number(d);
    return QString();
}

QString dashed(const QString &number) { return number.left(3) + u'-' + number.mid(3, 2) + u'-' + number.mid(5); }

void setChecked(QCheckBox *box, bool on) {
    ASSERT_NE(box, nullptr);
    if (box->isChecked() != on)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_EQ(box->isChecked(), on) << box->objectName().toStdString();
}

bool anyContains(const QStringList &texts, const QString &what) {
    for (const QString &t : texts)
        if (t.contains(what))
            return true;
    return false;
}

} // namespace

struct Journeys : JourneyFixture {
    QString work() const { return app.path() + QStringLiteral("Work/"); }

    // Prints the document with the preview off on the CUPS queue and checks the PDF that comes out: one
    // page with the form drawn on it. (The queue's PDF carries its glyphs without a text layer, so the
    // words themselves are checked in the preview.)
    void printOnCups(TPrtUntf *dialog, const char *previewBox, const char *okButton, const QString &formName) {
        setChecked(dialog->findChild<QCheckBox *>(QString::fromLatin1(previewBox)), false);
        const QSet<QString> before = PdfFiles();
        click(dialog, okButton);
        EXPECT_EQ(report::TprevUntf::current(), nullptr);
        const QString pdf = waitForNewPdf(before);
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF from CUPS for " << formName.toStdString();
        EXPECT_EQ(PdfPageCount(pdf), 1) << pdf.toStdString();
        const QImage page = PdfFirstPage(pdf);
        ASSERT_FALSE(page.isNull()) << pdf.toStdString();
        int inked = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 200)
                    ++inked;
        EXPECT_GT(inked, page.width() * page.height() / 100) << "the printed page is blank: " << pdf.toStdString();
        QFile::remove(pdf);
    }

    // Exports with the button and returns the values of the workbook the spreadsheet program was given.
    QStringList exportSheet(TsubUntf *editor, const char *button) {
        const qsizetype before = opener.opened.size();
        click(editor, button);
        EXPECT_EQ(opener.opened.size(), before + 1);
        if (opener.opened.size() != before + 1)
            return {};
        const QString xlsx = opener.opened.last();
        EXPECT_TRUE(xlsx.endsWith(QStringLiteral(".xlsx"))) << xlsx.toStdString();
        EXPECT_TRUE(QFileInfo(xlsx).isFile()) << xlsx.toStdString();
        return WorkbookValues(xlsx);
    }
};

TEST_F(Journeys, TaxInvoiceFromTypingToSavedFilePrintAndSheet) {
    const bool cups = HasPdfQueue();
    if (cups)
        chooseCupsPrinter();
    const QString buyerNumber = validBusinessNumber(QStringLiteral("214861234"));
    const QString path = work() + QStringLiteral("하늘문구.Dy5");

    // A new tax invoice: type the buyer and two lines; the totals follow.
    inEditor("duty1Btn", [&](TsubUntf *e) {
        EXPECT_EQ(e->CurrentKind(), DocumentKind::TaxInvoice);
        EXPECT_EQ(text(e, "fNameLabl"), u8("파일명: 이름없음"));
        typeInto(child(e, "bSaNo"), buyerNumber);
        typeInto(child(e, "bSangho"), u8("하늘문구"));
        typeInto(child(e, "bName"), u8("이영희"));
        typeInto(child(e, "bAddr"), u8("부산광역시 해운대구 센텀로 45"));
        EXPECT_EQ(prompts.shown, QStringList(cups ? QStringList{u8("<printer set-up>")} : QStringList()));

        THStringGrid *g = child<THStringGrid>(e, "dGrid");
        typeCell(g, 1, 1, u8("복사용지"));
        typeCell(g, 1, dQty, QStringLiteral("10"));
        typeCell(g, 1, dPrice, QStringLiteral("23400"));
        typeCell(g, 2, 1, u8("레이저토너"));
        typeCell(g, 2, dQty, QStringLiteral("4"));
        typeCell(g, 2, dPrice, QStringLiteral("250000"));
        EXPECT_EQ(g->cellText(1, dSupply).trimmed(), QStringLiteral("234,000"));
        EXPECT_EQ(g->cellText(1, dTax).trimmed(), QStringLiteral("23,400"));
        EXPECT_EQ(g->cellText(2, dSupply).trimmed(), QStringLiteral("1,000,000"));
        EXPECT_EQ(text(e, "Totmy"), QStringLiteral("1,357,400"));
        EXPECT_EQ(boxes(e, "La", 11), QStringLiteral("    1234000"));
        EXPECT_EQ(text(e, "La12"), u8("④"));
        EXPECT_EQ(boxes(e, "Lb", 10), QStringLiteral("    123400"));

        // Save as, in the work folder.
        prompts.fileAnswers = {path};
        click(e, "RnameBtn");
        EXPECT_EQ(e->CurFileName(), path);
        EXPECT_FALSE(e->Modified());
        click(e, "mClose1");
    });

    const QByteArray bytes = fileBytes(path);
    EXPECT_EQ(bytes.size(), 8 * 228);
    EXPECT_TRUE(bytes.contains(cp("하늘문구")));
    EXPECT_TRUE(bytes.contains(cp("레이저토너")));
    EXPECT_TRUE(bytes.contains(dashed(buyerNumber).toLatin1()));

    // Open it again from a fresh editor: the same document, printed and exported.
    inEditor("duty1Btn", [&](TsubUntf *e) {
        prompts.fileAnswers = {path};
        click(e, "fOpen");
        EXPECT_EQ(e->CurFileName(), path);
        EXPECT_EQ(text(e, "fNameLabl"), u8("파일명: ") + path);
        EXPECT_EQ(text(e, "bSangho"), u8("하늘문구"));
        EXPECT_EQ(text(e, "bName"), u8("이영희"));
        EXPECT_EQ(text(e, "bSaNo"), dashed(buyerNumber));
        THStringGrid *g = child<THStringGrid>(e, "dGrid");
        EXPECT_EQ(g->cellText(2, 1).trimmed(), u8("레이저토너"));
        EXPECT_EQ(g->cellText(2, dTax).trimmed(), QStringLiteral("100,000"));
        EXPECT_EQ(text(e, "Totmy"), QStringLiteral("1,357,400"));
        EXPECT_EQ(boxes(e, "La", 11), QStringLiteral("    1234000"));

        inPrintDialog(e, "PrtBtn", [&](TPrtUntf *d) {
            EXPECT_EQ(d->pageIndex(), 0);
            setChecked(d->findChild<QCheckBox *>(QStringLiteral("PrvCheck0")), true);
            inPreview(d, "mOk0", [&](report::TprevUntf *p) {
                const QStringList texts = pageTexts(p->preview()->report());
                EXPECT_TRUE(anyContains(texts, u8("하늘문구")));
                EXPECT_TRUE(anyContains(texts, u8("레이저토너")));
                EXPECT_TRUE(anyContains(texts, QStringLiteral("1,357,400")));
            });
            if (cups)
                printOnCups(d, "PrvCheck0", "mOk0", QStringLiteral("TprtqDtybf"));
        });

        const QStringList values = exportSheet(e, "ExlBtn0");
        EXPECT_TRUE(anyContains(values, u8("하늘문구")));
        EXPECT_TRUE(anyContains(values, u8("복사용지")));
        EXPECT_FALSE(e->Modified());
        click(e, "mClose1");
    });
    EXPECT_TRUE(prompts.shown.filter(u8("<printer set-up>"), Qt::CaseSensitive).size() == (cups ? 1 : 0))
        << prompts.shown.join(u'\n').toStdString();
    if (!cups)
        GTEST_SKIP() << "printing on CUPS left out: no queue \"PDF\"";
}

TEST_F(Journeys, StatementSavedReopenedPrintedAndExported) {
    const bool cups = HasPdfQueue();
    if (cups)
        chooseCupsPrinter();
    const QString path = work() + QStringLiteral("statement.Gy5");

    inEditor("duty2Btn", [&](TsubUntf *e) {
        EXPECT_EQ(e->CurrentKind(), DocumentKind::Statement);
        typeInto(child(e, "bSangho"), u8("바다상회"));
        THStringGrid *g = child<THStringGrid>(e, "gGrid");
        typeCell(g, 1, 1, u8("볼펜"));
        typeCell(g, 1, gQty, QStringLiteral("12"));
        typeCell(g, 1, gPrice, QStringLiteral("500"));
        typeCell(g, 2, 1, u8("공책"));
        typeCell(g, 2, gQty, QStringLiteral("3"));
        typeCell(g, 2, gPrice, QStringLiteral("1500"));
        EXPECT_EQ(text(e, "gMnyEdt"), QStringLiteral("10,500"));
        EXPECT_EQ(text(e, "gVatEdt"), QStringLiteral("1,050"));
        EXPECT_EQ(text(e, "gTotEdt"), QStringLiteral("11,550"));
        prompts.fileAnswers = {path};
        click(e, "RnameBtn");
        EXPECT_EQ(e->CurFileName(), path);
        click(e, "mClose1");
    });
    const QByteArray bytes = fileBytes(path);
    EXPECT_EQ(bytes.size(), 33 * 228);
    EXPECT_TRUE(bytes.contains(cp("바다상회")));

    inEditor("duty2Btn", [&](TsubUntf *e) {
        prompts.fileAnswers = {path};
        click(e, "fOpen");
        EXPECT_EQ(text(e, "bSangho"), u8("바다상회"));
        EXPECT_EQ(child<THStringGrid>(e, "gGrid")->cellText(2, 1).trimmed(), u8("공책"));
        EXPECT_EQ(text(e, "gTotEdt"), QStringLiteral("11,550"));

        inPrintDialog(e, "PrtBtn", [&](TPrtUntf *d) {
            EXPECT_EQ(d->pageIndex(), 1);
            setChecked(d->findChild<QCheckBox *>(QStringLiteral("PrvCheck1")), true);
            inPreview(d, "mOk1", [&](report::TprevUntf *p) {
                const QStringList texts = pageTexts(p->preview()->report());
                EXPECT_TRUE(anyContains(texts, u8("바다상회")));
                EXPECT_TRUE(anyContains(texts, u8("볼펜")));
            });
            if (cups)
                printOnCups(d, "PrvCheck1", "mOk1", QStringLiteral("Tprtq"));
        });
        const QStringList values = exportSheet(e, "ExlBtn0");
        EXPECT_TRUE(anyContains(values, u8("바다상회")));
        EXPECT_TRUE(anyContains(values, u8("공책")));
        click(e, "mClose1");
    });
    if (!cups)
        GTEST_SKIP() << "printing on CUPS left out: no queue \"PDF\"";
}

TEST_F(Journeys, QuotationSavedReopenedPrintedAndExported) {
    const bool cups = HasPdfQueue();
    if (cups)
        chooseCupsPrinter();
    const QString path = work() + QStringLiteral("quote.Prc");

    inEditor("duty3Btn", [&](TsubUntf *e) {
        EXPECT_EQ(e->CurrentKind(), DocumentKind::Quotation);
        typeInto(child(e, "SangHoEdt"), u8("들꽃식품"));
        typeInto(child(e, "NameEdt"), u8("최담당"));
        THStringGrid *k = child<THStringGrid>(e, "kGrid");
        typeCell(k, 1, 1, u8("포장상자"));
        typeCell(k, 1, kQty, QStringLiteral("100"));
        typeCell(k, 1, kPrice, QStringLiteral("1200"));
        typeCell(k, 2, 1, u8("테이프"));
        typeCell(k, 2, kQty, QStringLiteral("20"));
        typeCell(k, 2, kPrice, QStringLiteral("900"));
        EXPECT_EQ(k->cellText(1, 6).trimmed(), QStringLiteral("120,000"));
        EXPECT_TRUE(text(e, "MsgLabel").startsWith(u8(" 一金 : "))) << text(e, "MsgLabel").toStdString();
        EXPECT_TRUE(text(e, "MsgLabel").contains(QStringLiteral("138,000"))) << text(e, "MsgLabel").toStdString();
        prompts.fileAnswers = {path};
        click(e, "RnamekBtn");
        EXPECT_EQ(e->CurFileName(), path);
        click(e, "mClose2");
    });
    const QByteArray bytes = fileBytes(path);
    EXPECT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.contains(cp("들꽃식품")));
    EXPECT_TRUE(bytes.contains(cp("테이프")));

    inEditor("duty3Btn", [&](TsubUntf *e) {
        prompts.fileAnswers = {path};
        click(e, "kOpen");
        EXPECT_EQ(text(e, "SangHoEdt"), u8("들꽃식품"));
        EXPECT_EQ(child<THStringGrid>(e, "kGrid")->cellText(2, 1).trimmed(), u8("테이프"));
        EXPECT_TRUE(text(e, "MsgLabel").contains(QStringLiteral("138,000")));

        inPrintDialog(e, "PrtkBtn", [&](TPrtUntf *d) {
            EXPECT_EQ(d->pageIndex(), 2);
            setChecked(d->findChild<QCheckBox *>(QStringLiteral("PrvCheck2")), true);
            inPreview(d, "mOk2", [&](report::TprevUntf *p) {
                const QStringList texts = pageTexts(p->preview()->report());
                EXPECT_TRUE(anyContains(texts, u8("들꽃식품")));
                EXPECT_TRUE(anyContains(texts, u8("포장상자")));
            });
            if (cups)
                printOnCups(d, "PrvCheck2", "mOk2", QStringLiteral("Tprtqprcef"));
        });
        const QStringList values = exportSheet(e, "ExlBtn2");
        EXPECT_TRUE(anyContains(values, u8("들꽃식품")));
        EXPECT_TRUE(anyContains(values, u8("포장상자")));
        click(e, "mClose2");
    });
    if (!cups)
        GTEST_SKIP() << "printing on CUPS left out: no queue \"PDF\"";
}

TEST_F(Journeys, RegisteredBusinessAndSealAppearOnTheNextInvoice) {
    // A seal picture of the user's own, a red square.
    QImage seal(60, 60, QImage::Format_RGB32);
    seal.fill(QColor(220, 0, 0));
    const QString sealPath = app.file(QStringLiteral("myseal.bmp"));
    ASSERT_TRUE(seal.save(sealPath));
    const QString number = validBusinessNumber(QStringLiteral("105812345"));

    inEditor("UserBtn", [&](TsubUntf *e) {
        EXPECT_EQ(e->CurrentKind(), DocumentKind::Registration);
        for (const char *name : {"SanghoEdit", "NameEdit", "SanoEdit", "imgDir"})
            child<QLineEdit>(e, name)->clear();
        typeInto(child(e, "SanghoEdit"), u8("푸른상사"));
        typeInto(child(e, "NameEdit"), u8("김대표"));
        typeInto(child(e, "SanoEdit"), number);
        typeInto(child(e, "imgDir"), sealPath);
        click(e, "dojOk");
        click(e, "msOk0");
        EXPECT_FALSE(e->isVisible());
    });

    inEditor("duty1Btn", [&](TsubUntf *e) {
        EXPECT_EQ(text(e, "aSangho"), u8("푸른상사"));
        EXPECT_EQ(text(e, "aName"), u8("김대표"));
        EXPECT_EQ(text(e, "aSaNo"), dashed(number));
        typeInto(child(e, "bSangho"), u8("하늘문구"));
        typeCell(child<THStringGrid>(e, "dGrid"), 1, 1, u8("도장시험"));
        typeCell(child<THStringGrid>(e, "dGrid"), 1, dQty, QStringLiteral("1"));
        typeCell(child<THStringGrid>(e, "dGrid"), 1, dPrice, QStringLiteral("1000"));

        inPrintDialog(e, "PrtBtn", [&](TPrtUntf *d) {
            auto *sealBox = d->findChild<QCheckBox *>(QStringLiteral("dojOk0"));
            ASSERT_NE(sealBox, nullptr);
            EXPECT_TRUE(sealBox->isChecked());
            setChecked(d->findChild<QCheckBox *>(QStringLiteral("PrvCheck0")), true);
            inPreview(d, "mOk0", [&](report::TprevUntf *p) {
                const report::RenderedReport &r = p->preview()->report();
                const QStringList texts = pageTexts(r);
                EXPECT_TRUE(anyContains(texts, u8("푸른상사")));
                EXPECT_FALSE(anyContains(texts, u8("사업자번호를 변경하세요")));
                int redSeals = 0;
                for (const report::RenderedPage &page : r.pages)
                    for (const report::PageItem &item : page.items)
                        if (item.type == report::PageItem::Type::Picture && !item.image.isNull() &&
                            item.image.pixelColor(item.image.width() / 2, item.image.height() / 2) == QColor(220, 0, 0))
                            ++redSeals;
                EXPECT_GE(redSeals, 1) << "the seal is not on the printed invoice";
            });
        });
        // Never saved: closing asks first, and 저장 안 함 lets it go.
        prompts.yesNoCancelAnswers = {SaveAnswer::No};
        click(e, "mClose1");
        EXPECT_TRUE(prompts.shown.contains(u8("자료내용이 변경되었습니다 저장할 까요??")));
    });
}
