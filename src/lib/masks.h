#pragma once
// Edit masks written in the forms' own notation ("999\-99\-99999;0;_": the mask, whether the literal
// characters belong to the value, the blank character), translated for QLineEdit::setInputMask.
//
// Mask characters: '0' a required digit, '9' an optional digit, '#' an optional digit or sign,
// 'L'/'l' a required/optional letter, 'A'/'a' a required/optional letter or digit, 'C'/'c' a
// required/optional character, '>' upper case follows, '<' lower case follows, "<>" no case change,
// '\' the next character is a literal, '_' a literal blank, '!' (leading blanks dropped) is ignored;
// every other character is a literal.

#include <QChar>
#include <QString>

class QLineEdit;

struct EditMask {
    QString inputMask;        // for QLineEdit::setInputMask, blank character included ("999\-99;_")
    bool keepLiterals = true; // the value carries the literal characters
    QChar blank = u'_';
};

EditMask TranslateEditMask(const QString &mask);

// Sets the translated mask on the edit and remembers whether its value keeps the literals. An edit whose
// mask takes only digits is a numbers-only field (input_method.h).
void ApplyEditMask(QLineEdit *edit, const QString &mask);

// Whether a translated mask takes digits (and signs) only.
bool TakesOnlyDigits(const EditMask &mask);

// The edit's value as the mask gives it: with the literal characters and a blank for every empty place when
// the mask keeps literals ("123-4 -     "), only the typed characters when it does not ("1234"); empty when
// nothing has been typed.
QString MaskedValue(const QLineEdit *edit);
