#include "record_slots.h"

#include "codec.h"
#include "errors.h"

#include <QDir>
#include <cstring>
#include <limits>

namespace storage {

QString UnreadableFileMessage(const QString &fileName, const QString &reason) {
    return QStringLiteral("파일을 읽을 수 없습니다: %1\n%2").arg(QDir::toNativeSeparators(fileName), reason);
}

QString UnsavedFileMessage(const QString &fileName, const QString &reason) {
    return QStringLiteral("파일을 저장하지 않았습니다: %1\n%2").arg(QDir::toNativeSeparators(fileName), reason);
}

std::int32_t RecordReader::int32At(int offset) const {
    Q_ASSERT(offset >= 0 && offset + 4 <= size_);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(data_[offset + i]);
    return static_cast<std::int32_t>(v);
}

std::int64_t RecordReader::int64At(int offset) const {
    Q_ASSERT(offset >= 0 && offset + 8 <= size_);
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(data_[offset + i]);
    return static_cast<std::int64_t>(v);
}

QByteArray RecordReader::bytes(Slot slot) const { return QByteArray(data_ + slot.offset + 1, length(slot)); }

void RecordReader::failLength(Slot slot, int length) const {
    fail(QStringLiteral("파일이 손상되었습니다. %1번째 기록의 글자 길이(%2바이트)가 칸의 크기(%3바이트)보다 큽니다.")
             .arg(index_ + 1)
             .arg(length)
             .arg(slot.capacity));
}

QString RecordReader::text(Slot slot) const { return cp949::decode(data_ + slot.offset + 1, length(slot)); }

QString RecordReader::text(Slot slot, int maxBytes) const {
    return cp949::decode(data_ + slot.offset + 1, qMin(length(slot), qMax(maxBytes, 0)));
}

Money RecordReader::amount(Slot slot) const {
    // Most amount slots hold plain digits, as the program writes them ("0" or "150000"): read at once.
    // Anything else (a sign, a decimal point, blanks, more digits than fit) goes through ParseAmount.
    const int n = length(slot);
    if (n <= 15) {
        std::int64_t won = 0;
        bool digits = true;
        for (int i = 0; i < n && digits; ++i) {
            const char ch = data_[slot.offset + 1 + i];
            digits = ch >= '0' && ch <= '9';
            won = won * 10 + (ch - '0');
        }
        if (digits && won <= std::numeric_limits<std::int64_t>::max() / Money::Scale)
            return Money::fromWon(won);
    }
    const QString t = text(slot);
    try {
        return ParseAmount(t);
    } catch (const NumberConversionError &) {
        fail(QStringLiteral("%1번째 기록의 금액 \"%2\"이(가) 숫자가 아닙니다.").arg(index_ + 1).arg(t));
    }
}

void RecordReader::fail(const QString &reason) const { throw IoError(UnreadableFileMessage(fileName_, reason)); }

void RecordWriter::int32At(int offset, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i, v >>= 8)
        bytes_[offset + i] = static_cast<char>(v & 0xFF);
}

void RecordWriter::int64At(int offset, std::int64_t value) {
    auto v = static_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i, v >>= 8)
        bytes_[offset + i] = static_cast<char>(v & 0xFF);
}

void RecordWriter::text(Slot slot, const QString &value) {
    const QByteArray encoded = cp949::encode(cp949::cutToBytes(value, slot.capacity));
    const int n = static_cast<int>(qMin<qsizetype>(encoded.size(), slot.capacity));
    bytes_[slot.offset] = static_cast<char>(n);
    std::memcpy(bytes_.data() + slot.offset + 1, encoded.constData(), size_t(n));
}

} // namespace storage
