#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "model/state.h"
#include "platform/registry.h"
#include "placement/document/permissions.h"
#include "placement/document/settings_store.h"
#include "support/record_files.h"

namespace {

std::function<double()> Seeded(unsigned seed)
{
    auto gen = std::make_shared<std::mt19937>(seed);
    return [gen] { return std::uniform_real_distribution<double>(0.0, 1.0)(*gen); };
}

Permissions AllOn()
{
    Permissions p;
    p.FeatureEnable.fill(-1);
    p.ElementEnable.fill(-1);
    return p;
}

} // namespace

TEST(PermissionsCodec, AllOnButTwoWithPasswordRoundTrips)
{
    Permissions p = AllOn();
    p.FeatureEnable[3] = 0;
    p.ElementEnable[8] = 0;
    p.OptionsPassword = QStringLiteral("abc");
    const auto text = EncodePermissions(p, Seeded(1));
    ASSERT_TRUE(text);
    ASSERT_EQ(text->size(), 21 + 20);
    for (int i = 0; i < 21; ++i) {
        const int code = text->at(i).unicode();
        const bool off = i == 3 || i == 7 + 8;
        if (off) {
            EXPECT_GE(code, 35) << i;
            EXPECT_LE(code, 57) << i;
        } else {
            EXPECT_GE(code, 13) << i;
            EXPECT_LE(code, 34) << i;
        }
    }
    // "abc" scrambled by position: a^8, b^10, c^12, then the terminator unchanged.
    EXPECT_EQ(text->at(21).unicode(), u'a' ^ 8);
    EXPECT_EQ(text->at(22).unicode(), u'b' ^ 10);
    EXPECT_EQ(text->at(23).unicode(), u'c' ^ 12);
    EXPECT_EQ(text->at(24).unicode(), 255);

    const auto back = DecodePermissions(*text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->FeatureEnable, p.FeatureEnable);
    EXPECT_EQ(back->ElementEnable, p.ElementEnable);
    EXPECT_EQ(back->OptionsPassword, QStringLiteral("abc"));

    // Each write differs, each reads back the same.
    const auto other = EncodePermissions(p, Seeded(2));
    ASSERT_TRUE(other);
    EXPECT_NE(*other, *text);
    EXPECT_EQ(DecodePermissions(*other)->OptionsPassword, QStringLiteral("abc"));
}

TEST(PermissionsCodec, PasswordLengthsAndFiller)
{
    Permissions p = AllOn();
    auto text = EncodePermissions(p, Seeded(3));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 41);
    EXPECT_EQ(text->at(21).unicode(), 255) << "no password: the block starts with the terminator";
    EXPECT_EQ(DecodePermissions(*text)->OptionsPassword, QString());

    p.OptionsPassword = QStringLiteral("abcdefghijklmnopqrst");
    text = EncodePermissions(p, Seeded(4));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 21 + 21);
    EXPECT_EQ(text->back().unicode(), 255);
    EXPECT_EQ(DecodePermissions(*text)->OptionsPassword, p.OptionsPassword);

    Permissions off;
    text = EncodePermissions(off, Seeded(5));
    for (int i = 0; i < 21; ++i)
        EXPECT_GE(text->at(i).unicode(), 35);
}

TEST(PermissionsCodec, RandomExtremesStayInTheirRanges)
{
    Permissions p = AllOn();
    p.ElementEnable[0] = 0;
    for (double r : {0.0, 0.49999, 0.999999}) {
        const auto text = EncodePermissions(p, [r] { return r; });
        ASSERT_TRUE(text);
        EXPECT_TRUE(FlagCharacterOn(text->at(0).unicode()));
        EXPECT_FALSE(FlagCharacterOn(text->at(7).unicode()));
        EXPECT_LE(text->at(7).unicode(), 57);
        EXPECT_GE(text->at(7).unicode(), 35);
    }
    EXPECT_FALSE(FlagCharacterOn(57));
    EXPECT_FALSE(FlagCharacterOn(12));
    EXPECT_TRUE(FlagCharacterOn(32));
}

TEST(PermissionsCodec, UnstorablePasswordsAreRefused)
{
    Permissions p = AllOn();
    p.OptionsPassword = QString(QChar(char16_t(8))); // 8 ^ 8 = 0 at position 1
    EXPECT_FALSE(EncodePermissions(p, Seeded(6)));
    p.OptionsPassword = QString(QChar(char16_t(255 ^ 8)));
    EXPECT_FALSE(EncodePermissions(p, Seeded(6)));
    p.OptionsPassword = QString(21, QLatin1Char('a'));
    EXPECT_FALSE(EncodePermissions(p, Seeded(6)));
}

TEST(PermissionsCodec, ShortOrEditedValuesAreRejectedNotRead)
{
    EXPECT_FALSE(DecodePermissions(QString()));
    EXPECT_FALSE(DecodePermissions(QString(5, QChar(20))));
    EXPECT_FALSE(DecodePermissions(QString(21, QChar(20)))) << "flags only, no terminator";
    EXPECT_FALSE(DecodePermissions(QString(30, QChar(20)))) << "no terminator";
    // A terminator among the flags does not count as the password's.
    QString text(21, QChar(20));
    text[3] = QChar(char16_t(255));
    EXPECT_FALSE(DecodePermissions(text));
    text += QChar(char16_t(255));
    const auto p = DecodePermissions(text);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->FeatureEnable[3], 0);
    EXPECT_EQ(p->OptionsPassword, QString());
}

TEST(PermissionsStore, InstallWritesAValueTheProgramAccepts)
{
    QTemporaryDir dir;
    ProgramState s;
    s.settings.registryFiles = {dir.filePath(QStringLiteral("u/Gatrel.conf")),
                                dir.filePath(QStringLiteral("m/Gatrel.conf"))};
    s.settings.RegRoot = RegistryRoot::LocalMachine;
    EXPECT_EQ(LoadPermissions(s), PermissionsStatus::Missing);

    WriteInstallSettings(s.settings.registryFiles.machineFile);
    s.settings.ElementEnable.fill(0);
    s.settings.FeatureEnable.fill(0);
    s.settings.OptionsPassword = QStringLiteral("old");
    ASSERT_EQ(LoadPermissions(s), PermissionsStatus::Loaded);
    for (int16_t f : s.settings.FeatureEnable)
        EXPECT_EQ(f, -1);
    for (int16_t e : s.settings.ElementEnable)
        EXPECT_EQ(e, -1);
    EXPECT_EQ(s.settings.OptionsPassword, QString());

    // Written into the user's own file and read back from it, leading blanks and code 255
    // included; the installed value stays as it was.
    const QByteArray installed = ReadBytes(s.settings.registryFiles.machineFile);
    s.settings.ElementEnable[13] = 0;
    s.settings.OptionsPassword = QStringLiteral(" pw ");
    ASSERT_TRUE(SavePermissions(s));
    EXPECT_EQ(s.settings.RegRoot, RegistryRoot::CurrentUser);
    EXPECT_EQ(ReadBytes(s.settings.registryFiles.machineFile), installed);
    s.settings.ElementEnable[13] = -1;
    s.settings.OptionsPassword.clear();
    ASSERT_EQ(LoadPermissions(s), PermissionsStatus::Loaded);
    EXPECT_EQ(s.settings.ElementEnable[13], 0);
    EXPECT_EQ(s.settings.OptionsPassword, QStringLiteral(" pw "));

    const QString key = QString::fromLatin1(kSettingsKey);
    RegSetValue(s.settings.registryFiles, RegistryRoot::CurrentUser, key, QStringLiteral("Permissions"),
                RegValue::Text(QString(21, QChar(20))));
    EXPECT_EQ(LoadPermissions(s), PermissionsStatus::Broken);
    EXPECT_EQ(s.settings.ElementEnable[13], 0) << "a broken value changes nothing";
    EXPECT_TRUE(MissingPermissionsMessage().contains(QStringLiteral("permissions\r\nfrom registry")));
    EXPECT_TRUE(BrokenPermissionsMessage().contains(QStringLiteral("data.\r\nPlease")));
}
