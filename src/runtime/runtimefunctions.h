#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

// The runtime's conversion functions, with the behaviour the program's
// texts and arithmetic rely on. All of them are independent of the user's
// locale: "." is always the decimal point.
namespace runtime {

// Plain decimal digits, a minus sign when negative, no blank, no zeros in front.
QString IntegerToText(qint64 value);

// Formats with a pattern of the form "0.0000000": at least one digit before
// the point and exactly as many decimals as the pattern has zeros after it,
// rounded to nearest.
QString Format(double value, QStringView pattern);

// The value of the leading number of a text: blanks (spaces, tabs, line
// ends) are ignored wherever they stand, then an optional sign, digits, a
// decimal point and an exponent (E or D). 0 when the text starts with no
// number. A number too large for a double gives an infinity, never an error.
double Val(QStringView text);

// The largest whole number not above value. The caller keeps value within
// the range of an int.
int Int(double value);

// The colours of the 16-colour palette that the program uses: 9 light blue
// and 12 light red. Any other number gives black.
QColor QBColor(int colour);

} // namespace runtime
