#include "register_entry.h"

#include "arithmetic.h"
#include "errors.h"
#include "invoice_file.h"
#include "quotation_file.h"

#include <QFileInfo>
#include <QHash>

namespace reg {

QString DigitsOf(const QString &text) {
    QString out;
    for (QChar c : text)
        if (c.isDigit())
            out += c;
    return out;
}

namespace {

QDate dateOf(const QString &text) {
    // "yyyy.MM.dd" as the date fields show it; blanks or an impossible day give no date.
    return QDate::fromString(text.trimmed(), QStringLiteral("yyyy.MM.dd"));
}

void readInvoice(RegisterEntry &e, const QByteArray &bytes, DocKind kind) {
    const QString name = e.fileName();
    GridKind page = kind == DocKind::Statement ? GridKind::Statement : GridKind::TaxInvoice;
    InvoiceLoadResult loaded = ReadInvoiceFile(bytes, name, page);
    if (page == GridKind::TaxInvoice && loaded.fromStatement) {
        // Saved from the statement page under a tax invoice name: it is a statement, listed with its lines.
        page = GridKind::Statement;
        kind = DocKind::Statement;
        loaded = ReadInvoiceFile(bytes, name, page);
    }
    const InvoiceDocument &d = loaded.document;
    e.kind = kind;
    e.olderFormat = loaded.generation != InvoiceFileGeneration::Current;
    e.date = dateOf(kind == DocKind::Statement ? d.statementDate : d.issueDate);
    if (kind == DocKind::TaxInvoice) {
        const int volume = d.bookVolume.trimmed().toInt(), number = d.bookNumber.trimmed().toInt();
        if (volume != 0 || number != 0)
            e.book = QStringLiteral("%1권 %2호").arg(volume).arg(number);
        if (!DigitsOf(d.serialNumber).isEmpty())
            e.serial = d.serialNumber.trimmed();
    }
    e.buyerKind = d.buyerKind;
    e.buyerNumber = DigitsOf(d.buyer.number);
    e.buyerName = d.buyer.name.trimmed();
    e.buyerRep = d.buyer.representative.trimmed();
    e.buyerAddr = d.buyer.address.trimmed();
    e.buyerUpTea = d.buyer.businessType.trimmed();
    e.buyerUpJong = d.buyer.businessItem.trimmed();

    e.supply = d.supplyTotal().won();
    e.tax = d.taxTotal().won();
    e.itemCount = 0;
    for (const InvoiceLine &line : d.lines) {
        e.itemCount += line.isEmpty() ? 0 : 1;
        if (!line.item.trimmed().isEmpty())
            e.items.append({line.item.trimmed(), line.spec.trimmed(), line.unit.trimmed(), line.unitPrice});
    }
}

void readQuotation(RegisterEntry &e, const QByteArray &bytes) {
    const QuotationDocument q = ReadQuotationFile(bytes, e.fileName());
    e.kind = DocKind::Quotation;
    e.date = dateOf(q.quoteDate);
    e.buyerName = q.recipient.trimmed();
    e.buyerRep = q.contact.trimmed();
    e.buyerAddr = q.address.trimmed();
    e.supply = q.total().won();
    e.tax = 0;
    e.itemCount = 0;
    for (const QuotationLine &line : q.lines) {
        e.itemCount += line.item.trimmed().isEmpty() && line.amount() == Money() ? 0 : 1;
        if (!line.item.trimmed().isEmpty())
            e.items.append({line.item.trimmed(), line.spec.trimmed(), line.unit.trimmed(), line.unitPrice});
    }
}

} // namespace

QString RegisterEntry::fileName() const { return QFileInfo(path).fileName(); }

QString RegisterEntry::buyerNumberText() const { return FormatRegistrationNumber(buyerNumber); }

bool RegisterEntry::inTaxInvoiceSummary() const {
    // Tax on an invoice is reported with the tax invoices whatever was chosen: moving it out would drop
    // its tax from both summaries.
    if (tax != 0)
        return true;
    return summary == SummaryChoice::TaxInvoice;
}

std::optional<DocKind> KindOfFileName(const QString &fileName) {
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("dy5") || ext == QLatin1String("dnt") || ext == QLatin1String("dty"))
        return DocKind::TaxInvoice;
    if (ext == QLatin1String("gy5") || ext == QLatin1String("gnt") || ext == QLatin1String("gty"))
        return DocKind::Statement;
    if (ext == QLatin1String("prc"))
        return DocKind::Quotation;
    return std::nullopt;
}

RegisterEntry ReadRegisterEntry(const QByteArray &bytes, const QString &path) {
    RegisterEntry e;
    e.path = path;
    const std::optional<DocKind> kind = KindOfFileName(path);
    try {
        if (!kind)
            throw AppError(QStringLiteral("문서 파일의 확장자가 아닙니다."));
        if (*kind == DocKind::Quotation)
            readQuotation(e, bytes);
        else
            readInvoice(e, bytes, *kind);
    } catch (const std::exception &ex) {
        RegisterEntry failed;
        failed.path = path;
        failed.kind = kind.value_or(DocKind::TaxInvoice);
        const auto *app = dynamic_cast<const AppError *>(&ex);
        failed.error = (app ? app->message() : QString::fromLocal8Bit(ex.what())).simplified();
        if (failed.error.isEmpty())
            failed.error = QStringLiteral("읽을 수 없는 파일입니다.");
        return failed;
    }
    return e;
}

namespace {

// 2: the current generation (".Dy5"), 1 and 0 the older ones; -1 for a quotation.
int generationOf(const QString &suffixLower) {
    if (suffixLower == QLatin1String("dy5") || suffixLower == QLatin1String("gy5"))
        return 2;
    if (suffixLower == QLatin1String("dnt") || suffixLower == QLatin1String("gnt"))
        return 1;
    if (suffixLower == QLatin1String("dty") || suffixLower == QLatin1String("gty"))
        return 0;
    return -1;
}

// The program's own spelling of the current generation's extensions.
bool ownCase(const QString &suffix) { return suffix == QLatin1String("Dy5") || suffix == QLatin1String("Gy5"); }

} // namespace

void MarkSupersededFiles(QVector<RegisterEntry> &entries) {
    // Documents of one name in one folder: the folder, the base name without case and the first letter of
    // the extension (a tax invoice "x.Dy5" and a statement "x.Gy5" are different documents).
    QHash<QString, QVector<qsizetype>> groups;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const RegisterEntry &e = entries.at(i);
        if (e.type != EntryType::Document || e.kind == DocKind::Quotation)
            continue;
        const QFileInfo info(e.path);
        const QString key =
            info.absolutePath() + u'/' + info.completeBaseName().toLower() + u'.' + info.suffix().left(1).toLower();
        groups[key].append(i);
    }
    for (const QVector<qsizetype> &group : std::as_const(groups)) {
        if (group.size() < 2)
            continue;
        // The file that stands for the document: a current-generation one, in the program's case, newest.
        qsizetype best = -1;
        for (qsizetype i : group) {
            const QString suffix = QFileInfo(entries.at(i).path).suffix();
            if (generationOf(suffix.toLower()) != 2)
                continue;
            if (best < 0) {
                best = i;
                continue;
            }
            const RegisterEntry &b = entries.at(best), &c = entries.at(i);
            const bool bOwn = ownCase(QFileInfo(b.path).suffix()), cOwn = ownCase(suffix);
            if (cOwn != bOwn ? cOwn : c.modified > b.modified)
                best = i;
        }
        if (best < 0)
            continue; // only older generations: each stands for itself
        for (qsizetype i : group)
            if (i != best)
                entries[i].supersededBy = entries.at(best).path;
    }
}

QString MaskedRegistrationNumber(const QString &digits) {
    if (digits.size() != 13)
        return FormatRegistrationNumber(digits);
    return digits.left(6) + u'-' + digits.at(6) + QString(6, u'*');
}

QString FormatRegistrationNumber(const QString &digits) {
    if (digits.size() == 10)
        return digits.left(3) + u'-' + digits.mid(3, 2) + u'-' + digits.mid(5);
    if (digits.size() == 13)
        return digits.left(6) + u'-' + digits.mid(6);
    return digits;
}

QString KindName(DocKind kind) {
    switch (kind) {
    case DocKind::TaxInvoice: return QStringLiteral("세금계산서");
    case DocKind::Statement: return QStringLiteral("거래명세서");
    case DocKind::Quotation: return QStringLiteral("견적서");
    }
    return {};
}

} // namespace reg
