#include "sample_fill.h"

#include "money.h"

using report::ReportForm;

namespace {

struct Line {
    const char *name, *spec, *unit, *qty, *cost, *amount, *vat, *etc;
};
const Line kLines[] = {
    {"A4 복사용지 80g", "500매/권", "박스", "3", "25,000", "75,000", "7,500", "납품"},
    {"볼펜 0.7mm 흑색", "12자루", "다스", "10", "6,000", "60,000", "6,000", ""},
    {"사무용 파일철 두꺼운 것과 얇은 것 혼합 세트", "A4", "개", "40", "1,500", "60,000", "6,000", "긴비고내용"},
    {"레이저 토너 카트리지", "정품", "개", "2", "89,000", "178,000", "17,800", ""},
    {"스테이플러 심", "No.10", "갑", "0", "0", "0", "0", ""},
};

QString U(const char *s) { return QString::fromUtf8(s); }

void Set(ReportForm &f, const QString &name, const QString &text) { f.setText(name, text); }

void FillTax(ReportForm &f, bool tax) {
    for (const bool upper : {true, false}) {
        const QString sup = upper ? "a" : "c", buy = upper ? "b" : "d", p = upper ? "" : "b";
        Set(f, upper ? "DtyfNoa" : "DtyfNob", "12");
        Set(f, upper ? "DtyeNoa" : "DtyeNob", "345");
        const QString serial = "001234";
        for (int i = 0; i < 6; ++i)
            Set(f, QString(upper ? "DtysNoa%1" : "DtysNob%1").arg(i + 1), serial.mid(i, 1));
        Set(f, upper ? "BtnA" : "BtnB", upper ? U("(청구)") : U("(청구) "));
        Set(f, sup + "SaNo", "214-86-12345");
        Set(f, sup + "Sangho", U("주식회사 한빛문구유통"));
        Set(f, sup + "Name", U("홍길동"));
        Set(f, sup + "Addr", U("서울특별시 중구 세종대로 110 한빛빌딩 3층 301호"));
        Set(f, sup + "UpTea", U("도소매"));
        Set(f, sup + "UpJong", U("문구,사무용품"));
        Set(f, buy + "SaNo", "105-81-67890");
        Set(f, buy + "Sangho", U("(주)대한상사"));
        Set(f, buy + "Name", U("김대한민국만세"));
        Set(f, buy + "Addr", U("경기도 성남시 분당구 판교역로 235"));
        Set(f, buy + "UpTea", U("제조"));
        Set(f, buy + "UpJong", U("전자부품"));
        Set(f, upper ? "LabelYer" : "bLablYer", "2024");
        Set(f, upper ? "LabelMth" : "bLablMth", "05");
        Set(f, upper ? "LabelDay" : "bLablDay", "20");
        Set(f, p + "LDtyEtc", QString());
        // 373,000 in eleven places: five blanks.
        const QString supply = "      373000";
        Set(f, p + "La12", "5");
        for (int i = 1; i <= 11; ++i)
            Set(f, p + QString("La%1").arg(i), supply.mid(12 - i, 1).trimmed());
        if (tax) {
            const QString vat = "     37300";
            for (int i = 1; i <= 10; ++i)
                Set(f, p + QString("Lb%1").arg(i), vat.mid(10 - i, 1).trimmed());
        }
        for (int k = 1; k <= 5; ++k) {
            const Line &l = kLines[k - 1];
            const QString s = QString::number(k);
            Set(f, p + "LDy" + s, "05");
            Set(f, p + "LMy" + s, "20");
            Set(f, p + "LName" + s, U(l.name));
            Set(f, p + "LStan" + s, U(l.spec));
            Set(f, p + "LNo" + s, U(l.qty));
            Set(f, p + "LCost" + s, U(l.cost));
            Set(f, p + "LMny" + s, U(l.amount));
            if (tax)
                Set(f, p + "LVat" + s, U(l.vat));
            Set(f, p + "LEtc" + s, U(l.etc));
        }
        const Money total = Money::fromWon(tax ? 410300 : 373000);
        Set(f, p + "Totmy", FormatMoneyText(total, 16, false));
        Set(f, p + "Cashmy", FormatMoneyText(Money::fromWon(0), 16, false));
        Set(f, p + "Checkmy", FormatMoneyText(Money::fromWon(0), 16, false));
        Set(f, p + "Billmy", FormatMoneyText(Money::fromWon(0), 16, false));
        Set(f, p + "Creditmy", FormatMoneyText(total, 16, false));
    }
    f.setFooter(U("항상 저희 회사를 이용해 주셔서 감사합니다."), false);
}

void FillStatement(ReportForm &f, const QList<QChar> &prefixes, int lines) {
    for (const QChar pc : prefixes) {
        const QString p(pc);
        Set(f, pc == u'a' ? "NumberA" : "NumberB", "1");
        Set(f, p + "LDate", U("작성일자 2024년 05월 20일"));
        Set(f, p + "SaNo", "214-86-12345");
        Set(f, p + "Sangho", U("주식회사 한빛문구유통"));
        Set(f, p + "Name", U("홍길동"));
        Set(f, p + "Addr", U("서울특별시 중구 세종대로 110 한빛빌딩 3층 301호"));
        Set(f, p + "UpTea", U("도소매"));
        Set(f, p + "UpJong", U("문구,사무용품"));
        Set(f, p + "SaNob", "105-81-67890");
        Set(f, p + "Sanghob", U("(주)대한상사"));
        Set(f, p + "Nameb", U("김대한"));
        Set(f, p + "Addrb", U("경기도 성남시 분당구 판교역로 235"));
        Set(f, p + "UpTeab", U("제조"));
        Set(f, p + "UpJongb", U("전자부품"));
        for (int j = 1; j <= lines; ++j) {
            const QString s = QString::number(j).rightJustified(2, u'0');
            if (j <= 5) {
                const Line &l = kLines[j - 1];
                Set(f, p + "Dy" + s, "24/05/" + QString::number(10 + j));
                Set(f, p + "Name" + s, U(l.name));
                Set(f, p + "Stan" + s, U(l.spec));
                Set(f, p + "Unit" + s, U(l.unit));
                Set(f, p + "No" + s, U(l.qty));
                Set(f, p + "Cost" + s, U(l.cost));
                Set(f, p + "Mny" + s, U(l.amount));
                Set(f, p + "Vat" + s, U(l.vat));
                Set(f, p + "Etc" + s, U(l.etc));
            } else {
                Set(f, p + "Dy" + s, "24/");
            }
        }
        Set(f, p + "Misum", FormatMoneyText(Money::fromWon(150000), 16, true));
        Set(f, p + "Totmy", FormatMoneyText(Money::fromWon(373000), 16, true));
        Set(f, p + "Vatmy", FormatMoneyText(Money::fromWon(37300), 16, true));
        Set(f, p + "Summy", FormatMoneyText(Money::fromWon(410300), 16, true));
    }
    f.setFooter(U("항상 저희 회사를 이용해 주셔서 감사합니다."), false);
}

void FillReceipt(ReportForm &f) {
    for (const QString p : {"a", "b"}) {
        Set(f, p + "SaNo", "214-86-12345");
        Set(f, p + "Sangho", U("한빛문구유통"));
        Set(f, p + "Name", U("홍길동"));
        Set(f, p + "Addr", U("서울특별시 중구 세종대로 110 한빛빌딩 3층"));
        Set(f, p + "UpTea", U("도소매"));
        Set(f, p + "UpJong", U("문구,사무용품"));
        Set(f, p + "LDate", "2024.05.20");
        Set(f, p + "LSangho", U("(주)대한상사"));
        Set(f, p + "MnyMsg", FormatMoneyText(Money::fromWon(373000), 15, false) + u' ');
        for (int k = 1; k <= 5; ++k) {
            const Line &l = kLines[k - 1];
            const QString s = QString::number(k).rightJustified(2, u'0');
            Set(f, p + "Name" + s, U(l.name));
            Set(f, p + "No" + s, U(l.qty));
            Set(f, p + "Cost" + s, U(l.cost));
            Set(f, p + "Mny" + s, U(l.amount));
        }
    }
    f.setFooter(U("항상 저희 회사를 이용해 주셔서 감사합니다."), false);
}

void FillQuotation(ReportForm &f) {
    Set(f, "SangHo2", U("한빛상사 (견본)"));
    Set(f, "SaNoLabel", U("도소매 사업번호: 123-45-67891"));
    Set(f, "Name2", U("대     표 :    홍    길    동   [印]"));
    Set(f, "Addr2", U("서울특별시 중구 세종대로 110 (견본)"));
    Set(f, "SangHo1", U("(주)대한상사"));
    Set(f, "Name1", U("김대한 과장"));
    Set(f, "mTel", "031-123-4567");
    Set(f, "Addr1", U("경기도 성남시 분당구 판교역로 235"));
    Set(f, "DayLabel", U("2024년 06월 10일"));
    Set(f, "mSgeLabel", U(" 견적일자 : 2024년 05월 20일"));
    Set(f, "TitleName", U("  一金 : 사십일만삼백원정 (₩410,300)"));
    f.memo("HRMemo").setLines(
        {U("1. 견적 유효기간: 견적일로부터 30일"), U("2. 부가가치세 별도"), U("3. 납품 장소: 귀사 본사 1층 자재실")});
    for (int k = 1; k <= 5; ++k) {
        const Line &l = kLines[k - 1];
        const QString s = QString::number(k).rightJustified(2, u'0');
        Set(f, "NoL" + s, QString::number(k));
        Set(f, "NAMEL" + s, U(l.name));
        Set(f, "StanL" + s, U(l.spec));
        Set(f, "UnitL" + s, U(l.unit));
        Set(f, "CntL" + s, U(l.qty));
        Set(f, "CostL" + s, U(l.cost));
        Set(f, "MnyL" + s, U(l.amount));
        Set(f, "EtcL" + s, U(l.etc));
    }
}

} // namespace

void FillSample(ReportForm &f) {
    const QString c = f.className();
    if (c == "TprtqDtybf")
        FillTax(f, true);
    else if (c == "TprtqZerof")
        FillTax(f, false);
    else if (c == "TprtqPricf")
        FillStatement(f, {u'a', u'b'}, 12);
    else if (c == "TprtqPricef")
        FillStatement(f, {u'a'}, 30);
    else if (c == "TprtqBillf")
        FillReceipt(f);
    else if (c == "Tprtqprcef")
        FillQuotation(f);
}
