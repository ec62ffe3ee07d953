#pragma once
// The built-in sample supplier record: what a fresh installation shows until the user registers the
// business. Its business number passes the check, so the reminder that replaces it on printed documents
// is the only sign that it is a sample.

#include "document.h"

namespace sample {

inline constexpr const char16_t *kSangho = u"한빛상사";
inline constexpr const char16_t *kName = u"홍길동";
inline constexpr const char16_t *kTel = u"(  02)1234-5678";
inline constexpr const char16_t *kUptea = u"도소매";
inline constexpr const char16_t *kUpjong = u"문구,사무용품";
inline constexpr const char16_t *kSaNo = u"123-45-67891";
inline constexpr const char16_t *kAddr = u"서울특별시 중구 세종대로 110";

// The quotation's printing uses a sample of its own for the company name and the address, and its
// export shows the sample telephone with hyphens only.
inline constexpr const char16_t *kQuotationSangho = u"한빛상사 (견본)";
inline constexpr const char16_t *kQuotationAddr = u"서울특별시 중구 세종대로 110 (견본)";
inline constexpr const char16_t *kQuotationTel = u"02-1234-5678";

// The sample record as a party of a document.
inline Party Supplier() {
    return {QString::fromUtf16(kSaNo), QString::fromUtf16(kSangho), QString::fromUtf16(kName),
            QString::fromUtf16(kAddr), QString::fromUtf16(kUptea),  QString::fromUtf16(kUpjong)};
}

} // namespace sample
