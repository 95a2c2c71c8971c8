#include "settings/basNumberConversion.h"

#include <algorithm>
#include <cmath>

#include "platform/numeric.h"

namespace {

bool IsDigitOf(NumberBox box, QChar c)
{
    const char16_t u = c.unicode();
    switch (box) {
    case NumberBox::Dec:
        return u >= '0' && u <= '9';
    case NumberBox::Hex:
        return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
    case NumberBox::Bin:
        return u == '0' || u == '1';
    case NumberBox::Oct:
        return u >= '0' && u <= '7';
    }
    return false;
}

double ToDecimal(const QString& s, int radix, bool hex)
{
    double sum = 0;
    double weight = 1;
    for (qsizetype i = s.size() - 1; i >= 0; --i) {
        const QChar c = s.at(i);
        const int digit = hex ? HexDigitValue(c) : (c.isDigit() ? c.digitValue() : 0);
        sum += digit * weight;
        weight *= radix;
    }
    return sum;
}

QString WholeText(double v)
{
    return QString::number(v, 'f', 0);
}

// The whole number a decimal text stands for (negative ones as 0: no box
// can hold them).
qulonglong WholeValue(const QString& s)
{
    const double v = RoundHalfEven(Val(s));
    return v <= 0 ? 0 : static_cast<qulonglong>(std::min(v, 9.0e15));
}

} // namespace

int HexDigitValue(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= '1' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return 0;
}

QString HexToDec(const QString& s)
{
    return WholeText(ToDecimal(s, 16, true));
}

QString BinToDec(const QString& s)
{
    return WholeText(ToDecimal(s, 2, false));
}

QString OctToDec(const QString& s)
{
    return WholeText(ToDecimal(s, 8, false));
}

QString DecToHex(const QString& s)
{
    return QString::number(WholeValue(s), 16).toUpper();
}

QString DecToBin(const QString& s)
{
    const qulonglong n = WholeValue(s);
    if (n < 2)
        return n == 0 ? QStringLiteral("0") : QStringLiteral("1");
    int p = 0;
    while (p < 63 && (qulonglong{1} << (p + 1)) <= n)
        ++p;
    QString out = QStringLiteral("1");
    qulonglong rest = n - (qulonglong{1} << p);
    for (int i = p - 1; i >= 0; --i) {
        const qulonglong bit = qulonglong{1} << i;
        if (bit <= rest) {
            out += u'1';
            rest -= bit;
        } else {
            out += u'0';
        }
    }
    return out;
}

QString DecToOct(const QString& s)
{
    return QString::number(WholeValue(s), 8);
}

double BoxValue(NumberBox box, const QString& text)
{
    switch (box) {
    case NumberBox::Dec:
        return Val(text);
    case NumberBox::Hex:
        return ToDecimal(text, 16, true);
    case NumberBox::Bin:
        return ToDecimal(text, 2, false);
    case NumberBox::Oct:
        return ToDecimal(text, 8, false);
    }
    return 0;
}

std::array<QString, 4> ConvertFrom(NumberBox box, const QString& text)
{
    std::array<QString, 4> out;
    out[static_cast<size_t>(box)] = text;
    if (text.isEmpty())
        return out;
    const QString dec = box == NumberBox::Dec ? text : WholeText(BoxValue(box, text));
    out[0] = dec;
    if (box != NumberBox::Hex)
        out[1] = DecToHex(dec);
    if (box != NumberBox::Bin)
        out[2] = DecToBin(dec);
    if (box != NumberBox::Oct)
        out[3] = DecToOct(dec);
    return out;
}

std::optional<QChar> FilterKey(NumberBox box, const QString& current, QChar typed)
{
    if (typed.unicode() == 8)
        return typed;
    if (!IsDigitOf(box, typed))
        return std::nullopt;
    if (BoxValue(box, current + typed) > kMaxConvertible)
        return std::nullopt;
    return box == NumberBox::Hex ? typed.toUpper() : typed;
}

std::optional<QString> FilterText(NumberBox box, const QString& text)
{
    QString kept;
    for (QChar c : text)
        if (IsDigitOf(box, c))
            kept += box == NumberBox::Hex ? c.toUpper() : c;
    if (BoxValue(box, kept) > kMaxConvertible)
        return std::nullopt;
    return kept;
}
