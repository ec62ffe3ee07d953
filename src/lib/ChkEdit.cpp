#include "ChkEdit.h"

#include "masks.h"

TChkEdit::TChkEdit(QWidget *parent) : QLineEdit(parent) { SetKind(TChkKind::ceCitizen); }

QString TChkEdit::MaskOf(TChkKind kind) {
    return kind == TChkKind::ceBussiness ? QStringLiteral("999\\-99\\-99999;0;_")
                                         : QStringLiteral("999999\\-9999999;0;_");
}

int TChkEdit::MaxLengthOf(TChkKind kind) { return kind == TChkKind::ceBussiness ? 12 : 14; }

void TChkEdit::SetKind(TChkKind kind) {
    kind_ = kind;
    ApplyEditMask(this, MaskOf(kind));
    setMaxLength(MaxLengthOf(kind));
}

bool TChkEdit::CheckNumber() {
    // The number as the mask shows it: the check accepts it with or without its hyphens.
    const NumberCheck result = CheckRegistrationNumber(kind_, text().trimmed());
    verdict_ = result.verdict;
    return result.valid;
}
