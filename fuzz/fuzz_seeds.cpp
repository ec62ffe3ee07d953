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

InvoiceSnapshot Sample(bool statement) {
    InvoiceSnapshot s;
    s.statement = statement;
    s.DayEdt = s.grDay = QStringLiteral("2001.05.27");
    s.aSangho = QStringLiteral("(주)한빛상사");
    s.aSaNo = QStringLiteral("123-45-67890");
    s.aAddr = QStringLiteral("서울시 중구 을지로 1");
    s.bSangho = QStringLiteral("대한물산");
    s.Gbn = statement ? BuyerKind::Individual : BuyerKind::Business;
    s.JuMinNo = QStringLiteral("800101-1234567");
    s.bSaNo = QStringLiteral("214-86-12345");
    s.DtyfNo = QStringLiteral("7");
    s.DtyeNo = QStringLiteral("12");
    s.DtysNo = QStringLiteral("12-3456");
    s.Cashmy = QStringLiteral("150000");
    s.grEdit = QStringLiteral("사무용품");
    const InvoiceColumns c = ColumnsOf(s.kind());
    for (int r = 0; r < (statement ? 4 : 2); ++r) {
        QStringList &row = s.rows()[r * 2];
        row[c.date] = QStringLiteral("05/27");
        row[c.item] = QStringLiteral("볼펜 %1").arg(r);
        row[c.spec] = QStringLiteral("0.7mm");
        row[c.quantity] = QStringLiteral("2.5");
        row[c.unitPrice] = FormatAmountText(Money::fromWon(1001), kUnitPriceWidth);
        row[c.supply] = FormatAmountText(Money::fromWon(2502), kSupplyWidth);
        row[c.tax] = FormatAmountText(Money::fromWon(250), kTaxWidth);
        row[c.remark] = QStringLiteral("비고");
        row[c.unit] = statement ? QStringLiteral("자루") : QString();
    }
    return s;
}

QuotationSnapshot SampleQuotation() {
    QuotationSnapshot q;
    q.SangHoEdt = QStringLiteral("(주)견적처");
    q.mTelEdit = QStringLiteral("031- 123-4567");
    q.NameEdt = QStringLiteral("이담당");
    q.Day1Edt = QStringLiteral("2001.05.27");
    q.Day2Edt = QStringLiteral("2001.06.30");
    q.AddrEdt = QStringLiteral("경기도 성남시");
    q.fMemo = {QStringLiteral("첫 메모"), QStringLiteral("둘째 줄")};
    q.kGrid[0][1] = QStringLiteral("복사지");
    q.kGrid[0][4] = QStringLiteral("2.5");
    q.kGrid[0][5] = QStringLiteral("1,001");
    q.kGrid[1][1] = QStringLiteral("토너");
    q.kGrid[1][4] = QStringLiteral("1");
    q.kGrid[1][5] = QStringLiteral("50,000");
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
    const QString edited = QStringLiteral(
        "; 손으로 고친 설정\n[ 등록 \nFSANGHO = 새상호 \nfName\n\n[여백]]\r\nfdTop==3\r[양식]\nrBtn=abc\n[등록]\nfName=둘째");
    ok = Put(settingsDir + QStringLiteral("/seed0"), QByteArray(1, '\0') + cp949::encode(written)) && ok;
    ok = Put(settingsDir + QStringLiteral("/seed1"), QByteArray(1, '\x18') + cp949::encode(edited)) && ok;
    ok = Put(quotationDir + QStringLiteral("/seed0"), WriteQuotationFile(SampleQuotation())) && ok;
    ok = Put(quotationDir + QStringLiteral("/seed1"), WriteQuotationFile(QuotationSnapshot{})) && ok;
    return ok ? 0 : 1;
}
