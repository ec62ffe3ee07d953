// The fill step of every print job, checked by element name on the filled form.

#include "amount_columns.h"
#include "codec.h"
#include "errors.h"
#include "print_fill.h"
#include "print_fixtures.h"
#include "print_preparation.h"
#include "report_renderer.h"
#include "settings_keys.h"
#include "test_support.h"

#include <QImage>
#include <QTemporaryDir>
#include <QPrinter>
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

using namespace printjobs;
using namespace Qt::Literals::StringLiterals;
using fixtures::u;
using report::Element;
using report::Label;
using report::ReportForm;
using report::Shape;

namespace {

const QString kReminder = u("사업자번호를 변경하세요");

PrintOptions taxOptions() {
    PrintOptions o;
    o.page = PrintPage::TaxInvoice;
    o.preview = false;
    o.message = u("감사합니다");
    return o;
}

PrintOptions statementOptions() {
    PrintOptions o = taxOptions();
    o.page = PrintPage::Statement;
    return o;
}

QString printed(const ReportForm &f, const QString &name) { return f.label(name).printText(); }

// The digit boxes stem1 .. stem<count> (stem1 the units) read from left to right, blank boxes left out.
QString boxDigits(const ReportForm &f, const QString &stem, int count) {
    QString out;
    for (int i = count; i >= 1; --i)
        out += printed(f, stem + QString::number(i));
    return out.remove(u' ');
}

// Every label of the form whose tag passes, and every shape.
template <typename F> void forEachFormElement(const ReportForm &f, const report::TagRule &isForm, F &&visit) {
    for (const auto &e : f.elements())
        if (e->kind() == Element::Kind::Shape || (e->kind() == Element::Kind::Label && isForm(e->tag)))
            visit(*e);
}

struct FillTest : ::testing::Test {
    ScratchAppFolder app;
};

} // namespace

// --- Common preparation ---

TEST_F(FillTest, MarginsFollowTheOffsetsAndNeverGoNegative) {
    InvoiceDocument doc = fixtures::taxInvoice();
    PrintOptions o = taxOptions();
    auto base = FillTaxInvoice(doc, o);
    EXPECT_EQ(base->margins.top, 220);
    EXPECT_EQ(base->margins.bottom, 100);
    EXPECT_EQ(base->margins.left, 278);
    EXPECT_EQ(base->margins.right, 202);

    o.topOffset = 5;
    o.leftOffset = -3;
    auto moved = FillTaxInvoice(doc, o);
    EXPECT_EQ(moved->margins.top, 225);
    EXPECT_EQ(moved->margins.bottom, 95);
    EXPECT_EQ(moved->margins.left, 275);
    EXPECT_EQ(moved->margins.right, 205);

    // An offset past the opposite margin leaves that margin at zero.
    o.topOffset = 120;
    o.leftOffset = -300;
    auto clamped = FillTaxInvoice(doc, o);
    EXPECT_EQ(clamped->margins.top, 340);
    EXPECT_EQ(clamped->margins.bottom, 0);
    EXPECT_EQ(clamped->margins.left, 0);
    EXPECT_EQ(clamped->margins.right, 502);

    // The same offset moves the receipt in millimetres and the statement in tenths.
    PrintOptions s = statementOptions();
    s.topOffset = 5;
    EXPECT_EQ(FillStatementSheet(fixtures::statement(3), s, 0, false)->margins.top, 200);
    s.statement = false;
    auto receipt = FillReceipt(fixtures::statement(3), s);
    EXPECT_EQ(receipt->margins.top, 40);
    EXPECT_DOUBLE_EQ(receipt->marginMm(receipt->margins.top) - receipt->marginMm(35), 5.0);
}

// The millimetre forms took offsets up to 999 and printed a blank sheet: an offset that would push part
// of a form off the paper ends the job with a message naming the field and its largest value.
TEST_F(FillTest, OffsetsThatPushTheFormOffThePaperAreRefusedNamingTheField) {
    auto refusal = [](const std::function<void()> &fill) -> QString {
        try {
            fill();
        } catch (const AppError &e) {
            return e.message();
        }
        return QString();
    };
    PrintOptions receipt = statementOptions();
    receipt.statement = false;
    receipt.topOffset = 999;
    const QString top = refusal([&] { FillReceipt(fixtures::statement(3), receipt); });
    EXPECT_TRUE(top.startsWith(u("위쪽여백 999 "))) << top.toStdString();
    receipt.topOffset = 0;
    receipt.leftOffset = 999;
    const QString left = refusal([&] { FillReceipt(fixtures::statement(3), receipt); });
    EXPECT_TRUE(left.startsWith(u("좌측여백 999 "))) << left.toStdString();

    PrintOptions quote = taxOptions();
    quote.page = PrintPage::Quotation;
    quote.topOffset = 500;
    EXPECT_TRUE(refusal([&] { FillQuotation(fixtures::quotation(2), quote); }).contains(u("위쪽여백")));

    // The largest value the message names still prints the whole form on the paper, and one more does not.
    PrintOptions tax = taxOptions();
    tax.topOffset = 9999;
    const QString message = refusal([&] { FillTaxInvoice(fixtures::taxInvoice(), tax); });
    const qsizetype at = message.lastIndexOf(u(" 이하로"));
    ASSERT_GT(at, 0) << message.toStdString();
    const int largest = message.left(at).section(u' ', -1).toInt();
    EXPECT_GE(largest, 120); // the offsets in use on pre-printed paper stay allowed
    tax.topOffset = largest;
    auto fits = FillTaxInvoice(fixtures::taxInvoice(), tax);
    double bottom = 0;
    for (const auto &e : fits->elements())
        bottom = std::max(bottom, fits->bandTop(e->band) + e->rect.bottom());
    EXPECT_LE(fits->marginMm(fits->margins.top) + bottom / report::kPixelsPerMm, fits->pageSizeMm.height());
    tax.topOffset = largest + 1;
    EXPECT_FALSE(refusal([&] { FillTaxInvoice(fixtures::taxInvoice(), tax); }).isEmpty());

    // Negative offsets only bring the form to the paper's edge.
    receipt.leftOffset = -99;
    receipt.topOffset = -99;
    EXPECT_TRUE(refusal([&] { FillReceipt(fixtures::statement(3), receipt); }).isEmpty());
}

TEST_F(FillTest, SealIsLoadedOnlyWhenWantedAndPresent) {
    PrintOptions o = taxOptions();
    o.seal = true;
    o.sealPicture = app.file(u"dojang.bmp"_s);
    auto missing = FillTaxInvoice(fixtures::taxInvoice(), o);
    EXPECT_TRUE(missing->picture(u"adjmge"_s).image.isNull());
    EXPECT_EQ(SealImagePath(), app.file(u"dojang.bmp"_s));

    QImage seal(64, 64, QImage::Format_RGB32);
    seal.fill(Qt::red);
    ASSERT_TRUE(seal.save(app.file(u"dojang.bmp"_s)));
    auto loaded = FillTaxInvoice(fixtures::taxInvoice(), o);
    EXPECT_FALSE(loaded->picture(u"adjmge"_s).image.isNull());
    EXPECT_FALSE(loaded->picture(u"bdjmge"_s).image.isNull());

    o.seal = false;
    auto none = FillTaxInvoice(fixtures::taxInvoice(), o);
    EXPECT_TRUE(none->picture(u"adjmge"_s).image.isNull());
    EXPECT_TRUE(SealImagePath().isEmpty());

    // The long statement and the quotation follow the choice too.
    PrintOptions q;
    q.page = PrintPage::Quotation;
    q.seal = true;
    q.sealPicture = app.file(u"dojang.bmp"_s);
    EXPECT_FALSE(FillQuotation(fixtures::quotation(1), q)->picture(u"djmage"_s).image.isNull());
    PrintOptions s = statementOptions();
    s.sealPicture = q.sealPicture;
    s.seal = false;
    EXPECT_TRUE(FillLongStatement(fixtures::statement(13), s)->picture(u"djmage"_s).image.isNull());
    s.seal = true;
    EXPECT_FALSE(FillLongStatement(fixtures::statement(13), s)->picture(u"djmage"_s).image.isNull());
}

TEST_F(FillTest, TheSealPrintsAsInkAndGreyInBlackAndWhite) {
    // A red seal on white paper: its white must not hide the words it is printed over.
    QImage seal(64, 64, QImage::Format_RGB32);
    seal.fill(Qt::white);
    for (int y = 16; y < 48; ++y)
        for (int x = 16; x < 48; ++x)
            seal.setPixelColor(x, y, x < 32 ? QColor(255, 0, 0) : QColor(255, 128, 128));
    ASSERT_TRUE(seal.save(app.file(u"dojang.bmp"_s)));
    PrintOptions o = statementOptions();
    o.seal = true;
    o.sealPicture = app.file(u"dojang.bmp"_s);
    auto colour = FillStatementSheet(fixtures::statement(3), o, 0, false);
    const QImage ink = colour->picture(u"adjmge"_s).image;
    EXPECT_EQ(ink.pixelColor(2, 2).alpha(), 0);
    EXPECT_EQ(ink.pixelColor(20, 20), QColor(255, 0, 0));
    // A light tint is the same red, half covering.
    EXPECT_EQ(ink.pixelColor(40, 40).red(), 255);
    EXPECT_NEAR(ink.pixelColor(40, 40).alpha(), 127, 1);

    o.blackWhite = true;
    const auto pictureOf = [](report::ReportForm &form, const QString &name) {
        const report::RenderedReport rendered = report::Render(form);
        for (const report::PageItem &i : rendered.pages.front().items)
            if (i.type == report::PageItem::Type::Picture && i.name == name)
                return i.image;
        return QImage();
    };
    for (auto &form : {FillStatementSheet(fixtures::statement(3), o, 0, false),
                       FillLongStatement(fixtures::statement(13), o), FillTaxInvoice(fixtures::taxInvoice(), o)}) {
        const QString name = form->has(u"djmage"_s) ? u"djmage"_s : u"adjmge"_s;
        const QColor drawn = pictureOf(*form, name).pixelColor(20, 20);
        EXPECT_EQ(drawn.red(), drawn.green()) << form->className().toStdString();
        EXPECT_EQ(drawn.green(), drawn.blue());
        EXPECT_LT(drawn.red(), 128);
        EXPECT_EQ(pictureOf(*form, name).pixelColor(2, 2).alpha(), 0);
    }
}

TEST_F(FillTest, DocumentsAreNamedByKindPartyAndDate) {
    PrintOptions o = taxOptions();
    auto tax = FillTaxInvoice(fixtures::taxInvoice(), o);
    EXPECT_EQ(tax->documentTitle, u("세금계산서 (주)대한상사 2024-05-20"));
    o.withTax = false;
    EXPECT_EQ(FillTaxInvoice(fixtures::taxInvoice(), o)->documentTitle, u("계산서 (주)대한상사 2024-05-20"));
    EXPECT_EQ(FillStatementSheet(fixtures::statement(2), statementOptions(), 0, false)->documentTitle,
              u("거래명세표 (주)대한상사 2024-05-20"));
    EXPECT_EQ(FillQuotation(fixtures::quotation(1), o)->documentTitle, u("견적서 (주)대한상사 2024-05-01"));
    EXPECT_EQ(DocumentTitle(u("영수증"), QString(), u("    .  .  ")), u("영수증"));

    // The PDF's title, the proposed file name and the print job's name follow.
    const report::RenderedReport pages = report::Render(*tax);
    EXPECT_EQ(pages.title, u("세금계산서 (주)대한상사 2024-05-20"));
    EXPECT_EQ(report::DocumentFileName(u("견적서 A/S 센터 2024-05-01"), u"pdf"_s), u("견적서 A_S 센터 2024-05-01.pdf"));
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"job.pdf"_s));
    ASSERT_TRUE(report::PrintReport(pages, printer));
    EXPECT_EQ(printer.docName(), pages.title);
}

// --- Tax invoice ---

TEST_F(FillTest, TaxInvoiceHeaderPartiesAndLinesInBothCopies) {
    const InvoiceDocument doc = fixtures::taxInvoice();
    auto f = FillTaxInvoice(doc, taxOptions());
    EXPECT_EQ(f->className(), u"TprtqDtybf"_s);
    const QStringList serial = {u"0"_s, u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(f->text(u"DtysNoa"_s + QString::number(i + 1)), serial[i]);
        EXPECT_EQ(f->text(u"DtysNob"_s + QString::number(i + 1)), serial[i]);
    }
    EXPECT_EQ(f->text(u"DtyfNoa"_s), u"12"_s);
    EXPECT_EQ(f->text(u"DtyeNob"_s), u"345"_s);
    EXPECT_EQ(f->text(u"BtnA"_s), u("(영수)"));
    EXPECT_EQ(f->text(u"BtnB"_s), u("(영수) "));
    // The sample supplier's number prints as the reminder in both copies.
    EXPECT_EQ(f->text(u"aSaNo"_s), kReminder);
    EXPECT_EQ(f->text(u"cSaNo"_s), kReminder);
    EXPECT_EQ(f->text(u"cSangho"_s), u("한빛상사"));
    EXPECT_EQ(f->text(u"bSaNo"_s), u"105-81-67890"_s);
    EXPECT_EQ(f->text(u"dSaNo"_s), u"105-81-67890"_s);
    EXPECT_EQ(f->text(u"dUpJong"_s), u("전자부품"));
    EXPECT_EQ(f->text(u"LabelYer"_s), u"2024"_s);
    EXPECT_EQ(f->text(u"bLablMth"_s), u"05"_s);
    EXPECT_EQ(f->text(u"bLablDay"_s), u"20"_s);
    EXPECT_TRUE(f->text(u"LDtyEtc"_s).isEmpty());
    // Supply 75,000 + 60,000 + 178,000 and tax 7,500 + 6,000 + 17,800, a digit a box; five boxes left
    // blank before the supply.
    for (const QString &p : {QString(), u"b"_s}) {
        EXPECT_EQ(boxDigits(*f, p + u"La"_s, 11), u"313000"_s);
        EXPECT_EQ(boxDigits(*f, p + u"Lb"_s, 10), u"31300"_s);
        EXPECT_EQ(f->text(p + u"La12"_s), u("⑤"));
        EXPECT_EQ(printed(*f, p + u"Totmy"_s), u("₩344,300"));
        EXPECT_EQ(printed(*f, p + u"Cashmy"_s), u("₩344,300"));
    }
    EXPECT_EQ(printed(*f, u"bCheckmy"_s), QString()); // a zero total prints empty
    EXPECT_EQ(f->text(u"LDy2"_s), u"05"_s);
    EXPECT_EQ(f->text(u"bLMy2"_s), u"11"_s);
    EXPECT_EQ(f->text(u"bLName3"_s), u("토너 카트리지"));
    EXPECT_EQ(printed(*f, u"LNo2"_s), u"10"_s);
    EXPECT_EQ(printed(*f, u"LCost1"_s), u"25,000"_s);
    EXPECT_EQ(printed(*f, u"bLMny3"_s), u"178,000"_s);
    EXPECT_EQ(printed(*f, u"bLVat1"_s), u"7,500"_s);
    EXPECT_EQ(printed(*f, u"LMny5"_s), QString());
    EXPECT_EQ(f->text(u"LEtc1"_s), u("납품"));
    EXPECT_EQ(f->text(u"ShangHo"_s), u("감사합니다"));
    EXPECT_FALSE(f->text(u"kelmorLabel"_s).isEmpty());
}

TEST_F(FillTest, TaxInvoiceClaimResidentBuyerAndNoDates) {
    InvoiceDocument doc = fixtures::taxInvoice();
    doc.receipt = false;
    doc.buyerKind = BuyerKind::Individual;
    doc.buyer.number = u("800101-1234567");
    doc.supplier.number = u("214-86-12345");
    PrintOptions o = taxOptions();
    o.noDate = true;
    auto f = FillTaxInvoice(doc, o);
    EXPECT_EQ(f->text(u"BtnA"_s), u("(청구)"));
    EXPECT_EQ(f->text(u"BtnB"_s), u("(청구) "));
    EXPECT_EQ(f->text(u"bSaNo"_s), u("800101-1234567"));
    EXPECT_EQ(f->text(u"dSaNo"_s), u("800101-1234567"));
    EXPECT_EQ(f->text(u"aSaNo"_s), u"214-86-12345"_s);
    for (const char *n : {"LabelYer", "LabelMth", "LabelDay", "bLablYer", "bLablMth", "bLablDay"})
        EXPECT_TRUE(f->text(QString::fromLatin1(n)).isEmpty()) << n;
    for (int k = 1; k <= 5; ++k)
        for (const QString &p : {u"LDy"_s, u"LMy"_s, u"bLDy"_s, u"bLMy"_s})
            EXPECT_TRUE(f->text(p + QString::number(k)).isEmpty()) << p.toStdString() << k;
    EXPECT_EQ(f->text(u"LName1"_s), u("A4 복사용지"));
    EXPECT_EQ(f->text(u"bLName1"_s), u("A4 복사용지"));
}

TEST_F(FillTest, TaxInvoiceOnFormPaperPrintsTheDataOnly) {
    PrintOptions o = taxOptions();
    o.formPaper = true;
    auto f = FillTaxInvoice(fixtures::taxInvoice(), o);
    int formLabels = 0;
    forEachFormElement(*f, report::TagIsOneOrTwo(), [&](const Element &e) {
        if (e.kind() == Element::Kind::Shape) {
            EXPECT_EQ(static_cast<const Shape &>(e).penStyle, Qt::NoPen) << e.name.toStdString();
        } else {
            ++formLabels;
            EXPECT_TRUE(static_cast<const Label &>(e).text.isEmpty()) << e.name.toStdString();
            EXPECT_FALSE(static_cast<const Label &>(e).frame.right);
        }
    });
    EXPECT_GT(formLabels, 100);
    EXPECT_TRUE(f->text(u"kelmorLabel"_s).isEmpty());
    EXPECT_EQ(f->text(u"ShangHo"_s), u("감사합니다"));
    // Data where it was, the lower copy 3 pixels higher.
    EXPECT_EQ(f->text(u"cSaNo"_s), kReminder);
    EXPECT_DOUBLE_EQ(f->bandTop(1), 492);
    EXPECT_DOUBLE_EQ(f->shape(u"QRShape14"_s).rect.height(), 492);
    EXPECT_DOUBLE_EQ(FillTaxInvoice(fixtures::taxInvoice(), taxOptions())->bandTop(1), 495);
    // Black-and-white alone keeps the copies where they are.
    o.formPaper = false;
    o.blackWhite = true;
    EXPECT_DOUBLE_EQ(FillTaxInvoice(fixtures::taxInvoice(), o)->bandTop(1), 495);
}

TEST_F(FillTest, BlackAndWhiteRecoloursOnlyFormElements) {
    PrintOptions o = taxOptions();
    o.blackWhite = true;
    auto f = FillTaxInvoice(fixtures::taxInvoice(), o);
    forEachFormElement(*f, report::TagIsOneOrTwo(), [&](const Element &e) {
        if (e.kind() == Element::Kind::Shape) {
            EXPECT_EQ(static_cast<const Shape &>(e).penColor, QColor(Qt::black));
            EXPECT_NE(static_cast<const Shape &>(e).penStyle, Qt::NoPen);
        } else {
            EXPECT_EQ(static_cast<const Label &>(e).color, QColor(Qt::black)) << e.name.toStdString();
        }
    });
    // Data stay black; the received or claimed word, drawn in the copy's colour, prints black too.
    EXPECT_EQ(f->label(u"BtnA"_s).color, QColor(Qt::black));
    EXPECT_EQ(f->label(u"BtnB"_s).color, QColor(Qt::black));
    EXPECT_EQ(f->label(u"LName1"_s).color, QColor(Qt::black));
}

TEST_F(FillTest, InvoiceWithoutTaxTotalsTheLines) {
    InvoiceDocument doc = fixtures::taxInvoice();
    doc.lines = InvoiceDocument::empty(false).lines;
    doc.lines[0].supply = Money::fromWon(1000);
    doc.lines[0].tax = Money::fromWon(100);
    doc.lines[1].supply = Money::fromWon(2000);
    doc.lines[1].tax = Money::fromWon(200); // the lines' tax is not part of this total
    PrintOptions o = taxOptions();
    o.withTax = false;
    auto f = FillTaxInvoice(doc, o);
    EXPECT_EQ(f->className(), u"TprtqZerof"_s);
    EXPECT_EQ(printed(*f, u"Totmy"_s), u("₩3,000"));
    EXPECT_EQ(printed(*f, u"bTotmy"_s), u("₩3,000"));
    EXPECT_FALSE(f->has(u"LVat1"_s));
    EXPECT_FALSE(f->has(u"Lb1"_s));
    EXPECT_EQ(f->text(u"BtnB"_s), u("(영수) "));
}

// --- Transaction statement ---

TEST_F(FillTest, TwelveLinesPrintOneSheetWithBothCopies) {
    InvoiceDocument doc = fixtures::statement(12);
    PrintOptions o = statementOptions();
    EXPECT_EQ(ChooseStatementLayout(doc, o), StatementLayout::ShortForm);
    auto f = FillStatementSheet(doc, o, 0, false);
    EXPECT_EQ(f->text(u"NumberA"_s), u"1"_s);
    EXPECT_EQ(f->text(u"NumberB"_s), u"1"_s);
    for (const QString &p : {u"a"_s, u"b"_s}) {
        EXPECT_EQ(f->text(p + u"SaNo"_s), kReminder);
        EXPECT_EQ(f->text(p + u"Sangho"_s), u("한빛상사")); // the supplier, in both copies
        EXPECT_EQ(f->text(p + u"SaNob"_s), u"105-81-67890"_s);
        EXPECT_EQ(f->text(p + u"Sanghob"_s), u("(주)대한상사"));
        EXPECT_EQ(f->text(p + u"UpJongb"_s), u("전자부품"));
        EXPECT_EQ(f->text(p + u"LDate"_s), u("작성일자 2024년 05월 20일"));
        EXPECT_EQ(f->text(p + u"Dy01"_s), u"24/05/03"_s);
        EXPECT_EQ(f->text(p + u"Name12"_s), u("품목12"));
        EXPECT_EQ(f->text(p + u"Unit12"_s), u("개"));
        EXPECT_EQ(printed(*f, p + u"Mny12"_s), u"12,000"_s);
        EXPECT_EQ(printed(*f, p + u"Totmy"_s), u"78,000"_s);
        EXPECT_EQ(printed(*f, p + u"Vatmy"_s), u"7,800"_s);
        EXPECT_EQ(printed(*f, p + u"Summy"_s), u"85,800"_s);
    }
    EXPECT_EQ(f->text(u"ShangHo"_s), u("감사합니다"));
    // A line without a date prints no date.
    auto three = FillStatementSheet(fixtures::statement(3), o, 0, false);
    EXPECT_EQ(three->text(u"aDy04"_s), u"24/"_s);
    EXPECT_EQ(printed(*three, u"aDy04"_s), QString());
}

TEST_F(FillTest, BalanceCarriedOverPrintsWithoutTheSign) {
    PrintOptions o = statementOptions();
    o.balance = Money::fromWon(150000);
    auto f = FillStatementSheet(fixtures::statement(2), o, 0, false);
    EXPECT_EQ(f->text(u"aMisum"_s), FormatMoneyText(Money::fromWon(150000), 16, true));
    EXPECT_EQ(printed(*f, u"bMisum"_s), u"150,000"_s);
    o.balanceShown = false;
    auto off = FillStatementSheet(fixtures::statement(2), o, 0, false);
    EXPECT_EQ(printed(*off, u"aMisum"_s), QString());
}

TEST_F(FillTest, ThirteenLinesTakeTheLongFormInTheChosenCopy) {
    InvoiceDocument doc = fixtures::statement(13);
    PrintOptions o = statementOptions();
    o.copyChoiceShown = true;
    EXPECT_EQ(ChooseStatementLayout(doc, o), StatementLayout::LongForm);
    auto buyer = FillLongStatement(doc, o);
    EXPECT_EQ(buyer->className(), u"TprtqPricef"_s);
    EXPECT_EQ(buyer->text(u"TilteLabel"_s), u("(공급받는자 보관용)"));
    EXPECT_EQ(buyer->label(u"TilteLabel"_s).color, report::kNavy);
    EXPECT_EQ(buyer->text(u"NumberA"_s), u"1"_s);
    EXPECT_EQ(buyer->text(u"aName13"_s), u("품목13"));
    EXPECT_TRUE(buyer->text(u"aName14"_s).isEmpty());
    EXPECT_EQ(printed(*buyer, u"aTotmy"_s), u"91,000"_s);
    EXPECT_EQ(buyer->text(u"ShangHo"_s), u("감사합니다  "));
    EXPECT_FALSE(buyer->text(u"kelmorLabel"_s).isEmpty());
    EXPECT_EQ(buyer->margins.top, 290);

    o.buyerCopy = false;
    auto supplier = FillLongStatement(doc, o);
    EXPECT_EQ(supplier->text(u"TilteLabel"_s), u("(공급자 보관용)"));
    forEachFormElement(*supplier, report::TagIs(1), [&](const Element &e) {
        if (e.kind() == Element::Kind::Shape) {
            const auto &s = static_cast<const Shape &>(e);
            EXPECT_EQ(s.penColor, report::kRed);
            if (s.tag == 1) {
                EXPECT_EQ(s.brush, std::optional<QColor>(report::kRedShade));
            }
        } else {
            EXPECT_EQ(static_cast<const Label &>(e).color, report::kRed) << e.name.toStdString();
        }
    });

    o.blackWhite = true;
    auto bw = FillLongStatement(doc, o);
    forEachFormElement(*bw, report::TagIs(1), [&](const Element &e) {
        if (e.kind() == Element::Kind::Shape) {
            EXPECT_EQ(static_cast<const Shape &>(e).penColor, QColor(Qt::black));
            EXPECT_EQ(static_cast<const Shape &>(e).brush, std::optional<QColor>(QColor(Qt::white)));
        } else {
            EXPECT_EQ(static_cast<const Label &>(e).color, QColor(Qt::black));
        }
    });
    // Even without the dialog's panel a 13th line never falls off the page.
    o.copyChoiceShown = false;
    EXPECT_EQ(ChooseStatementLayout(doc, o), StatementLayout::LongForm);
}

TEST_F(FillTest, FormPaperSheetsOfTwelveWithTotalsOnTheLastOnly) {
    PrintOptions o = statementOptions();
    o.formPaper = true;
    InvoiceDocument twenty = fixtures::statement(20);
    EXPECT_EQ(ChooseStatementLayout(twenty, o), StatementLayout::FormPaperSheets);
    const QList<StatementSheet> plan = PlanStatementSheets(twenty);
    ASSERT_EQ(plan.size(), 2);
    EXPECT_EQ(plan[0].first, 0);
    EXPECT_TRUE(plan[0].continued);
    EXPECT_EQ(plan[0].pauseBeforeMs, 0);
    EXPECT_EQ(plan[1].first, 12);
    EXPECT_FALSE(plan[1].continued);
    EXPECT_EQ(plan[1].pauseBeforeMs, 1300);

    auto first = FillStatementSheet(twenty, o, plan[0].first, plan[0].continued);
    EXPECT_EQ(first->text(u"NumberB"_s), u"1"_s);
    for (const char *n : {"aMisum", "aTotmy", "aVatmy", "aSummy", "bMisum", "bTotmy", "bVatmy", "bSummy"}) {
        EXPECT_EQ(first->text(QString::fromLatin1(n)), u"0"_s);
        EXPECT_EQ(printed(*first, QString::fromLatin1(n)), QString());
    }
    auto second = FillStatementSheet(twenty, o, plan[1].first, plan[1].continued);
    EXPECT_EQ(second->text(u"NumberA"_s), u"2"_s);
    EXPECT_EQ(second->text(u"bName01"_s), u("품목13"));
    EXPECT_EQ(second->text(u"aName08"_s), u("품목20"));
    EXPECT_TRUE(second->text(u"aName09"_s).isEmpty());
    EXPECT_EQ(printed(*second, u"bSummy"_s), u"231,000"_s); // 210,000 and 21,000

    // Form paper: no form words, no ruling, white cells, the lower copy 12 pixels lower.
    forEachFormElement(*first, report::TagIs(1), [&](const Element &e) {
        if (e.kind() == Element::Kind::Shape) {
            EXPECT_EQ(static_cast<const Shape &>(e).penStyle, Qt::NoPen);
            EXPECT_EQ(static_cast<const Shape &>(e).brush, std::optional<QColor>(QColor(Qt::white)));
        } else {
            EXPECT_TRUE(static_cast<const Label &>(e).text.isEmpty()) << e.name.toStdString();
        }
    });
    EXPECT_TRUE(first->text(u"kelmorLabel"_s).isEmpty());
    EXPECT_DOUBLE_EQ(first->bandTop(1), 524);

    const QList<StatementSheet> thirty = PlanStatementSheets(fixtures::statement(30));
    ASSERT_EQ(thirty.size(), 3);
    EXPECT_TRUE(thirty[1].continued);
    EXPECT_EQ(thirty[2].first, 24);
    EXPECT_FALSE(thirty[2].continued);
    EXPECT_EQ(thirty[2].pauseBeforeMs, 2500);
    auto third = FillStatementSheet(fixtures::statement(30), o, 24, false);
    EXPECT_EQ(third->text(u"NumberA"_s), u"3"_s);
    EXPECT_EQ(third->text(u"aName06"_s), u("품목30"));
    EXPECT_TRUE(third->text(u"aName07"_s).isEmpty()); // past the grid's last line
    EXPECT_EQ(printed(*third, u"aDy12"_s), QString());

    EXPECT_EQ(PlanStatementSheets(fixtures::statement(12)).size(), 1);
}

// --- Simple receipt ---

TEST_F(FillTest, ReceiptHoldsFifteenLinesAndTheSupplyTotal) {
    InvoiceDocument doc = fixtures::statement(15);
    PrintOptions o = statementOptions();
    o.statement = false;
    EXPECT_EQ(ChooseStatementLayout(doc, o), StatementLayout::Receipt);
    EXPECT_FALSE(ReceiptTooLong(doc));
    auto f = FillReceipt(doc, o);
    for (const QString &p : {u"a"_s, u"b"_s}) {
        EXPECT_EQ(f->text(p + u"Name15"_s), u("품목15"));
        EXPECT_EQ(printed(*f, p + u"Mny15"_s), u"15,000"_s);
        EXPECT_EQ(f->text(p + u"SaNo"_s), kReminder);
        EXPECT_EQ(f->text(p + u"Sangho"_s), u("한빛상사")); // the supplier in both copies
        EXPECT_EQ(f->text(p + u"LSangho"_s), u("(주)대한상사"));
        EXPECT_EQ(f->text(p + u"LDate"_s), u"2024.05.20"_s);
        // The supply total, not the grand total with tax.
        EXPECT_EQ(f->text(p + u"MnyMsg"_s).trimmed(), u("₩120,000"));
    }
    EXPECT_EQ(f->text(u"ShangHo"_s), u("감사합니다"));
    EXPECT_FALSE(f->text(u"kelmorLabel"_s).isEmpty());
}

// Lines after an empty one are printed: layouts and sheets follow the last filled line.
TEST_F(FillTest, LinesAfterAnEmptyLineArePrinted) {
    InvoiceDocument doc = fixtures::statement(3);
    fixtures::statementLine(doc, 13, u("품목14"), 1, 5000);
    fixtures::statementLine(doc, 14, u("품목15"), 1, 7000);
    PrintOptions o = statementOptions();
    EXPECT_EQ(ChooseStatementLayout(doc, o), StatementLayout::LongForm);
    auto longForm = FillLongStatement(doc, o);
    EXPECT_EQ(longForm->text(u"aName15"_s), u("품목15"));
    EXPECT_EQ(printed(*longForm, u"aMny14"_s), u"5,000"_s);

    o.formPaper = true;
    const QList<StatementSheet> plan = PlanStatementSheets(doc);
    ASSERT_EQ(plan.size(), 2);
    EXPECT_TRUE(plan[0].continued);
    EXPECT_EQ(plan[1].first, 12);
    EXPECT_FALSE(plan[1].continued);
    auto second = FillStatementSheet(doc, o, plan[1].first, plan[1].continued);
    EXPECT_EQ(second->text(u"aName03"_s), u("품목15"));

    // A line holding only a supply and a tax is counted in the totals, so it is printed as well.
    InvoiceDocument late = fixtures::statement(2);
    late.lines[26].supply = Money::fromWon(500);
    late.lines[26].tax = Money::fromWon(-500);
    EXPECT_EQ(PlanStatementSheets(late).size(), 3);

    // The receipt holds 15 lines: a 17th after an empty 16th does not fit it either.
    InvoiceDocument receipt = fixtures::statement(15);
    fixtures::statementLine(receipt, 16, u("품목17"), 1, 100);
    EXPECT_TRUE(ReceiptTooLong(receipt));
}

TEST_F(FillTest, ReceiptLimitLooksAtTheSixteenthLine) {
    InvoiceDocument doc = fixtures::statement(15);
    doc.lines[15].unit = u("박스"); // a unit alone does not fill a line
    EXPECT_FALSE(ReceiptTooLong(doc));
    doc.lines[15].quantity = Money::fromWon(5);
    doc.lines[15].unitPrice = Money::fromWon(-5); // numbers that cancel out do not either
    EXPECT_FALSE(ReceiptTooLong(doc));
    doc.lines[15].unitPrice = Money();
    EXPECT_TRUE(ReceiptTooLong(doc));
    EXPECT_TRUE(ReceiptTooLong(fixtures::statement(16)));
}

TEST_F(FillTest, ReceiptPaperOptionsOnlyRecolour) {
    PrintOptions o = statementOptions();
    o.statement = false;
    o.formPaper = true;
    auto paper = FillReceipt(fixtures::statement(3), o);
    auto plain = FillReceipt(fixtures::statement(3), statementOptions());
    ASSERT_EQ(paper->elements().size(), plain->elements().size());
    for (size_t i = 0; i < paper->elements().size(); ++i) {
        const Element &a = *paper->elements()[i];
        if (a.kind() == Element::Kind::Shape) {
            EXPECT_NE(static_cast<const Shape &>(a).penStyle, Qt::NoPen);
        } else if (a.kind() == Element::Kind::Label) {
            EXPECT_EQ(static_cast<const Label &>(a).text, static_cast<const Label &>(*plain->elements()[i]).text);
        }
    }
    o.formPaper = false;
    o.blackWhite = true;
    auto bw = FillReceipt(fixtures::statement(3), o);
    forEachFormElement(*bw, report::TagIs(1), [&](const Element &e) {
        const QColor c = e.kind() == Element::Kind::Shape ? static_cast<const Shape &>(e).penColor
                                                          : static_cast<const Label &>(e).color;
        EXPECT_EQ(c, QColor(Qt::black)) << e.name.toStdString();
    });
}

// --- Quotation ---

TEST_F(FillTest, RepresentativeNameSpacing) {
    EXPECT_EQ(SpacedRepresentativeName(u("김철")), u("김       철"));
    EXPECT_EQ(SpacedRepresentativeName(u("홍길동")), u("홍    길    동"));
    EXPECT_EQ(SpacedRepresentativeName(u("남궁민수")), u("남  궁  민  수"));
    EXPECT_EQ(SpacedRepresentativeName(u("남궁길동이")), u("남궁길동이"));
    EXPECT_EQ(SpacedRepresentativeName(u(" 홍 길 동 ")), SpacedRepresentativeName(u("홍길동")));
    EXPECT_EQ(SpacedRepresentativeName(u"ABCD"_s), u"AB       CD"_s);
    // Cutting every two bytes would split the Hangul syllable; such a name prints as typed.
    EXPECT_EQ(SpacedRepresentativeName(u("A홍B")), u("A홍B"));
}

TEST_F(FillTest, QuotationSupplierBlockComesFromTheRegisteredRecord) {
    PrintOptions o;
    o.page = PrintPage::Quotation;
    // The quotation shows the number itself, also the sample's.
    o.supplier = sample::Supplier();
    auto sample = FillQuotation(fixtures::quotation(1), o);
    EXPECT_EQ(sample->text(u"SaNoLabel"_s),
              QString::fromUtf16(sample::kUpjong) + u(" 사업번호: ") + QString::fromUtf16(sample::kSaNo));

    o.supplier = {u("214-86-12345"), u("새한물산"), u("이 순 신"), u("부산광역시 중구"), u("제조"), u("전자부품")};
    auto f = FillQuotation(fixtures::quotation(1), o);
    EXPECT_EQ(f->text(u"SangHo2"_s), u("새한물산"));
    EXPECT_EQ(f->text(u"SaNoLabel"_s), u("전자부품 사업번호: 214-86-12345"));
    EXPECT_EQ(f->text(u"Name2"_s), u("대     표 :    이    순    신   [印]"));
    EXPECT_EQ(f->text(u"Addr2"_s), u("부산광역시 중구"));
}

TEST_F(FillTest, QuotationCustomerDatesLinesAndMemo) {
    QuotationDocument q = fixtures::quotation(20);
    PrintOptions o;
    o.page = PrintPage::Quotation;
    o.topOffset = 3;
    auto f = FillQuotation(q, o);
    EXPECT_EQ(f->margins.top, 13);
    EXPECT_EQ(f->margins.bottom, 7);
    EXPECT_EQ(f->text(u"SangHo1"_s), u("(주)대한상사"));
    EXPECT_EQ(f->text(u"Name1"_s), u("박담당"));
    EXPECT_EQ(f->text(u"mTel"_s), u("(031)123-4567"));
    EXPECT_EQ(f->text(u"Addr1"_s), u("경기도 성남시 분당구 판교역로 235"));
    EXPECT_EQ(f->text(u"DayLabel"_s), u("2024년 05월 20일"));
    EXPECT_EQ(f->text(u"mSgeLabel"_s), u(" 견적일자 : 2024년 05월 01일"));
    // 1,500 x (1 + 2 + ... + 20), in words and in figures.
    EXPECT_EQ(RemoveBlanks(f->text(u"TitleName"_s)), u("一金:삼십일만오천원整(₩315,000)"));
    EXPECT_EQ(f->text(u"HRMemo"_s), u("1. 부가세 별도\n2. 납품 후 30일 이내 결제"));
    EXPECT_EQ(f->text(u"NAMEL20"_s), u("견적품목20"));
    EXPECT_EQ(printed(*f, u"NoL20"_s), u"20"_s);
    EXPECT_EQ(printed(*f, u"CntL20"_s), u"20"_s);
    EXPECT_EQ(printed(*f, u"MnyL20"_s), u"30,000"_s);
    EXPECT_EQ(f->text(u"UnitL01"_s), u("개"));
}

// --- Amounts on the forms ---

namespace {

// The amount as a person reads it off the page once separators and blanks are gone: the sign, the whole
// won and the decimals a quantity keeps, made from the raw value; zero prints empty.
QString readAs(Money amount) {
    const std::int64_t raw = amount.raw();
    if (raw == 0)
        return QString();
    const std::uint64_t magnitude = raw < 0 ? std::uint64_t(0) - std::uint64_t(raw) : std::uint64_t(raw);
    std::string text = std::to_string(magnitude / std::uint64_t(Money::Scale));
    std::string decimals =
        std::to_string(magnitude % std::uint64_t(Money::Scale) + std::uint64_t(Money::Scale)).substr(1);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    if (!decimals.empty())
        text += '.' + decimals;
    return QString::fromStdString(raw < 0 ? '-' + text : text);
}

// What a printed amount reads: its text without thousands separators, blanks and won sign.
QString readBack(const ReportForm &f, const QString &name) {
    QString text = printed(f, name);
    return text.remove(u',').remove(u' ').remove(QChar(cp949::WonSign));
}

// Digit boxes show a total a digit (or its sign) a box, or '#' in every box when it has more characters
// than boxes.
void expectBoxes(const ReportForm &f, const QString &stem, int count, Money total) {
    const QString digits = total.raw() == 0 ? u"0"_s : readAs(total);
    if (digits.size() <= count) {
        EXPECT_EQ(boxDigits(f, stem, count), digits) << stem.toStdString();
    } else {
        EXPECT_EQ(boxDigits(f, stem, count), QString(count, u'#')) << stem.toStdString();
    }
}

// Amounts the columns hold, of every width up to the column's text width: a random number of digits, often
// all nines (the widest amount of so many digits), negative where the column takes a sign, with up to the
// column's decimals. A drawn amount the column does not hold is drawn again.
class AmountDraw {
public:
    Money operator()(AmountColumn column) {
        const AmountLimits &l = LimitsOf(column);
        for (;;) {
            const int decimals = pick(0, l.decimals);
            const bool negative = l.negative && pick(0, 2) == 0;
            const int room = l.width - (negative ? 1 : 0) - (decimals > 0 ? decimals + 1 : 0);
            const int digits = pick(1, std::min(room, 14));
            std::int64_t top = 1;
            for (int i = 0; i < digits; ++i)
                top *= 10;
            const std::int64_t whole = pick(0, 2) == 0 ? top - 1 : pick(top / 10, top - 1);
            std::int64_t fraction = 0;
            if (decimals > 0) {
                std::int64_t unit = Money::Scale;
                for (int i = 0; i < decimals; ++i)
                    unit /= 10;
                fraction = pick(1, Money::Scale / unit - 1) * unit;
            }
            const Money value = Money::fromRaw((whole * Money::Scale + fraction) * (negative ? -1 : 1));
            if (Holds(column, value))
                return value;
        }
    }
    std::int64_t pick(std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(rng_);
    }

private:
    std::mt19937_64 rng_{20240520};
};

InvoiceLine drawnLine(AmountDraw &draw, int n) {
    InvoiceLine l;
    l.item = u("품목") + QString::number(n);
    l.quantity = draw(AmountColumn::Quantity);
    l.unitPrice = draw(AmountColumn::UnitPrice);
    l.supply = draw(AmountColumn::Supply);
    l.tax = draw(AmountColumn::Tax);
    return l;
}

// The four amounts of a printed line read back as the line's own, given the form's cell names.
void expectLine(const ReportForm &f, const InvoiceLine &l, const QString &quantity, const QString &unitPrice,
                const QString &supply, const QString &tax) {
    SCOPED_TRACE(supply.toStdString());
    EXPECT_EQ(readBack(f, quantity), readAs(l.quantity));
    EXPECT_EQ(readBack(f, unitPrice), readAs(l.unitPrice));
    EXPECT_EQ(readBack(f, supply), readAs(l.supply));
    if (!tax.isEmpty()) {
        EXPECT_EQ(readBack(f, tax), readAs(l.tax));
    }
}

struct Sums {
    Money supply, tax;
};
Sums sumsOf(const QList<InvoiceLine> &lines) {
    std::int64_t supply = 0, tax = 0;
    for (const InvoiceLine &l : lines) {
        supply += l.supply.raw();
        tax += l.tax.raw();
    }
    return {Money::fromRaw(supply), Money::fromRaw(tax)};
}

} // namespace

// Whatever amount a column holds, the printed form shows it whole and exactly: every line cell of random
// tax invoices, statements and quotations reads back as the document's value, and so does every total.
TEST_F(FillTest, EveryAmountTheColumnsHoldPrintsExactly) {
    AmountDraw draw;
    for (int n = 0; n < 24; ++n) {
        SCOPED_TRACE("document " + std::to_string(n));

        InvoiceDocument tax = fixtures::taxInvoice();
        for (int k = 0; k < 5; ++k)
            tax.lines[k] = drawnLine(draw, k + 1);
        const Sums t = sumsOf(tax.lines);
        tax.cash = draw(AmountColumn::Supply);
        tax.credit = Money::fromRaw(t.supply.raw() + t.tax.raw() - tax.cash.raw());
        PrintOptions o = taxOptions();
        o.withTax = n % 4 != 3;
        auto f = FillTaxInvoice(tax, o);
        for (const QString &p : {QString(), u"b"_s}) {
            for (int k = 1; k <= 5; ++k) {
                const QString s = QString::number(k);
                expectLine(*f, tax.lines[k - 1], p + u"LNo"_s + s, p + u"LCost"_s + s, p + u"LMny"_s + s,
                           o.withTax ? p + u"LVat"_s + s : QString());
            }
            expectBoxes(*f, p + u"La"_s, 11, t.supply);
            if (o.withTax)
                expectBoxes(*f, p + u"Lb"_s, 10, t.tax);
            EXPECT_EQ(readBack(*f, p + u"Totmy"_s), readAs(o.withTax ? t.supply + t.tax : t.supply));
            EXPECT_EQ(readBack(*f, p + u"Cashmy"_s), readAs(tax.cash));
            EXPECT_EQ(readBack(*f, p + u"Creditmy"_s), readAs(tax.credit));
        }

        InvoiceDocument statement = fixtures::statement(0);
        const int lines = int(draw.pick(1, 30));
        for (int k = 0; k < lines; ++k)
            statement.lines[k] = drawnLine(draw, k + 1);
        const Sums s = sumsOf(statement.lines);
        const bool longForm = lines > 12;
        auto sheet = longForm ? FillLongStatement(statement, statementOptions())
                              : FillStatementSheet(statement, statementOptions(), 0, false);
        for (const QString &p : longForm ? QStringList{u"a"_s} : QStringList{u"a"_s, u"b"_s}) {
            for (int k = 1; k <= lines; ++k) {
                const QString c = QString::number(k).rightJustified(2, u'0');
                expectLine(*sheet, statement.lines[k - 1], p + u"No"_s + c, p + u"Cost"_s + c, p + u"Mny"_s + c,
                           p + u"Vat"_s + c);
            }
            EXPECT_EQ(readBack(*sheet, p + u"Totmy"_s), readAs(s.supply));
            EXPECT_EQ(readBack(*sheet, p + u"Vatmy"_s), readAs(s.tax));
            EXPECT_EQ(readBack(*sheet, p + u"Summy"_s), readAs(s.supply + s.tax));
        }

        QuotationDocument quote = fixtures::quotation(0);
        Money amounts[20];
        std::int64_t total = 0;
        for (int k = 0; k < 20; ++k) {
            QuotationLine &l = quote.lines[k];
            for (;;) {
                l.quantity = draw(AmountColumn::QuotationQuantity);
                l.unitPrice = draw(AmountColumn::QuotationUnitPrice);
                // quantity x unit price, the fraction of a won cut off; a product wider than any amount
                // column is drawn again before it becomes a Money, which it could overflow
                __extension__ using Wide = __int128;
                const Wide won = Wide(l.quantity.raw()) * l.unitPrice.raw() / Money::Scale / Money::Scale;
                if (won > 999'999'999'999)
                    continue;
                amounts[k] = Money::fromWon(std::int64_t(won));
                if (Holds(AmountColumn::QuotationAmount, amounts[k]))
                    break;
            }
            total += amounts[k].won();
        }
        auto q = FillQuotation(quote, PrintOptions());
        for (int k = 1; k <= 20; ++k) {
            const QuotationLine &l = quote.lines[k - 1];
            const QString c = QString::number(k).rightJustified(2, u'0');
            EXPECT_EQ(readBack(*q, u"CntL"_s + c), readAs(l.quantity));
            EXPECT_EQ(readBack(*q, u"CostL"_s + c), readAs(l.unitPrice));
            EXPECT_EQ(readBack(*q, u"MnyL"_s + c), readAs(amounts[k - 1]));
        }
        const QString title = q->text(u"TitleName"_s);
        const QString figures = title.mid(title.lastIndexOf(QChar(cp949::WonSign)));
        EXPECT_EQ(QString(figures).remove(u',').remove(u' ').remove(u')').remove(QChar(cp949::WonSign)),
                  readAs(Money::fromWon(total)));
    }
}

// The widest amounts print whole, never blank, cut or as '#': a tax invoice line of -999,999,999 in every
// amount column, and a statement whose tax adds up to 1,000,000,000.
TEST_F(FillTest, TheWidestAmountsPrintWhole) {
    InvoiceDocument refund = fixtures::taxInvoice();
    refund.lines = InvoiceDocument::empty(false).lines;
    InvoiceLine &r = refund.lines[0];
    r.item = u("반품");
    r.quantity = Money::fromWon(1);
    r.unitPrice = Money::fromWon(-999999999);
    r.supply = Money::fromWon(-999999999);
    r.tax = Money::fromWon(-999999999);
    refund.cash = Money::fromWon(-1999999998);
    auto f = FillTaxInvoice(refund, taxOptions());
    for (const QString &p : {QString(), u"b"_s}) {
        EXPECT_EQ(printed(*f, p + u"LNo1"_s), u"1"_s);
        EXPECT_EQ(printed(*f, p + u"LCost1"_s), u"-999,999,999"_s);
        EXPECT_EQ(printed(*f, p + u"LMny1"_s), u"-999,999,999"_s);
        EXPECT_EQ(printed(*f, p + u"LVat1"_s), u"-999,999,999"_s);
        // The sign takes a box of its own: ten boxes of the tax, ten of the eleven of the supply.
        EXPECT_EQ(boxDigits(*f, p + u"Lb"_s, 10), u"-999999999"_s);
        EXPECT_EQ(boxDigits(*f, p + u"La"_s, 11), u"-999999999"_s);
        EXPECT_EQ(f->text(p + u"La12"_s), u("①"));
        EXPECT_EQ(printed(*f, p + u"Totmy"_s), u("-₩1,999,999,998"));
        EXPECT_EQ(printed(*f, p + u"Cashmy"_s), u("-₩1,999,999,998"));
    }

    InvoiceDocument statement = fixtures::statement(0);
    fixtures::statementLine(statement, 0, u("품목1"), 10, 999999999);
    fixtures::statementLine(statement, 1, u("품목2"), 1, 10);
    ASSERT_EQ(statement.lines[0].tax, Money::fromWon(999999999));
    ASSERT_EQ(statement.lines[1].tax, Money::fromWon(1));
    for (const auto &sheet : {FillStatementSheet(statement, statementOptions(), 0, false),
                              FillLongStatement(statement, statementOptions())}) {
        SCOPED_TRACE(sheet->className().toStdString());
        EXPECT_EQ(printed(*sheet, u"aNo01"_s), u"10"_s);
        EXPECT_EQ(printed(*sheet, u"aCost01"_s), u"999,999,999"_s);
        EXPECT_EQ(printed(*sheet, u"aMny01"_s), u"9,999,999,990"_s);
        EXPECT_EQ(printed(*sheet, u"aVat01"_s), u"999,999,999"_s);
        EXPECT_EQ(printed(*sheet, u"aTotmy"_s), u"10,000,000,000"_s);
        EXPECT_EQ(printed(*sheet, u"aVatmy"_s), u"1,000,000,000"_s);
        EXPECT_EQ(printed(*sheet, u"aSummy"_s), u"11,000,000,000"_s);
    }
    PrintOptions receipt = statementOptions();
    receipt.statement = false;
    EXPECT_EQ(FillReceipt(statement, receipt)->text(u"aMnyMsg"_s).trimmed(), u("₩10,000,000,000"));
}
