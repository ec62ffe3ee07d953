#include "fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions() {
    const QString gothic = QStringLiteral("NanumGothic");
    const QString myeongjo = QStringLiteral("NanumMyeongjo");
    for (const char16_t *family : {u"굴림", u"굴림체", u"돋움", u"돋움체", u"Small Fonts", u"Microsoft Sans Serif",
                                   u"MS Sans Serif", u"System", u"Arial", u"Tahoma"})
        QFont::insertSubstitution(QString::fromUtf16(family), gothic);
    for (const char16_t *family : {u"명조", u"바탕", u"바탕체", u"궁서"})
        QFont::insertSubstitution(QString::fromUtf16(family), myeongjo);
}
