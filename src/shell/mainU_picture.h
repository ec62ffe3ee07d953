#pragma once
// The picture in the middle of the main window.

#include <QPixmap>
#include <QSize>

QPixmap MainWindowPicture(const QSize &size);
