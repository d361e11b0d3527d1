#pragma once

#include <QByteArray>

#include "number.h"

namespace conteggo {

// One value per line, the text form of both of the program's files. Every line ends with
// CR LF on every platform, and the text never depends on the regional settings.

// Integers as plain digits; doubles to 15 significant digits with "." as the point and no
// trailing zeros, in exponent form ("1E+15") from 10^15 up or below 10^-4; empty as nothing.
QByteArray encodeLine(const Number& value);

// "#TRUE#" or "#FALSE#".
QByteArray encodeBooleanLine(bool value);

}  // namespace conteggo
