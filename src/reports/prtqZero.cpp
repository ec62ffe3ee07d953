#include "prtqZero.h"

namespace report {

TprtqZerof::TprtqZerof() : TprtqDtybf(QStringLiteral("TprtqZerof"), false) {}

} // namespace report
