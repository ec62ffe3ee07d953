#pragma once
// The hints the print dialog shows in an empty message line. They are never printed nor stored; earlier
// versions stored and printed a hint as if the user had written it, so such a value counts as no message.

#include <QString>

inline constexpr const char16_t *kMessageHintInvoice = u"계산서에 전달할 메시지 적는 부분....";
inline constexpr const char16_t *kMessageHintStatement = u"명세서에 전달할 메시지 적는 부분....";

// A message line without the hint texts.
inline QString WithoutMessageHint(const QString &message) {
    return message == QString::fromUtf16(kMessageHintInvoice) || message == QString::fromUtf16(kMessageHintStatement)
               ? QString()
               : message;
}
