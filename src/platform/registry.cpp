#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "platform/replace_file.h"

QString RegValue::text() const
{
    if (const auto* t = std::get_if<QString>(&data_))
        return *t;
    return QString();
}

int32_t RegValue::number() const
{
    if (const auto* n = std::get_if<int32_t>(&data_))
        return *n;
    return 0;
}

QString RegValue::toText() const
{
    if (isNumber())
        return QString::number(number());
    return text();
}

RegistryLocations RegistryLocationsFor(const QString& xdgConfigHome, const QString& home,
                                       const QString& executableDir)
{
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    QString configHome = xdgConfigHome;
    if (configHome.isEmpty() || QDir::isRelativePath(configHome))
        configHome = home + QStringLiteral("/.config");
    const QString prefix = QDir::cleanPath(executableDir + QStringLiteral("/.."));
    return {QDir::cleanPath(configHome + QStringLiteral("/Kestrun/Gatrel.conf")),
            QDir::cleanPath(prefix + QStringLiteral("/etc/xdg/Kestrun/Gatrel.conf"))};
}

RegistryLocations DefaultRegistryLocations()
{
    return RegistryLocationsFor(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath(),
                                QCoreApplication::applicationDirPath());
}

namespace {

QString NormalizeKey(const QString& key)
{
    qsizetype b = 0;
    qsizetype e = key.size();
    while (b < e && key[b] == u'\\')
        ++b;
    while (e > b && key[e - 1] == u'\\')
        --e;
    return key.mid(b, e - b);
}

// The files already stand for Software\Kestrun\Gatrel, so its subkeys are
// the groups: Software\Kestrun\Gatrel\1.0 is [1.0].
QString GroupOfKey(const QString& subkey)
{
    static const QString kProgramKey = QStringLiteral("Software\\Kestrun\\Gatrel\\");
    const QString key = NormalizeKey(subkey);
    if (key.startsWith(kProgramKey, Qt::CaseInsensitive) && key.size() > kProgramKey.size())
        return key.mid(kProgramKey.size());
    return key;
}

bool ValidKey(const QString& key)
{
    return !key.isEmpty() && !key.contains(u'\n') && !key.contains(u'\r') && !key.contains(QChar(0));
}

bool ValidName(const QString& name)
{
    if (name.isEmpty() || name != name.trimmed())
        return false;
    if (name[0] == u'[' || name[0] == u';' || name[0] == u'#')
        return false;
    for (const QChar c : name)
        if (c == u'=' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return true;
}

bool SameKey(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The line as text, without line end and byte-order mark.
QString DecodeLine(const QByteArray& raw)
{
    QByteArray bytes = raw;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    return QString::fromUtf8(bytes);
}

std::optional<QString> SectionOf(const QByteArray& raw)
{
    const QString line = DecodeLine(raw).trimmed();
    if (line.size() < 2 || !line.startsWith(u'[') || !line.endsWith(u']'))
        return std::nullopt;
    return NormalizeKey(line.mid(1, line.size() - 2));
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Up to maxDigits hex digits at s[i..]; -1 when fewer than minDigits.
int64_t ReadHex(const QString& s, qsizetype& i, int minDigits, int maxDigits)
{
    int64_t v = 0;
    int n = 0;
    while (n < maxDigits && i < s.size() && HexDigit(s[i]) >= 0) {
        v = v * 16 + HexDigit(s[i]);
        ++i;
        ++n;
    }
    return n >= minDigits ? v : -1;
}

std::optional<QString> ParseQuoted(const QString& s)
{
    if (!s.startsWith(u'"'))
        return std::nullopt;
    QString out;
    qsizetype i = 1;
    while (i < s.size()) {
        const QChar c = s[i++];
        if (c == u'"')
            return s.mid(i).trimmed().isEmpty() ? std::optional<QString>(out) : std::nullopt;
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (i >= s.size())
            return std::nullopt;
        const QChar e = s[i++];
        switch (e.unicode()) {
        case u'\\': out += u'\\'; break;
        case u'"': out += u'"'; break;
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        case u't': out += u'\t'; break;
        case u'x':
        case u'u': {
            const int digits = e == u'x' ? 2 : 4;
            const int64_t v = ReadHex(s, i, digits, digits);
            if (v < 0)
                return std::nullopt;
            out += QChar(static_cast<char16_t>(v));
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt; // no closing quote
}

struct ValueLine {
    QString name;
    RegValue value;
};

std::optional<ValueLine> ValueOf(const QByteArray& raw)
{
    const QString line = DecodeLine(raw);
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0)
        return std::nullopt;
    const QString name = line.left(eq).trimmed();
    const QString rest = line.mid(eq + 1).trimmed();
    if (name.isEmpty() || name.startsWith(u'[') || name.startsWith(u';') || name.startsWith(u'#'))
        return std::nullopt;
    if (rest.startsWith(QStringLiteral("dword:"), Qt::CaseInsensitive)) {
        qsizetype i = 6;
        const int64_t v = ReadHex(rest, i, 1, 8);
        if (v < 0 || i != rest.size())
            return std::nullopt;
        return ValueLine{name, RegValue::Number(static_cast<int32_t>(static_cast<uint32_t>(v)))};
    }
    if (auto text = ParseQuoted(rest))
        return ValueLine{name, RegValue::Text(*text)};
    return std::nullopt;
}

QByteArray EncodeValue(const QString& name, const RegValue& value)
{
    QString line = name + u'=';
    if (value.isNumber()) {
        line += QStringLiteral("dword:%1").arg(static_cast<uint32_t>(value.number()), 8, 16, QChar(u'0'));
        return line.toUtf8();
    }
    line += u'"';
    const QString t = value.text();
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        const char16_t u = c.unicode();
        if (c == u'\\')
            line += QStringLiteral("\\\\");
        else if (c == u'"')
            line += QStringLiteral("\\\"");
        else if (c == u'\n')
            line += QStringLiteral("\\n");
        else if (c == u'\r')
            line += QStringLiteral("\\r");
        else if (c == u'\t')
            line += QStringLiteral("\\t");
        else if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            line += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QChar(u'0'));
        else if (c.isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
            line += c;
            line += t[++i];
        } else if (c.isSurrogate()) // unpaired: UTF-8 cannot carry it
            line += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QChar(u'0'));
        else
            line += c;
    }
    line += u'"';
    return line.toUtf8();
}

const QString& FileOf(const RegistryLocations& where, RegistryRoot root)
{
    return root == RegistryRoot::CurrentUser ? where.userFile : where.machineFile;
}

// The lines of one root's file.
class IniDocument {
public:
    // False when the file exists but cannot be read, with the reason in error
    // (when given); a missing file is an empty document.
    bool load(const QString& path, QString* error = nullptr)
    {
        lines_.clear();
        if (path.isEmpty())
            return false;
        QFile f(path);
        if (!f.exists())
            return true;
        if (!f.open(QIODevice::ReadOnly)) {
            if (error)
                *error = f.errorString();
            return false;
        }
        QByteArray data = f.readAll();
        if (f.error() != QFileDevice::NoError) {
            if (error)
                *error = f.errorString();
            return false;
        }
        if (data.isEmpty())
            return true;
        if (data.endsWith('\n'))
            data.chop(1);
        for (const QByteArray& l : data.split('\n'))
            lines_.push_back(l);
        return true;
    }

    bool hasAnyKey() const
    {
        for (const QByteArray& raw : lines_)
            if (SectionOf(raw))
                return true;
        return false;
    }

    bool hasKey(const QString& key) const
    {
        const QString below = key + u'\\';
        for (const QByteArray& raw : lines_) {
            if (auto sec = SectionOf(raw))
                if (SameKey(*sec, key) || sec->startsWith(below, Qt::CaseInsensitive))
                    return true;
        }
        return false;
    }

    RegValue value(const QString& key, const QString& name) const
    {
        bool inKey = false;
        for (const QByteArray& raw : lines_) {
            if (auto sec = SectionOf(raw)) {
                inKey = SameKey(*sec, key);
                continue;
            }
            if (!inKey)
                continue;
            if (auto v = ValueOf(raw); v && SameKey(v->name, name))
                return v->value;
        }
        return RegValue();
    }

    // The values of the key itself (not of keys below it), in file order.
    std::vector<ValueLine> values(const QString& key) const
    {
        std::vector<ValueLine> out;
        bool inKey = false;
        for (const QByteArray& raw : lines_) {
            if (auto sec = SectionOf(raw)) {
                inKey = SameKey(*sec, key);
                continue;
            }
            if (inKey)
                if (auto v = ValueOf(raw))
                    out.push_back(*v);
        }
        return out;
    }

    // False when the key already had its own section.
    bool createKey(const QString& key)
    {
        if (headerIndex(key) >= 0)
            return false;
        appendSection(key);
        return true;
    }

    void setValue(const QString& key, const QString& name, const RegValue& value)
    {
        const QByteArray line = EncodeValue(name, value);
        bool inKey = false;
        for (QByteArray& raw : lines_) {
            if (auto sec = SectionOf(raw)) {
                inKey = SameKey(*sec, key);
                continue;
            }
            if (inKey)
                if (auto v = ValueOf(raw); v && SameKey(v->name, name)) {
                    raw = line;
                    return;
                }
        }
        qsizetype h = headerIndex(key);
        if (h < 0) {
            appendSection(key);
            h = static_cast<qsizetype>(lines_.size()) - 1;
        }
        // After the key's last non-blank line, so blank separators stay between sections.
        qsizetype end = h + 1;
        while (end < static_cast<qsizetype>(lines_.size()) && !SectionOf(lines_[end]))
            ++end;
        qsizetype at = end;
        while (at > h + 1 && DecodeLine(lines_[at - 1]).trimmed().isEmpty())
            --at;
        lines_.insert(lines_.begin() + at, line);
    }

    bool save(const QString& path, bool privateFile, QString* error) const
    {
        const QString folder = QFileInfo(path).absolutePath();
        if (!MakeFolder(folder, privateFile)) {
            if (error)
                *error = QStringLiteral("The folder '%1' cannot be made.").arg(folder);
            return false;
        }
        QByteArray text;
        for (const QByteArray& l : lines_) {
            text += l;
            text += '\n';
        }
        return ReplaceFileContents(path, text, error, privateFile);
    }

private:
    qsizetype headerIndex(const QString& key) const
    {
        for (qsizetype i = 0; i < static_cast<qsizetype>(lines_.size()); ++i)
            if (auto sec = SectionOf(lines_[i]); sec && SameKey(*sec, key))
                return i;
        return -1;
    }

    void appendSection(const QString& key)
    {
        if (!lines_.empty() && !DecodeLine(lines_.back()).trimmed().isEmpty())
            lines_.push_back(QByteArray());
        lines_.push_back((u'[' + key + u']').toUtf8());
    }

    // Missing folders of a private file are made accessible to the owner only.
    static bool MakeFolder(const QString& dir, bool privateFile)
    {
        if (QFileInfo(dir).isDir())
            return true;
        if (!privateFile)
            return QDir().mkpath(dir);
        const QString parent = QFileInfo(dir).absolutePath();
        if (parent != dir && !MakeFolder(parent, true))
            return false;
        return QDir().mkdir(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
               || QFileInfo(dir).isDir();
    }

    std::vector<QByteArray> lines_;
};

} // namespace

bool RegKeyExists(const RegistryLocations& where, RegistryRoot root, const QString& subkey)
{
    const QString key = GroupOfKey(subkey);
    if (!ValidKey(key))
        return false;
    IniDocument doc;
    if (!doc.load(FileOf(where, root)))
        return false;
    // Software\Kestrun and Software\Kestrun\Gatrel hold whatever the file holds.
    if (QStringLiteral("Software\\Kestrun\\Gatrel\\").startsWith(key + u'\\', Qt::CaseInsensitive))
        return doc.hasAnyKey();
    return doc.hasKey(key);
}

RegValue RegGetValue(const RegistryLocations& where, RegistryRoot root, const QString& subkey,
                     const QString& name)
{
    const QString key = GroupOfKey(subkey);
    IniDocument doc;
    if (!ValidKey(key) || !doc.load(FileOf(where, root)))
        return RegValue();
    RegValue v = doc.value(key, name);
    if (v.isText()) {
        const QString t = v.text();
        const qsizetype nul = t.indexOf(QChar(0));
        if (nul >= 0)
            return RegValue::Text(t.left(nul));
    }
    return v;
}

bool RegSetValues(const RegistryLocations& where, RegistryRoot root, const QString& subkey,
                  const std::vector<std::pair<QString, RegValue>>& values, QString* error)
{
    const QString key = GroupOfKey(subkey);
    const QString& path = FileOf(where, root);
    if (path.isEmpty())
        return false;
    if (!ValidKey(key)) {
        if (error)
            *error = QStringLiteral("The key '%1' cannot be stored.").arg(subkey);
        return false;
    }
    IniDocument doc;
    // A file that exists but cannot be read is never overwritten.
    if (!doc.load(path, error))
        return false;
    bool changed = doc.createKey(key);
    for (const auto& [name, value] : values)
        if (ValidName(name) && !value.isEmpty()) {
            doc.setValue(key, name, value);
            changed = true;
        }
    return !changed || doc.save(path, root == RegistryRoot::CurrentUser, error);
}

bool RegSetValue(const RegistryLocations& where, RegistryRoot root, const QString& subkey,
                 const QString& name, const RegValue& value, QString* error)
{
    return RegSetValues(where, root, subkey, {{name, value}}, error);
}

bool RegCreateKey(const RegistryLocations& where, RegistryRoot root, const QString& subkey, QString* error)
{
    return RegSetValues(where, root, subkey, {}, error);
}

bool RegRewrite(const RegistryLocations& where, RegistryRoot root, QString* error)
{
    const QString& path = FileOf(where, root);
    IniDocument doc;
    return !path.isEmpty() && doc.load(path, error) && doc.save(path, root == RegistryRoot::CurrentUser, error);
}

bool RegCopyKey(const RegistryLocations& where, RegistryRoot from, RegistryRoot to, const QString& subkey,
                const QStringList& leaveOut, QString* error)
{
    const QString key = GroupOfKey(subkey);
    const QString& path = FileOf(where, to);
    if (path.isEmpty() || !ValidKey(key))
        return false;
    IniDocument source;
    IniDocument target;
    // A target that exists but cannot be read is never overwritten.
    if (!source.load(FileOf(where, from), error) || !target.load(path, error))
        return false;
    target.createKey(key);
    for (const ValueLine& v : source.values(key))
        if (ValidName(v.name) && !leaveOut.contains(v.name, Qt::CaseInsensitive)
            && target.value(key, v.name).isEmpty())
            target.setValue(key, v.name, v.value);
    return target.save(path, to == RegistryRoot::CurrentUser, error);
}
