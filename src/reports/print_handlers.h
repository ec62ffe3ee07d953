#pragma once
// The texts the report forms print in place of a field's caption: a place to break a text that is too
// long for its box, and blanks for empty values. Byte counts are those of the Korean code page.

#include "report_form.h"

#include <QString>

namespace report {

// Gives the word wrapper a place to break: the text without trailing blanks, and when it is longer than
// limit bytes one break mark (kBreakMark, which takes no room on paper) inserted before the character that reaches byte limit (after byte limit when that
// byte is a one-byte character). A text of at most limit bytes is returned unchanged.
QString BreakInsertion(const QString &text, int limit);

// A representative's name of at most 8 bytes gets "(인)" after it; a longer one a break mark at 14 bytes.
QString RepresentativeName(const QString &text);

// "0" prints empty; any other text without its leading blanks.
QString ZeroBlank(const QString &text);

// The money text of zero ("₩0") prints empty; any other text without its leading blanks.
QString TotalBlank(const QString &text);

// A statement line date of exactly three characters (the year and the slash of a line without a date)
// prints empty.
QString DateBlank(const QString &text);

// A telephone of two characters or fewer, hyphens and blanks left out, prints empty.
QString TelephoneBlank(const QString &text);

} // namespace report
