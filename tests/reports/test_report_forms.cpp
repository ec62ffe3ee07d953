// The six forms as data: every name the print jobs fill, the positions the layouts fix, the tags, and the
// passes the print jobs apply (margins, paper and colour, seal, footer), checked by element name.

#include "errors.h"
#include "prtqDty.h"
#include "report_forms.h"
#include "report_renderer.h"
#include "sample_fill.h"
#include "seal_picture.h"
#include "settings.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace report;

namespace {

QStringList Seq(const QString &prefix, int from, int to, bool twoDigits = false) {
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << prefix + (twoDigits ? QString::number(i).rightJustified(2, u'0') : QString::number(i));
    return out;
}

QStringList Prefixed(const QString &prefix, const QStringList &names) {
    QStringList out;
    for (const QString &n : names)
        out << prefix + n;
    return out;
}

// The names the print jobs fill or adjust, written out from the printing rules, not from the forms.
QStringList FilledNames(const QString &cls) {
    QStringList n;
    const QStringList party = {"SaNo", "Sangho", "Name", "Addr", "UpTea", "UpJong"};
    if (cls == "TprtqDtybf" || cls == "TprtqZerof") {
        const bool tax = cls == "TprtqDtybf";
        n << "DtyfNoa"
          << "DtyeNoa"
          << "DtyfNob"
          << "DtyeNob" << Seq("DtysNoa", 1, 6) << Seq("DtysNob", 1, 6) << "BtnA"
          << "BtnB" << Prefixed("a", party) << Prefixed("b", party) << Prefixed("c", party) << Prefixed("d", party)
          << "LDtyEtc"
          << "bLDtyEtc"
          << "LabelYer"
          << "LabelMth"
          << "LabelDay"
          << "bLablYer"
          << "bLablMth"
          << "bLablDay" << Seq("La", 1, 12) << Seq("bLa", 1, 12);
        if (tax)
            n << Seq("Lb", 1, 10) << Seq("bLb", 1, 10);
        for (const QString &t : QStringList{"Totmy", "Cashmy", "Checkmy", "Billmy", "Creditmy"})
            n << t << "b" + t;
        QStringList line = {"LDy", "LMy", "LName", "LStan", "LNo", "LCost", "LMny", "LEtc"};
        if (tax)
            line << "LVat";
        for (const QString &l : line)
            n << Seq(l, 1, 5) << Seq("b" + l, 1, 5);
        n << "adjmge"
          << "bdjmge"
          << "ShangHo"
          << "kelmorLabel"
          << "QRShape14";
    } else if (cls == "TprtqPricf" || cls == "TprtqPricef") {
        const bool longForm = cls == "TprtqPricef";
        QStringList copies = {"a"};
        if (!longForm)
            copies << "b";
        for (const QString &p : copies) {
            n << Prefixed(p, party) << Prefixed(p, {"SaNob", "Sanghob", "Nameb", "Addrb", "UpTeab", "UpJongb"})
              << p + "LDate" << p + "Misum" << p + "Totmy" << p + "Vatmy" << p + "Summy";
            for (const QString &l : QStringList{"Dy", "Name", "Stan", "Unit", "No", "Cost", "Mny", "Vat", "Etc"})
                n << Seq(p + l, 1, longForm ? 30 : 12, true);
        }
        n << "NumberA"
          << "ShangHo"
          << "kelmorLabel";
        if (longForm)
            n << "TilteLabel"
              << "djmage";
        else
            n << "NumberB"
              << "adjmge"
              << "bdjmge";
    } else if (cls == "TprtqBillf") {
        for (const QString &p : QStringList{"a", "b"}) {
            n << Prefixed(p, party) << p + "LDate" << p + "LSangho" << p + "MnyMsg";
            for (const QString &l : QStringList{"Name", "No", "Cost", "Mny"})
                n << Seq(p + l, 1, 15, true);
        }
        n << "adjmge"
          << "bdjmge"
          << "ShangHo"
          << "kelmorLabel";
    } else if (cls == "Tprtqprcef") {
        n << "SangHo1"
          << "SangHo2"
          << "SaNoLabel"
          << "Name1"
          << "Name2"
          << "Addr1"
          << "Addr2"
          << "DayLabel"
          << "mTel"
          << "mSgeLabel"
          << "TitleName"
          << "HRMemo"
          << "TitleTopName"
          << "djmage"
          << "kelmorLabel";
        for (const QString &l : QStringList{"NoL", "NAMEL", "StanL", "UnitL", "CntL", "CostL", "MnyL", "EtcL"})
            n << Seq(l, 1, 20, true);
    }
    return n;
}

class EachForm : public ::testing::TestWithParam<const char *> {
protected:
    std::unique_ptr<ReportForm> form = CreateReportForm(QString::fromLatin1(GetParam()));
};

} // namespace

TEST_P(EachForm, HoldsEveryNameThePrintJobsFill) {
    ASSERT_TRUE(form);
    for (const QString &name : FilledNames(form->className()))
        EXPECT_TRUE(form->has(name)) << form->className().toStdString() << " lacks " << name.toStdString();
    // Names are unique, and unknown names are refused rather than created.
    const QStringList names = form->names();
    EXPECT_EQ(names.size(), QSet<QString>(names.begin(), names.end()).size());
    EXPECT_THROW(form->label(QStringLiteral("NoSuchField")), AppError);
    EXPECT_THROW(form->picture(QStringLiteral("kelmorLabel")), AppError);
}

TEST_P(EachForm, IsA4PortraitWithTheWebAddressAndAFreshStateEachTime) {
    EXPECT_EQ(form->pageSizeMm, QSizeF(210, 297));
    EXPECT_FALSE(form->text(QStringLiteral("kelmorLabel")).isEmpty());
    auto second = CreateReportForm(form->className());
    EXPECT_EQ(second->names(), form->names());
}

TEST_P(EachForm, ApplyMarginsWithZeroOffsetsGivesTheBaseValues) {
    form->applyMargins(220, 100, 278, 202, 0, 0);
    EXPECT_EQ(form->margins.top, 220);
    EXPECT_EQ(form->margins.bottom, 100);
    EXPECT_EQ(form->margins.left, 278);
    EXPECT_EQ(form->margins.right, 202);
    form->applyMargins(220, 100, 278, 202, 7, -3);
    EXPECT_EQ(form->margins.top, 227);
    EXPECT_EQ(form->margins.bottom, 93);
    EXPECT_EQ(form->margins.left, 275);
    EXPECT_EQ(form->margins.right, 205);
}

TEST_P(EachForm, FormPaperLeavesOnlyTheData) {
    FillSample(*form);
    const bool tax = form->className().startsWith(u"TprtqDtyb") || form->className() == u"TprtqZerof";
    PaperOptions o;
    o.formPaper = true;
    o.isFormLabel = tax ? TagIsOneOrTwo() : TagIs(1);
    o.clearRightFrame = tax;
    const QString someData = form->className() == u"Tprtqprcef" ? QStringLiteral("SangHo1") : QStringLiteral("aSaNo");
    const QString before = form->text(someData);
    form->applyPaperOptions(o);
    for (const auto &e : form->elements()) {
        if (e->kind() == Element::Kind::Shape) {
            EXPECT_EQ(static_cast<Shape &>(*e).penStyle, Qt::NoPen) << e->name.toStdString();
        } else if (e->kind() == Element::Kind::Label && o.isFormLabel(e->tag)) {
            EXPECT_TRUE(static_cast<Label &>(*e).text.isEmpty()) << e->name.toStdString();
        }
    }
    if (form->className() != u"TprtqBillf") { // the receipt's supplier fields are tag 1 too
        EXPECT_EQ(form->text(someData), before);
    }
}

INSTANTIATE_TEST_SUITE_P(AllForms, EachForm,
                         ::testing::Values("TprtqDtybf", "TprtqZerof", "TprtqPricf", "TprtqPricef", "TprtqBillf",
                                           "Tprtqprcef"));

TEST(FormLayout, BandsMarginsAndUnits) {
    struct Expect {
        const char *cls;
        MarginUnit unit;
        Margins m;
        QList<QSizeF> bands;
    };
    const Expect expect[] = {
        {"TprtqDtybf", MarginUnit::TenthMm, {220, 100, 278, 202}, {{613, 495}, {613, 495}}},
        {"TprtqZerof", MarginUnit::TenthMm, {210, 100, 278, 202}, {{613, 495}, {613, 495}}},
        {"TprtqPricf", MarginUnit::TenthMm, {195, 50, 180, 120}, {{681, 512}, {681, 491}}},
        {"TprtqPricef", MarginUnit::TenthMm, {290, 80, 150, 150}, {{681, 919}}},
        {"TprtqBillf", MarginUnit::Mm, {35, 10, 10, 10}, {{718, 755}}},
        {"Tprtqprcef", MarginUnit::Mm, {10, 10, 10, 10}, {{718, 140}, {718, 892}}},
    };
    for (const Expect &e : expect) {
        auto f = CreateReportForm(QString::fromLatin1(e.cls));
        SCOPED_TRACE(e.cls);
        EXPECT_EQ(f->marginUnit(), e.unit);
        EXPECT_EQ(f->margins.top, e.m.top);
        EXPECT_EQ(f->margins.bottom, e.m.bottom);
        EXPECT_EQ(f->margins.left, e.m.left);
        EXPECT_EQ(f->margins.right, e.m.right);
        ASSERT_EQ(f->bands().size(), size_t(e.bands.size()));
        for (int i = 0; i < e.bands.size(); ++i)
            EXPECT_EQ(QSizeF(f->bands()[i].width, f->bands()[i].height), e.bands[i]);
    }
}

TEST(FormLayout, FieldBoxesWhereTheLayoutGivesThem) {
    struct Box {
        const char *cls, *name;
        double x, y, w;
        int band;
    };
    const Box boxes[] = {
        {"TprtqDtybf", "DtyfNoa", 488, 55, 29, 0},
        {"TprtqDtybf", "DtyeNoa", 544, 55, 41, 0},
        {"TprtqDtybf", "DtysNoa3", 541, 79, 11, 0},
        {"TprtqDtybf", "aSaNo", 75, 107, 220, 0},
        // The wrapped party fields fill their cells' insides, clear of the rules and the heavy frames.
        {"TprtqDtybf", "aSangho", 72, 128, 119, 0},
        {"TprtqDtybf", "aName", 238, 128, 60, 0},
        {"TprtqDtybf", "aAddr", 72, 159, 228, 0},
        {"TprtqDtybf", "bUpJong", 510, 188, 96, 0},
        {"TprtqDtybf", "adjmge", 259, 114, 64, 0},
        {"TprtqDtybf", "La12", 75, 258, 35, 0},
        {"TprtqDtybf", "La11", 115, 261, 16, 0},
        {"TprtqDtybf", "Lb10", 322, 261, 16, 0},
        {"TprtqDtybf", "LDtyEtc", 495, 248, 113, 0},
        {"TprtqDtybf", "LName3", 45, 351, 156, 0},
        {"TprtqDtybf", "LVat5", 491, 394, 56, 0},
        {"TprtqDtybf", "Creditmy", 370, 433, 88, 0},
        {"TprtqDtybf", "BtnA", 536, 425, 36, 0},
        {"TprtqDtybf", "hrBtnB", 473, 425, 126, 0},
        {"TprtqDtybf", "ShangHo", 3, 467, 446, 0},
        {"TprtqZerof", "LDtyEtc", 306, 248, 302, 0},
        {"TprtqZerof", "LEtc2", 501, 330, 105, 0},
        {"TprtqPricf", "NumberA", 47, 36, 54, 0},
        {"TprtqPricf", "aLDate", 498, 38, 156, 0},
        {"TprtqPricf", "aSaNo", 92, 63, 235, 0},
        {"TprtqPricf", "aDy01", 2, 194, 44, 0},
        {"TprtqPricf", "aName12", 51, 436, 171, 0},
        {"TprtqPricf", "aMny05", 487, 282, 75, 0},
        {"TprtqPricf", "bEtc12", 630, 436, 46, 1},
        {"TprtqPricf", "aMisum", 52, 461, 98, 0},
        {"TprtqPricf", "ShangHo", 3, 489, 446, 0},
        {"TprtqPricef", "aName30", 51, 832, 171, 0},
        {"TprtqPricef", "aSummy", 457, 855, 103, 0},
        {"TprtqPricef", "ShangHo", 3, 886, 446, 0},
        {"TprtqPricef", "TilteLabel", 247, 34, 123, 0},
        {"TprtqBillf", "aLSangho", 100, 124, 185, 0},
        {"TprtqBillf", "aSaNo", 103, 150, 218, 0},
        {"TprtqBillf", "aLDate", 36, 286, 73, 0},
        {"TprtqBillf", "aMnyMsg", 119, 285, 132, 0},
        {"TprtqBillf", "aName01", 31, 352, 128, 0},
        {"TprtqBillf", "aMny15", 257, 646, 66, 0},
        {"TprtqBillf", "bName01", 387, 352, 128, 0},
        {"TprtqBillf", "ShangHo", 18, 719, 446, 0},
        {"Tprtqprcef", "TitleTopName", 208, 105, 290, 0},
        {"Tprtqprcef", "SangHo1", 23, 73, 299, 1},
        {"Tprtqprcef", "SaNoLabel", 428, 104, 272, 1},
        {"Tprtqprcef", "Name2", 428, 128, 272, 1},
        {"Tprtqprcef", "DayLabel", 90, 152, 116, 1},
        {"Tprtqprcef", "mTel", 280, 152, 114, 1},
        {"Tprtqprcef", "mSgeLabel", 528, 184, 164, 1},
        {"Tprtqprcef", "TitleName", 70, 205, 499, 1},
        {"Tprtqprcef", "NAMEL01", 60, 260, 196, 1},
        {"Tprtqprcef", "MnyL20", 544, 698, 68, 1},
        {"Tprtqprcef", "HRMemo", 27, 743, 669, 1},
        {"Tprtqprcef", "djmage", 630, 99, 64, 1},
    };
    for (const Box &b : boxes) {
        auto f = CreateReportForm(QString::fromLatin1(b.cls));
        const Element *e = f->find(QString::fromLatin1(b.name));
        ASSERT_TRUE(e) << b.cls << " " << b.name;
        SCOPED_TRACE(std::string(b.cls) + " " + b.name);
        EXPECT_NEAR(e->rect.x(), b.x, 0.01);
        EXPECT_NEAR(e->rect.y(), b.y, 0.01);
        EXPECT_NEAR(e->rect.width(), b.w, 0.01);
        EXPECT_EQ(e->band, b.band);
    }
}

TEST(FormLayout, TaxInvoiceCopiesAndTags) {
    TprtqDtybf f;
    // The supplier's copy repeats the buyer's, a little higher, in the lower band.
    for (const auto &[upper, lower] :
         std::initializer_list<std::pair<const char *, const char *>>{{"aSaNo", "cSaNo"},
                                                                      {"bAddr", "dAddr"},
                                                                      {"LabelYer", "bLablYer"},
                                                                      {"DtysNoa6", "DtysNob6"},
                                                                      {"LMny3", "bLMny3"},
                                                                      {"Totmy", "bTotmy"},
                                                                      {"BtnA", "BtnB"},
                                                                      {"adjmge", "bdjmge"}}) {
        const Element &u = *f.find(QString::fromLatin1(upper));
        const Element &l = *f.find(QString::fromLatin1(lower));
        EXPECT_EQ(u.band, 0);
        EXPECT_EQ(l.band, 1);
        EXPECT_EQ(l.rect.x(), u.rect.x()) << lower;
        EXPECT_GE(u.rect.y() - l.rect.y(), 4) << lower;
        EXPECT_LE(u.rect.y() - l.rect.y(), 8) << lower;
    }
    EXPECT_EQ(TaxInvoiceLowerName(QStringLiteral("LabelMth")), QStringLiteral("bLablMth"));
    // Form words: tag 2 in dark blue on top, tag 1 in red below; data labels tag 0 in black.
    int words[3] = {0, 0, 0};
    for (const auto &e : f.elements()) {
        if (e->kind() != Element::Kind::Label || e->name == u"kelmorLabel")
            continue;
        const auto &l = static_cast<const Label &>(*e);
        if (l.tag == 0) {
            if (l.name != u"BtnA" && l.name != u"BtnB") {
                EXPECT_EQ(l.color, QColor(Qt::black)) << l.name.toStdString();
            }
            continue;
        }
        EXPECT_EQ(l.tag, l.band == 0 ? 2 : 1) << l.name.toStdString();
        EXPECT_EQ(l.color, l.band == 0 ? kNavy : kRed) << l.name.toStdString();
        ++words[l.tag];
    }
    EXPECT_GT(words[1], 60);
    EXPECT_EQ(words[1], words[2]);
    EXPECT_EQ(f.label(QStringLiteral("hrBtnB")).tag, 2);
    EXPECT_EQ(f.shape(QStringLiteral("QRShape14")).penStyle, Qt::DotLine);
}

TEST(FormLayout, TagsOfTheOtherForms) {
    auto bill = CreateReportForm(QStringLiteral("TprtqBillf"));
    for (const char *n : {"aLSangho", "aSaNo", "aSangho", "aName", "aAddr", "aUpTea", "aUpJong", "bLSangho", "bSaNo",
                          "bSangho", "bName", "bAddr", "bUpTea", "bUpJong"})
        EXPECT_EQ(bill->label(QString::fromLatin1(n)).tag, 1) << n;
    for (const char *n : {"aLDate", "aMnyMsg", "aName01", "bMny15"})
        EXPECT_EQ(bill->label(QString::fromLatin1(n)).tag, 0) << n;

    auto longForm = CreateReportForm(QStringLiteral("TprtqPricef"));
    EXPECT_EQ(longForm->label(QStringLiteral("TilteLabel")).tag, 1);
    int shaded = 0;
    for (const auto &e : longForm->elements())
        if (e->kind() == Element::Kind::Shape && e->tag == 1) {
            ++shaded;
            EXPECT_EQ(*static_cast<Shape &>(*e).brush, kBlueShade);
        }
    EXPECT_EQ(shaded, 9);

    auto quote = CreateReportForm(QStringLiteral("Tprtqprcef"));
    for (const auto &e : quote->elements()) {
        if (e->kind() == Element::Kind::Label) {
            EXPECT_EQ(e->tag, e->name == u"kelmorLabel" ? 2 : 0) << e->name.toStdString();
        }
        if (e->kind() == Element::Kind::Shape) {
            EXPECT_EQ(static_cast<Shape &>(*e).penColor, QColor(Qt::black));
        }
    }
}

TEST(PaperOptions, BlackAndWhiteRecoloursOnlyTheForm) {
    auto f = CreateReportForm(QStringLiteral("TprtqPricf"));
    FillSample(*f);
    // Data in a copy's colour print black (the receipt or claim word); grey data stay grey.
    f->label(QStringLiteral("aSangho")).color = kNavy;
    f->label(QStringLiteral("aName")).color = QColor(90, 90, 90);
    PaperOptions o;
    o.blackWhite = true;
    o.shapeBrush = QColor(Qt::white);
    f->applyPaperOptions(o);
    for (const auto &e : f->elements()) {
        if (e->kind() == Element::Kind::Shape) {
            const auto &s = static_cast<const Shape &>(*e);
            EXPECT_EQ(s.penColor, QColor(Qt::black));
            EXPECT_NE(s.penStyle, Qt::NoPen);
            EXPECT_EQ(*s.brush, QColor(Qt::white));
        } else if (e->kind() == Element::Kind::Label && e->tag == 1) {
            EXPECT_EQ(static_cast<const Label &>(*e).color, QColor(Qt::black));
            EXPECT_FALSE(static_cast<const Label &>(*e).text.isEmpty());
        }
    }
    EXPECT_EQ(f->label(QStringLiteral("aSangho")).color, QColor(Qt::black));
    EXPECT_EQ(f->label(QStringLiteral("aName")).color, QColor(90, 90, 90));
}

TEST(PaperOptions, NothingChangesWhenBothOptionsAreOff) {
    auto f = CreateReportForm(QStringLiteral("TprtqDtybf"));
    PaperOptions o;
    o.isFormLabel = TagIsOneOrTwo();
    o.shapeBrush = QColor(Qt::white);
    f->applyPaperOptions(o);
    EXPECT_EQ(f->shape(QStringLiteral("QRShape14")).penColor, kNavy);
    EXPECT_FALSE(f->shape(QStringLiteral("QRShape14")).brush.has_value());
}

TEST(PaperOptions, FormPaperOnTheTaxFormsSwitchesOffRightFrames) {
    auto f = CreateReportForm(QStringLiteral("TprtqDtybf"));
    Label &word = f->label(QStringLiteral("hrBtnB"));
    word.frame.right = true;
    PaperOptions o;
    o.formPaper = true;
    o.isFormLabel = TagIsOneOrTwo();
    o.clearRightFrame = true;
    f->applyPaperOptions(o);
    EXPECT_FALSE(word.frame.right);
    EXPECT_TRUE(word.text.isEmpty());
    EXPECT_EQ(f->label(QStringLiteral("BtnA")).text, QStringLiteral("(영수)"));
}

TEST(PaperOptions, RecolourForTheSupplierCopyOfTheLongStatement) {
    auto f = CreateReportForm(QStringLiteral("TprtqPricef"));
    f->recolour(kRed, TagIs(1), TagIs(1), kRedShade);
    EXPECT_EQ(f->label(QStringLiteral("TilteLabel")).color, kRed);
    int shaded = 0;
    for (const auto &e : f->elements())
        if (e->kind() == Element::Kind::Shape) {
            const auto &s = static_cast<const Shape &>(*e);
            EXPECT_EQ(s.penColor, kRed);
            if (s.tag == 1) {
                EXPECT_EQ(*s.brush, kRedShade);
                ++shaded;
            }
        }
    EXPECT_EQ(shaded, 9);
    EXPECT_EQ(f->label(QStringLiteral("aName01")).color, QColor(Qt::black));
}

TEST(Seal, LoadsIntoEverySealImageAndFailsQuietly) {
    ScratchAppFolder app;
    QImage seal(64, 64, QImage::Format_RGB32);
    seal.fill(Qt::red);
    ASSERT_TRUE(seal.save(app.file(QStringLiteral("dojang.bmp"))));
    app.write(QStringLiteral("broken.bmp"), QByteArray("BM this is not a picture"));

    auto f = CreateReportForm(QStringLiteral("TprtqDtybf"));
    EXPECT_EQ(f->sealNames(), QStringList({QStringLiteral("adjmge"), QStringLiteral("bdjmge")}));
    EXPECT_EQ(LoadSeal(*f, app.file(QStringLiteral("dojang.bmp"))), app.file(QStringLiteral("dojang.bmp")));
    EXPECT_EQ(f->picture(QStringLiteral("adjmge")).image.size(), QSize(64, 64));
    EXPECT_EQ(f->picture(QStringLiteral("bdjmge")).image.size(), QSize(64, 64));

    // Not wanted: empty path, no picture.
    EXPECT_EQ(LoadSeal(*f, QString()), QString());
    EXPECT_TRUE(f->picture(QStringLiteral("adjmge")).image.isNull());

    // A registered seal that is missing or not a picture prints no seal and raises nothing.
    EXPECT_NO_THROW(LoadSeal(*f, app.file(QStringLiteral("gone.bmp"))));
    EXPECT_TRUE(f->picture(QStringLiteral("bdjmge")).image.isNull());
    EXPECT_FALSE(f->loadSeal(app.file(QStringLiteral("broken.bmp"))));
    EXPECT_TRUE(f->picture(QStringLiteral("adjmge")).image.isNull());
    EXPECT_EQ(Render(*f).pages.size(), 1u);

    auto quote = CreateReportForm(QStringLiteral("Tprtqprcef"));
    EXPECT_TRUE(quote->loadSeal(app.file(QStringLiteral("dojang.bmp"))));
    EXPECT_FALSE(quote->picture(QStringLiteral("djmage")).image.isNull());
}

// Files that cannot serve as a seal: each gives its reason and no picture, and a form takes none of them
// (a picture cut short would otherwise print black where its data is missing).
TEST(Seal, PicturesThatCannotServeAsASealSayWhy) {
    ScratchAppFolder app;
    app.write(QStringLiteral("good.bmp"), BmpBytes(40, 30));
    app.write(QStringLiteral("huge.bmp"), BmpBytes(30000, 30000, 0));
    app.write(QStringLiteral("short.bmp"), BmpBytes(40, 30, 40 * 30 / 4));
    app.write(QStringLiteral("text.bmp"), QStringLiteral("도장 그림이 아닙니다\n").toUtf8());
    ASSERT_EQ(::mkfifo(QFile::encodeName(app.file(QStringLiteral("fifo.bmp"))).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(app.file(QStringLiteral("folder.bmp"))));

    const SealPicture good = ReadSealPicture(app.file(QStringLiteral("good.bmp")));
    EXPECT_TRUE(good.ok()) << good.problem.toStdString();
    EXPECT_EQ(good.image.pixelColor(0, 0), QColor(0x80, 0x80, 0x80));

    const struct {
        const char *file;
        QStringList reasonHas;
    } cases[] = {
        {"huge.bmp", {QStringLiteral("30000×30000 화소"), QStringLiteral("2000 화소까지")}},
        {"short.bmp", {QStringLiteral("손상되었습니다"), QStringLiteral("잘려")}},
        {"text.bmp", {QStringLiteral("그림 파일이 아니거나 손상된 파일입니다.")}},
        {"gone.bmp", {QStringLiteral("파일이 없습니다.")}},
        {"fifo.bmp", {QStringLiteral("FIFO")}},
        {"folder.bmp", {QStringLiteral("폴더")}},
    };
    auto form = CreateReportForm(QStringLiteral("TprtqDtybf"));
    for (const auto &c : cases) {
        const QString path = app.file(QString::fromLatin1(c.file));
        const SealPicture seal = ReadSealPicture(path);
        EXPECT_TRUE(seal.image.isNull()) << c.file;
        for (const QString &part : c.reasonHas)
            EXPECT_TRUE(seal.problem.contains(part)) << c.file << ": " << seal.problem.toStdString();
        EXPECT_FALSE(form->loadSeal(path)) << c.file;
        EXPECT_TRUE(form->picture(QStringLiteral("adjmge")).image.isNull()) << c.file;
    }
}

TEST(Footer, MessageAndWebAddress) {
    auto f = CreateReportForm(QStringLiteral("TprtqPricf"));
    f->setFooter(QStringLiteral("감사합니다"), true);
    EXPECT_EQ(f->text(QStringLiteral("ShangHo")), QStringLiteral("감사합니다"));
    EXPECT_TRUE(f->text(QStringLiteral("kelmorLabel")).isEmpty());
    auto q = CreateReportForm(QStringLiteral("Tprtqprcef"));
    EXPECT_NO_THROW(q->setFooter(QStringLiteral("x"), false)); // the quotation has no message line
    EXPECT_FALSE(q->text(QStringLiteral("kelmorLabel")).isEmpty());
}

namespace {
const PageItem *FindText(const RenderedPage &page, const QString &text) {
    for (const PageItem &i : page.items)
        if (i.type == PageItem::Type::Text && i.lines.join(u'\n') == text)
            return &i;
    return nullptr;
}
} // namespace

TEST(Rendering, PrintHandlersShapeWhatIsDrawnButLeaveTheCaption) {
    auto f = CreateReportForm(QStringLiteral("TprtqDtybf"));
    f->setText(QStringLiteral("aName"), QStringLiteral("홍길동"));
    f->setText(QStringLiteral("LNo1"), QStringLiteral("0"));
    f->setText(QStringLiteral("LNo2"), QStringLiteral("00"));
    f->setText(QStringLiteral("Totmy"), QStringLiteral("             ₩0"));
    f->setText(QStringLiteral("bTotmy"), QStringLiteral("       ₩12,000"));
    const RenderedPage page = Render(*f).pages.front();
    const QStringList texts = page.texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("홍길동(인)")));
    EXPECT_TRUE(texts.contains(QStringLiteral("00")));
    EXPECT_FALSE(texts.contains(QStringLiteral("0")));
    EXPECT_TRUE(texts.contains(QStringLiteral("₩12,000")));
    EXPECT_FALSE(texts.contains(QStringLiteral("₩0")));
    EXPECT_EQ(f->text(QStringLiteral("aName")), QStringLiteral("홍길동"));
}

TEST(Rendering, StatementDatesNumbersAndQuotationTelephone) {
    auto f = CreateReportForm(QStringLiteral("TprtqPricf"));
    f->setText(QStringLiteral("aDy01"), QStringLiteral("24/05/20"));
    f->setText(QStringLiteral("aDy02"), QStringLiteral("24/"));
    f->setText(QStringLiteral("aTotmy"), QStringLiteral("               0"));
    f->setText(QStringLiteral("NumberB"), QStringLiteral("2"));
    QStringList texts = Render(*f).pages.front().texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("24/05/20")));
    EXPECT_FALSE(texts.contains(QStringLiteral("24/")));
    EXPECT_FALSE(texts.contains(QStringLiteral("0")));
    EXPECT_TRUE(texts.contains(QStringLiteral("2")));

    auto q = CreateReportForm(QStringLiteral("Tprtqprcef"));
    q->setText(QStringLiteral("mTel"), QStringLiteral("()"));
    q->setText(QStringLiteral("CntL01"), QStringLiteral("0"));
    q->setText(QStringLiteral("NAMEL01"), QStringLiteral("0"));
    texts = Render(*q).pages.front().texts();
    EXPECT_FALSE(texts.contains(QStringLiteral("()")));
    EXPECT_EQ(texts.count(QStringLiteral("0")), 1); // the item name is not blanked
}

TEST(Rendering, BeforePrintSwitchesWordWrapOn) {
    for (const char *cls : {"TprtqDtybf", "TprtqPricf", "TprtqBillf"}) {
        auto f = CreateReportForm(QString::fromLatin1(cls));
        const QString name = QString::fromLatin1(cls) == u"TprtqDtybf"   ? QStringLiteral("dUpJong")
                             : QString::fromLatin1(cls) == u"TprtqPricf" ? QStringLiteral("bAddrb")
                                                                         : QStringLiteral("bName");
        f->label(name).wordWrap = false;
        Render(*f);
        EXPECT_TRUE(f->label(name).wordWrap) << cls << " " << name.toStdString();
    }
}

TEST(Rendering, AddressBreaksAtTheInsertedBlank) {
    auto f = CreateReportForm(QStringLiteral("TprtqDtybf"));
    // 22 syllables: too wide for the box and without a blank; the handler gives the break.
    QString address;
    for (int i = 0; i < 22; ++i)
        address += QChar(0xAC00 + i * 5);
    f->setText(QStringLiteral("aAddr"), address);
    const RenderedPage page = Render(*f).pages.front();
    const PageItem *item = FindText(page, address.left(20) + u'\n' + address.mid(20));
    ASSERT_TRUE(item) << page.texts().join(u'|').toStdString();
    EXPECT_EQ(item->lines.size(), 2);
}

TEST(Rendering, WrapTextBreaksAtBlanksThenBetweenCharacters) {
    const QFont font = ReportFont(FontSpec{QStringLiteral("굴림"), 11, false});
    const QFontMetricsF fm(font);
    const double w = fm.horizontalAdvance(QStringLiteral("가나다라마"));
    EXPECT_EQ(WrapText(QStringLiteral("가나 다라마바"), font, w),
              QStringList({QStringLiteral("가나"), QStringLiteral("다라마바")}).mid(0, 1) +
                  WrapText(QStringLiteral("다라마바"), font, w));
    EXPECT_EQ(WrapText(QStringLiteral("가나다라마바사"), font, w),
              QStringList({QStringLiteral("가나다라마"), QStringLiteral("바사")}));
    EXPECT_EQ(WrapText(QStringLiteral("짧은 글"), font, w * 3), QStringList({QStringLiteral("짧은 글")}));
    EXPECT_EQ(WrapText(QStringLiteral("a\nb"), font, w), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(Rendering, MarginsAndBandHeightsMoveTheContent) {
    auto position = [](ReportForm &f, const QString &name) {
        f.setText(name, QStringLiteral("X") + name);
        const RenderedReport r = Render(f);
        const PageItem *i = FindText(r.pages.front(), QStringLiteral("X") + name);
        return i ? i->rect.topLeft() : QPointF(-1, -1);
    };
    // Receipt offsets are millimetres, statement offsets tenths of a millimetre.
    auto bill = CreateReportForm(QStringLiteral("TprtqBillf"));
    bill->applyMargins(35, 10, 10, 10, 0, 0);
    const QPointF b0 = position(*bill, QStringLiteral("aLDate"));
    bill->applyMargins(35, 10, 10, 10, 5, 5);
    const QPointF b5 = position(*bill, QStringLiteral("aLDate"));
    EXPECT_NEAR(b5.x() - b0.x(), 5 * kPixelsPerMm, 1e-6);
    EXPECT_NEAR(b5.y() - b0.y(), 5 * kPixelsPerMm, 1e-6);
    auto st = CreateReportForm(QStringLiteral("TprtqPricf"));
    st->applyMargins(195, 50, 180, 120, 0, 0);
    const QPointF s0 = position(*st, QStringLiteral("bLDate"));
    EXPECT_NEAR(s0.x(), 18.0 * kPixelsPerMm + 498, 1e-6);
    EXPECT_NEAR(s0.y(), 19.5 * kPixelsPerMm + 512 + 38, 1e-6);
    st->applyMargins(195, 50, 180, 120, 5, 0);
    EXPECT_NEAR(position(*st, QStringLiteral("bLDate")).y() - s0.y(), 0.5 * kPixelsPerMm, 1e-6);
    // A taller top band moves the lower copy down.
    st->band(QStringLiteral("QRBand1")).height = 524;
    EXPECT_NEAR(position(*st, QStringLiteral("bLDate")).y() - s0.y(), 0.5 * kPixelsPerMm + 12, 1e-6);
    // A negative margin starts the form at the paper's edge.
    st->applyMargins(195, 50, 180, 120, -300, 0);
    EXPECT_NEAR(position(*st, QStringLiteral("aLDate")).y(), 38, 1e-6);
}

TEST(Rendering, FormPaperDrawsNoRulingAndNoFormWords) {
    auto f = CreateReportForm(QStringLiteral("TprtqDtybf"));
    FillSample(*f);
    PaperOptions o;
    o.formPaper = true;
    o.isFormLabel = TagIsOneOrTwo();
    o.clearRightFrame = true;
    f->applyPaperOptions(o);
    f->setFooter(QStringLiteral("msg"), true);
    const RenderedPage page = Render(*f).pages.front();
    for (const PageItem &i : page.items) {
        EXPECT_NE(i.type, PageItem::Type::Line);
        EXPECT_NE(i.type, PageItem::Type::Fill);
    }
    EXPECT_FALSE(page.texts().contains(QStringLiteral("세 금 계 산 서")));
    EXPECT_TRUE(page.texts().contains(QStringLiteral("214-86-12345")));
}
