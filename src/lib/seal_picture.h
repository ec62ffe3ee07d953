#pragma once
// The supplier's seal picture, read from the file the user registered and checked on the way: a file
// that cannot serve as a seal gives no picture but a Korean sentence saying why, which the registration
// page and the print jobs show. A seal is a small picture, so anything far larger is refused from its
// header before a pixel of it is decoded, and a picture whose data ends before its header says is
// refused rather than drawn with the missing part black.

#include <QImage>
#include <QString>

namespace report {

// The largest seal picture taken, in pixels across and down, and the largest seal file.
inline constexpr int kSealMaxSide = 2000;
inline constexpr qint64 kSealMaxFileBytes = 16 * 1024 * 1024;

struct SealPicture {
    QImage image;    // the picture as stored; null when there is a problem
    QString problem; // why the file cannot be used (a Korean sentence); empty when the picture was read
    bool ok() const { return problem.isEmpty(); }
};

// Reads the seal picture at path. Only a regular file is opened, and never in a way that could block.
SealPicture ReadSealPicture(const QString &path);

} // namespace report
