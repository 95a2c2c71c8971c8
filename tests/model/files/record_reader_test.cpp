#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "model/files/record_reader.h"
#include "model/files/record_writer.h"
#include "support/record_files.h"

namespace {

std::vector<std::pair<Section, QString>> Records(const QStringList& lines)
{
    std::vector<std::pair<Section, QString>> out;
    ForEachRecord(lines, nullptr, [&](Section s, const QString& l) { out.emplace_back(s, l); });
    return out;
}

TEST(RecordLines, EveryLineEndIsAccepted)
{
    EXPECT_EQ(SplitRecordLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitRecordLines("a\r\n"), QStringList{"a"});
    EXPECT_EQ(SplitRecordLines("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(SplitRecordLines("\r\r"), (QStringList{"", ""}));
    EXPECT_TRUE(SplitRecordLines("").isEmpty());
    // Windows-1252: 0xE4 is a-umlaut, 0x80 the euro sign.
    EXPECT_EQ(SplitRecordLines("Z\xE4hler \x80\r\n"), QStringList{QStringLiteral("Zähler €")});
}

TEST(RecordLines, AFileIsReadInPiecesWithTheSameLines)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lines.gtr"));
    // Line ends on and around the border between two pieces of the file.
    for (const char* end : {"\r\n", "\n", "\r"}) {
        for (int pad = 65533; pad <= 65537; ++pad) {
            SCOPED_TRACE(testing::Message() << int(end[0]) << int(end[1]) << " after " << pad);
            WriteBytes(path, QByteArray(pad, 'a') + end + "Z\xE4hler" + end + end + "last");
            auto file = RecordFile::Open(path);
            ASSERT_TRUE(file);
            QStringList lines;
            file->ForEachLine([&](const QString& l) {
                lines.append(l);
                return true;
            });
            EXPECT_EQ(lines, (QStringList{QString(pad, u'a'), QStringLiteral("Zähler"), QString(), "last"}));
            // Every pass starts at the beginning and may stop early.
            int taken = 0;
            file->ForEachLine([&](const QString& l) {
                EXPECT_EQ(l.size(), pad);
                return ++taken < 1;
            });
            EXPECT_EQ(taken, 1);
        }
    }
}

TEST(RecordLines, OnlyFilesUpToTheSizeLimitAreOpened)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("big.gtr"));
    for (const qint64 size : {kMaxRecordFileSize, kMaxRecordFileSize + 1}) {
        QFile f(path);
        // Grown without writing: the file takes no room on the disk.
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(size));
        f.close();
        EXPECT_EQ(RecordFile::Open(path).has_value(), size <= kMaxRecordFileSize) << size;
    }
    EXPECT_FALSE(RecordFile::Open(dir.filePath(QStringLiteral("none.gtr"))));
}

TEST(RecordLines, FieldsSplitOnlyAtSemicolons)
{
    const FieldList f(QStringLiteral("a,b;c;;tail"));
    EXPECT_EQ(f.Count(), 3);
    EXPECT_EQ(f.Text(1), QStringLiteral("a,b"));
    EXPECT_EQ(f.Text(2), QStringLiteral("c"));
    EXPECT_TRUE(f.Has(3));
    EXPECT_TRUE(f.Text(3).isEmpty());
    EXPECT_FALSE(f.Has(4)); // text after the last ";" is no field
    EXPECT_EQ(FieldList(QStringLiteral("no fields")).Count(), 0);
}

TEST(RecordLines, SectionHeaders)
{
    EXPECT_EQ(SectionHeader(QStringLiteral("[Maße]")), Section::Masse);
    EXPECT_EQ(SectionHeader(QStringLiteral(" [Feld] ")), Section::Feld);
    EXPECT_EQ(SectionHeader(QStringLiteral("[Graphische Anschlüsse]")), Section::GraphischeAnschluesse);
    EXPECT_EQ(SectionHeader(QStringLiteral("[Links]")), Section::Links);
    EXPECT_FALSE(SectionHeader(QStringLiteral("[feld]")));
    EXPECT_FALSE(SectionHeader(QStringLiteral("[Other]")));
    EXPECT_FALSE(SectionHeader(QStringLiteral("[Feld];")));
    EXPECT_EQ(SectionHeaderText(Section::Anschluesse), QStringLiteral("[Anschlüsse]"));
}

TEST(RecordLines, NumbersMustFitTheirField)
{
    EXPECT_EQ(ToByte(QStringLiteral("255")), 255);
    EXPECT_THROW(ToByte(QStringLiteral("256")), RecordFormatError);
    EXPECT_THROW(ToByte(QStringLiteral("-1")), RecordFormatError);
    EXPECT_EQ(ToInt(QStringLiteral(" 12abc")), 12);
    EXPECT_EQ(ToInt(QStringLiteral("2.5")), 2); // halves to even
    EXPECT_EQ(ToInt(QStringLiteral("x")), 0);
    EXPECT_EQ(ToInt(QStringLiteral("-32768")), -32768);
    EXPECT_THROW(ToInt(QStringLiteral("32768")), RecordFormatError);
    EXPECT_THROW(ToInt(QStringLiteral("1e9")), RecordFormatError);
    EXPECT_EQ(ToLong(QStringLiteral("16777215")), 16777215);
    EXPECT_THROW(ToLong(QStringLiteral("2147483648")), RecordFormatError);
    EXPECT_EQ(ToFlag(QStringLiteral("5")), -1);
    EXPECT_EQ(ToFlag(QStringLiteral("0")), 0);
}

TEST(RecordLines, BlankLinesCountOnlyWhereALineIsAnEntry)
{
    const QStringList lines{"before any header", "[Elemente]", "", "4;2;;;0;1;;", "  ",
                            "[IC]", "", ";3;", " ;4;", "no fields", "A;1;",
                            "[Graphische Anschlüsse]", "", "0;1;A;",
                            "[Other]", "x", "[Notizen]", "", "last"};
    const auto r = Records(lines);
    const std::vector<std::pair<Section, QString>> expected{
        {Section::Elemente, "4;2;;;0;1;;"},
        {Section::IC, "A;1;"},
        {Section::GraphischeAnschluesse, ""},
        {Section::GraphischeAnschluesse, "0;1;A;"},
        {Section::GraphischeAnschluesse, "[Other]"}, // an unknown header is data
        {Section::GraphischeAnschluesse, "x"},
        {Section::Notizen, ""},
        {Section::Notizen, "last"}};
    EXPECT_EQ(r, expected);
}

TEST(RecordLines, WriterEndsEveryLineWithCrLfInWindows1252)
{
    RecordWriter w;
    w.Header(Section::Masse);
    w.Line(QStringLiteral("Zähler"));
    EXPECT_EQ(w.Bytes(), QByteArray("[Ma\xDF" "e]\r\nZ\xE4hler\r\n"));
}

} // namespace
