#pragma once
// The characters the special character picker offers, by group. Every one of them is a character of the
// Korean code page, so it survives being saved in a document.

#include <QList>
#include <QString>

struct SpecialCharGroup {
    QString title;     // tab caption
    QStringList chars; // one character each
};

QList<SpecialCharGroup> SpecialCharGroups();
