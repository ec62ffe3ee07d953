#include "print_fill.h"

#include "amount_columns.h"
#include "arithmetic.h"
#include "codec.h"
#include "money.h"
#include "print_preparation.h"
#include "regnum.h"
#include "report_forms.h"

#include <functional>

using namespace Qt::Literals::StringLiterals;
using report::ReportForm;

namespace printjobs {

namespace {

// Line n (1-based) of a document; a line past the end is empty.
template <typename Line> Line lineOf(const QList<Line> &lines, int n) {
    return n >= 1 && n <= lines.size() ? lines.at(n - 1) : Line();
}

QString two(int n) { return QString::number(n).rightJustified(2, u'0'); }

// The amounts of a line as their cells show them.
QString quantity(const InvoiceLine &l) { return CellText(AmountColumn::Quantity, l.quantity, l.quantityDecimals); }
QString unitPrice(const InvoiceLine &l) { return CellText(AmountColumn::UnitPrice, l.unitPrice); }
QString supply(const InvoiceLine &l) { return CellText(AmountColumn::Supply, l.supply); }
QString tax(const InvoiceLine &l) { return CellText(AmountColumn::Tax, l.tax); }

// The supplier's and the buyer's six party fields. The forms name each field's element after its stem
// ("SaNo", "Sangho", "Name", "Addr", "UpTea", "UpJong"), each form in its own way.
void fillPartyBlocks(ReportForm &f, const InvoiceDocument &doc, const std::function<QString(const QString &)> &supplier,
                     const std::function<QString(const QString &)> &buyer) {
    static const char16_t *const kStems[6] = {u"SaNo", u"Sangho", u"Name", u"Addr", u"UpTea", u"UpJong"};
    const Party &a = doc.supplier, &b = doc.buyer;
    const QString supplierTexts[6] = {
        SupplierNumberText(a.number), a.name, a.representative, a.address, a.businessType, a.businessItem};
    const QString buyerTexts[6] = {b.number, b.name, b.representative, b.address, b.businessType, b.businessItem};
    for (int i = 0; i < 6; ++i) {
        const QString stem = QString::fromUtf16(kStems[i]);
        f.setText(supplier(stem), supplierTexts[i]);
        f.setText(buyer(stem), buyerTexts[i]);
    }
}

std::unique_ptr<ReportForm> create(const QString &className) { return report::CreateReportForm(className); }

// --- Tax invoice ---

void fillTaxCopy(ReportForm &f, const InvoiceDocument &doc, const PrintOptions &o, bool upper,
                 const QString &totalText) {
    // The lower copy's names: "b" in front, "c"/"d" for the party blocks, a few of their own.
    const QString p = upper ? QString() : u"b"_s;
    const QString sup = upper ? u"a"_s : u"c"_s;
    const QString buy = upper ? u"b"_s : u"d"_s;

    f.setText(upper ? u"DtyfNoa"_s : u"DtyfNob"_s, doc.bookVolume);
    f.setText(upper ? u"DtyeNoa"_s : u"DtyeNob"_s, doc.bookNumber);
    // The serial number "##-####" goes one character per cell, the hyphen left out.
    const int serialChars[] = {0, 1, 3, 4, 5, 6};
    for (int i = 0; i < 6; ++i)
        f.setText((upper ? u"DtysNoa"_s : u"DtysNob"_s) + QString::number(i + 1),
                  doc.serialNumber.mid(serialChars[i], 1));
    const QString word = doc.receipt ? u"(영수)"_s : u"(청구)"_s;
    f.setText(upper ? u"BtnA"_s : u"BtnB"_s, upper ? word : word + u' ');

    fillPartyBlocks(
        f, doc, [&](const QString &stem) { return sup + stem; }, [&](const QString &stem) { return buy + stem; });

    f.setText(p + u"LDtyEtc"_s, QString());
    const bool dates = !o.noDate;
    f.setText(upper ? u"LabelYer"_s : u"bLablYer"_s, dates ? DateYear(doc.issueDate) : QString());
    f.setText(upper ? u"LabelMth"_s : u"bLablMth"_s, dates ? DateMonth(doc.issueDate) : QString());
    f.setText(upper ? u"LabelDay"_s : u"bLablDay"_s, dates ? DateDay(doc.issueDate) : QString());

    const InvoiceTotals totals = ShowInvoiceTotals(doc.supplyTotal(), doc.taxTotal());
    for (int i = 1; i <= 12; ++i)
        f.setText(p + u"La"_s + QString::number(i), totals.La.value(i - 1));
    if (o.withTax)
        for (int i = 1; i <= 10; ++i)
            f.setText(p + u"Lb"_s + QString::number(i), totals.Lb.value(i - 1));

    f.setText(p + u"Totmy"_s, totalText);
    f.setText(p + u"Cashmy"_s, FormatMoneyText(doc.cash, 16, false));
    f.setText(p + u"Checkmy"_s, FormatMoneyText(doc.check, 16, false));
    f.setText(p + u"Billmy"_s, FormatMoneyText(doc.bill, 16, false));
    f.setText(p + u"Creditmy"_s, FormatMoneyText(doc.credit, 16, false));

    for (int k = 1; k <= 5; ++k) {
        const QString s = QString::number(k);
        const InvoiceLine line = lineOf(doc.lines, k);
        f.setText(p + u"LDy"_s + s, dates ? line.date.mid(0, 2) : QString());
        f.setText(p + u"LMy"_s + s, dates ? line.date.mid(3, 2) : QString());
        f.setText(p + u"LName"_s + s, line.item);
        f.setText(p + u"LStan"_s + s, line.spec);
        f.setText(p + u"LNo"_s + s, quantity(line));
        f.setText(p + u"LCost"_s + s, unitPrice(line));
        f.setText(p + u"LMny"_s + s, supply(line));
        if (o.withTax)
            f.setText(p + u"LVat"_s + s, tax(line));
        f.setText(p + u"LEtc"_s + s, line.remark);
    }
}

// --- Statements ---

void fillStatementParties(ReportForm &f, const InvoiceDocument &doc, QChar prefix) {
    const QString p(prefix);
    fillPartyBlocks(
        f, doc, [&](const QString &stem) { return p + stem; }, [&](const QString &stem) { return p + stem + u'b'; });
    f.setText(p + u"LDate"_s, u"작성일자 "_s + LongDateText(doc.statementDate));
}

void fillStatementTotals(ReportForm &f, const InvoiceDocument &doc, const PrintOptions &o, QChar prefix,
                         bool continued) {
    const QString p(prefix);
    if (continued) {
        for (const QString &n : {u"Misum"_s, u"Totmy"_s, u"Vatmy"_s, u"Summy"_s})
            f.setText(p + n, u"0"_s);
        return;
    }
    const Money balance = o.balanceShown ? o.balance : Money();
    f.setText(p + u"Misum"_s, FormatMoneyText(balance, 16, true));
    f.setText(p + u"Totmy"_s, FormatMoneyText(doc.supplyTotal(), 16, true));
    f.setText(p + u"Vatmy"_s, FormatMoneyText(doc.taxTotal(), 16, true));
    f.setText(p + u"Summy"_s, FormatMoneyText(doc.total(), 16, true));
}

// Lines 1..count of the copy with the given prefix from grid lines first+1 ...
void fillStatementLines(ReportForm &f, const InvoiceDocument &doc, QChar prefix, int first, int count) {
    const QString p(prefix);
    // An empty line's date is the year and the slash alone, which the form prints as nothing.
    const QString year = doc.statementDate.mid(2, 2) + u'/';
    for (int j = 1; j <= count; ++j) {
        const InvoiceLine line = lineOf(doc.lines, first + j);
        const QString s = two(j);
        f.setText(p + u"Dy"_s + s, year + line.date);
        f.setText(p + u"Name"_s + s, line.item);
        f.setText(p + u"Stan"_s + s, line.spec);
        f.setText(p + u"Unit"_s + s, line.unit);
        f.setText(p + u"No"_s + s, quantity(line));
        f.setText(p + u"Cost"_s + s, unitPrice(line));
        f.setText(p + u"Mny"_s + s, supply(line));
        f.setText(p + u"Vat"_s + s, tax(line));
        f.setText(p + u"Etc"_s + s, line.remark);
    }
}

const QColor kWhite(255, 255, 255);

} // namespace

QString DocumentTitle(const QString &kind, const QString &party, const QString &date) {
    QStringList parts{kind};
    if (!party.trimmed().isEmpty())
        parts << party.simplified();
    // "yyyy.mm.dd" as "yyyy-mm-dd"; a date left blank is not part of the title.
    const QString digits = QString(date).remove(u'.').remove(u' ');
    if (digits.size() == 8)
        parts << date.trimmed().replace(u'.', u'-');
    return parts.join(u' ');
}

std::unique_ptr<ReportForm> FillTaxInvoice(const InvoiceDocument &doc, const PrintOptions &o) {
    auto form = create(o.withTax ? u"TprtqDtybf"_s : u"TprtqZerof"_s);
    ReportForm &f = *form;
    f.documentTitle = DocumentTitle(o.withTax ? u"세금계산서"_s : u"계산서"_s, doc.buyer.name, doc.issueDate);
    ApplyMargins(f, 220, 100, 278, 202, o.topOffset, o.leftOffset);
    if (o.formPaper) {
        // Pre-printed paper has its copies 3 pixels closer together than the drawn form.
        f.band(u"QRBand1"_s).height = 492;
        f.shape(u"QRShape14"_s).rect.setHeight(492);
    }
    ApplyPaperOptions(f, o.formPaper, o.blackWhite, report::TagIsOneOrTwo(), true);
    printjobs::LoadSeal(f, o);
    SetFooter(f, o.message, o.formPaper);

    // Without tax the total is the sum of the lines' supply values.
    const QString total = FormatMoneyText(o.withTax ? doc.total() : doc.supplyTotal(), 16, false);
    fillTaxCopy(f, doc, o, true, total);
    fillTaxCopy(f, doc, o, false, total);
    return form;
}

std::unique_ptr<ReportForm> FillStatementSheet(const InvoiceDocument &doc, const PrintOptions &o, int first,
                                               bool continued) {
    auto form = create(u"TprtqPricf"_s);
    ReportForm &f = *form;
    f.documentTitle = DocumentTitle(u"거래명세표"_s, doc.buyer.name, doc.statementDate);
    ApplyMargins(f, 195, 50, 180, 120, o.topOffset, o.leftOffset);
    if (o.formPaper)
        f.band(u"QRBand1"_s).height = 524; // the lower copy sits 12 pixels lower on form paper
    ApplyPaperOptions(f, o.formPaper, o.blackWhite, report::TagIs(1), false, kWhite);
    printjobs::LoadSeal(f, o);
    SetFooter(f, o.message, o.formPaper);

    const QString number = QString::number((first + 12) / 12);
    f.setText(u"NumberA"_s, number);
    f.setText(u"NumberB"_s, number);
    for (const QChar prefix : {u'a', u'b'}) {
        fillStatementParties(f, doc, prefix);
        fillStatementTotals(f, doc, o, prefix, continued);
        fillStatementLines(f, doc, prefix, first, 12);
    }
    return form;
}

QList<StatementSheet> PlanStatementSheets(const InvoiceDocument &doc) {
    // As many sheets of twelve as the last filled line needs, whatever lies empty before it.
    const int last = doc.lastFilledLine();
    const int count = qBound(1, (last + 11) / 12, 3);
    static constexpr int kPauseBeforeMs[3] = {0, 1300, 2500};
    QList<StatementSheet> sheets;
    for (int i = 0; i < count; ++i)
        sheets.append({12 * i, i + 1 < count, kPauseBeforeMs[i]});
    return sheets;
}

std::unique_ptr<ReportForm> FillLongStatement(const InvoiceDocument &doc, const PrintOptions &o) {
    auto form = create(u"TprtqPricef"_s);
    ReportForm &f = *form;
    f.documentTitle = DocumentTitle(u"거래명세표"_s, doc.buyer.name, doc.statementDate);
    ApplyMargins(f, 290, 80, 150, 150, o.topOffset, o.leftOffset);
    // The single copy is drawn in the chosen copy's colour, or in black with white cells.
    const report::TagRule shaded = report::TagIs(1);
    if (o.blackWhite) {
        f.recolour(
            Qt::black, report::TagIs(1), [](int) { return true; }, kWhite);
        f.inkToBlack();
    } else if (o.buyerCopy)
        f.recolour(report::kNavy, report::TagIs(1), shaded, report::kBlueShade);
    else
        f.recolour(report::kRed, report::TagIs(1), shaded, report::kRedShade);
    printjobs::LoadSeal(f, o);
    f.setText(u"TilteLabel"_s, o.buyerCopy ? u"(공급받는자 보관용)"_s : u"(공급자 보관용)"_s);
    f.setText(u"NumberA"_s, u"1"_s);
    SetFooter(f, o.message + u"  "_s, false);

    fillStatementParties(f, doc, u'a');
    fillStatementTotals(f, doc, o, u'a', false);
    fillStatementLines(f, doc, u'a', 0, 30);
    return form;
}

StatementLayout ChooseStatementLayout(const InvoiceDocument &doc, const PrintOptions &o) {
    if (!o.statement)
        return StatementLayout::Receipt;
    if (o.formPaper)
        return StatementLayout::FormPaperSheets;
    // The dialog offers the copy choice exactly when a line after the 12th is filled; such a statement
    // does not fit the two-copy form, so it always takes the long one.
    if (o.copyChoiceShown || doc.lastFilledLine() > 12)
        return StatementLayout::LongForm;
    return StatementLayout::ShortForm;
}

bool ReceiptTooLong(const InvoiceDocument &doc) { return doc.lastFilledLine() > kReceiptLines; }

std::unique_ptr<ReportForm> FillReceipt(const InvoiceDocument &doc, const PrintOptions &o) {
    auto form = create(u"TprtqBillf"_s);
    ReportForm &f = *form;
    f.documentTitle = DocumentTitle(u"영수증"_s, doc.buyer.name, doc.statementDate);
    ApplyMargins(f, 35, 10, 10, 10, o.topOffset, o.leftOffset);
    // Form paper does not change the receipt's drawing; only black-and-white recolours it.
    ApplyPaperOptions(f, false, o.blackWhite, report::TagIs(1));
    printjobs::LoadSeal(f, o);

    const QString amount = FormatMoneyText(doc.supplyTotal(), 15, false) + u' ';
    const Party &a = doc.supplier;
    for (const QString &p : {u"a"_s, u"b"_s}) {
        // Both copies name the supplier in their supplier block.
        f.setText(p + u"SaNo"_s, SupplierNumberText(a.number));
        f.setText(p + u"Sangho"_s, a.name);
        f.setText(p + u"Name"_s, a.representative);
        f.setText(p + u"Addr"_s, a.address);
        f.setText(p + u"UpTea"_s, a.businessType);
        f.setText(p + u"UpJong"_s, a.businessItem);
        f.setText(p + u"LDate"_s, doc.statementDate);
        f.setText(p + u"LSangho"_s, doc.buyer.name);
        f.setText(p + u"MnyMsg"_s, amount);
        for (int k = 1; k <= kReceiptLines; ++k) {
            const QString s = two(k);
            const InvoiceLine line = lineOf(doc.lines, k);
            f.setText(p + u"Name"_s + s, line.item);
            f.setText(p + u"No"_s + s, quantity(line));
            f.setText(p + u"Cost"_s + s, unitPrice(line));
            f.setText(p + u"Mny"_s + s, supply(line));
        }
    }
    SetFooter(f, o.message, false);
    return form;
}

QString SpacedRepresentativeName(const QString &name) {
    const QString joined = RemoveBlanks(name);
    const QByteArray bytes = cp949::encode(joined);
    const int n = static_cast<int>(bytes.size());
    if (n != 4 && n != 6 && n != 8)
        return joined;
    QStringList pieces;
    for (int i = 0; i < n; i += 2) {
        const QByteArray piece = bytes.mid(i, 2);
        const QString text = cp949::decode(piece);
        // A name mixing one- and two-byte characters would be cut through a character; it prints as typed.
        if (cp949::encode(text) != piece || text.contains(QChar::ReplacementCharacter))
            return joined;
        pieces << text;
    }
    const int gap = n == 4 ? 7 : n == 6 ? 4 : 2;
    return pieces.join(QString(gap, u' '));
}

std::unique_ptr<ReportForm> FillQuotation(const QuotationDocument &doc, const PrintOptions &o) {
    auto form = create(u"Tprtqprcef"_s);
    ReportForm &f = *form;
    f.documentTitle = DocumentTitle(u"견적서"_s, doc.recipient, doc.quoteDate);
    ApplyMargins(f, 10, 10, 10, 10, o.topOffset, o.leftOffset);
    printjobs::LoadSeal(f, o);

    // The supplier block shows the registered supplier record.
    const Party &supplier = o.supplier;
    f.setText(u"SangHo2"_s, supplier.name);
    f.setText(u"SaNoLabel"_s, supplier.businessItem + u" 사업번호: "_s + supplier.number);
    f.setText(u"Name2"_s, u"대     표 :    "_s + SpacedRepresentativeName(supplier.representative) + u"   [印]"_s);
    f.setText(u"Addr2"_s, supplier.address);

    f.setText(u"SangHo1"_s, doc.recipient);
    f.setText(u"Name1"_s, doc.contact);
    f.setText(u"mTel"_s, doc.phone);
    f.setText(u"Addr1"_s, doc.address);
    f.setText(u"DayLabel"_s, LongDateText(doc.deliveryDate));
    f.setText(u"mSgeLabel"_s, u" 견적일자 : "_s + LongDateText(doc.quoteDate));
    f.setText(u"TitleName"_s, doc.amountLine());
    f.memo(u"HRMemo"_s).setLines(doc.memo);

    for (int k = 1; k <= 20; ++k) {
        const QString s = two(k);
        const QuotationLine line = lineOf(doc.lines, k);
        f.setText(u"NoL"_s + s, PadLeftTo(QString::number(k), 2));
        f.setText(u"NAMEL"_s + s, line.item);
        f.setText(u"StanL"_s + s, line.spec);
        f.setText(u"UnitL"_s + s, line.unit);
        f.setText(u"CntL"_s + s, CellText(AmountColumn::QuotationQuantity, line.quantity, line.quantityDecimals));
        f.setText(u"CostL"_s + s, CellText(AmountColumn::QuotationUnitPrice, line.unitPrice));
        f.setText(u"MnyL"_s + s, CellText(AmountColumn::QuotationAmount, line.amount()));
        f.setText(u"EtcL"_s + s, line.remark);
    }
    return form;
}

} // namespace printjobs
