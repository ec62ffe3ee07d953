// Writes the seed corpus of the fuzz targets into the folder given: for each target a few valid files of
// every generation and kind, made by the writers (the older generations rearranged from current records).

#include "codec.h"
#include "fuzz_common.h"
#include "invoice_file.h"
#include "money.h"
#include "quotation_file.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdio>

namespace {

// Current 228-byte records rearranged into an older layout.
QByteArray Older(const QByteArray &current, int generation) {
    const int size = generation == 1 ? 220 : 156;
    const int typeOffset = generation == 1 ? 212 : 152;
    static const int fromOffsets[9] = {0, 11, 14, 17, 53, 74, 89, 115, 141};
    static const int v31Offsets[9] = {0, 11, 14, 17, 43, 54, 67, 83, 99};
    static const int v31Capacity[9] = {10, 2, 2, 25, 10, 12, 15, 15, 52};
    QByteArray out;
    for (qsizetype at = 0; at + 228 <= current.size(); at += 228) {
        const QByteArray rec = current.mid(at, 228);
        QByteArray old(size, '\0');
        if (generation == 1) {
            old.replace(0, 212, rec.left(212));
            old.replace(typeOffset, 4, rec.mid(220, 4));
            old.replace(216, 4, rec.mid(224, 4));
        } else {
            for (int s = 0; s < 9; ++s) {
                const int n = qMin<int>(static_cast<unsigned char>(rec[fromOffsets[s]]), v31Capacity[s]);
                old[v31Offsets[s]] = char(n);
                old.replace(v31Offsets[s] + 1, n, rec.mid(fromOffsets[s] + 1, n));
            }
            old.replace(typeOffset, 4, rec.mid(220, 4));
        }
        out += old;
    }
    return out;
}

InvoiceDocument Sample(bool statement) {
    InvoiceDocument d = InvoiceDocument::empty(statement);
    d.issueDate = d.statementDate = QStringLiteral("2001.05.27");
    d.supplier.name = QStringLiteral("(주)한빛상사");
    d.supplier.number = QStringLiteral("123-45-67890");
    d.supplier.address = QStringLiteral("서울시 중구 을지로 1");
    d.buyer.name = QStringLiteral("대한물산");
    d.buyerKind = statement ? BuyerKind::Individual : BuyerKind::Business;
    d.buyer.number = statement ? QStringLiteral("800101-1234567") : QStringLiteral("214-86-12345");
    d.bookVolume = QStringLiteral("7");
    d.bookNumber = QStringLiteral("12");
    d.serialNumber = QStringLiteral("12-3456");
    d.cash = Money::fromWon(150000);
    d.description = QStringLiteral("사무용품");
    for (int r = 0; r < (statement ? 4 : 2); ++r) {
        InvoiceLine &line = d.lines[r * 2];
        line.date = QStringLiteral("05/27");
        line.item = QStringLiteral("볼펜 %1").arg(r);
        line.spec = QStringLiteral("0.7mm");
        line.quantity = Money::fromRaw(25'000); // 2.5
        line.unitPrice = Money::fromWon(1001);
        line.supply = Money::fromWon(2502);
        line.tax = Money::fromWon(250);
        line.remark = QStringLiteral("비고");
        line.unit = statement ? QStringLiteral("자루") : QString();
    }
    // A line at the columns' limits: the widest amount texts the files hold.
    InvoiceLine &widest = d.lines[1];
    widest.item = QStringLiteral("반품");
    widest.quantity = Money::fromRaw(-999'999'940); // -99,999.994
    widest.unitPrice = Money::fromWon(-999'999'999);
    widest.supply = Money::fromWon(9'999'999'999);
    widest.tax = Money::fromWon(-999'999'999);
    return d;
}

QuotationDocument SampleQuotation() {
    QuotationDocument q;
    q.recipient = QStringLiteral("(주)견적처");
    q.phone = QStringLiteral("031- 123-4567");
    q.contact = QStringLiteral("이담당");
    q.quoteDate = QStringLiteral("2001.05.27");
    q.deliveryDate = QStringLiteral("2001.06.30");
    q.address = QStringLiteral("경기도 성남시");
    q.memo = {QStringLiteral("첫 메모"), QStringLiteral("둘째 줄")};
    q.lines[0].item = QStringLiteral("복사지");
    q.lines[0].quantity = Money::fromRaw(25'000); // 2.5
    q.lines[0].unitPrice = Money::fromWon(1001);
    q.lines[1].item = QStringLiteral("토너");
    q.lines[1].quantity = Money::fromWon(1);
    q.lines[1].unitPrice = Money::fromWon(50000);
    q.lines[2].item = QStringLiteral("최대");
    q.lines[2].quantity = Money::fromWon(11);
    q.lines[2].unitPrice = Money::fromWon(909'090'909); // 9,999,999,999
    return q;
}

bool Put(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString invoiceDir = root + QStringLiteral("/fuzz_invoice_reader");
    const QString quotationDir = root + QStringLiteral("/fuzz_quotation_reader");
    if (!QDir().mkpath(invoiceDir) || !QDir().mkpath(quotationDir))
        return 1;
    bool ok = true;
    int n = 0;
    for (bool statement : {false, true}) {
        const QByteArray current = WriteInvoiceFile(Sample(statement));
        for (int generation = 0; generation < 3; ++generation) {
            const QByteArray file = generation == 0 ? current : Older(current, generation);
            for (bool page : {false, true}) {
                QByteArray input(1, char(fuzzing::Selector(generation, statement, page)));
                input += file;
                ok = Put(invoiceDir + QStringLiteral("/seed%1").arg(n++), input) && ok;
            }
        }
    }
    // Settings files: one as the program writes it, one as a user may leave it after editing by hand.
    const QString settingsDir = root + QStringLiteral("/fuzz_settings_reader");
    ok = QDir().mkpath(settingsDir) && ok;
    const QString written = QStringLiteral(
        "[등록]\r\nfSangho=(주)한빛상사\r\nfName=홍길동\r\nfTel=( 031) 123-4567\r\nfSaNo=123-45-67890\r\n"
        "djnousr=0\r\ndojImge=C:\\ZaruZiz\\dojang.bmp\r\nfMsge=감사합니다\r\n[여백]\r\nfdTop=10\r\nfdLft=-5\r\n"
        "[미리보기]\r\nPrvew=1\r\n[인쇄타입]\r\ndType=1\r\ngType=0\r\n[작업폴더]\r\nwPath=C:\\ZaruZiz\\Work\\\r\n");
    const QString edited = QStringLiteral("; 손으로 고친 설정\n[ 등록 \nFSANGHO = 새상호 "
                                          "\nfName\n\n[여백]]\r\nfdTop==3\r[양식]\nrBtn=abc\n[등록]\nfName=둘째");
    ok = Put(settingsDir + QStringLiteral("/seed0"), QByteArray(1, '\0') + cp949::encode(written)) && ok;
    ok = Put(settingsDir + QStringLiteral("/seed1"), QByteArray(1, '\x18') + cp949::encode(edited)) && ok;
    ok = Put(quotationDir + QStringLiteral("/seed0"), WriteQuotationFile(SampleQuotation())) && ok;
    ok = Put(quotationDir + QStringLiteral("/seed1"), WriteQuotationFile(QuotationDocument{})) && ok;
    return ok ? 0 : 1;
}
