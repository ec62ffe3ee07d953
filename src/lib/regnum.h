#pragma once
// Business (사업자등록번호) and resident (주민등록번호) registration number checks, and the text printed for
// the supplier's own number.

#include <QString>

enum class TChkKind { ceCitizen = 0, ceBussiness = 1 };

struct NumberCheck {
    bool valid = false;
    QString verdict; // the short verdict text of the check
};

// Checks a number as typed, with or without its hyphens.
NumberCheck CheckRegistrationNumber(TChkKind kind, const QString &text);

bool IsLeapYear(int year);

// The business number of the built-in sample supplier record, as stored ("###-##-#####").
QString SampleSupplierNumber();

// The text to print for the supplier's business number: a reminder in place of the sample number,
// otherwise the number as given.
QString SupplierNumberText(const QString &number);
