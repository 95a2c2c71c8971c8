#include "ic/ic_names.h"

#include "platform/numeric.h"

bool IsFieldBreaker(QChar c)
{
    return c == u';' || c == u',' || c == u'"' || c == u'\r' || c == u'\n';
}

QString WithoutFieldBreakers(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!IsFieldBreaker(c))
            out.append(c);
    return out;
}

bool IsICNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u' ' || u == u'_'
        || u == u'(' || u == u')';
}

QString FilterICName(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (IsICNameChar(c))
            out.append(c);
    return out;
}

bool IsValidICName(const QString& name)
{
    if (Trim(name).isEmpty())
        return false;
    for (QChar c : name)
        if (!IsICNameChar(c))
            return false;
    return true;
}

QString OneLineNotes(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out;
}
