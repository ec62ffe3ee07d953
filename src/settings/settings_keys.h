#pragma once
// Every key of "ZaruZiz.ini", with the default its readers supply when it is absent.

#include "message_hints.h"
#include "sample_supplier.h"
#include "settings.h"

#include <QString>

namespace keys {

struct TextKey {
    const char16_t *section;
    const char16_t *key;
    const char16_t *defaultValue;
};

struct FlagKey {
    const char16_t *section;
    const char16_t *key;
    bool defaultValue;
};

// Supplier record (등록).
inline constexpr TextKey fSangho{u"등록", u"fSangho", sample::kSangho};
inline constexpr TextKey fName{u"등록", u"fName", sample::kName};
inline constexpr TextKey fTel{u"등록", u"fTel", sample::kTel};
inline constexpr TextKey fUptea{u"등록", u"fUptea", sample::kUptea};
inline constexpr TextKey fUpjong{u"등록", u"fUpjong", sample::kUpjong};
inline constexpr TextKey fSaNo{u"등록", u"fSaNo", sample::kSaNo};
inline constexpr TextKey fAddr{u"등록", u"fAddr", sample::kAddr};
// The supplier's e-mail for electronic tax invoices; settings files from before it read as none.
inline constexpr TextKey fMail{u"등록", u"fMail", u""};
inline constexpr FlagKey djnousr{u"등록", u"djnousr", true};
inline constexpr TextKey dojImge{u"등록", u"dojImge", nullptr}; // default: application folder + "dojang.bmp"
inline constexpr FlagKey PKind{u"등록", u"PKind", false};
// The message lines printed at the foot of the tax invoice and the statement; none until the user writes
// one (message_hints.h).
inline constexpr TextKey fMsge{u"등록", u"fMsge", u""};
inline constexpr TextKey fMsg2{u"등록", u"fMsg2", u""};
inline constexpr FlagKey misu{u"등록", u"misu", true};

// The message lines an export writes when none is stored.
inline constexpr const char16_t *kExportMessageInvoice = u"항상 저희 회사를 이용해 주셔서 감사합니다.";
inline constexpr const char16_t *kExportMessageStatement = u"항상 저희 회사를 이용해 주셔서 감사합니다.";

// Print margins (여백), whole numbers as typed.
inline constexpr TextKey fdTop{u"여백", u"fdTop", u"0"};
inline constexpr TextKey fdLft{u"여백", u"fdLft", u"0"};
inline constexpr TextKey fgTop{u"여백", u"fgTop", u"0"};
inline constexpr TextKey fgLft{u"여백", u"fgLft", u"0"};
inline constexpr TextKey pTop2{u"여백", u"pTop2", u"0"};
inline constexpr TextKey pLft2{u"여백", u"pLft2", u"0"};

inline constexpr FlagKey Prvew{u"미리보기", u"Prvew", true};
inline constexpr FlagKey pFrm{u"양식지", u"pFrm", false};
inline constexpr FlagKey dType{u"인쇄타입", u"dType", true};
inline constexpr FlagKey gType{u"인쇄타입", u"gType", true};
inline constexpr FlagKey rBtn{u"양식", u"rBtn", true};
inline constexpr TextKey wPath{u"작업폴더", u"wPath", u""};

// Reads and writes of the keys above on "ZaruZiz.ini".
inline QString read(const TextKey &k) {
    return IniReadStr(kIniFileName, QString::fromUtf16(k.section), QString::fromUtf16(k.key),
                      k.defaultValue ? QString::fromUtf16(k.defaultValue) : QString());
}
inline QString read(const TextKey &k, const QString &defaultValue) {
    return IniReadStr(kIniFileName, QString::fromUtf16(k.section), QString::fromUtf16(k.key), defaultValue);
}
inline bool read(const FlagKey &k) {
    return IniReadBool(kIniFileName, QString::fromUtf16(k.section), QString::fromUtf16(k.key), k.defaultValue);
}
inline void write(const TextKey &k, const QString &value) {
    IniKeepStr(kIniFileName, QString::fromUtf16(k.section), QString::fromUtf16(k.key), value);
}
inline void write(const FlagKey &k, bool value) {
    IniKeepBool(kIniFileName, QString::fromUtf16(k.section), QString::fromUtf16(k.key), value);
}

// A stored message line; a stored hint reads as absent (absentValue).
inline QString readMessage(const TextKey &k, const QString &absentValue = QString()) {
    const QString value = read(k, absentValue);
    return WithoutMessageHint(value).isEmpty() && !value.isEmpty() ? absentValue : value;
}

// The supplier record as a party of a document (the sample record until the user registers).
inline Party readSupplier() {
    return {read(fSaNo), read(fSangho), read(fName), read(fAddr), read(fUptea), read(fUpjong)};
}

// The default seal picture path: the application folder followed by "dojang.bmp".
inline QString defaultSealPath() { return ApplicationFolder() + QStringLiteral("dojang.bmp"); }
// The registered seal picture; a Windows path left by a settings file of the older program reads as the
// default.
inline QString readSealPath() {
    const QString path = read(dojImge, defaultSealPath());
    return IsWindowsPath(path) ? defaultSealPath() : path;
}

} // namespace keys
