#include "runtime/runtimefunctions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace runtime {

QString IntegerToText(qint64 value)
{
    return QString::number(value);
}

QString Format(double value, QStringView pattern)
{
    const qsizetype point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);
    // QString::number is locale independent and rounds the exact binary
    // value to nearest, as printf does.
    return QString::number(value, 'f', decimals);
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading number of text with its blanks dropped, in the plain ASCII
// form std::from_chars reads ("-12.5e3"), or an empty string.
std::string leadingNumber(QStringView text)
{
    std::string compact;
    compact.reserve(std::size_t(qMin<qsizetype>(text.size(), 4096)));
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        if (c.unicode() > 0x7f)
            break; // no number continues past a non-ASCII character
        compact.push_back(char(c.unicode()));
    }

    std::string number;
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < compact.size() ? compact[k] : '\0'; };
    if (at(i) == '+' || at(i) == '-')
        number.push_back(compact[i++]);
    std::size_t digits = 0;
    while (isDigit(at(i))) {
        number.push_back(compact[i++]);
        ++digits;
    }
    if (at(i) == '.') {
        number.push_back(compact[i++]);
        while (isDigit(at(i))) {
            number.push_back(compact[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return {};
    const char e = at(i);
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (at(j) == '+' || at(j) == '-')
            exponent.push_back(compact[j++]);
        if (isDigit(at(j))) {
            while (isDigit(at(j)))
                exponent.push_back(compact[j++]);
            number += exponent;
        }
    }
    return number;
}

// Whether a number that a double cannot hold is too large (rather than too
// small): its decimal exponent, counted from the first significant digit.
bool isOverflow(const std::string &number)
{
    long long position = 0; // where the first significant digit stands
    bool seenSignificant = false;
    bool afterPoint = false;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    std::size_t i = 0;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '+' || c == '-')
            continue;
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!isDigit(c))
            break;
        if (!afterPoint) {
            if (seenSignificant || c != '0') {
                seenSignificant = true;
                ++integerDigits;
            }
        } else if (!seenSignificant) {
            if (c == '0')
                ++leadingFractionZeros;
            else
                seenSignificant = true;
        }
    }
    position = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
    long long exponent = 0;
    if (i < number.size() && number[i] == 'e') {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negative = number[i++] == '-';
        for (; i < number.size(); ++i) {
            exponent = std::min<long long>(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        }
        if (negative)
            exponent = -exponent;
    }
    return position + exponent > 0;
}

} // namespace

double Val(QStringView text)
{
    const std::string number = leadingNumber(text);
    if (number.empty())
        return 0.0;
    // from_chars takes no "+" and always reads "." as the decimal point.
    const bool negative = number.front() == '-';
    const std::size_t start = (number.front() == '+' || negative) ? 1 : 0;
    double value = 0.0;
    const auto result = std::from_chars(number.data() + start, number.data() + number.size(),
                                        value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = isOverflow(number) ? std::numeric_limits<double>::infinity() : 0.0;
    else if (result.ec != std::errc())
        value = 0.0; // a lone "." or "-.": no number after all
    return negative ? -value : value;
}

int Int(double value)
{
    return static_cast<int>(std::floor(value));
}

QColor QBColor(int colour)
{
    switch (colour) {
    case 9:
        return QColor(0, 0, 255);
    case 12:
        return QColor(255, 0, 0);
    default:
        return QColor(0, 0, 0);
    }
}

} // namespace runtime
