#pragma once
// Fixed-size binary records of the document files: short strings (a length byte, then that many CP949
// bytes in a slot of 1 + capacity bytes) and little-endian integers at fixed offsets.
//
// Reading never trusts the file: a length byte larger than its slot's capacity, an amount text that is
// not a number, or a record that would reach past the end is reported as a damaged file (IoError naming
// the file), never read around.

#include "money.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace storage {

// Largest document file read: far above any real document, small enough to refuse any other file
// picked by mistake without reading it into memory.
inline constexpr qint64 kMaxDocumentFileSize = 1024 * 1024;

struct Slot {
    int offset = 0;
    int capacity = 0;
};

// The message of an unreadable document file: the file named, then the reason.
QString UnreadableFileMessage(const QString &fileName, const QString &reason);
// The message of a save that was refused before anything was written.
QString UnsavedFileMessage(const QString &fileName, const QString &reason);

// One record of a file being read. Index is 0-based; messages count records from 1.
class RecordReader {
public:
    RecordReader(const QByteArray &file, qsizetype offset, int size, int index, const QString &fileName)
        : data_(file.constData() + offset), size_(size), index_(index), fileName_(fileName) {}

    std::int32_t int32At(int offset) const;
    std::int64_t int64At(int offset) const;

    // The text bytes of a short-string slot, after checking its length byte.
    QByteArray bytes(Slot slot) const;
    // The checked length byte of a short-string slot.
    int length(Slot slot) const {
        Q_ASSERT(slot.offset >= 0 && slot.offset + 1 + slot.capacity <= size_);
        const int n = static_cast<unsigned char>(data_[slot.offset]);
        if (n > slot.capacity)
            failLength(slot, n);
        return n;
    }
    // The text bytes of a short-string slot where they lie in the record, after checking its length byte.
    QByteArrayView view(Slot slot) const { return QByteArrayView(data_ + slot.offset + 1, length(slot)); }
    // The slot's text; with maxBytes, only its first maxBytes bytes (a half character at the cut is
    // dropped).
    QString text(Slot slot) const;
    QString text(Slot slot, int maxBytes) const;
    // The slot's text read as an amount; an empty slot is 0.
    Money amount(Slot slot) const;

    int index() const { return index_; }
    [[noreturn]] void fail(const QString &reason) const;

private:
    [[noreturn]] void failLength(Slot slot, int length) const;

    const char *data_;
    int size_;
    int index_;
    QString fileName_;
};

// Builds a record of the given size, all bytes zero until written.
class RecordWriter {
public:
    explicit RecordWriter(int size) : bytes_(size, '\0') {}

    void int32At(int offset, std::int32_t value);
    void int64At(int offset, std::int64_t value);
    // The text cut to the slot's capacity without splitting a character.
    void text(Slot slot, const QString &value);

    const QByteArray &bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

} // namespace storage
