#include "regnum.h"

#include "sample_supplier.h"

namespace {

NumberCheck fail(const QString &verdict) { return {false, verdict}; }

int digit(const QString &s, int i) { return s.at(i).unicode() - u'0'; }

NumberCheck checkResident(const QString &d) {
    if (d.size() != 13)
        return fail(QStringLiteral("틀려요 ! <가짜 입력>"));
    const int month = digit(d, 2) * 10 + digit(d, 3);
    if (month < 1 || month > 12)
        return fail(QStringLiteral("틀려요 ! 가짜 <월>"));
    const int yy = digit(d, 0) * 10 + digit(d, 1);
    int year = 0;
    switch (digit(d, 6)) {
    case 1:
    case 2: year = 1900 + yy; break;
    case 3:
    case 4: year = 2000 + yy; break;
    default: return fail(QStringLiteral("틀려요 ! 가짜 <성별 부정확>"));
    }
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int day = digit(d, 4) * 10 + digit(d, 5);
    if (IsLeapYear(year) && month == 2) {
        if (day < 1 || day > 29)
            return fail(QStringLiteral("틀려요 ! 가짜 <2월 날짜>"));
    } else if (day < 1 || day > kDays[month - 1]) {
        return fail(QStringLiteral("틀려요 ! 가짜 <날짜>"));
    }
    static constexpr int kWeights[12] = {2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5};
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += kWeights[i] * digit(d, i);
    const int r = sum % 11;
    if (digit(d, 12) == (11 - r) % 10)
        return {true, QStringLiteral("맞아요 <맞음>")};
    return fail(QStringLiteral("틀려요 <가짜!!>"));
}

NumberCheck checkBusiness(const QString &d) {
    if (d.size() != 10)
        return fail(QStringLiteral("틀려요 !  적은 숫자!!"));
    static constexpr int kWeights[8] = {1, 3, 7, 1, 3, 7, 1, 3};
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += kWeights[i] * digit(d, i);
    const int ninth = 5 * digit(d, 8);
    sum += ninth / 10 + ninth % 10;
    if (digit(d, 9) == (10 - sum % 10) % 10)
        return {true, QStringLiteral("맞아요 !")};
    return fail(QStringLiteral("틀려요 !  가짜!!"));
}

} // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

NumberCheck CheckRegistrationNumber(TChkKind kind, const QString &text) {
    QString s = text.trimmed();
    if (kind == TChkKind::ceCitizen) {
        if (s.size() >= 7 && s.at(6) == u'-')
            s.remove(6, 1);
        if (s.size() != 13)
            return fail(QStringLiteral("부정확한 수"));
    } else {
        if (s.size() >= 7 && s.at(3) == u'-' && s.at(6) == u'-') {
            s.remove(6, 1);
            s.remove(3, 1);
        }
        if (s.size() != 10)
            return fail(QStringLiteral("부정확한 수"));
    }
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return fail(QStringLiteral("숫자만 됩니다"));
    return kind == TChkKind::ceCitizen ? checkResident(s) : checkBusiness(s);
}

QString SampleSupplierNumber() { return QString::fromUtf16(sample::kSaNo); }

QString SupplierNumberText(const QString &number) {
    QString digits = number.trimmed();
    digits.remove(u'-');
    QString sample = SampleSupplierNumber();
    sample.remove(u'-');
    if (digits == sample)
        return QStringLiteral("사업자번호를 변경하세요");
    return number;
}
