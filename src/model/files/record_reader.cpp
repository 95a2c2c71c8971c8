#include "model/files/record_reader.h"

#include <QFile>
#include <algorithm>
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

constexpr qsizetype kReadPiece = 64 * 1024;

using LineSink = std::function<bool(const QString&)>;

// Cuts bytes into lines at CR LF, LF or CR, also where a line end falls
// between two pieces of the file.
class LineSplitter {
public:
    // False once onLine asked to stop.
    bool Feed(const char* data, qsizetype size, const LineSink& onLine)
    {
        qsizetype start = 0;
        if (afterCr_ && size > 0) {
            afterCr_ = false;
            if (data[0] == '\n')
                start = 1;
        }
        for (qsizetype i = start; i < size; ++i) {
            const char c = data[i];
            if (c != '\r' && c != '\n')
                continue;
            QString line;
            if (partial_.isEmpty()) {
                line = FromCp1252(QByteArray::fromRawData(data + start, i - start));
            } else {
                partial_.append(data + start, i - start);
                line = FromCp1252(partial_);
                partial_.clear();
            }
            if (c == '\r') {
                if (i + 1 == size)
                    afterCr_ = true;
                else if (data[i + 1] == '\n')
                    ++i;
            }
            start = i + 1;
            if (!onLine(line))
                return false;
        }
        partial_.append(data + start, size - start);
        return true;
    }

    // The last line, when the bytes do not end with a line end.
    void Finish(const LineSink& onLine)
    {
        if (!partial_.isEmpty())
            onLine(FromCp1252(partial_));
        partial_.clear();
    }

private:
    QByteArray partial_;
    bool afterCr_ = false;
};

void TakeRecordLine(const QString& line, Section& current, const std::function<void(Section)>& onHeader,
                    const std::function<void(Section, const QString&)>& onData)
{
    if (const auto header = SectionHeader(line)) {
        current = *header;
        if (onHeader)
            onHeader(current);
        return;
    }
    if (current == Section::None)
        return;
    if (!KeepsBlankLines(current) && Trim(line).isEmpty())
        return;
    if (current == Section::IC && Trim(FieldList(line).Text(1)).isEmpty())
        return;
    onData(current, line);
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
    QStringList lines;
    const auto keep = [&lines](const QString& line) {
        lines.append(line);
        return true;
    };
    LineSplitter splitter;
    splitter.Feed(bytes.constData(), bytes.size(), keep);
    splitter.Finish(keep);
    return lines;
}

std::optional<RecordFile> RecordFile::Open(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    auto file = std::make_unique<QFile>(path);
    // Unbuffered: the passes read in pieces of their own.
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered) || file->size() > kMaxRecordFileSize)
        return std::nullopt;
    return RecordFile(std::move(file));
}

void RecordFile::ForEachLine(const std::function<bool(const QString&)>& onLine)
{
    if (!file_->seek(0))
        throw RecordFormatError("file cannot be read");
    LineSplitter splitter;
    QByteArray piece(kReadPiece, Qt::Uninitialized);
    qint64 total = 0;
    const qint64 size = std::max<qint64>(file_->size(), 1);
    int percent = 0;
    for (;;) {
        const qint64 n = file_->read(piece.data(), piece.size());
        if (n < 0)
            throw RecordFormatError("file cannot be read");
        if (n == 0)
            break;
        // A file that grows while it is read, or a device without end.
        total += n;
        if (total > kMaxRecordFileSize)
            throw RecordFormatError("file larger than any the program writes");
        if (!splitter.Feed(piece.constData(), n, onLine))
            return;
        const int done = static_cast<int>(std::min<qint64>(total * 100 / size, 100));
        if (progress_ && done > percent) {
            percent = done;
            progress_(percent);
        }
    }
    splitter.Finish(onLine);
}

void ForEachRecord(const QStringList& lines, const std::function<void(Section)>& onHeader,
                   const std::function<void(Section, const QString&)>& onData)
{
    Section current = Section::None;
    for (const QString& line : lines)
        TakeRecordLine(line, current, onHeader, onData);
}

void ForEachRecord(RecordFile& file, const std::function<void(Section)>& onHeader,
                   const std::function<void(Section, const QString&)>& onData)
{
    Section current = Section::None;
    file.ForEachLine([&](const QString& line) {
        TakeRecordLine(line, current, onHeader, onData);
        return true;
    });
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
