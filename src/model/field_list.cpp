#include "model/field_list.h"

#include "platform/numeric.h"

QString GetField(const QString& s, int n)
{
    if (s.isEmpty() || n < 1)
        return QString();
    qsizetype start = 0;
    for (int i = 1; i < n; ++i) {
        const qsizetype sep = s.indexOf(u';', start);
        if (sep < 0)
            return QString();
        start = sep + 1;
    }
    const qsizetype end = s.indexOf(u';', start);
    if (end < 0)
        return QString();
    return s.mid(start, end - start);
}

QString NumToStr(double v)
{
    return QString::number(CInt(v));
}
