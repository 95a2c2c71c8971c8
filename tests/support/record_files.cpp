#include "support/record_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "platform/codepage.h"

QByteArray CrLfLines(std::initializer_list<QString> lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return ToCp1252(text);
}

QByteArray OneConnectorLines()
{
    return CrLfLines({QString::fromUtf8("[Anschlüsse]"), QStringLiteral("1;1;A;"), QString::fromUtf8("[Maße]"),
                      QStringLiteral("X3"), QStringLiteral("Y2"), QString::fromUtf8("[Graphische Anschlüsse]"),
                      QStringLiteral("0;1;A;")});
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}
