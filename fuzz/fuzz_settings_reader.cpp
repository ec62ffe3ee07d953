// Fuzzes the settings file reader and writer with what a user may leave in ZaruZiz.ini by hand: any
// bytes, broken sections, lines without "=", stray carriage returns, half characters. For every key the
// program uses, reading must give an answer; writing a value and reading it back must give that value,
// and must leave every other key as it read before.

#include "codec.h"
#include "settings.h"

#include <cstdlib>
#include <iterator>
#include <optional>
#include <vector>

namespace {

struct Key {
    const char16_t *section;
    const char16_t *key;
};

// Every section and key of the program's settings, and a few spellings that only differ in case.
const Key kKeys[] = {
    {u"등록", u"fSangho"},   {u"등록", u"fName"},     {u"등록", u"fTel"},
    {u"등록", u"fUptea"},    {u"등록", u"fUpjong"},   {u"등록", u"fSaNo"},
    {u"등록", u"fAddr"},     {u"등록", u"djnousr"},   {u"등록", u"dojImge"},
    {u"등록", u"PKind"},     {u"등록", u"fMsge"},     {u"등록", u"fMsg2"},
    {u"등록", u"misu"},      {u"여백", u"fdTop"},     {u"여백", u"fdLft"},
    {u"여백", u"fgTop"},     {u"여백", u"fgLft"},     {u"여백", u"pTop2"},
    {u"여백", u"pLft2"},     {u"미리보기", u"Prvew"}, {u"양식지", u"pFrm"},
    {u"인쇄타입", u"dType"}, {u"인쇄타입", u"gType"}, {u"양식", u"rBtn"},
    {u"작업폴더", u"wPath"}, {u"등록", u"FSANGHO"},   {u"a", u"b"},
};

struct EncodedKey {
    QByteArray section;
    QByteArray key;
};

// The keys in the code page of the file, encoded once.
const std::vector<EncodedKey> &Encoded() {
    static const std::vector<EncodedKey> keys = [] {
        std::vector<EncodedKey> v;
        for (const Key &k : kKeys)
            v.push_back({cp949::encode(QString::fromUtf16(k.section)), cp949::encode(QString::fromUtf16(k.key))});
        return v;
    }();
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1)
        return 0;
    // The first byte chooses the key written; the rest is the file.
    const std::vector<EncodedKey> &keys = Encoded();
    const EncodedKey &written = keys[data[0] % keys.size()];
    const QByteArray file(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    std::optional<QByteArray> before[std::size(kKeys)];
    for (std::size_t i = 0; i < keys.size(); ++i) {
        before[i] = profile::find(file, keys[i].section, keys[i].key);
        if (before[i]) {
            // What a read returns: the value cut to the read buffer without a half character, decoded.
            const QString text = cp949::decode(cp949::cutBytes(*before[i], kIniValueLimit));
            if (cp949::byteLength(text) > kIniValueLimit)
                std::abort();
        }
    }

    static const QByteArray value = cp949::encode(QStringLiteral("(주)한빛 123"));
    const QByteArray &section = written.section;
    const QByteArray &key = written.key;
    const QByteArray after = profile::set(file, section, key, value);
    if (profile::find(after, section, key) != value)
        std::abort(); // the value written does not read back
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const QByteArray &s = keys[i].section;
        const QByteArray &k = keys[i].key;
        if (s.compare(section, Qt::CaseInsensitive) == 0 && k.compare(key, Qt::CaseInsensitive) == 0)
            continue;
        if (profile::find(after, s, k) != before[i])
            std::abort(); // writing one key changed another
    }
    return 0;
}
