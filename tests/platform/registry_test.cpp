#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/registry.h"
#include "support/record_files.h"

namespace {

const QString kKey = QStringLiteral("Software\\Kestrun\\Gatrel\\1.0");

class Registry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        where.userFile = dir.filePath(QStringLiteral("home/.config/Kestrun/Gatrel.conf"));
        where.machineFile = dir.filePath(QStringLiteral("etc/xdg/Kestrun/Gatrel.conf"));
    }

    RegValue get(RegistryRoot root, const QString& name) const { return RegGetValue(where, root, kKey, name); }
    void set(RegistryRoot root, const QString& name, const RegValue& v) { RegSetValue(where, root, kKey, name, v); }

    QTemporaryDir dir;
    RegistryLocations where;
};

const RegistryRoot kBothRoots[] = {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine};

} // namespace

TEST_F(Registry, NumbersAndTextsKeepTheirTypeInBothRootsWhichAreSeparateFiles)
{
    struct Case {
        const char* name;
        RegValue written;
        RegValue read;
    };
    const Case cases[] = {
        {"Num", RegValue::Number(12), RegValue::Number(12)},
        {"NumText", RegValue::Text(QStringLiteral("12")), RegValue::Text(QStringLiteral("12"))},
        {"Neg", RegValue::Number(-1), RegValue::Number(-1)},
        {"Min", RegValue::Number(INT32_MIN), RegValue::Number(INT32_MIN)},
        {"Max", RegValue::Number(INT32_MAX), RegValue::Number(INT32_MAX)},
        {"Empty", RegValue::Text(QString()), RegValue::Text(QString())},
        // A text is cut at its first NUL.
        {"Nul", RegValue::Text(QStringLiteral("ab") + QChar(0) + u'c'), RegValue::Text(QStringLiteral("ab"))},
    };
    for (RegistryRoot root : kBothRoots) {
        SCOPED_TRACE(int(root));
        // The roots are separate files: what the user root holds is not yet in the machine root.
        EXPECT_FALSE(RegKeyExists(where, root, kKey));
        EXPECT_TRUE(get(root, QStringLiteral("Num")).isEmpty());
        for (const Case& c : cases)
            set(root, QLatin1String(c.name), c.written);
        EXPECT_TRUE(RegKeyExists(where, root, kKey));
        for (const Case& c : cases)
            EXPECT_EQ(get(root, QLatin1String(c.name)), c.read) << c.name;
        EXPECT_TRUE(get(root, QStringLiteral("Missing")).isEmpty());
    }
    EXPECT_TRUE(QFile::exists(where.userFile));
    EXPECT_TRUE(QFile::exists(where.machineFile));
}

TEST_F(Registry, TextsWithSpecialCharactersRoundTrip)
{
    const QString texts[] = {
        QStringLiteral("C:\\Circuits\\\"quoted\" name.gtr"),
        QStringLiteral("line\nbreak\r\ttab"),
        QStringLiteral("  blanks kept by the primitive  "),
        QString::fromUtf16(u"Schaltkreis \u00e4\u00f6\u00fc\u00df \u00ff \U0001F600"),
        QString(QChar(1)) + QChar(0x1f) + QChar(0x7f) + QChar(0x85) + QChar(200) + QChar(255),
        QString(QChar(0xD800)) + u'x', // unpaired surrogate
        QStringLiteral("a=b;c#[d]"),
    };
    int i = 0;
    for (const QString& t : texts) {
        const QString name = QStringLiteral("T%1").arg(i++);
        set(RegistryRoot::CurrentUser, name, RegValue::Text(t));
        EXPECT_EQ(get(RegistryRoot::CurrentUser, name).text(), t) << name.toStdString();
    }
    // The file stays valid UTF-8 text with one line per value.
    const QByteArray data = ReadBytes(where.userFile);
    EXPECT_EQ(QString::fromUtf8(data).toUtf8(), data);
    EXPECT_EQ(data.count('\n'), 1 + i);
}

TEST_F(Registry, RewritingAValueReplacesItsLineAndNamesIgnoreCase)
{
    set(RegistryRoot::CurrentUser, QStringLiteral("AutoStop"), RegValue::Number(1000));
    set(RegistryRoot::CurrentUser, QStringLiteral("Other"), RegValue::Number(1));
    set(RegistryRoot::CurrentUser, QStringLiteral("autostop"), RegValue::Text(QStringLiteral("now text")));
    EXPECT_EQ(get(RegistryRoot::CurrentUser, QStringLiteral("AUTOSTOP")).text(), QStringLiteral("now text"));
    EXPECT_EQ(RegGetValue(where, RegistryRoot::CurrentUser, kKey.toLower(), QStringLiteral("other")),
              RegValue::Number(1));
    EXPECT_EQ(ReadBytes(where.userFile).toLower().count("autostop="), 1);
}

TEST_F(Registry, KeysExistOnlyOnceCreatedAndParentsExistWithThem)
{
    EXPECT_FALSE(RegKeyExists(where, RegistryRoot::CurrentUser, kKey)); // no file
    RegCreateKey(where, RegistryRoot::CurrentUser, kKey);
    EXPECT_TRUE(RegKeyExists(where, RegistryRoot::CurrentUser, kKey));
    EXPECT_TRUE(RegKeyExists(where, RegistryRoot::CurrentUser, QStringLiteral("Software\\Kestrun")));
    EXPECT_FALSE(RegKeyExists(where, RegistryRoot::CurrentUser, QStringLiteral("Software\\Kest")));
    EXPECT_FALSE(RegKeyExists(where, RegistryRoot::CurrentUser, kKey + QStringLiteral("\\Sub")));
    EXPECT_TRUE(get(RegistryRoot::CurrentUser, QStringLiteral("AutoStop")).isEmpty());

    // Values of another key are not values of this one.
    RegSetValue(where, RegistryRoot::CurrentUser, QStringLiteral("Software\\Other"), QStringLiteral("X"),
                RegValue::Number(5));
    EXPECT_TRUE(get(RegistryRoot::CurrentUser, QStringLiteral("X")).isEmpty());

    const QByteArray before = ReadBytes(where.userFile);
    RegCreateKey(where, RegistryRoot::CurrentUser, kKey);
    EXPECT_EQ(ReadBytes(where.userFile), before);
}

TEST_F(Registry, NewValuesFollowTheirKeyInWriteOrder)
{
    WriteBytes(where.userFile, "[1.0]\nA=dword:00000001\n\n[Software\\Other]\nZ=\"z\"\n");
    RegSetValues(where, RegistryRoot::CurrentUser, kKey,
                 {{QStringLiteral("B"), RegValue::Number(2)}, {QStringLiteral("C"), RegValue::Text(QStringLiteral("c"))}});
    EXPECT_EQ(ReadBytes(where.userFile),
              "[1.0]\nA=dword:00000001\nB=dword:00000002\nC=\"c\"\n\n"
              "[Software\\Other]\nZ=\"z\"\n");
}

TEST_F(Registry, CopyingAKeyReadsTheSourceAndKeepsWhatTheTargetHolds)
{
    const QByteArray source = "[1.0]\nA=dword:00000001\nB=\"theirs\"\nSkip=dword:00000002\nC=\"a\\\\b\"\n"
                              "[1.0\\Below]\nD=dword:00000004\n";
    WriteBytes(where.machineFile, source);
    WriteBytes(where.userFile, "; own note\n[1.0]\nB=\"mine\"\n");
    ASSERT_TRUE(RegCopyKey(where, RegistryRoot::LocalMachine, RegistryRoot::CurrentUser, kKey,
                           {QStringLiteral("skip")}));
    EXPECT_EQ(ReadBytes(where.userFile), "; own note\n[1.0]\nB=\"mine\"\nA=dword:00000001\nC=\"a\\\\b\"\n");
    EXPECT_EQ(ReadBytes(where.machineFile), source);

    // Nothing to copy from, or nowhere to copy to.
    const RegistryLocations noSource{where.userFile, dir.filePath(QStringLiteral("none/Gatrel.conf"))};
    EXPECT_TRUE(RegCopyKey(noSource, RegistryRoot::LocalMachine, RegistryRoot::CurrentUser, kKey));
    QString reason;
    const RegistryLocations folderAsTarget{dir.path(), where.machineFile};
    EXPECT_FALSE(RegCopyKey(folderAsTarget, RegistryRoot::LocalMachine, RegistryRoot::CurrentUser, kKey, {}, &reason));
    EXPECT_FALSE(reason.isEmpty());
}

TEST_F(Registry, UnknownLinesSurviveARewrite)
{
    const QByteArray garbage[] = {"; a comment", "free text without equals", "Bad=dword:123456789",
                                  "Bad2=\"unterminated", "Bad3=\"bad \\q escape\"", "Bad4=dword:xyz",
                                  "Bad5=plain", "\xff\xfe not utf-8", "=\"no name\""};
    QByteArray file = "leading line\n[1.0]\n";
    for (const QByteArray& g : garbage)
        file += g + "\r\n";
    file += "Good=dword:0000000c\r\n";
    WriteBytes(where.userFile, file);

    EXPECT_EQ(get(RegistryRoot::CurrentUser, QStringLiteral("Good")), RegValue::Number(12));
    for (const char* bad : {"Bad", "Bad2", "Bad3", "Bad4", "Bad5"})
        EXPECT_TRUE(get(RegistryRoot::CurrentUser, QString::fromLatin1(bad)).isEmpty()) << bad;

    set(RegistryRoot::CurrentUser, QStringLiteral("Good"), RegValue::Number(13));
    set(RegistryRoot::CurrentUser, QStringLiteral("New"), RegValue::Text(QStringLiteral("n")));
    const QByteArray after = ReadBytes(where.userFile);
    EXPECT_TRUE(after.startsWith("leading line\n"));
    for (const QByteArray& g : garbage)
        EXPECT_TRUE(after.contains(g + "\r\n")) << g.constData();
    EXPECT_EQ(get(RegistryRoot::CurrentUser, QStringLiteral("Good")), RegValue::Number(13));
    EXPECT_EQ(get(RegistryRoot::CurrentUser, QStringLiteral("New")).text(), QStringLiteral("n"));
}

TEST_F(Registry, BinaryJunkReadsAsMissingWithoutCrash)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919 + 13) % 256);
    WriteBytes(where.userFile, junk);
    EXPECT_FALSE(RegKeyExists(where, RegistryRoot::CurrentUser, kKey));
    EXPECT_TRUE(get(RegistryRoot::CurrentUser, QStringLiteral("AutoStop")).isEmpty());
    set(RegistryRoot::CurrentUser, QStringLiteral("AutoStop"), RegValue::Number(500));
    EXPECT_EQ(get(RegistryRoot::CurrentUser, QStringLiteral("AutoStop")), RegValue::Number(500));
}

TEST_F(Registry, UserFileIsPrivateAndNoTemporaryFileRemains)
{
    auto mode = [](const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    };
    set(RegistryRoot::CurrentUser, QStringLiteral("A"), RegValue::Number(1));
    EXPECT_EQ(mode(where.userFile), 0600);
    EXPECT_EQ(mode(QFileInfo(where.userFile).absolutePath()), 0700);

    // An existing file with wider rights is narrowed on the next write.
    ::chmod(QFile::encodeName(where.userFile).constData(), 0644);
    set(RegistryRoot::CurrentUser, QStringLiteral("B"), RegValue::Number(2));
    EXPECT_EQ(mode(where.userFile), 0600);

    EXPECT_EQ(QDir(QFileInfo(where.userFile).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Gatrel.conf")});
}

TEST_F(Registry, UnreadableFileIsNeverOverwritten)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    WriteBytes(where.userFile, "[1.0]\nA=dword:00000001\n");
    QFile::setPermissions(where.userFile, QFileDevice::WriteOwner);
    set(RegistryRoot::CurrentUser, QStringLiteral("B"), RegValue::Number(2));
    QFile::setPermissions(where.userFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(ReadBytes(where.userFile), "[1.0]\nA=dword:00000001\n");
}

TEST_F(Registry, NoLocationsMeansNothingIsReadOrWritten)
{
    const RegistryLocations none;
    RegSetValue(none, RegistryRoot::CurrentUser, kKey, QStringLiteral("A"), RegValue::Number(1));
    RegCreateKey(none, RegistryRoot::LocalMachine, kKey);
    EXPECT_FALSE(RegKeyExists(none, RegistryRoot::CurrentUser, kKey));
    EXPECT_TRUE(RegGetValue(none, RegistryRoot::CurrentUser, kKey, QStringLiteral("A")).isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(RegistryLocationsFor, FollowsXdgAndInstallPrefix)
{
    const RegistryLocations a =
        RegistryLocationsFor(QStringLiteral("/cfg"), QStringLiteral("/home/u"), QStringLiteral("/opt/gatrel/bin"));
    EXPECT_EQ(a.userFile, QStringLiteral("/cfg/Kestrun/Gatrel.conf"));
    EXPECT_EQ(a.machineFile, QStringLiteral("/opt/gatrel/etc/xdg/Kestrun/Gatrel.conf"));
    for (const QString& unusable : {QString(), QStringLiteral("relative/cfg")})
        EXPECT_EQ(RegistryLocationsFor(unusable, QStringLiteral("/home/u"), QStringLiteral("/usr/bin")).userFile,
                  QStringLiteral("/home/u/.config/Kestrun/Gatrel.conf"));
}
