#include "model/files/record_reader.h"

#include <QFile>
#include <array>
#include <utility>

#include "platform/codepage.h"
#include "platform/numeric.h"

namespace {

const std::array<std::pair<Section, const char16_t*>, 13> kHeaders = {{
    {Section::Name, u"[Name]"},
    {Section::Feld, u"[Feld]"},
    {Section::Punkte, u"[Punkte]"},
    {Section::Jump, u"[Jump]"},
    {Section::Elemente, u"[Elemente]"},
    {Section::IC, u"[IC]"},
    {Section::GraphischeAnschluesse, u"[Graphische Anschlüsse]"},
    {Section::Anschluesse, u"[Anschlüsse]"},
    {Section::Masse, u"[Maße]"},
    {Section::Timer, u"[Timer]"},
    {Section::Tags, u"[Tags]"},
    {Section::Notizen, u"[Notizen]"},
    {Section::Links, u"[Links]"},
}};

bool KeepsBlankLines(Section section)
{
    return section == Section::Anschluesse || section == Section::GraphischeAnschluesse
        || section == Section::Tags || section == Section::Notizen;
}

double WholeNumber(const QString& field)
{
    return RoundHalfEven(Val(field));
}

} // namespace

std::optional<Section> SectionHeader(const QString& line)
{
    if (!line.contains(u'['))
        return std::nullopt;
    const QString t = Trim(line);
    for (const auto& [section, text] : kHeaders) {
        if (t == QStringView(text))
            return section;
    }
    return std::nullopt;
}

QString SectionHeaderText(Section section)
{
    for (const auto& [s, text] : kHeaders) {
        if (s == section)
            return QString::fromUtf16(text);
    }
    return QString();
}

QStringList SplitRecordLines(const QByteArray& bytes)
{
    const QString text = FromCp1252(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

std::optional<RecordFile> ReadRecordFile(const QString& path)
{
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    RecordFile file;
    file.bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    file.lines = SplitRecordLines(file.bytes);
    return file;
}

void ForEachRecord(const QStringList& lines, const std::function<void(Section)>& onHeader,
                   const std::function<void(Section, const QString&)>& onData)
{
    Section current = Section::None;
    for (const QString& line : lines) {
        if (const auto header = SectionHeader(line)) {
            current = *header;
            if (onHeader)
                onHeader(current);
            continue;
        }
        if (current == Section::None)
            continue;
        if (!KeepsBlankLines(current) && Trim(line).isEmpty())
            continue;
        if (current == Section::IC && Trim(FieldList(line).Text(1)).isEmpty())
            continue;
        onData(current, line);
    }
}

FieldList::FieldList(const QString& line)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = line.indexOf(u';', start);
        if (end < 0)
            break;
        fields_.push_back(line.mid(start, end - start));
        start = end + 1;
    }
}

QString FieldList::Text(int n) const
{
    return Has(n) ? fields_[static_cast<size_t>(n - 1)] : QString();
}

uint8_t ToByte(const QString& field)
{
    const double v = WholeNumber(field);
    if (!(v >= 0 && v <= 255))
        throw RecordFormatError("byte field out of range");
    return static_cast<uint8_t>(v);
}

int16_t ToInt(const QString& field)
{
    const double v = WholeNumber(field);
    if (!(v >= -32768 && v <= 32767))
        throw RecordFormatError("integer field out of range");
    return static_cast<int16_t>(v);
}

int32_t ToLong(const QString& field)
{
    const double v = WholeNumber(field);
    if (!(v >= -2147483648.0 && v <= 2147483647.0))
        throw RecordFormatError("long field out of range");
    return static_cast<int32_t>(v);
}

int16_t ToFlag(const QString& field)
{
    return Val(field) != 0 ? int16_t(-1) : int16_t(0);
}
