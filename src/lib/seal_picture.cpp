#include "seal_picture.h"

#include "regular_file.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace report {

namespace {

const QString kNotAPicture = QStringLiteral("그림 파일이 아니거나 손상된 파일입니다.");
const QString kCutShort = QStringLiteral("그림 파일이 손상되었습니다. 그림 자료가 중간에 잘려 있습니다.");

QString tooManyPixels(qint64 width, qint64 height) {
    return QStringLiteral(
               "그림이 너무 큽니다: %1×%2 화소입니다. 도장 그림은 가로와 세로 모두 %3 화소까지 쓸 수 있습니다.")
        .arg(width)
        .arg(height)
        .arg(kSealMaxSide);
}

QString tooManyBytes(qint64 bytes) {
    constexpr qint64 kMegabyte = 1024 * 1024;
    return QStringLiteral("파일이 너무 큽니다: %1 MB입니다. 도장 그림 파일은 %2 MB까지 쓸 수 있습니다.")
        .arg(QString::number(double(bytes) / double(kMegabyte), 'f', 1))
        .arg(kSealMaxFileBytes / kMegabyte);
}

// A BMP file's own header, read without decoding: the size it claims and whether the file holds all the
// pixel data that size needs. The image reader leaves rows the file does not hold black, and refuses to
// report sizes it finds absurd, so both are judged here. head holds the file's first bytes; an empty
// result means nothing is wrong that the header shows (or the file is no BMP).
QString bmpHeaderProblem(const QByteArray &head, qint64 fileSize) {
    if (!head.startsWith("BM"))
        return {};
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    const qsizetype size = head.size();
    const auto u16 = [&](qsizetype at) { return qint64(qFromLittleEndian<quint16>(bytes + at)); };
    const auto u32 = [&](qsizetype at) { return qint64(qFromLittleEndian<quint32>(bytes + at)); };
    const auto i32 = [&](qsizetype at) { return qint64(qFromLittleEndian<qint32>(bytes + at)); };

    // File header (14 bytes), then the picture header, whose first field is its own length.
    if (size < 18)
        return kNotAPicture;
    const qint64 dataOffset = u32(10);
    const qint64 headerLength = u32(14);
    // The lengths the picture header has had over the years; anything else is not a BMP header.
    static constexpr qint64 kHeaderLengths[] = {12, 16, 40, 52, 56, 64, 108, 124};
    if (std::find(std::begin(kHeaderLengths), std::end(kHeaderLengths), headerLength) == std::end(kHeaderLengths))
        return kNotAPicture;
    qint64 width = 0, height = 0, planes = 0, bitsPerPixel = 0, compression = 0, dataLength = 0;
    if (headerLength == 12) { // the oldest header: 16-bit sizes, never compressed
        if (size < 26)
            return kNotAPicture;
        width = u16(18);
        height = u16(20);
        planes = u16(22);
        bitsPerPixel = u16(24);
    } else {
        if (size < 30)
            return kNotAPicture;
        width = i32(18);
        height = i32(22);
        planes = u16(26);
        bitsPerPixel = u16(28);
        if (headerLength >= 40) {
            if (size < 38)
                return kNotAPicture;
            compression = u32(30);
            dataLength = u32(34);
        }
    }
    if (planes != 1)
        return kNotAPicture;
    height = qAbs(height); // a negative height marks rows stored from the top down
    if (width > kSealMaxSide || height > kSealMaxSide)
        return tooManyPixels(width, height);
    if (width <= 0 || height == 0)
        return {}; // the reader refuses it
    if (dataOffset >= fileSize)
        return kCutShort;

    enum : qint64 { Uncompressed = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };
    switch (compression) {
    case Uncompressed:
    case BitFields:
    case AlphaBitFields:
        switch (bitsPerPixel) {
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32: {
            // Rows are padded to whole 32-bit words.
            const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
            if (dataOffset + rowBytes * height > fileSize)
                return kCutShort;
            break;
        }
        default: break;
        }
        break;
    case Rle8:
    case Rle4:
        if (dataLength > 0 && dataOffset + dataLength > fileSize)
            return kCutShort;
        break;
    default: break;
    }
    return {};
}

} // namespace

SealPicture ReadSealPicture(const QString &path) {
    SealPicture out;
    if (path.trimmed().isEmpty()) {
        out.problem = QStringLiteral("도장 그림 파일이 정해져 있지 않습니다.");
        return out;
    }
    QFile file(path);
    if (!OpenRegularFileForReading(file, &out.problem))
        return out;

    const qint64 fileSize = file.size();
    // The header says how large the picture is before anything of it is decoded.
    out.problem = bmpHeaderProblem(file.peek(64), fileSize);
    if (!out.problem.isEmpty())
        return out;
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize claimed = reader.size();
    if (claimed.width() > kSealMaxSide || claimed.height() > kSealMaxSide) {
        out.problem = tooManyPixels(claimed.width(), claimed.height());
        return out;
    }
    if (fileSize > kSealMaxFileBytes) {
        out.problem = tooManyBytes(fileSize);
        return out;
    }
    // A reader that could not tell the size beforehand still allocates no more than this (in MB).
    reader.setAllocationLimit(64);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        out.problem = kNotAPicture;
        return out;
    }
    if (image.width() > kSealMaxSide || image.height() > kSealMaxSide) {
        out.problem = tooManyPixels(image.width(), image.height());
        return out;
    }
    out.image = image;
    return out;
}

} // namespace report
