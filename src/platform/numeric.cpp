#include "platform/numeric.h"

#include <cmath>
#include <limits>

double RoundHalfEven(double v)
{
    if (!std::isfinite(v))
        return v;
    return std::nearbyint(v); // default FP mode rounds to nearest, ties to even
}

int16_t CInt(double v)
{
    const double r = RoundHalfEven(v);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw RuntimeError(kErrOverflow, "Overflow");
    return static_cast<int16_t>(r);
}

int32_t CLng(double v)
{
    const double r = RoundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw RuntimeError(kErrOverflow, "Overflow");
    return static_cast<int32_t>(r);
}

double Int(double v)
{
    return std::floor(v);
}

double Val(const QString& s)
{
    int i = 0;
    const int n = s.size();
    auto skipBlanks = [&] {
        while (i < n && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n' || s[i] == u'\r'))
            ++i;
    };
    skipBlanks();
    QString digits;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        digits += s[i];
        ++i;
    }
    bool any = false;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        digits += s[i++];
        any = true;
    }
    if (i < n && s[i] == u'.') {
        digits += s[i++];
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            digits += s[i++];
            any = true;
        }
    }
    if (!any)
        return 0.0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        QString exp = QStringLiteral("e");
        int j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            exp += s[j++];
        bool expDigits = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) {
            exp += s[j++];
            expDigits = true;
        }
        if (expDigits)
            digits += exp;
    }
    bool ok = false;
    const double v = digits.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0.0;
    return v;
}

QString Str(double v)
{
    QString t;
    if (v == std::floor(v) && std::fabs(v) < 1e15)
        t = QString::number(static_cast<long long>(v));
    else
        t = QString::number(v, 'g', 15);
    if (v >= 0)
        t.prepend(u' ');
    return t;
}

QString Trim(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}
