#pragma once
// TChkEdit: a masked edit that knows the business and the resident registration number, checks the
// number it holds and keeps the verdict of the last check.

#include "regnum.h"

#include <QLineEdit>

class TChkEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TChkEdit(QWidget *parent = nullptr);

    TChkKind Kind() const { return kind_; }
    // Stores the kind and applies its mask and maximum length.
    void SetKind(TChkKind kind);

    // True when the text is a valid number of the control's kind; sets the verdict either way.
    bool CheckNumber();
    // The verdict of the last check; empty until the first one.
    const QString &Verdict() const { return verdict_; }

    // The mask of each kind, in the forms' mask notation.
    static QString MaskOf(TChkKind kind);
    static int MaxLengthOf(TChkKind kind);

private:
    TChkKind kind_ = TChkKind::ceCitizen;
    QString verdict_;
};
