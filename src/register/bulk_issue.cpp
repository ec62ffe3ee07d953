#include "bulk_issue.h"

#include "codec.h"
#include "errors.h"
#include "regnum.h"
#include "xlsx_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace reg::bulk {

namespace {

// An amount as the templates want it: its digits, a minus sign and decimals where it has them, no
// thousands separators.
QString AmountText(Money amount) { return DecimalText(amount); }
QString OptionalAmount(Money amount) { return amount == Money() ? QString() : AmountText(amount); }

bool Whole(Money amount) { return amount.raw() % Money::Scale == 0; }

// The byte limits of the templates' notes (CP949: Hangul two bytes).
struct Limit {
    const char16_t *field;
    int bytes;
};
constexpr Limit kName{u"상호", 70}, kPerson{u"성명", 30}, kAddress{u"사업장주소", 150}, kType{u"업태", 40},
    kItemKind{u"종목", 60}, kEmail{u"이메일", 40}, kRemark{u"비고", 150}, kItem{u"품목", 100}, kSpec{u"규격", 60};

struct Checker {
    QStringList reasons;

    void limit(const QString &who, const Limit &limit, const QString &text) {
        const int bytes = cp949::byteLength(text);
        if (bytes > limit.bytes)
            reasons << QStringLiteral("%1%2이(가) 너무 깁니다 (%3바이트, %4바이트까지)")
                           .arg(who, QString::fromUtf16(limit.field))
                           .arg(bytes)
                           .arg(limit.bytes);
    }
    void party(const QString &who, const Party &p, const QString &email) {
        if (p.name.trimmed().isEmpty())
            reasons << who + QStringLiteral(" 상호가 없습니다");
        if (p.representative.trimmed().isEmpty())
            reasons << who + QStringLiteral(" 성명이 없습니다");
        limit(who + u' ', kName, p.name);
        limit(who + u' ', kPerson, p.representative);
        limit(who + u' ', kAddress, p.address);
        limit(who + u' ', kType, p.businessType);
        limit(who + u' ', kItemKind, p.businessItem);
        limit(who + u' ', kEmail, email);
    }
};

// The filled lines of an invoice, the fifth folded into the fourth when asked.
struct Lines {
    QList<InvoiceLine> lines;
    bool folded = false;
};

Lines FilledLines(const InvoiceDocument &doc, FiveLines fiveLines) {
    Lines out;
    for (const InvoiceLine &line : doc.lines)
        if (line.isFilled())
            out.lines << line;
    if (out.lines.size() > kLinesPerInvoice && fiveLines == FiveLines::Fold) {
        InvoiceLine merged = out.lines.at(kLinesPerInvoice - 1);
        const int others = int(out.lines.size()) - kLinesPerInvoice;
        merged.item = QStringLiteral("%1 외 %2건").arg(merged.item.trimmed()).arg(others);
        merged.quantity = Money();
        merged.unitPrice = Money();
        merged.quantityDecimals = 0;
        for (int i = kLinesPerInvoice; i < out.lines.size(); ++i) {
            merged.supply += out.lines.at(i).supply;
            merged.tax += out.lines.at(i).tax;
        }
        out.lines = out.lines.mid(0, kLinesPerInvoice - 1);
        out.lines << merged;
        out.folded = true;
    }
    return out;
}

QString Code(Form form, const InvoiceDocument &doc) {
    if (form == Form::Invoice)
        return QStringLiteral("05");
    return doc.taxTotal() == Money() ? QStringLiteral("02") : QStringLiteral("01");
}

Form FormOf(const Source &s) {
    // As the register's summaries have it: tax on an invoice always belongs with the tax invoices; a
    // zero-tax invoice goes there (영세율) only when the user said so.
    if (s.document.taxTotal() != Money() || s.summary == SummaryChoice::TaxInvoice)
        return Form::TaxInvoice;
    return Form::Invoice;
}

QStringList ItemBlockTitles(Form form, int n) {
    QStringList t{QStringLiteral("일자%1\n(2자리, 작성년월 제외)").arg(n), QStringLiteral("품목%1").arg(n),
                  QStringLiteral("규격%1").arg(n),  QStringLiteral("수량%1").arg(n),
                  QStringLiteral("단가%1").arg(n),  QStringLiteral("공급가액%1").arg(n)};
    if (form == Form::TaxInvoice)
        t << QStringLiteral("세액%1").arg(n);
    t << QStringLiteral("품목비고%1").arg(n);
    return t;
}

} // namespace

QList<Row> Plan::rowsOf(Form form) const {
    QList<Row> out;
    for (const Row &r : rows)
        if (r.form == form)
            out << r;
    return out;
}

int ColumnCount(Form form) { return form == Form::TaxInvoice ? 59 : 54; }

QString FormBaseName(Form form) {
    return form == Form::TaxInvoice ? QStringLiteral("세금계산서등록양식(일반)") : QStringLiteral("계산서등록양식(일반)");
}

QString FormTitle(Form form) {
    return form == Form::TaxInvoice ? QStringLiteral("엑셀 업로드 양식(전자세금계산서-일반(영세율))")
                                    : QStringLiteral("엑셀 업로드 양식(전자계산서-일반)");
}

QStringList FormNotices(Form) {
    return {QStringLiteral("★ 실제 업로드할 DATA는 7행부터 입력하십시오. 1~6행(제목, 안내, 항목명)은 지우거나 "
                           "바꾸지 마십시오."),
            QStringLiteral("★ 한 파일에 100건까지 올릴 수 있습니다 (100건 초과 자료는 처리 안됨)."),
            QStringLiteral("★ 모든 칸은 텍스트 형식입니다. 등록번호는 \"-\" 없이, 작성일자는 YYYYMMDD로, 품목의 "
                           "일자는 일(2자리)만 적습니다.")};
}

QStringList ColumnTitles(Form form) {
    const bool tax = form == Form::TaxInvoice;
    QStringList t{tax ? QStringLiteral("전자(세금)계산서 종류\n(01:일반, 02:영세율)")
                      : QStringLiteral("전자계산서 종류\n(05:일반)"),
                  QStringLiteral("작성일자"),
                  QStringLiteral("공급자 등록번호\n(\"-\" 없이 입력)"),
                  QStringLiteral("공급자\n 종사업장번호"), // the template's own blanks, here and below
                  QStringLiteral("공급자 상호"),
                  QStringLiteral("공급자 성명"),
                  QStringLiteral("공급자 사업장주소"),
                  QStringLiteral("공급자 업태"),
                  QStringLiteral("공급자 종목"),
                  QStringLiteral("공급자 이메일"),
                  QStringLiteral("공급받는자 등록번호\n(\"-\" 없이 입력)"),
                  QStringLiteral("공급받는자 \n종사업장번호"),
                  QStringLiteral("공급받는자 상호"),
                  QStringLiteral("공급받는자 성명"),
                  QStringLiteral("공급받는자 사업장주소"),
                  QStringLiteral("공급받는자 업태"),
                  QStringLiteral("공급받는자 종목"),
                  QStringLiteral("공급받는자 이메일1"),
                  QStringLiteral("공급받는자 이메일2"),
                  QStringLiteral("공급가액\n합계")};
    if (tax)
        t << QStringLiteral("세액\n합계");
    t << QStringLiteral("비고");
    for (int n = 1; n <= kLinesPerInvoice; ++n)
        t << ItemBlockTitles(form, n);
    t << QStringLiteral("현금") << QStringLiteral("수표") << QStringLiteral("어음") << QStringLiteral("외상미수금")
      << QStringLiteral("영수(01),\n청구(02)");
    return t;
}

Plan PlanBulkIssue(const QList<Source> &sources, const Choices &choices) {
    Plan plan;
    for (const Source &s : sources) {
        const InvoiceDocument &doc = s.document;
        Checker check;
        const QString who = QStringLiteral("공급받는자");

        const QDate date = QDate::fromString(doc.issueDate.trimmed(), QStringLiteral("yyyy.MM.dd"));
        if (!date.isValid())
            check.reasons << QStringLiteral("작성일자가 없거나 올바르지 않습니다 (%1)").arg(doc.issueDate.trimmed());
        else if ((choices.from.isValid() && date < choices.from) || (choices.to.isValid() && date > choices.to))
            check.reasons << QStringLiteral("작성일자 %1이(가) 기간 %2~%3 밖입니다")
                                 .arg(doc.issueDate.trimmed(), choices.from.toString(QStringLiteral("yyyy.MM.dd")),
                                      choices.to.toString(QStringLiteral("yyyy.MM.dd")));

        const QString supplierNumber = DigitsOf(doc.supplier.number);
        if (supplierNumber.size() != 10 || !CheckRegistrationNumber(TChkKind::ceBussiness, supplierNumber).valid)
            check.reasons << QStringLiteral("공급자 등록번호가 올바르지 않습니다 (%1)").arg(doc.supplier.number);
        else if (supplierNumber == DigitsOf(SampleSupplierNumber()))
            check.reasons << QStringLiteral("공급자 등록번호가 견본 번호입니다: 사업자 등록 페이지에서 고치십시오");

        const QString buyerNumber = DigitsOf(doc.buyer.number);
        const bool resident = doc.buyerKind == BuyerKind::Individual;
        if (buyerNumber.isEmpty())
            check.reasons << QStringLiteral("공급받는자 등록번호가 없습니다");
        else if (buyerNumber.size() != (resident ? 13 : 10) ||
                 !CheckRegistrationNumber(resident ? TChkKind::ceCitizen : TChkKind::ceBussiness, buyerNumber).valid)
            check.reasons << QStringLiteral("공급받는자 등록번호가 올바르지 않습니다 (%1)").arg(doc.buyer.number);

        check.party(QStringLiteral("공급자"), doc.supplier, choices.supplierEmail);
        check.party(who, doc.buyer, s.buyerEmail);

        const Money supply = doc.supplyTotal(), tax = doc.taxTotal();
        if (supply + tax <= Money())
            check.reasons << QStringLiteral("합계가 0 이하입니다 (수정세금계산서는 홈택스에서 발급합니다)");
        if (!Whole(supply) || !Whole(tax))
            check.reasons << QStringLiteral("합계에 원 미만 금액이 있습니다");

        const Lines lines = FilledLines(doc, choices.fiveLines);
        if (lines.lines.isEmpty())
            check.reasons << QStringLiteral("품목이 없습니다");
        if (lines.lines.size() > kLinesPerInvoice)
            check.reasons << QStringLiteral("품목이 %1줄입니다 (%2줄까지 올릴 수 있습니다)")
                                 .arg(lines.lines.size())
                                 .arg(kLinesPerInvoice);

        const Form form = FormOf(s);
        QStringList items;
        for (int i = 0; i < lines.lines.size() && i < kLinesPerInvoice; ++i) {
            const InvoiceLine &line = lines.lines.at(i);
            const QString where = QStringLiteral("품목 %1의 ").arg(i + 1);
            // The day alone: year and month are the invoice's own.
            QString day = date.isValid() ? date.toString(QStringLiteral("dd")) : QString();
            const QString written = line.date.trimmed();
            if (!written.isEmpty()) {
                const QStringList md = written.split(u'/');
                bool monthOk = false, dayOk = false;
                const int month = md.value(0).toInt(&monthOk), d = md.value(1).toInt(&dayOk);
                if (md.size() != 2 || !monthOk || !dayOk || d < 1 || d > 31)
                    check.reasons << where + QStringLiteral("일자가 올바르지 않습니다 (%1)").arg(written);
                else if (date.isValid() && month != date.month())
                    check.reasons << where + QStringLiteral("일자 %1이(가) 작성월과 다릅니다").arg(written);
                else
                    day = QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
            }
            check.limit(where, kItem, line.item.trimmed());
            check.limit(where, kSpec, line.spec.trimmed());
            check.limit(where, kRemark, line.remark.trimmed());
            if (!Whole(line.supply) || !Whole(line.tax))
                check.reasons << where + QStringLiteral("금액에 원 미만 금액이 있습니다");
            items << day << line.item.trimmed() << line.spec.trimmed() << OptionalAmount(line.quantity)
                  << OptionalAmount(line.unitPrice) << AmountText(line.supply);
            if (form == Form::TaxInvoice)
                items << AmountText(line.tax);
            items << line.remark.trimmed();
        }

        if (!check.reasons.isEmpty()) {
            for (const QString &reason : std::as_const(check.reasons))
                plan.refusals << Refusal{s.path, reason};
            continue;
        }

        const int blockWidth = form == Form::TaxInvoice ? 8 : 7;
        while (items.size() < kLinesPerInvoice * blockWidth)
            items << QString();
        Row row;
        row.form = form;
        row.path = s.path;
        row.folded = lines.folded;
        row.cells << Code(form, doc) << date.toString(QStringLiteral("yyyyMMdd")) << supplierNumber << QString()
                  << doc.supplier.name.trimmed() << doc.supplier.representative.trimmed()
                  << doc.supplier.address.trimmed() << doc.supplier.businessType.trimmed()
                  << doc.supplier.businessItem.trimmed() << choices.supplierEmail.trimmed() << buyerNumber
                  << QString() << doc.buyer.name.trimmed() << doc.buyer.representative.trimmed()
                  << doc.buyer.address.trimmed() << doc.buyer.businessType.trimmed()
                  << doc.buyer.businessItem.trimmed() << s.buyerEmail.trimmed() << QString() << AmountText(supply);
        if (form == Form::TaxInvoice)
            row.cells << AmountText(tax);
        row.cells << QString(); // 비고: the document has none of its own
        row.cells << items;
        row.cells << OptionalAmount(doc.cash) << OptionalAmount(doc.check) << OptionalAmount(doc.bill)
                  << OptionalAmount(doc.credit) << (doc.receipt ? QStringLiteral("01") : QStringLiteral("02"));
        plan.rows << row;
    }
    return plan;
}

sheet::Sheet BuildSheet(Form form, const QList<Row> &rows) {
    using namespace sheet;
    Sheet s(kSheetName);
    const int columns = ColumnCount(form);
    // Text cells throughout: a leading apostrophe makes one and is not part of the value.
    auto text = [&](int row, int col, const QString &value) {
        if (!value.isEmpty())
            s.setValue(row, col, u'\'' + value);
    };
    text(1, 1, FormTitle(form));
    s.merge(Range{1, 1, 1, 7});
    s.setFontStyle(Range{1, 1, 1, 7}, kBoldStyle);
    s.setFontSize(Range{1, 1, 1, 7}, 14);
    const QStringList notices = FormNotices(form);
    for (int i = 0; i < notices.size(); ++i) {
        text(2 + i, 1, notices.at(i));
        s.merge(Range{2 + i, 1, 2 + i, 12});
    }
    const QStringList titles = ColumnTitles(form);
    for (int c = 0; c < titles.size(); ++c)
        text(6, c + 1, titles.at(c));
    s.setWrap(Range{6, 1, 6, columns}, true);
    s.setFontStyle(Range{6, 1, 6, columns}, kBoldStyle);
    s.setHorizontalAlignment(Range{6, 1, 6, columns}, HAlign::Center);
    s.setVerticalAlignment(Range{6, 1, 6, columns}, VAlign::Center);
    s.setRowHeight(Range{6, 1, 6, columns}, 45);
    s.setColumnWidth(Range{1, 1, 1, columns}, 14);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows.at(r).cells.size() && c < columns; ++c)
            text(kFirstDataRow + r, c + 1, rows.at(r).cells.at(c));
    return s;
}

QStringList FileNames(Form form, int rowCount) {
    const int files = (rowCount + kInvoicesPerFile - 1) / kInvoicesPerFile;
    if (files <= 1)
        return {FormBaseName(form) + QStringLiteral(".xlsx")};
    QStringList names;
    for (int i = 1; i <= files; ++i)
        names << QStringLiteral("%1_%2of%3.xlsx").arg(FormBaseName(form)).arg(i).arg(files);
    return names;
}

XlsConverter LibreOfficeConverter() {
    QString soffice;
    for (const char *program : {"soffice", "libreoffice"}) {
        soffice = QStandardPaths::findExecutable(QLatin1String(program));
        if (!soffice.isEmpty())
            break;
    }
    if (soffice.isEmpty())
        return {};
    return [soffice](const QString &xlsx, const QString &xls) {
        // A profile and an output folder of its own: a LibreOffice the user has open is not disturbed,
        // and the .xls appears under its name only whole.
        QTemporaryDir work;
        if (!work.isValid())
            return false;
        QProcess p;
        // The profile's address fully encoded: the temporary folder is named after the program, and a
        // blank or Hangul left as it is in the address leaves LibreOffice waiting for ever.
        p.start(soffice, {QStringLiteral("-env:UserInstallation=") +
                              QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(QUrl::FullyEncoded),
                          QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                          QStringLiteral("xls"), QStringLiteral("--outdir"), work.path(), xlsx});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished(5000);
            return false;
        }
        const QString made = work.filePath(QFileInfo(xlsx).completeBaseName() + QStringLiteral(".xls"));
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || !QFileInfo::exists(made))
            return false;
        QFile::remove(xls);
        return QFile::copy(made, xls + QStringLiteral(".part")) && QFile::rename(xls + QStringLiteral(".part"), xls);
    };
}

QStringList WriteBulkFiles(const Plan &plan, const QString &folder, const XlsConverter &convert) {
    QStringList written;
    try {
        for (Form form : {Form::TaxInvoice, Form::Invoice}) {
            const QList<Row> rows = plan.rowsOf(form);
            if (rows.isEmpty())
                continue;
            const QStringList names = FileNames(form, int(rows.size()));
            for (int i = 0; i < names.size(); ++i) {
                const QString path = QDir(folder).filePath(names.at(i));
                sheet::WriteXlsx(BuildSheet(form, rows.mid(i * kInvoicesPerFile, kInvoicesPerFile)), path);
                written << path;
                if (convert) {
                    QString xls = path;
                    xls.chop(1); // ".xlsx" -> ".xls"
                    QFile::remove(xls + QStringLiteral(".part"));
                    if (convert(path, xls))
                        written << xls;
                }
            }
        }
    } catch (...) {
        for (const QString &path : std::as_const(written))
            QFile::remove(path);
        throw;
    }
    return written;
}

} // namespace reg::bulk
